// The library against references and certificates that share no code with it
// (through reference/checks.h). The queries on seeded random graphs: every
// ordered pair on small graphs, a sample of sources on graphs of up to 256
// names, the analyses of the index by their certificates, and the index built
// from the graph or read from its table written as an edge list answering as
// the graph does. Loading, the index read from the input and the reading
// in parts on seeded random inputs, through stream buffers of every size,
// against plain `>>` extraction and addEdge, and read in parts; part
// summaries of every cut of a small file, through their byte form, merged by
// random trees, against one reading. A failure names the seed, the kind of
// graph and its table, or the input.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sstream>

#include "graph/internal/usual_triples.h"
#include "tests/reference/checks.h"
#include "tests/reference/random_graphs.h"
#include "tests/reference/textbook_reference.h"

using namespace std::string_literals;

namespace {

void expectOraclesAgree(std::uint32_t seed, int maxNames, bool sample) {
    const RandomGraph built = randomGraph(seed, maxNames, seed % 2 == 0);
    const Graph& graph = built.graph;
    SCOPED_TRACE("seed " + std::to_string(seed) + ", " + built.kind + ": " +
                 ::testing::PrintToString(tableText(graph)));
    const std::string names = textbookNames(graph);
    std::string targets = names;
    for (std::size_t c = 0; c < kNameCount && targets.size() == names.size(); ++c) {
        if (names.find(static_cast<char>(c)) == std::string::npos) {
            targets += static_cast<char>(c);
        }
    }
    std::string sources = targets;
    if (sample) {
        std::shuffle(sources.begin(), sources.end() - 1, std::mt19937(seed));
        sources.erase(sources.begin() + 4, sources.end() - 1);
    }
    ASSERT_EQ(graphDifference(graph), "");
    for (const char from : sources) {
        ASSERT_EQ(queryDifference(graph, from, targets), "");
    }
    // Loaded directed, the table's triples row by row rebuild it, in the same order of names, when
    // no name is whitespace, which reading skips.
    if (names.find_first_of(" \t\n\v\f\r") == std::string::npos) {
        std::istringstream input(edgeListOf(graph, 0));
        LoadReport report;
        ASSERT_EQ(
            answersDifference(graph, QueryIndex(input, true, report, EdgeListHeader::none), true),
            "");
    }
}

// Under the sanitizers, which look for faults of memory rather than of
// answers, a tenth of the graphs.
#if defined(__SANITIZE_ADDRESS__)
constexpr std::uint32_t kGraphs = 10;
#else
constexpr std::uint32_t kGraphs = 1;
#endif

TEST(OracleTest, EveryPairOnSmallGraphs) {
    for (std::uint32_t seed = 1; seed <= 2000; seed += kGraphs) {
        ASSERT_NO_FATAL_FAILURE(expectOraclesAgree(seed, 12, false));
    }
}

TEST(OracleTest, SampledSourcesOnGraphsOfUpTo256Names) {
    for (std::uint32_t seed = 100001; seed <= 100120; seed += kGraphs) {
        ASSERT_NO_FATAL_FAILURE(expectOraclesAgree(seed, kNameCount, true));
    }
}

// A header and triples of letters, any bytes and numbers of every kind, with
// items that break the pattern now and then, separated by any whitespace or none.
std::string randomInput(std::mt19937& random) {
    static const std::vector<std::string> odd = [] {
        std::vector<std::string> items = {"", "\0"s, std::string(40, '9'),
                                          "-" + std::string(40, '0')};
        std::istringstream words(
            "6B 1.25 0x10 --5 + - x AB \xef\xbb\xbf \xc3\xa9 2147483648 "
            "-2147483649 99999999999999999999");
        for (std::string word; words >> word;) {
            items.push_back(word);
        }
        return items;
    }();
    static const std::string signs[] = {
        "0", "-0", "+7", "007", "-1", "2147483647", "-2147483648", "-02147483648",
        "",  "",   "",   "",    "",   "99999",      "-1234567"};
    std::string out;
    const unsigned oddRate = 4 + random() % 200;
    for (unsigned i = 0, items = 3 * (random() % 80) + random() % 3 + 4; i < items; ++i) {
        if (random() % oddRate == 0) {
            out += odd[random() % odd.size()];
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

TEST(LoadingOracleTest, ReadersReadAsExtractionAndAddEdgeDo) {
    std::mt19937 random(20240611);
    for (int i = 0; i < 3000; ++i) {
        const std::string input = randomInput(random);
        // Windows of every size up to past the fast path's reach, and the whole input at once.
        const std::size_t chunks[] = {1 + static_cast<std::size_t>(i) / 3 % 200,
                                      1 + input.size() % 13, input.size()};
        ASSERT_EQ(loadingDifference(input, i % 2 == 0, i % 5 == 0, chunks[i % 3]), "")
            << ::testing::PrintToString(input);
        ASSERT_EQ(indexDifference(input, i % 2 == 0), "") << ::testing::PrintToString(input);
        ASSERT_EQ(partsDifference(input, i % 2 == 0,
                                  i % 4 ? EdgeListHeader::twoRecords : EdgeListHeader::none,
                                  2 + i % 3, 8 + i % 64),
                  "")
            << ::testing::PrintToString(input);
    }
}

// A blank line, a header over three lines, triples over several, a weight
// run into a name, a name of two bytes, a loop, a weight -1, then a stop.
const std::string kEveryItem =
    "\nV\n7\nE 9\nA B 6\nA\nC\n-7 B\tC 2147483647\nC A 5B C\n1\n\xc3\xa9 5\nD\nE\n+03\nE E 6\n"
    "A B -1\nF G x\nA B 1\n";

// Every prefix of that file read in blocks cut at every line feed (every
// second, third, fourth), merged by random trees; the byte form of a part
// that ends inside a triple damaged.
TEST(PartSummaryTest, EveryCutOfEveryPrefix) {
    for (std::size_t size = 0; size <= kEveryItem.size(); ++size) {
        const std::string prefix = kEveryItem.substr(0, size);
        for (std::size_t every = 1; every < 5; ++every) {
            std::vector<std::uint64_t> feeds;  // after every line feed, every second, ...
            for (std::size_t at = prefix.find('\n'), i = 0; at != std::string::npos;
                 at = prefix.find('\n', at + 1)) {
                if (i++ % every == 0) {
                    feeds.push_back(at + 1);
                }
            }
            for (const bool directed : {true, false}) {
                ASSERT_EQ(blocksDifference(prefix, directed, EdgeListHeader::twoRecords, feeds,
                                           static_cast<std::uint32_t>(size + every)),
                          "")
                    << size << " bytes, every " << every;
            }
        }
    }
    const std::size_t inTriple = kEveryItem.find('x');
    ASSERT_EQ(
        byteFormDamage(PartSummary(kEveryItem.data(), inTriple, {0, 1, true}, false).toBytes()),
        "");
}

// The fast path's code for each instruction set takes the same triples as
// the portable code, stops at the same byte, and sums the bytes alike.
TEST(LoadingOracleTest, EveryInstructionSetTakesTheSameTriples) {
    std::mt19937 random(7);
    for (int i = 0; i < 2000; ++i) {
        const std::string input = randomInput(random) + std::string(100, '\n');
        const std::size_t start = random() % 8;
        std::string taken[5];
        for (int set = 0; set < 5; ++set) {
            EdgeTriple out[300];
            const char* next = input.data() + start;
            const std::size_t count = graph_internal::parseUsualTriplesWith(
                set, next, input.data() + input.size(), out, 300);
            const graph_internal::WindowSums sums = graph_internal::windowSumsWith(
                set, input.data() + start, input.data() + input.size(), start * 7);
            taken[set] = std::to_string(next - input.data()) + "," +
                         std::to_string(sums.lineFeeds) + "," + std::to_string(sums.fingerprint) +
                         ":";
            for (std::size_t t = 0; t < count; ++t) {
                taken[set] +=
                    std::string{out[t].source, out[t].target} + std::to_string(out[t].weight);
            }
            ASSERT_EQ(taken[set], taken[0]) << set << " on " << ::testing::PrintToString(input);
        }
    }
}

}  // namespace
