#include <fstream>
#include <iostream>

#include "graph/Graph.h"

Graph::Graph(std::string fileName, bool directed) : vertexCount(0) {
    rowOfName_.fill(-1);
    std::ifstream file(fileName);
    // A name that opens but cannot be read (a directory, say) fails its first
    // read with an I/O error rather than at end of file: that is a file that
    // cannot be opened for reading too.
    if (!file.is_open() || (file.peek(), file.bad())) {
        std::cerr << "Unable to open file" << std::endl;
        return;
    }

    // The two header records are read only to reach the triples.
    char headerName;
    int headerValue;
    file >> headerName >> headerValue >> headerName >> headerValue;

    char source;
    char target;
    int weight;
    while (file >> source >> target >> weight) {
        addEdge(source, target, weight, directed);
    }
}
