#include "queries/internal/components.h"

#include <algorithm>
#include <bitset>
#include <utility>

namespace graph_internal {

namespace {

// Tarjan's search without recursion. At most one frame and one stack place
// per name, so fixed arrays serve and no frame moves while the search holds
// it.
class TarjanSearch {
  public:
    TarjanSearch(const TableSummary& table, EdgeEntries rule) : table_(table), rule_(rule) {
        found_.componentOf.fill(-1);
        discovered_.fill(-1);
    }

    // Numbers the components of every name `root` reaches and that no
    // earlier root did.
    void searchFrom(char root) {
        if (discovered_[nameSlot(root)] >= 0) {
            return;
        }
        enter(root);
        while (depth_ > 0) {
            Frame& frame = path_[depth_ - 1];
            const Neighbour* const last = table_.neighboursOf(frame.vertex).end();
            while (frame.next != last && !frame.next->isStep(rule_)) {
                ++frame.next;
            }
            if (frame.next == last) {
                leave(frame.vertex);
                continue;
            }
            const char next = (frame.next++)->name;
            const std::size_t u = nameSlot(frame.vertex), v = nameSlot(next);
            if (discovered_[v] < 0) {
                enter(next);
            } else if (onStack_[v]) {
                lowLink_[u] = std::min(lowLink_[u], discovered_[v]);
            }
        }
    }

    StrongComponents& found() { return found_; }

  private:
    // A vertex of the search: its steps not yet followed.
    struct Frame {
        char vertex;
        const Neighbour* next;
    };

    void enter(char vertex) {
        const std::size_t slot = nameSlot(vertex);
        discovered_[slot] = lowLink_[slot] = met_++;
        stack_[stacked_++] = vertex;
        onStack_.set(slot);
        path_[depth_++] = {vertex, table_.neighboursOf(vertex).begin()};
    }

    // Every step of `vertex` is followed.
    void leave(char vertex) {
        const std::size_t u = nameSlot(vertex);
        --depth_;
        if (depth_ > 0) {
            int& parentLink = lowLink_[nameSlot(path_[depth_ - 1].vertex)];
            parentLink = std::min(parentLink, lowLink_[u]);
        }
        if (lowLink_[u] != discovered_[u]) {
            return;
        }
        // Nothing u reaches lies deeper on the stack than u: u and what is
        // stacked above it are one component, and every component they step
        // to is numbered already.
        const int component = static_cast<int>(found_.members.size());
        found_.members.emplace_back();
        char popped;
        do {
            popped = stack_[--stacked_];
            onStack_.reset(nameSlot(popped));
            found_.componentOf[nameSlot(popped)] = component;
        } while (popped != vertex);
    }

    const TableSummary& table_;
    const EdgeEntries rule_;
    StrongComponents found_;
    std::array<Frame, kNameCount> path_;
    std::size_t depth_ = 0;
    std::array<char, kNameCount> stack_;
    std::size_t stacked_ = 0;
    std::bitset<kNameCount> onStack_;
    std::array<int, kNameCount> discovered_;  // when the search first met each name, or -1
    std::array<int, kNameCount> lowLink_{};   // the earliest of those met it reaches on the stack
    int met_ = 0;
};

}  // namespace

StrongComponents strongComponents(const TableSummary& table, EdgeEntries rule) {
    TarjanSearch search(table, rule);
    for (const char root : table.tieOrder(rule).names()) {
        search.searchFrom(root);
    }
    StrongComponents& found = search.found();
    for (const char name : table.tieOrder(rule).names()) {
        found.members[static_cast<std::size_t>(found.componentOf[nameSlot(name)])] += name;
    }
    return std::move(found);
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
