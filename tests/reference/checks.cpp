#include "tests/reference/checks.h"

#include <algorithm>
#include <queue>
#include <sstream>
#include <stdexcept>
#include <utility>

#include "tests/reference/extraction_reference.h"
#include "tests/reference/least_weight_reference.h"
#include "tests/reference/textbook_reference.h"

namespace {

// "what: expected, got actual" when they differ.
template <typename T>
std::string differs(const char* what, const T& expected, const T& actual) {
    std::ostringstream text;
    text << what << ": expected " << expected << ", got " << actual;
    return expected == actual ? "" : text.str();
}

std::string text(const std::optional<std::int64_t>& value) {
    return value ? std::to_string(*value) : "none";
}

std::string firstOf(std::initializer_list<std::string> differences) {
    const auto found = std::find_if(differences.begin(), differences.end(),
                                    [](const std::string& d) { return !d.empty(); });
    return found == differences.end() ? "" : *found;
}

// Whether `path` leads from `from` to `to` by the reference's steps, adding
// up to `distance`; an empty path when there is no distance.
bool isPath(const Graph& graph, const std::string& path, char from, char to,
            std::optional<std::int64_t> distance) {
    std::int64_t length = 0;
    for (std::size_t i = 1; i < path.size(); ++i) {
        length += textbookStep(graph, path[i - 1], path[i]).value_or(0x7fffffffffff);
    }
    return distance ? !path.empty() && path.front() == from && path.back() == to &&
                          length == *distance && (from != to || path.size() == 1)
                    : path.empty();
}

// What the library's adjacency helpers do, written as textbookAdjacency writes it.
std::string adjacency(const Graph& graph, char vertex, char target, const std::string& visited) {
    std::queue<char> queue;
    std::vector<char> appended;
    std::vector<std::shared_ptr<Edge>> records;
    const std::vector<char> seen(visited.begin(), visited.end());
    std::string text = graph.insertAdjacentElements(queue, seen, vertex, target) ? "1|" : "0|";
    for (; !queue.empty(); queue.pop()) {
        text += queue.front();
    }
    graph.insertAdjacentNodes(appended, seen, vertex);
    graph.insertAdjacentElementsDijkstra(records, vertex);
    text += "|" + std::string(appended.begin(), appended.end()) + "|";
    for (const auto& record : records) {
        text += record->vertex + std::to_string(record->weight) + (record->prev ? "<prev> " : " ");
    }
    return text + "|" + std::to_string(graph.getAdjacentDistance(vertex, target));
}

std::string routesText(const std::vector<Route>& routes) {
    std::string written;
    for (const Route& r : routes) {
        written += r.target + text(r.length) + r.path + "|" + r.negativeCycle + " ";
    }
    return written;
}

// Every answer of a Graph or a QueryIndex (with `rows`, its vertexCount) from
// up to eight of the names, and from one name the table lacks.
template <typename Queries>
std::string answersText(const Queries& queries, int rows) {
    const TopoObstacle obstacle = queries.topoObstacle();
    std::string text = std::to_string(rows) + " " + queries.vertexNames() + " " +
                       queries.topoSort() + " " + std::to_string(static_cast<int>(obstacle.kind)) +
                       obstacle.vertices + "\n";
    for (const char from : queries.vertexNames().substr(0, 7) + '\x7f') {
        text += routesText(queries.shortestRoutes(from)) +
                routesText(queries.leastWeightRoutes(from)) +
                (queries.Reachable(from, from) ? "R" : "-") + "\n";
    }
    return text;
}

}  // namespace

std::string tableText(const Graph& graph) {
    std::string text;
    for (const auto& row : graph.adjList) {
        text += text.empty() ? "" : " ";
        for (const auto& entry : row) {
            const bool head = entry == row.front();
            text += head && entry->weight != -1 ? "<head weight>" : "";
            text += entry->vertex;
            text += head ? ":" : std::to_string(entry->weight) + (entry == row.back() ? "" : ",");
            text += entry->prev == '\0' ? "" : "<prev>";
        }
    }
    if (graph.vertexCount != static_cast<int>(graph.adjList.size())) {
        text += " <vertexCount " + std::to_string(graph.vertexCount) + ">";
    }
    return text;
}

