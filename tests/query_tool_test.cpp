// graph-query run in-process: the exact texts of answers, messages and
// statuses that certificates cannot judge, in both meanings, of the loader's
// warnings and hints, of usage errors and of --commands. The e2e script runs
// it as a process; every answer's correctness is the tool oracle's
// (tool_oracle_test.cpp).
#include <gtest/gtest.h>

#include <sstream>

#include "tests/graph_test_support.h"
#include "tests/tool_harness.h"
#include "tool/usage.h"

namespace {

const std::string kData = GRAPH_DATA_DIR;

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

struct Case {
    std::string args;
    std::string input;  // standard input
    std::string out;
    int status;
    std::string err = "";  // '~' stands for "graph-query: standard input: "
};

void expectRuns(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        const ToolResult result = runTool(words(c.args), c.input);
        std::string err = c.err;
        for (std::size_t at; (at = err.find('~')) != std::string::npos;) {
            err.replace(at, 1, "graph-query: standard input: ");
        }
        EXPECT_EQ(result.out, c.out) << c.args << " on [" << c.input << "]";
        EXPECT_EQ(result.err, err) << c.args << " on [" << c.input << "]";
        EXPECT_EQ(result.status, c.status) << c.args << " on [" << c.input << "]";
    }
}

// Answers the tool oracle judges by certificates are left to it; these pin
// exact texts: which cycle is named, pictures, notes, messages.
const std::string kSettled = "V 1 E 1 A B 1 A C 5 C B -10",
                  kCycle = "V 1 E 1 A B 1 B C -3 C A 1 C D 2";

// Every triple an edge, least total weights, names as first read.
TEST(GraphQueryTest, DefaultAnswersAreLeastTotalWeights) {
    expectRuns({
        {"-d @2 distances A", "", "A 0\nB 3\nC 2\nG 6\nD 4\nE 9\nF 8\n", 0},
        {"-d - distances B", kCycle,
         "A negative cycle B C A B\nB negative cycle B C A B\nC negative cycle B C A B\n"
         "D negative cycle B C A B\n",
         1},
        {"@1 topo", "", "\nA B C D E\ncycle A B A\n", 1,
         "graph-query: " + kData +
             "test1.txt: note: an undirected edge is a cycle of two; use -d to order a directed "
             "graph\n"},
        {"-d @2 dot A F", "",
         "digraph G {\n    label=\"A to F: 8\";\n    \"A\" -> \"B\" [label=\"3\"];\n"
         "    \"A\" -> \"C\" [label=\"2\"];\n    \"A\" -> \"G\" [label=\"6\", style=bold, "
         "color=blue];\n"
         "    \"B\" -> \"D\" [label=\"1\"];\n    \"B\" -> \"E\" [label=\"6\"];\n"
         "    \"C\" -> \"B\" [label=\"2\"];\n    \"C\" -> \"D\" [label=\"3\"];\n"
         "    \"G\" -> \"F\" [label=\"2\", style=bold, color=blue];\n    \"D\" -> \"F\" "
         "[label=\"4\"];\n"
         "    \"E\" -> \"F\" [label=\"1\"];\n}\n",
         0},
        {"- dot A \xff", "V 1 E 1 A \xff -2",
         "graph G {\n    label=\"A to <0xFF>: negative cycle A <0xFF> A\";\n    \"A\" -- "
         "\"<0xFF>\" [label=\"-2\", color=red];\n}\n",
         0},
        {"- dot B", "V 1 E 1 A B -2 C C 1",
         "graph G {\n    \"A\" [label=\"A\\nnegative cycle\", color=red];\n"
         "    \"B\" [label=\"B\\nnegative cycle\", color=red];\n"
         "    \"C\" [label=\"C\\nunreachable\", style=dashed];\n"
         "    \"A\" -- \"B\" [label=\"-2\", color=red];\n    \"C\" -- \"C\" [label=\"1\"];\n}\n",
         0},
        // Undirected, each edge once; quotes, backslashes and other bytes escaped.
        {"- dot", "V 2 E 4 A A 4 A B 1 B A 2 \" \\ 5 \xff B 7",
         "graph G {\n    \"A\" -- \"A\" [label=\"4\"];\n    \"A\" -- \"B\" [label=\"1\"];\n"
         "    \"A\" -- \"B\" [label=\"2\"];\n    \"B\" -- \"<0xFF>\" [label=\"7\"];\n"
         "    \"\\\"\" -- \"\\\\\" [label=\"5\"];\n}\n",
         0},
    });
}

