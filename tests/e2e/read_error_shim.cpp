// Preloaded into graph-query by graph_query_unix.sh to inject a read error:
// once GRAPH_QUERY_READ_LIMIT bytes have been read from descriptors 3 and up,
// every further read() on them fails with EIO. Standard input, output and
// error are left alone.
#include <dlfcn.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace {

using ReadFunction = ssize_t (*)(int, void*, size_t);
size_t bytesRead = 0;

}  // namespace

extern "C" ssize_t read(int descriptor, void* buffer, size_t count) {
    static const auto next = reinterpret_cast<ReadFunction>(dlsym(RTLD_NEXT, "read"));
    if (descriptor < 3) {
        return next(descriptor, buffer, count);
    }
    const char* limitText = std::getenv("GRAPH_QUERY_READ_LIMIT");
    const size_t limit = limitText ? std::strtoull(limitText, nullptr, 10) : 0;
    if (bytesRead >= limit) {
        errno = EIO;
        return -1;
    }
    const ssize_t got =
        next(descriptor, buffer, count < limit - bytesRead ? count : limit - bytesRead);
    if (got > 0) {
        bytesRead += static_cast<size_t>(got);
    }
    return got;
}
