// graph-query run in-process: the exact answers and statuses of every command,
// option parsing, usage and file errors, --commands and the loader's warnings.
// The e2e script runs it as a process.
#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "tests/graph_test_support.h"
#include "tool/query_tool.h"

namespace {

const std::string kData = GRAPH_DATA_DIR;
const std::string kLeftOut = "left out (on or behind a cycle or a weight -1 edge): ";

// The arguments of a call as blank-separated words; @1 and @2 stand for the
// delivered test1.txt and test2.txt.
std::vector<std::string> words(const std::string& line) {
    std::vector<std::string> args;
    std::istringstream in(line);
    for (std::string word; in >> word;) {
        args.push_back(word == "@1" || word == "@2" ? kData + "test" + word[1] + ".txt" : word);
    }
    return args;
}

std::string contents(const std::string& file) {
    std::ostringstream text;
    text << std::ifstream(file).rdbuf();
    return text.str();
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
        EXPECT_EQ(result.out, c.out) << c.args << " on [" << c.input << "]";
        EXPECT_EQ(result.err, c.err) << c.args << " on [" << c.input << "]";
        EXPECT_EQ(result.status, c.status) << c.args << " on [" << c.input << "]";
    }
}

TEST(GraphQueryTest, EveryCommandPrintsItsAnswerAndStatus) {
    const std::string text1 = contents(kData + "test1.txt");
    const std::string warned = "graph-query: standard input: ";
    const std::string max2 = "V 3 E 2 A B 2147483647 B C 2147483647";
    expectRuns({
        {"@1 list", "",
         "(A,B,6)\n(A,C,7)\n(B,A,6)\n(B,C,3)\n(C,A,7)\n(C,B,3)\n(C,E,8)\n(D,E,2)\n"
         "(E,D,2)\n(E,C,8)\n",
         0},
        {"--directed @2 reachable A E", "", "yes\n", 0},
        {"--directed @1 reachable E A", "", "no\n", 1},
        {"--directed @2 distance A D", "", "4\n", 0},
        {"--directed @1 distance A D", "", "unreachable\n", 1},
        {"@1 path A D", "", "A C E D\n17\n", 0},
        {"--directed @1 path A D", "", "unreachable\n", 1},
        {"--directed @2 distances A", "", "A unreachable\nB 3\nC 2\nG 6\nD 4\nE 9\nF 8\n", 0},
        {"--directed @2 topo", "", "A C B G D E F\n", 0},
        {"--directed - topo", "V 3 E 2 A B -1 B C 1", "A\n" + kLeftOut + "B C\n", 1},
        {"@1 topo", "", "\n" + kLeftOut + "A B C E D\n", 1},
        {"@1 check", "", "edges read: 5\nrows: 5\nnames: 5\nread to the end: yes\n", 0},
        // Undirected, each edge once and a loop once per pair of entries.
        {"- dot", "V 2 E 4 A A 4 A B 1 A B 1 B A 2",
         "graph G {\n    \"A\" -- \"A\" [label=\"4\"];\n    \"A\" -- \"B\" [label=\"1\"];\n"
         "    \"A\" -- \"B\" [label=\"1\"];\n    \"A\" -- \"B\" [label=\"2\"];\n}\n",
         0},
        // Quotes, backslashes and other bytes escaped; weight -1 not drawn.
        {"--directed - dot", "V 2 E 3 \" \\ 5 \\ A -1 \xff B 7",
         "digraph G {\n    \"\\\"\" -> \"\\\\\" [label=\"5\"];\n"
         "    \"<0xFF>\" -> \"B\" [label=\"7\"];\n}\n",
         0},
        // Option orders, abbreviations, "--", FILE from standard input.
        {"@1 --directed topo", "", "A B D E C\n", 0},
        {"--dir - topo", text1, "A B D E C\n", 0},
        {"-- - distance A D", text1, "17\n", 0},
        {"@1 --help", "", usageText(), 0},
        // Exact distances, beyond the int range.
        {"--directed - path A C", max2, "A B C\n4294967294\n", 0},
        {"--directed - distances A", max2, "A unreachable\nB 2147483647\nC 4294967294\n", 0},
        // The loader's warnings; the answer comes from the edges read.
        {"- check", "V 2 E 2 A B 1 C",
         "edges read: 1\nrows: 2\nnames: 2\n"
         "read to the end: no, stopped at 1:16: the input ends inside an edge triple\n",
         1,
         warned + "1:16: warning: reading stopped: the input ends inside an edge triple; "
                  "answering from the 1 edge read before it\n"},
        {"--directed - list", "V 2 E 2\nA B 1\nC D x", "(A,B,1)\n", 0,
         warned + "3:5: warning: reading stopped: a weight is not a number (found 'x'); "
                  "answering from the 1 edge read before it\n"},
        {"--directed - list", "V 2 E 2 A B 1.25\n", "(A,B,1)\n(.,2,5)\n", 0,
         warned + "1:14: warning: '.' right after a weight is read as the next item\n"},
    });
}

TEST(GraphQueryTest, BadCallsAndUnreadableFilesGetStatus2) {
    for (const char* line : {"", "@1", "--directed @1", "@1 bogus", "@1 reachable A", "@1 list A",
                             "@1 distances", "@1 distance AB C", "--bogus @1 list", "-f @1 list",
                             "--directed=yes @1 list", "@1 --commands", "--commands - -",
                             "--commands @1 @1 list", "--commands - --commands - @1"}) {
        const ToolResult result = runGraphQuery(words(line));
        EXPECT_EQ(result.out, "") << line;
        EXPECT_EQ(result.err.rfind("graph-query: ", 0), 0u) << line;
        EXPECT_NE(result.err.find(usageText()), std::string::npos) << line;
        EXPECT_EQ(result.status, 2) << line;
    }
    EXPECT_EQ(runGraphQuery({"--version"}).out, "graph-query (graph) 1.0.0\n");
    const std::string missing = kData + "missing.txt";
    const std::string noFile = ": Unable to open file: No such file or directory\n";
    expectRuns({
        {missing + " list", "", "", 2, "graph-query: " + missing + noFile},
        {kData + " list", "", "", 2, "graph-query: " + kData + ": read error: Is a directory\n"},
        {"--commands " + missing + " @1", "", "", 2, "graph-query: " + missing + noFile},
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
}

TEST(GraphQueryTest, CommandsFileAnswersEveryLineLedByItsCommand) {
    const std::string lines =
        "distance A D\npath A D\n\nreachable D A\nbogus\ndistance AB C\r\n"
        "distances E\r\ntopo\n";
    const std::string answers =
        "distance A D: 17\npath A D: A C E D\npath A D: 17\nreachable D A: yes\n"
        "distances E: A 15\ndistances E: B 11\ndistances E: C 8\ndistances E: E 0\n"
        "distances E: D 2\ntopo: \ntopo: " +
        kLeftOut + "A B C E D\n";
    const ScratchFile file(lines);
    const std::string bad = ": 5: unknown command 'bogus'\n";
    const std::string badVertex = ": 6: a vertex is one character, not 'AB'\n";
    const std::string fromStdin = "graph-query: standard input";
    const std::string fromFile = "graph-query: " + file.path();
    expectRuns({
        {"--commands - @1", lines, answers, 2, fromStdin + bad + fromStdin + badVertex},
        {"@1 --commands=" + file.path(), "", answers, 2, fromFile + bad + fromFile + badVertex},
        {"--directed --comm - @1", "reachable E A\ndistance A D\n",
         "reachable E A: no\ndistance A D: unreachable\n", 0},
    });
}

}  // namespace
