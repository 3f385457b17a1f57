#include "graph/internal/edge_list_parts.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <memory>
#include <optional>
#include <thread>

namespace graph_internal {
namespace {

// The bytes looked at a time for a line feed.
constexpr std::size_t kSearchBytes = std::size_t{1} << 18;

}  // namespace

std::vector<std::uint64_t> partBoundaries(const ReadAt& readAt, std::uint64_t size, unsigned jobs,
                                          std::uint64_t leastPartBytes) {
    std::vector<std::uint64_t> bounds = {0};
    const std::uint64_t parts =
        std::max<std::uint64_t>(1, std::min<std::uint64_t>(jobs, size / leastPartBytes));
    std::unique_ptr<char[]> block(new char[kSearchBytes]);
    for (std::uint64_t part = 1; part < parts; ++part) {
        // The first line start at or after this part's share: where no line
        // feed comes before the next share, there is no part here.
        std::uint64_t at = std::max(bounds.back(), size / parts * part);
        const std::uint64_t until = size / parts * (part + 1);
        for (bool found = false; !found && at < until;) {
            const std::size_t got =
                readAt(at, block.get(),
                       static_cast<std::size_t>(std::min<std::uint64_t>(kSearchBytes, until - at)));
            const char* feed = std::find(block.get(), block.get() + got, '\n');
            found = feed != block.get() + got;
            at += found ? static_cast<std::uint64_t>(feed - block.get()) + 1 : got;
            if (got == 0) {
                at = until;
            }
            if (found && at < size) {
                bounds.push_back(at);
            }
        }
    }
    bounds.push_back(size);
    return bounds;
}

PartSummary readEdgeListInParts(const ReadAt& readAt, std::uint64_t size, EdgeListHeader header,
                                bool directed, unsigned jobs, std::uint64_t leastPartBytes) {
    // A few parts for each thread, taken in turn: a thread on a busier or
    // slower core then reads fewer of them.
    const std::vector<std::uint64_t> bounds =
        partBoundaries(readAt, size, jobs <= 1 ? 1 : jobs * kPartsPerJob, leastPartBytes);
    const std::size_t parts = bounds.size() - 1;
    std::vector<std::optional<PartSummary>> read(parts);
    std::vector<std::exception_ptr> failures(parts);
    std::atomic<std::size_t> nextPart{0};
    const auto work = [&] {
        for (std::size_t part; (part = nextPart++) < parts;) {
            try {
                read[part].emplace(readAt, PartStart::lineStart(bounds[part], header),
                                   bounds[part + 1], directed);
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
    PartSummary whole = std::move(*read[0]);
    for (std::size_t part = 1; part < parts && whole.resume(); ++part) {
        // A part read from the wrong item, after one that ended inside a
        // triple or the header, is read again from where that one goes on.
        const PartStart resume = *whole.resume();
        if (read[part]->start() != resume) {
            read[part].emplace(readAt, resume, bounds[part + 1], directed);
        }
        whole.merge(*read[part]);
        read[part].reset();
    }
    return whole;
}

}  // namespace graph_internal
