// graph-query run in-process: the exact texts that the tool oracle leaves
// open: which cycle or obstacle is named, colours, the loader's warnings and
// hints, usage errors, --commands. The e2e script runs
// it as a process; every answer's correctness is the tool oracle's
// (tool_oracle_test.cpp).
#include <gtest/gtest.h>

#include <sstream>

#include "tests/graph_test_support.h"
#include "tests/tool_harness.h"
#include "tool/usage.h"

namespace {

const std::string kData = GRAPH_DATA_DIR;

// The arguments of a call as blank-separated words; @1 stands for the
// delivered test1.txt.
std::vector<std::string> words(const std::string& line) {
    std::vector<std::string> args;
    std::istringstream in(line);
    for (std::string word; in >> word;) {
        args.push_back(word == "@1" ? kData + "test1.txt" : word);
    }
    return args;
}

// A run: its arguments, standard input and output, status and standard
// error, in which '~' stands for "graph-query: standard input: ".
struct Case {
    std::string args, input, out;
    int status;
    std::string err = "";
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

// Answers, pictures and notes are the tool oracle's to judge; these pin what
// it leaves open: which cycle is named, what keeps vertices out of an order,
// the colours of components.
TEST(GraphQueryTest, NamedCyclesObstaclesAndColours) {
    expectRuns({
        {"-d - distances B", "V 1 E 1 A B 1 B C -3 C A 1 C D 2",
         "A negative cycle B C A B\nB negative cycle B C A B\nC negative cycle B C A B\n"
         "D negative cycle B C A B\n",
         1},
        {"@1 topo", "", "\nA B C D E\ncycle A B A\n", 1,
         "graph-query: " + kData +
             "test1.txt: note: an undirected edge is a cycle of two; use -d to order a directed "
             "graph\n"},
        // B is kept out by a weight -1 entry before the cycle it is on.
        {"-ld - topo", "V 1 E 1 A B -1 B C 1 C B 1", "A\nB C\nedge A B -1\n", 1},
        {"- dot components", "V 1 E 1 A B 1 C D 1",
         "graph G {\n    \"A\" [style=filled, fillcolor=\"0.000 0.350 1.000\"];\n"
         "    \"B\" [style=filled, fillcolor=\"0.000 0.350 1.000\"];\n"
         "    \"C\" [style=filled, fillcolor=\"0.618 0.350 1.000\"];\n"
         "    \"D\" [style=filled, fillcolor=\"0.618 0.350 1.000\"];\n"
         "    \"A\" -- \"B\" [label=\"1\"];\n    \"C\" -- \"D\" [label=\"1\"];\n}\n",
         0},
    });
}

// Reading that stops early, a weight run into the next item: answered from
// what was read, with status 2 (1 for check), and a hint where one helps.
TEST(GraphQueryTest, InputNotReadWholeGetsStatus2) {
    expectRuns({
        {"- check", "V 1 E 1 A B 1.25\n",
         "edges read: 2\nrows: 4\nnames: 4\nread to the end: yes, but at 1:14: '.' right after a "
         "weight is read as the next item\n",
         1, "~1:14: warning: '.' right after a weight is read as the next item\n"},
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

// Comments, blank lines and line numbers in CMDFILE are the tool oracle's;
// here lines that end in CR LF, and a vertex the graph lacks.
TEST(GraphQueryTest, CommandsFileAnswersEveryLineLedByItsCommand) {
    const ScratchFile file("distance a C\r\ndistances E\r\nreachable D A\r\n");
    expectRuns({
        {"@1 --commands=" + file.path(), "",
         "distances E: A 15\ndistances E: B 11\ndistances E: C 8\ndistances E: D 2\n"
         "distances E: E 0\nreachable D A: yes\n",
         2, "graph-query: " + file.path() + ": 1: no vertex 'a' in the graph\n"},
    });
}

}  // namespace
