// graph_query._core: the compiled half of the graph_query package, a thin
// layer over QueryIndex and PartSummary, and graph-query's own answering
// over a summary read elsewhere. It speaks name codes (0 to 255) and bytes;
// the Python half checks arguments, turns codes and bytes into
// one-character str, and raises the exceptions.
#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <cstring>
#include <functional>
#include <istream>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "graph/Graph.h"
#include "python/src/edge_list_sources.h"
#include "tool/fd_input.h"
#include "tool/query_tool.h"

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

// Every stop by the name graph_query.Report gives it, both ways.
constexpr std::pair<LoadReport::Stop, const char*> kStopNames[] = {
    {LoadReport::Stop::endOfInput, "end_of_input"},
    {LoadReport::Stop::endInHeader, "end_in_header"},
    {LoadReport::Stop::endInTriple, "end_in_triple"},
    {LoadReport::Stop::notANumber, "not_a_number"},
    {LoadReport::Stop::outOfRange, "out_of_range"},
    {LoadReport::Stop::inputError, "input_error"},
    {LoadReport::Stop::cannotOpen, "cannot_open"},
};

const char* stopName(LoadReport::Stop stop) {
    for (const auto& [named, name] : kStopNames) {
        if (named == stop) {
            return name;
        }
    }
    return "";
}

LoadReport::Stop stopNamed(const std::string& name) {
    for (const auto& [stop, named] : kStopNames) {
        if (name == named) {
            return stop;
        }
    }
    throw py::value_error("no stop is named '" + name + "'");
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

py::bytes namesOf(const std::string& names) {
    return py::bytes(names);
}

py::list tripleList(const std::vector<EdgeTriple>& triples) {
    py::list list;
    for (const EdgeTriple& triple : triples) {
        list.append(py::make_tuple(static_cast<unsigned char>(triple.source),
                                   static_cast<unsigned char>(triple.target), triple.weight));
    }
    return list;
}

// A distance matrix as (names, rows by columns of float64): inf where
// unreachable, -inf where a negative cycle leaves no least weight.
py::tuple matrixTuple(const DistanceMatrix& matrix) {
    const auto size = static_cast<py::ssize_t>(matrix.names.size());
    py::array_t<double> cells({size, size});
    auto at = cells.mutable_unchecked<2>();
    for (py::ssize_t i = 0; i < size; ++i) {
        for (py::ssize_t j = 0; j < size; ++j) {
            const Distance& cell =
                matrix.rows[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)];
            at(i, j) = cell.kind == Distance::Kind::weight ? static_cast<double>(cell.weight)
                       : cell.kind == Distance::Kind::unreachable
                           ? std::numeric_limits<double>::infinity()
                           : -std::numeric_limits<double>::infinity();
        }
    }
    return py::make_tuple(namesOf(matrix.names), cells);
}

py::object startTuple(const std::optional<PartStart>& start) {
    return start ? py::object(py::make_tuple(start->offset, start->column, start->header))
                 : py::object(py::none());
}

// The reader runGraphQueryOver calls, made of the Python function `read`:
// read(file, directed, header) gives ([(name, part, start, start_is_whole)
// ...], None), or (None, (name, cannot_open, reason)) for an input that
// could not be read. It runs with the GIL.
OutsideReader outsideReaderOf(const py::function& read) {
    return [read](const std::string& file, bool directed, EdgeListHeader header) {
        py::gil_scoped_acquire gil;
        const py::tuple result =
            read(py::bytes(file), directed, header == EdgeListHeader::twoRecords);
        OutsideReading reading;
        if (!result[1].is_none()) {
            const py::tuple failure = result[1];
            reading.failedInput = failure[0].cast<std::string>();
            reading.cannotOpen = failure[1].cast<bool>();
            reading.reason = failure[2].cast<std::string>();
            return reading;
        }
        std::vector<const PartSummary*> parts;
        for (const py::handle input : result[0]) {
            const py::tuple fields = py::reinterpret_borrow<py::tuple>(input);
            const PartSummary& part = fields[1].cast<const PartSummary&>();
            parts.push_back(&part);
            reading.inputs.push_back({fields[0].cast<std::string>(), part.report(),
                                      fields[2].cast<std::string>(), fields[3].cast<bool>()});
        }
        reading.index.emplace(parts);
        return reading;
    };
}

// (index or None, report fields, errno or 0) for a reading that may fail.
py::tuple readingOf(const std::optional<QueryIndex>& index, const LoadReport& report, int error) {
    return py::make_tuple(index ? py::cast(*index) : py::none(), reportFields(report), error);
}

// The Index class: the answers of a QueryIndex.
void defineIndex(py::module_& module) {
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
                return tripleList(index.steps(entriesOf(labelSetting)));
            },
            "(source, target, weight) for every distinct step, as QueryIndex::steps.")
        .def(
            "components",
            [](const QueryIndex& index, bool labelSetting) {
                py::list components;
                for (const std::string& names : index.components(entriesOf(labelSetting))) {
                    components.append(namesOf(names));
                }
                return components;
            },
            "The names of each component, as QueryIndex::components.")
        .def(
            "matrix",
            [](const QueryIndex& index, bool labelSetting) {
                return matrixTuple(labelSetting ? index.shortestDistanceMatrix()
                                                : index.leastWeightMatrix(EdgeEntries::every));
            },
            "(names, float64 cells): every least total weight, or with label_setting every "
            "label-setting distance.")
        .def(
            "tree",
            [](const QueryIndex& index, bool labelSetting) {
                return tripleList(index.spanningForest(entriesOf(labelSetting)));
            },
            "(source, target, weight) for every edge of the spanning forest, in the order taken.");
}