// The analyses' formats; their answers are the tool oracle's to judge.
TEST(GraphQueryTest, AnalysesOfTheWholeGraph) {
    const std::string graph = "V 1 E 1 A B 2 B A -1 C C 5 D C 3 A D 2 A D 1";
    expectRuns({
        {"-d - components", graph, "A B\nC\nD\n", 0},
        {"-ld - components", graph, "A\nB\nD\nC\n", 0},
        {"-d - matrix", "V 1 E 1 A B 2 B A -1 C C 5 D C 3",
         "\tA\tB\tC\tD\nA\t0\t2\tinf\tinf\nB\t-1\t0\tinf\tinf\nC\tinf\tinf\t0\tinf\n"
         "D\tinf\tinf\t3\t0\n",
         0},
        {"-d - matrix", "V 1 E 1 A A -1 B A 1", "\tA\tB\nA\t-inf\tinf\nB\t-inf\t0\n", 1},
        {"- tree", graph, "(A,B,-1)\n(A,D,1)\n(C,D,3)\ntotal 3\n", 0},
        {"-l - tree", graph, "(A,B,2)\n(A,D,2)\n(D,C,3)\ntotal 7\n", 0,
         "~note: a spanning forest of the least total weight weighs 3 (answered without -l)\n"},
        {"-d - tree", graph, "", 2,
         "graph-query: 'tree' needs an undirected graph: drop -d\nTry 'graph-query --help' for "
         "more information.\n"},
        {"- dot tree", "V 1 E 1 A B 1 C D 1 A C 1 A B 1",
         "graph G {\n    \"A\" -- \"B\" [label=\"1\", style=bold, color=blue];\n"
         "    \"A\" -- \"C\" [label=\"1\", style=bold, color=blue];\n    \"A\" -- \"B\" "
         "[label=\"1\"];\n    \"C\" -- \"D\" [label=\"1\", style=bold, color=blue];\n}\n",
         0},
        {"- dot components", "V 1 E 1 A B 1 C D 1",
         "graph G {\n    \"A\" [style=filled, fillcolor=\"0.000 0.350 1.000\"];\n"
         "    \"B\" [style=filled, fillcolor=\"0.000 0.350 1.000\"];\n"
         "    \"C\" [style=filled, fillcolor=\"0.618 0.350 1.000\"];\n"
         "    \"D\" [style=filled, fillcolor=\"0.618 0.350 1.000\"];\n"
         "    \"A\" -- \"B\" [label=\"1\"];\n    \"C\" -- \"D\" [label=\"1\"];\n}\n",
         0},
    });
}

// -l: the library's rules, with a note where the answer is not the least
// total weight.
TEST(GraphQueryTest, LabelSettingAnswersAreTheLibrarysWithNotes) {
    const std::string note = " (answered without -l)\n";
    expectRuns({
        {"-dl - distance A B", kSettled, "1\n", 0,
         "~note: A to B: the least total weight is -5" + note},
        // B is kept out by a weight -1 entry before the cycle it is on.
        {"-ld - topo", "V 1 E 1 A B -1 B C 1 C B 1", "A\nB C\nedge A B -1\n", 1},
    });
}

