// A weighted graph over single-character vertex names, stored as an adjacency
// table of shared edge records and loaded from edge-list text.
//
// The table `adjList` is public. Each row belongs to one vertex: its first
// entry, the head entry, names that vertex with weight -1, and the entries after
// it are the vertex's outgoing edges (target name and weight) in the order they
// were added. Every operation below keeps these invariants and relies on them:
// rows are never empty, no two rows share a head vertex, `vertexCount` equals
// the number of rows, and no handle in the table is null. A caller that edits
// the table directly must keep them too.
//
// Entries of weight -1 look like head entries and are never listed or followed
// by the queries, although they are stored like any other edge.
//
// Names appear in the table in a fixed order: row by row, each row from its
// head entry on. The queries break ties by this order of first appearance.
#ifndef GRAPH_GRAPH_H_
#define GRAPH_GRAPH_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <list>
#include <memory>
#include <optional>
#include <queue>
#include <string>
#include <utility>
#include <vector>

// One entry of the adjacency table: in a head entry `vertex` is the row's own
// vertex and `weight` is -1; in every other entry `vertex` is the edge's target.
// `prev` is NUL in every record the graph builds; only the table constructor
// reads it, as an edge's target.
struct Edge {
    char vertex;
    char prev;
    int weight;

    // Edge()
    //
    // Stores `vertex`, `prev` and `weight` unchanged.
    Edge(char vertex, char prev, int weight);
};

// Where in an edge list something was found: a byte offset from 0, and the
// line and byte column from 1 of that offset.
struct InputPosition {
    std::uint64_t offset = 0;
    std::uint64_t line = 1;
    std::uint64_t column = 1;
};

// How reading an edge list ended, as the loading constructor that takes one
// reports it.
struct LoadReport {
    enum class Stop {
        endOfInput,   // every item was read: the input ended after a whole triple, or held none
        endInHeader,  // the input ended inside the two header records
        endInTriple,  // the input ended after the source or the target of a triple
        notANumber,   // a header value or a weight does not start with digits
        outOfRange,   // a header value or a weight lies outside the int range
        inputError,   // the stream went bad: a read error
    };

    std::size_t triples = 0;  // edge triples added to the graph
    Stop stop = Stop::endOfInput;
    bool inHeader = false;  // reading stopped inside the two header records
    // The start of the item that could not be read (after the whitespace before
    // it), the end of the input, or, for an input error, how far reading got.
    InputPosition stoppedAt;
    // What was read of that item, and the one byte that ended it: "x" for a
    // weight "x", "-" for a lone minus sign at the end, the digits of a value out
    // of range (at most 32 bytes). Empty at the end of the input.
    std::string found;
    // The first weight followed directly by a byte that is not whitespace, as
    // in "1.25", "0x10" or "6B": that byte is read as the next item, which the
    // format allows but a writer seldom means. `joinedAt` is that byte's place.
    bool joinedWeight = false;
    InputPosition joinedAt;
    char joinedByte = '\0';
    // The first character item (a name, or a header record's character) of a
    // byte 0x80 or above followed directly by another such byte, as in UTF-8
    // text, where one character is several bytes and so several items.
    bool multiByteName = false;
    InputPosition multiByteNameAt;
    std::string multiByteNameBytes;  // that byte and the one after it

    // Whether the whole input was read.
    bool complete() const { return stop == Stop::endOfInput; }
};

// Whether an edge list starts with the two header records, as the format
// has it, or directly with its first triple, as many edge lists are written.
enum class EdgeListHeader { twoRecords, none };

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

class Graph {
  public:
    std::vector<std::list<std::shared_ptr<Edge>>> adjList;
    int vertexCount;

