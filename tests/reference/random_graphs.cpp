#include "tests/reference/random_graphs.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <random>
#include <vector>

RandomGraph randomGraph(std::uint32_t seed, int maxNames, bool nonNegative) {
    std::mt19937 random(seed);
    const auto uniform = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    // Distinct names: letters when they suffice and a coin says so, else any
    // byte values, half the time with NUL among them.
    const int count = uniform(2, maxNames);
    const bool letters = count <= 52 && uniform(0, 1) == 0;
    std::vector<char> names;
    for (int c = 0; c < 256; ++c) {
        if (!letters || std::isalpha(c)) {
            names.push_back(static_cast<char>(c));
        }
    }
    std::shuffle(names.begin(), names.end(), random);
    names.resize(static_cast<std::size_t>(count));
    if (!letters && uniform(0, 1) == 0 && std::count(names.begin(), names.end(), '\0') == 0) {
        names[0] = '\0';
    }
    // Mixes 0 to 2 never go below 0: ties, small, large. Mix 3 holds small
    // negative weights (-1 among them), mix 4 the ends of int and near them.
    const int mix = uniform(0, nonNegative ? 2 : 4);
    static const int low[] = {0, 0, 0, -6}, high[] = {2, 20, INT_MAX, 12};
    static const int extremes[] = {INT_MIN, INT_MIN + 1, -2147483000, -5,         -1,
                                   0,       1,           2000000000,  2147483000, INT_MAX};
    const auto weight = [&] {
        return mix < 4 ? uniform(low[mix], high[mix]) : extremes[uniform(0, 9)];
    };
    const int directions = uniform(0, 2);  // directed, undirected, mixed
    const auto directed = [&] { return directions == 0 || (directions == 2 && uniform(0, 1)); };
    const auto name = [&](int first) {
        return names[static_cast<std::size_t>(uniform(first, count - 1))];
    };

    static const char* const kinds[] = {"sparse", "complete", "dag", "table"};
    RandomGraph result{Graph({}), kinds[seed % 4]};
    Graph& graph = result.graph;
    const int edges = uniform(1, std::min(3000, count * 8));
    if (seed % 4 == 1) {  // every pair joined, weights 0 to 2: many equal distances
        for (int i = 0; i < std::min(count, 64); ++i) {
            for (int j = i + 1; j < std::min(count, 64); ++j) {
                graph.addEdge(names[i], names[j], uniform(0, 2), directed());
            }
        }
    } else if (seed % 4 == 2) {  // from earlier names to later ones, and a few back
        for (int i = 0; i < edges; ++i) {
            const int a = uniform(0, count - 2);
            graph.addEdge(names[static_cast<std::size_t>(a)], name(a + 1), weight(), true);
        }
        for (int i = uniform(-3, 3); i > 0; --i) {
            graph.addEdge(name(0), name(0), weight(), true);
        }
    } else if (seed % 4 == 3) {  // records v, p, w read as edges v -> p
        std::vector<std::list<std::shared_ptr<Edge>>> table(
            static_cast<std::size_t>(uniform(1, 8)));
        for (int i = 0; i < edges; ++i) {
            table[static_cast<std::size_t>(uniform(0, static_cast<int>(table.size()) - 1))]
                .push_back(std::make_shared<Edge>(name(0), name(0), weight()));
        }
        // Another graph's table gives edges into NUL, head entries' -1 included.
        graph = nonNegative || uniform(0, 3) ? Graph(table) : Graph(Graph(table).adjList);
    } else {
        for (int i = 0; i < edges; ++i) {
            graph.addEdge(name(0), name(0), weight(), directed());
        }
    }
    // Now and then self-loops, parallel edges of other weights, weight -1 entries.
    for (int i = uniform(0, 3) == 0 ? uniform(1, 40) : 0; i > 0 && graph.vertexCount > 0; --i) {
        const int what = uniform(0, nonNegative ? 1 : 2);
        const auto& row =
            graph.adjList[static_cast<std::size_t>(uniform(0, graph.vertexCount - 1))];
        const char source = row.front()->vertex;
        const char target =
            (*std::next(row.begin(), uniform(1, static_cast<int>(row.size()) - 1)))->vertex;
        graph.addEdge(source, what == 0 ? source : target, what == 2 ? -1 : weight(), directed());
    }
    result.kind += ", " + std::to_string(count) + " names, weights " + std::to_string(mix) +
                   ", directions " + std::to_string(directions);
    return result;
}

std::string graphText(const Graph& graph) {
    std::string text;
    for (const auto& row : graph.adjList) {
        for (const auto& entry : row) {
            const auto c = static_cast<unsigned char>(entry->vertex);
            text +=
                std::isalpha(c) ? std::string(1, entry->vertex) : "\\x" + std::to_string(c) + ";";
            text += entry == row.front() ? ":" : std::to_string(entry->weight) + " ";
        }
    }
    return text;
}
