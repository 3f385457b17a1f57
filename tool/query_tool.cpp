#include "tool/query_tool.h"

#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <sstream>
#include <stdexcept>

#include "tool/commands.h"
#include "tool/fd_input.h"
#include "tool/hints.h"
#include "tool/messages.h"
#include "tool/options.h"
#include "tool/session.h"

#ifndef GRAPH_VERSION
#define GRAPH_VERSION "unknown"
#endif

namespace {

constexpr int kTrouble = 2;

std::vector<std::string> wordsOf(const std::string& line) {
    std::istringstream stream(line);
    std::vector<std::string> words;
    for (std::string word; stream >> word;) {
        words.push_back(word);
    }
    return words;
}

std::string joined(const std::vector<std::string>& words) {
    std::string text;
    for (const std::string& word : words) {
        text += (text.empty() ? "" : " ") + word;
    }
    return text;
}

// Warns on standard error where FILE was not read whole and as written, adds
// the notes that point at a likely cause, and returns whether it was.
bool readAsWritten(Session& session) {
    const LoadReport& report = session.report();
    if (report.joinedWeight) {
        session.say(positionText(report.joinedAt) +
                    "warning: " + quoted(std::string(1, report.joinedByte)) +
                    " right after a weight is read as the next item");
    }
    if (!report.complete()) {
        const std::string edges = std::to_string(report.triples) +
                                  (report.triples == 1 ? " edge" : " edges") + " read before it";
        session.say(positionText(report.stoppedAt) + "warning: reading stopped: " +
                    describeStop(report) + "; answering from the " + edges);
    }
    for (const std::string& hint :
         readingHints(report, session.invocation().header, session.input().start(),
                      session.input().startIsWhole())) {
        session.say(hint);
    }
    return report.complete() && !report.joinedWeight;
}

// Answers the command line's command, unless it names a vertex the graph
// does not hold.
int answerCommand(const std::vector<std::string>& words, Session& session) {
    const std::string unknown = unknownVertex(words, session);
    if (!unknown.empty()) {
        session.say(unknown);
        return kTrouble;
    }
    return runCommand(words, session);
}

// Answers every line of CMDFILE in order, each answer line led by its
// command and flushed at once, for a reader waiting on each answer; blank
// lines and lines starting with '#' are skipped, an invalid line is reported
// and skipped.
int answerCommands(const std::string& commandsFile, InputFile& commands, Session& session,
                   ToolIo& io, Messages& messages) {
    int status = 0;
    std::string line;
    // A read error, or memory running out on a very long line, ends the
    // reading with its own exception rather than passing for the end.
    commands.stream()->exceptions(std::ios_base::badbit);
    try {
        for (std::size_t number = 1; !io.out.failed() && std::getline(*commands.stream(), line);
             ++number) {
            const std::vector<std::string> words = wordsOf(line);
            std::string problem;
            if (words.empty() || words[0][0] == '#') {
                continue;
            }
            if (!checkCommand(words, problem) ||
                !(problem = unknownVertex(words, session)).empty()) {
                messages.say(commandsFile, std::to_string(number) + ": " + problem);
                status = kTrouble;
                continue;
            }
            io.out.setLinePrefix(joined(words) + ": ");
            if (runCommand(words, session) == kTrouble) {
                status = kTrouble;
            }
            io.out.setLinePrefix("");
            io.out.flush();
        }
    } catch (const std::ios_base::failure&) {
        messages.say(commandsFile, readErrorText(commands.readError()));
        status = kTrouble;
    } catch (const std::bad_alloc&) {
        messages.say(commandsFile, "out of memory");
        status = kTrouble;
    }
    return status;
}

// Whether `file` opened; otherwise says why.
bool opened(const InputFile& file, const std::string& name, Messages& messages) {
    if (file.stream() == nullptr) {
        messages.say(name, openErrorText(file.openError()));
    }
    return file.stream() != nullptr;
}

// Reads FILE, into its summary unless the command only lists it, and into its
// listing when a command lists it (with --commands only when FILE cannot be
// read again for the listing), and answers. FILE not read whole and as
// written makes the status 2, the answer given all the same; for `check` that
// is the answer, status 1.
int loadAndAnswer(const Invocation& invocation, ToolIo& io, Messages& messages) {
    InputFile input(invocation.file, io.standardInput);
    if (!opened(input, invocation.file, messages)) {
        return kTrouble;
    }
    std::unique_ptr<InputFile> commands;
    if (invocation.commandsFile) {
        commands = std::make_unique<InputFile>(*invocation.commandsFile, io.standardInput);
        if (!opened(*commands, *invocation.commandsFile, messages)) {
            return kTrouble;
        }
    }
    Session session(invocation, input, io.out, messages);
    const bool summary = commands || needsSummary(invocation.command);
    const bool listing = commands ? !input.canReadAgain() : needsListing(invocation.command);
    if (!session.load(summary, listing)) {
        return kTrouble;
    }
    const bool whole = readAsWritten(session);
    const int status =
        commands ? answerCommands(*invocation.commandsFile, *commands, session, io, messages)
                 : answerCommand(invocation.command, session);
    const bool isCheck = !commands && invocation.command[0] == "check";
    return whole || isCheck ? status : kTrouble;
}

int run(const std::vector<std::string>& args, ToolIo& io, Messages& messages) {
    std::string problem;
    const std::optional<Invocation> invocation = parseInvocation(args, problem, isCommandName);
    if (invocation && !invocation->commandsFile && !invocation->help && !invocation->version) {
        checkCommand(invocation->command, problem);
    }
    if (!problem.empty()) {
        return messages.usageError(problem);
    }
    if (invocation->help || invocation->version) {
        io.out.write(invocation->help ? usageText() : "graph-query (graph) " GRAPH_VERSION "\n");
        return 0;
    }
    try {
        return loadAndAnswer(*invocation, io, messages);
    } catch (const std::bad_alloc&) {
        messages.say(invocation->file, "out of memory");
        return kTrouble;
    }
}

}  // namespace

