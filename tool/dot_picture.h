// The graph in Graphviz DOT, and with a start (and a target) the answer
// drawn on it.
#ifndef TOOL_DOT_PICTURE_H_
#define TOOL_DOT_PICTURE_H_

#include <string>
#include <vector>

#include "tool/session.h"

// drawDot()
//
// Answers `dot`, `dot FROM` and `dot FROM TO` (`words`): every listed edge,
// its weight as its label (undirected: each edge once). With FROM, every
// vertex is labelled with its distance from FROM and the last step of each
// path is bold; with TO, only the path from FROM to TO is bold and its
// length is the graph's label. The edges of a negative cycle met are red.
// Returns 0, or 2 after a read error.
int drawDot(const std::vector<std::string>& words, Session& session);

#endif  // TOOL_DOT_PICTURE_H_
