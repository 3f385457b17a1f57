// Loading, where the >> oracle (loading_oracle_test.cpp) cannot see: the
// report's line:column and the bytes it quotes, the file constructor's one
// message, and a stream buffer that throws what is no std::exception.
#include <gtest/gtest.h>

#include <sstream>

#include "tests/graph_test_support.h"

namespace {

using namespace std::string_literals;

// Each file is loaded by the file constructor, which must stay silent, and by
// the stream constructor with a report.
TEST(FileLoadingTest, ReportSaysWhereAndWhy) {
    const std::string digits40(40, '9');
    std::string longLine = "V 2 E 100000", longTable = "A:";
    for (int i = 0; i < 100000; ++i) {
        longLine += " A B " + std::to_string(i);
        longTable += (i == 0 ? "B" : ",B") + std::to_string(i);
    }
    const struct {
        std::string contents;
        std::string table;
        std::string report;
    } cases[] = {
        {"V 3\nE 2\nA B 6\nA C 7\n", "A:B6,C7", "endOfInput 2 @20/5:1"},
        {"", "", "endInHeader 0 header @0/1:1"},
        {"V 3\nE", "", "endInHeader 0 header @5/2:2"},
        {"V 99999999999\nE 2\nA B 6\n", "", "outOfRange 0 header @2/1:3 found 99999999999"},
        {"V 1\nE 1\nA B -" + digits40 + "\n", "",
         "outOfRange 0 @12/3:5 found -" + digits40.substr(0, 31)},
        {"V 2\nE 3\nA B 6\nA C x\nB C 1\n", "A:B6", "notANumber 1 @18/4:5 found x"},
        {"V 1\nE 1\nA B -", "", "notANumber 0 @12/3:5 found -"},
        {"V 3\nE 2\nA B 6B C 3D E 1", "A:B6 B:C3 D:E1", "endOfInput 3 @23/3:16 joined B@13/3:6"},
        {"V 3\nE 2\nA B 6\nB C", "A:B6", "endInTriple 1 @17/4:4"},
        {"V 3\r\nE 2\r\nA B 6\r\nB C x\r\n", "A:B6", "notANumber 1 @21/4:5 found x"},
        {"\xef\xbb\xbfV 1\nE 1\nA B 6\n", "", "notANumber 0 header @1/1:2 found \xbb"},
        {longLine, longTable,
         "endOfInput 100000 @" + std::to_string(longLine.size()) +
             "/1:" + std::to_string(longLine.size() + 1)},
    };
    for (const auto& c : cases) {
        const ScratchFile file(c.contents);
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(tableText(Graph(file.path(), true)), c.table) << c.contents.substr(0, 40);
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
        std::istringstream in(c.contents);
        LoadReport report;
        EXPECT_EQ(tableText(Graph(in, true, report)), c.table) << c.contents.substr(0, 40);
        EXPECT_EQ(reportText(report), c.report) << c.contents.substr(0, 40);
    }
    // A missing file (a path under a regular file), no name, a directory.
    const ScratchFile regular("");
    for (const std::string& path : {regular.path() + "/missing", ""s, ::testing::TempDir()}) {
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(tableText(Graph(path, false)), "") << path;
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Unable to open file\n") << path;
    }
}

// Whatever the stream buffer throws is a read error, as `>>` takes it.
TEST(FileLoadingTest, AnythingThrownIsAReadError) {
    FailingBuffer buffer("V 1 E 1 A B 6 C", /*standard=*/false);
    std::istream in(&buffer);
    LoadReport report;
    EXPECT_EQ(tableText(Graph(in, true, report)), "A:B6");
    EXPECT_EQ(reportText(report), "inputError 1 @15/1:16");
    EXPECT_TRUE(in.bad() && !in.eof());
}

}  // namespace
