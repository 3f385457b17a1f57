// How graph-query's exit status follows from its answers and from how FILE
// and its output went: no partial or doubtful answer leaves with status 0.
#ifndef TOOL_EXIT_POLICY_H_
#define TOOL_EXIT_POLICY_H_

#include "tool/exit_status.h"
#include "tool/session.h"

// readAsWritten()
//
// Whether every input of FILE was read whole and as written; where not,
// warns on standard error, naming the input, with the notes that point at a
// likely cause.
bool readAsWritten(Session& session);

// statusOfRun()
//
// The status of a run whose answers gave `answered`: trouble when FILE was
// not read whole and as written, unless the one command was `check`, whose
// answer that is.
ExitStatus statusOfRun(ExitStatus answered, bool readWhole, bool answeredCheck);

// statusOfCommandsFile()
//
// What one line of CMDFILE that gave `answered` adds to the run's status:
// only trouble, so that a run of many answers tells only whether all went well.
ExitStatus statusOfCommandsFile(ExitStatus answered);

// statusAfterOutput()
//
// `status`, or trouble when standard output could not be written.
ExitStatus statusAfterOutput(ExitStatus status, bool outputWritten);

#endif  // TOOL_EXIT_POLICY_H_
