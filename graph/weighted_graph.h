// The graph: an adjacency table of shared edge records over single-character
// vertex names, its loaders, its listing and its queries.
//
// The table `adjList` is public. Each row belongs to one vertex: its first
// entry, the head entry, names that vertex with weight -1, and the entries
// after it are the vertex's outgoing edges (target name and weight) in the
// order they were added. Every operation keeps these invariants and relies on
// them: rows are never empty, no two rows share a head vertex, `vertexCount`
// equals the number of rows, and no handle in the table is null. A caller
// that edits the table directly must keep them too.
//
// The library's rules: an entry of weight -1 looks like a head entry and is
// never listed or followed (see isNeighbourEntry), although it is stored like
// any other; names appear in a fixed order, row by row, each row from its
// head entry on, and the queries break ties by it.
#ifndef GRAPH_WEIGHTED_GRAPH_H_
#define GRAPH_WEIGHTED_GRAPH_H_

#include <array>
#include <cstdint>
#include <list>
#include <memory>
#include <optional>
#include <queue>
#include <string>
#include <utility>
#include <vector>

#include "graph/edge_list.h"
#include "graph/routes.h"

// One entry of the adjacency table: in a head entry `vertex` is the row's own
// vertex and `weight` is -1; in every other entry `vertex` is the edge's target.
// `prev` is NUL in every record the graph builds; only the table constructor
// reads it, as an edge's target.
struct Edge {
    char vertex;
    char prev;
    int weight;

    // Stores `vertex`, `prev` and `weight` unchanged.
    Edge(char vertex, char prev, int weight);
};

// isNeighbourEntry()
//
// Whether an entry of `weight` is a neighbour entry, one that the listing
// shows and the library's queries follow: every weight but -1, which head
// entries carry. O(1).
constexpr bool isNeighbourEntry(int weight) {
    return weight != -1;
}

class Graph {
  public:
    std::vector<std::list<std::shared_ptr<Edge>>> adjList;
    int vertexCount;

    // ---- Building a graph ----------------------------------------------

    // Loads the edge-list file `fileName`, adding every triple as
    // `addEdge(source, target, weight, directed)` until the first item that
    // cannot be read. A file that cannot be opened or read writes "Unable to
    // open file" and a line end to standard error and yields an empty graph.
    // O(E); each row's entries lie together in memory.
    Graph(std::string fileName, bool directed);

    // As Graph(fileName, directed), but writes nothing: `report` tells how
    // reading ended, Stop::cannotOpen with the system's reason for a file that
    // cannot be opened or read. O(E).
    Graph(const std::string& fileName, bool directed, LoadReport& report,
          EdgeListHeader header = EdgeListHeader::twoRecords);

    // Reads an edge list from `input` as the file constructor reads a file,
    // in the classic locale, and leaves `input` where `>>` would (failbit set;
    // eofbit at the end; badbit after a read error). Writes nothing. O(E).
    Graph(std::istream& input, bool directed);

    // As Graph(input, directed), and fills `report` with how reading ended.
    Graph(std::istream& input, bool directed, LoadReport& report,
          EdgeListHeader header = EdgeListHeader::twoRecords);

    // A directed graph holding, for every entry `e` of `table` row by row and
    // in list order (head entries included), the edge e.vertex -> e.prev of
    // weight e.weight; it shares no record with `table`. O(E).
    explicit Graph(std::vector<std::list<std::shared_ptr<Edge>>> table);

    // Copies share their `Edge` records with the original; moves take constant
    // time and leave the source fit only to be assigned to or destroyed.
    Graph(const Graph&) = default;
    Graph(Graph&&) = default;
    Graph& operator=(const Graph&) = default;
    Graph& operator=(Graph&&) = default;

    // Releases the table; a record is freed when its last handle goes.
    ~Graph();

    // Appends source->target of `weight` to the row of `source`, creating the
    // row (head entry first) at the end of the table if need be; unless
    // `directed`, also target->source to the row of `target`. Nothing is
    // rejected; if an allocation throws, the table is left as it was.
    // O(1) amortised; O(V) when a row is created.
    void addEdge(char source, char target, int weight, bool directed);

    // The listing: for every row in order and every neighbour entry of it,
    // "(S,T,W) " (row vertex, entry vertex, weight in decimal, ")" and a
    // blank). Empty for an empty graph. O(E).
    std::string display() const;

    // ---- The original interface's adjacency helpers --------------------
    // Each reads the row of `vertex` (none for a vertex without one), walks
    // its neighbour entries in order and writes only into what it is given.

