// Notes that point at a likely mistake in how an edge list was written or
// is being read.
#ifndef TOOL_HINTS_H_
#define TOOL_HINTS_H_

#include <string>
#include <vector>

#include "graph/Graph.h"

// readingHints()
//
// Returns the notes, one line each, for what `report` and `start` (the first
// bytes of the input; all of it when `startIsWhole`) show: a UTF-8 byte order
// mark; a name of several bytes; an edge list without header records read as
// having them, or one with them read with EdgeListHeader::none; a word read
// as several one-character names; values separated by ',' or ';'. None for a
// well-formed edge list.
std::vector<std::string> readingHints(const LoadReport& report, EdgeListHeader header,
                                      const std::string& start, bool startIsWhole);

#endif  // TOOL_HINTS_H_
