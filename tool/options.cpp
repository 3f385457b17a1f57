#include "tool/options.h"

#include <getopt.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "tool/messages.h"

namespace {

constexpr int kNoHeader = 256;  // a long option without a short form

const option kLongOptions[] = {
    {"commands", required_argument, nullptr, 'c'},
    {"directed", no_argument, nullptr, 'd'},
    {"help", no_argument, nullptr, 'h'},
    {"jobs", required_argument, nullptr, 'j'},
    {"label-setting", no_argument, nullptr, 'l'},
    {"minimum", no_argument, nullptr, 'm'},
    {"no-header", no_argument, nullptr, kNoHeader},
    {"version", no_argument, nullptr, 'V'},
    {nullptr, 0, nullptr, 0},
};

// The leading colon has getopt_long tell a missing argument (':') from an
// unknown option ('?') and print nothing itself.
constexpr char kShortOptions[] = ":c:dhj:lmV";

// The long options `name` abbreviates (all, for a name that is whole).
std::vector<const option*> optionsNamed(const std::string& name) {
    std::vector<const option*> found;
    for (const option* o = kLongOptions; o->name != nullptr; ++o) {
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
bool checkOperands(Invocation& invocation, std::vector<std::string> operands, std::string& problem,
                   bool (*isCommand)(const std::string& word)) {
    if (invocation.help || invocation.version) {
        return true;
    }
    if (operands.empty()) {
        problem = "missing FILE";
        return false;
    }
    if (!invocation.commandsFile && isCommand(operands.front()) &&
        ::access(operands.front().c_str(), F_OK) != 0) {
        problem = quoted(operands.front()) + " is a command: FILE comes before it";
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

}  // namespace

std::optional<Invocation> parseInvocation(const std::vector<std::string>& args,
                                          std::string& problem,
                                          bool (*isCommand)(const std::string& word)) {
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
    for (int result;
         (result = getopt_long(argc, argv.data(), kShortOptions, kLongOptions, nullptr)) != -1;) {
        switch (result) {
            case 'c':
                if (invocation.commandsFile) {
                    problem = "option '--commands' given twice";
                    return std::nullopt;
                }
                invocation.commandsFile = optarg;
                break;
            case 'd':
                invocation.directed = true;
                break;
            case 'h':
                invocation.help = true;
                break;
            case 'j': {
                char* end = nullptr;
                const unsigned long jobs = std::strtoul(optarg, &end, 10);
                if (*optarg < '0' || *optarg > '9' || *end != '\0' || jobs == 0 || jobs > 1024) {
                    problem = "invalid number of jobs: " + quoted(optarg);
                    return std::nullopt;
                }
                invocation.jobs = static_cast<unsigned>(jobs);
                break;
            }
            case 'l':
                invocation.meaning = Meaning::labelSetting;
                break;
            case 'm':
                invocation.meaning = Meaning::leastWeight;
                break;
            case kNoHeader:
                invocation.header = EdgeListHeader::none;
                break;
            case 'V':
                invocation.version = true;
                break;
            default:
                problem = rejected(result, optopt, argv[static_cast<std::size_t>(optind) - 1]);
                return std::nullopt;
        }
    }
    if (!checkOperands(invocation, std::vector<std::string>(argv.begin() + optind, argv.end() - 1),
                       problem, isCommand)) {
        return std::nullopt;
    }
    return invocation;
}
