// graph-query judged from its contract on seeded random graphs written out as
// edge-list text in a shuffled order: every command, through --commands and in
// runs of its own, in both meanings. Least weights, paths, the matrix,
// components and the spanning forest by their certificates, reachability by
// the certified routes, orders by Kahn's method and their obstacles'
// certificate, the -l answers by the textbook reference, the listing and the
// pictures by the table the same text loads, what was read by plain `>>`
// extraction; and every line of standard error and every exit status.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <random>
#include <set>
#include <sstream>

#include "tests/graph_test_support.h"
#include "tests/reference/certificates.h"
#include "tests/reference/extraction_reference.h"
#include "tests/reference/random_graphs.h"
#include "tests/reference/textbook_reference.h"
#include "tests/tool_harness.h"

using namespace std::string_literals;

namespace {

using Lines = std::vector<std::string>;
using Routes = std::map<char, Route>;

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
    const bool cycle = lines.size() == 1 && lines[0].rfind("negative cycle ", 0) == 0;
    return lines.size() == 2 ? Route{target, std::stoll(lines[1]), unspaced(lines[0]), ""}
                             : Route{target, {}, "", cycle ? unspaced(lines[0].substr(15)) : ""};
}

// A matrix as `matrix` writes it, a cell as a number, inf or -inf; and read back.
Lines matrixText(const DistanceMatrix& matrix) {
    Lines lines(matrix.rows.size() + 1);
    for (std::size_t i = 0; i < matrix.rows.size(); ++i) {
        lines[0] += '\t' + std::string(1, matrix.names[i]);
        lines[i + 1] = matrix.names[i];
        for (const Distance& d : matrix.rows[i]) {
            lines[i + 1] += d.kind == Distance::Kind::weight ? '\t' + std::to_string(d.weight)
                            : d.kind == Distance::Kind::unreachable ? "\tinf"
                                                                    : "\t-inf";
        }
    }
    return lines;
}
DistanceMatrix matrixOf(const Lines& lines) {
    DistanceMatrix matrix;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Lines cells = split(lines[i], '\t');
        matrix.rows.resize(i);
        for (std::size_t j = 1; j < cells.size(); ++j) {
            using Kind = Distance::Kind;
            const Kind kind = cells[j] == "inf"    ? Kind::unreachable
                              : cells[j] == "-inf" ? Kind::negativeCycle
                                                   : Kind::weight;
            if (i == 0) {
                matrix.names += cells[j].substr(0, 1);
            } else {
                matrix.rows.back().push_back(
                    {kind, kind == Kind::weight ? std::stoll(cells[j]) : 0});
            }
        }
    }
    return matrix;
}

std::string tripleText(char source, char target, std::int64_t weight) {
    return std::string{'(', source, ',', target, ','} + std::to_string(weight) + ")";
}

// One graph as graph-query is given it, and what the oracle knows of it.
struct Subject {
    std::string text;
    bool directed = true, header = true;
    int fault = 0;        // 0: read whole; 1: a weight joined to the next item; 2: a stop
    std::string warning;  // what reading says, after "graph-query: FILE: "
    std::string order;    // names as first read, each triple's source before its target
    std::string pairs;    // each triple's source and target, as read
    Graph graph = Graph(std::vector<std::list<std::shared_ptr<Edge>>>());
    std::string sources;
    std::map<char, Routes> routes[2];  // by meaning (-l second), source and target
    // The analyses as answered, once judged: by meaning, and the least-weight ones.
    std::vector<std::string> components[2];
    std::vector<EdgeTriple> forest[2];
    DistanceMatrix least;
};

// The random graph's table as triples in a shuffled order; with or without the
// header records, loaded directed or not, now and then with a joined weight
// or a stop at the end.
Subject subjectOf(std::uint32_t seed, int maxNames, bool sample) {
    const RandomGraph built = randomGraph(seed, maxNames, seed % 3 == 0);
    Subject s;
    s.directed = seed % 5 != 2;
    s.header = seed % 2 == 0;
    s.fault = seed % 7 == 3 ? 1 : seed % 7 == 5 ? 2 : 0;
    const std::string body = edgeListOf(built.graph, seed);
    const std::size_t lines = std::count(body.begin(), body.end(), '\n');
    const std::string faults[] = {"", "A B 1.25\n", "A B x\n"};  // A B 1.25 is (A,B,1), (.,2,5)
    const std::string warnings[] = {
        "", "6: warning: '.' right after a weight is read as the next item",
        "5: warning: reading stopped: a weight is not a number (found 'x'); answering from the " +
            std::to_string(lines) + (lines == 1 ? " edge" : " edges") + " read before it"};
    s.warning = std::to_string(lines + (s.header ? 3 : 1)) + ":" + warnings[s.fault];
    s.text = (s.header ? "V 1\nE " + std::to_string(lines) + "\n" : "") + body + faults[s.fault];
    const Extraction read = extractByOperator(s.header ? s.text : "V 0 E 0\n" + s.text);
    s.order = namesInOrder(read.triples);
    for (const ExtractedTriple& t : read.triples) {
        s.pairs += {t.source, t.target};
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
            const auto& [to, length] = distances[i];
            s.routes[1][from][to] = {to, length, paths[i], ""};
        }
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

// Names and words as DOT shows them: printable ASCII as it is, `"` and `\`
// escaped, every other byte as <0xHH>.
std::string dotText(const std::string& text) {
    std::string escaped;
    for (const char c : text) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "<0x%02X>", byte(c));
        escaped += c == '"' || c == '\\'            ? std::string{'\\', c}
                   : byte(c) >= 32 && byte(c) < 127 ? std::string(1, c)
                                                    : std::string(hex);
    }
    return escaped;
}

