#include "tool/query_tool.h"

#include <memory>
#include <new>

#include "tool/commands.h"
#include "tool/commands_file.h"
#include "tool/exit_policy.h"
#include "tool/fd_input.h"
#include "tool/messages.h"
#include "tool/options.h"
#include "tool/session.h"
#include "tool/usage.h"

namespace {

// Answers the command line's command, unless it names a vertex the graph
// does not hold.
ExitStatus answerCommand(const Words& words, Session& session) {
    const std::string unknown = unknownVertex(words, session);
    if (!unknown.empty()) {
        session.say(unknown);
        return ExitStatus::trouble;
    }
    return runCommand(words, session);
}

// Whether `file` opened; otherwise says why.
bool opened(const InputFile& file, const std::string& name, Messages& messages) {
    if (file.stream() == nullptr) {
        messages.say(name, openErrorText(file.openError()));
    }
    return file.stream() != nullptr;
}

// Opens CMDFILE, when the invocation names one; false when it cannot be
// opened, which it has said.
bool openCommands(const Invocation& invocation, ToolIo& io, Messages& messages,
                  std::unique_ptr<InputFile>& commands) {
    if (invocation.commandsFile) {
        commands = std::make_unique<InputFile>(*invocation.commandsFile, io.standardInput);
        return opened(*commands, *invocation.commandsFile, messages);
    }
    return true;
}

// Answers the command line's command, or every line of `commands`, once
// FILE is read.
ExitStatus answer(const Invocation& invocation, InputFile* commands, Session& session, ToolIo& io,
                  Messages& messages) {
    const bool whole = readAsWritten(session);
    if (commands) {
        return statusOfRun(
            answerCommands(*invocation.commandsFile, *commands, session, io.out, messages), whole,
            false);
    }
    return statusOfRun(answerCommand(invocation.command, session), whole,
                       invocation.command[0] == "check");
}

// Reads FILE, into its summary unless the command only lists it, and into its
// listing when a command lists it (with --commands only when FILE cannot be
// read again for the listing), and answers.
ExitStatus loadAndAnswer(const Invocation& invocation, ToolIo& io, Messages& messages) {
    InputFile input(invocation.file, io.standardInput);
    if (!opened(input, invocation.file, messages)) {
        return ExitStatus::trouble;
    }
    std::unique_ptr<InputFile> commands;
    if (!openCommands(invocation, io, messages, commands)) {
        return ExitStatus::trouble;
    }
    Session session(invocation, input, io.out, messages);
    const bool summary = commands || needsSummary(invocation.command);
    const bool listing = commands ? !input.canReadAgain() : needsListing(invocation.command);
    if (!session.load(summary, listing)) {
        return ExitStatus::trouble;
    }
    return answer(invocation, commands.get(), session, io, messages);
}

// Has `read` read FILE, and answers from what it made of it.
ExitStatus readElsewhereAndAnswer(const Invocation& invocation, ToolIo& io, Messages& messages,
                                  const OutsideReader& read) {
    if (invocation.file == "-") {
        return messages.usageError("FILE is read in parts elsewhere: it cannot be standard input");
    }
    std::unique_ptr<InputFile> commands;
    if (!openCommands(invocation, io, messages, commands)) {
        return ExitStatus::trouble;
    }
    OutsideReading reading = read(invocation.file, invocation.directed, invocation.header);
    if (!reading.index) {
        messages.say(reading.failedInput, reading.cannotOpen ? openErrorText(reading.reason)
                                                             : readErrorText(reading.reason));
        return ExitStatus::trouble;
    }
    Session session(invocation, std::move(*reading.index), std::move(reading.inputs), io.out,
                    messages);
    return answer(invocation, commands.get(), session, io, messages);
}

// Answers an invocation once its arguments are checked.
using Answering = std::function<ExitStatus(const Invocation&)>;

ExitStatus run(const std::vector<std::string>& args, ToolIo& io, Messages& messages, bool edgesHeld,
               const std::string& usagePreface, const Answering& answering) {
    std::string problem;
    const std::optional<Invocation> invocation = parseInvocation(args, problem);
    if (invocation && !invocation->commandsFile && !invocation->help && !invocation->version) {
        checkCommand(invocation->command, invocation->directed, edgesHeld, problem);
    }
    if (!problem.empty()) {
        return messages.usageError(problem);
    }
    if (invocation->help) {
        io.out.write(usagePreface + usageText());
        return ExitStatus::answered;
    }
    // Every kernel reads alike, but one the user asked for and does not get
    // is an error, never a silent fallback.
    if (!fastPathProblem().empty()) {
        messages.say("GRAPH_FAST_PATH", fastPathProblem());
        return ExitStatus::trouble;
    }
    if (invocation->version) {
        io.out.write(versionText());
        return ExitStatus::answered;
    }
    try {
        return answering(*invocation);
    } catch (const std::bad_alloc&) {
        messages.say(invocation->file, outOfMemoryText());
        return ExitStatus::trouble;
    }
}

// The exit code of a run that gave `status`, once its output is written.
int finish(ExitStatus status, ToolIo& io, Messages& messages) {
    const bool written = io.out.flush();
    if (!written) {
        messages.say("standard output", writeErrorText(io.out.error()));
    }
    io.err.flush();
    return exitCode(statusAfterOutput(status, written));
}

}  // namespace

int runGraphQuery(const std::vector<std::string>& args, ToolIo& io) {
    Messages messages(io.out, io.err);
    const ExitStatus status = run(args, io, messages, true, "", [&](const Invocation& invocation) {
        return loadAndAnswer(invocation, io, messages);
    });
    return finish(status, io, messages);
}

int runGraphQueryOver(const std::vector<std::string>& args, ToolIo& io, const OutsideReader& read,
                      const std::string& usagePreface) {
    Messages messages(io.out, io.err);
    const ExitStatus status =
        run(args, io, messages, false, usagePreface, [&](const Invocation& invocation) {
            return readElsewhereAndAnswer(invocation, io, messages, read);
        });
    return finish(status, io, messages);
}
