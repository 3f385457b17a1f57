// Blocks that hold the records of one row of a table built at once, so that
// building a row costs one allocation for all its records instead of one per
// record. A block counts the records living in it and is freed with the last
// of them, wherever their handles have gone by then.
#ifndef GRAPH_RECORD_BLOCK_H_
#define GRAPH_RECORD_BLOCK_H_

#include <atomic>
#include <cstddef>
#include <new>

namespace graph_internal {

class RecordBlock {
  public:
    // A block of `bytes` bytes, held by the caller until it calls release().
    static RecordBlock* create(std::size_t bytes);

    // `bytes` bytes of the block, aligned for any record, or nullptr when the
    // block is full.
    void* take(std::size_t bytes) noexcept;

    void retain() noexcept { holders_.fetch_add(1, std::memory_order_relaxed); }
    void release() noexcept;

    // The bytes allocate_shared takes for one Edge from a BlockAllocator.
    static std::size_t recordBytes();

  private:
    explicit RecordBlock(std::size_t capacity) : capacity_(capacity) {}

    std::atomic<std::size_t> holders_{1};
    std::size_t used_ = 0;
    std::size_t capacity_;
};

// An allocator that takes records from one block; made for allocate_shared,
// which keeps a copy of it in each record to give the record back.
template <typename T>
class BlockAllocator {
  public:
    using value_type = T;

    explicit BlockAllocator(RecordBlock* block) : block_(block) {}
    // Implicit, as allocator rebinding needs.
    template <typename U>
    BlockAllocator(const BlockAllocator<U>& other)  // NOLINT(google-explicit-constructor)
        : block_(other.block()) {}

    T* allocate(std::size_t count) {
        void* memory = block_->take(count * sizeof(T));
        if (memory == nullptr) {
            throw std::bad_alloc();
        }
        block_->retain();
        return static_cast<T*>(memory);
    }

    void deallocate(T*, std::size_t) noexcept { block_->release(); }

    RecordBlock* block() const { return block_; }

    template <typename U>
    bool operator==(const BlockAllocator<U>& other) const {
        return block_ == other.block();
    }
    template <typename U>
    bool operator!=(const BlockAllocator<U>& other) const {
        return block_ != other.block();
    }

  private:
    RecordBlock* block_;
};

}  // namespace graph_internal

#endif  // GRAPH_RECORD_BLOCK_H_
