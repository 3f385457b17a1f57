#include "graph/edge_listing.h"

#include <algorithm>
#include <charconv>
#include <vector>

#include "graph/internal/appearance_order.h"
#include "graph/internal/row_order.h"
#include "graph/weighted_graph.h"

namespace {

constexpr std::size_t kFirstChunk = 64;
constexpr std::size_t kLargestChunk = std::size_t{1} << 16;

struct Entry {
    int weight;
    char target;
};

// A row's entries in chunks that are never moved, so that growing a row
// copies nothing.
struct Chunks {
    explicit Chunks(char) {}
    std::vector<std::vector<Entry>> chunks;
};

}  // namespace

char* writeListingItem(char* out, char source, char target, int weight) {
    *out++ = '(';
    *out++ = source;
    *out++ = ',';
    *out++ = target;
    *out++ = ',';
    out = std::to_chars(out, out + 11, weight).ptr;
    *out++ = ')';
    return out;
}

struct EdgeListing::Rows {
    bool directed;
    graph_internal::RowsInCreationOrder<Chunks> rows;
    graph_internal::AppearanceOrder read;

    void append(char owner, char target, int weight) {
        std::vector<std::vector<Entry>>& chunks = rows[owner].chunks;
        if (chunks.empty() || chunks.back().size() == chunks.back().capacity()) {
            const std::size_t size = chunks.empty()
                                         ? kFirstChunk
                                         : std::min(2 * chunks.back().capacity(), kLargestChunk);
            chunks.emplace_back().reserve(size);
        }
        chunks.back().push_back({weight, target});
    }
};

EdgeListing::EdgeListing(bool directed) : rows_(std::make_unique<Rows>()) {
    rows_->directed = directed;
}

EdgeListing::EdgeListing(EdgeListing&&) noexcept = default;
EdgeListing& EdgeListing::operator=(EdgeListing&&) noexcept = default;
EdgeListing::~EdgeListing() = default;

void EdgeListing::add(const EdgeTriple* triples, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        rows_->read.see(triples[i].source);
        rows_->read.see(triples[i].target);
        graph_internal::forEachEntryOf(
            triples[i], rows_->directed,
            [this](char owner, char target, int weight) { rows_->append(owner, target, weight); });
    }
}

void EdgeListing::forEachEdge(
    EdgeEntries entries,
    const std::function<void(char source, char target, int weight)>& visit) const {
    const bool every = entries == EdgeEntries::every;
    for (const char owner : every ? rows_->read.names() : rows_->rows.owners()) {
        const Chunks* row = rows_->rows.find(owner);
        if (row == nullptr) {
            continue;
        }
        for (const std::vector<Entry>& chunk : row->chunks) {
            for (const Entry& entry : chunk) {
                if (every || isNeighbourEntry(entry.weight)) {
                    visit(owner, entry.target, entry.weight);
                }
            }
        }
    }
}
