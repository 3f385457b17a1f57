// graph-query's command line, taken apart as GNU tools take theirs.
#ifndef TOOL_OPTIONS_H_
#define TOOL_OPTIONS_H_

#include <optional>
#include <string>
#include <vector>

struct Invocation {
    bool help = false;
    bool version = false;
    bool directed = false;
    std::optional<std::string> commandsFile;  // --commands CMDFILE
    std::string file;                         // FILE; "-" is standard input
    std::vector<std::string> command;         // COMMAND and its ARGS
};

// parseInvocation()
//
// Reads `args` (the program name left out): options may come before or after
// the operands until "--", long options may be abbreviated while unambiguous,
// and "--commands" takes its value as "--commands=CMDFILE" or as the next
// argument. Returns the invocation, or nothing with `problem` set for a
// usage error.
std::optional<Invocation> parseInvocation(const std::vector<std::string>& args,
                                          std::string& problem);

#endif  // TOOL_OPTIONS_H_
