#include "tests/reference/extraction_reference.h"

#include <istream>
#include <locale>
#include <sstream>

namespace {

std::uint64_t positionOf(std::istream& in) {
    return static_cast<std::uint64_t>(static_cast<std::streamoff>(in.tellg()));
}

}  // namespace

bool isExtractionSpace(char byte) {
    return byte == ' ' || (byte >= '\t' && byte <= '\r');
}

namespace {

// Why reading ended, told from the item that failed (its index), where the
// whitespace before it began, and what the last integer item stored.
void classifyStop(Extraction& result, const std::string& bytes, std::uint64_t before, int number) {
    using Stop = LoadReport::Stop;
    const std::size_t item = result.failedItem;
    result.inHeader = item < 4;
    std::uint64_t start = before;
    while (start < bytes.size() && isExtractionSpace(bytes[start])) {
        ++start;
    }
    result.stoppedAt = start;
    if (result.bad) {
        result.stop = Stop::inputError;
        result.stoppedAt = result.consumed;
    } else if (start == bytes.size()) {
        result.stop = result.inHeader       ? Stop::endInHeader
                      : (item - 4) % 3 == 0 ? Stop::endOfInput
                                            : Stop::endInTriple;
    } else {
        result.stop = number == 0 ? Stop::notANumber : Stop::outOfRange;
    }
}

}  // namespace

Extraction extractByOperator(std::istream& in, const std::string& bytes) {
    Extraction result;
    std::uint64_t before = 0;  // where the whitespace before the next item starts
    int number = 0;            // what the last integer item stored
    // One `>>`; once the stream has failed every further `>>` is a no-op, so
    // reading item by item takes exactly what the chained reads take.
    const auto read = [&](auto& value) {
        if (in.fail()) {
            return false;
        }
        // tellg() on a stream at its end would set failbit: the end is known.
        before = in.eof() ? bytes.size() : positionOf(in);
        in >> value;
        if (in.fail()) {
            return false;
        }
        ++result.failedItem;
        return true;
    };
    char name = 0;
    if (read(name) && read(number) && read(name) && read(number)) {
        char source = 0;
        char target = 0;
        while (read(source) && read(target) && read(number)) {
            result.triples.push_back({source, target, number});
            if (!result.joinedAt && in.good()) {
                const std::uint64_t next = positionOf(in);
                if (next < bytes.size() && !isExtractionSpace(bytes[next])) {
                    result.joinedAt = next;
                }
            }
        }
    }
    result.eof = in.eof();
    result.fail = in.fail();
    result.bad = in.bad();
    in.clear();
    result.consumed = positionOf(in);

    classifyStop(result, bytes, before, number);
    return result;
}

Extraction extractByOperator(const std::string& bytes) {
    std::istringstream in(bytes);
    in.imbue(std::locale::classic());
    return extractByOperator(in, bytes);
}
