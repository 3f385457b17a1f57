// graph_query._core: the compiled half of the graph_query package, a thin
// layer over QueryIndex. It speaks name codes (0 to 255) and bytes; the
// Python half checks arguments, turns codes and bytes into one-character
// str, and raises the exceptions.
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "graph/Graph.h"
#include "python/src/edge_list_sources.h"

namespace py = pybind11;

namespace {

char nameOf(unsigned char code) {
    return static_cast<char>(code);
}

EdgeListHeader headerOf(bool header) {
    return header ? EdgeListHeader::twoRecords : EdgeListHeader::none;
}

// Which entries are edges: every one, or by the library's rules those of
// weight other than -1.
EdgeEntries entriesOf(bool labelSetting) {
    return labelSetting ? EdgeEntries::neighbours : EdgeEntries::every;
}

// Runs `read` without the GIL, so that other threads run, and read, meanwhile.
// It must touch no Python object.
template <typename Read>
auto withoutGil(Read read) {
    py::gil_scoped_release release;
    return read();
}

// A contiguous buffer of any object that exports one (bytes, bytearray,
// memoryview, mmap, array), held for as long as this lives.
class BufferView {
  public:
    explicit BufferView(py::handle object) {
        if (PyObject_GetBuffer(object.ptr(), &view_, PyBUF_SIMPLE) != 0) {
            throw py::error_already_set();
        }
    }
    BufferView(const BufferView&) = delete;
    BufferView& operator=(const BufferView&) = delete;
    ~BufferView() { PyBuffer_Release(&view_); }

    const char* data() const { return static_cast<const char*>(view_.buf); }
    std::size_t size() const { return static_cast<std::size_t>(view_.len); }

  private:
    Py_buffer view_;
};

const char* stopName(LoadReport::Stop stop) {
    switch (stop) {
        case LoadReport::Stop::endOfInput:
            return "end_of_input";
        case LoadReport::Stop::endInHeader:
            return "end_in_header";
        case LoadReport::Stop::endInTriple:
            return "end_in_triple";
        case LoadReport::Stop::notANumber:
            return "not_a_number";
        case LoadReport::Stop::outOfRange:
            return "out_of_range";
        case LoadReport::Stop::inputError:
            return "input_error";
        case LoadReport::Stop::cannotOpen:
            return "cannot_open";
    }
    return "";
}

py::tuple positionTuple(const InputPosition& at) {
    return py::make_tuple(at.offset, at.line, at.column);
}

// The report's fields, by the names graph_query.Report gives them.
py::dict reportFields(const LoadReport& report) {
    py::dict fields;
    fields["edges_read"] = report.triples;
    fields["stop"] = stopName(report.stop);
    fields["in_header"] = report.inHeader;
    fields["stopped_at"] = positionTuple(report.stoppedAt);
    fields["found"] = py::bytes(report.found);
    if (report.joinedWeight) {
        fields["joined_at"] = positionTuple(report.joinedAt);
        fields["joined_byte"] = py::bytes(&report.joinedByte, 1);
    }
    if (report.multiByteName) {
        fields["multi_byte_name_at"] = positionTuple(report.multiByteNameAt);
        fields["multi_byte_name_bytes"] = py::bytes(report.multiByteNameBytes);
    }
    fields["fingerprint"] = report.fingerprint;
    return fields;
}

// A route as (target, length or None, path, negative cycle).
py::tuple routeTuple(const Route& route) {
    return py::make_tuple(static_cast<unsigned char>(route.target),
                          route.length ? py::cast(*route.length) : py::none(),
                          py::bytes(route.path), py::bytes(route.negativeCycle));
}

// (index or None, report fields, errno or 0) for a reading that may fail.
py::tuple readingOf(const std::optional<QueryIndex>& index, const LoadReport& report, int error) {
    return py::make_tuple(index ? py::cast(*index) : py::none(), reportFields(report), error);
}

}  // namespace

