#include "tool/commands_file.h"

#include <new>
#include <sstream>

#include "tool/commands.h"
#include "tool/exit_policy.h"

namespace {

Words wordsOf(const std::string& line) {
    std::istringstream stream(line);
    Words words;
    for (std::string word; stream >> word;) {
        words.push_back(word);
    }
    return words;
}

std::string joined(const Words& words) {
    std::string text;
    for (const std::string& word : words) {
        text += (text.empty() ? "" : " ") + word;
    }
    return text;
}

}  // namespace

ExitStatus answerCommands(const std::string& name, InputFile& commands, Session& session,
                          Output& out, Messages& messages) {
    ExitStatus status = ExitStatus::answered;
    std::string line;
    // A read error, or memory running out on a very long line, ends the
    // reading with its own exception rather than passing for the end.
    commands.stream()->exceptions(std::ios_base::badbit);
    try {
        for (std::size_t number = 1; !out.failed() && std::getline(*commands.stream(), line);
             ++number) {
            const Words words = wordsOf(line);
            std::string problem;
            if (words.empty() || words[0][0] == '#') {
                continue;
            }
            if (!checkCommand(words, session.invocation().directed, session.holdsEdges(),
                              problem) ||
                !(problem = unknownVertex(words, session)).empty()) {
                messages.say(name, std::to_string(number) + ": " + problem);
                status = ExitStatus::trouble;
                continue;
            }
            out.setLinePrefix(joined(words) + ": ");
            status = worse(status, statusOfCommandsFile(runCommand(words, session)));
            out.setLinePrefix("");
            out.flush();
        }
    } catch (const std::ios_base::failure&) {
        messages.say(name, readErrorText(commands.readError()));
        status = ExitStatus::trouble;
    } catch (const std::bad_alloc&) {
        messages.say(name, outOfMemoryText());
        status = ExitStatus::trouble;
    }
    return status;
}
