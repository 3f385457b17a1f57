// graph-query judged from its contract on seeded random graphs written out as
// edge-list text: every command, through --commands and in runs of its own,
// in both meanings. Least weights and paths by their certificate,
// reachability by the closure over every entry, orders by Kahn's method and
// their obstacles' certificate, the -l answers by the textbook reference, the
// listing and the picture by the table the same text loads; and every line
// of standard error and every exit status.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <tuple>

#include "tests/graph_test_support.h"
#include "tests/reference/certificates.h"
#include "tests/reference/random_graphs.h"
#include "tests/reference/textbook_reference.h"
#include "tests/tool_harness.h"

using namespace std::string_literals;

namespace {

using Lines = std::vector<std::string>;
using Routes = std::map<char, Route>;

int byte(char c) {
    return static_cast<unsigned char>(c);
}

Lines split(const std::string& text, char separator) {
    Lines parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, separator);) {
        parts.push_back(part);
    }
    return parts;
}

// "ACE" as "A C E", and back.
std::string spaced(const std::string& names) {
    std::string text;
    for (const char name : names) {
        text += text.empty() ? std::string(1, name) : std::string{' ', name};
    }
    return text;
}
std::string unspaced(const std::string& text) {
    std::string names;
    for (std::size_t i = 0; i < text.size(); i += 2) {
        names += text[i];
    }
    return names;
}

// What `distance` prints for a route, and the route `path` prints.
std::string answerText(const Route& route) {
    return route.length                  ? std::to_string(*route.length)
           : route.negativeCycle.empty() ? "unreachable"
                                         : "negative cycle " + spaced(route.negativeCycle);
}
Route routeOf(char target, const Lines& lines) {
    Route route{target, {}, "", ""};
    if (lines.size() == 2) {
        route = {target, std::stoll(lines[1]), unspaced(lines[0]), ""};
    } else if (lines.size() == 1 && lines[0].rfind("negative cycle ", 0) == 0) {
        route.negativeCycle = unspaced(lines[0].substr(15));
    }
    return route;
}

// One graph as graph-query is given it, and what the oracle knows of it.
struct Subject {
    std::string text;
    bool directed = true, header = true;
    int fault = 0;        // 0: read whole; 1: a weight joined to the next item; 2: a stop
    std::string warning;  // what reading says, after "graph-query: FILE: "
    std::size_t edges = 0;
    std::string order;  // names as first read, each triple's source before its target
    Graph graph = Graph(std::vector<std::list<std::shared_ptr<Edge>>>());
    std::string sources;
    std::map<char, Routes> routes[2];  // by meaning (-l second), source and target
    std::map<char, std::vector<bool>> reached;
};

// Marks the names reached from `from` over every entry, `from` included.
void reach(const Graph& graph, char from, std::vector<bool>& reached) {
    if (!reached[byte(from)]) {
        reached[byte(from)] = true;
        for (const auto& entry : textbookRow(graph, from)) {
            reach(graph, entry->vertex, reached);
        }
    }
}

