#include "tool/dot_picture.h"

#include <bitset>
#include <cstdio>
#include <optional>
#include <unordered_map>

#include "tool/route_text.h"

namespace {

// A vertex inside a quoted DOT string; bytes that are not printable ASCII
// are written as <0xHH> so the output stays text.
std::string dotText(char vertex) {
    const auto byte = static_cast<unsigned char>(vertex);
    if (byte < 0x20 || byte > 0x7e) {
        char text[8];
        std::snprintf(text, sizeof text, "<0x%02X>", byte);
        return text;
    }
    return vertex == '"' || vertex == '\\' ? std::string("\\") + vertex : std::string(1, vertex);
}

// Text of names and words inside a quoted DOT string.
std::string dotText(const std::string& text) {
    std::string escaped;
    for (const char c : text) {
        escaped += dotText(c);
    }
    return escaped;
}

std::string dotName(char vertex) {
    return "\"" + dotText(vertex) + "\"";
}

std::size_t pairSlot(char from, char to) {
    return slotOf(from) * kNameCount + slotOf(to);
}

// What the answer marks on the drawing: the steps drawn bold, each with the
// weight its edge has, and the steps of negative cycles, drawn red.
class Marks {
  public:
    // Marks the steps of `route` from `from`: its whole path, or only the
    // last step; `routes` give each step's weight.
    void mark(const Route& route, bool wholePath, const RouteTable& routes, char from) {
        const std::string& path = route.path;
        const std::size_t lastStep = path.size() > 1 ? path.size() - 1 : path.size();
        for (std::size_t i = wholePath ? 1 : lastStep; i < path.size(); ++i) {
            // A step into v weighs what v's distance adds to u's; the start's
            // own distance is 0 whatever its route says.
            const Route& at = routes[slotOf(path[i - 1])];
            const std::int64_t base = path[i - 1] == from ? 0 : at.length.value_or(0);
            markBold(path[i - 1], path[i], routes[slotOf(path[i])].length.value_or(0) - base);
        }
        const std::string& cycle = route.negativeCycle;
        for (std::size_t i = 1; i < cycle.size(); ++i) {
            red_.set(pairSlot(cycle[i - 1], cycle[i]));
        }
    }

    // Marks the step u->v of `weight` bold.
    void markBold(char u, char v, std::int64_t weight) { bold_[pairSlot(u, v)] = weight; }

    // The attributes of the drawn edge source->target (or its reverse, when
    // undirected) of `weight`: bold for the first such edge that a step takes.
    std::string attributes(char source, char target, int weight, bool directed) {
        std::string attributes;
        for (const bool reverse : {false, true}) {
            const auto bold =
                bold_.find(reverse ? pairSlot(target, source) : pairSlot(source, target));
            if ((reverse && directed) || bold == bold_.end() || bold->second != weight) {
                continue;
            }
            bold_.erase(bold);
            attributes += ", style=bold, color=blue";
            break;
        }
        if (red_[pairSlot(source, target)] || (!directed && red_[pairSlot(target, source)])) {
            attributes += ", color=red";
        }
        return attributes;
    }

  private:
    std::unordered_map<std::size_t, std::int64_t> bold_;  // by pair, the weight drawn bold
    std::bitset<kNameCount * kNameCount> red_;
};

// A vertex's node with its distance from the start.
std::string node(char vertex, const Route& route) {
    const std::string style = route.length                  ? ""
                              : route.negativeCycle.empty() ? ", style=dashed"
                                                            : ", color=red";
    return "    " + dotName(vertex) + " [label=\"" + dotText(vertex) + "\\n" +
           (route.negativeCycle.empty() ? lengthText(route) : "negative cycle") + "\"" + style +
           "];\n";
}

// A vertex's node filled with the colour of its component: hues spread by
// the golden ratio, so that neighbouring components differ.
std::string componentNode(char vertex, std::size_t component) {
    char colour[24];
    const double hue = static_cast<double>(component) * 0.6180339887;
    std::snprintf(colour, sizeof colour, "%.3f 0.350 1.000",
                  hue - static_cast<double>(static_cast<long>(hue)));
    return "    " + dotName(vertex) + " [style=filled, fillcolor=\"" + colour + "\"];\n";
}

void writeComponents(Session& session) {
    const std::vector<std::string> components = session.index().components(session.edgeEntries());
    for (std::size_t i = 0; i < components.size(); ++i) {
        for (const char name : components[i]) {
            session.out().write(componentNode(name, i));
        }
    }
}

// With `to`, the graph labelled with the answer from `from` to it and its
// path marked; without, each vertex labelled with its answer and the last
// step of its route marked.
void writeRoutes(Session& session, char from, std::optional<char> to, Marks& marks) {
    const RouteTable& routes = session.routesFrom(from);
    if (to) {
        const Route& route = routes[slotOf(*to)];
        marks.mark(route, /*wholePath=*/true, routes, from);
        session.out().write("    label=\"" + dotText(from) + " to " + dotText(*to) + ": " +
                            dotText(lengthText(route)) + "\";\n");
        return;
    }
    for (const char name : session.names()) {
        marks.mark(routes[slotOf(name)], /*wholePath=*/false, routes, from);
        session.out().write(node(name, routes[slotOf(name)]));
    }
}

// Every listed edge, each once, with what `marks` puts on it; false when
// reading the edges failed. An undirected load stores each edge S-T in the
// row of S and again in the row of T, and a loop twice running in its row.
bool writeEdges(Session& session, Marks& marks) {
    const bool directed = session.invocation().directed;
    const char* arrow = directed ? " -> " : " -- ";
    bool loopPending = false;
    return session.forEachListedEdge([&](char source, char target, int weight) {
        if (!directed) {
            const auto from = static_cast<unsigned char>(source);
            const auto to = static_cast<unsigned char>(target);
            loopPending = from == to && !loopPending;
            if (from > to || (from == to && !loopPending)) {
                return;
            }
        }
        session.out().write("    " + dotName(source) + arrow + dotName(target) + " [label=\"" +
                            std::to_string(weight) + "\"" +
                            marks.attributes(source, target, weight, directed) + "];\n");
    });
}

}  // namespace

ExitStatus answerDot(const Words& words, Session& session) {
    session.out().write(session.invocation().directed ? "digraph G {\n" : "graph G {\n");
    Marks marks;
    const std::string kind = words.size() > 1 ? words[1] : "";
    if (kind == "components") {
        writeComponents(session);
    } else if (kind == "tree") {
        for (const EdgeTriple& edge : session.index().spanningForest(session.edgeEntries())) {
            marks.markBold(edge.source, edge.target, edge.weight);
        }
    } else if (!kind.empty()) {
        writeRoutes(session, kind[0],
                    words.size() > 2 ? std::optional<char>(words[2][0]) : std::nullopt, marks);
    }
    const bool read = writeEdges(session, marks);
    session.out().write("}\n");
    return read ? ExitStatus::answered : ExitStatus::trouble;
}
