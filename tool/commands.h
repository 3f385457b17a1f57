// The queries graph-query answers, each printed as lines of text, and the
// checks of a command before it is answered.
#ifndef TOOL_COMMANDS_H_
#define TOOL_COMMANDS_H_

#include <string>

#include "tool/command_table.h"
#include "tool/session.h"

// checkCommand()
//
// Returns true when `words` (a command name and its arguments) names a
// command with the right number of arguments, each a vertex of one character
// or a keyword the command takes, that a graph loaded `directed` or not can
// answer, printing edges only when `edgesHeld`; otherwise sets `problem`.
bool checkCommand(const Words& words, bool directed, bool edgesHeld, std::string& problem);

// needsListing(), needsSummary()
//
// Whether the checked command `words` prints edges of FILE's listing, and
// whether it reads the summary of FILE's table.
bool needsListing(const Words& words);
bool needsSummary(const Words& words);

// unknownVertex()
//
// For a checked command, says which of its vertices the graph does not hold,
// or returns "" when it holds them all.
std::string unknownVertex(const Words& words, const Session& session);

// runCommand()
//
// Answers the checked command `words` on standard output: the status of its
// answer, or trouble after a read error while reading FILE again.
ExitStatus runCommand(const Words& words, Session& session);

// The answers of the commands of the same names, for the command table
// (`components`, `matrix` and `tree` are in analyses.h, `dot` in dot_picture.h). Each prints its
// answer for the checked `words` and returns its status.
ExitStatus answerList(const Words& words, Session& session);
ExitStatus answerReachable(const Words& words, Session& session);
ExitStatus answerDistance(const Words& words, Session& session);
ExitStatus answerPath(const Words& words, Session& session);
ExitStatus answerDistances(const Words& words, Session& session);
ExitStatus answerTopo(const Words& words, Session& session);
ExitStatus answerCheck(const Words& words, Session& session);

#endif  // TOOL_COMMANDS_H_
