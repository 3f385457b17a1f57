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
// exit status: 0 for an answer, 1 for a negative one, 2 for trouble, even
// after an answer: a usage error, a file that cannot be read, FILE not read
// whole and as written, a vertex the graph does not hold, a write error or
// exhausted memory. With --commands: 2 for any such trouble or invalid line,
// else 0, whatever the answers.
int runGraphQuery(const std::vector<std::string>& args, ToolIo& io);

// usageText()
//
// Returns the usage message, ending in a line feed.
std::string usageText();

#endif  // TOOL_QUERY_TOOL_H_
