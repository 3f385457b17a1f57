#include "tests/reference/checks.h"

#include <algorithm>
#include <sstream>
#include <stdexcept>
#include <utility>

#include "tests/reference/extraction_reference.h"
#include "tests/reference/textbook_reference.h"

namespace {

// "what: expected, got actual" when they differ.
template <typename T>
std::string differs(const char* what, const T& expected, const T& actual) {
    if (expected == actual) {
        return "";
    }
    std::ostringstream text;
    text << what << ": expected " << expected << ", got " << actual;
    return text.str();
}

std::string text(const std::optional<std::int64_t>& value) {
    return value ? std::to_string(*value) : "none";
}

std::string firstOf(std::initializer_list<std::string> differences) {
    for (const std::string& difference : differences) {
        if (!difference.empty()) {
            return difference;
        }
    }
    return "";
}

// The length of `path` by the reference's steps, or nothing when it is no path.
std::optional<std::int64_t> pathLength(const Graph& graph, const std::string& path) {
    std::int64_t length = 0;
    for (std::size_t i = 1; i < path.size(); ++i) {
        const std::optional<int> step = textbookStep(graph, path[i - 1], path[i]);
        if (!step) {
            return std::nullopt;
        }
        length += *step;
    }
    return length;
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

std::string loadingDifference(const std::string& bytes, bool directed, bool readError) {
    FailingBuffer referenceBuffer(bytes), loaderBuffer(bytes);
    std::istream referenceStream(&referenceBuffer), failing(&loaderBuffer);
    std::istringstream plain(bytes);
    std::istream& input = readError ? failing : plain;
    const Extraction ref =
        readError ? extractByOperator(referenceStream, bytes) : extractByOperator(bytes);
    LoadReport report;
    const Graph graph(input, directed, report);
    Graph perTriple({});
    for (const auto& t : ref.triples) {
        perTriple.addEdge(t.source, t.target, t.weight, directed);
    }
    Graph perEntry({});
    for (const auto& row : graph.adjList) {
        for (const auto& entry : row) {
            perEntry.addEdge(entry->vertex, entry->prev, entry->weight, true);
        }
    }
    const bool failed = input.fail(), eof = input.eof(), bad = input.bad();
    input.clear();
    return firstOf({
        differs("table", tableText(perTriple), tableText(graph)),
        differs("triples", ref.triples.size(), report.triples),
        differs("stop", static_cast<int>(ref.stop), static_cast<int>(report.stop)),
        differs("inHeader", ref.inHeader, report.inHeader),
        differs("stoppedAt", ref.stoppedAt, report.stoppedAt.offset),
        differs("joinedAt", ref.joinedAt.value_or(0),
                report.joinedWeight ? report.joinedAt.offset : 0),
        differs("failbit", true, failed),
        differs("eofbit", ref.eof, eof),
        differs("badbit", ref.bad, bad),
        differs("bytes taken", ref.consumed,
                static_cast<std::uint64_t>(std::streamoff(input.tellg()))),
        differs("table constructor", tableText(perEntry), tableText(Graph(graph.adjList))),
    });
}

std::string queryDifference(const Graph& graph, char from, const std::string& targets) {
    const Distances distances = textbookDistances(graph, from);
    std::string difference = firstOf({
        differs("vertexNames", textbookNames(graph), graph.vertexNames()),
        differs("topoSort", textbookTopoSort(graph), graph.topoSort()),
        graph.shortestDistances(from) == distances ? "" : "shortestDistances",
    });
    const QueryIndex index(graph);
    for (std::size_t i = 0; i < targets.size() && difference.empty(); ++i) {
        const char to = targets[i];
        const auto found = std::find_if(distances.begin(), distances.end(),
                                        [&](const auto& d) { return d.first == to; });
        const std::optional<std::int64_t> distance =
            found == distances.end() ? std::nullopt : found->second;
        const std::string path = graph.shortestPath(from, to);
        const bool pathRight =
            distance ? !path.empty() && path.front() == from && path.back() == to &&
                           pathLength(graph, path) == distance && (from != to || path.size() == 1)
                     : path.empty();
        difference = firstOf({
            differs("Reachable", distance.has_value(), graph.Reachable(from, to)),
            differs("QueryIndex::Reachable", distance.has_value(), index.Reachable(from, to)),
            differs("shortestDistance", text(distance), text(graph.shortestDistance(from, to))),
            differs("Dijkstra", textbookDijkstra(distance), graph.Dijkstra(from, to)),
            differs("shortestPath", std::string("a path"), pathRight ? "a path" : path),
        });
        if (!difference.empty()) {
            difference += " (from " + std::to_string(static_cast<unsigned char>(from)) + " to " +
                          std::to_string(static_cast<unsigned char>(to)) + ")";
        }
    }
    return difference;
}

FailingBuffer::FailingBuffer(std::string bytes, bool standard)
    : bytes_(std::move(bytes)), standard_(standard) {
    setg(bytes_.data(), bytes_.data(), bytes_.data() + bytes_.size());
}

FailingBuffer::int_type FailingBuffer::underflow() {
    if (!standard_) {
        throw 5;
    }
    throw std::runtime_error("read error");
}

FailingBuffer::pos_type FailingBuffer::seekoff(off_type offset, std::ios_base::seekdir direction,
                                               std::ios_base::openmode which) {
    if (offset != 0 || direction != std::ios_base::cur || !(which & std::ios_base::in)) {
        return pos_type(off_type(-1));
    }
    return pos_type(gptr() - eback());
}
