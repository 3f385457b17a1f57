// graph-query: see usageText() in query_tool.cpp.
#include <iostream>

#include "tool/query_tool.h"

int main(int argc, char** argv) {
    const ToolResult result = runGraphQuery(std::vector<std::string>(argv + 1, argv + argc));
    std::cout << result.out << std::flush;
    std::cerr << result.err << std::flush;
    return result.status;
}
