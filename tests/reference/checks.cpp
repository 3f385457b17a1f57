#include "tests/reference/checks.h"

#include <algorithm>
#include <random>
#include <sstream>
#include <stdexcept>
#include <utility>

#include "graph/internal/edge_list_parts.h"
#include "graph/internal/usual_triples.h"
#include "queries/internal/part_state.h"
#include "tests/reference/certificates.h"
#include "tests/reference/extraction_reference.h"
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

std::string routesText(const std::vector<Route>& routes) {
    std::string written;
    for (const Route& r : routes) {
        written += r.target + text(r.length) + r.path + "|" + r.negativeCycle + " ";
    }
    return written;
}

std::string obstacleText(const TopoObstacle& obstacle) {
    return std::to_string(static_cast<int>(obstacle.kind)) + obstacle.vertices;
}

// Every answer of a Graph or a QueryIndex (with `rows`, its vertexCount) by
// the library's rules, from up to eight of the names and one the table lacks;
// with `every`, the answers with every entry an edge too; and the analyses of
// its index (under `every` when set), which cover every name.
template <typename Queries>
std::string answersText(const Queries& queries, int rows, bool every) {
    const EdgeEntries rule = every ? EdgeEntries::every : EdgeEntries::neighbours;
    std::string text = std::to_string(rows) + " " + queries.vertexNames() + " " +
                       queries.topoSort() + " " + obstacleText(queries.topoObstacle()) + " " +
                       queries.topoSort(rule) + " " + obstacleText(queries.topoObstacle(rule)) +
                       "\n";
    for (const char from : queries.vertexNames().substr(0, 7) + '\x7f') {
        text += routesText(queries.shortestRoutes(from)) +
                routesText(queries.leastWeightRoutes(from)) +
                (every ? routesText(queries.leastWeightRoutes(from, rule)) : "") +
                (queries.Reachable(from, from) ? "R" : "-") + "\n";
    }
    const QueryIndex index(queries);  // a Graph's analyses are those of its index
    for (const std::string& component : index.components(rule)) {
        text += component + "|";
    }
    for (const EdgeTriple& e : index.spanningForest(rule)) {
        text += std::string{e.source, e.target} + std::to_string(e.weight) + " ";
    }
    for (const auto& matrix : {index.leastWeightMatrix(rule), index.shortestDistanceMatrix()}) {
        for (const auto& row : matrix.rows) {
            for (const Distance& d : row) {
                text += std::to_string(static_cast<int>(d.kind)) + std::to_string(d.weight) + " ";
            }
        }
    }
    return text;
}

// The sum of (b + 1) * (i + 1 + key) over the bytes b at places i.
std::uint64_t fingerprint(const std::string& bytes) {
    std::uint64_t sum = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        sum += (static_cast<unsigned char>(bytes[i]) + std::uint64_t{1}) *
               (i + 1 + graph_internal::kFingerprintKey);
    }
    return sum;
}

// What a part's summary tells, in order: rows, names, in-degrees and each
// row's neighbours.
std::string summaryText(const PartSummary& part) {
    graph_internal::TableSummary summary;
    graph_internal::PartAccess::state(part).matrix.summarizeInto(summary);
    std::string text = std::to_string(summary.rowCount()) + " " + summary.order().names() + " " +
                       summary.readOrder().names() + "\n";
    std::vector<std::uint64_t> joined;  // ordinals that only order pairs: written as ranks
    for (const char name : summary.order().names()) {
        for (const auto& n : summary.neighboursOf(name)) {
            joined.push_back(n.joinedAt);
        }
    }
    std::sort(joined.begin(), joined.end());
    for (const char name : summary.order().names()) {
        text += name + std::to_string(summary.inDegree(name)) + ":";
        for (const auto& n : summary.neighboursOf(name)) {
            text += n.name + std::to_string(n.weight) + "/" + std::to_string(n.least) + "/" +
                    std::to_string(n.entries) + "/" + std::to_string(n.hiddenEntries) + "@" +
                    std::to_string(std::lower_bound(joined.begin(), joined.end(), n.joinedAt) -
                                   joined.begin()) +
                    " ";
        }
        text += "\n";
    }
    const PartStart resume = part.resume().value_or(PartStart{0, 0, false});  // column 0: none
    return text + "lines " + std::to_string(part.report().stoppedAt.line - 1) + " resume " +
           std::to_string(resume.offset) + ":" + std::to_string(resume.column) +
           (resume.header ? "h" : "");
}

