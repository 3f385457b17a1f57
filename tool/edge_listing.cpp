#include "tool/edge_listing.h"

#include <algorithm>

namespace {

constexpr std::size_t kFirstChunk = 64;
constexpr std::size_t kLargestChunk = std::size_t{1} << 16;

}  // namespace

void EdgeListing::add(const graph_internal::Triple* triples, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        read_.see(triples[i].source);
        read_.see(triples[i].target);
        graph_internal::forEachEntryOf(
            triples[i], directed_,
            [this](char owner, char target, int weight) { append(owner, target, weight); });
    }
}

void EdgeListing::append(char owner, char target, int weight) {
    std::vector<std::vector<Entry>>& chunks = rows_[graph_internal::nameSlot(owner)];
    if (chunks.empty()) {
        heads_ += owner;
    }
    if (chunks.empty() || chunks.back().size() == chunks.back().capacity()) {
        const std::size_t size =
            chunks.empty() ? kFirstChunk : std::min(2 * chunks.back().capacity(), kLargestChunk);
        chunks.emplace_back().reserve(size);
    }
    chunks.back().push_back({weight, target});
}
