// graph-query: see usageText() in query_tool.cpp.
#include <cstdlib>
#include <istream>

#include "tool/fd_input.h"
#include "tool/query_tool.h"

int main(int argc, char** argv) {
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
