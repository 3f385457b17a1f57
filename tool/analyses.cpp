#include "tool/analyses.h"

#include <array>
#include <cstdint>

#include "tool/messages.h"
#include "tool/route_text.h"

namespace {

std::string cellText(const Distance& cell) {
    switch (cell.kind) {
        case Distance::Kind::weight:
            return std::to_string(cell.weight);
        case Distance::Kind::unreachable:
            return "inf";
        case Distance::Kind::negativeCycle:
            break;
    }
    return "-inf";
}

bool sameCell(const Distance& a, const Distance& b) {
    return a.kind == b.kind && (a.kind != Distance::Kind::weight || a.weight == b.weight);
}

// The matrix's cells that are not the least total weight; the two may list
// their names in other orders.
std::size_t cellsNotLeast(const DistanceMatrix& answered, const DistanceMatrix& least) {
    std::array<std::size_t, kNameCount> column{};
    for (std::size_t i = 0; i < least.names.size(); ++i) {
        column[slotOf(least.names[i])] = i;
    }
    std::size_t differ = 0;
    for (std::size_t i = 0; i < answered.names.size(); ++i) {
        const auto& leastRow = least.rows[column[slotOf(answered.names[i])]];
        for (std::size_t j = 0; j < answered.names.size(); ++j) {
            differ += !sameCell(answered.rows[i][j], leastRow[column[slotOf(answered.names[j])]]);
        }
    }
    return differ;
}

std::int64_t totalWeight(const std::vector<EdgeTriple>& edges) {
    std::int64_t total = 0;
    for (const EdgeTriple& edge : edges) {
        total += edge.weight;
    }
    return total;
}

}  // namespace

ExitStatus answerComponents(const Words&, Session& session) {
    for (const std::string& component : session.index().components(session.edgeEntries())) {
        session.out().write(spaced(component) + "\n");
    }
    return ExitStatus::answered;
}

ExitStatus answerMatrix(const Words&, Session& session) {
    const DistanceMatrix matrix = session.labelSetting()
                                      ? session.index().shortestDistanceMatrix()
                                      : session.index().leastWeightMatrix(EdgeEntries::every);
    std::string line;
    for (const char name : matrix.names) {
        line += '\t';
        line += name;
    }
    session.out().write(line + '\n');
    ExitStatus status = ExitStatus::answered;
    for (std::size_t i = 0; i < matrix.names.size(); ++i) {
        line.assign(1, matrix.names[i]);
        for (const Distance& cell : matrix.rows[i]) {
            line += '\t' + cellText(cell);
            if (cell.kind == Distance::Kind::negativeCycle) {
                status = ExitStatus::negative;
            }
        }
        session.out().write(line + '\n');
    }
    if (session.labelSetting()) {
        const std::size_t differ =
            cellsNotLeast(matrix, session.index().leastWeightMatrix(EdgeEntries::every));
        if (differ > 0) {
            session.say(notLeastNote(std::to_string(differ) + " of " +
                                     std::to_string(matrix.names.size() * matrix.names.size()) +
                                     " cells are not the least total weight"));
        }
    }
    return status;
}

ExitStatus answerTree(const Words&, Session& session) {
    const std::vector<EdgeTriple> forest = session.index().spanningForest(session.edgeEntries());
    for (const EdgeTriple& edge : forest) {
        writeListingLine(session.out(), edge.source, edge.target, edge.weight);
    }
    const std::int64_t total = totalWeight(forest);
    session.out().write("total " + std::to_string(total) + "\n");
    if (session.labelSetting()) {
        const std::int64_t least = totalWeight(session.index().spanningForest(EdgeEntries::every));
        if (least != total) {
            session.say(notLeastNote("a spanning forest of the least total weight weighs " +
                                     std::to_string(least)));
        }
    }
    return ExitStatus::answered;
}
