#include "tool/query_tool.h"

#include <cstring>
#include <memory>
#include <new>
#include <sstream>

#include "tool/commands.h"
#include "tool/fd_input.h"
#include "tool/options.h"
#include "tool/session.h"

#ifndef GRAPH_VERSION
#define GRAPH_VERSION "unknown"
#endif

namespace {

constexpr int kTrouble = 2;

void say(ToolIo& io, const std::string& file, const std::string& message) {
    ::say(io.out, io.err, file, message);
}

// A usage error: one line naming the problem, then where to learn more.
int usageError(Output& err, const std::string& problem) {
    err.write("graph-query: " + problem + "\nTry 'graph-query --help' for more information.\n");
    return kTrouble;
}

std::string position(const InputPosition& at) {
    return std::to_string(at.line) + ":" + std::to_string(at.column) + ": ";
}

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

// Warns on standard error where FILE was not read whole and as written, and
// returns whether it was.
bool readAsWritten(Session& session) {
    const LoadReport& report = session.report();
    if (report.joinedWeight) {
        session.say(position(report.joinedAt) +
                    "warning: " + quoted(std::string(1, report.joinedByte)) +
                    " right after a weight is read as the next item");
    }
    const bool noItem =
        session.invocation().header == EdgeListHeader::none
            ? report.triples == 0 && report.complete()
            : report.stop == LoadReport::Stop::endInHeader && report.stoppedAt.offset == 0;
    if (noItem) {
        session.say(std::string("warning: the input ") +
                    (report.stoppedAt.offset == 0 ? "is empty" : "holds no edges"));
        return false;
    }
    if (!report.complete()) {
        const std::string edges = std::to_string(report.triples) +
                                  (report.triples == 1 ? " edge" : " edges") + " read before it";
        session.say(position(report.stoppedAt) + "warning: reading stopped: " +
                    describeStop(report) + "; answering from the " + edges);
        if (report.inHeader) {
            session.say(
                "note: an edge list without the two header records is read with "
                "--no-header");
        }
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
// command and flushed at once, for a reader waiting on each answer; an
// invalid line is reported and skipped.
int answerCommands(const std::string& commandsFile, InputFile& commands, Session& session,
                   ToolIo& io) {
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
            if (words.empty()) {
                continue;
            }
            if (!checkCommand(words, problem) ||
                !(problem = unknownVertex(words, session)).empty()) {
                say(io, commandsFile, std::to_string(number) + ": " + problem);
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
        const int error = commands.readError();
        say(io, commandsFile,
            error == 0 ? "read error" : std::string("read error: ") + std::strerror(error));
        status = kTrouble;
    } catch (const std::bad_alloc&) {
        say(io, commandsFile, "out of memory");
        status = kTrouble;
    }
    return status;
}

// Whether `file` opened; otherwise says why.
bool opened(const InputFile& file, const std::string& name, ToolIo& io) {
    if (file.stream() == nullptr) {
        say(io, name, std::string("Unable to open file: ") + std::strerror(file.openError()));
    }
    return file.stream() != nullptr;
}

// Reads FILE, into its summary unless the command only lists it (and with
// --commands into its listing too, unless it can be read again for one), and
// answers. FILE not read whole and as written makes the status 2, the
// answer given all the same; for `check` that is the answer, status 1.
int loadAndAnswer(const Invocation& invocation, ToolIo& io) {
    InputFile input(invocation.file, io.standardInput);
    if (!opened(input, invocation.file, io)) {
        return kTrouble;
    }
    std::unique_ptr<InputFile> commands;
    if (invocation.commandsFile) {
        commands = std::make_unique<InputFile>(*invocation.commandsFile, io.standardInput);
        if (!opened(*commands, *invocation.commandsFile, io)) {
            return kTrouble;
        }
    }
    Session session(invocation, input, io.out, io.err);
    const bool listingOnly = !commands && needsListing(invocation.command);
    if (!session.load(!listingOnly, listingOnly || (commands && !input.canReadAgain()))) {
        return kTrouble;
    }
    const bool whole = readAsWritten(session);
    const int status = commands ? answerCommands(*invocation.commandsFile, *commands, session, io)
                                : answerCommand(invocation.command, session);
    const bool isCheck = !commands && invocation.command[0] == "check";
    return whole || isCheck ? status : kTrouble;
}

int run(const std::vector<std::string>& args, ToolIo& io) {
    std::string problem;
    const std::optional<Invocation> invocation = parseInvocation(args, problem);
    if (invocation && !invocation->commandsFile && !invocation->help && !invocation->version) {
        checkCommand(invocation->command, problem);
    }
    if (!problem.empty()) {
        return usageError(io.err, problem);
    }
    if (invocation->help || invocation->version) {
        io.out.write(invocation->help ? usageText() : "graph-query (graph) " GRAPH_VERSION "\n");
        return 0;
    }
    try {
        return loadAndAnswer(*invocation, io);
    } catch (const std::bad_alloc&) {
        say(io, invocation->file, "out of memory");
        return kTrouble;
    }
}

}  // namespace

std::string usageText() {
    return "Usage: graph-query [OPTION]... FILE COMMAND [ARGS]\n"
           "  or:  graph-query [OPTION]... --commands=CMDFILE FILE\n"
           "Answer COMMAND, or every line of CMDFILE, on the graph in FILE, an edge list\n"
           "(\"-\" for standard input) loaded undirected unless --directed. Vertices are\n"
           "single characters.\n"
           "\n"
           "Commands:\n"
           "  list             the edges, one (S,T,W) a line\n"
           "  reachable A B    yes or no (status 1 for no)\n"
           "  distance A B     the shortest distance, or unreachable (status 1)\n"
           "  path A B         the vertices of a shortest path, then its length\n"
           "  distances A      every vertex with its distance from A\n"
           "  topo             a topological order; vertices left out, then the cycle or\n"
           "                   weight -1 edge that keeps them out (status 1)\n"
           "  dot              the graph in Graphviz DOT\n"
           "  check            how reading FILE went (status 1 if not read whole)\n"
           "\n"
           "Options:\n"
           "  -d, --directed          load every triple as one directed edge\n"
           "  -m, --minimum           distance, path, distances: the least total weight,\n"
           "                          or the negative cycle that leaves none (status 1)\n"
           "      --no-header         FILE starts with its first triple, without the two\n"
           "                          header records\n"
           "  -c, --commands=CMDFILE  answer every line of CMDFILE after one load, each\n"
           "                          answer line led by its command\n"
           "  -h, --help              display this help and exit\n"
           "  -V, --version           output version information and exit\n"
           "\n"
           "Exit status: 0 for an answer, 1 for a negative one, 2 for trouble: a usage\n"
           "error, a file that cannot be read, FILE not read whole, a vertex the graph\n"
           "does not hold, an invalid line in CMDFILE, a write error.\n";
}

int runGraphQuery(const std::vector<std::string>& args, ToolIo& io) {
    int status = run(args, io);
    if (!io.out.flush()) {
        io.err.write(std::string("graph-query: standard output: write error: ") +
                     std::strerror(io.out.error()) + "\n");
        status = kTrouble;
    }
    io.err.flush();
    return status;
}

ToolResult runGraphQuery(const std::vector<std::string>& args, const std::string& standardInput) {
    ToolResult result;
    std::istringstream input(standardInput);
    Output out(result.out);
    Output err(result.err);
    ToolIo io{input, out, err};
    result.status = runGraphQuery(args, io);
    return result;
}
