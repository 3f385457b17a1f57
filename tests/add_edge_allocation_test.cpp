// addEdge under allocation failure: whichever allocation of a call throws,
// the table is left exactly as it was, and the graph stays usable.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "tests/graph_test_support.h"

namespace {

// The allocation that is to fail, counted from 0; -1 when none is.
long allocationsBeforeFailure = -1;

}  // namespace

void* operator new(std::size_t size) {
    if (allocationsBeforeFailure >= 0 && allocationsBeforeFailure-- == 0) {
        throw std::bad_alloc();
    }
    if (void* memory = std::malloc(size == 0 ? 1 : size)) {
        return memory;
    }
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept {
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}

namespace {

TEST(AddEdgeAllocationTest, AFailedCallLeavesTheTableAsItWas) {
    const struct {
        char source, target;
        bool directed;
        std::string after;
    } cases[] = {
        {'A', 'B', false, "A:B1,B5 B:A1,A5"},   {'C', 'A', true, "A:B1 B:A1 C:A5"},
        {'A', 'C', false, "A:B1,C5 B:A1 C:A5"}, {'C', 'D', false, "A:B1 B:A1 C:D5 D:C5"},
        {'C', 'C', false, "A:B1 B:A1 C:C5,C5"}, {'A', 'A', false, "A:B1,A5,A5 B:A1"},
    };
    for (const auto& c : cases) {
        const std::string call = std::string{c.source, c.target} + (c.directed ? " directed" : "");
        bool succeeded = false;
        for (long failing = 0; !succeeded; ++failing) {
            Graph graph = graphOf("A B 1", false);
            const std::string before = tableText(graph);
            allocationsBeforeFailure = failing;
            try {
                graph.addEdge(c.source, c.target, 5, c.directed);
                succeeded = true;
            } catch (const std::bad_alloc&) {
                EXPECT_EQ(tableText(graph), before) << call << ", allocation " << failing;
            }
            allocationsBeforeFailure = -1;
            if (!succeeded) {
                // No row is left half made: the graph takes the edge as if
                // the failed call had never happened.
                graph.addEdge(c.source, c.target, 5, c.directed);
            }
            EXPECT_EQ(tableText(graph), c.after) << call << ", allocation " << failing;
        }
    }
}

}  // namespace
