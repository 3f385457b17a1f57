#include "tool/graph_text.h"

#include <cstdio>
#include <map>
#include <tuple>

namespace {

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

}  // namespace

std::string listingLines(const Graph& graph) {
    // Every item is "(" S "," T "," weight ") ", so its end is the first ')'
    // from the weight on.
    const std::string listing = graph.display();
    std::string lines;
    for (std::size_t start = 0; start < listing.size();) {
        const std::size_t close = listing.find(')', start + 5);
        lines.append(listing, start, close + 1 - start);
        lines += '\n';
        start = close + 2;
    }
    return lines;
}

std::string dotText(const Graph& graph, bool directed) {
    std::string text = directed ? "digraph G {\n" : "graph G {\n";
    const char* arrow = directed ? " -> " : " -- ";
    // Undirected tables hold each edge as (S,T,W) in the row of S and (T,S,W)
    // in the row of T: the second of each pair is skipped.
    std::map<std::tuple<char, char, int>, int> awaitingReverse;
    for (const auto& row : graph.adjList) {
        if (row.empty()) {
            continue;
        }
        const char source = row.front()->vertex;
        for (auto entry = std::next(row.begin()); entry != row.end(); ++entry) {
            const char target = (*entry)->vertex;
            const int weight = (*entry)->weight;
            if (weight == -1) {
                continue;
            }
            if (!directed) {
                auto reverse = awaitingReverse.find({target, source, weight});
                if (reverse != awaitingReverse.end() && reverse->second > 0) {
                    --reverse->second;
                    continue;
                }
                ++awaitingReverse[{source, target, weight}];
            }
            text += "    " + dotName(source) + arrow + dotName(target) + " [label=\"" +
                    std::to_string(weight) + "\"];\n";
        }
    }
    return text + "}\n";
}
