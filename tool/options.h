// graph-query's command line, taken apart by getopt_long as GNU tools take
// theirs.
#ifndef TOOL_OPTIONS_H_
#define TOOL_OPTIONS_H_

#include <optional>
#include <string>
#include <vector>

#include "graph/Graph.h"

// What the answers mean.
enum class Meaning {
    leastWeight,   // every triple an edge of its weight; least total weights (the default)
    labelSetting,  // the library's rules: Reachable, Dijkstra, topoSort, the table's order
};

struct Invocation {
    bool help = false;
    bool version = false;
    bool directed = false;
    Meaning meaning = Meaning::leastWeight;  // the last of -l and -m given
    EdgeListHeader header = EdgeListHeader::twoRecords;
    unsigned jobs = 0;  // parts of a regular FILE read at once; 0: one per processor
    std::optional<std::string> commandsFile;  // --commands CMDFILE
    std::string file;                         // FILE; "-" is standard input
    std::vector<std::string> command;         // COMMAND and its ARGS
};

// parseInvocation()
//
// Reads `args` (the program name left out) by the option table: options may
// come before or after the operands until "--", long options may be
// abbreviated while unambiguous and take their value as "--opt=value" or as
// the next argument, short ones may be grouped. Returns the invocation, or
// nothing with `problem` set to a one-line description of the usage error,
// among them a command given where FILE belongs.
std::optional<Invocation> parseInvocation(const std::vector<std::string>& args,
                                          std::string& problem);

#endif  // TOOL_OPTIONS_H_