// `dot [A [B] | components | tree]`: the listing's edges in its order,
// undirected each once (from the lesser name, a loop's two entries once),
// names escaped. Bold, on the first line of its ends at its weight: with A
// the last step of each route, with B the steps of the route to B, with
// `tree` the forest's edges; red, every line between the ends of a step of a
// negative cycle met. With A each vertex labelled with its answer, with B
// the graph; with `components`, each component's vertices in a colour of
// their own.
void judgeDot(const Subject& s, const std::string& names, bool label, const Lines& words,
              const Lines& lines) {
    // The start of the line drawing an edge of the ends; undirected, from the lesser name.
    const auto drawn = [&](char u, char v) {
        const bool swap = !s.directed && byte(u) > byte(v);
        return "    \"" + dotText({swap ? v : u}) + (s.directed ? "\" -> \"" : "\" -- \"") +
               dotText({swap ? u : v}) + "\" [label=\"";
    };
    std::map<std::string, int> bold;  // by the line's start and weight
    std::set<std::string> red;        // by the line's start
    static const Routes none;
    const std::string kind = words.size() == 2 && words[1].size() > 1 ? words[1] : "";
    const Routes& routes =
        words.size() > 1 && kind.empty() ? s.routes[label].at(words[1][0]) : none;
    const std::string path = words.size() == 3 ? routes.at(words[2][0]).path : "";
    Lines expected = {s.directed ? "digraph G {" : "graph G {"};
    for (const char to : routes.empty() ? "" : names) {
        const Route& route = routes.at(to);
        const std::string& way = route.path;
        if (way.size() >= 2 && (words.size() == 2 || path.find(to, 1) != std::string::npos)) {
            const char last = way[way.size() - 2];
            const std::int64_t before = last == words[1][0] ? 0 : *routes.at(last).length;
            ++bold[drawn(last, to) + std::to_string(*route.length - before)];
        }
        if (words.size() == 3 && to != words[2][0]) {
            continue;
        }
        for (std::size_t i = 1; i < route.negativeCycle.size(); ++i) {
            red.insert(drawn(route.negativeCycle[i - 1], route.negativeCycle[i]));
        }
        const std::string style = route.length                  ? ""
                                  : route.negativeCycle.empty() ? ", style=dashed"
                                                                : ", color=red";
        expected.push_back(
            words.size() == 3
                ? "    label=\"" + dotText(words[1] + " to " + to + ": " + answerText(route)) +
                      "\";"
                : "    \"" + dotText({to}) + "\" [label=\"" + dotText({to}) + "\\n" +
                      (route.negativeCycle.empty() ? answerText(route) : "negative cycle") + "\"" +
                      style + "];");
    }
    for (const EdgeTriple& e : kind == "tree" ? s.forest[label] : std::vector<EdgeTriple>()) {
        ++bold[drawn(e.source, e.target) + std::to_string(e.weight)];
    }
    std::set<std::string> colours;
    for (const std::string& component :
         kind == "components" ? s.components[label] : std::vector<std::string>()) {
        const std::string head = "\" [style=filled, fillcolor=\"";
        const std::string first = "    \"" + dotText({component[0]}) + head;
        const std::string line = expected.size() < lines.size() ? lines[expected.size()] : "";
        const std::string colour = line.rfind(first, 0) == 0 ? line.substr(first.size()) : "";
        colours.insert(colour);
        for (const char name : component) {
            expected.push_back("    \"" + dotText({name}) + head + colour);
        }
    }
    EXPECT_EQ(colours.size(), kind == "components" ? s.components[label].size() : 0);
    std::size_t loops = 0;
    for (const EdgeTriple& e : listing(s, label)) {
        if (!s.directed &&
            (byte(e.source) > byte(e.target) || (e.source == e.target && loops++ % 2 == 1))) {
            continue;
        }
        const std::string line = drawn(e.source, e.target) + std::to_string(e.weight);
        int& marked = bold[line];
        expected.push_back(line + "\"" + (marked > 0 ? ", style=bold, color=blue" : "") +
                           (red.count(drawn(e.source, e.target)) ? ", color=red" : "") + "];");
        marked -= marked > 0;
    }
    expected.push_back("}");
    EXPECT_EQ(lines, expected);
}

