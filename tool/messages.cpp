#include "tool/messages.h"

#include <cstring>

void Messages::say(const std::string& file, const std::string& message) {
    out_.flush();
    err_.write("graph-query: " + nameOf(file) + ": " + message + "\n");
    err_.flush();
}

ExitStatus Messages::usageError(const std::string& problem) {
    err_.write("graph-query: " + problem + "\nTry 'graph-query --help' for more information.\n");
    return ExitStatus::trouble;
}

std::string nameOf(const std::string& file) {
    return file == "-" ? "standard input" : file.empty() ? "''" : file;
}

std::string lineColumn(const InputPosition& at) {
    return std::to_string(at.line) + ":" + std::to_string(at.column);
}

std::string positionText(const InputPosition& at) {
    return lineColumn(at) + ": ";
}

std::string readErrorText(int error) {
    return readErrorText(error == 0 ? std::string() : std::strerror(error));
}

std::string readErrorText(const std::string& reason) {
    return reason.empty() ? "read error" : "read error: " + reason;
}

std::string writeErrorText(int error) {
    return std::string("write error: ") + std::strerror(error);
}

std::string openErrorText(int error) {
    return openErrorText(std::string(std::strerror(error)));
}

std::string openErrorText(const std::string& reason) {
    return "Unable to open file: " + reason;
}

std::string outOfMemoryText() {
    return "out of memory";
}

std::string notLeastNote(const std::string& what) {
    return "note: " + what + " (answered without -l)";
}