std::string usageText() {
    return "Usage: graph-query [OPTION]... FILE COMMAND [ARGS]\n"
           "  or:  graph-query [OPTION]... --commands=CMDFILE FILE\n"
           "Answer COMMAND, or every line of CMDFILE, on the graph in FILE, an edge list\n"
           "(\"-\" for standard input) loaded undirected unless --directed. Vertices are\n"
           "single characters; every triple read is an edge of its weight.\n"
           "\n"
           "Commands:\n"
           "  list             the edges, one (S,T,W) a line\n"
           "  reachable A B    yes or no (status 1 for no); every vertex reaches itself\n"
           "  distance A B     the least total weight of a path, or unreachable or the\n"
           "                   negative cycle that leaves none (status 1)\n"
           "  path A B         the vertices of a least-weight path, then its length\n"
           "  distances A      every vertex with its distance from A\n"
           "  topo             a topological order; vertices left out, then the cycle\n"
           "                   that keeps them out (status 1)\n"
           "  dot [A [B]]      the graph in Graphviz DOT; with A, distances from A and\n"
           "                   the paths drawn, with B only the path from A to B\n"
           "  check            how reading FILE went (status 1 if not read whole)\n"
           "\n"
           "Options:\n"
           "  -d, --directed          load every triple as one directed edge\n"
           "  -j, --jobs=N            read a regular FILE in N parts at once (default:\n"
           "                          one per processor available)\n"
           "  -l, --label-setting     answer by the library's rules: first parallel edge,\n"
           "                          vertices settled once, weight -1 edges hidden, the\n"
           "                          table's order (notes where not the least weight)\n"
           "  -m, --minimum           the least total weight: the default, undoing -l\n"
           "      --no-header         FILE starts with its first triple, without the two\n"
           "                          header records\n"
           "  -c, --commands=CMDFILE  answer every line of CMDFILE after one load, each\n"
           "                          answer line led by its command; '#' starts a comment\n"
           "  -h, --help              display this help and exit\n"
           "  -V, --version           output version information and exit\n"
           "\n"
           "Exit status: 0 for an answer, 1 for a negative one, 2 for trouble: a usage\n"
           "error, a file that cannot be read, FILE not read whole, a vertex the graph\n"
           "does not hold, an invalid line in CMDFILE, a write error.\n";
}

int runGraphQuery(const std::vector<std::string>& args, ToolIo& io) {
    Messages messages(io.out, io.err);
    int status = run(args, io, messages);
    if (!io.out.flush()) {
        messages.say("standard output", writeErrorText(io.out.error()));
        status = kTrouble;
    }
    io.err.flush();
    return status;
}
