// The queries on seeded random graphs against two oracles that share no code
// with the library: the textbook reading of the table (every answer, exactly,
// through reference/checks.h) and Boost.Graph (reachability, distances where no weight is negative,
// and from the strong components which names a topological order holds). Every ordered pair on
// small graphs, a sample of sources on graphs of up to 256 names. A failure names the seed, the
// kind of graph and its table.
#include <gtest/gtest.h>

#include <boost/graph/adjacency_list.hpp>
#include <boost/graph/breadth_first_search.hpp>
#include <boost/graph/dijkstra_shortest_paths.hpp>
#include <boost/graph/strong_components.hpp>
#include <random>

#include "tests/reference/checks.h"
#include "tests/reference/random_graphs.h"
#include "tests/reference/textbook_reference.h"

namespace {

using BoostGraph =
    boost::adjacency_list<boost::vecS, boost::vecS, boost::directedS, boost::no_property,
                          boost::property<boost::edge_weight_t, std::int64_t>>;

// The table as Boost graphs over the 256 byte values.
struct BoostView {
    BoostGraph neighbours{256};  // every neighbour entry (weight not -1)
    BoostGraph steps{256};       // each u -> v once, v != u, weighing u's first entry naming v
    BoostGraph entries{256};     // every entry after a head entry, whatever its weight
    std::vector<int> blocked;    // targets of weight -1 entries: never released by topoSort

    explicit BoostView(const Graph& graph) {
        for (const auto& row : graph.adjList) {
            const int u = static_cast<unsigned char>(row.front()->vertex);
            std::vector<bool> stepped(256);
            for (auto entry = std::next(row.begin()); entry != row.end(); ++entry) {
                const int v = static_cast<unsigned char>((*entry)->vertex), w = (*entry)->weight;
                boost::add_edge(u, v, w, entries);
                if (w != -1) {
                    boost::add_edge(u, v, w, neighbours);
                } else {
                    blocked.push_back(v);
                }
                if (v != u && !stepped[v]) {
                    boost::add_edge(u, v, w, steps);
                }
                stepped[v] = true;
            }
        }
    }
};

// What a breadth-first search from `sources` discovers, the sources included.
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
    for (int v = 0; v < 256; ++v) {
        found[v] = color[v] != boost::white_color;
    }
    return found;
}

// The order holds exactly the names behind no cycle and no weight -1 entry
// (none when no name starts at in-degree 0), and each entry between two of
// them points forward.
void expectTopologicalOrder(const BoostView& view, const std::string& order,
                            const std::string& names) {
    std::vector<int> component(256), size(256), position(256, -1);
    boost::strong_components(view.entries, component.data());
    std::vector<int> seeds = view.blocked;
    std::vector<bool> targeted(256);
    for (const auto edge : boost::make_iterator_range(boost::edges(view.entries))) {
        targeted[boost::target(edge, view.entries)] = true;
        if (boost::source(edge, view.entries) == boost::target(edge, view.entries)) {
            seeds.push_back(static_cast<int>(boost::source(edge, view.entries)));
        }
    }
    for (int v = 0; v < 256; ++v) {
        ++size[component[v]];
    }
    for (int v = 0; v < 256; ++v) {
        if (size[component[v]] > 1) {
            seeds.push_back(v);
        }
    }
    const std::vector<bool> behind = discovered(view.entries, seeds);
    const bool start = std::any_of(names.begin(), names.end(), [&](char n) {
        return !targeted[static_cast<unsigned char>(n)];
    });
    std::string expected;
    for (std::size_t i = 0; i < order.size(); ++i) {
        position[static_cast<unsigned char>(order[i])] = static_cast<int>(i);
    }
    for (const char n : names) {
        expected += start && !behind[static_cast<unsigned char>(n)] ? std::string(1, n) : "";
    }
    std::string held = order;
    std::sort(held.begin(), held.end());
    std::sort(expected.begin(), expected.end());
    ASSERT_EQ(held, expected) << "names held by " << order;
    for (const auto edge : boost::make_iterator_range(boost::edges(view.neighbours))) {
        const int u = position[boost::source(edge, view.neighbours)];
        const int v = position[boost::target(edge, view.neighbours)];
        ASSERT_TRUE(u < 0 || v < 0 || u < v) << order;
    }
}

// Every query from each of `sources` to every name and one absent name.
void expectOraclesAgree(std::uint32_t seed, int maxNames, bool sample) {
    const bool nonNegative = seed % 2 == 0;
    const RandomGraph built = randomGraph(seed, maxNames, nonNegative);
    const Graph& graph = built.graph;
    SCOPED_TRACE("seed " + std::to_string(seed) + ", " + built.kind + ": " + graphText(graph));
    const std::string names = textbookNames(graph);
    const BoostView view(graph);
    ASSERT_NO_FATAL_FAILURE(expectTopologicalOrder(view, graph.topoSort(), names));

    std::string targets = names;
    for (int c = 0; c < 256 && targets.size() == names.size(); ++c) {
        if (names.find(static_cast<char>(c)) == std::string::npos) {
            targets += static_cast<char>(c);
        }
    }
    std::string sources = targets;
    if (sample) {
        std::shuffle(sources.begin(), sources.end() - 1, std::mt19937(seed));
        sources.erase(sources.begin() + 4, sources.end() - 1);
    }
    for (const char from : sources) {
        ASSERT_EQ(queryDifference(graph, from, targets), "");
        // Boost: a path of one edge or more (back to `from` only through an
        // edge into it), and its length where no weight is negative.
        const int a = static_cast<unsigned char>(from);
        const std::vector<bool> reached = discovered(view.neighbours, {a});
        std::vector<std::int64_t> distance(256);
        if (nonNegative) {
            boost::dijkstra_shortest_paths(view.steps, a, boost::distance_map(distance.data()));
        }
        for (const char to : targets) {
            const int b = static_cast<unsigned char>(to);
            bool reachable = reached[b] && a != b;
            for (int v = 0; v < 256 && a == b; ++v) {
                reachable |= reached[v] && boost::edge(v, a, view.neighbours).second;
            }
            ASSERT_EQ(graph.Reachable(from, to), reachable) << a << " to " << b;
            if (nonNegative && reachable && a != b) {
                ASSERT_EQ(graph.shortestDistance(from, to), distance[b]) << a << " to " << b;
            }
        }
    }
}

TEST(OracleTest, EveryPairOnSmallGraphs) {
    for (std::uint32_t seed = 1; seed <= 2000; ++seed) {
        ASSERT_NO_FATAL_FAILURE(expectOraclesAgree(seed, 12, false));
    }
}

TEST(OracleTest, SampledSourcesOnGraphsOfUpTo256Names) {
    for (std::uint32_t seed = 100001; seed <= 100120; ++seed) {
        ASSERT_NO_FATAL_FAILURE(expectOraclesAgree(seed, 256, true));
    }
}

}  // namespace
