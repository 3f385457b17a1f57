// graph-query run in-process, its standard input a file holding the given
// bytes, as `graph-query ... < FILE` has it.
#ifndef TESTS_TOOL_HARNESS_H_
#define TESTS_TOOL_HARNESS_H_

#include <string>
#include <vector>

// What a run wrote to standard output and standard error, and its exit status.
struct ToolResult {
    std::string out, err;
    int status;
};

// Runs `graph-query` with `args` (the program name left out).
ToolResult runTool(const std::vector<std::string>& args, const std::string& standardInput = "");

#endif  // TESTS_TOOL_HARNESS_H_
