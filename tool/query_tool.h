// graph-query: answers the library's queries on an edge-list file from the
// shell. The program's main only connects it to the process's files, so the
// whole command line can also be run in-process by the tests.
#ifndef TOOL_QUERY_TOOL_H_
#define TOOL_QUERY_TOOL_H_

#include <istream>
#include <string>
#include <vector>

#include "tool/output.h"

struct ToolIo {
    std::istream& standardInput;
    Output& out;
    Output& err;
};

// runGraphQuery()
//
// Runs `graph-query` with `args` (the program name left out) and returns its
// exit status, an ExitStatus (tool/exit_status.h) as the exit policy
// (tool/exit_policy.h) decides it.
int runGraphQuery(const std::vector<std::string>& args, ToolIo& io);

#endif  // TOOL_QUERY_TOOL_H_
