#include "tests/reference/random_graphs.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <random>
#include <vector>

namespace {

// What one seed draws from: its names, its mix of weights, its directions.
struct Draw {
    std::mt19937 random;
    std::vector<char> names;
    int mix = 0;         // 0 to 2 never below 0; 3 small negative; 4 near the ends of int
    int directions = 0;  // directed, undirected, mixed

    int uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
    int count() const { return static_cast<int>(names.size()); }
    char name(int first = 0) {
        return names[static_cast<std::size_t>(uniform(first, count() - 1))];
    }
    bool directed() { return directions == 0 || (directions == 2 && uniform(0, 1)); }
    int weight() {
        static const int low[] = {0, 0, 0, -6}, high[] = {2, 20, INT_MAX, 12};
        static const int extremes[] = {INT_MIN, INT_MIN + 1, -2147483000, -5,         -1,
                                       0,       1,           2000000000,  2147483000, INT_MAX};
        return mix < 4 ? uniform(low[mix], high[mix]) : extremes[uniform(0, 9)];
    }
};

// Distinct names: letters when they suffice and a coin says so, else any byte
// values, half the time with NUL among them.
std::vector<char> randomNames(Draw& draw, int count) {
    const bool letters = count <= 52 && draw.uniform(0, 1) == 0;
    std::vector<char> names;
    for (int c = 0; c < static_cast<int>(kNameCount); ++c) {
        if (!letters || std::isalpha(c)) {
            names.push_back(static_cast<char>(c));
        }
    }
    std::shuffle(names.begin(), names.end(), draw.random);
    names.resize(static_cast<std::size_t>(count));
    if (!letters && draw.uniform(0, 1) == 0 && std::count(names.begin(), names.end(), '\0') == 0) {
        names[0] = '\0';
    }
    return names;
}

// Every pair joined, weights 0 to 2: many equal distances.
void complete(Draw& draw, Graph& graph) {
    const int joined = std::min(draw.count(), 64);
    for (int i = 0; i < joined; ++i) {
        for (int j = i + 1; j < joined; ++j) {
            graph.addEdge(draw.names[i], draw.names[j], draw.uniform(0, 2), draw.directed());
        }
    }
}

// From earlier names to later ones, and a few back.
void dag(Draw& draw, Graph& graph, int edges) {
    for (int i = 0; i < edges; ++i) {
        const int a = draw.uniform(0, draw.count() - 2);
        graph.addEdge(draw.names[static_cast<std::size_t>(a)], draw.name(a + 1), draw.weight(),
                      true);
    }
    for (int i = draw.uniform(-3, 3); i > 0; --i) {
        graph.addEdge(draw.name(), draw.name(), draw.weight(), true);
    }
}

// Records v, p, w read as edges v -> p; another graph's table gives edges into
// NUL, head entries' -1 included.
Graph fromTable(Draw& draw, int edges, bool nonNegative) {
    std::vector<std::list<std::shared_ptr<Edge>>> table(
        static_cast<std::size_t>(draw.uniform(1, 8)));
    for (int i = 0; i < edges; ++i) {
        table[static_cast<std::size_t>(draw.uniform(0, static_cast<int>(table.size()) - 1))]
            .push_back(std::make_shared<Edge>(draw.name(), draw.name(), draw.weight()));
    }
    return nonNegative || draw.uniform(0, 3) ? Graph(table) : Graph(Graph(table).adjList);
}

// Now and then self-loops, parallel edges of other weights, weight -1 entries.
void addExtras(Draw& draw, Graph& graph, bool nonNegative) {
    for (int i = draw.uniform(0, 3) == 0 ? draw.uniform(1, 40) : 0; i > 0 && graph.vertexCount > 0;
         --i) {
        const int what = draw.uniform(0, nonNegative ? 1 : 2);
        const auto& row =
            graph.adjList[static_cast<std::size_t>(draw.uniform(0, graph.vertexCount - 1))];
        const char source = row.front()->vertex;
        const char target =
            (*std::next(row.begin(), draw.uniform(1, static_cast<int>(row.size()) - 1)))->vertex;
        graph.addEdge(source, what == 0 ? source : target, what == 2 ? -1 : draw.weight(),
                      draw.directed());
    }
}

}  // namespace

RandomGraph randomGraph(std::uint32_t seed, int maxNames, bool nonNegative) {
    Draw draw{std::mt19937(seed), {}};
    const int count = draw.uniform(2, maxNames);
    draw.names = randomNames(draw, count);
    draw.mix = draw.uniform(0, nonNegative ? 2 : 4);
    draw.directions = draw.uniform(0, 2);
    static const char* const kinds[] = {"sparse", "complete", "dag", "table"};
    RandomGraph result{Graph({}), kinds[seed % 4]};
    const int edges = draw.uniform(1, std::min(3000, count * 8));
    if (seed % 4 == 0) {
        for (int i = 0; i < edges; ++i) {
            result.graph.addEdge(draw.name(), draw.name(), draw.weight(), draw.directed());
        }
    } else if (seed % 4 == 1) {
        complete(draw, result.graph);
    } else if (seed % 4 == 2) {
        dag(draw, result.graph, edges);
    } else {
        result.graph = fromTable(draw, edges, nonNegative);
    }
    addExtras(draw, result.graph, nonNegative);
    result.kind += ", " + std::to_string(count) + " names, weights " + std::to_string(draw.mix) +
                   ", directions " + std::to_string(draw.directions);
    return result;
}

std::string edgeListOf(const Graph& graph, std::uint32_t shuffle) {
    std::vector<std::string> lines;
    for (const auto& row : graph.adjList) {
        for (auto entry = std::next(row.begin()); entry != row.end(); ++entry) {
            const char source = row.front()->vertex, target = (*entry)->vertex;
            if (!std::isspace(static_cast<unsigned char>(source)) &&
                !std::isspace(static_cast<unsigned char>(target))) {
                lines.push_back(std::string{source, ' ', target, ' '} +
                                std::to_string((*entry)->weight) + '\n');
            }
        }
    }
    if (shuffle != 0) {
        std::shuffle(lines.begin(), lines.end(), std::mt19937(shuffle));
    }
    std::string text;
    for (const std::string& line : lines) {
        text += line;
    }
    return text;
}
