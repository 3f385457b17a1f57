// Every message graph-query writes on standard error, and the texts that go
// into them: "graph-query: NAME: message" for a file, "graph-query: problem"
// and a pointer to --help for a usage error.
#ifndef TOOL_MESSAGES_H_
#define TOOL_MESSAGES_H_

#include <string>

#include "graph/Graph.h"
#include "tool/exit_status.h"
#include "tool/output.h"

// Writes graph-query's messages on `err`, after what `out` holds.
class Messages {
  public:
    Messages(Output& out, Output& err) : out_(out), err_(err) {}

    // Writes "graph-query: NAME: message", NAME being `file` as `nameOf` says it.
    void say(const std::string& file, const std::string& message);

    // Writes "graph-query: problem" and where to learn more; returns trouble.
    ExitStatus usageError(const std::string& problem);

  private:
    Output& out_;
    Output& err_;
};

// How a file is named in messages: "standard input" for "-", '' for no name.
std::string nameOf(const std::string& file);

// "line:column", and "line:column: " to lead a message.
std::string lineColumn(const InputPosition& at);
std::string positionText(const InputPosition& at);

// "read error", and the system's reason when `error` (an errno) is not 0,
// or `reason` when not empty.
std::string readErrorText(int error);
std::string readErrorText(const std::string& reason);

// "write error: " and the system's reason.
std::string writeErrorText(int error);

// "Unable to open file: " and the system's reason, for an errno or as given.
std::string openErrorText(int error);
std::string openErrorText(const std::string& reason);

// "out of memory".
std::string outOfMemoryText();

// The note that, under -l, an answer is not what the default would give:
// "note: " + `what` + " (answered without -l)".
std::string notLeastNote(const std::string& what);

#endif  // TOOL_MESSAGES_H_
