// graph-query's command line, taken apart by getopt_long as GNU tools take
// theirs.
#ifndef TOOL_OPTIONS_H_
#define TOOL_OPTIONS_H_

#include <optional>
#include <string>
#include <vector>

#include "graph/Graph.h"

struct Invocation {
    bool help = false;
    bool version = false;
    bool directed = false;
    bool minimum = false;  // distances are least total weights
    EdgeListHeader header = EdgeListHeader::twoRecords;
    std::optional<std::string> commandsFile;  // --commands CMDFILE
    std::string file;                         // FILE; "-" is standard input
    std::vector<std::string> command;         // COMMAND and its ARGS
};

// parseInvocation()
//
// Reads `args` (the program name left out): options may come before or after
// the operands until "--", long options may be abbreviated while unambiguous
// and take their value as "--opt=value" or as the next argument, short ones
// may be grouped. Returns the invocation, or nothing with `problem` set to a
// one-line description of the usage error.
std::optional<Invocation> parseInvocation(const std::vector<std::string>& args,
                                          std::string& problem);

#endif  // TOOL_OPTIONS_H_
