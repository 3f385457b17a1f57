#include "tool/hints.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <sstream>

#include "graph/edge_list.h"
#include "tool/messages.h"

namespace {

bool isInteger(const std::string& word) {
    const std::size_t digits = word.find_first_not_of("+-") == 1 ? 1 : 0;
    return word.size() > digits &&
           std::all_of(word.begin() + static_cast<long>(digits), word.end(),
                       [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
}

// The words of the first `count` lines of `text` that hold any, for lines
// that end within it or end the input.
std::vector<std::vector<std::string>> firstRecords(const std::string& text, bool whole,
                                                   std::size_t count) {
    std::vector<std::vector<std::string>> records;
    std::istringstream lines(text);
    for (std::string line; records.size() < count && std::getline(lines, line);) {
        if (lines.eof() && !whole && text.back() != '\n') {
            break;  // the line may go on beyond what was kept of the input
        }
        std::istringstream in(line);
        std::vector<std::string> words;
        for (std::string word; in >> word;) {
            words.push_back(word);
        }
        if (!words.empty()) {
            records.push_back(words);
        }
    }
    return records;
}

// "A B 6": two names and a number.
bool isTriple(const std::vector<std::string>& words) {
    return words.size() == 3 && words[0].size() == 1 && words[1].size() == 1 && isInteger(words[2]);
}

// "V 5": a character and a number.
bool isHeaderRecord(const std::vector<std::string>& words) {
    return words.size() == 2 && words[0].size() == 1 && isInteger(words[1]);
}

bool isLetter(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

// Where reading stopped at an item of `start` that begins with a letter
// right after a one-letter item, as in "Alice": the note that names are single
// characters, for the word they stand in.
std::optional<std::string> wordOfNames(const LoadReport& report, const std::string& start) {
    const std::uint64_t at = report.stoppedAt.offset;
    if (report.stop != LoadReport::Stop::notANumber || at == 0 || at >= start.size() ||
        !isLetter(start[at]) || !isLetter(start[at - 1])) {
        return std::nullopt;
    }
    std::uint64_t first = at;
    while (first > 0 && !isItemSpace(start[first - 1])) {
        --first;
    }
    std::uint64_t end = at;
    while (end < start.size() && !isItemSpace(start[end])) {
        ++end;
    }
    InputPosition wordAt = report.stoppedAt;
    wordAt.offset = first;
    wordAt.column -= at - first;
    return positionText(wordAt) + "note: vertex names are single characters: " +
           quotedBytes(start.substr(first, end - first)) + " is read as several items";
}

// The separator of a line of comma- or semicolon-separated values, where
// reading stopped on such a line of `start`.
std::optional<char> separatorOnStopLine(const LoadReport& report, const std::string& start) {
    const std::uint64_t at = report.stoppedAt.offset;
    if (report.complete() || report.stop == LoadReport::Stop::inputError || at >= start.size()) {
        return std::nullopt;
    }
    const std::size_t lineStart = start.rfind('\n', at == 0 ? 0 : at - 1);
    const std::size_t from = lineStart == std::string::npos ? 0 : lineStart + 1;
    const std::string line = start.substr(from, start.find('\n', at) - from);
    const std::size_t separator = line.find_first_of(",;");
    return separator == std::string::npos ? std::nullopt : std::optional(line[separator]);
}

}  // namespace

std::vector<std::string> readingHints(const LoadReport& report, EdgeListHeader header,
                                      const std::string& start, bool startIsWhole) {
    std::vector<std::string> hints;
    const bool byteOrderMark = start.compare(0, 3, "\xEF\xBB\xBF") == 0;
    if (byteOrderMark) {
        hints.push_back("note: the input starts with a UTF-8 byte order mark, read as items");
    }
    if (report.multiByteName && !(byteOrderMark && report.multiByteNameAt.offset == 0)) {
        hints.push_back(positionText(report.multiByteNameAt) +
                        "note: vertex names are single bytes: " +
                        quotedBytes(report.multiByteNameBytes) + " is read as two names");
    }
    const auto records = firstRecords(start, startIsWhole, 2);
    if (header == EdgeListHeader::twoRecords && report.inHeader && !records.empty() &&
        isTriple(records[0])) {
        hints.push_back(
            "note: an edge list without the two header records is read with "
            "--no-header");
    }
    if (header == EdgeListHeader::none && records.size() == 2 && isHeaderRecord(records[0]) &&
        isHeaderRecord(records[1])) {
        hints.push_back(
            "note: the input seems to start with the two header records, which "
            "--no-header reads as edges");
    }
    if (const std::optional<std::string> names = wordOfNames(report, start)) {
        hints.push_back(*names);
    }
    if (const std::optional<char> separator = separatorOnStopLine(report, start)) {
        hints.push_back("note: items are separated by whitespace, not " +
                        quotedBytes(std::string(1, *separator)));
    }
    return hints;
}
