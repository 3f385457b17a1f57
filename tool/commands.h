// The queries graph-query answers, each printed as lines of text.
#ifndef TOOL_COMMANDS_H_
#define TOOL_COMMANDS_H_

#include <optional>
#include <string>
#include <vector>

#include "graph/Graph.h"
#include "tool/output.h"

// A loaded graph and what graph-query knows of its loading.
struct LoadedGraph {
    LoadedGraph(const Graph& graph, bool directed, const LoadReport& report)
        : graph(graph), directed(directed), report(report) {}

    const Graph& graph;
    bool directed;
    const LoadReport& report;

    // The graph's query index, made at the first query that needs it and
    // kept for the queries after it.
    const QueryIndex& index() const {
        if (!index_) {
            index_.emplace(graph);
        }
        return *index_;
    }

  private:
    mutable std::optional<QueryIndex> index_;
};

// checkCommand()
//
// Returns true when `words` (a command name and its arguments) names a
// command with the right number of arguments, each vertex one character;
// otherwise sets `problem`.
bool checkCommand(const std::vector<std::string>& words, std::string& problem);

// runCommand()
//
// Answers the checked command `words` on `loaded`, writing its lines to `out`.
// Returns 0 for an answer, 1 for a negative one (not reachable, vertices left
// out of the order, input not read to the end).
int runCommand(const std::vector<std::string>& words, const LoadedGraph& loaded, Output& out);

// describeStop()
//
// Says why reading stopped, as "a weight is not a number (found 'x')".
std::string describeStop(const LoadReport& report);

// quoted()
//
// `text` between single quotes, bytes outside printable ASCII as \xHH; at
// most 40 bytes of it, then "...".
std::string quoted(const std::string& text);

#endif  // TOOL_COMMANDS_H_
