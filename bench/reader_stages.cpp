// reader_stages FILE [directed]: where the time of reading an edge list goes
// on one core, stage by stage, each the median of five passes over FILE (in
// the page cache): `read` only reads it in 4 MiB blocks; `fast path` also
// classifies every 64-byte window and takes its triples of the usual shape;
// `parse` reads every triple with readEdgeList (windows, line feeds and the
// fingerprint, the exact reader where the fast path stops), storing nothing;
// `note` also summarizes them into a QueryIndex, as graph-query does; `merge`
// is what adding one part's summary to another's costs, 8 times over, as
// reading in 8 parts does. Prints milliseconds per stage and what each adds
// to the one before.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "graph/Graph.h"
#include "graph/internal/usual_triples.h"
#include "queries/internal/entry_matrix.h"

namespace {

constexpr std::size_t kBlockBytes = 4 << 20;

double medianMilliseconds(const std::function<long()>& pass) {
    std::vector<double> times;
    long check = 0;
    for (int run = 0; run < 5; ++run) {
        const auto start = std::chrono::steady_clock::now();
        check += pass();
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(times.begin(), times.end());
    std::fprintf(stderr, "(check %ld)\n", check);
    return times[2];
}

// Reads `path` in blocks, handing each to `use`.
long readBlocks(const char* path, const std::function<long(const char*, std::size_t)>& use) {
    const int fd = ::open(path, O_RDONLY);
    static std::unique_ptr<char[]> block(new char[kBlockBytes + 128]);
    long sum = 0;
    for (ssize_t got; (got = ::read(fd, block.get(), kBlockBytes)) > 0;) {
        sum += use(block.get(), static_cast<std::size_t>(got));
    }
    ::close(fd);
    return sum;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: reader_stages FILE [directed]\n");
        return 2;
    }
    const char* path = argv[1];
    const bool directed = argc > 2 && std::strcmp(argv[2], "directed") == 0;
    const double read = medianMilliseconds([&] {
        return readBlocks(path, [](const char* b, std::size_t n) { return long(b[n - 1]); });
    });
    // The fast path's own classification, through its portable entry point
    // with a capacity of 0: each call classifies no window, so the windows
    // are classified here by parsing with an unlimited capacity into a sink.
    const double classify = medianMilliseconds([&] {
        static EdgeTriple sink[1 << 16];
        return readBlocks(path, [](const char* b, std::size_t n) {
            long count = 0;
            for (const char* next = b; n - static_cast<std::size_t>(next - b) > 96;) {
                const char* before = next;
                count += static_cast<long>(graph_internal::parseUsualTriples(
                    next, b + n, sink, sizeof sink / sizeof *sink));
                next = next == before ? next + 64 : next;
            }
            return count;
        });
    });
    static std::unique_ptr<char[]> streamBuffer(new char[kBlockBytes]);
    const double parse = medianMilliseconds([&] {
        std::ifstream in;
        in.rdbuf()->pubsetbuf(streamBuffer.get(), kBlockBytes);
        in.open(path);
        LoadReport report;
        long sum = 0;
        readEdgeList(in, EdgeListHeader::twoRecords, report,
                     [&](const EdgeTriple* t, std::size_t n) { sum += t[n - 1].weight; });
        return sum;
    });
    const double note = medianMilliseconds([&] {
        std::ifstream in;
        in.rdbuf()->pubsetbuf(streamBuffer.get(), kBlockBytes);
        in.open(path);
        LoadReport report;
        const QueryIndex index(in, directed, report);
        return long(index.vertexCount());
    });
    // The summaries of two halves of the file's first million triples,
    // merged as the summaries of parts are, 8 times.
    std::vector<EdgeTriple> triples;
    {
        std::ifstream in(path);
        LoadReport report;
        readEdgeList(
            in, EdgeListHeader::twoRecords, report, [&](const EdgeTriple* t, std::size_t n) {
                triples.insert(
                    triples.end(), t,
                    t + std::min(n, 1000000 - std::min<std::size_t>(triples.size(), 1000000)));
            });
    }
    std::vector<double> merges;
    for (int run = 0; run < 5; ++run) {
        double spent = 0;
        for (int part = 0; part < 8; ++part) {
            graph_internal::EntryMatrix first(directed);
            graph_internal::EntryMatrix second(directed);
            first.addTriples(triples.data(), triples.size() / 2);
            second.addTriples(triples.data() + triples.size() / 2,
                              triples.size() - triples.size() / 2);
            const auto start = std::chrono::steady_clock::now();
            first.merge(second);
            spent +=
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count();
        }
        merges.push_back(spent);
    }
    std::sort(merges.begin(), merges.end());
    const double merge = merges[2];
    std::printf("%-10s %9s %9s\n", "stage", "ms", "adds");
    std::printf("%-10s %9.1f %9.1f\n", "read", read, read);
    std::printf("%-10s %9.1f %9.1f\n", "fast path", classify, classify - read);
    std::printf("%-10s %9.1f %9.1f\n", "parse", parse, parse - read);
    std::printf("%-10s %9.1f %9.1f\n", "note", note, note - parse);
    std::printf("%-10s %9.1f %9.1f\n", "merge", merge, merge);
    return 0;
}
