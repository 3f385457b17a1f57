// Where the Python module reads edge lists from: a file by its path, opened
// and read as graph-query opens and reads FILE, and bytes in memory. Each is summarized into a
// QueryIndex as graph-query reads FILE, without the GIL or any Python object, so that threads read
// at once.
#ifndef PYTHON_SRC_EDGE_LIST_SOURCES_H_
#define PYTHON_SRC_EDGE_LIST_SOURCES_H_

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "graph/Graph.h"

// readFile()
//
// Summarizes the edge list in the file at `path`: a regular file as it is when
// reading begins (what is appended later is not read), in up to `jobs` parts
// at once; anything else (a FIFO, a terminal, a file that says it is empty)
// as a stream, to its end. Returns nothing, with `error` set to errno, when
// the file cannot be opened or a read fails. O(size / jobs).
std::optional<QueryIndex> readFile(const std::string& path, bool directed, EdgeListHeader header,
                                   unsigned jobs, LoadReport& report, int& error);

// readFileRange()
//
// Summarizes the bytes of the file at `path` from `start.offset` up to `end`
// (or its end, if shorter) as a PartSummary. Returns nothing, with `error`
// set to errno, when the file cannot be opened or a read fails.
// O(end - start.offset).
std::optional<PartSummary> readFileRange(const std::string& path, const PartStart& start,
                                         std::uint64_t end, bool directed, int& error);

// readMemory()
//
// Summarizes the edge list in the `size` bytes at `data`, never copying them
// whole: with one job through a stream buffer over them, parsed where they
// lie; with more, in up to `jobs` parts at once, each taken a block at a time.
// O(size / jobs).
QueryIndex readMemory(const char* data, std::size_t size, bool directed, EdgeListHeader header,
                      unsigned jobs, LoadReport& report);

#endif  // PYTHON_SRC_EDGE_LIST_SOURCES_H_
