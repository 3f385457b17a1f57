#include "tool/dot_picture.h"

#include <bitset>
#include <cstdio>
#include <optional>

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

// What the answer marks on the drawing: the steps drawn bold, with the weight
// each takes, and the steps of negative cycles, drawn red.
class Marks {
  public:
    Marks(const RouteTable& routes, char from) : routes_(routes), from_(from) {}

    // Marks the steps of `route`: its whole path, or only the last step.
    void mark(const Route& route, bool wholePath) {
        const std::string& path = route.path;
        const std::size_t lastStep = path.size() > 1 ? path.size() - 1 : path.size();
        for (std::size_t i = wholePath ? 1 : lastStep; i < path.size(); ++i) {
            bold_.set(pairSlot(path[i - 1], path[i]));
        }
        const std::string& cycle = route.negativeCycle;
        for (std::size_t i = 1; i < cycle.size(); ++i) {
            red_.set(pairSlot(cycle[i - 1], cycle[i]));
        }
    }

    // The attributes of the drawn edge source->target (or its reverse, when
    // undirected) of `weight`: bold for the first such edge that a path takes.
    std::string attributes(char source, char target, int weight, bool directed) {
        std::string attributes;
        for (const bool reverse : {false, true}) {
            const char u = reverse ? target : source;
            const char v = reverse ? source : target;
            if ((reverse && directed) || !bold_[pairSlot(u, v)] || weight != stepWeight(u, v)) {
                continue;
            }
            bold_.reset(pairSlot(u, v));
            attributes += ", style=bold, color=blue";
            break;
        }
        if (red_[pairSlot(source, target)] || (!directed && red_[pairSlot(target, source)])) {
            attributes += ", color=red";
        }
        return attributes;
    }

  private:
    // A path's step into v weighs what v's distance adds to u's; the start's
    // own distance is 0 whatever its route says.
    std::int64_t stepWeight(char u, char v) const {
        const Route& to = routes_[slotOf(v)];
        const Route& at = routes_[slotOf(u)];
        const std::int64_t base = u == from_ ? 0 : at.length.value_or(0);
        return to.length.value_or(0) - base;
    }

    const RouteTable& routes_;
    const char from_;
    std::bitset<kNameCount * kNameCount> bold_;
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

}  // namespace

ExitStatus answerDot(const Words& words, Session& session) {
    const bool directed = session.invocation().directed;
    Output& out = session.out();
    out.write(directed ? "digraph G {\n" : "graph G {\n");
    std::optional<Marks> marks;
    if (words.size() > 1) {
        const char from = words[1][0];
        const RouteTable& routes = session.routesFrom(from);
        marks.emplace(routes, from);
        if (words.size() > 2) {
            const char to = words[2][0];
            const Route& route = routes[slotOf(to)];
            marks->mark(route, /*wholePath=*/true);
            out.write("    label=\"" + dotText(from) + " to " + dotText(to) + ": " +
                      dotText(lengthText(route)) + "\";\n");
        } else {
            for (const char name : session.names()) {
                marks->mark(routes[slotOf(name)], /*wholePath=*/false);
                out.write(node(name, routes[slotOf(name)]));
            }
        }
    }
    const char* arrow = directed ? " -> " : " -- ";
    // An undirected load stores each edge S-T in the row of S and again in
    // the row of T, and a loop twice running in its row: each is drawn once.
    bool loopPending = false;
    const bool read = session.forEachListedEdge([&](char source, char target, int weight) {
        if (!directed) {
            const auto from = static_cast<unsigned char>(source);
            const auto to = static_cast<unsigned char>(target);
            loopPending = from == to && !loopPending;
            if (from > to || (from == to && !loopPending)) {
                return;
            }
        }
        out.write("    " + dotName(source) + arrow + dotName(target) + " [label=\"" +
                  std::to_string(weight) + "\"" +
                  (marks ? marks->attributes(source, target, weight, directed) : "") + "];\n");
    });
    out.write("}\n");
    return read ? ExitStatus::answered : ExitStatus::trouble;
}
