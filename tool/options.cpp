#include "tool/options.h"

#include <getopt.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "tool/command_table.h"
#include "tool/messages.h"

namespace {

// getopt_long's view of the option table: each option's `val` is its short
// name, or for one without, a value past every character's.
constexpr int kFirstLongOnly = 256;

int valueOf(const OptionEntry& entry, std::size_t index) {
    return entry.shortName != '\0' ? static_cast<unsigned char>(entry.shortName)
                                   : kFirstLongOnly + static_cast<int>(index);
}

const std::vector<option>& longOptions() {
    static const std::vector<option> options = [] {
        std::vector<option> table;
        for (std::size_t i = 0; i < optionTable().size(); ++i) {
            const OptionEntry& entry = optionTable()[i];
            table.push_back({entry.longName, entry.argument ? required_argument : no_argument,
                             nullptr, valueOf(entry, i)});
        }
        table.push_back({nullptr, 0, nullptr, 0});
        return table;
    }();
    return options;
}

// The leading colon has getopt_long tell a missing argument (':') from an
// unknown option ('?') and print nothing itself.
const std::string& shortOptions() {
    static const std::string options = [] {
        std::string text = ":";
        for (const OptionEntry& entry : optionTable()) {
            if (entry.shortName != '\0') {
                text += entry.shortName + std::string(entry.argument ? ":" : "");
            }
        }
        return text;
    }();
    return options;
}

// The table's entry for what getopt_long returned, or nullptr.
const OptionEntry* entryFor(int result) {
    for (std::size_t i = 0; i < optionTable().size(); ++i) {
        if (valueOf(optionTable()[i], i) == result) {
            return &optionTable()[i];
        }
    }
    return nullptr;
}

// The long options `name` abbreviates (all, for a name that is whole).
std::vector<const option*> optionsNamed(const std::string& name) {
    std::vector<const option*> found;
    for (const option* o = longOptions().data(); o->name != nullptr; ++o) {
        if (name == o->name) {
            return {o};
        }
        if (std::strncmp(o->name, name.c_str(), name.size()) == 0) {
            found.push_back(o);
        }
    }
    return found;
}

// What getopt_long rejected (`result` ':' or '?', `shortOption` its optopt)
// in the argument `arg` it was reading, said as GNU tools say it. A grouped
// short option may be rejected while `arg` is still the argument before.
std::string rejected(int result, int shortOption, const std::string& arg) {
    const bool isLong = arg.compare(0, 2, "--") == 0;
    const std::vector<const option*> named =
        isLong ? optionsNamed(arg.substr(2, arg.find('=') - 2)) : std::vector<const option*>{};
    if (shortOption != 0 && (named.size() != 1 || named[0]->val != shortOption)) {
        const std::string quoted = "'" + std::string(1, static_cast<char>(shortOption)) + "'";
        return result == ':' ? "option requires an argument -- " + quoted
                             : "invalid option -- " + quoted;
    }
    if (named.empty()) {
        return "unrecognized option '" + arg + "'";
    }
    if (named.size() > 1) {
        return "option '" + arg + "' is ambiguous";
    }
    return std::string("option '--") + named[0]->name +
           (result == ':' ? "' requires an argument" : "' doesn't allow an argument");
}

// Checks the operands and the options that go with them.
bool checkOperands(Invocation& invocation, std::vector<std::string> operands,
                   std::string& problem) {
    if (invocation.help || invocation.version) {
        return true;
    }
    if (operands.empty()) {
        problem = "missing FILE";
        return false;
    }
    if (!invocation.commandsFile && findCommand(operands.front()) != nullptr &&
        ::access(operands.front().c_str(), F_OK) != 0) {
        problem = quotedBytes(operands.front()) + " is a command: FILE comes before it";
        return false;
    }
    invocation.file = operands.front();
    invocation.command.assign(operands.begin() + 1, operands.end());
    if (invocation.commandsFile && !invocation.command.empty()) {
        problem = "with --commands, give no COMMAND after FILE";
    } else if (!invocation.commandsFile && invocation.command.empty()) {
        problem = "missing COMMAND after FILE";
    } else if (invocation.commandsFile && *invocation.commandsFile == "-" &&
               invocation.file == "-") {
        problem = "FILE and CMDFILE cannot both be standard input";
    }
    return problem.empty();
}

// Notes what the option `entry`, with its value `value`, asks of `invocation`.
bool take(const OptionEntry& entry, const char* value, Invocation& invocation,
          std::string& problem) {
    switch (entry.name) {
        case OptionName::commands:
            if (invocation.commandsFile) {
                problem = "option '--commands' given twice";
                return false;
            }
            invocation.commandsFile = value;
            return true;
        case OptionName::directed:
            invocation.directed = true;
            return true;
        case OptionName::help:
            invocation.help = true;
            return true;
        case OptionName::jobs: {
            char* end = nullptr;
            const unsigned long jobs = std::strtoul(value, &end, 10);
            if (*value < '0' || *value > '9' || *end != '\0' || jobs == 0 || jobs > 1024) {
                problem = "invalid number of jobs: " + quotedBytes(value);
                return false;
            }
            invocation.jobs = static_cast<unsigned>(jobs);
            return true;
        }
        case OptionName::labelSetting:
            invocation.meaning = Meaning::labelSetting;
            return true;
        case OptionName::minimum:
            invocation.meaning = Meaning::leastWeight;
            return true;
        case OptionName::noHeader:
            invocation.header = EdgeListHeader::none;
            return true;
        case OptionName::version:
            invocation.version = true;
            return true;
    }
    return true;
}

}  // namespace

std::optional<Invocation> parseInvocation(const std::vector<std::string>& args,
                                          std::string& problem) {
    std::vector<std::string> words = {"graph-query"};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    const int argc = static_cast<int>(words.size());
    Invocation invocation;
    opterr = 0;
    optind = 0;  // start afresh, as each call reads a new command line
    for (int result; (result = getopt_long(argc, argv.data(), shortOptions().c_str(),
                                           longOptions().data(), nullptr)) != -1;) {
        const OptionEntry* entry = entryFor(result);
        if (entry == nullptr) {
            problem = rejected(result, optopt, argv[static_cast<std::size_t>(optind) - 1]);
            return std::nullopt;
        }
        if (!take(*entry, optarg, invocation, problem)) {
            return std::nullopt;
        }
    }
    if (!checkOperands(invocation, std::vector<std::string>(argv.begin() + optind, argv.end() - 1),
                       problem)) {
        return std::nullopt;
    }
    return invocation;
}
