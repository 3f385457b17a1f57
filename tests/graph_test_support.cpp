#include "tests/graph_test_support.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <sstream>
#include <stdexcept>
#include <utility>

Graph graphOf(const std::string& triples, bool directed) {
    Graph graph({});
    std::istringstream in(triples);
    char source;
    char target;
    int weight;
    while (in >> source >> target >> weight) {
        graph.addEdge(source, target, weight, directed);
    }
    return graph;
}

std::string tableText(const Graph& graph) {
    std::string text;
    for (const auto& row : graph.adjList) {
        text += text.empty() ? "" : " ";
        for (const auto& entry : row) {
            const bool head = entry == row.front();
            if (head && entry->weight != -1) {
                text += "<head weight>";
            }
            text += entry->vertex;
            text += head ? ":" : std::to_string(entry->weight) + (entry == row.back() ? "" : ",");
            text += entry->prev == '\0' ? "" : "<prev>";
        }
    }
    if (graph.vertexCount != static_cast<int>(graph.adjList.size())) {
        text += " <vertexCount " + std::to_string(graph.vertexCount) + ">";
    }
    return text;
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

FailingBuffer::FailingBuffer(std::string bytes, bool standard)
    : bytes_(std::move(bytes)), standard_(standard) {
    setg(bytes_.data(), bytes_.data(), bytes_.data() + bytes_.size());
}

FailingBuffer::int_type FailingBuffer::underflow() {
    if (!standard_) {
        throw 5;
    }
    throw std::runtime_error("read error");
}

FailingBuffer::pos_type FailingBuffer::seekoff(off_type offset, std::ios_base::seekdir direction,
                                               std::ios_base::openmode which) {
    if (offset != 0 || direction != std::ios_base::cur || !(which & std::ios_base::in)) {
        return pos_type(off_type(-1));
    }
    return pos_type(gptr() - eback());
}
