// graph-query: answers the library's queries on an edge-list file from the
// shell. The program's main only connects it to the process's files, so the
// whole command line can also be run in-process by the tests.
#ifndef TOOL_QUERY_TOOL_H_
#define TOOL_QUERY_TOOL_H_

#include <functional>
#include <istream>
#include <optional>
#include <string>
#include <vector>

#include "graph/Graph.h"
#include "tool/output.h"
#include "tool/session.h"

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

// What a reader outside graph-query (a cluster) made of FILE: the summary of
// the table of its inputs, read one after the other, and how reading each
// went; or, when an input could not be opened or read, `index` empty, that
// input's name and the system's reason.
struct OutsideReading {
    std::optional<QueryIndex> index;
    std::vector<InputReading> inputs;
    std::string failedInput;
    bool cannotOpen = false;  // it could not be opened, rather than read
    std::string reason;
};

// Reads the edge lists that FILE names, loaded `directed` or not, each
// starting as `header` says.
using OutsideReader =
    std::function<OutsideReading(const std::string& file, bool directed, EdgeListHeader header)>;

// runGraphQueryOver()
//
// Runs `graph-query` with `args` as runGraphQuery does, with the same
// answers, messages and exit status, but answers from what `read` makes of
// FILE instead of reading it: a command that prints every edge (`list`,
// `dot`) is a usage error, as is FILE `-`, and -j is not used. --help
// prints `usagePreface` before the usage.
int runGraphQueryOver(const std::vector<std::string>& args, ToolIo& io, const OutsideReader& read,
                      const std::string& usagePreface);

#endif  // TOOL_QUERY_TOOL_H_