PYBIND11_MODULE(_core, module) {
    module.doc() = "The compiled half of graph_query: QueryIndex over name codes and bytes.";

    py::class_<QueryIndex>(module, "Index", "A summary of a table, as graph_query.Summary uses it.")
        .def(
            "names",
            [](const QueryIndex& index, bool labelSetting) {
                return py::bytes(labelSetting ? index.vertexNames() : index.namesAsRead());
            },
            "Every name once: as first read, or with label_setting in the table's order.")
        .def(
            "routes",
            [](const QueryIndex& index, unsigned char from, bool labelSetting) {
                const std::vector<Route> routes =
                    labelSetting ? index.shortestRoutes(nameOf(from))
                                 : index.leastWeightRoutes(nameOf(from), EdgeEntries::every);
                py::list tuples;
                for (const Route& route : routes) {
                    tuples.append(routeTuple(route));
                }
                return tuples;
            },
            "(target, length, path, cycle) for every name in names(label_setting) order: least "
            "total weights, or with label_setting the label-setting search's routes.")
        .def(
            "reachable",
            [](const QueryIndex& index, unsigned char from, unsigned char to) {
                return index.Reachable(nameOf(from), nameOf(to));
            },
            "Reachable by the library's rules.")
        .def(
            "topo",
            [](const QueryIndex& index, bool labelSetting) {
                const EdgeEntries entries = entriesOf(labelSetting);
                const std::string order = index.topoSort(entries);
                const TopoObstacle obstacle = index.topoObstacle(entries);
                const char* kind = obstacle.kind == TopoObstacle::Kind::cycle        ? "cycle"
                                   : obstacle.kind == TopoObstacle::Kind::hiddenEdge ? "edge"
                                                                                     : "";
                return py::make_tuple(py::bytes(order), kind, py::bytes(obstacle.vertices));
            },
            "(order, obstacle kind, obstacle vertices): kind '' when no name is left out.")
        .def(
            "steps",
            [](const QueryIndex& index, bool labelSetting) {
                py::list steps;
                for (const EdgeTriple& step : index.steps(entriesOf(labelSetting))) {
                    steps.append(py::make_tuple(static_cast<unsigned char>(step.source),
                                                static_cast<unsigned char>(step.target),
                                                step.weight));
                }
                return steps;
            },
            "(source, target, weight) for every distinct step, as QueryIndex::steps.");

    module.def(
        "read_file",
        [](const std::string& path, bool directed, bool header, unsigned jobs) {
            LoadReport report;
            int error = 0;
            const std::optional<QueryIndex> index = withoutGil(
                [&] { return readFile(path, directed, headerOf(header), jobs, report, error); });
            return readingOf(index, report, error);
        },
        py::arg("path"), py::arg("directed"), py::arg("header"), py::arg("jobs"),
        "(index, report, errno) for the file at `path` (bytes).");

    module.def(
        "read_buffer",
        [](py::object buffer, bool directed, bool header, unsigned jobs) {
            const BufferView view(buffer);
            LoadReport report;
            const std::optional<QueryIndex> index = withoutGil([&] {
                return readMemory(view.data(), view.size(), directed, headerOf(header), jobs,
                                  report);
            });
            return readingOf(index, report, 0);
        },
        py::arg("buffer"), py::arg("directed"), py::arg("header"), py::arg("jobs"),
        "(index, report, 0) for the bytes of any buffer, read where they lie.");

    module.def(
        "read_triples",
        [](py::bytes sources, py::bytes targets, py::object weights, bool directed) {
            const std::string from = sources;
            const std::string to = targets;
            const BufferView weightBytes(weights);
            if (to.size() != from.size() || weightBytes.size() != from.size() * sizeof(int)) {
                throw py::value_error("sources, targets and weights differ in length");
            }
            return withoutGil([&] {
                std::vector<EdgeTriple> triples(from.size());
                for (std::size_t i = 0; i < triples.size(); ++i) {
                    std::memcpy(&triples[i].weight, weightBytes.data() + i * sizeof(int),
                                sizeof(int));
                    triples[i].source = from[i];
                    triples[i].target = to[i];
                }
                return QueryIndex(
                    std::function<void(const EdgeBatchVisitor&)>(
                        [&](const EdgeBatchVisitor& add) { add(triples.data(), triples.size()); }),
                    directed);
            });
        },
        py::arg("sources"), py::arg("targets"), py::arg("weights"), py::arg("directed"),
        "An index of the triples (sources[i], targets[i], weights[i]), weights as C ints.");
}