// The random graph's table as triples but those naming whitespace, which
// reading skips; with or without the header records, loaded directed or not,
// now and then with a joined weight or a stop at the end.
Subject subjectOf(std::uint32_t seed, int maxNames, bool sample) {
    const RandomGraph built = randomGraph(seed, maxNames, seed % 3 == 0);
    Subject s;
    s.directed = seed % 5 != 2;
    s.header = seed % 2 == 0;
    s.fault = seed % 7 == 3 ? 1 : seed % 7 == 5 ? 2 : 0;
    std::string body;
    const auto read = [&](const std::string& names) {
        for (const char name : names) {
            s.order += s.order.find(name) == std::string::npos ? std::string(1, name) : "";
        }
    };
    for (const auto& row : built.graph.adjList) {
        for (auto entry = std::next(row.begin()); entry != row.end(); ++entry) {
            const std::string names = {row.front()->vertex, (*entry)->vertex};
            if (!std::isspace(byte(names[0])) && !std::isspace(byte(names[1]))) {
                body += spaced(names) + ' ' + std::to_string((*entry)->weight) + '\n';
                read(names);
                ++s.edges;
            }
        }
    }
    const std::string faults[] = {"", "A B 1.25\n", "A B x\n"};  // A B 1.25 is (A,B,1), (.,2,5)
    const std::string warnings[] = {
        "", "6: warning: '.' right after a weight is read as the next item",
        "5: warning: reading stopped: a weight is not a number (found 'x'); answering from the " +
            std::to_string(s.edges) + (s.edges == 1 ? " edge" : " edges") + " read before it"};
    s.warning = std::to_string(s.edges + (s.header ? 3 : 1)) + ":" + warnings[s.fault];
    s.text = (s.header ? "V 1\nE " + std::to_string(s.edges) + "\n" : "") + body + faults[s.fault];
    if (s.fault == 1) {
        read("AB.2");
        s.edges += 2;
    }
    std::istringstream input(s.text);
    LoadReport report;
    s.graph = Graph(input, s.directed, report,
                    s.header ? EdgeListHeader::twoRecords : EdgeListHeader::none);
    s.sources = s.order;
    if (sample) {
        std::shuffle(s.sources.begin(), s.sources.end(), std::mt19937(seed));
        s.sources.resize(std::min<std::size_t>(s.sources.size(), 4));
    }
    for (const char from : s.sources) {
        std::vector<std::string> paths;
        const Distances distances = textbookDistances(s.graph, from, &paths);
        for (std::size_t i = 0; i < distances.size(); ++i) {
            const char to = distances[i].first;
            s.routes[1][from][to] = {to, distances[i].second, paths[i], ""};
        }
        reach(s.graph, from, s.reached[from] = std::vector<bool>(kNameCount, false));
    }
    return s;
}

// The listing's entries: every row's in order (with -l, those not of weight
// -1), rows in the table's order with -l, else in the order names are read.
std::vector<EdgeTriple> listing(const Subject& s, bool label) {
    std::string rows = label ? "" : s.order;
    for (const auto& row : s.graph.adjList) {
        rows += label ? std::string(1, row.front()->vertex) : "";
    }
    std::vector<EdgeTriple> entries;
    for (const char from : rows) {
        const auto& row = textbookRow(s.graph, from);
        for (auto entry = row.begin(); entry != row.end(); ++entry) {
            if (entry != row.begin() && (!label || (*entry)->weight != kHiddenWeight)) {
                entries.push_back({(*entry)->weight, from, (*entry)->vertex});
            }
        }
    }
    return entries;
}

// A name as DOT shows it: printable ASCII as it is, `"` and `\` escaped,
// every other byte as <0xHH>.
std::string dotName(char c) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "<0x%02X>", byte(c));
    return c == '"' || c == '\\'           ? std::string{'\\', c}
           : byte(c) > 32 && byte(c) < 127 ? std::string(1, c)
                                           : std::string(hex);
}

using DotEdge = std::tuple<int, int, std::int64_t>;  // ends (undirected: in order) and weight

DotEdge edgeKey(char u, char v, std::int64_t weight, bool directed) {
    return {directed ? byte(u) : std::min(byte(u), byte(v)),
            directed ? byte(v) : std::max(byte(u), byte(v)), weight};
}

