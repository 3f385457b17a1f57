// The graph in Graphviz DOT, with an answer drawn on it: distances and
// paths from a start, the components, or a minimum spanning forest.
#ifndef TOOL_DOT_PICTURE_H_
#define TOOL_DOT_PICTURE_H_

#include "tool/command_table.h"
#include "tool/session.h"

// answerDot()
//
// Answers `dot`, `dot FROM` and `dot FROM TO` (`words`): every listed edge,
// its weight as its label (undirected: each edge once). With FROM, every
// vertex is labelled with its distance from FROM and the last step of each
// path is bold; with TO, only the path from FROM to TO is bold and its
// length is the graph's label. The edges of a negative cycle met are red.
// `dot components` fills each component's vertices with a colour of its
// own; `dot tree` draws the forest `tree` answers bold. An answer, or trouble
// after a read error.
ExitStatus answerDot(const Words& words, Session& session);

#endif  // TOOL_DOT_PICTURE_H_
