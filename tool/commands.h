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

// isCommandName()
//
// Whether `word` names a command.
bool isCommandName(const std::string& word);

// needsListing(), needsSummary()
//
// Whether the checked command `words` prints edges of FILE's listing, and
// whether it reads the summary of FILE's table.
bool needsListing(const std::vector<std::string>& words);
bool needsSummary(const std::vector<std::string>& words);

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

#endif  // TOOL_COMMANDS_H_