// `dot [A [B]]`: every edge listed, undirected each once, names escaped;
// with A, the last step of each route bold; with B too, the steps of the
// route to B. The lines labelling vertices and the graph are not judged.
void judgeDot(const Subject& s, bool label, const Lines& words, const Lines& lines) {
    static const Routes none;
    const char from = words.size() > 1 ? words[1][0] : '\0';
    const Routes& routes = words.size() > 1 ? s.routes[label].at(from) : none;
    const std::string path = words.size() == 3 ? routes.at(words[2][0]).path : "";
    const std::string drawn = words.size() == 2 ? (label ? textbookNames(s.graph) : s.order)
                              : path.empty()    ? ""
                                                : path.substr(1);  // the targets of bold steps
    const std::string bold = ", style=bold, color=blue];", arrow = s.directed ? " -> " : " -- ";
    std::map<std::string, std::pair<DotEdge, bool>> known;  // each entry's line in each style
    std::multiset<DotEdge> entries, edges, bolds, steps;
    for (const EdgeTriple& e : listing(s, label)) {
        const DotEdge key = edgeKey(e.source, e.target, e.weight, s.directed);
        entries.insert(key);
        for (const std::string& end : {bold, ", color=red];"s, "];"s}) {
            known["    \"" + dotName(e.source) + "\"" + arrow + "\"" + dotName(e.target) +
                  "\" [label=\"" + std::to_string(e.weight) + "\"" + end] = {key, end == bold};
        }
    }
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines.front(), s.directed ? "digraph G {" : "graph G {");
    EXPECT_EQ(lines.back(), "}");
    for (std::size_t i = 1; i + 1 < lines.size(); ++i) {
        const auto edge = known.find(lines[i]);
        if (lines[i].find("\"" + arrow + "\"") == std::string::npos) {
            continue;  // a vertex's label, or the graph's
        }
        ASSERT_TRUE(edge != known.end()) << ::testing::PrintToString(lines[i]);
        edges.insert(edge->second.first);
        if (!s.directed) {
            edges.insert(edge->second.first);  // an undirected edge is two entries
        }
        if (edge->second.second) {
            bolds.insert(edge->second.first);
        }
    }
    for (const char target : drawn) {
        const std::string& way = routes.at(target).path;
        const char last = way.size() >= 2 ? way[way.size() - 2] : from;
        const std::int64_t before = last == from ? 0 : *routes.at(last).length;
        const DotEdge step =
            edgeKey(last, target, routes.at(target).length.value_or(0) - before, s.directed);
        // With -l a step may weigh its first entry's -1, which is not drawn.
        if (way.size() >= 2 && entries.count(step)) {
            steps.insert(step);
        }
    }
    EXPECT_EQ(edges, entries);
    EXPECT_EQ(bolds, steps);
}

