#include "graph/Graph.h"

Edge::Edge(char vertex, char prev, int weight) : vertex(vertex), prev(prev), weight(weight) {}
