#include "tests/graph_test_support.h"

#include <gtest/gtest.h>

#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <stdexcept>
#include <utility>

Graph graphOf(const std::vector<TestEdge>& edges, bool directed) {
    Graph graph({});
    for (const auto& edge : edges) {
        graph.addEdge(edge.source, edge.target, edge.weight, directed);
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

ScratchFile::ScratchFile(const std::string& contents) {
    std::string name = ::testing::TempDir() + "graph_scratch_XXXXXX";
    const int fd = ::mkstemp(name.data());
    if (fd < 0) {
        ADD_FAILURE() << "cannot create a scratch file in " << ::testing::TempDir();
        return;
    }
    path_ = name;
    std::size_t written = 0;
    while (written < contents.size()) {
        const ssize_t n = ::write(fd, contents.data() + written, contents.size() - written);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            ADD_FAILURE() << "cannot write the scratch file " << path_;
            break;
        }
        written += static_cast<std::size_t>(n);
    }
    ::close(fd);
}

ScratchFile::~ScratchFile() {
    if (!path_.empty()) {
        std::remove(path_.c_str());
    }
}

ScratchDirectory::ScratchDirectory() {
    std::string name = ::testing::TempDir() + "graph_scratch_XXXXXX";
    if (::mkdtemp(name.data()) == nullptr) {
        ADD_FAILURE() << "cannot create a scratch directory in " << ::testing::TempDir();
        return;
    }
    path_ = name + "/";
}

ScratchDirectory::~ScratchDirectory() {
    if (!path_.empty()) {
        ::rmdir(path_.c_str());
    }
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
