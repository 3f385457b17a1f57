// What the distance and order queries answer with.
#ifndef GRAPH_ROUTES_H_
#define GRAPH_ROUTES_H_

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Which entries of a table the least-weight and order queries take as edges.
enum class EdgeEntries {
    neighbours,  // every entry but those of weight -1, as the library's rules have it
    every,       // every entry, weight -1 included: each triple read is an edge
};

// What a search from one vertex finds for one target.
struct Route {
    char target = '\0';
    // The path's total weight; nothing when no path leads to `target`, or
    // when a negative cycle leaves no least weight.
    std::optional<std::int64_t> length;
    // The vertices from the start to `target`, both included ("ACE"); empty
    // when `length` is nothing.
    std::string path;
    // Set by the least-weight searches only: a cycle of negative total weight
    // on some path from the start to `target`, its first vertex repeated at
    // the end ("ABCA"); empty when there is none.
    std::string negativeCycle;
};

// What keeps vertices out of a topological order.
struct TopoObstacle {
    enum class Kind {
        none,        // no vertex is left out
        cycle,       // a cycle of entries among the left-out vertices
        hiddenEdge,  // an entry of weight -1 into a left-out vertex, never released
    };
    Kind kind = Kind::none;
    // A cycle's vertices in order, the first repeated at the end ("BCB"); or
    // the hidden entry's source and target ("AB").
    std::string vertices;
};

// What a distance matrix holds for one source and one target.
struct Distance {
    enum class Kind {
        weight,         // `weight` is the distance
        unreachable,    // no path leads from the source to the target
        negativeCycle,  // a negative cycle on a path from the source to the target leaves none
    };
    Kind kind = Kind::unreachable;
    std::int64_t weight = 0;  // set for Kind::weight only
};

// The distances from every vertex to every vertex: `rows[i][j]` is the
// distance from `names[i]` to `names[j]`.
struct DistanceMatrix {
    std::string names;
    std::vector<std::vector<Distance>> rows;
};

#endif  // GRAPH_ROUTES_H_
