// A weighted graph over single-character vertex names, stored as an adjacency
// table of shared edge records and loaded from edge-list text files.
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
#ifndef GRAPH_GRAPH_H_
#define GRAPH_GRAPH_H_

#include <array>
#include <list>
#include <memory>
#include <queue>
#include <string>
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

class Graph {
  public:
    std::vector<std::list<std::shared_ptr<Edge>>> adjList;
    int vertexCount;

    // Graph(fileName, directed)
    //
    // Loads an edge-list file: two header records (a character and an integer
    // each, ignored), then edge triples "source target weight" separated by any
    // whitespace, each added with `addEdge(source, target, weight, directed)`.
    // Reading stops at the first item that cannot be read (end of file, a
    // weight that is not a decimal number or lies outside the `int` range); the
    // triple it falls in is dropped, every earlier one is kept. A file that
    // cannot be opened or read writes "Unable to open file" and a line end to
    // standard error and yields an empty graph. Never throws for a bad file.
    Graph(std::string fileName, bool directed);

    // Graph(table)
    //
    // Builds a directed graph by calling `addEdge(e.vertex, e.prev, e.weight,
    // true)` for every entry `e` of `table`, row by row and in list order, head
    // entries included. The new graph shares no record with `table`.
    explicit Graph(std::vector<std::list<std::shared_ptr<Edge>>> table);

    // Releases the table; a record is freed when its last handle goes.
    ~Graph();

    // addEdge()
    //
    // Appends the edge source->target with `weight` to the row of `source`,
    // creating that row (head entry first) at the end of the table if it does
    // not exist. Unless `directed`, also appends target->source to the row of
    // `target` in the same way. Nothing is rejected: duplicates, loops and any
    // weight are stored as given. O(1) amortised per call.
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
    // `visited` is the caller's copy and is not changed.
    bool insertAdjacentElements(std::queue<char>& queue, std::vector<char> visited, char vertex,
                                char target) const;

    // insertAdjacentNodes()
    //
    // Appends to `out`, in row order, the name of every neighbour entry of
    // `vertex` that is not in `visited`; parallel edges append a name once per
    // entry. Appends nothing for a vertex without a row. Never clears `out`.
    void insertAdjacentNodes(std::vector<char>& out, std::vector<char> visited, char vertex) const;

    // insertAdjacentElementsDijkstra()
    //
    // Appends to `out` a new record (name, NUL, weight) for every neighbour
    // entry of `vertex`, in row order. The records are copies owned by `out`.
    void insertAdjacentElementsDijkstra(std::vector<std::shared_ptr<Edge>>& out, char vertex) const;

    // getAdjacentDistance()
    //
    // Returns the weight of the first entry in the row of `from` that names
    // `to`, the head entry included: so -1 when `from == to` and `from` has a
    // row. Returns 0 when no such entry exists (as for an edge of weight 0).
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
    // Returns the length of the shortest path from `from` to `to`, using for
    // each step the weight of the first entry naming the target in the source's
    // row, or -1 when `to` is not reachable (see `Reachable`); `Dijkstra(a, a)`
    // is 0 when `a` lies on a cycle. Vertices are settled once each, nearest
    // first (ties go to the vertex named first in the table), so a negative
    // edge into a settled vertex is not followed. Sums are formed without
    // overflow and saturate at the `int` range. O(E + V^2 log V).
    int Dijkstra(char from, char to) const;

    // topoSort()
    //
    // Returns the vertices in topological order (Kahn's method), choosing
    // among the vertices with no remaining incoming edge the one named first in
    // the table. Vertices on or behind a cycle are left out; the result is
    // empty when no vertex starts with in-degree 0 (for instance, any
    // undirected graph with an edge). Entries of weight -1 count as incoming
    // edges but are never released. O(V^2 / 64 + E).
    std::string topoSort() const;

    // shortestPath()
    //
    // Returns the vertices of a shortest path from `from` to `to`, both
    // included ("ACED"), found by the same search as `Dijkstra`: the sum of
    // its steps' weights (each the first entry naming the step's target in its
    // source's row) is what `Dijkstra(from, to)` answers. `shortestPath(a, a)`
    // is "a" when `a` lies on a cycle. Empty when `to` is not reachable, or in
    // the rare case where every path's length lies beyond the `int` range.
    std::string shortestPath(char from, char to) const;

  private:
    // Row of `name` as the literal scan over the first `vertexCount` rows finds
    // it, or -1; served from `rowOfName_` when the cached row still holds
    // `name` as its head, which keeps insertion O(1) on large tables.
    int findRow(char name);
    void appendToRow(char owner, std::shared_ptr<Edge> entry);

    std::array<int, 256> rowOfName_;
};

#endif  // GRAPH_GRAPH_H_
