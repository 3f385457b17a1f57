// Helpers shared by the test suites: graphs written as text, a compact text
// form of a table, scratch files, and a stream buffer that fails part way.
#ifndef TESTS_GRAPH_TEST_SUPPORT_H_
#define TESTS_GRAPH_TEST_SUPPORT_H_

#include <streambuf>
#include <string>

#include "graph/Graph.h"

// Builds a graph from no table, then adds the edges of `triples` ("A B 6 A C
// 7": source, target and weight, blank-separated) in order.
Graph graphOf(const std::string& triples, bool directed);

// Renders the table as rows separated by blanks, each "V:" followed by its
// entries "T<weight>" joined by commas, e.g. "A:B6,C7 B:A6". A head entry that
// is not (V, NUL, -1), a non-NUL prev, or a vertexCount that differs from the
// row count is written out so that comparisons fail.
std::string tableText(const Graph& graph);

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

// Serves `bytes`, then throws from `underflow` as a file buffer does on a read
// error: a std::runtime_error, or with `standard` false an int, which `>>`
// takes for a read error as well. `tellg()` on a stream over it tells how many
// bytes were taken.
class FailingBuffer : public std::streambuf {
  public:
    explicit FailingBuffer(std::string bytes, bool standard = true);

  protected:
    int_type underflow() override;
    pos_type seekoff(off_type offset, std::ios_base::seekdir direction,
                     std::ios_base::openmode which) override;

  private:
    std::string bytes_;
    bool standard_;
};

#endif  // TESTS_GRAPH_TEST_SUPPORT_H_
