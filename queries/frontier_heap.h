// A binary min-heap of at most 256 keys, one per vertex, with decrease-key:
// the frontier of the shortest-path search. Fixed size, no allocation.
#ifndef QUERIES_FRONTIER_HEAP_H_
#define QUERIES_FRONTIER_HEAP_H_

#include <array>
#include <cstddef>
#include <cstdint>

namespace graph_internal {

class FrontierHeap {
  public:
    // Keys order by their value; the low 8 bits name the item they belong to.
    using Key = std::uint64_t;

    FrontierHeap() { heapIndex_.fill(kAbsent); }

    bool empty() const { return size_ == 0; }
    Key minimum() const { return keys_[0]; }

    // Inserts `key`, or replaces its item's key when `key` is smaller.
    void pushOrDecrease(Key key) {
        const std::size_t item = itemOf(key);
        std::size_t index = heapIndex_[item];
        if (index == kAbsent) {
            index = size_++;
        } else if (keys_[index] <= key) {
            return;
        }
        siftUp(index, key);
    }

    Key popMinimum() {
        const Key minimum = keys_[0];
        heapIndex_[itemOf(minimum)] = kAbsent;
        if (--size_ > 0) {
            siftDown(0, keys_[size_]);
        }
        return minimum;
    }

    // Replaces every key by `rekey(key)`, which must keep its item, and
    // restores the heap order. O(n).
    template <typename Rekey>
    void rekeyAll(Rekey rekey) {
        for (std::size_t index = 0; index < size_; ++index) {
            keys_[index] = rekey(keys_[index]);
        }
        for (std::size_t index = size_ / 2; index-- > 0;) {
            siftDown(index, keys_[index]);
        }
    }

  private:
    static constexpr std::size_t kAbsent = 0xffff;

    static std::size_t itemOf(Key key) { return static_cast<std::size_t>(key & 0xff); }

    void place(std::size_t index, Key key) {
        keys_[index] = key;
        heapIndex_[itemOf(key)] = static_cast<std::uint16_t>(index);
    }

    void siftUp(std::size_t index, Key key) {
        while (index > 0 && keys_[(index - 1) / 2] > key) {
            place(index, keys_[(index - 1) / 2]);
            index = (index - 1) / 2;
        }
        place(index, key);
    }

    void siftDown(std::size_t index, Key key) {
        for (std::size_t child = 1; child < size_; child = 2 * index + 1) {
            if (child + 1 < size_ && keys_[child + 1] < keys_[child]) {
                ++child;
            }
            if (keys_[child] >= key) {
                break;
            }
            place(index, keys_[child]);
            index = child;
        }
        place(index, key);
    }

    std::array<Key, 256> keys_;
    std::array<std::uint16_t, 256> heapIndex_;  // of each item, or kAbsent
    std::size_t size_ = 0;
};

}  // namespace graph_internal

#endif  // QUERIES_FRONTIER_HEAP_H_
