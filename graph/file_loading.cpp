#include <fstream>
#include <iostream>

#include "graph/edge_list_reader.h"
#include "graph/table_builder.h"

Graph::Graph(std::string fileName, bool directed) : vertexCount(0) {
    std::ifstream file(fileName);
    // A name that opens but cannot be read (a directory, say) fails its first
    // read with an I/O error rather than at end of file: that is a file that
    // cannot be opened for reading too.
    if (!file.is_open() || (file.peek(), file.bad())) {
        std::cerr << "Unable to open file" << std::endl;
        return;
    }
    LoadReport report;
    load(file, directed, report);
}

Graph::Graph(std::istream& input, bool directed) : vertexCount(0) {
    LoadReport report;
    load(input, directed, report);
}

Graph::Graph(std::istream& input, bool directed, LoadReport& report) : vertexCount(0) {
    load(input, directed, report);
}

void Graph::load(std::istream& input, bool directed, LoadReport& report) {
    std::vector<graph_internal::Triple> triples;
    graph_internal::readEdgeList(input, EdgeListHeader::twoRecords, report,
                                 [&](const graph_internal::Triple* batch, std::size_t count) {
                                     triples.insert(triples.end(), batch, batch + count);
                                 });
    graph_internal::buildTable(*this, triples, directed);
}
