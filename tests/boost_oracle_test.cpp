// What Boost.Graph can judge on its own, on seeded random graphs: reachability
// by breadth-first search, shortest distances where no weight is negative by
// Dijkstra's algorithm, and, from the strong components, which names a
// topological order must hold.
#include <gtest/gtest.h>

#include <algorithm>
#include <boost/graph/adjacency_list.hpp>
#include <boost/graph/breadth_first_search.hpp>
#include <boost/graph/dijkstra_shortest_paths.hpp>
#include <boost/graph/strong_components.hpp>
#include <climits>
#include <random>

#include "tests/reference/random_graphs.h"

namespace {

using BoostGraph =
    boost::adjacency_list<boost::vecS, boost::vecS, boost::directedS, boost::no_property,
                          boost::property<boost::edge_weight_t, std::int64_t>>;

// The table as graphs over the 256 byte values.
struct View {
    BoostGraph neighbours{256};  // every neighbour entry (weight not -1) of every row
    BoostGraph steps{256};       // each u -> v once, v != u, weighing u's first entry naming v
    BoostGraph entries{256};     // every entry after a head entry, whatever its weight
    std::vector<bool> named = std::vector<bool>(256), targeted = std::vector<bool>(256);
    std::vector<int> names;  // every name, then one name not in the table if there is one
    std::vector<int> seeds;  // targets of weight -1 entries and of self-loops
};

View viewOf(const Graph& graph) {
    View view;
    for (const auto& row : graph.adjList) {
        const int u = static_cast<unsigned char>(row.front()->vertex);
        std::vector<bool> stepped(256, false);
        view.named[u] = true;
        for (auto entry = std::next(row.begin()); entry != row.end(); ++entry) {
            const int v = static_cast<unsigned char>((*entry)->vertex), w = (*entry)->weight;
            view.named[v] = view.targeted[v] = true;
            boost::add_edge(u, v, w, view.entries);
            if (w != -1) {
                boost::add_edge(u, v, w, view.neighbours);
            }
            if (v != u && !stepped[v]) {
                boost::add_edge(u, v, w, view.steps);
            }
            stepped[v] = true;
            if (w == -1 || v == u) {
                view.seeds.push_back(v);
            }
        }
    }
    for (int v = 0; v < 256; ++v) {
        if (view.named[v]) {
            view.names.push_back(v);
        }
    }
    const auto absent = std::find(view.named.begin(), view.named.end(), false);
    if (absent != view.named.end()) {
        view.names.push_back(static_cast<int>(absent - view.named.begin()));
    }
    return view;
}

// The vertices a breadth-first search from `sources` discovers, sources included.
std::vector<bool> discovered(const BoostGraph& graph, const std::vector<int>& sources) {
    std::vector<boost::default_color_type> color(256, boost::white_color);
    boost::queue<BoostGraph::vertex_descriptor> queue;
    for (const int source : sources) {
        if (color[source] == boost::white_color) {
            boost::breadth_first_visit(graph, source, queue, boost::default_bfs_visitor(),
                                       color.data());
        }
    }
    std::vector<bool> found(256);
    std::transform(color.begin(), color.end(), found.begin(),
                   [](auto c) { return c != boost::white_color; });
    return found;
}

std::string describe(std::uint32_t seed, const RandomGraph& built) {
    return "seed " + std::to_string(seed) + ", " + built.kind + ": " + graphText(built.graph);
}

// Every pair on small graphs; on large ones, pairs from 4 sources and one absent name.
TEST(BoostOracleTest, ReachabilityAndNonNegativeDistances) {
    for (std::uint32_t seed = 1; seed <= 1200; ++seed) {
        const bool nonNegative = seed % 2 == 0;
        const RandomGraph built = randomGraph(seed, seed % 20 < 2 ? 256 : 12, nonNegative);
        const View view = viewOf(built.graph);
        std::vector<int> sources = view.names;
        if (sources.size() > 13) {
            std::shuffle(sources.begin(), sources.end() - 1, std::mt19937(seed));
            sources.erase(sources.begin() + 4, sources.end() - 1);
        }
        for (const int from : sources) {
            // A path of one edge or more: `from` itself only when an edge leads back to it.
            std::vector<bool> reached = discovered(view.neighbours, {from});
            const bool back = std::any_of(view.names.begin(), view.names.end(), [&](int v) {
                return reached[v] && boost::edge(v, from, view.neighbours).second;
            });
            reached[from] = back;
            std::vector<std::int64_t> distance(256);
            if (nonNegative) {
                boost::dijkstra_shortest_paths(view.steps, from,
                                               boost::distance_map(distance.data()));
            }
            for (const int to : view.names) {
                const char a = static_cast<char>(from), b = static_cast<char>(to);
                ASSERT_EQ(built.graph.Reachable(a, b), reached[to])
                    << from << " to " << to << ", " << describe(seed, built);
                if (nonNegative && reached[to]) {
                    const std::int64_t expected = from == to ? 0 : distance[to];
                    ASSERT_EQ(built.graph.shortestDistance(a, b), expected)
                        << from << " to " << to << ", " << describe(seed, built);
                    ASSERT_EQ(built.graph.Dijkstra(a, b), std::min<std::int64_t>(expected, INT_MAX))
                        << from << " to " << to << ", " << describe(seed, built);
                }
            }
        }
    }
}

// The order holds exactly the names that no vertex on a cycle and no target of a
// weight -1 entry leads to (none at all when every name has an incoming entry),
// each once, and every neighbour entry between two of them points forward.
TEST(BoostOracleTest, TopologicalOrderHoldsWhatTheStrongComponentsAllow) {
    for (std::uint32_t seed = 1; seed <= 2000; ++seed) {
        const RandomGraph built = randomGraph(seed, seed % 10 ? 12 : 256, false);
        View view = viewOf(built.graph);
        std::vector<int> component(256), size(256);
        boost::strong_components(view.entries, component.data());
        bool start = false;
        for (int v = 0; v < 256; ++v) {
            ++size[component[v]];
            start = start || (view.named[v] && !view.targeted[v]);
        }
        for (int v = 0; v < 256; ++v) {
            if (size[component[v]] > 1) {
                view.seeds.push_back(v);
            }
        }
        const std::vector<bool> behindCycle = discovered(view.entries, view.seeds);
        const std::string order = built.graph.topoSort();
        std::vector<int> position(256, -1);
        for (std::size_t i = 0; i < order.size(); ++i) {
            position[static_cast<unsigned char>(order[i])] = static_cast<int>(i);
        }
        std::size_t held = 0;
        for (int v = 0; v < 256; ++v) {
            const bool hold = start && view.named[v] && !behindCycle[v];
            ASSERT_EQ(position[v] >= 0, hold)
                << v << " in " << order << ", " << describe(seed, built);
            held += hold;
        }
        ASSERT_EQ(order.size(), held) << order << ", " << describe(seed, built);  // no name twice
        for (const auto edge : boost::make_iterator_range(boost::edges(view.neighbours))) {
            const int u = position[boost::source(edge, view.neighbours)];
            const int v = position[boost::target(edge, view.neighbours)];
            ASSERT_TRUE(u < 0 || v < 0 || u < v) << order << ", " << describe(seed, built);
        }
    }
}

}  // namespace
