#include "tool/commands.h"

#include <bitset>
#include <cstdio>
#include <functional>
#include <map>

#include "graph/listed_edges.h"

namespace {

using Words = std::vector<std::string>;
using Run = std::function<int(const Words&, const LoadedGraph&, Output&)>;

struct Command {
    std::size_t vertices;  // arguments, each one vertex
    Run run;
};

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

int list(const Words&, const LoadedGraph& loaded, Output& out) {
    graph_internal::forEachListedEdge(loaded.graph, [&](char source, char target, int weight) {
        char line[graph_internal::kListingItemBytes + 1];
        char* end = graph_internal::writeListingItem(line, source, target, weight);
        *end++ = '\n';
        out.write({line, static_cast<std::size_t>(end - line)});
    });
    return 0;
}

int reachable(const Words& words, const LoadedGraph& loaded, Output& out) {
    const bool yes = loaded.index().Reachable(words[1][0], words[2][0]);
    out.write(yes ? "yes\n" : "no\n");
    return yes ? 0 : 1;
}

int distance(const Words& words, const LoadedGraph& loaded, Output& out) {
    const auto length = loaded.index().shortestDistance(words[1][0], words[2][0]);
    out.write(length ? std::to_string(*length) + "\n" : "unreachable\n");
    return length ? 0 : 1;
}

int path(const Words& words, const LoadedGraph& loaded, Output& out) {
    const std::string vertices = loaded.index().shortestPath(words[1][0], words[2][0]);
    if (vertices.empty()) {
        out.write("unreachable\n");
        return 1;
    }
    const auto length = loaded.index().shortestDistance(words[1][0], words[2][0]);
    out.write(spaced(vertices) + "\n" + std::to_string(length.value_or(0)) + "\n");
    return 0;
}

int distances(const Words& words, const LoadedGraph& loaded, Output& out) {
    for (const auto& [name, length] : loaded.index().shortestDistances(words[1][0])) {
        out.write(std::string(1, name) + ' ' + (length ? std::to_string(*length) : "unreachable") +
                  '\n');
    }
    return 0;
}

int topo(const Words&, const LoadedGraph& loaded, Output& out) {
    const std::string order = loaded.index().topoSort();
    std::bitset<256> output;
    for (const char name : order) {
        output.set(static_cast<unsigned char>(name));
    }
    std::string leftOut;
    for (const char name : loaded.index().vertexNames()) {
        if (!output[static_cast<unsigned char>(name)]) {
            leftOut += name;
        }
    }
    out.write(spaced(order) + "\n");
    if (leftOut.empty()) {
        return 0;
    }
    out.write("left out (on or behind a cycle or a weight -1 edge): " + spaced(leftOut) + "\n");
    return 1;
}

// A vertex as a quoted DOT identifier; bytes that are not printable ASCII
// are written as <0xHH> so the output stays text.
std::string dotName(char vertex) {
    const auto byte = static_cast<unsigned char>(vertex);
    if (byte < 0x20 || byte > 0x7e) {
        char text[16];
        std::snprintf(text, sizeof text, "\"<0x%02X>\"", byte);
        return text;
    }
    if (vertex == '"' || vertex == '\\') {
        return std::string("\"\\") + vertex + '"';
    }
    return std::string("\"") + vertex + '"';
}

// An undirected load stores each edge S-T in the row of S and again in the
// row of T, and a loop twice running in its row: each is drawn once.
int dot(const Words&, const LoadedGraph& loaded, Output& out) {
    out.write(loaded.directed ? "digraph G {\n" : "graph G {\n");
    const char* arrow = loaded.directed ? " -> " : " -- ";
    bool loopPending = false;  // the first entry of a loop's pair has been drawn
    graph_internal::forEachListedEdge(loaded.graph, [&](char source, char target, int weight) {
        if (!loaded.directed) {
            const auto from = static_cast<unsigned char>(source);
            const auto to = static_cast<unsigned char>(target);
            loopPending = from == to && !loopPending;
            if (from > to || (from == to && !loopPending)) {
                return;
            }
        }
        out.write("    " + dotName(source) + arrow + dotName(target) + " [label=\"" +
                  std::to_string(weight) + "\"];\n");
    });
    out.write("}\n");
    return 0;
}

int check(const Words&, const LoadedGraph& loaded, Output& out) {
    const LoadReport& report = loaded.report;
    out.write("edges read: " + std::to_string(report.triples) + "\n");
    out.write("rows: " + std::to_string(loaded.graph.adjList.size()) + "\n");
    out.write("names: " + std::to_string(loaded.graph.vertexNames().size()) + "\n");
    if (report.complete()) {
        out.write("read to the end: yes\n");
        return 0;
    }
    out.write("read to the end: no, stopped at " + std::to_string(report.stoppedAt.line) + ":" +
              std::to_string(report.stoppedAt.column) + ": " + describeStop(report) + "\n");
    return 1;
}

const std::map<std::string, Command>& commands() {
    static const std::map<std::string, Command> table = {
        {"list", {0, list}}, {"reachable", {2, reachable}}, {"distance", {2, distance}},
        {"path", {2, path}}, {"distances", {1, distances}}, {"topo", {0, topo}},
        {"dot", {0, dot}},   {"check", {0, check}},
    };
    return table;
}

}  // namespace

bool checkCommand(const Words& words, std::string& problem) {
    const auto command = commands().find(words.at(0));
    if (command == commands().end()) {
        problem = "unknown command " + quoted(words[0]);
        return false;
    }
    const std::size_t vertices = command->second.vertices;
    if (words.size() != 1 + vertices) {
        problem = quoted(words[0]) + " takes " + std::to_string(vertices) +
                  (vertices == 1 ? " vertex" : " vertices");
        return false;
    }
    for (std::size_t i = 1; i < words.size(); ++i) {
        if (words[i].size() != 1) {
            problem = "a vertex is one character, not " + quoted(words[i]);
            return false;
        }
    }
    return true;
}

int runCommand(const Words& words, const LoadedGraph& loaded, Output& out) {
    return commands().at(words.at(0)).run(words, loaded, out);
}

std::string quoted(const std::string& text) {
    constexpr std::size_t kShownBytes = 40;
    std::string result = "'";
    for (const char c : text.substr(0, kShownBytes)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte > 0x7e || c == '\\' || c == '\'') {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            result += escaped;
        } else {
            result += c;
        }
    }
    return result + (text.size() > kShownBytes ? "'..." : "'");
}

std::string describeStop(const LoadReport& report) {
    const char* item = report.inHeader ? "a header value" : "a weight";
    switch (report.stop) {
        case LoadReport::Stop::endOfInput:
            return "the end of the input";
        case LoadReport::Stop::endInHeader:
            return "the input ends inside the header";
        case LoadReport::Stop::endInTriple:
            return "the input ends inside an edge triple";
        case LoadReport::Stop::notANumber:
            return std::string(item) + " is not a number (found " + quoted(report.found) + ")";
        case LoadReport::Stop::outOfRange:
            return std::string(item) + " is outside the int range (found " + quoted(report.found) +
                   ")";
        case LoadReport::Stop::inputError:
            return "a read error";
    }
    return "";
}