// The parts [first, last) of the blocks cut at `bounds`, merged by a tree
// that `random` shapes, each step a left fold's as often as not. Where the
// merge must refuse the later subtree, as it began at the wrong item, the
// bytes from the earlier one's resume point through the subtree's are read
// again.
PartSummary mergedParts(const std::string& bytes, const std::vector<std::uint64_t>& bounds,
                        std::vector<PartSummary>& parts, std::size_t first, std::size_t last,
                        std::mt19937& random, std::string& fault) {
    if (last - first == 1) {
        return std::move(parts[first]);
    }
    const std::size_t middle = random() % 2 ? last - 1 : first + 1 + random() % (last - first - 1);
    PartSummary earlier = mergedParts(bytes, bounds, parts, first, middle, random, fault);
    PartSummary later = mergedParts(bytes, bounds, parts, middle, last, random, fault);
    const std::optional<PartStart> resume = earlier.resume();
    if (resume && later.start() != *resume) {
        try {
            earlier.merge(later);
            fault = "merged a part begun at " + std::to_string(later.start().offset);
        } catch (const std::invalid_argument&) {
        }
        later = PartSummary(bytes.data() + resume->offset, bounds[last] - resume->offset, *resume,
                            later.directed());
    }
    earlier.merge(later);
    return earlier;
}

// "offset/line:column".
std::string positionText(const InputPosition& p) {
    return std::to_string(p.offset) + "/" + std::to_string(p.line) + ":" + std::to_string(p.column);
}

}  // namespace

