#include "tests/graph_test_support.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <sstream>

Graph graphOf(const std::string& triples, bool directed) {
    Graph graph({});
    std::istringstream in(triples);
    char source, target;
    int weight;
    while (in >> source >> target >> weight) {
        graph.addEdge(source, target, weight, directed);
    }
    return graph;
}

ScratchFile::ScratchFile(const std::string& contents, const std::string& prefix)
    : path_(::testing::TempDir() + prefix + "XXXXXX") {
    const int fd = ::mkstemp(path_.data());
    if (fd < 0 ||
        ::write(fd, contents.data(), contents.size()) != static_cast<ssize_t>(contents.size())) {
        ADD_FAILURE() << "cannot write a scratch file in " << ::testing::TempDir();
    }
    ::close(fd);
}

ScratchFile::~ScratchFile() {
    std::remove(path_.c_str());
}
