// analyses_bench [FILE]: the analyses of a QueryIndex beside what they stand
// for or follow. In memory, on the complete directed graph of the 256 names
// (every ordered pair, weights from -300 to 1300 but no cycle of negative
// weight; and the same with one such cycle): leastWeightMatrix against
// leastWeightRoutes from one name and from each of the 256, with the other
// analyses beside. With FILE (from make_edges), read as graph-query reads a
// file on both cores, directed and undirected: the reading of its summary
// against each analysis of it, which must be negligible next to it. The
// ratios the targets are stated in follow the table.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/target_reporter.h"
#include "graph/query_index.h"

namespace {

char nameOf(int index) {
    return static_cast<char>(static_cast<unsigned char>(index));
}

// Every ordered pair of the 256 names, u -> v weighing base + p(u) - p(v)
// with base 0 to 1000 and p 0 to 300: every cycle weighs its bases' sum, so
// none is negative although one edge in twenty is. With `negativeCycle`,
// 0 -> 1 weighs one less than cancels 1 -> 0.
QueryIndex completeIndex(bool negativeCycle) {
    std::mt19937 random(11);
    std::uniform_int_distribution<int> base(0, 1000);
    std::uniform_int_distribution<int> potential(0, 300);
    std::vector<int> p(256);
    for (int& value : p) {
        value = potential(random);
    }
    std::vector<std::vector<int>> weight(256, std::vector<int>(256));
    for (int u = 0; u < 256; ++u) {
        for (int v = 0; v < 256; ++v) {
            weight[u][v] = base(random) + p[u] - p[v];
        }
    }
    if (negativeCycle) {
        weight[0][1] = -weight[1][0] - 1;
    }
    return QueryIndex(
        [&](const QueryIndex::EdgeVisitor& add) {
            for (int u = 0; u < 256; ++u) {
                for (int v = 0; v < 256; ++v) {
                    if (u != v) {
                        add(nameOf(u), nameOf(v), weight[u][v]);
                    }
                }
            }
        },
        true);
}

// Reads the file at `path` as graph-query reads a regular file: in parts, by pread.
class FileParts {
  public:
    explicit FileParts(const std::string& path) : fd_(::open(path.c_str(), O_RDONLY)) {
        struct stat status {};
        if (fd_ < 0 || ::fstat(fd_, &status) != 0) {
            throw std::runtime_error("cannot open " + path);
        }
        size_ = static_cast<std::uint64_t>(status.st_size);
    }
    ~FileParts() { ::close(fd_); }
    FileParts(const FileParts&) = delete;
    FileParts& operator=(const FileParts&) = delete;

    QueryIndex read(bool directed) const {
        const int fd = fd_;
        const ReadAt readAt = [fd](std::uint64_t offset, char* bytes, std::size_t size) {
            std::size_t got = 0;
            for (ssize_t n; got < size; got += static_cast<std::size_t>(n)) {
                n = ::pread(fd, bytes + got, size - got, static_cast<off_t>(offset + got));
                if (n <= 0) {
                    break;
                }
            }
            return got;
        };
        LoadReport report;
        return QueryIndex(readAt, size_, directed, report, EdgeListHeader::twoRecords, 2);
    }

  private:
    int fd_;
    std::uint64_t size_ = 0;
};

using IndexOf = std::function<const QueryIndex&()>;
using Body = std::function<void(const QueryIndex&)>;

// `group/name`: `body` on the index `indexOf` gives, made before the timing.
void add(const std::string& group, const char* name, IndexOf indexOf, Body body) {
    benchmark::RegisterBenchmark((group + "/" + name).c_str(), [indexOf,
                                                                body](benchmark::State& state) {
        const QueryIndex& index = indexOf();
        for (auto _ : state) {
            body(index);
        }
    })->Unit(benchmark::kMillisecond);
}

// The analyses, every entry an edge as graph-query takes them.
void addAnalyses(const std::string& group, const IndexOf& indexOf) {
    add(group, "components", indexOf, [](const QueryIndex& index) {
        benchmark::DoNotOptimize(index.components(EdgeEntries::every));
    });
    add(group, "leastWeightMatrix", indexOf, [](const QueryIndex& index) {
        benchmark::DoNotOptimize(index.leastWeightMatrix(EdgeEntries::every));
    });
    add(group, "shortestDistanceMatrix", indexOf,
        [](const QueryIndex& index) { benchmark::DoNotOptimize(index.shortestDistanceMatrix()); });
    add(group, "spanningForest", indexOf, [](const QueryIndex& index) {
        benchmark::DoNotOptimize(index.spanningForest(EdgeEntries::every));
    });
}

void addComplete(const std::string& group, bool negativeCycle, std::vector<TargetRatio>& ratios) {
    const IndexOf indexOf = [negativeCycle]() -> const QueryIndex& {
        static const QueryIndex acyclic = completeIndex(false);
        static const QueryIndex cyclic = completeIndex(true);
        return negativeCycle ? cyclic : acyclic;
    };
    add(group, "leastWeightRoutes", indexOf, [](const QueryIndex& index) {
        benchmark::DoNotOptimize(index.leastWeightRoutes(nameOf(0), EdgeEntries::every));
    });
    add(group, "leastWeightRoutes_each", indexOf, [](const QueryIndex& index) {
        for (const char from : index.namesAsRead()) {
            benchmark::DoNotOptimize(index.leastWeightRoutes(from, EdgeEntries::every));
        }
    });
    addAnalyses(group, indexOf);
    ratios.push_back({group + ": leastWeightMatrix / one leastWeightRoutes",
                      group + "/leastWeightMatrix", group + "/leastWeightRoutes", 256});
    ratios.push_back({group + ": leastWeightMatrix / leastWeightRoutes from each name",
                      group + "/leastWeightMatrix", group + "/leastWeightRoutes_each", 0});
}

void addFile(const std::shared_ptr<const FileParts>& file, bool directed,
             std::vector<TargetRatio>& ratios) {
    const std::string group = directed ? "directed" : "undirected";
    benchmark::RegisterBenchmark((group + "/read").c_str(), [file,
                                                             directed](benchmark::State& state) {
        for (auto _ : state) {
            benchmark::DoNotOptimize(file->read(directed));
        }
    })->Unit(benchmark::kMillisecond);
    // Read once, when its first analysis runs.
    auto read = std::make_shared<std::unique_ptr<QueryIndex>>();
    addAnalyses(group, [file, directed, read]() -> const QueryIndex& {
        if (!*read) {
            *read = std::make_unique<QueryIndex>(file->read(directed));
        }
        return **read;
    });
    for (const char* analysis : {"components", "leastWeightMatrix", "spanningForest"}) {
        ratios.push_back(
            {group + ": " + analysis + " / read", group + "/" + analysis, group + "/read", 0.1});
    }
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    std::vector<TargetRatio> ratios;
    addComplete("complete", false, ratios);
    addComplete("cycle", true, ratios);
    if (argc > 1) {
        const auto file = std::make_shared<const FileParts>(argv[1]);
        addFile(file, true, ratios);
        addFile(file, false, ratios);
    }
    TargetReporter reporter(std::move(ratios));
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
