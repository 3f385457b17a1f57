#include "queries/internal/components.h"

#include <algorithm>
#include <bitset>

namespace graph_internal {

StrongComponents strongComponents(const TableSummary& table, EdgeEntries rule) {
    StrongComponents found;
    found.componentOf.fill(-1);
    // A vertex of the search: its steps not yet followed.
    struct Frame {
        char vertex;
        const Neighbour* next;
    };
    // At most one frame and one stack place per name, so fixed arrays serve
    // and no frame moves while the search holds it.
    std::array<Frame, kNameCount> path;
    std::size_t depth = 0;
    std::array<char, kNameCount> stack;
    std::size_t stacked = 0;
    std::bitset<kNameCount> onStack;
    std::array<int, kNameCount> discovered;  // when the search first met each name, or -1
    std::array<int, kNameCount>
        lowLink{};  // the earliest of those met that it reaches on the stack
    discovered.fill(-1);
    int met = 0;
    const auto enter = [&](char vertex) {
        const std::size_t slot = nameSlot(vertex);
        discovered[slot] = lowLink[slot] = met++;
        stack[stacked++] = vertex;
        onStack.set(slot);
        path[depth++] = {vertex, table.neighboursOf(vertex).begin()};
    };
    for (const char root : table.tieOrder(rule).names()) {
        if (discovered[nameSlot(root)] >= 0) {
            continue;
        }
        enter(root);
        while (depth > 0) {
            Frame& frame = path[depth - 1];
            const char vertex = frame.vertex;
            const std::size_t u = nameSlot(vertex);
            const Neighbour* const last = table.neighboursOf(vertex).end();
            while (frame.next != last && !frame.next->isStep(rule)) {
                ++frame.next;
            }
            if (frame.next != last) {
                const char next = (frame.next++)->name;
                const std::size_t v = nameSlot(next);
                if (discovered[v] < 0) {
                    enter(next);
                } else if (onStack[v]) {
                    lowLink[u] = std::min(lowLink[u], discovered[v]);
                }
                continue;
            }
            --depth;
            if (depth > 0) {
                int& parentLink = lowLink[nameSlot(path[depth - 1].vertex)];
                parentLink = std::min(parentLink, lowLink[u]);
            }
            // Nothing u reaches lies deeper on the stack than u: u and what
            // is stacked above it are one component, and every component
            // they step to is numbered already.
            if (lowLink[u] == discovered[u]) {
                const int component = static_cast<int>(found.members.size());
                found.members.emplace_back();
                char popped;
                do {
                    popped = stack[--stacked];
                    onStack.reset(nameSlot(popped));
                    found.componentOf[nameSlot(popped)] = component;
                } while (popped != vertex);
            }
        }
    }
    for (const char name : table.tieOrder(rule).names()) {
        found.members[static_cast<std::size_t>(found.componentOf[nameSlot(name)])] += name;
    }
    return found;
}

std::vector<std::string> componentNames(const TableSummary& table, EdgeEntries rule) {
    const StrongComponents found = strongComponents(table, rule);
    std::vector<std::string> components;
    for (const char name : table.tieOrder(rule).names()) {
        const std::string& members =
            found.members[static_cast<std::size_t>(found.componentOf[nameSlot(name)])];
        if (members.front() == name) {
            components.push_back(members);
        }
    }
    return components;
}

}  // namespace graph_internal
