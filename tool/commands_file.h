// Answering every line of a CMDFILE after one load of FILE.
#ifndef TOOL_COMMANDS_FILE_H_
#define TOOL_COMMANDS_FILE_H_

#include <string>

#include "tool/exit_status.h"
#include "tool/fd_input.h"
#include "tool/messages.h"
#include "tool/output.h"
#include "tool/session.h"

// answerCommands()
//
// Answers every line of `commands` (named `name` in messages) in order, each
// answer line led by its command and flushed at once, for a reader waiting
// on each answer; blank lines and lines starting with '#' are skipped, and
// an invalid line is reported with its number and skipped. Returns trouble
// after any invalid line, trouble in an answer, read error or exhausted
// memory; otherwise an answer, whatever the answers. O(lines + answers).
ExitStatus answerCommands(const std::string& name, InputFile& commands, Session& session,
                          Output& out, Messages& messages);

#endif  // TOOL_COMMANDS_FILE_H_
