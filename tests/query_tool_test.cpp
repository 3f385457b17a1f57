// graph-query's commands on the delivered data, and shortestPath.
#include <gtest/gtest.h>

#include "tests/graph_test_support.h"
#include "tool/query_tool.h"

namespace {

const std::string kData = GRAPH_DATA_DIR;

TEST(GraphQueryTest, CommandsPrintAnswersAndExitStatuses) {
    const ScratchFile cycle("V 3 E 3 A B 1 B A 1 A D 1 C D 5");
    const ScratchFile loops("V 2 E 4 A A 4 A B 1 A B 1 B A 2");
    const ScratchFile negative("V 3 E 2 A B 2 B C -3");
    const std::string test1 = kData + "test1.txt";
    const struct {
        std::vector<std::string> args;
        std::string out;
        int status;
    } cases[] = {
        {{test1, "list"},
         "(A,B,6)\n(A,C,7)\n(B,A,6)\n(B,C,3)\n(C,A,7)\n(C,B,3)\n(C,E,8)\n(D,E,2)\n(E,D,2)\n(E,C,8)"
         "\n",
         0},
        {{"--directed", test1, "reachable", "A", "C"}, "yes\n", 0},
        {{"--directed", test1, "reachable", "E", "A"}, "no\n", 1},
        {{"--directed", negative.path(), "distance", "A", "C"}, "-1\n", 0},
        {{"--directed", negative.path(), "distance", "C", "A"}, "unreachable\n", 1},
        {{test1, "path", "A", "D"}, "A C E D\n17\n", 0},
        {{test1, "path", "A", "A"}, "A\n0\n", 0},
        {{"--directed", test1, "topo"}, "A B D E C\n", 0},
        {{"--directed", cycle.path(), "topo"}, "C\nleft out (on or behind a cycle): A B D\n", 1},
        {{test1, "topo"}, "\nleft out (on or behind a cycle): A B C E D\n", 1},
        {{loops.path(), "dot"},
         "graph G {\n    \"A\" -- \"A\" [label=\"4\"];\n    \"A\" -- \"B\" [label=\"1\"];\n"
         "    \"A\" -- \"B\" [label=\"1\"];\n    \"A\" -- \"B\" [label=\"2\"];\n}\n",
         0},
        {{"--help"}, usageText(), 0},
    };
    for (const auto& c : cases) {
        const ToolResult result = runGraphQuery(c.args);
        const std::string call = ::testing::PrintToString(c.args);
        EXPECT_EQ(result.out, c.out) << call;
        EXPECT_EQ(result.err, "") << call;
        EXPECT_EQ(result.status, c.status) << call;
    }
}

TEST(GraphQueryTest, BadCallsGetUsageOrOpenErrorsAndStatus2) {
    const std::string test1 = kData + "test1.txt";
    const std::vector<std::string> calls[] = {
        {},
        {test1},
        {"--directed", test1},
        {test1, "bogus"},
        {test1, "reachable", "A"},
        {test1, "list", "A"},
        {test1, "distance", "AB", "C"},
        {test1, "path", "A", ""},
    };
    for (const auto& args : calls) {
        const ToolResult result = runGraphQuery(args);
        EXPECT_EQ(result.out, "") << ::testing::PrintToString(args);
        EXPECT_EQ(result.err.rfind("graph-query: ", 0), 0u) << ::testing::PrintToString(args);
        EXPECT_NE(result.err.find(usageText()), std::string::npos);
        EXPECT_EQ(result.status, 2);
    }
    for (const std::string& file : {kData + "missing.txt", kData, std::string()}) {
        const ToolResult result = runGraphQuery({file, "path", "A", "B"});
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, "Unable to open file\n") << file;
        EXPECT_EQ(result.status, 2);
    }
}

TEST(ShortestPathTest, LengthIsDijkstraOnEveryPairOfTheDeliveredGraphs) {
    for (const char* file : {"test1.txt", "test2.txt", "test4.txt"}) {
        for (const bool directed : {false, true}) {
            const Graph graph(kData + file, directed);
            for (char from = 'A'; from <= 'H'; ++from) {
                for (char to = 'A'; to <= 'H'; ++to) {
                    expectPathMatchesDijkstra(graph, from, to);
                }
            }
        }
    }
    EXPECT_EQ(Graph(kData + "test1.txt", false).shortestPath('A', 'D'), "ACED");
}

}  // namespace
