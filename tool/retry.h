// The one retry of a system call that a signal interrupted.
#ifndef TOOL_RETRY_H_
#define TOOL_RETRY_H_

#include <cerrno>

// retryOnInterrupt()
//
// Calls `call` (a read, write or pread returning a count, or -1 with errno
// set) again for as long as it fails with EINTR, and returns its result.
// Never wrap close() in it: Linux frees the descriptor even when close is
// interrupted, so a second close could close a descriptor that another
// thread has just been given. O(1) besides the calls.
template <typename Call>
auto retryOnInterrupt(Call call) -> decltype(call()) {
    decltype(call()) result;
    do {
        result = call();
    } while (result < 0 && errno == EINTR);
    return result;
}

#endif  // TOOL_RETRY_H_