// Reading that stops early, a weight run into the next item: answered from
// what was read, with status 2 (1 for check), and a hint where one helps.
TEST(GraphQueryTest, InputNotReadWholeGetsStatus2) {
    const std::string joined =
        "~1:14: warning: '.' right after a weight is read as the next item\n";
    expectRuns({
        {"-d - distance A B", "V 1\nE 1\nA B 1\nB C x\nC D 2\n", "1\n", 2,
         "~4:5: warning: reading stopped: a weight is not a number (found 'x'); answering from "
         "the 1 edge read before it\n"},
        {"- check", "V 1 E 1 A B 1.25\n",
         "edges read: 2\nrows: 4\nnames: 4\nread to the end: yes, but at 1:14: '.' right after a "
         "weight is read as the next item\n",
         1, joined},
        {"- list", "A B 1\nB C 2\n", "", 2,
         "~1:3: warning: reading stopped: a header value is not a number (found 'B'); answering "
         "from the 0 edges read before it\n~note: an edge list without the two header records "
         "is read with --no-header\n"},
        {"--no-header - list", "V 10\nE 20\n", "(V,1,0)\n(1,V,0)\n(E,2,0)\n(2,E,0)\n", 0,
         "~note: the input seems to start with the two header records, which --no-header reads "
         "as edges\n"},
        {"- list", "\xef\xbb\xbfV 1\nE 1\n", "", 2,
         "~1:2: warning: reading stopped: a header value is not a number (found '\\xBB'); "
         "answering from the 0 edges read before it\n~note: the input starts with a UTF-8 byte "
         "order mark, read as items\n"},
        // A word of several letters, and values separated by commas.
        {"--no-header - list", "Alice Bob 3\n", "", 2,
         "~1:3: warning: reading stopped: a weight is not a number (found 'i'); answering from the "
         "0 edges read before it\n~1:1: note: vertex names are single characters: 'Alice' is "
         "read as several items\n"},
        {"- list", "V 2\nE 1\nA,B,3\n", "", 2,
         "~3:3: warning: reading stopped: a weight is not a number (found 'B'); answering from the "
         "0 edges read before it\n~note: items are separated by whitespace, not ','\n"},
        {"- list", "V 1\nE 1\n\xc3\xa9 B 1\n", "", 2,
         "~3:4: warning: reading stopped: a weight is not a number (found 'B'); answering from "
         "the 0 edges read before it\n~3:1: note: vertex names are single bytes: '\\xC3\\xA9' is "
         "read as two names\n"},
        // No edges, read whole: an empty graph.
        {"- check", " \n", "edges read: 0\nrows: 0\nnames: 0\nread to the end: yes\n", 0},
        {"--no-header - topo", "", "\n", 0},
        {"@1 distance a d", "", "", 2,
         "graph-query: " + kData + "test1.txt: no vertex 'a' in the graph\n"},
    });
}

TEST(GraphQueryTest, UsageErrorsAreOneLineAndStatus2) {
    const std::string tryHelp = "\nTry 'graph-query --help' for more information.\n";
    expectRuns({
        {"@1 distance A", "", "", 2, "graph-query: 'distance' takes 2 vertices" + tryHelp},
        {"@1 topo A", "", "", 2, "graph-query: 'topo' takes no vertices" + tryHelp},
        {"@1 dot A B C", "", "", 2, "graph-query: 'dot' takes at most 2 vertices" + tryHelp},
        {"distance A B @1", "", "", 2,
         "graph-query: 'distance' is a command: FILE comes before it" + tryHelp},
        {"-x @1 list", "", "", 2, "graph-query: invalid option -- 'x'" + tryHelp},
        {"-h", "", usageText(), 0},
    });
    EXPECT_EQ(runTool({"-V"}).out.rfind("graph-query (graph) 2.1.0\nfast path: ", 0), 0u);
    EXPECT_EQ(runTool({"", "list"}).err,
              "graph-query: '': Unable to open file: No such file or directory\n");
}

TEST(GraphQueryTest, CommandsFileAnswersEveryLineLedByItsCommand) {
    const std::string lines =
        "# test1\ndistance A D\npath A D\n\nreachable D A\nbogus\n"
        "distance a C\r\ndistances E\r\n";
    const std::string answers =
        "distance A D: 17\npath A D: A C E D\npath A D: 17\nreachable D A: yes\n"
        "distances E: A 15\ndistances E: B 11\ndistances E: C 8\ndistances E: D 2\n"
        "distances E: E 0\n";
    const ScratchFile file(lines);
    const std::string problems = ": 6: unknown command 'bogus'\ngraph-query: " + file.path() +
                                 ": 7: no vertex 'a' in the graph\n";
    expectRuns({
        {"@1 --commands=" + file.path(), "", answers, 2, "graph-query: " + file.path() + problems},
    });
}

}  // namespace
