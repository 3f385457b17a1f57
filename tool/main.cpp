// graph-query: see usageText() in usage.cpp.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <istream>

#include "tool/fd_input.h"
#include "tool/options.h"
#include "tool/query_tool.h"

namespace {

// Opens /dev/null on any of the standard descriptors that is closed, for
// writing where the program reads and for reading where it writes, so that
// no file opened later takes their number and every use of them fails as a
// closed one would (EBADF).
void occupyClosedStandardDescriptors() {
    for (const int fd : {0, 1, 2}) {
        if (::fcntl(fd, F_GETFD) < 0 && errno == EBADF) {
            const int opened = ::open("/dev/null", fd == 0 ? O_WRONLY : O_RDONLY);
            if (opened >= 0 && opened != fd) {
                ::close(opened);
            }
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    occupyClosedStandardDescriptors();
    FdStreamBuffer standardInputBuffer(0, /*owned=*/false);
    std::istream standardInput(&standardInputBuffer);
    Output out(1);
    Output err(2);
    ToolIo io{standardInput, out, err};
    const int status = runGraphQuery(std::vector<std::string>(argv + 1, argv + argc), io);
    // Everything has been written; what is left in memory (a listing may be
    // large) goes with the process, faster than its destructors would free it.
    std::_Exit(status);
}
