#include "tests/reference/random_graphs.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <random>
#include <vector>

namespace {

int uniform(std::mt19937& random, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
}

// `count` distinct names: letters when they suffice and a coin says so, else
// any byte values, half the time with NUL forced among them.
std::vector<char> randomNames(std::mt19937& random, int count) {
    const bool letters = count <= 52 && uniform(random, 0, 1) == 0;
    std::vector<int> pool;
    for (int c = 0; c < 256; ++c) {
        if (!letters || std::isalpha(c)) {
            pool.push_back(c);
        }
    }
    std::shuffle(pool.begin(), pool.end(), random);
    pool.resize(count);
    if (!letters && uniform(random, 0, 1) == 0 && std::count(pool.begin(), pool.end(), 0) == 0) {
        pool[uniform(random, 0, count - 1)] = 0;
    }
    return std::vector<char>(pool.begin(), pool.end());
}

// Mixes 0 to 2 are never negative: ties, small weights, large weights. Mix 3
// holds small negative weights (-1 among them), mix 4 the extremes.
int randomWeight(std::mt19937& random, int mix) {
    static const int low[] = {0, 0, 0, -6}, high[] = {2, 20, INT_MAX, 12};
    static const int extremes[] = {INT_MIN, INT_MIN + 1, -2147483000, -5,         -1,     0,
                                   1,       2,           2000000000,  2147483000, INT_MAX};
    return mix < 4 ? uniform(random, low[mix], high[mix])
                   : extremes[uniform(random, 0, std::size(extremes) - 1)];
}

// What one seed draws: the names, the weights' mix, the edges' directions.
struct Draw {
    std::mt19937 random;
    int count;
    std::vector<char> names;
    int mix;
    int directions;  // directed, undirected, mixed
    bool nonNegative;

    char name() { return names[uniform(random, 0, count - 1)]; }
    int weight() { return randomWeight(random, mix); }
    bool directed() { return directions == 0 || (directions == 2 && uniform(random, 0, 1)); }

    void sparse(Graph& graph, int edges) {
        for (int i = 0; i < edges; ++i) {
            graph.addEdge(name(), name(), weight(), directed());
        }
    }

    // Every pair joined, weights 0 to 2: many equal distances.
    void complete(Graph& graph) {
        for (int i = 0; i < std::min(count, 64); ++i) {
            for (int j = i + 1; j < std::min(count, 64); ++j) {
                const bool oneWay = directed();
                graph.addEdge(names[i], names[j], uniform(random, 0, 2), oneWay);
                if (oneWay && uniform(random, 0, 1)) {
                    graph.addEdge(names[j], names[i], uniform(random, 0, 2), true);
                }
            }
        }
    }

    // Edges from earlier to later names, a few back edges now and then.
    void dag(Graph& graph, int edges) {
        for (int i = 0; i < edges; ++i) {
            const int a = uniform(random, 0, count - 2);
            graph.addEdge(names[a], names[uniform(random, a + 1, count - 1)], weight(), true);
        }
        for (int i = uniform(random, -3, 3); i > 0; --i) {
            graph.addEdge(name(), name(), weight(), true);
        }
    }

    // Each record v, p, w becomes the edge v -> p; another graph's table gives
    // edges into NUL carrying its weights, head entries' -1 included.
    Graph fromTable(int edges) {
        std::vector<std::list<std::shared_ptr<Edge>>> table(uniform(random, 1, 8));
        for (int i = 0; i < edges; ++i) {
            table[uniform(random, 0, table.size() - 1)].push_back(
                std::make_shared<Edge>(name(), name(), weight()));
        }
        return nonNegative || uniform(random, 0, 3) ? Graph(table) : Graph(Graph(table).adjList);
    }

    // Now and then self-loops, parallel edges of other weights and weight -1
    // entries; returns how many.
    int addExtras(Graph& graph) {
        const int extras = uniform(random, 0, 3) == 0 ? uniform(random, 1, 40) : 0;
        for (int i = 0; i < extras && graph.vertexCount > 0; ++i) {
            const int what = uniform(random, 0, nonNegative ? 1 : 2);
            const auto& row = graph.adjList[uniform(random, 0, graph.vertexCount - 1)];
            const char target =
                (*std::next(row.begin(), uniform(random, 1, row.size() - 1)))->vertex;
            const char source = row.front()->vertex;
            graph.addEdge(source, what == 0 ? source : target, what == 2 ? -1 : weight(),
                          directed());
        }
        return extras;
    }
};

}  // namespace

RandomGraph randomGraph(std::uint32_t seed, int maxNames, bool nonNegative) {
    std::mt19937 random(seed);
    const int count = uniform(random, 2, maxNames);
    std::vector<char> names = randomNames(random, count);
    const int mix = uniform(random, 0, nonNegative ? 2 : 4);
    const int directions = uniform(random, 0, 2);
    Draw draw{random, count, std::move(names), mix, directions, nonNegative};
    RandomGraph result{Graph({}), ""};
    const int edges = uniform(draw.random, 1, std::min(3000, count * 8));
    static const char* const kinds[] = {"sparse", "complete", "dag", "table"};
    result.kind = kinds[seed % 4];
    switch (seed % 4) {
        case 0:
            draw.sparse(result.graph, edges);
            break;
        case 1:
            draw.complete(result.graph);
            break;
        case 2:
            draw.dag(result.graph, edges);
            break;
        default:
            result.graph = draw.fromTable(edges);
    }
    const int extras = draw.addExtras(result.graph);
    result.kind += ", " + std::to_string(count) + " names, weights " + std::to_string(mix) +
                   ", directions " + std::to_string(directions) + ", extras " +
                   std::to_string(extras);
    return result;
}

std::string graphText(const Graph& graph) {
    auto nameText = [](char name) {
        const unsigned char c = name;
        const char* hex = "0123456789ABCDEF";
        return std::isalpha(c) ? std::string(1, name)
                               : std::string("\\x") + hex[c >> 4] + hex[c & 15];
    };
    std::string text;
    for (const auto& row : graph.adjList) {
        text += (text.empty() ? "" : " ") + nameText(row.front()->vertex) + ":";
        for (auto entry = std::next(row.begin()); entry != row.end(); ++entry) {
            text += nameText((*entry)->vertex) + std::to_string((*entry)->weight) +
                    (std::next(entry) == row.end() ? "" : ",");
        }
    }
    return text;
}
