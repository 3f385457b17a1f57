#include "queries/internal/spanning_forest.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <tuple>

namespace graph_internal {
namespace {

// A pair of names that neighbours of their rows join, as Kruskal's method
// weighs and orders it: first from one row's neighbour, then merged with the
// other row's.
struct Joint {
    int first;    // the position of the pair's earlier name in the tie order
    int second;   // and of the later
    bool joined;  // whether a step joins them
    // The least weight of those steps either way: INT_MAX, the greatest,
    // while none does, so that merging takes the least.
    int weight;
    std::uint64_t tie;  // the least tie key of those steps either way

    void mergeWith(const Joint& other) {
        joined |= other.joined;
        weight = std::min(weight, other.weight);
        tie = std::min(tie, other.tie);
    }

    bool isLighter(const Joint& other) const {
        return std::tie(weight, tie) < std::tie(other.weight, other.tie);
    }
};

// The trees of names taken so far, each name pointing towards its tree's
// root: halving the paths on the way and hanging the smaller tree under the
// larger keeps every path short.
class Forest {
  public:
    Forest() {
        for (std::size_t name = 0; name < kNameCount; ++name) {
            parent_[name] = name;
        }
        size_.fill(1);
    }

    // Makes one tree of those of `a` and `b`; false when they are one already.
    bool join(std::size_t a, std::size_t b) {
        a = rootOf(a);
        b = rootOf(b);
        if (a == b) {
            return false;
        }
        if (size_[a] < size_[b]) {
            std::swap(a, b);
        }
        parent_[b] = a;
        size_[a] += size_[b];
        return true;
    }

  private:
    std::size_t rootOf(std::size_t name) {
        while (parent_[name] != name) {
            parent_[name] = parent_[parent_[name]];
            name = parent_[name];
        }
        return name;
    }

    std::array<std::size_t, kNameCount> parent_;
    std::array<std::size_t, kNameCount> size_;
};

// Each neighbour but a loop gives its pair a joint.
std::vector<Joint> jointsOf(const TableSummary& table, EdgeEntries rule) {
    const AppearanceOrder& order = table.tieOrder(rule);
    std::vector<Joint> joints;
    for (const char owner : order.names()) {
        for (const Neighbour& neighbour : table.neighboursOf(owner)) {
            if (neighbour.name == owner) {
                continue;
            }
            const int at = order.positionOf(owner);
            const int other = order.positionOf(neighbour.name);
            const bool joined = neighbour.isStep(rule);
            const int weight = neighbour.stepWeight(rule);
            const std::uint64_t tie =
                rule == EdgeEntries::every ? neighbour.joinedAt : table.walkPosition(neighbour);
            // A direction that is no step neither weighs nor ranks the pair.
            joints.push_back({std::min(at, other), std::max(at, other), joined,
                              joined ? weight : INT_MAX, joined ? tie : UINT64_MAX});
        }
    }
    return joints;
}

// The pairs that steps join, lightest first: sorting the joints by pair
// brings a pair's two directions together, so that one pass merges them.
std::vector<Joint> joinedPairs(std::vector<Joint> joints) {
    const auto byPair = [](const Joint& a, const Joint& b) {
        return std::tie(a.first, a.second) < std::tie(b.first, b.second);
    };
    std::sort(joints.begin(), joints.end(), byPair);
    std::vector<Joint> pairs;
    for (const Joint& joint : joints) {
        if (!pairs.empty() && !byPair(pairs.back(), joint)) {
            pairs.back().mergeWith(joint);
        } else {
            pairs.push_back(joint);
        }
    }
    pairs.erase(
        std::remove_if(pairs.begin(), pairs.end(), [](const Joint& pair) { return !pair.joined; }),
        pairs.end());
    std::sort(pairs.begin(), pairs.end(),
              [](const Joint& a, const Joint& b) { return a.isLighter(b); });
    return pairs;
}

}  // namespace

std::vector<EdgeTriple> spanningForest(const TableSummary& table, EdgeEntries rule) {
    const std::string& names = table.tieOrder(rule).names();
    std::vector<EdgeTriple> taken;
    Forest forest;
    for (const Joint& joint : joinedPairs(jointsOf(table, rule))) {
        const char first = names[static_cast<std::size_t>(joint.first)];
        const char second = names[static_cast<std::size_t>(joint.second)];
        if (forest.join(nameSlot(first), nameSlot(second))) {
            taken.push_back({joint.weight, first, second});
        }
    }
    return taken;
}

}  // namespace graph_internal
