// libFuzzer target: reads arbitrary bytes as an edge list, directed and
// undirected, and aborts on any disagreement with references that share no
// code with the library: the plain >> extraction loop and addEdge for what is
// read, the textbook readings of the table for every query, and the graph's
// own index for the index read straight from the input.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "tests/reference/checks.h"

namespace {

void require(const std::string& difference) {
    if (!difference.empty()) {
        std::fprintf(stderr, "mismatch: %s\n", difference.c_str());
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const char from = size > 0 ? static_cast<char>(data[size - 1]) : 'A';
    const char to = size > 1 ? static_cast<char>(data[size / 2]) : 'B';
    for (const bool directed : {true, false}) {
        require(loadingDifference(bytes, directed, /*readError=*/size % 7 == 0));
        require(indexDifference(bytes, directed));
        std::istringstream input(bytes);
        const Graph graph(input, directed);
        require(queryDifference(graph, from, std::string{from, to}));
        require(queryDifference(graph, to, std::string{from, to}));
    }
    return 0;
}
