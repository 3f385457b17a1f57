// The library against references and certificates that share no code with it
// (through reference/checks.h). The queries on seeded random graphs: every
// ordered pair on small graphs, a sample of sources on graphs of up to 256
// names, the analyses of the index by their certificates, and the index built
// from the graph answering as the graph does (the index read from a graph's
// table written out is the tool oracle's to judge). Loading, the index read
// from the input and the reading in parts on seeded random inputs, through
// stream buffers of every size, against plain `>>` extraction and addEdge, and
// read in parts; part summaries of every cut of a small file, through their
// byte form, merged by random trees, against one reading; and each fast-path
// kernel against the portable one. A failure names the seed, the kind of graph
// and its table, or the input.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sstream>

#include "graph/internal/edge_list_reader.h"
#include "tests/reference/checks.h"
#include "tests/reference/random_graphs.h"
#include "tests/reference/textbook_reference.h"

using namespace std::string_literals;

// A kernel by its name, in the names of the tests.
namespace graph_internal {
void PrintTo(const FastPathKernel& kernel, std::ostream* out) {
    *out << kernel.name;
}
}  // namespace graph_internal

namespace {

void expectOraclesAgree(std::uint32_t seed, int maxNames, bool sample) {
    const RandomGraph built = randomGraph(seed, maxNames, seed % 2 == 0);
    const Graph& graph = built.graph;
    SCOPED_TRACE("seed " + std::to_string(seed) + ", " + built.kind + ": " +
                 ::testing::PrintToString(tableText(graph)));
    const std::string names = textbookNames(graph);
    std::string targets = names;
    for (std::size_t c = 0; c < kNameCount && targets.size() == names.size(); ++c) {
        targets.append(names.find(static_cast<char>(c)) == std::string::npos, static_cast<char>(c));
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
}

TEST(OracleTest, EveryPairOnSmallGraphs) {
    for (std::uint32_t seed = 1; seed <= 2000; seed += kSeedStep) {
        ASSERT_NO_FATAL_FAILURE(expectOraclesAgree(seed, 12, false));
    }
}

TEST(OracleTest, SampledSourcesOnGraphsOfUpTo256Names) {
    for (std::uint32_t seed = 100001; seed <= 100120; seed += kSeedStep) {
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
                feeds.insert(feeds.end(), i++ % every == 0, at + 1);
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

// Triples of the usual shape, dense with near-misses, one a line of `odd`;
// when `readable`, only those that `>>` reads on, before "C D -": long
// weights, names that are digits or signs, two-byte names.
std::string nearMisses(std::mt19937& random, bool readable) {
    static const std::string odd =
        "A B 123456789\n1 2 -1234567890\n- + +000000001\nZ Z +0007\nAB 5\n\xc3\xa9 -7\n"
        "9 9 2147483647\nC D -\nC D +x\nC D -+1\nC D --5\nC D 12E\n\xc3\xa9\xc3\xa9 1\n";
    std::string text;
    for (unsigned t = 0, rate = 2 + random() % 40; t < 20 + 3 * rate; ++t) {
        const std::mt19937::result_type r[] = {random(), random(), random(), random(), random()};
        const auto line = odd.rfind('\n', r[1] % (readable ? odd.find("C D -") : odd.size())) + 1;
        text += r[0] % rate
                    ? std::string{char(33 + r[1] % 94), " \t\n\v\f\r"[r[2] % 6],
                                  char(33 + r[3] % 223), " \t\n\v\f\r"[r[2] / 6 % 6]} +
                          std::to_string(int(r[4] % 100000000 >> r[3] % 27) * (r[2] & 64 ? -1 : 1))
                    : odd.substr(line, odd.find('\n', line) - line);
        text.append(1 + r[0] / 64 % 2, " \t\n\v\f\r"[r[0] / 128 % 6]);
    }
    return text;
}

// Each fast-path kernel that this processor runs, against the portable code:
// the triples it takes from every item where the portable code stops, where
// they end, the sums of the bytes over ranges of any length (of 4 MiB too, more
// than the kernels' batches of blocks), and a whole reading of 4 MiB.
using FastPathKernelTest = ::testing::TestWithParam<graph_internal::FastPathKernel>;
TEST_P(FastPathKernelTest, TakesReadsAndSumsAsThePortableCodeDoes) {
    if (!graph_internal::runsHere(GetParam())) {
        GTEST_SKIP() << "this processor cannot run " << GetParam().name;
    }
    const ParamType* const kernels[] = {&GetParam(), graph_internal::kFastPathKernels};
    const auto space = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    std::string read[2], whole = "V 1\nE 2\n";
    const auto note = [](std::string& text, const EdgeTriple* t, std::size_t count) {
        for (; count-- > 0; ++t) {
            text += std::string{t->source, t->target} + std::to_string(t->weight) + " ";
        }
    };
    std::mt19937 random(7);
    while (whole.size() < (4 << 20)) {
        whole += nearMisses(random, true);
    }
    std::size_t taken = 0;
    for (int i = 0; i < 2000; ++i) {
        const std::string text =
            i % 500 ? nearMisses(random, false) + std::string(80, '\n') : whole;
        const char* const end = text.data() + text.size();
        std::string results[2];
        for (const int by : {0, 1}) {
            for (const char* next = text.data(); end - next > 80;) {
                EdgeTriple out[400];
                const auto count = kernels[by]->parse(next, end, out, i % 4 ? 400 : 1 + i % 13);
                taken += by == 0 ? count : 0;
                note(results[by] += std::to_string(next - text.data()), out, count);
                next = std::find_if_not(count ? next : std::find_if(next, end, space), end, space);
            }
            const auto sums =
                graph_internal::windowSumsBy(*kernels[by], &text[i % 64], end - i % 97, i);
            results[by] += std::to_string(sums.lineFeeds) + " " + std::to_string(sums.fingerprint);
        }
        ASSERT_EQ(results[0], results[1]) << ::testing::PrintToString(text.substr(0, 4096));
    }
    RecordProperty("triples_taken", std::to_string(taken));
    for (const int by : {0, 1}) {
        std::istringstream stream(whole);
        LoadReport report;
        graph_internal::readEdgeListFrom(
            stream, EdgeListHeader::twoRecords, InputPosition(), report,
            [&](const EdgeTriple* t, std::size_t n) { note(read[by], t, n); }, *kernels[by]);
        read[by] += reportText(report);
    }
    ASSERT_TRUE(read[0] == read[1]) << "a whole reading differs";
}

INSTANTIATE_TEST_SUITE_P(Kernels, FastPathKernelTest,
                         ::testing::ValuesIn(graph_internal::kFastPathKernels),
                         [](const auto& kernel) { return std::string(kernel.param.name); });

}  // namespace
