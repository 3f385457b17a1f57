// graph-query: see usageText() in query_tool.cpp.
#include <fcntl.h>
#include <sys/stat.h>
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

// A large FILE fills hundreds of megabytes of small heap blocks, and on
// virtual machines faulting them in 4 KiB pages costs about as much as the
// rest of the load: for a million undirected triples, 100 of 220 ms. glibc
// backs its heap with transparent huge pages when GLIBC_TUNABLES asks it to,
// which it reads only when a program starts; so for such a FILE, and when the
// caller has set no GLIBC_TUNABLES of their own, the program starts itself
// again with the setting. Should that fail, it goes on as it is.
void restartWithHugePagesForLargeInput(int argc, char** argv) {
    constexpr off_t kLargeInputBytes = 1 << 20;
    std::string problem;
    const std::optional<Invocation> invocation =
        parseInvocation(std::vector<std::string>(argv + 1, argv + argc), problem);
    struct stat input;
    if (!invocation || invocation->file.empty() || invocation->file == "-" ||
        std::getenv("GLIBC_TUNABLES") != nullptr || ::stat(invocation->file.c_str(), &input) != 0 ||
        !S_ISREG(input.st_mode) || input.st_size < kLargeInputBytes) {
        return;
    }
    if (::setenv("GLIBC_TUNABLES", "glibc.malloc.hugetlb=1", 0) == 0) {
        ::execv("/proc/self/exe", argv);
        ::unsetenv("GLIBC_TUNABLES");
    }
}

}  // namespace

int main(int argc, char** argv) {
    restartWithHugePagesForLargeInput(argc, argv);
    occupyClosedStandardDescriptors();
    FdStreamBuffer standardInputBuffer(0, /*owned=*/false);
    std::istream standardInput(&standardInputBuffer);
    Output out(1);
    Output err(2);
    ToolIo io{standardInput, out, err, /*keepGraphAtExit=*/true};
    const int status = runGraphQuery(std::vector<std::string>(argv + 1, argv + argc), io);
    // Everything has been written; the graph and the rest are left to the
    // operating system, which frees them faster than their destructors would.
    std::_Exit(status);
}
