// Helpers shared by the test suites: graphs written as text and scratch files;
// the table's text form and a failing stream buffer are in reference/checks.h.
#ifndef TESTS_GRAPH_TEST_SUPPORT_H_
#define TESTS_GRAPH_TEST_SUPPORT_H_

#include <string>

#include "graph/Graph.h"
#include "tests/reference/checks.h"

// Builds a graph from no table, then adds the edges of `triples` ("A B 6 A C
// 7": source, target and weight, blank-separated) in order.
Graph graphOf(const std::string& triples, bool directed);

// A file holding the given bytes under a new name, `prefix` and six more
// characters, in the test's scratch directory, made by mkstemp: never a file
// or link that was there before. Removed when the object goes.
class ScratchFile {
  public:
    explicit ScratchFile(const std::string& contents, const std::string& prefix = "graph_");
    ~ScratchFile();
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

#endif  // TESTS_GRAPH_TEST_SUPPORT_H_