std::string reportText(const LoadReport& r) {
    const char* const stops[] = {"endOfInput", "endInHeader", "endInTriple",
                                 "notANumber", "outOfRange",  "inputError"};
    const auto at = [](const InputPosition& p) {
        return std::to_string(p.offset) + "/" + std::to_string(p.line) + ":" +
               std::to_string(p.column);
    };
    return stops[static_cast<int>(r.stop)] + std::string(" ") + std::to_string(r.triples) +
           (r.inHeader ? " header" : "") + " @" + at(r.stoppedAt) +
           (r.found.empty() ? "" : " found " + r.found) +
           (r.joinedWeight ? " joined " + std::string(1, r.joinedByte) + "@" + at(r.joinedAt)
                           : "") +
           (r.complete() == (r.stop == LoadReport::Stop::endOfInput) ? "" : " <complete()>");
}

std::string loadingDifference(const std::string& bytes, bool directed, bool readError) {
    const std::size_t chunk = 1 + bytes.size() % 13;
    ChunkedBuffer referenceBuffer(bytes, chunk, readError), loaderBuffer(bytes, chunk, readError);
    std::istream referenceStream(&referenceBuffer), input(&loaderBuffer);
    const Extraction ref = extractByOperator(referenceStream, bytes);
    LoadReport report;
    const Graph graph(input, directed, report);
    Graph perTriple({}), perEntry({});
    for (const auto& t : ref.triples) {
        perTriple.addEdge(t.source, t.target, t.weight, directed);
    }
    for (const auto& row : graph.adjList) {
        for (const auto& entry : row) {
            perEntry.addEdge(entry->vertex, entry->prev, entry->weight, true);
        }
    }
    const std::string state =
        std::to_string(input.fail()) + std::to_string(input.eof()) + std::to_string(input.bad());
    input.clear();
    // An offset, and its line and column, as the report gives them.
    const auto at = [&](std::uint64_t offset) {
        const std::string before = bytes.substr(0, offset);
        const std::size_t feed = before.rfind('\n');
        return std::to_string(offset) + "/" +
               std::to_string(std::count(before.begin(), before.end(), '\n') + 1) + ":" +
               std::to_string(offset - (feed == std::string::npos ? 0 : feed + 1) + 1);
    };
    const auto reported = [](const InputPosition& p) {
        return std::to_string(p.offset) + "/" + std::to_string(p.line) + ":" +
               std::to_string(p.column);
    };
    return firstOf({
        differs("table", tableText(perTriple), tableText(graph)),
        differs("triples", ref.triples.size(), report.triples),
        differs("stop", static_cast<int>(ref.stop), static_cast<int>(report.stop)),
        differs("inHeader", ref.inHeader, report.inHeader),
        differs("stoppedAt", at(ref.stoppedAt), reported(report.stoppedAt)),
        differs("found", ref.found, report.found),
        differs("joinedAt", ref.joinedAt ? at(*ref.joinedAt) : "",
                report.joinedWeight ? reported(report.joinedAt) : ""),
        differs("fail, eof, bad", "1" + std::to_string(ref.eof) + std::to_string(ref.bad), state),
        differs("bytes taken", ref.consumed,
                static_cast<std::uint64_t>(std::streamoff(input.tellg()))),
        differs("table constructor", tableText(perEntry), tableText(Graph(graph.adjList))),
    });
}

