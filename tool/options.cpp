#include "tool/options.h"

#include <array>

namespace {

enum class Option { help, version, directed, commands };

struct LongOption {
    const char* name;
    Option option;
};

constexpr std::array<LongOption, 4> kOptions = {{
    {"help", Option::help},
    {"version", Option::version},
    {"directed", Option::directed},
    {"commands", Option::commands},
}};

// The option `name` names exactly or as the prefix of only one option.
const LongOption* findOption(const std::string& name, std::string& problem) {
    const LongOption* match = nullptr;
    for (const LongOption& option : kOptions) {
        const std::string full = option.name;
        if (full == name) {
            return &option;
        }
        if (!name.empty() && full.compare(0, name.size(), name) == 0) {
            if (match != nullptr) {
                problem = "option '--" + name + "' is ambiguous";
                return nullptr;
            }
            match = &option;
        }
    }
    if (match == nullptr) {
        problem = "unrecognized option '--" + name + "'";
    }
    return match;
}

// Applies the long option in args[index] ("--name" or "--name=value"), taking
// a value from the next argument when it needs one.
bool applyOption(const std::vector<std::string>& args, std::size_t& index, Invocation& invocation,
                 std::string& problem) {
    const std::string body = args[index].substr(2);
    const std::size_t equals = body.find('=');
    const LongOption* option = findOption(body.substr(0, equals), problem);
    if (option == nullptr) {
        return false;
    }
    const std::string name = std::string("--") + option->name;
    if (option->option != Option::commands) {
        if (equals != std::string::npos) {
            problem = "option '" + name + "' takes no value";
            return false;
        }
        invocation.help |= option->option == Option::help;
        invocation.version |= option->option == Option::version;
        invocation.directed |= option->option == Option::directed;
        return true;
    }
    if (invocation.commandsFile) {
        problem = "option '" + name + "' given twice";
        return false;
    }
    if (equals != std::string::npos) {
        invocation.commandsFile = body.substr(equals + 1);
    } else if (index + 1 < args.size()) {
        invocation.commandsFile = args[++index];
    } else {
        problem = "option '" + name + "' needs a CMDFILE";
        return false;
    }
    return true;
}

}  // namespace

std::optional<Invocation> parseInvocation(const std::vector<std::string>& args,
                                          std::string& problem) {
    Invocation invocation;
    std::vector<std::string> operands;
    bool optionsEnded = false;
    for (std::size_t index = 0; index < args.size(); ++index) {
        const std::string& arg = args[index];
        if (optionsEnded || arg == "-" || arg.empty() || arg[0] != '-') {
            operands.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg.compare(0, 2, "--") != 0) {
            problem = "unrecognized option '" + arg + "'";
            return std::nullopt;
        } else if (!applyOption(args, index, invocation, problem)) {
            return std::nullopt;
        }
    }
    if (invocation.help || invocation.version) {
        return invocation;
    }
    if (operands.empty()) {
        problem = "a FILE is needed";
        return std::nullopt;
    }
    invocation.file = operands.front();
    invocation.command.assign(operands.begin() + 1, operands.end());
    if (invocation.commandsFile && !invocation.command.empty()) {
        problem = "with --commands, give no COMMAND after FILE";
        return std::nullopt;
    }
    if (!invocation.commandsFile && invocation.command.empty()) {
        problem = "a COMMAND is needed after FILE";
        return std::nullopt;
    }
    if (invocation.commandsFile && *invocation.commandsFile == "-" && invocation.file == "-") {
        problem = "FILE and CMDFILE cannot both be standard input";
        return std::nullopt;
    }
    return invocation;
}
