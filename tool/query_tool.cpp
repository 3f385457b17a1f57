#include "tool/query_tool.h"

#include <cstring>
#include <memory>
#include <new>
#include <sstream>

#include "tool/commands.h"
#include "tool/fd_input.h"
#include "tool/options.h"

#ifndef GRAPH_VERSION
#define GRAPH_VERSION "unknown"
#endif

namespace {

constexpr int kUsageOrFailure = 2;

std::string displayName(const std::string& file) {
    return file == "-" ? "standard input" : file;
}

// Writes "graph-query: NAME: message" on standard error.
void say(Output& err, const std::string& file, const std::string& message) {
    err.write("graph-query: " + displayName(file) + ": " + message + "\n");
    err.flush();
}

std::string readErrorText(int error) {
    return error == 0 ? "read error" : std::string("read error: ") + std::strerror(error);
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

// Says how reading FILE ended when that needs saying; false for a read
// error, after which nothing is answered.
bool reportLoading(const LoadReport& report, int readError, const std::string& file, Output& err) {
    if (report.stop == LoadReport::Stop::inputError) {
        say(err, file, readErrorText(readError));
        return false;
    }
    if (report.joinedWeight) {
        say(err, file,
            position(report.joinedAt) + "warning: " + quoted(std::string(1, report.joinedByte)) +
                " right after a weight is read as the next item");
    }
    if (!report.complete()) {
        const std::string edges = std::to_string(report.triples) +
                                  (report.triples == 1 ? " edge" : " edges") + " read before it";
        say(err, file,
            position(report.stoppedAt) + "warning: reading stopped: " + describeStop(report) +
                "; answering from the " + edges);
    }
    return true;
}

// Answers every line of CMDFILE in order, each answer line led by its
// command and flushed at once, for a reader waiting on each answer; an
// invalid line is reported and skipped.
int answerCommands(const std::string& commandsFile, InputFile& commands, const LoadedGraph& loaded,
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
            if (!checkCommand(words, problem)) {
                io.out.flush();
                say(io.err, commandsFile, std::to_string(number) + ": " + problem);
                status = kUsageOrFailure;
                continue;
            }
            io.out.setLinePrefix(joined(words) + ": ");
            runCommand(words, loaded, io.out);
            io.out.setLinePrefix("");
            io.out.flush();
        }
    } catch (const std::ios_base::failure&) {
        say(io.err, commandsFile, readErrorText(commands.readError()));
        status = kUsageOrFailure;
    } catch (const std::bad_alloc&) {
        say(io.err, commandsFile, "out of memory");
        status = kUsageOrFailure;
    }
    return status;
}

// Whether `file` opened; otherwise says why.
bool opened(const InputFile& file, const std::string& name, Output& err) {
    if (file.stream() == nullptr) {
        say(err, name, std::string("Unable to open file: ") + std::strerror(file.openError()));
    }
    return file.stream() != nullptr;
}

// Loads FILE and answers the command line's command or CMDFILE's commands.
int loadAndAnswer(const Invocation& invocation, ToolIo& io) {
    InputFile input(invocation.file, io.standardInput);
    if (!opened(input, invocation.file, io.err)) {
        return kUsageOrFailure;
    }
    std::unique_ptr<InputFile> commands;
    if (invocation.commandsFile) {
        commands = std::make_unique<InputFile>(*invocation.commandsFile, io.standardInput);
        if (!opened(*commands, *invocation.commandsFile, io.err)) {
            return kUsageOrFailure;
        }
    }

    LoadReport report;
    auto graph = std::make_unique<Graph>(*input.stream(), invocation.directed, report);
    if (!reportLoading(report, input.readError(), invocation.file, io.err)) {
        return kUsageOrFailure;
    }
    const LoadedGraph loaded{*graph, invocation.directed, report};
    const int status = commands ? answerCommands(*invocation.commandsFile, *commands, loaded, io)
                                : runCommand(invocation.command, loaded, io.out);
    if (io.keepGraphAtExit) {
        static_cast<void>(graph.release());  // freed with the process
    }
    return status;
}

int run(const std::vector<std::string>& args, ToolIo& io) {
    std::string problem;
    const std::optional<Invocation> invocation = parseInvocation(args, problem);
    if (invocation && !invocation->commandsFile && !invocation->help && !invocation->version) {
        checkCommand(invocation->command, problem);
    }
    if (!problem.empty()) {
        io.err.write("graph-query: " + problem + "\n" + usageText());
        return kUsageOrFailure;
    }
    if (invocation->help || invocation->version) {
        io.out.write(invocation->help ? usageText() : "graph-query (graph) " GRAPH_VERSION "\n");
        return 0;
    }
    try {
        return loadAndAnswer(*invocation, io);
    } catch (const std::bad_alloc&) {
        say(io.err, invocation->file, "out of memory");
        return kUsageOrFailure;
    }
}

}  // namespace

std::string usageText() {
    return "usage: graph-query [--directed] FILE COMMAND [ARGS]\n"
           "       graph-query [--directed] --commands CMDFILE FILE\n"
           "\n"
           "Loads FILE, an edge-list file (\"-\" for standard input), undirected unless\n"
           "--directed, and answers COMMAND, or every line of CMDFILE, each answer line\n"
           "then led by its command. Vertices are single characters.\n"
           "  list             the edges, one (S,T,W) a line\n"
           "  reachable A B    yes or no (status 1 for no)\n"
           "  distance A B     the shortest distance, or unreachable (status 1)\n"
           "  path A B         the vertices of a shortest path, then its length\n"
           "  distances A      every vertex with its distance from A, or unreachable\n"
           "  topo             a topological order, then any vertices left out (status 1)\n"
           "  dot              the graph in Graphviz DOT\n"
           "  check            how reading FILE went (status 1 if it stopped early)\n"
           "Options: --directed, --commands CMDFILE, --help, --version; \"--\" ends them.\n"
           "Exit status 2: a usage error, a file that cannot be read, a write error, or\n"
           "an invalid line in CMDFILE.\n";
}

int runGraphQuery(const std::vector<std::string>& args, ToolIo& io) {
    int status = run(args, io);
    if (!io.out.flush()) {
        io.err.write(std::string("graph-query: standard output: write error: ") +
                     std::strerror(io.out.error()) + "\n");
        status = kUsageOrFailure;
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
