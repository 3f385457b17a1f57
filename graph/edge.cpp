#include "graph/weighted_graph.h"

Edge::Edge(char vertex, char prev, int weight) : vertex(vertex), prev(prev), weight(weight) {}
