#include "tool/usage.h"

#include <algorithm>

#include "graph/Graph.h"
#include "tool/command_table.h"
#include "tool/exit_status.h"

#ifndef GRAPH_VERSION
#define GRAPH_VERSION "unknown"
#endif

namespace {

constexpr std::size_t kWidth = 79;

// `term`, then `help` from column `column` on, wrapped at blanks so that no
// line is longer than kWidth, each line after the first indented to `column`.
std::string entry(const std::string& term, const std::string& help, std::size_t column) {
    const std::string indent(column, ' ');
    std::string text = "  " + term;
    text += text.size() + 2 > column ? "\n" + indent : std::string(column - text.size(), ' ');
    std::size_t length = column;  // of the line being written
    bool lineHasWord = false;
    for (std::size_t at = 0; at < help.size();) {
        const std::size_t end = std::min(help.find(' ', at), help.size());
        const std::size_t wordLength = end - at;
        if (lineHasWord && length + 1 + wordLength > kWidth) {
            text += "\n" + indent;
            length = column;
            lineHasWord = false;
        }
        if (lineHasWord) {
            text += ' ';
            ++length;
        }
        text.append(help, at, wordLength);
        length += wordLength;
        lineHasWord = true;
        at = end + 1;
    }
    return text + '\n';
}

std::string optionTerm(const OptionEntry& option) {
    std::string term =
        option.shortName != '\0' ? std::string("-") + option.shortName + ", " : std::string("    ");
    term += std::string("--") + option.longName;
    return option.argument ? term + "=" + option.argument : term;
}

}  // namespace

std::string usageText() {
    std::string text =
        "Usage: graph-query [OPTION]... FILE COMMAND [ARGS]\n"
        "  or:  graph-query [OPTION]... --commands=CMDFILE FILE\n"
        "Answer COMMAND, or every line of CMDFILE, on the graph in FILE, an edge list\n"
        "(\"-\" for standard input) loaded undirected unless --directed. Vertices are\n"
        "single characters; every triple read is an edge of its weight.\n"
        "\n"
        "Commands:\n";
    for (const CommandEntry& command : commandTable()) {
        const std::string synopsis = command.synopsis;
        text += entry(command.name + (synopsis.empty() ? "" : " " + synopsis), command.help, 19);
    }
    text += "\nOptions:\n";
    for (const OptionEntry& option : optionTable()) {
        text += entry(optionTerm(option), option.help, 26);
    }
    const auto status = [](ExitStatus status) { return std::to_string(exitCode(status)); };
    return text + "\nExit status: " + status(ExitStatus::answered) + " for an answer, " +
           status(ExitStatus::negative) + " for a negative one, " + status(ExitStatus::trouble) +
           " for trouble: a usage\n"
           "error, a file that cannot be read, FILE not read whole, a vertex the graph\n"
           "does not hold, an invalid line in CMDFILE, a write error.\n";
}

std::string versionText() {
    std::string runs;
    for (const FastPathKernelSupport& kernel : fastPathKernels()) {
        runs += kernel.runs ? " " + kernel.name : "";
    }
    return "graph-query (graph) " GRAPH_VERSION "\nfast path: " + fastPathKernel() +
           " (this processor runs:" + runs + ")\n";
}
