#include "tool/query_tool.h"

#include <fstream>
#include <functional>
#include <map>

#include "graph/Graph.h"
#include "tool/graph_text.h"

namespace {

ToolResult usageError(const std::string& problem) {
    return {"", "graph-query: " + problem + "\n" + usageText(), 2};
}

// Like the loader, counts a name that opens but cannot be read (a directory)
// as a file that cannot be opened.
bool canOpen(const std::string& fileName) {
    std::ifstream file(fileName);
    return file.is_open() && (file.peek(), !file.bad());
}

std::string spaced(const std::string& vertices) {
    std::string text;
    for (const char vertex : vertices) {
        if (!text.empty()) {
            text += ' ';
        }
        text += vertex;
    }
    return text;
}

// Every name in the table, in order of first appearance.
std::string namesOf(const Graph& graph) {
    std::string names;
    for (const auto& row : graph.adjList) {
        for (const auto& entry : row) {
            if (names.find(entry->vertex) == std::string::npos) {
                names += entry->vertex;
            }
        }
    }
    return names;
}

struct Command {
    std::size_t vertexArguments;
    std::function<ToolResult(const Graph&, bool directed, char from, char to)> run;
};

const std::map<std::string, Command>& commands() {
    static const std::map<std::string, Command> table = {
        {"list",
         {0,
          [](const Graph& g, bool, char, char) -> ToolResult {
              return {listingLines(g), "", 0};
          }}},
        {"reachable",
         {2,
          [](const Graph& g, bool, char from, char to) -> ToolResult {
              const bool reachable = g.Reachable(from, to);
              return {reachable ? "yes\n" : "no\n", "", reachable ? 0 : 1};
          }}},
        // Dijkstra answers -1 both for "unreachable" and for a path of length
        // -1, so reachability is asked separately.
        {"distance",
         {2,
          [](const Graph& g, bool, char from, char to) -> ToolResult {
              if (!g.Reachable(from, to)) {
                  return {"unreachable\n", "", 1};
              }
              return {std::to_string(g.Dijkstra(from, to)) + "\n", "", 0};
          }}},
        {"path",
         {2,
          [](const Graph& g, bool, char from, char to) -> ToolResult {
              const std::string path = g.shortestPath(from, to);
              if (!g.Reachable(from, to)) {
                  return {"unreachable\n", "", 1};
              }
              if (path.empty()) {
                  return {"", "graph-query: every path is longer than the int range\n", 1};
              }
              return {spaced(path) + "\n" + std::to_string(g.Dijkstra(from, to)) + "\n", "", 0};
          }}},
        {"topo",
         {0,
          [](const Graph& g, bool, char, char) -> ToolResult {
              const std::string order = g.topoSort();
              std::string leftOut;
              for (const char name : namesOf(g)) {
                  if (order.find(name) == std::string::npos) {
                      leftOut += name;
                  }
              }
              if (leftOut.empty()) {
                  return {spaced(order) + "\n", "", 0};
              }
              return {
                  spaced(order) + "\nleft out (on or behind a cycle): " + spaced(leftOut) + "\n",
                  "", 1};
          }}},
        {"dot",
         {0,
          [](const Graph& g, bool directed, char, char) -> ToolResult {
              return {dotText(g, directed), "", 0};
          }}},
    };
    return table;
}

}  // namespace

std::string usageText() {
    return "usage: graph-query [--directed] FILE COMMAND [ARGS]\n"
           "\n"
           "Loads FILE (an edge-list file; undirected unless --directed) and prints:\n"
           "  list             the edges, one (S,T,W) a line\n"
           "  reachable A B    yes or no (exit status 1 for no)\n"
           "  distance A B     the shortest distance, or unreachable (exit status 1)\n"
           "  path A B         the vertices of a shortest path, then its length\n"
           "  topo             a topological order; vertices left out on a second line\n"
           "                   (exit status 1 when any are)\n"
           "  dot              the graph in Graphviz DOT\n"
           "Vertices are single characters. Exit status 2: usage error or unreadable FILE.\n";
}

ToolResult runGraphQuery(const std::vector<std::string>& args) {
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
        return {usageText(), "", 0};
    }
    const bool directed = !args.empty() && args[0] == "--directed";
    const std::vector<std::string> rest(args.begin() + (directed ? 1 : 0), args.end());
    if (rest.size() < 2) {
        return usageError("a FILE and a COMMAND are needed");
    }
    const auto command = commands().find(rest[1]);
    if (command == commands().end()) {
        return usageError("unknown command '" + rest[1] + "'");
    }
    const std::size_t vertexCount = command->second.vertexArguments;
    if (rest.size() != 2 + vertexCount) {
        return usageError("'" + rest[1] + "' takes " + std::to_string(vertexCount) +
                          " vertex arguments");
    }
    for (std::size_t i = 2; i < rest.size(); ++i) {
        if (rest[i].size() != 1) {
            return usageError("a vertex is exactly one character, not '" + rest[i] + "'");
        }
    }
    if (!canOpen(rest[0])) {
        return {"", "Unable to open file\n", 2};
    }
    const Graph graph(rest[0], directed);
    const char from = vertexCount > 0 ? rest[2][0] : '\0';
    const char to = vertexCount > 1 ? rest[3][0] : '\0';
    return command->second.run(graph, directed, from, to);
}
