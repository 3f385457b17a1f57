#include "tool/commands.h"

#include <bitset>
#include <map>

#include "tool/dot_picture.h"
#include "tool/route_text.h"

namespace {

using Words = std::vector<std::string>;

struct Command {
    std::size_t leastVertices;
    std::size_t mostVertices;
    int (*run)(const Words&, Session&);
    bool listing;  // prints edges of the listing
};

// With -l, a note on standard error wherever the answer is not the least
// total weight, so that it is not taken for one unremarked.
void noteUnlessLeast(Session& session, char from, const Route& answered) {
    if (!session.labelSetting()) {
        return;
    }
    const Route& least = session.leastWeightRoutesFrom(from)[slotOf(answered.target)];
    if (least.length == answered.length && least.negativeCycle.empty()) {
        return;
    }
    session.say("note: " + std::string(1, from) + " to " + answered.target + ": " +
                (least.length ? "the least total weight is " + lengthText(least)
                              : "no least total weight: " + lengthText(least)) +
                " (answered without -l)");
}

int list(const Words&, Session& session) {
    const bool read = session.forEachListedEdge([&](char source, char target, int weight) {
        char line[kListingItemBytes + 1];
        char* end = writeListingItem(line, source, target, weight);
        *end++ = '\n';
        session.out().write({line, static_cast<std::size_t>(end - line)});
    });
    return read ? 0 : 2;
}

// Without -l, every vertex reaches itself, by the empty path; a vertex
// behind a negative cycle is reached although it has no least weight.
int reachable(const Words& words, Session& session) {
    const char from = words[1][0];
    const char to = words[2][0];
    bool yes;
    if (session.labelSetting()) {
        yes = session.index().Reachable(from, to);
    } else {
        const Route& route = session.leastWeightRoutesFrom(from)[slotOf(to)];
        yes = route.length || !route.negativeCycle.empty();
    }
    session.out().write(yes ? "yes\n" : "no\n");
    return yes ? 0 : 1;
}

int distance(const Words& words, Session& session) {
    const Route& route = session.routesFrom(words[1][0])[slotOf(words[2][0])];
    session.out().write(lengthText(route) + "\n");
    noteUnlessLeast(session, words[1][0], route);
    return route.length ? 0 : 1;
}

int path(const Words& words, Session& session) {
    const Route& route = session.routesFrom(words[1][0])[slotOf(words[2][0])];
    session.out().write(route.length ? spaced(route.path) + "\n" + lengthText(route) + "\n"
                                     : lengthText(route) + "\n");
    noteUnlessLeast(session, words[1][0], route);
    return route.length ? 0 : 1;
}

int distances(const Words& words, Session& session) {
    int status = 0;
    for (const char name : session.names()) {
        const Route& route = session.routesFrom(words[1][0])[slotOf(name)];
        session.out().write(std::string(1, name) + ' ' + lengthText(route) + '\n');
        noteUnlessLeast(session, words[1][0], route);
        status |= route.negativeCycle.empty() ? 0 : 1;
    }
    return status;
}

// The order, then the vertices left out and what keeps them out: a cycle
// ("cycle B C B") or, with -l, an entry of weight -1 ("edge A B -1").
int topo(const Words&, Session& session) {
    const EdgeEntries entries = session.edgeEntries();
    const std::string order = session.index().topoSort(entries);
    std::bitset<kNameCount> output;
    for (const char name : order) {
        output.set(slotOf(name));
    }
    std::string leftOut;
    for (const char name : session.names()) {
        if (!output[slotOf(name)]) {
            leftOut += name;
        }
    }
    session.out().write(spaced(order) + "\n");
    if (leftOut.empty()) {
        return 0;
    }
    const TopoObstacle obstacle = session.index().topoObstacle(entries);
    const bool cycle = obstacle.kind == TopoObstacle::Kind::cycle;
    session.out().write(spaced(leftOut) + "\n" + (cycle ? "cycle " : "edge ") +
                        spaced(obstacle.vertices) + (cycle ? "\n" : " -1\n"));
    if (!session.invocation().directed) {
        session.say("note: an undirected edge is a cycle of two; use -d to order a directed graph");
    }
    return 1;
}

int dot(const Words& words, Session& session) {
    return drawDot(words, session);
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
        {"list", {0, 0, list, true}},
        {"reachable", {2, 2, reachable, false}},
        {"distance", {2, 2, distance, false}},
        {"path", {2, 2, path, false}},
        {"distances", {1, 1, distances, false}},
        {"topo", {0, 0, topo, false}},
        {"dot", {0, 2, dot, true}},
        {"check", {0, 0, check, false}},
    };
    return table;
}

std::string vertices(std::size_t count) {
    return count == 0 ? "no vertices"
                      : std::to_string(count) + (count == 1 ? " vertex" : " vertices");
}

}  // namespace

bool checkCommand(const Words& words, std::string& problem) {
    const auto command = commands().find(words.at(0));
    if (command == commands().end()) {
        problem = "unknown command " + quoted(words[0]);
        return false;
    }
    const std::size_t least = command->second.leastVertices;
    const std::size_t most = command->second.mostVertices;
    const std::size_t given = words.size() - 1;
    if (given < least || given > most) {
        problem = quoted(words[0]) + " takes " +
                  (least == most ? vertices(least) : "at most " + vertices(most));
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

bool isCommandName(const std::string& word) {
    return commands().count(word) > 0;
}

bool needsListing(const Words& words) {
    return commands().at(words.at(0)).listing;
}

bool needsSummary(const Words& words) {
    return !needsListing(words) || words.size() > 1;
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
