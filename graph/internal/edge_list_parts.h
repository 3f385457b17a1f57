// Reading an edge list from a file in parts, on several threads at once, with
// exactly what reading it whole would give.
#ifndef GRAPH_INTERNAL_EDGE_LIST_PARTS_H_
#define GRAPH_INTERNAL_EDGE_LIST_PARTS_H_

#include <atomic>
#include <cstdint>
#include <exception>
#include <thread>
#include <utility>
#include <vector>

#include "graph/edge_list.h"

namespace graph_internal {

// Parts for each thread that reads.
constexpr unsigned kPartsPerJob = 4;

// Reads bytes [begin, end) of a file through `readAt` as readEdgeList reads a
// stream that stands at `start`. O(end - begin).
void readEdgeListRange(const ReadAt& readAt, std::uint64_t begin, std::uint64_t end,
                       EdgeListHeader header, const InputPosition& start, LoadReport& report,
                       const EdgeBatchVisitor& visit);

// Where to split a file of `size` bytes for up to `jobs` parts: 0, then the
// first byte after the first line feed at or after each even share, then
// `size`. Fewer parts where the shares would be smaller than
// `leastPartBytes` or hold no line feed.
// Parts smaller than this are not worth a thread and a summary of their own,
// whose memory is first touched at some cost.
constexpr std::uint64_t kLeastPartBytes = std::uint64_t{16} << 20;

std::vector<std::uint64_t> partBoundaries(const ReadAt& readAt, std::uint64_t size, unsigned jobs,
                                          std::uint64_t leastPartBytes = kLeastPartBytes);

// What one part's reading gave.
template <typename Consumer>
struct PartReading {
    Consumer consumer;
    LoadReport report;
};

// Notes in `whole` what `part`, read from the line start `at` with the lines
// before it not counted, found: triples, the first weight run into the next
// item, the first name of several bytes, and where reading stopped.
void addPartReport(LoadReport& whole, const LoadReport& part, std::uint64_t linesBefore);

// Reads the first `size` bytes through `readAt` as readEdgeList reads a
// stream, in parts that up to `jobs` threads take in turn, each part into a
// Consumer of its own (made by `make()`, taking triples by
// addTriples(triples, count)). The parts are then taken in order into the first part's consumer,
// with Consumer::merge: a part counts only if reading had not stopped before it and the part before
// ended exactly where it begins, where a triple starts; from the first part that does not, the rest
// of the file is read again in order. Fills `report` as reading it whole would. O(size / jobs) time
// per thread.
template <typename Consumer, typename Make>
Consumer readEdgeListInParts(const ReadAt& readAt, std::uint64_t size, EdgeListHeader header,
                             unsigned jobs, LoadReport& report, Make make,
                             std::uint64_t leastPartBytes = kLeastPartBytes) {
    // A few parts for each thread, taken in turn: a thread on a busier or
    // slower core then reads fewer of them.
    const std::vector<std::uint64_t> bounds =
        partBoundaries(readAt, size, jobs <= 1 ? 1 : jobs * kPartsPerJob, leastPartBytes);
    const std::size_t parts = bounds.size() - 1;
    std::vector<PartReading<Consumer>> readings;
    for (std::size_t part = 0; part < parts; ++part) {
        readings.push_back({make(), LoadReport()});
    }
    const auto readPart = [&](std::size_t part) {
        PartReading<Consumer>& reading = readings[part];
        readEdgeListRange(readAt, bounds[part], bounds[part + 1],
                          part == 0 ? header : EdgeListHeader::none, {bounds[part], 1, 1},
                          reading.report, [&](const EdgeTriple* triples, std::size_t count) {
                              reading.consumer.addTriples(triples, count);
                          });
    };
    std::vector<std::exception_ptr> failures(parts);
    std::atomic<std::size_t> nextPart{0};
    const auto work = [&] {
        for (std::size_t part; (part = nextPart++) < parts;) {
            try {
                readPart(part);
            } catch (...) {
                failures[part] = std::current_exception();
            }
        }
    };
    std::vector<std::thread> threads;
    for (unsigned thread = 1; thread < jobs && thread < parts; ++thread) {
        threads.emplace_back(work);
    }
    work();
    for (std::thread& thread : threads) {
        thread.join();
    }
    for (const std::exception_ptr& failure : failures) {
        if (failure) {
            std::rethrow_exception(failure);
        }
    }
    report = LoadReport();
    Consumer whole = std::move(readings[0].consumer);
    std::uint64_t linesBefore = 0;
    for (std::size_t part = 0; part < parts; ++part) {
        const LoadReport& read = readings[part].report;
        const bool last = part + 1 == parts;
        const bool endsClean =
            read.stop == LoadReport::Stop::endOfInput && read.stoppedAt.offset == bounds[part + 1];
        const bool stopsInside = !read.complete() && read.stoppedAt.offset < bounds[part + 1];
        if (last || endsClean || stopsInside) {
            if (part > 0) {
                whole.merge(readings[part].consumer);
            }
            addPartReport(report, read, linesBefore);
            linesBefore += read.stoppedAt.line - 1;
            if (last || stopsInside || read.stop == LoadReport::Stop::inputError) {
                return whole;
            }
            continue;
        }
        // The part ends inside a triple (or the header) that the next one
        // goes on with: read it again, and all after it, in order.
        if (part == 0) {
            whole = make();
        }
        Consumer rest = make();
        LoadReport again;
        readEdgeListRange(
            readAt, bounds[part], size, part == 0 ? header : EdgeListHeader::none,
            {bounds[part], 1, 1}, again,
            [&](const EdgeTriple* triples, std::size_t count) { rest.addTriples(triples, count); });
        whole.merge(rest);
        addPartReport(report, again, linesBefore);
        return whole;
    }
    return whole;
}

}  // namespace graph_internal

#endif  // GRAPH_INTERNAL_EDGE_LIST_PARTS_H_
