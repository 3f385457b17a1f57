// The library against references that share no code with it (through
// reference/checks.h). The queries on seeded random graphs against the
// textbook readings: every ordered pair on small graphs, a sample of sources
// on graphs of up to 256 names; the index read straight from the table written
// as an edge list answers as the graph does. A failure names the seed, the
// kind of graph and its table. Loading, and the index read from the input, on
// seeded random inputs, every truncation of one file and a read error at
// every offset of it, against plain `>>` extraction and addEdge.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sstream>

#include "tests/reference/checks.h"
#include "tests/reference/random_graphs.h"
#include "tests/reference/textbook_reference.h"

using namespace std::string_literals;

namespace {

// The table as directed triples, row by row: loading them rebuilds it, as
// long as no name is whitespace, which reading would skip.
std::optional<std::string> asEdgeList(const Graph& graph) {
    std::string text;
    for (const auto& row : graph.adjList) {
        for (auto entry = std::next(row.begin()); entry != row.end(); ++entry) {
            text += std::string{row.front()->vertex, ' ', (*entry)->vertex, ' '} +
                    std::to_string((*entry)->weight) + '\n';
        }
    }
    return graph.vertexNames().find_first_of(" \t\n\v\f\r") == std::string::npos
               ? std::optional(text)
               : std::nullopt;
}

void expectOraclesAgree(std::uint32_t seed, int maxNames, bool sample) {
    const RandomGraph built = randomGraph(seed, maxNames, seed % 2 == 0);
    const Graph& graph = built.graph;
    SCOPED_TRACE("seed " + std::to_string(seed) + ", " + built.kind + ": " + graphText(graph));
    const std::string names = textbookNames(graph);
    std::string targets = names;
    for (int c = 0; c < 256 && targets.size() == names.size(); ++c) {
        if (names.find(static_cast<char>(c)) == std::string::npos) {
            targets += static_cast<char>(c);
        }
    }
    std::string sources = targets;
    if (sample) {
        std::shuffle(sources.begin(), sources.end() - 1, std::mt19937(seed));
        sources.erase(sources.begin() + 4, sources.end() - 1);
    }
    for (const char from : sources) {
        ASSERT_EQ(queryDifference(graph, from, targets), "");
    }
    if (const std::optional<std::string> text = asEdgeList(graph)) {
        std::istringstream input(*text);
        LoadReport report;
        ASSERT_EQ(answersDifference(graph, QueryIndex(input, true, report, EdgeListHeader::none)),
                  "");
    }
}

TEST(OracleTest, EveryPairOnSmallGraphs) {
    for (std::uint32_t seed = 1; seed <= 2000; ++seed) {
        ASSERT_NO_FATAL_FAILURE(expectOraclesAgree(seed, 12, false));
    }
}

TEST(OracleTest, SampledSourcesOnGraphsOfUpTo256Names) {
    for (std::uint32_t seed = 100001; seed <= 100120; ++seed) {
        ASSERT_NO_FATAL_FAILURE(expectOraclesAgree(seed, 256, true));
    }
}

// A header and triples of letters, any bytes and numbers of every kind, with
// items that break the pattern now and then, separated by any whitespace or none.
std::string randomInput(std::mt19937& random) {
    static const std::string odd[] = {"6B",
                                      "1.25",
                                      "0x10",
                                      "--5",
                                      "+",
                                      "-",
                                      "x",
                                      "AB",
                                      "",
                                      "\xef\xbb\xbf",
                                      "\0"s,
                                      "2147483648",
                                      "-2147483649",
                                      "99999999999999999999",
                                      std::string(40, '9'),
                                      "-" + std::string(40, '0') + "7"};
    static const std::string signs[] = {"0",          "-0",          "+7",           "007", "-1",
                                        "2147483647", "-2147483648", "-02147483648", ""};
    std::string out;
    const unsigned oddRate = 4 + random() % 60;
    for (unsigned i = 0, items = 3 * (random() % 40) + random() % 3 + 4; i < items; ++i) {
        if (random() % oddRate == 0) {
            out += odd[random() % std::size(odd)];
        } else if (i < 4 ? i % 2 == 1 : (i - 4) % 3 == 2) {
            out += signs[random() % std::size(signs)] + std::to_string(random() % 100000);
        } else {
            out += static_cast<char>(random() % 8 ? 'A' + random() % 7 : random());
        }
        for (unsigned gap = random() % 10 == 0 ? 0 : 1 + random() % 2; gap > 0; --gap) {
            out += " \t\n\v\f\r "[random() % 7];
        }
    }
    return out;
}

TEST(LoadingOracleTest, ConstructorsReadAsExtractionAndAddEdgeDo) {
    std::mt19937 random(20240611);
    for (int i = 0; i < 3000; ++i) {
        const std::string input = randomInput(random);
        ASSERT_EQ(loadingDifference(input, i % 2 == 0, false), "")
            << ::testing::PrintToString(input);
        ASSERT_EQ(indexDifference(input, i % 2 == 0), "") << ::testing::PrintToString(input);
    }
    const std::string file =
        "V 7\r\nE 9\nA B 6\nA C -7\r\nB\tC 2147483647\nC A -2147483648\n\vD E +03\f"
        "E E 6F G 1.25 H\x80 0x10\n\0 A -1 B B 99999999999\n"s;
    for (std::size_t size = 0; size <= file.size(); ++size) {
        for (const bool readError : {false, true}) {
            ASSERT_EQ(loadingDifference(file.substr(0, size), size % 2, readError), "")
                << size << (readError ? " bytes, then a read error" : " bytes");
        }
    }
}

}  // namespace
