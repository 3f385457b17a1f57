// graph-query's commands and options in one table: the option parser, the
// command dispatch and the usage text read it, and the manual page, the
// README and the bash completion are checked against the usage it makes.
#ifndef TOOL_COMMAND_TABLE_H_
#define TOOL_COMMAND_TABLE_H_

#include <cstddef>
#include <string>
#include <vector>

#include "tool/exit_status.h"

class Session;

// A command line's command and its arguments, or a line of CMDFILE.
using Words = std::vector<std::string>;

enum class OptionName { commands, directed, help, jobs, labelSetting, minimum, noHeader, version };

struct OptionEntry {
    OptionName name;
    char shortName;        // '\0' when it has none
    const char* longName;  // without the leading "--"
    const char* argument;  // what the usage calls its value, or nullptr when it takes none
    const char* help;      // one sentence, wrapped by the usage
};

struct CommandEntry {
    const char* name;
    const char* synopsis;  // its arguments as the usage writes them: "A B", "[A [B]]"
    std::size_t leastVertices;
    std::size_t mostVertices;
    // Names of commands whose answer it draws, taken where its first vertex
    // may stand (`dot tree`), ending in nullptr; or nullptr.
    const char* const* keywords;
    bool listing;         // prints edges of FILE's listing, which the summary does not hold
    bool undirectedOnly;  // a usage error with --directed
    // Answers the checked `words` on standard output.
    ExitStatus (*answer)(const Words& words, Session& session);
    const char* help;  // one sentence, wrapped by the usage
};

// optionTable(), commandTable()
//
// Every option and every command, in the order the usage lists them. O(1).
const std::vector<OptionEntry>& optionTable();
const std::vector<CommandEntry>& commandTable();

// findCommand()
//
// The command named `name`, or nullptr. O(commands).
const CommandEntry* findCommand(const std::string& name);

#endif  // TOOL_COMMAND_TABLE_H_
