// graph-query run in-process: the exact output, messages and status of each
// command, of the loader's warnings, of unknown vertices, of the two
// meanings of "shortest", of usage errors and of --commands. The e2e script
// runs it as a process.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tests/graph_test_support.h"
#include "tool/query_tool.h"

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
    std::string err = "";  // after "graph-query: standard input: " when it starts with '~'
};

void expectRuns(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        const ToolResult result = runGraphQuery(words(c.args), c.input);
        std::string err = c.err;
        for (std::size_t at; (at = err.find('~')) != std::string::npos;) {
            err.replace(at, 1, "graph-query: standard input: ");
        }
        EXPECT_EQ(result.out, c.out) << c.args << " on [" << c.input << "]";
        EXPECT_EQ(result.err, err) << c.args << " on [" << c.input << "]";
        EXPECT_EQ(result.status, c.status) << c.args << " on [" << c.input << "]";
    }
}

// Answers the e2e script does not pin; the library's answers are the oracles'.
TEST(GraphQueryTest, EveryCommandPrintsItsAnswerAndStatus) {
    expectRuns({
        {"--directed @1 reachable E A", "", "no\n", 1},
        {"-d @1 path A D", "", "unreachable\n", 1},
        {"-d @2 distances B", "",
         "A unreachable\nB unreachable\nC unreachable\nG unreachable\nD 1\nE 6\nF 5\n", 0,
         "graph-query: " + kData +
             "test2.txt: note: B to B: the least total weight is 0 (see --minimum)\n"},
        // Undirected, each edge once and a loop once per pair of entries.
        {"- dot", "V 2 E 4 A A 4 A B 1 A B 1 B A 2",
         "graph G {\n    \"A\" -- \"A\" [label=\"4\"];\n    \"A\" -- \"B\" [label=\"1\"];\n"
         "    \"A\" -- \"B\" [label=\"1\"];\n    \"A\" -- \"B\" [label=\"2\"];\n}\n",
         0},
        // Quotes, backslashes and other bytes escaped; weight -1 not drawn.
        {"-d - dot", "V 2 E 3 \" \\ 5 \\ A -1 \xff B 7",
         "digraph G {\n    \"\\\"\" -> \"\\\\\" [label=\"5\"];\n"
         "    \"<0xFF>\" -> \"B\" [label=\"7\"];\n}\n",
         0},
        // The order, the vertices left out and what keeps them out.
        {"-d - topo", "V 1 E 1 A B 1 B C 1 C B 1 C D 1", "A\nB C D\ncycle B C B\n", 1},
        {"-d - topo", "V 1 E 1 A B -1 B C 1", "A\nB C\nedge A B -1\n", 1},
        {"@1 topo", "", "\nA B C E D\ncycle A B A\n", 1},
        {"--dir --no-h - distance A B", "A B 5", "5\n", 0},
    });
}

// The label-setting answer, with a note where it is not the least total
// weight, and that weight with --minimum.
TEST(GraphQueryTest, LeastTotalWeightIsNotedAndAnsweredWithMinimum) {
    const std::string settled = "V 1 E 1 A B 1 A C 5 C B -10", parallel = "V 1 E 1 A B 5 A B 2",
                      cycle = "V 1 E 1 A B 1 B C -3 C A 1";
    expectRuns({
        {"-d - distance A B", settled, "1\n", 0,
         "~note: A to B: the least total weight is -5 (see --minimum)\n"},
        {"-dm - distance A B", settled, "-5\n", 0},
        {"-d - distance A B", parallel, "5\n", 0,
         "~note: A to B: the least total weight is 2 (see --minimum)\n"},
        {"--directed --minimum - path A B", parallel, "A B\n2\n", 0},
        {"-d - distance A C", cycle, "-2\n", 0,
         "~note: A to C: no least total weight: negative cycle A B C A (see --minimum)\n"},
        {"-dm - path A C", cycle, "negative cycle A B C A\n", 1},
        {"-m - distances B", "V 1 E 1 A B 3 C D -1", "A 3\nB 0\nC unreachable\nD unreachable\n", 0},
    });
}

