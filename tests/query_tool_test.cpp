// graph-query run in-process: the exact answers and statuses of every command,
// option parsing, usage and file errors, --commands, the loader's warnings and
// the rules of "What the answers mean".
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "tests/graph_test_support.h"
#include "tool/query_tool.h"

namespace {

const std::string kData = GRAPH_DATA_DIR;
const std::string kList1 =
    "(A,B,6)\n(A,C,7)\n(B,A,6)\n(B,C,3)\n(C,A,7)\n(C,B,3)\n(C,E,8)\n(D,E,2)\n(E,D,2)\n(E,C,8)\n";
const std::string kLeftOut = "left out (on or behind a cycle or a weight -1 edge): ";
const std::string kMax2 = "V 3 E 2 A B 2147483647 B C 2147483647";

// The arguments of a call, given as blank-separated words; @1 and @2 stand for
// the delivered test1.txt and test2.txt.
std::vector<std::string> words(const std::string& line) {
    std::vector<std::string> args;
    std::istringstream in(line);
    for (std::string word; in >> word;) {
        args.push_back(word == "@1" || word == "@2" ? kData + "test" + word[1] + ".txt" : word);
    }
    return args;
}

struct Case {
    std::string args;
    std::string input;  // standard input
    std::string out;
    int status;
    std::string err = "";
};

void expectRuns(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        const ToolResult result = runGraphQuery(words(c.args), c.input);
        const std::string call = c.args + " on [" + c.input + "]";
        EXPECT_EQ(result.out, c.out) << call;
        EXPECT_EQ(result.err, c.err) << call;
        EXPECT_EQ(result.status, c.status) << call;
    }
}

std::string contents(const std::string& file) {
    std::ostringstream text;
    text << std::ifstream(file).rdbuf();
    return text.str();
}

TEST(GraphQueryTest, EveryCommandPrintsItsAnswerAndStatus) {
    const std::string text1 = contents(kData + "test1.txt");
    expectRuns({
        {"@1 list", "", kList1, 0},
        {"--directed @2 reachable A E", "", "yes\n", 0},
        {"--directed @1 reachable E A", "", "no\n", 1},
        {"--directed @2 distance A D", "", "4\n", 0},
        {"--directed @1 distance A D", "", "unreachable\n", 1},
        {"@1 path A D", "", "A C E D\n17\n", 0},
        {"--directed @1 path A D", "", "unreachable\n", 1},
        {"--directed @2 distances A", "", "A unreachable\nB 3\nC 2\nG 6\nD 4\nE 9\nF 8\n", 0},
        {"--directed @2 topo", "", "A C B G D E F\n", 0},
        {"@1 check", "", "edges read: 5\nrows: 5\nnames: 5\nread to the end: yes\n", 0},
        {"- dot", "V 2 E 4 A A 4 A B 1 A B 1 B A 2",
         "graph G {\n    \"A\" -- \"A\" [label=\"4\"];\n    \"A\" -- \"B\" [label=\"1\"];\n"
         "    \"A\" -- \"B\" [label=\"1\"];\n    \"A\" -- \"B\" [label=\"2\"];\n}\n",
         0},
        // A quote and a backslash are escaped; an edge of weight -1 is not drawn.
        {"--directed - dot", "V 2 E 3 \" \\ 5 \\ A -1 A B 7",
         "digraph G {\n    \"\\\"\" -> \"\\\\\" [label=\"5\"];\n"
         "    \"A\" -> \"B\" [label=\"7\"];\n}\n",
         0},
        {"--directed - dot", std::string("V 1 E 1 \xff \0 5", 13),
         "digraph G {\n    \"<0xFF>\" -> \"<0x00>\" [label=\"5\"];\n}\n", 0},
        // Option orders, abbreviations, "--", FILE from standard input.
        {"@1 --directed topo", "", "A B D E C\n", 0},
        {"--dir @1 topo", "", "A B D E C\n", 0},
        {"- --directed topo", text1, "A B D E C\n", 0},
        {"-- - distance A D", text1, "17\n", 0},
        {"@1 --help", "", usageText(), 0},
        // Distances are exact, beyond the int range.
        {"--directed - distance A C", kMax2, "4294967294\n", 0},
        {"--directed - path A C", kMax2, "A B C\n4294967294\n", 0},
        {"--directed - distances A", kMax2, "A unreachable\nB 2147483647\nC 4294967294\n", 0},
        // What the answers mean.
        {"--directed - distance A B", "V 2 E 2 A B 5 A B 2", "5\n", 0},
        {"--directed - distance A B", "V 3 E 3 A B 1 A C 5 C B -10", "1\n", 0},
        {"--directed - distance A A", "V 2 E 1 A B 1", "unreachable\n", 1},
        {"- distance A A", "V 2 E 1 A B 1", "0\n", 0},
        {"- list", "V 2 E 1 A B -1", "", 0},
        {"- reachable A B", "V 2 E 1 A B -1", "no\n", 1},
        {"--directed - topo", "V 3 E 2 A B -1 B C 1", "A\n" + kLeftOut + "B C\n", 1},
        {"@1 topo", "", "\n" + kLeftOut + "A B C E D\n", 1},
        {"--directed - topo", "V 3 E 2 C A 1 B A 1", "C B A\n", 0},
        {"--directed - distance A C", "V 3 E 3 A C 1 A B 1 B C -5", "1\n", 0},
        {"--directed - distance A C", "V 3 E 3 A B 1 A C 1 B C -5", "-4\n", 0},
    });
}

