#include "graph/record_block.h"

#include <memory>

#include "graph/Graph.h"

namespace graph_internal {
namespace {

constexpr std::size_t kAlignment = alignof(std::max_align_t);

constexpr std::size_t roundUp(std::size_t bytes) {
    return (bytes + kAlignment - 1) / kAlignment * kAlignment;
}

// The records follow the block's header in the same allocation.
constexpr std::size_t kHeaderBytes = roundUp(sizeof(RecordBlock));

}  // namespace

RecordBlock* RecordBlock::create(std::size_t bytes) {
    void* memory = ::operator new(kHeaderBytes + bytes);
    return ::new (memory) RecordBlock(bytes);
}

void* RecordBlock::take(std::size_t bytes) noexcept {
    bytes = roundUp(bytes);
    if (bytes > capacity_ - used_) {
        return nullptr;
    }
    void* memory = reinterpret_cast<unsigned char*>(this) + kHeaderBytes + used_;
    used_ += bytes;
    return memory;
}

void RecordBlock::release() noexcept {
    if (holders_.fetch_sub(1, std::memory_order_acq_rel) == 1) {
        this->~RecordBlock();
        ::operator delete(this);
    }
}

std::size_t RecordBlock::recordBytes() {
    // Measured once on a block of its own: the size of allocate_shared's
    // record is the library implementation's to choose.
    static const std::size_t bytes = [] {
        RecordBlock* probe = RecordBlock::create(1024);
        std::size_t taken = 0;
        {
            const auto record =
                std::allocate_shared<Edge>(BlockAllocator<Edge>(probe), '\0', '\0', 0);
            taken = probe->used_;
        }
        probe->release();
        return taken;
    }();
    return bytes;
}

}  // namespace graph_internal