// Judges the answer `lines` to the command `words` and returns its status;
// appends to `err` the notes it must give, FILE being `file`.
int judge(Subject& s, bool label, const Lines& words, const Lines& lines, Lines& err,
          const std::string& file) {
    const std::string names = label ? textbookNames(s.graph) : s.order;
    const std::string note = "graph-query: " + file + ": note: ";
    Lines expected;
    int status = 0;
    if (words[0] == "dot") {
        judgeDot(s, names, label, words, lines);
        return 0;
    } else if (words[0] == "list") {
        for (const EdgeTriple& e : listing(s, label)) {
            expected.push_back(tripleText(e.source, e.target, e.weight));
        }
    } else if (words[0] == "check") {
        // Where and why reading went wrong is not judged here.
        expected = {"edges read: " + std::to_string(s.pairs.size() / 2),
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
        const std::string walk = unspaced(why.substr(why.find(' ') + 1));
        const TopoObstacle obstacle = {why.empty() ? TopoObstacle::Kind::none
                                       : cycle     ? TopoObstacle::Kind::cycle
                                                   : TopoObstacle::Kind::hiddenEdge,
                                       cycle ? walk : walk.substr(0, 2)};
        expected = {spaced(order), spaced(leftOut),
                    cycle ? "cycle " + spaced(walk) : "edge " + spaced(obstacle.vertices) + " -1"};
        expected.resize(leftOut.empty() ? 1 : 3);
        EXPECT_EQ(topoCertificate(s.graph, order, obstacle, !label), "") << why;
        err.insert(err.end(), !leftOut.empty() && !s.directed,
                   note + "an undirected edge is a cycle of two; use -d to order a directed graph");
        status = leftOut.empty() ? 0 : 1;
    } else if (words[0] == "components") {
        for (const std::string& line : lines) {
            s.components[label].push_back(unspaced(line));
            expected.push_back(spaced(s.components[label].back()));
        }
        EXPECT_EQ(componentsCertificate(s.graph, s.components[label], !label, names), "");
    } else if (words[0] == "matrix") {
        DistanceMatrix matrix = matrixOf(lines);
        if (label) {
            matrix = {names, {}};
            for (const char from : names) {
                matrix.rows.emplace_back();
                for (const auto& [to, distance] : textbookDistances(s.graph, from)) {
                    matrix.rows.back().push_back(
                        {distance ? Distance::Kind::weight : Distance::Kind::unreachable,
                         distance.value_or(0)});
                }
            }
        } else {
            EXPECT_EQ(leastWeightMatrixCertificate(s.graph, matrix, true, names), "");
            s.least = matrix;
        }
        expected = matrixText(matrix);
        std::size_t differ = 0;
        for (std::size_t k = 0; k < names.size() * names.size(); ++k) {
            const auto cell = [&](const DistanceMatrix& m) {
                const Distance& d = m.rows.at(m.names.find(names[k / names.size()]))
                                        .at(m.names.find(names[k % names.size()]));
                return std::make_pair(d.kind, d.weight);
            };
            differ += cell(matrix) != cell(s.least);
            status |= cell(matrix).first == Distance::Kind::negativeCycle;
        }
        err.insert(err.end(), differ > 0,
                   note + std::to_string(differ) + " of " +
                       std::to_string(names.size() * names.size()) +
                       " cells are not the least total weight (answered without -l)");
    } else if (words[0] == "tree") {
        std::int64_t total = 0, least = 0;
        for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
            const std::string& line = lines[i];
            s.forest[label].push_back(
                line.size() < 7 ? EdgeTriple{0, 0, 0}
                                : EdgeTriple{std::stoi(line.substr(5)), line[1], line[3]});
            const EdgeTriple& e = s.forest[label].back();
            expected.push_back(tripleText(e.source, e.target, e.weight));
            total += e.weight;
        }
        for (const EdgeTriple& e : s.forest[0]) {
            least += e.weight;
        }
        expected.push_back("total " + std::to_string(total));
        EXPECT_EQ(spanningForestCertificate(s.graph, s.forest[label], !label, names,
                                            label ? "" : s.pairs),
                  "");
        err.insert(err.end(), label && least != total,
                   note + "a spanning forest of the least total weight weighs " +
                       std::to_string(least) + " (answered without -l)");
    }
    for (const char to : words.size() == 1 ? "" : words.size() == 2 ? names : words[2]) {
        const Route& route = s.routes[label].at(words[1][0]).at(to);
        const Route& least = s.routes[0].at(words[1][0]).at(to);
        if (words[0] == "reachable") {
            // Every name reaches itself; one behind a negative cycle is reached.
            const bool yes =
                label ? route.length.has_value() : least.length || !least.negativeCycle.empty();
            expected = {yes ? "yes" : "no"};
            status = yes ? 0 : 1;
            continue;
        }
        // With -l, a note wherever the answer is not the least total weight.
        if (label && answerText(least) != answerText(route)) {
            err.push_back(
                note + words[1] + " to " + to + ": " +
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
// given holds. Now and then one job, so that FILE is read as a stream rather
// than in parts.
Lines options(const Subject& s, bool label, unsigned variant) {
    static const Lines spellings[2][4] = {
        {{}, {"-l", "-m"}, {"-lm"}, {"--label-setting", "--minimum"}},
        {{"-l"}, {"-m", "-l"}, {"-ml"}, {"--label-setting"}}};
    Lines args = spellings[label][variant % 4];
    args.insert(args.end(), s.directed, variant % 3 ? "-d" : "--directed");
    args.insert(args.end(), !s.header, "--no-header");
    args.insert(args.end(), variant % 5 == 1, variant % 2 ? "-j1" : "--jobs=1");
    return args;
}

// Every query from the sources through one CMDFILE, with a comment, blank
// lines and, but for every third variant, invalid lines among them (`tree`
// of a directed graph is one); without -l the routes pass their certificate.
// Every command on the whole graph, every invalid line, and a few others also
// in a run of its own.
void expectCommandsJudged(Subject& s, bool label, unsigned variant) {
    const bool invalid = variant % 3 != 0, fileOnStdin = variant % 2 == 0;
    std::string text = "# every command\nlist\ntopo\n"s + (invalid ? "bogus" : "") +
                       "\ncheck\ndot\ncomponents\ndot components\nmatrix\n" +
                       (invalid || !s.directed ? "tree\ndot tree\n" : "");
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
        const std::string problem =
            words[0] == "bogus"                           ? "unknown command 'bogus'"
            : words[0] == "distance" && words.size() == 2 ? "'distance' takes 2 vertices"
            : s.directed && words.back() == "tree" ? "'tree' needs an undirected graph: drop -d"
                                                   : "";
        Lines runErr = {"graph-query: " + problem,
                        "Try 'graph-query --help' for more information."};
        int status = 2;
        if (!problem.empty()) {
            err.push_back("graph-query: " + (fileOnStdin ? commandFile.path() : "standard input") +
                          ": " + std::to_string(n + 1) + ": " + problem);
            EXPECT_EQ(lines, Lines());
        } else {
            if (!label && words[0] == "path") {
                paths.push_back(s.routes[0][words[1][0]][words[2][0]] =
                                    routeOf(words[2][0], lines));
            }
            if (!label && words[0] == "distances") {
                ASSERT_EQ(leastWeightCertificate(s.graph, words[1][0], paths, true, s.order), "")
                    << byte(words[1][0]);
                paths.clear();
            }
            const std::size_t notes = err.size();
            status = judge(s, label, words, lines, err, file);
            ASSERT_FALSE(::testing::Test::HasFailure()) << ::testing::PrintToString(words);
            runErr = warning;
            runErr.insert(runErr.end(), err.begin() + notes, err.end());
            status = s.fault && words[0] != "check" ? 2 : status;
        }
        // A command line cannot carry NUL, which CMDFILE lines can.
        if ((words.size() == 1 || words[1].size() > 1 || !problem.empty() ||
             random() % (commands.size() / 8 + 1) == 0) &&
            commands[n].find('\0') == std::string::npos) {
            Lines single = options(s, label, random());
            single.insert(single.end(), {"--", input});
            single.insert(single.end(), words.begin(), words.end());
            const ToolResult run = runTool(single, s.text);
            EXPECT_EQ(split(run.out, '\n'), lines) << ::testing::PrintToString(single);
            EXPECT_EQ(split(run.err, '\n'), runErr) << ::testing::PrintToString(single);
            EXPECT_EQ(run.status, status) << ::testing::PrintToString(single);
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

TEST(ToolOracleTest, EveryQueryOnSmallGraphs) {
    for (std::uint32_t seed = 1; seed <= 1000 && !HasFailure(); seed += kSeedStep) {
        expectToolJudged(seed, 12, false);
    }
}

TEST(ToolOracleTest, SampledSourcesOnGraphsOfUpTo256Names) {
    for (std::uint32_t seed = 200001; seed <= 200060 && !HasFailure(); seed += kSeedStep) {
        expectToolJudged(seed, kNameCount, true);
    }
}

}  // namespace
