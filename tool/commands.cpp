#include "tool/commands.h"

#include <bitset>
#include <cstdio>
#include <map>

namespace {

using graph_internal::nameSlot;
using Words = std::vector<std::string>;

struct Command {
    std::size_t vertices;  // arguments, each one vertex
    int (*run)(const Words&, Session&);
    bool listing;  // prints every edge
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

// A route's length, "unreachable", or the negative cycle that leaves none.
std::string lengthText(const Route& route) {
    if (route.length) {
        return std::to_string(*route.length);
    }
    return route.negativeCycle.empty() ? "unreachable"
                                       : "negative cycle " + spaced(route.negativeCycle);
}

// The route a distance query answers with: the least total weight with
// --minimum, else the label-setting search's.
const Route& routeOf(Session& session, char from, char to) {
    return session.invocation().minimum ? session.leastWeightRoutesFrom(from)[nameSlot(to)]
                                        : session.shortestRoutesFrom(from)[nameSlot(to)];
}

// Without --minimum, a note on standard error wherever the answer is not the
// least total weight, so that it is not taken for one unremarked.
void noteUnlessLeast(Session& session, char from, const Route& answered) {
    if (session.invocation().minimum) {
        return;
    }
    const Route& least = session.leastWeightRoutesFrom(from)[nameSlot(answered.target)];
    if (least.length == answered.length && least.negativeCycle.empty()) {
        return;
    }
    session.say("note: " + std::string(1, from) + " to " + answered.target + ": " +
                (least.length ? "the least total weight is " + lengthText(least)
                              : "no least total weight: " + lengthText(least)) +
                " (see --minimum)");
}

int list(const Words&, Session& session) {
    const bool read = session.forEachListedEdge([&](char source, char target, int weight) {
        char line[graph_internal::kListingItemBytes + 1];
        char* end = graph_internal::writeListingItem(line, source, target, weight);
        *end++ = '\n';
        session.out().write({line, static_cast<std::size_t>(end - line)});
    });
    return read ? 0 : 2;
}

int reachable(const Words& words, Session& session) {
    const bool yes = session.index().Reachable(words[1][0], words[2][0]);
    session.out().write(yes ? "yes\n" : "no\n");
    return yes ? 0 : 1;
}

int distance(const Words& words, Session& session) {
    const Route& route = routeOf(session, words[1][0], words[2][0]);
    session.out().write(lengthText(route) + "\n");
    noteUnlessLeast(session, words[1][0], route);
    return route.length ? 0 : 1;
}

int path(const Words& words, Session& session) {
    const Route& route = routeOf(session, words[1][0], words[2][0]);
    session.out().write(route.length ? spaced(route.path) + "\n" + lengthText(route) + "\n"
                                     : lengthText(route) + "\n");
    noteUnlessLeast(session, words[1][0], route);
    return route.length ? 0 : 1;
}

int distances(const Words& words, Session& session) {
    int status = 0;
    for (const char name : session.index().vertexNames()) {
        const Route& route = routeOf(session, words[1][0], name);
        session.out().write(std::string(1, name) + ' ' + lengthText(route) + '\n');
        noteUnlessLeast(session, words[1][0], route);
        status |= route.negativeCycle.empty() ? 0 : 1;
    }
    return status;
}

// The order, then the vertices left out and what keeps them out: a cycle
// ("cycle B C B") or an entry of weight -1 ("edge A B -1").
int topo(const Words&, Session& session) {
    const std::string order = session.index().topoSort();
    std::bitset<256> output;
    for (const char name : order) {
        output.set(nameSlot(name));
    }
    std::string leftOut;
    for (const char name : session.index().vertexNames()) {
        if (!output[nameSlot(name)]) {
            leftOut += name;
        }
    }
    session.out().write(spaced(order) + "\n");
    if (leftOut.empty()) {
        return 0;
    }
    const TopoObstacle obstacle = session.index().topoObstacle();
    const bool cycle = obstacle.kind == TopoObstacle::Kind::cycle;
    session.out().write(spaced(leftOut) + "\n" + (cycle ? "cycle " : "edge ") +
                        spaced(obstacle.vertices) + (cycle ? "\n" : " -1\n"));
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
int dot(const Words&, Session& session) {
    const bool directed = session.invocation().directed;
    session.out().write(directed ? "digraph G {\n" : "graph G {\n");
    const char* arrow = directed ? " -> " : " -- ";
    bool loopPending = false;  // the first entry of a loop's pair has been drawn
    const bool read = session.forEachListedEdge([&](char source, char target, int weight) {
        if (!directed) {
            const auto from = static_cast<unsigned char>(source);
            const auto to = static_cast<unsigned char>(target);
            loopPending = from == to && !loopPending;
            if (from > to || (from == to && !loopPending)) {
                return;
            }
        }
        session.out().write("    " + dotName(source) + arrow + dotName(target) + " [label=\"" +
                            std::to_string(weight) + "\"];\n");
    });
    session.out().write("}\n");
    return read ? 0 : 2;
}

// How reading went is the answer: status 1 unless FILE was read whole and
// as written.
int check(const Words&, Session& session) {
    const LoadReport& report = session.report();
    session.out().write("edges read: " + std::to_string(report.triples) + "\n" +
                        "rows: " + std::to_string(session.index().vertexCount()) + "\n" +
                        "names: " + std::to_string(session.index().vertexNames().size()) + "\n");
    const auto at = [](const InputPosition& position) {
        return std::to_string(position.line) + ":" + std::to_string(position.column);
    };
    if (!report.complete()) {
        session.out().write("read to the end: no, stopped at " + at(report.stoppedAt) + ": " +
                            describeStop(report) + "\n");
    } else if (report.joinedWeight) {
        session.out().write("read to the end: yes, but at " + at(report.joinedAt) + ": " +
                            quoted(std::string(1, report.joinedByte)) +
                            " right after a weight is read as the next item\n");
    } else {
        session.out().write("read to the end: yes\n");
        return 0;
    }
    return 1;
}

const std::map<std::string, Command>& commands() {
    static const std::map<std::string, Command> table = {
        {"list", {0, list, true}},
        {"reachable", {2, reachable, false}},
        {"distance", {2, distance, false}},
        {"path", {2, path, false}},
        {"distances", {1, distances, false}},
        {"topo", {0, topo, false}},
        {"dot", {0, dot, true}},
        {"check", {0, check, false}},
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

bool needsListing(const Words& words) {
    return commands().at(words.at(0)).listing;
}

std::string unknownVertex(const Words& words, const Session& session) {
    for (std::size_t i = 1; i < words.size(); ++i) {
        if (!session.isVertex(words[i][0])) {
            return "no vertex " + quoted(words[i]) + " in the graph";
        }
    }
    return "";
}

int runCommand(const Words& words, Session& session) {
    return commands().at(words.at(0)).run(words, session);
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
