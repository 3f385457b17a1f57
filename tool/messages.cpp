#include "tool/messages.h"

#include <cstdio>
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

std::string quoted(const std::string& text) {
    constexpr std::size_t kShownBytes = 40;
    std::string result = "'";
    for (const char c : text.substr(0, kShownBytes)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte > 0x7e || c == '\\' || c == '\'') {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            result += escaped;
        } else {
            result += c;
        }
    }
    return result + (text.size() > kShownBytes ? "'..." : "'");
}

std::string lineColumn(const InputPosition& at) {
    return std::to_string(at.line) + ":" + std::to_string(at.column);
}

std::string positionText(const InputPosition& at) {
    return lineColumn(at) + ": ";
}

std::string joinedWeightText(const LoadReport& report) {
    return quoted(std::string(1, report.joinedByte)) +
           " right after a weight is read as the next item";
}

std::string describeStop(const LoadReport& report) {
    const std::string item = report.inHeader ? "a header value" : "a weight";
    switch (report.stop) {
        case LoadReport::Stop::endOfInput:
            return "the end of the input";
        case LoadReport::Stop::endInHeader:
            return "the input ends inside the header";
        case LoadReport::Stop::endInTriple:
            return "the input ends inside an edge triple";
        case LoadReport::Stop::notANumber:
            return item + " is not a number (found " + quoted(report.found) + ")";
        case LoadReport::Stop::outOfRange:
            return item + " is outside the int range (found " + quoted(report.found) + ")";
        case LoadReport::Stop::inputError:
            return "a read error";
        case LoadReport::Stop::cannotOpen:
            return "the file cannot be opened: " + report.error.message();
    }
    return "";
}

std::string readErrorText(int error) {
    return error == 0 ? "read error" : std::string("read error: ") + std::strerror(error);
}

std::string writeErrorText(int error) {
    return std::string("write error: ") + std::strerror(error);
}

std::string openErrorText(int error) {
    return std::string("Unable to open file: ") + std::strerror(error);
}

std::string outOfMemoryText() {
    return "out of memory";
}
