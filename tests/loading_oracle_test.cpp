// The stream and table constructors against plain `>>` extraction and addEdge
// on seeded random inputs: the table, the report, the stream's state and how
// far it was read.
#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <set>
#include <sstream>

#include "tests/graph_test_support.h"
#include "tests/reference/extraction_reference.h"

namespace {

using Stop = LoadReport::Stop;
using namespace std::string_literals;

InputPosition positionIn(const std::string& bytes, std::uint64_t offset) {
    InputPosition position{offset, 1, 1};
    for (std::uint64_t i = 0; i < offset; ++i) {
        position.line += bytes[i] == '\n';
        position.column = bytes[i] == '\n' ? 1 : position.column + 1;
    }
    return position;
}

std::string text(const InputPosition& at) {
    return std::to_string(at.offset) + "@" + std::to_string(at.line) + ":" +
           std::to_string(at.column);
}

// Loads `bytes` (through a buffer that fails after them when `readError`) and
// expects everything `>>` and addEdge say of them.
void expectLoadedAsExtracted(const std::string& bytes, bool directed, bool readError) {
    FailingBuffer referenceBuffer(bytes), loaderBuffer(bytes);
    std::istream referenceStream(&referenceBuffer), failing(&loaderBuffer);
    std::istringstream plain(bytes);
    std::istream& input = readError ? failing : plain;
    const Extraction ref =
        readError ? extractByOperator(referenceStream, bytes) : extractByOperator(bytes);
    LoadReport report;
    report.found = "stale";
    report.joinedWeight = true;
    const Graph graph(input, directed, report);

    Graph expected({});
    for (const auto& t : ref.triples) {
        expected.addEdge(t.source, t.target, t.weight, directed);
    }
    const std::string shown = ::testing::PrintToString(bytes) + (directed ? " directed" : "");
    ASSERT_EQ(tableText(graph), tableText(expected)) << shown;
    ASSERT_EQ(input.eof(), ref.eof) << shown;
    ASSERT_EQ(input.bad(), ref.bad) << shown;
    input.clear();
    ASSERT_EQ(static_cast<std::uint64_t>(input.tellg()), ref.consumed) << shown;

    ASSERT_EQ(report.stop, ref.stop) << shown;
    ASSERT_EQ(report.complete(), ref.stop == Stop::endOfInput) << shown;
    ASSERT_EQ(report.triples, ref.triples.size()) << shown;
    ASSERT_EQ(report.inHeader, ref.inHeader) << shown;
    ASSERT_EQ(text(report.stoppedAt), text(positionIn(bytes, ref.stoppedAt))) << shown;
    // What was read of the failed item, and the byte that ended it when that
    // was not a digit.
    const std::uint64_t end = ref.stop == Stop::notANumber ? ref.consumed + 1
                              : ref.stop == Stop::outOfRange
                                  ? std::min(ref.consumed, ref.stoppedAt + 32)
                                  : ref.stoppedAt;
    ASSERT_EQ(report.found, bytes.substr(ref.stoppedAt, end - ref.stoppedAt)) << shown;
    ASSERT_EQ(report.joinedWeight, ref.joinedAt.has_value()) << shown;
    if (ref.joinedAt) {
        ASSERT_EQ(text(report.joinedAt), text(positionIn(bytes, *ref.joinedAt))) << shown;
        ASSERT_EQ(report.joinedByte, bytes[*ref.joinedAt]) << shown;
    }
}

// One of the '|'-separated words of `words`.
std::string pick(std::mt19937& random, const std::string& words) {
    std::vector<std::string> all(1);
    for (const char c : words) {
        c == '|' ? all.emplace_back() : all.back() += c;
    }
    return all[random() % all.size()];
}

// A header and triples of letters, any bytes, and numbers of every kind
// (signs, leading zeros, both ends of int and beyond), with items that break
// the pattern at some rate, separated by any whitespace or none.
std::string randomInput(std::mt19937& random) {
    std::string out;
    const unsigned items = 3 * (random() % 40) + random() % 3 + 4;
    const unsigned oddRate = 4 + random() % 60;
    for (unsigned i = 0; i < items; ++i) {
        if (random() % oddRate == 0) {
            out += pick(random,
                        "6B|1.25|0x10|--5|+|-|x|AB|- 5||\xef\xbb\xbf|\0|\xff|2147483648|"
                        "-2147483649|99999999999999999999"s);
        } else if (i < 4 ? i % 2 == 1 : (i - 4) % 3 == 2) {
            out += pick(random, "0|-0|+7|007|-1|2147483647|-2147483648|-02147483648|") +
                   std::to_string(random() % 100000);
        } else {
            out += static_cast<char>(random() % 8 ? 'A' + random() % 7 : random());
        }
        for (unsigned gap = random() % 10 == 0 ? 0 : 1 + random() % 2; gap > 0; --gap) {
            out += " \t\n\v\f\r "[random() % 7];
        }
    }
    return out;
}

TEST(LoadingOracleTest, StreamConstructorReadsAsExtractionDoes) {
    std::mt19937 random(20240611);
    for (int i = 0; i < 3000; ++i) {
        const std::string input = randomInput(random);
        expectLoadedAsExtracted(input, i % 2 == 0, false);
    }
}

TEST(LoadingOracleTest, EveryTruncationAndEveryReadErrorOfAFile) {
    const std::string file =
        "V 7\r\nE 9\nA B 6\nA C -7\r\nB\tC 2147483647\nC A -2147483648\n\vD E +03\f"
        "E E 6F G 1.25 H\x80 0x10\n\0 A -1 B B 99999999999\n"s;
    for (std::size_t size = 0; size <= file.size(); ++size) {
        for (const bool directed : {false, true}) {
            expectLoadedAsExtracted(file.substr(0, size), directed, false);
            expectLoadedAsExtracted(file.substr(0, size), directed, true);
        }
    }
}

// Random tables of any bytes, weights -1 and extremes, head-like entries and
// empty rows; the new graph shares no record with them.
TEST(LoadingOracleTest, TableConstructorAddsEveryEntry) {
    std::mt19937 random(99);
    const int weights[] = {-1, 0, 6, INT_MAX, INT_MIN};
    for (int i = 0; i < 300; ++i) {
        std::vector<std::list<std::shared_ptr<Edge>>> table(random() % 7);
        Graph expected({});
        for (auto& row : table) {
            for (unsigned n = random() % 8; n > 0; --n) {
                const char vertex = static_cast<char>(random() % 3 ? 'A' + random() % 5 : random());
                const char prev = static_cast<char>(random() % 3 ? 0 : random());
                const int weight = weights[random() % 5];
                row.push_back(std::make_shared<Edge>(vertex, prev, weight));
                expected.addEdge(vertex, prev, weight, true);
            }
        }
        std::set<const Edge*> given;
        for (const auto& row : table) {
            for (const auto& entry : row) {
                given.insert(entry.get());
            }
        }
        const Graph graph(table);
        ASSERT_EQ(tableText(graph), tableText(expected)) << "table " << i;
        for (const auto& row : graph.adjList) {
            for (const auto& entry : row) {
                ASSERT_EQ(given.count(entry.get()), 0u) << "a record shared with the table";
            }
        }
    }
}

}  // namespace
