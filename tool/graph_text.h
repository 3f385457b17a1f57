// Text forms of a graph for graph-query: the listing one item a line, and
// Graphviz DOT.
#ifndef TOOL_GRAPH_TEXT_H_
#define TOOL_GRAPH_TEXT_H_

#include <string>

#include "graph/Graph.h"

// listingLines()
//
// Returns the items of `graph.display()`, each "(S,T,W)" on a line of its own.
std::string listingLines(const Graph& graph);

// dotText()
//
// Returns the graph in Graphviz DOT with the weights as edge labels: a
// `digraph` with `->` edges when `directed`, otherwise a `graph` with `--`
// edges in which the two stored directions of each undirected edge appear
// once. Edges of weight -1 are left out, as in the listing.
std::string dotText(const Graph& graph, bool directed);

#endif  // TOOL_GRAPH_TEXT_H_
