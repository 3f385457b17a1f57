// How reading ended, said in words: the one place that says it, for the
// tool's messages and the Python module's exceptions alike.
#include <cstdio>

#include "graph/edge_list.h"

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
            return item + " is not a number (found " + quotedBytes(report.found) + ")";
        case LoadReport::Stop::outOfRange:
            return item + " is outside the int range (found " + quotedBytes(report.found) + ")";
        case LoadReport::Stop::inputError:
            return "a read error";
        case LoadReport::Stop::cannotOpen:
            return "the file cannot be opened: " + report.error.message();
    }
    return "";
}

std::string describeJoinedWeight(const LoadReport& report) {
    return quotedBytes(std::string_view(&report.joinedByte, 1)) +
           " right after a weight is read as the next item";
}

std::string quotedBytes(std::string_view text) {
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
