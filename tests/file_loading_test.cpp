// Loading, where the >> oracle (oracle_test.cpp) cannot see: the file
// constructor reads a file silently and writes its one message for a file it
// cannot read, and a stream buffer may throw what is no std::exception.
#include <gtest/gtest.h>

#include <sstream>

#include "tests/graph_test_support.h"

namespace {

using namespace std::string_literals;

TEST(FileLoadingTest, FileConstructorSaysOnlyThatItCannotOpen) {
    const ScratchFile file("V 3\r\nE 2\r\nA B 6\r\nA C 7 B C x");
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(tableText(Graph(file.path(), false)), "A:B6,C7 B:A6 C:A7");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    // A missing file (a path under a regular file), no name, a directory:
    // the constructor that reports says why, and nothing else.
    const std::string reasons[] = {"Not a directory", "No such file or directory",
                                   "Is a directory"};
    int reason = 0;
    for (const std::string& path : {file.path() + "/missing", ""s, ::testing::TempDir()}) {
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(tableText(Graph(path, false)), "") << path;
        LoadReport report;
        EXPECT_EQ(tableText(Graph(path, false, report)), "") << path;
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Unable to open file\n") << path;
        EXPECT_EQ(report.stop, LoadReport::Stop::cannotOpen) << path;
        EXPECT_EQ(report.error.message(), reasons[reason++]) << path;
    }
}

// Whatever the stream buffer throws is a read error, as `>>` takes it.
TEST(FileLoadingTest, AnythingThrownIsAReadError) {
    ChunkedBuffer buffer("V 1 E 1 A B 6 C", 4, /*failAtEnd=*/true, /*standard=*/false);
    std::istream in(&buffer);
    LoadReport report;
    EXPECT_EQ(tableText(Graph(in, true, report)), "A:B6");
    EXPECT_EQ(reportText(report).substr(0, 22), "inputError 1 @15/1:16 ");
    EXPECT_TRUE(in.bad() && !in.eof());
}

}  // namespace