std::string tableText(const Graph& graph) {
    std::string text;
    for (const auto& row : graph.adjList) {
        text += text.empty() ? "" : " ";
        for (const auto& entry : row) {
            const bool head = entry == row.front();
            text += head && entry->weight != kHiddenWeight ? "<head weight>" : "";
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
    const char* const stops[] = {"endOfInput", "endInHeader", "endInTriple", "notANumber",
                                 "outOfRange", "inputError",  "cannotOpen"};
    const auto at = positionText;
    return stops[static_cast<int>(r.stop)] + std::string(" ") + std::to_string(r.triples) +
           (r.inHeader ? " header" : "") + " @" + at(r.stoppedAt) +
           (r.found.empty() ? "" : " found " + r.found) +
           (r.joinedWeight ? " joined " + std::string(1, r.joinedByte) + "@" + at(r.joinedAt)
                           : "") +
           (r.multiByteName ? " multibyte " + r.multiByteNameBytes + "@" + at(r.multiByteNameAt)
                            : "") +
           " #" + std::to_string(r.fingerprint);
}

std::string loadingDifference(const std::string& bytes, bool directed, bool readError,
                              std::size_t chunk) {
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
    const auto at = [&](std::optional<std::uint64_t> offset) -> std::string {
        if (!offset) {
            return "";
        }
        const std::string before = bytes.substr(0, *offset);
        const std::size_t feed = before.rfind('\n');
        return std::to_string(*offset) + "/" +
               std::to_string(std::count(before.begin(), before.end(), '\n') + 1) + ":" +
               std::to_string(*offset - (feed == std::string::npos ? 0 : feed + 1) + 1);
    };
    const auto reported = [](bool given, const InputPosition& p) {
        return given ? positionText(p) : "";
    };
    return firstOf({
        differs("table", tableText(perTriple), tableText(graph)),
        differs("triples", ref.triples.size(), report.triples),
        differs("stop", static_cast<int>(ref.stop), static_cast<int>(report.stop)),
        differs("complete", ref.stop == LoadReport::Stop::endOfInput, report.complete()),
        differs("inHeader", ref.inHeader, report.inHeader),
        differs("stoppedAt", at(ref.stoppedAt), reported(true, report.stoppedAt)),
        differs("found", ref.found, report.found),
        differs("joinedAt", at(ref.joinedAt), reported(report.joinedWeight, report.joinedAt)),
        differs("multiByteAt", at(ref.multiByteAt),
                reported(report.multiByteName, report.multiByteNameAt)),
        differs("fingerprint", fingerprint(bytes.substr(0, ref.consumed)), report.fingerprint),
        differs("fail, eof, bad", "1" + std::to_string(ref.eof) + std::to_string(ref.bad), state),
        differs("bytes taken", ref.consumed,
                static_cast<std::uint64_t>(std::streamoff(input.tellg()))),
        differs("table constructor", tableText(perEntry), tableText(Graph(graph.adjList))),
    });
}

std::string answersDifference(const Graph& graph, const QueryIndex& index, bool every) {
    return differs("answers of the index", answersText(graph, graph.vertexCount, every),
                   answersText(index, index.vertexCount(), every));
}

std::string graphDifference(const Graph& graph) {
    const std::string names = textbookNames(graph);
    const QueryIndex index(graph);
    std::string difference = firstOf({differs("vertexNames", names, graph.vertexNames()),
                                      answersDifference(graph, index, true)});
    for (const bool every : {false, true}) {
        const EdgeEntries rule = every ? EdgeEntries::every : EdgeEntries::neighbours;
        const std::string found = firstOf({
            differs("topoSort", textbookTopoSort(graph, every, names), graph.topoSort(rule)),
            topoCertificate(graph, graph.topoSort(rule), graph.topoObstacle(rule), every),
            componentsCertificate(graph, index.components(rule), every, names),
            leastWeightMatrixCertificate(graph, index.leastWeightMatrix(rule), every, names),
            spanningForestCertificate(graph, index.spanningForest(rule), every, names, ""),
        });
        difference = firstOf({difference, found.empty() ? "" : (every ? "every: " : "") + found});
    }
    return difference;
}

std::string queryDifference(const Graph& graph, char from, const std::string& targets) {
    std::vector<std::string> paths;
    const Distances distances = textbookDistances(graph, from, &paths);
    const std::string names = textbookNames(graph);
    const QueryIndex index(graph);
    std::vector<Route> routes;  // by the textbook
    for (std::size_t i = 0; i < distances.size(); ++i) {
        routes.push_back({distances[i].first, distances[i].second, paths[i], ""});
    }
    // Each target's reachability, by the graph and its index, distance, Dijkstra's int and path.
    std::string expected, actual;
    for (const char to : targets) {
        const Route route = names.find(to) < routes.size() ? routes[names.find(to)] : Route();
        const std::optional<std::int64_t>& d = route.length;
        expected += std::to_string(byte(to)) + (d ? " RR " : " -- ") + text(d) + " " +
                    std::to_string(d ? std::clamp<std::int64_t>(*d, INT32_MIN, INT32_MAX) : -1) +
                    " " + route.path + "\n";
        actual += std::to_string(byte(to)) + (graph.Reachable(from, to) ? " R" : " -") +
                  (index.Reachable(from, to) ? "R " : "- ") +
                  text(graph.shortestDistance(from, to)) + " " +
                  std::to_string(graph.Dijkstra(from, to)) + " " + graph.shortestPath(from, to) +
                  "\n";
    }
    return firstOf({
        graph.shortestDistances(from) == distances ? "" : "shortestDistances",
        differs("shortestRoutes", routesText(routes), routesText(graph.shortestRoutes(from))),
        leastWeightCertificate(graph, from, graph.leastWeightRoutes(from), false, names),
        leastWeightCertificate(graph, from, graph.leastWeightRoutes(from, EdgeEntries::every), true,
                               names),
        differs(("queries from " + std::to_string(byte(from))).c_str(), expected, actual),
    });
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
    const std::string read = index.namesAsRead();
    const char from = read.empty() ? 'A' : read[read.size() / 2];
    return firstOf({
        differs("report", reportText(graphReport), reportText(indexReport)),
        differs("stream", state(forGraph), state(forIndex)),
        answersDifference(graph, index, false),
        differs("namesAsRead", namesInOrder(extractByOperator(bytes).triples), read),
        differs("topoSort(every)", textbookTopoSort(graph, true, read),
                index.topoSort(EdgeEntries::every)),
        leastWeightCertificate(graph, from, index.leastWeightRoutes(from, EdgeEntries::every), true,
                               read),
        differs("report without a header", items(withHeaderReport), items(headerlessReport)),
        answersDifference(behindHeader, noHeader, false),
    });
}

std::string partsDifference(const std::string& bytes, bool directed, EdgeListHeader header,
                            unsigned jobs, std::uint64_t leastPartBytes) {
    const ReadAt readAt = [&](std::uint64_t offset, char* out, std::size_t size) {
        const std::size_t got = std::min<std::size_t>(size, bytes.size() - offset);
        std::copy_n(bytes.data() + offset, got, out);
        return got;
    };
    const auto summarize = [&](unsigned parts, LoadReport& report) {
        const PartSummary whole = graph_internal::readEdgeListInParts(
            readAt, bytes.size(), header, directed, parts, leastPartBytes);
        report = whole.report();
        return summaryText(whole);
    };
    LoadReport whole, inParts, streamed;
    const std::string expected = summarize(1, whole);
    std::istringstream stream(bytes);
    readEdgeList(stream, header, streamed, [](const EdgeTriple*, std::size_t) {});
    std::vector<std::uint64_t> cuts;
    for (std::size_t at = bytes.find('\n', leastPartBytes % 7); at != std::string::npos;
         at = bytes.find('\n', at + 1 + leastPartBytes % 61 * bytes.size() / 400)) {
        cuts.push_back(at + 1);
    }
    return firstOf({
        differs("summary", expected, summarize(jobs, inParts)),
        differs("report", reportText(whole), reportText(inParts)),
        differs("report of the stream", reportText(streamed), reportText(whole)),
        blocksDifference(bytes, directed, header, cuts, static_cast<std::uint32_t>(jobs)),
    });
}

std::string blocksDifference(const std::string& bytes, bool directed, EdgeListHeader header,
                             std::vector<std::uint64_t> bounds, std::uint32_t seed) {
    bounds.insert(bounds.begin(), 0);
    bounds.push_back(bytes.size());
    std::vector<PartSummary> parts;
    std::string fault;
    for (std::size_t i = 0; i + 1 < bounds.size(); ++i) {
        const std::string form = PartSummary(bytes.data() + bounds[i], bounds[i + 1] - bounds[i],
                                             PartStart::lineStart(bounds[i], header), directed)
                                     .toBytes();
        parts.push_back(PartSummary::fromBytes(form));
        fault += parts.back().toBytes() == form ? "" : "a byte form read back otherwise ";
    }
    std::mt19937 random(seed);
    const PartSummary merged = mergedParts(bytes, bounds, parts, 0, parts.size(), random, fault);
    const PartSummary whole(bytes.data(), bytes.size(), PartStart::lineStart(0, header), directed);
    return firstOf({
        fault,
        differs("blocks' summary", summaryText(whole), summaryText(merged)),
        differs("blocks' report", reportText(whole.report()), reportText(merged.report())),
    });
}

std::string byteFormDamage(const std::string& form) {
    for (std::size_t at = 0; at < form.size(); ++at) {
        std::string damaged = form;
        damaged[at] = static_cast<char>(damaged[at] ^ (1 << (at * 5 % 8)));
        for (const std::string& bytes : {form.substr(0, at), damaged}) {
            try {
                const PartSummary part = PartSummary::fromBytes(bytes);
                // The magic, the version and the size are never taken for others.
                if (bytes.size() < form.size() || at < 20 || part.toBytes() != bytes ||
                    QueryIndex(part).vertexCount() < 0) {
                    return "read with byte " + std::to_string(at) + " changed or the last";
                }
            } catch (const std::invalid_argument&) {
            }
        }
    }
    return "";
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
