// graph-query: answers the library's queries on an edge-list file from the
// shell. The program's main only forwards to runGraphQuery, so the whole
// command line can be tested in-process.
#ifndef TOOL_QUERY_TOOL_H_
#define TOOL_QUERY_TOOL_H_

#include <string>
#include <vector>

struct ToolResult {
    std::string out;  // standard output
    std::string err;  // standard error
    int status;       // exit status
};

// runGraphQuery()
//
// Runs `graph-query [--directed] FILE COMMAND [ARGS]` with `args` (the
// program name left out) and returns what it prints and its exit status: 0
// for an answer, 1 for a negative one (not reachable, vertices left out of the
// order), 2 for a usage error or a file that cannot be opened.
ToolResult runGraphQuery(const std::vector<std::string>& args);

// usageText()
//
// Returns the usage message, ending in a line feed.
std::string usageText();

#endif  // TOOL_QUERY_TOOL_H_
