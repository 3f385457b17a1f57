#include "tool/commands.h"

#include <bitset>

#include "tool/messages.h"
#include "tool/route_text.h"

namespace {

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
    session.say(
        notLeastNote(std::string(1, from) + " to " + answered.target + ": " +
                     (least.length ? "the least total weight is " : "no least total weight: ") +
                     lengthText(least)));
}

// An answer when `yes`, otherwise a negative one.
ExitStatus answeredIf(bool yes) {
    return yes ? ExitStatus::answered : ExitStatus::negative;
}

std::string vertices(std::size_t count) {
    return count == 0 ? "no vertices"
                      : std::to_string(count) + (count == 1 ? " vertex" : " vertices");
}

bool isKeywordOf(const CommandEntry& command, const std::string& word) {
    for (const char* const* keyword = command.keywords; keyword && *keyword; ++keyword) {
        if (word == *keyword) {
            return true;
        }
    }
    return false;
}

}  // namespace

ExitStatus answerList(const Words&, Session& session) {
    const bool read = session.forEachListedEdge([&](char source, char target, int weight) {
        writeListingLine(session.out(), source, target, weight);
    });
    return read ? ExitStatus::answered : ExitStatus::trouble;
}

// Without -l, every vertex reaches itself, by the empty path; a vertex
// behind a negative cycle is reached although it has no least weight.
ExitStatus answerReachable(const Words& words, Session& session) {
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
    return answeredIf(yes);
}

ExitStatus answerDistance(const Words& words, Session& session) {
    const Route& route = session.routesFrom(words[1][0])[slotOf(words[2][0])];
    session.out().write(lengthText(route) + "\n");
    noteUnlessLeast(session, words[1][0], route);
    return answeredIf(route.length.has_value());
}

ExitStatus answerPath(const Words& words, Session& session) {
    const Route& route = session.routesFrom(words[1][0])[slotOf(words[2][0])];
    session.out().write(route.length ? spaced(route.path) + "\n" + lengthText(route) + "\n"
                                     : lengthText(route) + "\n");
    noteUnlessLeast(session, words[1][0], route);
    return answeredIf(route.length.has_value());
}

ExitStatus answerDistances(const Words& words, Session& session) {
    ExitStatus status = ExitStatus::answered;
    for (const char name : session.names()) {
        const Route& route = session.routesFrom(words[1][0])[slotOf(name)];
        session.out().write(std::string(1, name) + ' ' + lengthText(route) + '\n');
        noteUnlessLeast(session, words[1][0], route);
        status = worse(status, answeredIf(route.negativeCycle.empty()));
    }
    return status;
}

// The order, then the vertices left out and what keeps them out: a cycle
// ("cycle B C B") or, with -l, an entry of weight -1 ("edge A B -1").
ExitStatus answerTopo(const Words&, Session& session) {
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
        return ExitStatus::answered;
    }
    const TopoObstacle obstacle = session.index().topoObstacle(entries);
    const bool cycle = obstacle.kind == TopoObstacle::Kind::cycle;
    session.out().write(spaced(leftOut) + "\n" + (cycle ? "cycle " : "edge ") +
                        spaced(obstacle.vertices) + (cycle ? "\n" : " -1\n"));
    if (!session.invocation().directed) {
        session.say("note: an undirected edge is a cycle of two; use -d to order a directed graph");
    }
    return ExitStatus::negative;
}

// How reading went is the answer: a negative one unless FILE was read whole
// and as written. Of several inputs, each says how reading it went on a line
// led by its name.
ExitStatus answerCheck(const Words&, Session& session) {
    const std::vector<InputReading>& inputs = session.readings();
    std::size_t triples = 0;
    for (const InputReading& input : inputs) {
        triples += input.report.triples;
    }
    session.out().write("edges read: " + std::to_string(triples) + "\n" +
                        "rows: " + std::to_string(session.index().vertexCount()) + "\n" +
                        "names: " + std::to_string(session.index().vertexNames().size()) + "\n");
    ExitStatus status = ExitStatus::answered;
    for (const InputReading& input : inputs) {
        const LoadReport& report = input.report;
        const std::string lead = (inputs.size() > 1 ? input.name + ": " : "") + "read to the end: ";
        if (!report.complete()) {
            session.out().write(lead + "no, stopped at " + lineColumn(report.stoppedAt) + ": " +
                                describeStop(report) + "\n");
        } else if (report.joinedWeight) {
            session.out().write(lead + "yes, but at " + lineColumn(report.joinedAt) + ": " +
                                describeJoinedWeight(report) + "\n");
        } else {
            session.out().write(lead + "yes\n");
            continue;
        }
        status = ExitStatus::negative;
    }
    return status;
}

bool checkCommand(const Words& words, bool directed, bool edgesHeld, std::string& problem) {
    const CommandEntry* command = findCommand(words.at(0));
    if (command == nullptr) {
        problem = "unknown command " + quotedBytes(words[0]);
        return false;
    }
    if (command->listing && !edgesHeld) {
        problem = quotedBytes(words[0]) + " needs every edge of FILE, which a summary read in " +
                  "parts elsewhere does not hold";
        return false;
    }
    const std::size_t least = command->leastVertices;
    const std::size_t most = command->mostVertices;
    const std::size_t given = words.size() - 1;
    if (given < least || given > most) {
        problem = quotedBytes(words[0]) + " takes " +
                  (least == most ? vertices(least) : "at most " + vertices(most));
        return false;
    }
    for (std::size_t i = 1; i < words.size(); ++i) {
        if (words[i].size() != 1 && !(i == 1 && isKeywordOf(*command, words[i]))) {
            problem = "a vertex is one character, not " + quotedBytes(words[i]);
            return false;
        }
    }
    // A picture of another command's answer needs what that command needs.
    const CommandEntry* drawn =
        words.size() > 1 && words[1].size() > 1 ? findCommand(words[1]) : command;
    if (directed && drawn->undirectedOnly) {
        problem = quotedBytes(drawn->name) + " needs an undirected graph: drop -d";
        return false;
    }
    return true;
}

bool needsListing(const Words& words) {
    return findCommand(words.at(0))->listing;
}

bool needsSummary(const Words& words) {
    return !needsListing(words) || words.size() > 1;
}

std::string unknownVertex(const Words& words, const Session& session) {
    for (std::size_t i = 1; i < words.size(); ++i) {
        if (words[i].size() == 1 && !session.isVertex(words[i][0])) {
            return "no vertex " + quotedBytes(words[i]) + " in the graph";
        }
    }
    return "";
}

ExitStatus runCommand(const Words& words, Session& session) {
    return findCommand(words.at(0))->answer(words, session);
}