    // Graph(fileName, directed)
    //
    // Loads an edge-list file: two header records (a character and an integer
    // each, ignored), then edge triples "source target weight" separated by any
    // whitespace, each added as by `addEdge(source, target, weight, directed)`.
    // Reading stops at the first item that cannot be read (end of file, a
    // weight that is not a decimal number or lies outside the `int` range); the
    // triple it falls in is dropped, every earlier one is kept. A file that
    // cannot be opened or read writes "Unable to open file" and a line end to
    // standard error and yields an empty graph. O(E); the table is laid out row
    // by row, so each row's entries lie together in memory.
    Graph(std::string fileName, bool directed);

    // Graph(input, directed)
    //
    // Reads an edge list from `input` exactly as the file constructor reads a
    // file, in the classic locale whatever `input`'s own, and leaves `input`
    // where formatted extraction would: after the item that could not be read,
    // with failbit set (and eofbit at the end, badbit after a read error;
    // whatever the stream buffer throws counts as a read error, as it does for
    // extraction). Opens nothing and writes no message.
    Graph(std::istream& input, bool directed);

    // Graph(input, directed, report)
    //
    // As Graph(input, directed), and fills `report` with how reading ended.
    Graph(std::istream& input, bool directed, LoadReport& report);

    // Graph(table)
    //
    // Builds a directed graph holding, for every entry `e` of `table` row by
    // row and in list order (head entries included), the edge e.vertex ->
    // e.prev of weight e.weight, as `addEdge(e.vertex, e.prev, e.weight, true)`
    // would. The new graph shares no record with `table`.
    explicit Graph(std::vector<std::list<std::shared_ptr<Edge>>> table);

    // Copies share their `Edge` records with the original; moves take constant
    // time and leave the source fit only to be assigned to or destroyed.
    Graph(const Graph&) = default;
    Graph(Graph&&) = default;
    Graph& operator=(const Graph&) = default;
    Graph& operator=(Graph&&) = default;

    // Releases the table; a record is freed when its last handle goes.
    ~Graph();

    // addEdge()
    //
    // Appends the edge source->target with `weight` to the row of `source`,
    // creating that row (head entry first) at the end of the table if it does
    // not exist. Unless `directed`, also appends target->source to the row of
    // `target` in the same way. Nothing is rejected: duplicates, loops and any
    // weight are stored as given. If an allocation throws, the table is left
    // exactly as it was. O(1) amortised; O(V) when a row is created.
    void addEdge(char source, char target, int weight, bool directed);

    // display()
    //
    // Returns the edge listing: for every row in table order and every entry
    // of that row whose weight is not -1, the item "(S,T,W) " (row vertex,
    // entry vertex, weight in decimal, closing parenthesis and one blank). An
    // empty graph yields the empty string. O(E).
    std::string display() const;

    // insertAdjacentElements()
    //
    // Walks the neighbour entries (weight not -1) of `vertex`'s row in order
    // and returns true at the first one naming `target`; before that, pushes
    // every neighbour not in `visited` onto `queue` (repeats included). Returns
    // false, having pushed all such neighbours, when `target` is not met.
    // `visited` is the caller's copy and is not changed. O(V + row length).
    bool insertAdjacentElements(std::queue<char>& queue, std::vector<char> visited, char vertex,
                                char target) const;

    // insertAdjacentNodes()
    //
    // Appends to `out`, in row order, the name of every neighbour entry of
    // `vertex` that is not in `visited`; parallel edges append a name once per
    // entry. Appends nothing for a vertex without a row. Never clears `out`.
    // O(V + row length).
    void insertAdjacentNodes(std::vector<char>& out, std::vector<char> visited, char vertex) const;

    // insertAdjacentElementsDijkstra()
    //
    // Appends to `out` a new record (name, NUL, weight) for every neighbour
    // entry of `vertex`, in row order. The records are copies owned by `out`.
    // O(V + row length).
    void insertAdjacentElementsDijkstra(std::vector<std::shared_ptr<Edge>>& out, char vertex) const;

    // getAdjacentDistance()
    //
    // Returns the weight of the first entry in the row of `from` that names
    // `to`, the head entry included: so -1 when `from == to` and `from` has a
    // row. Returns 0 when no such entry exists (as for an edge of weight 0).
    // O(V + row length).
    int getAdjacentDistance(char from, char to) const;

