// The analyses of a whole graph graph-query answers from its summary: its
// components, its distance matrix and a minimum spanning forest.
#ifndef TOOL_ANALYSES_H_
#define TOOL_ANALYSES_H_

#include "tool/command_table.h"
#include "tool/session.h"

// answerComponents()
//
// One line per component (strongly connected when directed, connected when
// not), its vertices separated by blanks in the order of names, components
// in the order of their first vertex. An answer.
ExitStatus answerComponents(const Words& words, Session& session);

// answerMatrix()
//
// A tab-separated table for scripts: a tab and the names, then a line per
// source, its name and one cell per target: the least total weight, "inf"
// when unreachable, "-inf" when a negative cycle leaves none (with -l, the
// label-setting distances, and a note counting the cells that are not the
// least total weight). A negative answer when a cell is "-inf".
ExitStatus answerMatrix(const Words& words, Session& session);

// answerTree()
//
// The edges of a minimum spanning forest of an undirected graph, one
// (S,T,W) a line in the order taken, then "total W" (with -l, by the
// library's weights, and a note where the least total differs). An answer.
ExitStatus answerTree(const Words& words, Session& session);

#endif  // TOOL_ANALYSES_H_