// Judges the answer `lines` to the command `words` and returns its status;
// appends to `err` the notes it must give, FILE being `file`.
int judge(const Subject& s, bool label, const Lines& words, const Lines& lines, Lines& err,
          const std::string& file) {
    const std::string names = label ? textbookNames(s.graph) : s.order;
    Lines expected;
    int status = 0;
    if (words[0] == "dot") {
        judgeDot(s, label, words, lines);
        return 0;
    } else if (words[0] == "list") {
        for (const EdgeTriple& e : listing(s, label)) {
            expected.push_back(std::string{'(', e.source, ',', e.target, ','} +
                               std::to_string(e.weight) + ")");
        }
    } else if (words[0] == "check") {
        // Where and why reading went wrong is not judged here.
        expected = {"edges read: " + std::to_string(s.edges),
                    "rows: " + std::to_string(s.graph.vertexCount),
                    "names: " + std::to_string(s.order.size()),
                    s.fault && !lines.empty() ? lines.back() : "read to the end: yes"};
        status = s.fault ? 1 : 0;
    } else if (words[0] == "topo") {
        const std::string order = textbookTopoSort(s.graph, !label, names);
        std::string leftOut;
        for (const char name : names) {
            leftOut += order.find(name) == std::string::npos ? std::string(1, name) : "";
        }
        const std::string why = lines.size() == 3 ? lines[2] : "";
        const bool cycle = why.rfind("cycle ", 0) == 0;
        const TopoObstacle obstacle = {
            why.empty() ? TopoObstacle::Kind::none
            : cycle     ? TopoObstacle::Kind::cycle
                        : TopoObstacle::Kind::hiddenEdge,
            unspaced(why.substr(std::min<std::size_t>(why.size(), cycle ? 6 : 5),
                                cycle ? std::string::npos : 3))};
        expected = {
            spaced(order), spaced(leftOut),
            (cycle ? "cycle " : "edge ") + spaced(obstacle.vertices) + (cycle ? "" : " -1")};
        expected.resize(leftOut.empty() ? 1 : 3);
        EXPECT_EQ(topoCertificate(s.graph, order, obstacle, !label), "") << why;
        err.insert(err.end(), !leftOut.empty() && !s.directed,
                   "graph-query: " + file +
                       ": note: an undirected edge is a cycle of two; use -d to order a directed "
                       "graph");
        status = leftOut.empty() ? 0 : 1;
    }
    for (const char to : words.size() == 1 ? "" : words.size() == 2 ? names : words[2]) {
        const Route& route = s.routes[label].at(words[1][0]).at(to);
        const Route& least = s.routes[0].at(words[1][0]).at(to);
        const bool yes = label ? route.length.has_value() : s.reached.at(words[1][0])[byte(to)];
        if (words[0] == "reachable") {
            expected = {yes ? "yes" : "no"};
            status = yes ? 0 : 1;
            continue;
        }
        // With -l, a note wherever the answer is not the least total weight.
        if (label && answerText(least) != answerText(route)) {
            err.push_back(
                "graph-query: " + file + ": note: " + words[1] + " to " + to + ": " +
                (least.length ? "the least total weight is " : "no least total weight: ") +
                answerText(least) + " (answered without -l)");
        }
        if (words[0] == "distances") {
            expected.push_back(std::string{to, ' '} + answerText(route));
            status |= route.negativeCycle.empty() ? 0 : 1;
        } else {
            expected = {answerText(route)};
            expected.insert(expected.begin(), words[0] == "path" && route.length,
                            spaced(route.path));
            status = route.length ? 0 : 1;
        }
    }
    EXPECT_EQ(lines, expected);
    return status;
}

// Options for a meaning, spelled one of several ways: of -l and -m the last
// given holds.
Lines options(const Subject& s, bool label, unsigned variant) {
    static const Lines spellings[2][4] = {
        {{}, {"-l", "-m"}, {"-lm"}, {"--label-setting", "--minimum"}},
        {{"-l"}, {"-m", "-l"}, {"-ml"}, {"--label-setting"}}};
    Lines args = spellings[label][variant % 4];
    args.insert(args.end(), s.directed, variant % 3 ? "-d" : "--directed");
    args.insert(args.end(), !s.header, "--no-header");
    return args;
}