    // givePath()
    //
    // Does nothing: kept for callers of the original interface. Use
    // `shortestPath` to obtain a path.
    void givePath(char, char, int);

    // Reachable()
    //
    // Returns true when a path of one or more edges (weight -1 entries are not
    // followed) leads from `from` to `to`. So `Reachable(a, a)` needs a cycle
    // through `a`. False when either name is absent. O(V + E).
    bool Reachable(char from, char to) const;

    // Dijkstra()
    //
    // Returns the length of the shortest path from `from` to `to` as
    // `shortestDistance` finds it, clamped into the `int` range, or -1 when `to`
    // is not reachable (see `Reachable`). So -1 is also the answer for a path
    // of length -1. O(E + V^2).
    int Dijkstra(char from, char to) const;

    // topoSort()
    //
    // Returns the vertices in topological order (Kahn's method), choosing
    // among the vertices with no remaining incoming edge the one named first in
    // the table. Vertices on or behind a cycle are left out; the result is
    // empty when no vertex starts with in-degree 0 (for instance, any
    // undirected graph with an edge). Entries of weight -1 count as incoming
    // edges but are never released. O(E + V log V).
    std::string topoSort() const;

    // shortestDistance()
    //
    // Returns the exact length of the shortest path from `from` to `to`, or
    // nothing when `to` is not reachable. Vertices are settled once each,
    // nearest first, ties going to the name that appears first in the table,
    // so a negative edge into a settled vertex is not followed. A step u->v
    // weighs what the first entry naming v in u's row holds (an entry of weight
    // -1 included), and self-loops take no part. `shortestDistance(a, a)` is 0
    // when `a` lies on a cycle. O(E + V^2).
    std::optional<std::int64_t> shortestDistance(char from, char to) const;

    // shortestDistances()
    //
    // Returns every name of the table in order of first appearance, each with
    // what `shortestDistance(from, name)` answers, from one search. Empty for
    // an empty graph. O(E + V^2).
    std::vector<std::pair<char, std::optional<std::int64_t>>> shortestDistances(char from) const;

    // shortestPath()
    //
    // Returns the vertices of the path `shortestDistance` measures, both ends
    // included ("ACED"); its steps' weights add up to that distance.
    // `shortestPath(a, a)` is "a" when `a` lies on a cycle. Empty when `to` is
    // not reachable. O(E + V^2).
    std::string shortestPath(char from, char to) const;

    // shortestRoutes()
    //
    // Returns, from one search, a route for every name of the table in order
    // of first appearance: the length `shortestDistance(from, name)` answers
    // and the path `shortestPath(from, name)` answers. O(E + V^2).
    std::vector<Route> shortestRoutes(char from) const;

    // leastWeightRoute()
    //
    // Returns the least total weight of the paths from `from` to `to` and one
    // such path, in exact 64-bit sums: a step u->v weighs the smallest of u's
    // `entries` naming v, negative weights are followed, and `from` is 0 from
    // itself (the empty path). Of the least-weight paths it takes one with the
    // fewest edges, each vertex reached from the first such predecessor in
    // order of first appearance. Where a cycle of negative total weight lies on
    // some path from `from` to `to` there is no least weight: the route has no
    // length and names such a cycle. O(E + V * S), S the distinct steps.
    Route leastWeightRoute(char from, char to, EdgeEntries entries = EdgeEntries::neighbours) const;

    // leastWeightRoutes()
    //
    // Returns, from one search, what `leastWeightRoute(from, name, entries)`
    // answers for every name of the table in order of first appearance.
    // O(E + V * S).
    std::vector<Route> leastWeightRoutes(char from,
                                         EdgeEntries entries = EdgeEntries::neighbours) const;

