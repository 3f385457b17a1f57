// QueryIndex: the queries answered from a summary of a table, built from a
// graph or straight from an edge list.
#ifndef GRAPH_QUERY_INDEX_H_
#define GRAPH_QUERY_INDEX_H_

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "graph/edge_list.h"
#include "graph/part_summary.h"
#include "graph/routes.h"

class Graph;

namespace graph_internal {
class TableSummary;
}

// What the queries read of a table, gathered in one pass: the names in order
// of first appearance and as read, each row's distinct neighbours with the
// weight of the first entry naming each and the least, and every name's
// in-degree. Each operation answers as the graph's operation of the same name
// does on that table, in time that does not grow with the number of entries;
// built from an edge list, it answers without the table ever being built.
// Building one takes O(E) time and O(V^2) memory; copies share it.
class QueryIndex {
  public:
    // Summarizes `graph`'s table as it is now. O(E).
    explicit QueryIndex(const Graph& graph);

    // Summarizes the table that `Graph(input, directed, report, header)` would
    // build, reading `input` exactly as that constructor does, without the
    // table. O(input) time, O(V^2) memory.
    QueryIndex(std::istream& input, bool directed, LoadReport& report,
               EdgeListHeader header = EdgeListHeader::twoRecords);

    // Summarizes the table that reading the first `size` bytes of a file that
    // `readAt` reads as a stream would build, with the same report, reading
    // up to `jobs` parts of it at once on threads of their own. O(size / jobs)
    // time, O(jobs * V^2) memory.
    QueryIndex(const ReadAt& readAt, std::uint64_t size, bool directed, LoadReport& report,
               EdgeListHeader header = EdgeListHeader::twoRecords, unsigned jobs = 1);

    // Summarizes the table that reading `part`'s bytes would build: for the
    // merge of an input's parts from its first through its last, the table
    // of the whole input, whose report is `part.report()`. O(V^2).
    explicit QueryIndex(const PartSummary& part);

    // Summarizes the table that reading `inputs` one after the other into
    // one table would build, each input the merge of its own parts from its
    // first through its last: their edges in the order given (none: the
    // empty table). An input that is not whole adds the triples its parts
    // read, nothing more. Unlike PartSummary::merge this joins inputs, not parts:
    // each was read from its own start, a stop in one ends only its own
    // reading, and the reports stay each input's. Throws
    // std::invalid_argument when they disagree on `directed`.
    // O(inputs * V^2).
    explicit QueryIndex(const std::vector<const PartSummary*>& inputs);

    // Takes the edges of a graph one by one, as `addEdge` does.
    using EdgeVisitor = std::function<void(char source, char target, int weight)>;

    // Summarizes the table that `addEdge(source, target, weight, directed)`
    // would build for each edge `forEachEdge` hands to its visitor, in order.
    // O(E) time, O(V^2) memory.
    QueryIndex(const std::function<void(const EdgeVisitor&)>& forEachEdge, bool directed);

    // As the constructor above, for edges handed on a batch at a time, as
    // readEdgeList hands them. O(E) time, O(V^2) memory.
    QueryIndex(const std::function<void(const EdgeBatchVisitor&)>& forEachBatch, bool directed);

    // As the graph's operations of the same names, in O(V^2) time (Reachable
    // in O(V + S), the least-weight routes in O(V * S), S the distinct
    // steps); with EdgeEntries::every, ties and the order of the routes follow
    // `namesAsRead()`.
    bool Reachable(char from, char to) const;
    int Dijkstra(char from, char to) const;
    std::string topoSort() const;
    std::string topoSort(EdgeEntries entries) const;
    std::optional<std::int64_t> shortestDistance(char from, char to) const;
    std::vector<std::pair<char, std::optional<std::int64_t>>> shortestDistances(char from) const;
    std::string shortestPath(char from, char to) const;
    std::vector<Route> shortestRoutes(char from) const;
    Route leastWeightRoute(char from, char to, EdgeEntries entries = EdgeEntries::neighbours) const;
    std::vector<Route> leastWeightRoutes(char from,
                                         EdgeEntries entries = EdgeEntries::neighbours) const;
    TopoObstacle topoObstacle(EdgeEntries entries = EdgeEntries::neighbours) const;
    std::string vertexNames() const;

    // The strongly connected components of the steps that `entries` makes
    // edges (of a table loaded undirected, its connected components): every
    // name in exactly one, each component's names in the tie order of
    // `entries` (namesAsRead() for every, vertexNames() for neighbours), the
    // components ordered by their first name. O(V + S).
    std::vector<std::string> components(EdgeEntries entries = EdgeEntries::neighbours) const;

    // What leastWeightRoutes(from, entries) gives for every `from` and every
    // target, as lengths only: rows and columns in the tie order of `entries`.
    // O(V * S + V^3) time, O(V^2) memory.
    DistanceMatrix leastWeightMatrix(EdgeEntries entries = EdgeEntries::neighbours) const;

    // What shortestRoutes(from) gives for every `from` and every target, as
    // lengths only (unreachable where it gives none; never clamped): rows
    // and columns in vertexNames() order. O(V^3).
    DistanceMatrix shortestDistanceMatrix() const;

    // A minimum spanning forest of the steps that `entries` makes edges,
    // taken as undirected and loops aside: one edge for each pair of names a
    // step joins either way, weighing with EdgeEntries::every the least of
    // its entries either way, with EdgeEntries::neighbours the lesser of the
    // two directions' step weights (the first entry's, as Dijkstra takes
    // them). Edges are taken by Kruskal's rule, lightest first; of equal
    // weights, with `every` the pair whose first triple was read first, with
    // `neighbours` the pair whose first step a walk of the rows in order meets
    // first.
    // Returns the forest's edges in the order taken, each from the name that
    // comes first in the tie order of `entries`. O(S log S).
    std::vector<EdgeTriple> spanningForest(EdgeEntries entries = EdgeEntries::neighbours) const;

    // Every name once, in the order it was first read, each edge's source
    // before its target; for an index built from a Graph, the table's order. O(V).
    std::string namesAsRead() const;

    // The number of rows of the table: the graph's `vertexCount`. O(1).
    int vertexCount() const;

    // Every distinct step that `entries` makes edges, once each: with
    // EdgeEntries::every one for each pair of names some entry joins, weighing
    // the least of those entries; with EdgeEntries::neighbours one for each
    // pair a neighbour entry joins, weighing the first entry naming its target
    // whatever its weight (for a loop the head entry's, -1), as Dijkstra
    // weighs a step.
    // Sources in the tie order of `entries`, each source's targets in the
    // order of their first entry; a table loaded undirected gives each pair
    // both ways. O(V + S).
    std::vector<EdgeTriple> steps(EdgeEntries entries = EdgeEntries::neighbours) const;

  private:
    std::shared_ptr<const graph_internal::TableSummary> summary_;
};

#endif  // GRAPH_QUERY_INDEX_H_