std::string queryDifference(const Graph& graph, char from, const std::string& targets) {
    const Distances distances = textbookDistances(graph, from);
    const TopoObstacle obstacle = graph.topoObstacle(), expected = textbookTopoObstacle(graph);
    const std::vector<Route> routes = graph.shortestRoutes(from);
    const QueryIndex index(graph);
    std::string difference = firstOf({
        differs("vertexNames", textbookNames(graph), graph.vertexNames()),
        differs("topoSort", textbookTopoSort(graph), graph.topoSort()),
        differs("topoObstacle", std::to_string(static_cast<int>(expected.kind)) + expected.vertices,
                std::to_string(static_cast<int>(obstacle.kind)) + obstacle.vertices),
        graph.shortestDistances(from) == distances ? "" : "shortestDistances",
        leastWeightDifference(graph, from, targets),
    });
    for (std::size_t i = 0; i < targets.size() && difference.empty(); ++i) {
        const char to = targets[i];
        const auto found = std::find_if(distances.begin(), distances.end(),
                                        [&](const auto& d) { return d.first == to; });
        const auto distance = found == distances.end() ? std::nullopt : found->second;
        const auto route = std::find_if(routes.begin(), routes.end(),
                                        [&](const Route& r) { return r.target == to; });
        const std::string visited = targets.substr(i / 2, i % 3);
        difference = firstOf({
            differs("Reachable", distance.has_value(), graph.Reachable(from, to)),
            differs("QueryIndex::Reachable", distance.has_value(), index.Reachable(from, to)),
            differs("shortestDistance", text(distance), text(graph.shortestDistance(from, to))),
            differs("Dijkstra",
                    distance ? static_cast<int>(
                                   std::clamp<std::int64_t>(*distance, INT32_MIN, INT32_MAX))
                             : -1,
                    graph.Dijkstra(from, to)),
            differs("shortestPath", true,
                    isPath(graph, graph.shortestPath(from, to), from, to, distance)),
            differs("shortestRoutes", true,
                    route == routes.end() || (route->length == distance &&
                                              isPath(graph, route->path, from, to, distance))),
            differs("adjacency helpers", textbookAdjacency(graph, from, to, visited),
                    adjacency(graph, from, to, visited)),
        });
        if (!difference.empty()) {
            difference += " (from " + std::to_string(static_cast<unsigned char>(from)) + " to " +
                          std::to_string(static_cast<unsigned char>(to)) + ")";
        }
    }
    return difference;
}

std::string answersDifference(const Graph& graph, const QueryIndex& index) {
    return differs("answers", answersText(graph, graph.vertexCount),
                   answersText(index, index.vertexCount()));
}

std::string indexDifference(const std::string& bytes, bool directed) {
    std::istringstream forGraph(bytes), forIndex(bytes), headerless(bytes);
    std::istringstream withHeader("V 0 E 0\n" + bytes);
    LoadReport graphReport, indexReport, headerlessReport, withHeaderReport;
    const Graph graph(forGraph, directed, graphReport);
    const QueryIndex index(forIndex, directed, indexReport);
    const QueryIndex noHeader(headerless, directed, headerlessReport, EdgeListHeader::none);
    const Graph behindHeader(withHeader, directed, withHeaderReport);
    const auto state = [](std::istringstream& in) {
        const std::string bits = std::to_string(in.rdstate());
        in.clear();
        return bits + "@" + std::to_string(std::streamoff(in.tellg()));
    };
    const auto items = [](const LoadReport& r) {
        return std::to_string(r.triples) + std::to_string(static_cast<int>(r.stop)) + r.found +
               (r.joinedWeight ? std::string(1, r.joinedByte) : "");
    };
    return firstOf({
        differs("report", reportText(graphReport), reportText(indexReport)),
        differs("stream", state(forGraph), state(forIndex)),
        answersDifference(graph, index),
        differs("report without a header", items(withHeaderReport), items(headerlessReport)),
        answersDifference(behindHeader, noHeader),
    });
}

ChunkedBuffer::ChunkedBuffer(std::string bytes, std::size_t chunk, bool failAtEnd, bool standard)
    : bytes_(std::move(bytes)), chunk_(chunk), failAtEnd_(failAtEnd), standard_(standard) {}

ChunkedBuffer::int_type ChunkedBuffer::underflow() {
    if (served_ < bytes_.size()) {
        char* const next = bytes_.data() + served_;
        served_ += std::min(chunk_, bytes_.size() - served_);
        setg(next, next, bytes_.data() + served_);
        return traits_type::to_int_type(*next);
    }
    if (!failAtEnd_) {
        return traits_type::eof();
    }
    if (!standard_) {
        throw 5;
    }
    throw std::runtime_error("read error");
}

ChunkedBuffer::pos_type ChunkedBuffer::seekoff(off_type offset, std::ios_base::seekdir direction,
                                               std::ios_base::openmode which) {
    if (offset != 0 || direction != std::ios_base::cur || !(which & std::ios_base::in)) {
        return pos_type(off_type(-1));
    }
    return pos_type(gptr() == nullptr ? 0 : gptr() - bytes_.data());
}