    // topoSort(entries)
    //
    // With EdgeEntries::every, Kahn's method over every entry as an edge, so
    // that only cycles keep vertices out; with EdgeEntries::neighbours, as
    // `topoSort()`. Ties go to the name that appears first. O(E + V log V).
    std::string topoSort(EdgeEntries entries) const;

    // topoObstacle()
    //
    // Returns what keeps vertices out of `topoSort(entries)`: walking back from
    // the first left-out name, an entry of weight -1 into the vertex at hand
    // (with EdgeEntries::neighbours only; the first such entry's source in
    // order of first appearance), or else a step from the first left-out name
    // with an entry into it, until a vertex repeats; Kind::none when no vertex
    // is left out. O(E + V^2).
    TopoObstacle topoObstacle(EdgeEntries entries = EdgeEntries::neighbours) const;

    // vertexNames()
    //
    // Returns every name of the table, head entries and targets, once each in
    // order of first appearance. Empty for an empty graph. O(E).
    std::string vertexNames() const;

  private:
    // Reads an edge list into this empty graph; see the stream constructors.
    void load(std::istream& input, bool directed, LoadReport& report);

    // The row of `name` (of the first `vertexCount` rows, as far as the table
    // holds them), or -1. `rowHint_` remembers rows; a hint is trusted only
    // after its row's head entry has been read back.
    int findRow(char name);

    std::array<int, 256> rowHint_{};
};

namespace graph_internal {
class TableSummary;
}

// QueryIndex
//
// What the queries read of a table, gathered in one pass: the names in order
// of first appearance, each row's distinct neighbours with the weight of the
// first entry naming each and the smallest, and every name's in-degree. Each
// operation answers exactly as the graph's operation of the same name does on
// that table, in time that does not grow with the number of entries, so an
// index pays when one graph is asked many questions; built from an edge list,
// it answers without the table ever being built. Building one takes O(E) time
// and O(V^2) memory; copies share it.
class QueryIndex {
  public:
    // QueryIndex(graph)
    //
    // Summarizes `graph`'s table as it is now; later changes are not seen.
    // O(E).
    explicit QueryIndex(const Graph& graph);

    // QueryIndex(input, directed, report, header)
    //
    // Summarizes the table that `Graph(input, directed, report)` would build,
    // reading `input` exactly as that constructor does (the same bytes taken,
    // the same report, the same stream state) but without building the table:
    // memory stays O(V^2) however long the input. With EdgeListHeader::none
    // the first item is the first triple's source. O(input).
    QueryIndex(std::istream& input, bool directed, LoadReport& report,
               EdgeListHeader header = EdgeListHeader::twoRecords);

    // Takes the edges of a graph one by one, as `addEdge` does.
    using EdgeVisitor = std::function<void(char source, char target, int weight)>;

    // QueryIndex(forEachEdge, directed)
    //
    // Summarizes the table that `addEdge(source, target, weight, directed)`
    // would build for each edge that `forEachEdge` hands to the visitor it is
    // given, in order, without building the table. O(E) time, O(V^2) memory.
    QueryIndex(const std::function<void(const EdgeVisitor&)>& forEachEdge, bool directed);

    // Each of these answers as the graph's operation of the same name (see
    // there) in O(V^2) time, Reachable in O(V + distinct steps), and the
    // least-weight routes in O(V * S); except that with EdgeEntries::every,
    // ties and the order of the routes follow `namesAsRead()`.
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

    // namesAsRead()
    //
    // Returns every name once, in the order it first appears in the edges the
    // index was built from, each edge's source before its target; for an index
    // built from a Graph, in the order of the table. With EdgeEntries::every,
    // the least-weight and order queries break ties by this order. O(V).
    std::string namesAsRead() const;

    // vertexCount()
    //
    // Returns the number of rows of the table: the graph's `vertexCount`. O(1).
    int vertexCount() const;

  private:
    std::shared_ptr<const graph_internal::TableSummary> summary_;
};

#endif  // GRAPH_GRAPH_H_