// The Part class, parts read from buffers, files and readers, and the index
// of several inputs' parts.
void defineParts(py::module_& module) {
    py::class_<PartSummary>(module, "Part", "A PartSummary, as graph_query.Part uses it.")
        .def("merge", [](PartSummary& part,
                         const PartSummary& later) { withoutGil([&] { part.merge(later); }); })
        .def("report", [](const PartSummary& part) { return reportFields(part.report()); })
        .def("start", [](const PartSummary& part) { return startTuple(part.start()); })
        .def("end", &PartSummary::end)
        .def("resume", [](const PartSummary& part) { return startTuple(part.resume()); })
        .def("directed", &PartSummary::directed)
        .def("to_bytes",
             [](const PartSummary& part) {
                 return py::bytes(withoutGil([&] { return part.toBytes(); }));
             })
        .def_static("from_bytes", [](py::bytes bytes) {
            const std::string form = bytes;
            return withoutGil([&] { return PartSummary::fromBytes(form); });
        });

    module.def(
        "read_part",
        [](py::object buffer, std::uint64_t offset, std::uint64_t column, bool header,
           bool directed) {
            const BufferView view(buffer);
            return withoutGil([&] {
                return PartSummary(view.data(), view.size(), {offset, column, header}, directed);
            });
        },
        py::arg("buffer"), py::arg("offset"), py::arg("column"), py::arg("header"),
        py::arg("directed"), "The part of the bytes of any buffer, standing at the start given.");

    module.def(
        "read_file_part",
        [](const std::string& path, std::uint64_t offset, std::uint64_t column, bool header,
           std::uint64_t end, bool directed) {
            int error = 0;
            std::optional<PartSummary> part = withoutGil([&] {
                return readFileRange(path, {offset, column, header}, end, directed, error);
            });
            return py::make_tuple(part ? py::cast(std::move(*part)) : py::none(), error);
        },
        py::arg("path"), py::arg("offset"), py::arg("column"), py::arg("header"), py::arg("end"),
        py::arg("directed"), "(part or None, errno or 0) for the bytes of a file up to `end`.");

    module.def(
        "read_reader_part",
        [](const py::function& readInto, std::uint64_t offset, std::uint64_t column, bool header,
           std::uint64_t end, bool directed) {
            // readInto(offset, memoryview) gives the bytes it put there, or -1
            // after a failure it keeps; each call takes the GIL for itself.
            const ReadAt readAt = [&](std::uint64_t at, char* bytes, std::size_t size) {
                py::gil_scoped_acquire gil;
                const long got =
                    readInto(at, py::memoryview::from_memory(bytes, static_cast<py::ssize_t>(size)))
                        .cast<long>();
                if (got < 0) {
                    throw std::runtime_error("read error");
                }
                return static_cast<std::size_t>(got);
            };
            return withoutGil([&] {
                return PartSummary(readAt, {offset, column, header}, end, directed);
            });
        },
        py::arg("read_into"), py::arg("offset"), py::arg("column"), py::arg("header"),
        py::arg("end"), py::arg("directed"),
        "The part of the bytes up to `end` that read_into(offset, memoryview) reads.");

    module.def(
        "index_of_inputs",
        [](const std::vector<const PartSummary*>& inputs) {
            return withoutGil([&] { return QueryIndex(inputs); });
        },
        "The index of the table of several inputs read one after the other.");
}

// graph-query's words, and its answers over a reader of the caller's.
void defineToolWords(py::module_& module) {
    module.def(
        "describe_stop",
        [](const std::string& stop, bool inHeader, py::bytes found) {
            LoadReport report;
            report.stop = stopNamed(stop);
            report.inHeader = inHeader;
            report.found = found;
            return describeStop(report);
        },
        "Why reading stopped, in graph-query's words.");

    module.def(
        "describe_joined_weight",
        [](py::bytes byte) {
            LoadReport report;
            report.joinedByte = std::string(byte).at(0);
            return describeJoinedWeight(report);
        },
        "What a weight joined to the byte given is read as, in graph-query's words.");

    module.def(
        "quoted", [](py::bytes text) { return quotedBytes(std::string(text)); },
        "Bytes between single quotes as graph-query's messages show them.");

    module.def(
        "answer_over",
        [](const std::vector<std::string>& args, const py::function& read,
           const std::string& usagePreface) {
            const OutsideReader reader = outsideReaderOf(read);
            py::gil_scoped_release release;
            FdStreamBuffer standardInputBuffer(0, /*owned=*/false);
            std::istream standardInput(&standardInputBuffer);
            Output out(1);
            Output err(2);
            ToolIo io{standardInput, out, err};
            return runGraphQueryOver(args, io, reader, usagePreface);
        },
        py::arg("args"), py::arg("read"), py::arg("usage_preface"),
        "graph-query's exit status for `args`, answered on standard output from what "
        "read(file, directed, header) makes of FILE.");
}

// Whole inputs read into an index: files, buffers and triples.
void defineReading(py::module_& module) {
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

}  // namespace

PYBIND11_MODULE(_core, module) {
    module.doc() = "The compiled half of graph_query: QueryIndex over name codes and bytes.";
    // How much of an input's start graph-query's notes on how it is written look at.
    module.attr("START_BYTES") = FdStreamBuffer::kStartBytes;
    defineIndex(module);
    defineParts(module);
    defineToolWords(module);
    defineReading(module);
}
