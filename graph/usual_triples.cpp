// The fast path's portable kernel, and the entry points that use the chosen
// kernel.
#include "graph/internal/usual_triples.h"

#include "graph/internal/fast_path_kernels.h"
#include "graph/internal/usual_triples_kernel.h"

namespace graph_internal {

static_assert(builtFor("portable"),
              "graph/usual_triples.cpp is built for other instruction sets than the portable "
              "kernel's: no flags of its own in CMakeLists.txt, no -march in the build's flags");

namespace {

// Σ (b + 1)(offset + j + 1 + key) over the bytes b at places j from 0.
WindowSums windowSumsOf(const ByteSums& sums, std::size_t length, std::uint64_t offset) {
    const std::uint64_t plusOne = sums.bytes + length;
    const std::uint64_t placedPlusOne =
        sums.placed + (length % 2 == 0 ? length / 2 * (length - 1) : (length - 1) / 2 * length);
    return {sums.lineFeeds, placedPlusOne + (offset + 1 + kFingerprintKey) * plusOne};
}

}  // namespace

std::size_t parseUsualTriplesPortable(const char*& next, const char* end, EdgeTriple* out,
                                      std::size_t capacity) {
    return parseUsual(next, end, out, capacity, classifyBytes, takeEachTriple);
}

ByteSums byteSumsPortable(const char* begin, const char* end) {
    ByteSums sums{0, 0, 0};
    sumEachByte(begin, 0, end, sums);
    return sums;
}

WindowSums windowSums(const char* begin, const char* end, std::uint64_t offset) {
    static const SumBytes byteSums = chosenFastPathKernel().byteSums;
    return windowSumsOf(byteSums(begin, end), static_cast<std::size_t>(end - begin), offset);
}

WindowSums windowSumsBy(const FastPathKernel& kernel, const char* begin, const char* end,
                        std::uint64_t offset) {
    return windowSumsOf(kernel.byteSums(begin, end), static_cast<std::size_t>(end - begin), offset);
}

std::size_t parseUsualTriples(const char*& next, const char* end, EdgeTriple* out,
                              std::size_t capacity) {
    static const ParseUsualTriples parse = chosenFastPathKernel().parse;
    return parse(next, end, out, capacity);
}

}  // namespace graph_internal