// Reading that stops early, a weight run into the next item and an empty
// FILE are answered from what was read, with status 2 (1 for check).
TEST(GraphQueryTest, InputNotReadWholeGetsStatus2) {
    const std::string stopped =
        "~4:5: warning: reading stopped: a weight is not a number "
        "(found 'x'); answering from the 1 edge read before it\n";
    const std::string joined =
        "~1:14: warning: '.' right after a weight is read as the next item\n";
    expectRuns({
        {"-d - distance A B", "V 1\nE 1\nA B 1\nB C x\nC D 2\n", "1\n", 2, stopped},
        {"-d - list", "V 1 E 1 A B 1.25\n", "(A,B,1)\n(.,2,5)\n", 2, joined},
        {"- check", "V 1 E 1 A B 1.25\n",
         "edges read: 2\nrows: 4\nnames: 4\nread to the end: yes, but at 1:14: '.' right after a "
         "weight is read as the next item\n",
         1, joined},
        {"- list", "", "", 2, "~warning: the input is empty\n"},
        {"--no-header - list", " \n", "", 2, "~warning: the input holds no edges\n"},
        {"- list", "A B 1\nB C 2\n", "", 2,
         "~1:3: warning: reading stopped: a header value is not a number (found 'B'); answering "
         "from the 0 edges read before it\n~note: an edge list without the two header records "
         "is read with --no-header\n"},
        {"--no-header - list", "A B 1\nB C 2\n", "(A,B,1)\n(B,A,1)\n(B,C,2)\n(C,B,2)\n", 0},
        {"@1 distance a d", "", "", 2,
         "graph-query: " + kData + "test1.txt: no vertex 'a' in the graph\n"},
    });
}

TEST(GraphQueryTest, UsageErrorsAreOneLineAndStatus2) {
    const std::string tryHelp = "\nTry 'graph-query --help' for more information.\n";
    expectRuns({
        {"@1 distance A", "", "", 2, "graph-query: 'distance' takes 2 vertices" + tryHelp},
        {"-x @1 list", "", "", 2, "graph-query: invalid option -- 'x'" + tryHelp},
        {"--directed=1 @1 list", "", "", 2,
         "graph-query: option '--directed' doesn't allow an argument" + tryHelp},
        {"@1 -c", "", "", 2, "graph-query: option requires an argument -- 'c'" + tryHelp},
        {"--commands", "", "", 2,
         "graph-query: option '--commands' requires an argument" + tryHelp},
        {"--bogus @1 list", "", "", 2, "graph-query: unrecognized option '--bogus'" + tryHelp},
        {"-c - -c - @1", "", "", 2, "graph-query: option '--commands' given twice" + tryHelp},
        {"-h", "", usageText(), 0},
        {"-V", "", "graph-query (graph) 1.0.0\n", 0},
    });
}

TEST(GraphQueryTest, CommandsFileAnswersEveryLineLedByItsCommand) {
    const std::string lines =
        "distance A D\npath A D\n\nreachable D A\nbogus\ndistance a C\r\ndistances E\r\n";
    const std::string answers =
        "distance A D: 17\npath A D: A C E D\npath A D: 17\nreachable D A: yes\n"
        "distances E: A 15\ndistances E: B 11\ndistances E: C 8\ndistances E: E 0\n"
        "distances E: D 2\n";
    const ScratchFile file(lines);
    const std::string problems = ": 5: unknown command 'bogus'\ngraph-query: " + file.path() +
                                 ": 6: no vertex 'a' in the graph\n";
    const ScratchFile listing("list\nreachable B A\n");
    expectRuns({
        {"@1 --commands=" + file.path(), "", answers, 2, "graph-query: " + file.path() + problems},
        // FILE read again for its listing, or kept from the start when it cannot be.
        {"--commands " + listing.path() + " -d @2", "",
         "list: (A,B,3)\nlist: (A,C,2)\nlist: (A,G,6)\nlist: (B,D,1)\nlist: (B,E,6)\n"
         "list: (C,B,2)\nlist: (C,D,3)\nlist: (D,F,4)\nlist: (E,F,1)\nlist: (G,F,2)\n"
         "reachable B A: no\n",
         0},
        {"--commands " + listing.path() + " -", "V 1 E 1 A B 1",
         "list: (A,B,1)\nlist: (B,A,1)\nreachable B A: yes\n", 0},
        {"--directed --comm - @1", "reachable E A\ndistance A D\n",
         "reachable E A: no\ndistance A D: unreachable\n", 0},
    });
}

}  // namespace
