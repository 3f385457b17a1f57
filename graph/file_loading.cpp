#include <cerrno>
#include <fstream>
#include <iostream>

#include "graph/internal/table_builder.h"

namespace {

// Opens `fileName` for reading, or fills `report` with why it cannot be. A
// name that opens but cannot be read (a directory) fails its first read with
// an I/O error rather than at its end: that file cannot be opened for reading
// either.
bool openForReading(std::ifstream& file, const std::string& fileName, LoadReport& report) {
    errno = 0;
    file.open(fileName);
    if (file.is_open() && (file.peek(), !file.bad())) {
        return true;
    }
    report = LoadReport();
    report.stop = LoadReport::Stop::cannotOpen;
    report.error = std::error_code(errno != 0 ? errno : EIO, std::generic_category());
    return false;
}

}  // namespace

Graph::Graph(std::string fileName, bool directed) : vertexCount(0) {
    LoadReport report;
    std::ifstream file;
    if (!openForReading(file, fileName, report)) {
        std::cerr << "Unable to open file" << std::endl;
        return;
    }
    load(file, directed, report, EdgeListHeader::twoRecords);
}

Graph::Graph(const std::string& fileName, bool directed, LoadReport& report, EdgeListHeader header)
    : vertexCount(0) {
    std::ifstream file;
    if (openForReading(file, fileName, report)) {
        load(file, directed, report, header);
    }
}

Graph::Graph(std::istream& input, bool directed) : vertexCount(0) {
    LoadReport report;
    load(input, directed, report, EdgeListHeader::twoRecords);
}

Graph::Graph(std::istream& input, bool directed, LoadReport& report, EdgeListHeader header)
    : vertexCount(0) {
    load(input, directed, report, header);
}

void Graph::load(std::istream& input, bool directed, LoadReport& report, EdgeListHeader header) {
    std::vector<EdgeTriple> triples;
    readEdgeList(input, header, report, [&](const EdgeTriple* batch, std::size_t count) {
        triples.insert(triples.end(), batch, batch + count);
    });
    graph_internal::buildTable(*this, triples, directed);
}
