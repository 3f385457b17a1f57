// Comparisons of the library with the references and certificates, shared by
// the oracle suites and the fuzzer: each returns what differs first, or ""
// when nothing does.
#ifndef TESTS_REFERENCE_CHECKS_H_
#define TESTS_REFERENCE_CHECKS_H_

#include <cstdint>
#include <streambuf>
#include <string>
#include <vector>

#include "graph/Graph.h"

// Renders the table as rows separated by blanks, each "V:" followed by its
// entries "T<weight>" joined by commas, e.g. "A:B6,C7 B:A6". A head entry that
// is not (V, NUL, -1), a non-NUL prev, or a vertexCount that differs from the
// row count is written out so that comparisons fail.
std::string tableText(const Graph& graph);

// "stop triples [header] @offset/line:column [found F] [joined B@...] [multibyte @...]".
std::string reportText(const LoadReport& report);

// Loads `bytes` with the stream constructor, read through a buffer that serves
// them `chunk` bytes at a time (and then fails, when `readError`), and compares
// with the plain >> loop: the table (as addEdge once per triple builds it),
// the report, the stream's state and the bytes it took; and the table
// constructor, given the loaded table, with addEdge once per entry.
std::string loadingDifference(const std::string& bytes, bool directed, bool readError,
                              std::size_t chunk);

// Judges what a graph answers whatever the source: its names and topological
// orders (both rules) against the references' tie rules and by their
// certificates, the analyses of its index by theirs; and the index answers
// every query as the graph does.
std::string graphDifference(const Graph& graph);

// Judges every query from `from`, to each of `targets`: the label-setting
// ones against the textbook references, the least-weight routes (both rules)
// by their certificates.
std::string queryDifference(const Graph& graph, char from, const std::string& targets);

// Compares every answer of `index` by the library's rules (with `every`,
// with every entry an edge too) with the graph's own, from up to eight
// sources; and its analyses with those of the index built from the graph.
std::string answersDifference(const Graph& graph, const QueryIndex& index, bool every);

// Compares the index read straight from `bytes` with the graph loaded from
// them: every answer, the report, the stream's state; its own order of names
// as read, and its answers by that order under their certificates; and read
// without a header, with the index of the graph loaded behind a header.
std::string indexDifference(const std::string& bytes, bool directed);

// Reads `bytes` as a file in parts of at least `leastPartBytes` on up to
// `jobs` threads, and compares the summary and the report with one reading
// of it whole; and so blocksDifference, cut at line feeds picked by
// `leastPartBytes`.
std::string partsDifference(const std::string& bytes, bool directed, EdgeListHeader header,
                            unsigned jobs, std::uint64_t leastPartBytes);

// Summarizes the blocks of `bytes` cut at `cuts` (each right after a line
// feed, in order) each on its own, reads each back from its byte form, which
// must give the same bytes, and merges them by a tree that `seed` shapes,
// reading the bytes again from the resume point of a part wherever the
// merge must refuse the next (and checking that it does): the summary,
// report and resume point of one reading of `bytes` whole.
std::string blocksDifference(const std::string& bytes, bool directed, EdgeListHeader header,
                             std::vector<std::uint64_t> cuts, std::uint32_t seed);

// Whether every truncation of a part's byte form `form` is refused, and each
// byte of it with one bit changed is refused or read (into an index) as
// exactly what it now says; a changed magic, version or size always refused.
std::string byteFormDamage(const std::string& form);

// Serves `bytes` `chunk` at a time, then reports the end, or with
// `failAtEnd` throws from `underflow` as a file buffer does on a read error: a
// std::runtime_error, or with `standard` false an int, which `>>` takes for a
// read error as well. `tellg()` on a stream over it tells how many bytes were
// taken.
class ChunkedBuffer : public std::streambuf {
  public:
    ChunkedBuffer(std::string bytes, std::size_t chunk, bool failAtEnd, bool standard = true);

  protected:
    int_type underflow() override;
    pos_type seekoff(off_type offset, std::ios_base::seekdir direction,
                     std::ios_base::openmode which) override;

  private:
    std::string bytes_;
    std::size_t chunk_, served_ = 0;
    bool failAtEnd_, standard_;
};

#endif  // TESTS_REFERENCE_CHECKS_H_