// Every query from the sources through one CMDFILE, with a comment, blank
// lines and, but for every third variant, invalid lines among them; without
// -l the routes pass their certificate. Every command on the whole graph, and
// a few others, also in a run of its own, for its exit status.
void expectCommandsJudged(Subject& s, bool label, unsigned variant) {
    const bool invalid = variant % 3 != 0, fileOnStdin = variant % 2 == 0;
    std::string text =
        "# every command\nlist\ntopo\n"s + (invalid ? "bogus" : "") + "\ncheck\ndot\n";
    for (const char from : s.sources) {
        for (const char to : s.order) {
            for (const std::string command : {"path", "distance", "reachable"}) {
                text += command + std::string{' ', from, ' ', to, '\n'};
            }
        }
        text += "distances "s + from + "\n\n" + (invalid ? "distance A\n" : "\n");
    }
    if (!s.sources.empty()) {
        text += "dot "s + s.sources[0] + "\ndot " + s.sources[0] + ' ' + s.order.back() + '\n';
    }
    const ScratchFile commandFile(text), graphFile(s.text);
    const std::string file = fileOnStdin ? "standard input" : graphFile.path();
    const std::string input = fileOnStdin ? "-" : graphFile.path();
    Lines args = options(s, label, variant);
    args.insert(args.end(), {"--commands", fileOnStdin ? commandFile.path() : "-", "--", input});
    const ToolResult result = runTool(args, fileOnStdin ? s.text : text);
    const Lines commands = split(text, '\n'), out = split(result.out, '\n');
    const Lines warning(s.fault ? 1 : 0, "graph-query: " + file + ": " + s.warning);
    Lines err = warning;
    std::size_t at = 0;
    std::vector<Route> paths;  // the routes from the source at hand
    std::mt19937 random(variant);
    for (std::size_t n = 0; n < commands.size(); ++n) {
        const Lines words = split(commands[n], ' ');
        Lines lines;
        for (; at < out.size() && out[at].rfind(commands[n] + ": ", 0) == 0; ++at) {
            lines.push_back(out[at].substr(commands[n].size() + 2));
        }
        if (words.empty() || words[0] == "#") {
            continue;
        }
        if (words[0] == "bogus" || (words[0] == "distance" && words.size() == 2)) {
            err.push_back(
                "graph-query: " + (fileOnStdin ? commandFile.path() : "standard input") + ": " +
                std::to_string(n + 1) + ": " +
                (words.size() == 1 ? "unknown command 'bogus'" : "'distance' takes 2 vertices"));
            continue;
        }
        if (!label && words[0] == "path") {
            paths.push_back(s.routes[0][words[1][0]][words[2][0]] = routeOf(words[2][0], lines));
        }
        if (!label && words[0] == "distances") {
            ASSERT_EQ(leastWeightCertificate(s.graph, words[1][0], paths, true, s.order), "")
                << byte(words[1][0]);
            paths.clear();
        }
        const std::size_t notes = err.size();
        const int status = judge(s, label, words, lines, err, file);
        ASSERT_FALSE(::testing::Test::HasFailure()) << ::testing::PrintToString(words);
        // A command line cannot carry NUL, which CMDFILE lines can.
        if ((words.size() == 1 || random() % (commands.size() / 8 + 1) == 0) &&
            commands[n].find('\0') == std::string::npos) {
            Lines single = options(s, label, random()), runErr = warning;
            single.insert(single.end(), {"--", input});
            single.insert(single.end(), words.begin(), words.end());
            runErr.insert(runErr.end(), err.begin() + notes, err.end());
            const ToolResult run = runTool(single, s.text);
            EXPECT_EQ(split(run.out, '\n'), lines) << ::testing::PrintToString(single);
            EXPECT_EQ(split(run.err, '\n'), runErr) << ::testing::PrintToString(single);
            EXPECT_EQ(run.status, s.fault && words[0] != "check" ? 2 : status)
                << ::testing::PrintToString(single);
        }
    }
    EXPECT_EQ(at, out.size()) << "answers left over";
    EXPECT_EQ(split(result.err, '\n'), err);
    EXPECT_EQ(result.status, invalid || s.fault ? 2 : 0);
}

void expectToolJudged(std::uint32_t seed, int maxNames, bool sample) {
    Subject s = subjectOf(seed, maxNames, sample);
    SCOPED_TRACE("seed " + std::to_string(seed) + (s.directed ? ": " : ", undirected: ") +
                 ::testing::PrintToString(s.text));
    ASSERT_NO_FATAL_FAILURE(expectCommandsJudged(s, false, seed));
    expectCommandsJudged(s, true, seed / 7);
}

// Under the sanitizers, which look for faults of memory rather than of
// answers, a tenth of the graphs.
#if defined(__SANITIZE_ADDRESS__)
constexpr std::uint32_t kGraphs = 10;
#else
constexpr std::uint32_t kGraphs = 1;
#endif

TEST(ToolOracleTest, EveryQueryOnSmallGraphs) {
    for (std::uint32_t seed = 1; seed <= 1000 && !HasFailure(); seed += kGraphs) {
        expectToolJudged(seed, 12, false);
    }
}

TEST(ToolOracleTest, SampledSourcesOnGraphsOfUpTo256Names) {
    for (std::uint32_t seed = 200001; seed <= 200060 && !HasFailure(); seed += kGraphs) {
        expectToolJudged(seed, kNameCount, true);
    }
}

}  // namespace
