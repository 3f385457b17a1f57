// Reachability by breadth-first search, over a graph's rows or over a
// summary of them.
#ifndef QUERIES_BREADTH_FIRST_SEARCH_H_
#define QUERIES_BREADTH_FIRST_SEARCH_H_

#include <array>
#include <bitset>

#include "graph/internal/row_index.h"

namespace graph_internal {

// Whether `to` is named by a neighbour of a vertex reachable from `from`
// (`from` included), so `from` reaches itself only through a cycle. The
// neighbours of a vertex are those that `forEachNeighbour(vertex, visit)`
// hands to `visit`, which returns false to stop it. Each vertex is expanded
// once. O(V + the neighbours handed out).
template <typename ForEachNeighbour>
bool reaches(char from, char to, ForEachNeighbour forEachNeighbour) {
    std::array<char, kNameCount> queue;
    std::size_t head = 0;
    std::size_t tail = 0;
    std::bitset<kNameCount> queued;
    queue[tail++] = from;
    queued.set(nameSlot(from));
    bool found = false;
    while (head < tail && !found) {
        forEachNeighbour(queue[head++], [&](char next) {
            found = next == to;
            if (!found && !queued[nameSlot(next)]) {
                queued.set(nameSlot(next));
                queue[tail++] = next;
            }
            return !found;
        });
    }
    return found;
}

}  // namespace graph_internal

#endif  // QUERIES_BREADTH_FIRST_SEARCH_H_
