#include "tests/tool_harness.h"

#include <unistd.h>

#include <cstdio>
#include <istream>
#include <stdexcept>

#include "tool/fd_input.h"
#include "tool/query_tool.h"

ToolResult runTool(const std::vector<std::string>& args, const std::string& standardInput) {
    std::FILE* file = std::tmpfile();
    if (file == nullptr ||
        std::fwrite(standardInput.data(), 1, standardInput.size(), file) != standardInput.size() ||
        std::fflush(file) != 0 || ::lseek(::fileno(file), 0, SEEK_SET) != 0) {
        throw std::runtime_error("cannot make a file for standard input");
    }
    ToolResult result;
    {
        FdStreamBuffer buffer(::fileno(file), /*owned=*/false);
        std::istream input(&buffer);
        Output out(result.out), err(result.err);
        ToolIo io{input, out, err};
        result.status = runGraphQuery(args, io);
    }
    std::fclose(file);
    return result;
}
