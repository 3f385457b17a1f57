// libFuzzer target: reads arbitrary bytes as an edge list, directed and
// undirected, and aborts on any disagreement with references and
// certificates that share no code with the library: the plain >> extraction
// loop and addEdge for what is read (through small windows, and through one
// the fast path takes), the textbook readings and certificates for every
// query, the graph's own answers for the index read straight from the input,
// and a reading of it whole for a reading in parts.
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
        require(loadingDifference(bytes, directed, /*readError=*/size % 7 == 0, 1 + size % 13));
        require(loadingDifference(bytes, directed, /*readError=*/false, size + 1));
        require(indexDifference(bytes, directed));
        require(partsDifference(bytes, directed, EdgeListHeader::twoRecords, 2, 1 + size % 97));
        std::istringstream input(bytes);
        const Graph graph(input, directed);
        require(graphDifference(graph));
        require(queryDifference(graph, from, std::string{from, to}));
        require(queryDifference(graph, to, std::string{from, to}));
    }
    return 0;
}