TEST(GraphQueryTest, CheckAndTheLoaderReportWhereReadingStopped) {
    const std::string warning = "graph-query: standard input: ";
    const std::string stopped = "warning: reading stopped: ";
    expectRuns({
        {"- check", "V 2 E 2 A B 1 C",
         "edges read: 1\nrows: 2\nnames: 2\n"
         "read to the end: no, stopped at 1:16: the input ends inside an edge triple\n",
         1,
         warning + "1:16: " + stopped +
             "the input ends inside an edge triple; answering from the 1 edge read before it\n"},
        {"--directed - list", "V 2 E 2\nA B 1\nC D x", "(A,B,1)\n", 0,
         warning + "3:5: " + stopped +
             "a weight is not a number (found 'x'); answering from the 1 edge read before it\n"},
        {"--directed - list", "V 2 E 2 A B 1.25\n", "(A,B,1)\n(.,2,5)\n", 0,
         warning + "1:14: warning: '.' right after a weight is read as the next item\n"},
    });
}

TEST(GraphQueryTest, BadCallsGetTheProblemAndTheUsageWithStatus2) {
    std::vector<std::vector<std::string>> calls = {{"@1", "path", "A", ""}};
    for (const char* line :
         {"", "@1", "--directed @1", "@1 bogus", "@1 reachable A", "@1 list A", "@1 distances",
          "@1 distance AB C", "--bogus @1 list", "-f @1 list", "--directed=yes @1 list",
          "@1 --commands", "--commands - -", "--commands=- -", "--commands @1 @1 list",
          "--commands - --commands - @1"}) {
        calls.push_back(words(line));
    }
    for (const auto& args : calls) {
        const ToolResult result = runGraphQuery(args);
        const std::string call = ::testing::PrintToString(args);
        EXPECT_EQ(result.out, "") << call;
        EXPECT_EQ(result.err.rfind("graph-query: ", 0), 0u) << call << result.err;
        EXPECT_NE(result.err.find(usageText()), std::string::npos) << call;
        EXPECT_EQ(result.status, 2) << call;
    }
    const ToolResult version = runGraphQuery({"--version"});
    EXPECT_EQ(version.out.rfind("graph-query ", 0), 0u);
    EXPECT_EQ(version.status, 0);
}

TEST(GraphQueryTest, UnreadableFilesAreNamedWithTheReason) {
    const std::string missing = kData + "missing.txt";
    const std::string noFile = ": Unable to open file: No such file or directory\n";
    const std::string isDirectory = "graph-query: " + kData + ": read error: Is a directory\n";
    expectRuns({
        {missing + " list", "", "", 2, "graph-query: " + missing + noFile},
        {kData + " list", "", "", 2, isDirectory},
        {"--commands " + missing + " @1", "", "", 2, "graph-query: " + missing + noFile},
        {"--commands " + kData + " @1", "", "", 2, isDirectory},
    });
    // "--" lets a file be named like an option.
    const ScratchFile dashed(contents(kData + "test1.txt"), "-f");
    char previous[4096];
    ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
    ASSERT_EQ(chdir(::testing::TempDir().c_str()), 0);
    const std::string name = dashed.path().substr(::testing::TempDir().size());
    const ToolResult result = runGraphQuery({"--", name, "distance", "A", "D"});
    ASSERT_EQ(chdir(previous), 0);
    EXPECT_EQ(result.out, "17\n");
    EXPECT_EQ(result.status, 0);
}

TEST(GraphQueryTest, CommandsFileAnswersEveryLineLedByItsCommand) {
    const std::string lines =
        "distance A D\npath A D\n\nreachable D A\nbogus\ndistance AB C\r\ndistances E\r\ntopo\n";
    const std::string answers =
        "distance A D: 17\npath A D: A C E D\npath A D: 17\nreachable D A: yes\n"
        "distances E: A 15\ndistances E: B 11\ndistances E: C 8\ndistances E: E 0\n"
        "distances E: D 2\ntopo: \ntopo: " +
        kLeftOut + "A B C E D\n";
    const ScratchFile file(lines);
    const ScratchFile valid("reachable E A\ndistance A D\n");
    const std::string bad = ": 5: unknown command 'bogus'\n";
    const std::string badVertex = ": 6: a vertex is one character, not 'AB'\n";
    const std::string stdinName = "graph-query: standard input";
    const std::string fileName = "graph-query: " + file.path();
    expectRuns({
        {"--commands - @1", lines, answers, 2, stdinName + bad + stdinName + badVertex},
        {"@1 --commands=" + file.path(), "", answers, 2, fileName + bad + fileName + badVertex},
        {"--directed --comm " + valid.path() + " -", contents(kData + "test1.txt"),
         "reachable E A: no\ndistance A D: unreachable\n", 0},
    });
}

}  // namespace
