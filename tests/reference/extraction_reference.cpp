#include "tests/reference/extraction_reference.h"

#include <algorithm>
#include <sstream>
#include <type_traits>

namespace {

bool isSpace(char byte) {
    return byte == ' ' || (byte >= '\t' && byte <= '\r');
}

}  // namespace

Extraction extractByOperator(std::istream& in, const std::string& bytes) {
    Extraction result;
    std::size_t items = 0;     // read whole
    std::uint64_t before = 0;  // where the whitespace before the last item tried starts
    int number = 0;            // what the last integer item stored
    const auto where = [&] { return static_cast<std::uint64_t>(std::streamoff(in.tellg())); };
    const auto read = [&](auto& value) {
        before = in.eof() ? bytes.size() : where();  // tellg() would fail at the end
        items += static_cast<bool>(in >> value);
        if constexpr (std::is_same_v<std::decay_t<decltype(value)>, char>) {
            const std::uint64_t next = in.good() ? where() : bytes.size();
            if (!result.multiByteAt && in.good() && next < bytes.size() &&
                static_cast<unsigned char>(value) >= 0x80 &&
                static_cast<unsigned char>(bytes[next]) >= 0x80) {
                result.multiByteAt = next - 1;
            }
        }
        return !in.fail();
    };
    char name = 0;
    if (read(name) && read(number) && read(name) && read(number)) {
        for (ExtractedTriple t{}; read(t.source) && read(t.target) && read(number);) {
            t.weight = number;
            result.triples.push_back(t);
            if (!result.joinedAt && in.good() && where() < bytes.size() &&
                !isSpace(bytes[where()])) {
                result.joinedAt = where();
            }
        }
    }
    result.eof = in.eof();
    result.bad = in.bad();
    in.clear();
    result.consumed = where();

    using Stop = LoadReport::Stop;
    result.inHeader = items < 4;
    result.stoppedAt = before;
    while (result.stoppedAt < bytes.size() && isSpace(bytes[result.stoppedAt])) {
        ++result.stoppedAt;
    }
    if (result.bad) {
        result.stop = Stop::inputError;
        result.stoppedAt = result.consumed;
    } else if (result.stoppedAt == bytes.size()) {
        result.inHeader = items > 0 && items < 4;  // no item at all is an empty list, read whole
        result.stop = result.inHeader                      ? Stop::endInHeader
                      : items == 0 || (items - 4) % 3 == 0 ? Stop::endOfInput
                                                           : Stop::endInTriple;
    } else {
        result.stop = number == 0 ? Stop::notANumber : Stop::outOfRange;
        std::size_t at = result.stoppedAt;
        at += bytes[at] == '-' || bytes[at] == '+';
        while (at < bytes.size() && bytes[at] >= '0' && bytes[at] <= '9') {
            ++at;
        }
        at += number == 0 && at < bytes.size();
        result.found =
            bytes.substr(result.stoppedAt, std::min<std::size_t>(at - result.stoppedAt, 32));
    }
    return result;
}

Extraction extractByOperator(const std::string& bytes) {
    std::istringstream in(bytes);
    return extractByOperator(in, bytes);
}

std::string namesInOrder(const std::vector<ExtractedTriple>& triples) {
    std::string names;
    for (const ExtractedTriple& t : triples) {
        for (const char name : {t.source, t.target}) {
            names += names.find(name) == std::string::npos ? std::string(1, name) : "";
        }
    }
    return names;
}