    // Pushes onto `queue` every neighbour not in `visited` (repeats included)
    // until the first naming `target`, and returns whether one did. `visited`
    // is the caller's copy. O(V + row length).
    bool insertAdjacentElements(std::queue<char>& queue, std::vector<char> visited, char vertex,
                                char target) const;

    // Appends to `out` the name of every neighbour entry not in `visited`,
    // once per entry. O(V + row length).
    void insertAdjacentNodes(std::vector<char>& out, std::vector<char> visited, char vertex) const;

    // Appends to `out` a new record (name, NUL, weight) for every neighbour
    // entry. O(V + row length).
    void insertAdjacentElementsDijkstra(std::vector<std::shared_ptr<Edge>>& out, char vertex) const;

    // The weight of the first entry of the row of `from` naming `to`, head
    // entry included (so -1 for `from == to`), or 0 when there is none.
    // O(V + row length).
    int getAdjacentDistance(char from, char to) const;

    // Does nothing; use `shortestPath`.
    void givePath(char, char, int);

    // ---- Queries by the library's rules --------------------------------

    // Whether a path of one or more neighbour entries leads from `from` to
    // `to`: so `Reachable(a, a)` needs a cycle through `a`. O(V + E).
    bool Reachable(char from, char to) const;

    // What `shortestDistance` answers, clamped into the `int` range, or -1
    // when `to` is not reachable. O(E + V^2).
    int Dijkstra(char from, char to) const;

    // The vertices in topological order by Kahn's method, ties to the name
    // first in the table; entries of weight -1 count as incoming edges but are
    // never released, and vertices on or behind a cycle are left out. O(E + V log V).
    std::string topoSort() const;

    // The exact length of the shortest path by a label-setting search: each
    // vertex settled once, nearest first (ties to the name first in the
    // table), a step weighing the first entry naming its target, self-loops
    // aside; 0 from `a` to `a` when `a` lies on a cycle. O(E + V^2).
    std::optional<std::int64_t> shortestDistance(char from, char to) const;

    // `shortestDistance(from, name)` for every name in order of first
    // appearance, from one search. O(E + V^2).
    std::vector<std::pair<char, std::optional<std::int64_t>>> shortestDistances(char from) const;

    // The vertices of the path `shortestDistance` measures ("ACED"), "a" from
    // `a` to itself on a cycle, empty when unreachable. O(E + V^2).
    std::string shortestPath(char from, char to) const;

    // A route for every name in order of first appearance, with what
    // `shortestDistance` and `shortestPath` answer, from one search. O(E + V^2).
    std::vector<Route> shortestRoutes(char from) const;

    // What keeps vertices out of `topoSort(entries)`: walking back from the
    // first left-out name, an entry of weight -1 into the vertex at hand
    // (EdgeEntries::neighbours only), or else an entry from a left-out name
    // into it, until a vertex repeats. O(E + V^2).
    TopoObstacle topoObstacle(EdgeEntries entries = EdgeEntries::neighbours) const;

    // Every name of the table, once each, in order of first appearance. O(E).
    std::string vertexNames() const;

    // ---- Least total weights -------------------------------------------

    // The least total weight over all paths from `from` to `to`, each step
    // weighing the least of its `entries`, with one such path of the fewest
    // edges (each vertex reached from the first such predecessor in order of
    // first appearance); none, and a cycle named, where a negative cycle on a
    // path leaves no least weight. `from` is 0 from itself. O(E + V * S), S
    // the distinct steps.
    Route leastWeightRoute(char from, char to, EdgeEntries entries = EdgeEntries::neighbours) const;

    // `leastWeightRoute(from, name, entries)` for every name in order of first
    // appearance, from one search. O(E + V * S).
    std::vector<Route> leastWeightRoutes(char from,
                                         EdgeEntries entries = EdgeEntries::neighbours) const;

    // With EdgeEntries::every, Kahn's method over every entry, so that only
    // cycles keep vertices out; else `topoSort()`. O(E + V log V).
    std::string topoSort(EdgeEntries entries) const;

  private:
    // Reads an edge list into this empty graph; see the stream constructors.
    void load(std::istream& input, bool directed, LoadReport& report, EdgeListHeader header);

    // The row of `name` (of the first `vertexCount` rows, as far as the table
    // holds them), or -1. `rowHint_` remembers rows; a hint is trusted only
    // after its row's head entry has been read back.
    int findRow(char name);

    std::array<int, kNameCount> rowHint_{};
};

#endif  // GRAPH_WEIGHTED_GRAPH_H_
