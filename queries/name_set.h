// A set of 256 small integers (vertex names or positions) in four machine words.
#ifndef QUERIES_NAME_SET_H_
#define QUERIES_NAME_SET_H_

#include <cstddef>
#include <cstdint>
#include <vector>

namespace graph_internal {

class NameSet {
  public:
    NameSet() = default;
    explicit NameSet(const std::vector<char>& names) {
        for (const char name : names) {
            insert(static_cast<unsigned char>(name));
        }
    }

    bool contains(std::size_t value) const { return (words_[value >> 6] >> (value & 63)) & 1u; }
    void insert(std::size_t value) { words_[value >> 6] |= std::uint64_t{1} << (value & 63); }
    void erase(std::size_t value) { words_[value >> 6] &= ~(std::uint64_t{1} << (value & 63)); }

    // The smallest member, or -1 when the set is empty.
    int first() const {
        for (std::size_t word = 0; word < 4; ++word) {
            if (words_[word] != 0) {
                return static_cast<int>(word * 64 +
                                        static_cast<std::size_t>(__builtin_ctzll(words_[word])));
            }
        }
        return -1;
    }

  private:
    std::uint64_t words_[4] = {0, 0, 0, 0};
};

}  // namespace graph_internal

#endif  // QUERIES_NAME_SET_H_
