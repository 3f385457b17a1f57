// The queries graph-query answers, each printed as lines of text.
#ifndef TOOL_COMMANDS_H_
#define TOOL_COMMANDS_H_

#include <string>
#include <vector>

#include "graph/Graph.h"
#include "tool/session.h"

// checkCommand()
//
// Returns true when `words` (a command name and its arguments) names a
// command with the right number of arguments, each vertex one character;
// otherwise sets `problem`.
bool checkCommand(const std::vector<std::string>& words, std::string& problem);

// needsListing()
//
// Whether the checked command `words` prints every edge (and so needs
// nothing but FILE's listing).
bool needsListing(const std::vector<std::string>& words);

// unknownVertex()
//
// For a checked command, says which of its vertices the graph does not hold,
// or returns "" when it holds them all.
std::string unknownVertex(const std::vector<std::string>& words, const Session& session);

// runCommand()
//
// Answers the checked command `words` on standard output. Returns 0 for an
// answer, 1 for a negative one (not reachable, no least weight, vertices
// left out of the order, input not read to the end for `check`), 2 after a
// read error while reading FILE again.
int runCommand(const std::vector<std::string>& words, Session& session);

// describeStop()
//
// Says why reading stopped, as "a weight is not a number (found 'x')".
std::string describeStop(const LoadReport& report);

// quoted()
//
// `text` between single quotes, bytes outside printable ASCII as \xHH; at
// most 40 bytes of it, then "...".
std::string quoted(const std::string& text);

#endif  // TOOL_COMMANDS_H_
