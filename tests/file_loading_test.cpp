// Loading edge-list files, well-formed and not: every complete triple before
// the first unreadable item is kept, nothing after it, and only a file that
// cannot be opened is reported. The report tells where and why reading ended.
#include <gtest/gtest.h>

#include <sstream>

#include "tests/graph_test_support.h"

namespace {

using namespace std::string_literals;

// "stop triples [header] @offset/line:column [found F] [joined B@offset/line:column]".
std::string reportText(const LoadReport& r) {
    const char* const stops[] = {"endOfInput", "endInHeader", "endInTriple",
                                 "notANumber", "outOfRange",  "inputError"};
    const auto at = [](const InputPosition& p) {
        return std::to_string(p.offset) + "/" + std::to_string(p.line) + ":" +
               std::to_string(p.column);
    };
    return stops[static_cast<int>(r.stop)] + " "s + std::to_string(r.triples) +
           (r.inHeader ? " header" : "") + " @" + at(r.stoppedAt) +
           (r.found.empty() ? "" : " found " + r.found) +
           (r.joinedWeight ? " joined " + std::string(1, r.joinedByte) + "@" + at(r.joinedAt)
                           : "") +
           (r.complete() == (r.stop == LoadReport::Stop::endOfInput) ? "" : " <complete()>");
}

// Each file is loaded by the file constructor (which must stay silent) and by
// the stream constructor with a report, which is compared where one is given.
TEST(FileLoadingTest, CatalogueOfFiles) {
    const std::string digits40(40, '9');
    std::string longLine = "V 2 E 100000", longTable = "A:";
    for (int i = 0; i < 100000; ++i) {
        longLine += " A B " + std::to_string(i);
        longTable += (i == 0 ? "B" : ",B") + std::to_string(i);
    }
    const struct {
        std::string contents;
        bool directed;
        std::string table;
        std::string report = "";
    } cases[] = {
        {"V 3\nE 2\nA B 6\nA C 7\n", true, "A:B6,C7", "endOfInput 2 @20/5:1"},
        {"V 3\nE 2\nA B 6\nA C 7\n", false, "A:B6,C7 B:A6 C:A7"},
        {"V 2\nE 1\nA B 6", true, "A:B6"},
        {"", true, "", "endInHeader 0 header @0/1:1"},
        {"V 3\nE 2", false, "", "endOfInput 0 @7/2:4"},
        {"V 3\nE", true, "", "endInHeader 0 header @5/2:2"},
        {"A B 6\nA C 7\nB C 1\n", true, ""},  // no header: B is no number
        {"V x\nE 2\nA B 6\n", true, "", "notANumber 0 header @2/1:3 found x"},
        {"V 99999999999\nE 2\nA B 6\n", true, "", "outOfRange 0 header @2/1:3 found 99999999999"},
        {"V 2\nE 3\nA B 6\nA C 2147483648\nB C 1\n", true, "A:B6",
         "outOfRange 1 @18/4:5 found 2147483648"},
        {"V 2\nE 3\nA B 6\nA C -2147483649\nB C 1\n", true, "A:B6"},
        {"V 1\nE 1\nA B -" + digits40 + "\n", true, "",
         "outOfRange 0 @12/3:5 found -" + digits40.substr(0, 31)},
        {"V 2\nE 2\nA B 2147483647\nA C -2147483648\n", true, "A:B2147483647,C-2147483648"},
        {"V 2\nE 3\nA B 6\nA C x\nB C 1\n", false, "A:B6 B:A6", "notANumber 1 @18/4:5 found x"},
        {"V 1\nE 1\nA B -", true, "", "notANumber 0 @12/3:5 found -"},
        {"V 2\nE 1\nA B +6\n", true, "A:B6"},
        {"V 1\nE 2\nA A 4\nA B 1\n", false, "A:A4,A4,B1 B:A1"},
        {"V 3\nE 3\nA B 6\nAB C 5\nB C 1\n", true, "A:B6"},  // a two-letter source
        {"V 2\nE 1\nAB 6\n", true, "A:B6"},
        {"V 3\nE 2\nA B 6B C 3D E 1", true, "A:B6 B:C3 D:E1",
         "endOfInput 3 @23/3:16 joined B@13/3:6"},
        {"V 1\nE 1\nA B 1.25\n", true, "A:B1 .:25", "endOfInput 2 @17/4:1 joined .@13/3:6"},
        {"V 3\nE 2\nA B 6\nB C", true, "A:B6", "endInTriple 1 @17/4:4"},
        {"V 3\nE 2\nA B 6\nB", false, "A:B6 B:A6", "endInTriple 1 @15/4:2"},
        {"V 3\r\nE 2\r\nA B 6\r\nB C 3\r\n", true, "A:B6 B:C3", "endOfInput 2 @24/5:1"},
        {"V 3\r\nE 2\r\nA B 6\r\nB C x\r\n", true, "A:B6", "notANumber 1 @21/4:5 found x"},
        {"V\t3\fE\v2\tA\tB\f6\vB\r\nC 3", true, "A:B6 B:C3"},
        {"V 2\nE 2\nA B 6\n\0 B 5\nC\0 7\n"s, true,
         "A:B6 \0:B5 C:\0"s
         "7"},
        {"V 2\nE 2\nA B 6\nA C 1\0 2"s, true, "A:B6,C1"},
        {"V 1\nE 1\n\xff\x80 -3\n", true, "\xff:\x80-3"},
        {"V 1\nE 1\nA B 6\n\x01\x02\x03\x04\x05", true, "A:B6"},
        {"\xef\xbb\xbfV 1\nE 1\nA B 6\n", true, "", "notANumber 0 header @1/1:2 found \xbb"},
        {longLine, true, longTable},
    };
    for (const auto& c : cases) {
        const ScratchFile file(c.contents);
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(tableText(Graph(file.path(), c.directed)), c.table) << c.contents.substr(0, 40);
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
        std::istringstream in(c.contents);
        LoadReport report;
        EXPECT_EQ(tableText(Graph(in, c.directed, report)), c.table) << c.contents.substr(0, 40);
        EXPECT_TRUE(c.report.empty() || reportText(report) == c.report)
            << c.contents << ": " << reportText(report);
    }
    // A missing file (a path under a regular file), no name, a directory.
    const ScratchFile regular("");
    for (const std::string& path : {regular.path() + "/missing", ""s, ::testing::TempDir()}) {
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(tableText(Graph(path, false)), "") << path;
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Unable to open file\n") << path;
    }
}

// A read error part way: while skipping to the next item, and directly after
// a weight's digits, where `>>` drops that weight's triple too. Whatever the
// stream buffer throws is a read error, as `>>` takes it.
TEST(FileLoadingTest, ReadErrorKeepsTheTriplesBeforeIt) {
    const struct {
        std::string contents;
        bool standardException;
        std::string report;
        std::string table;
    } cases[] = {
        {"V 1 E 1\nA B 6\nB C 7\nC ", true, "inputError 2 @22/4:3", "A:B6 B:C7"},
        {"V 1 E 1\nA B 6\nB C 7", true, "inputError 1 @19/3:6", "A:B6"},
        {"V 1 E", true, "inputError 0 header @5/1:6", ""},
        {"V 1 E 1 A B 6 C", false, "inputError 1 @15/1:16", "A:B6"},
    };
    for (const auto& c : cases) {
        FailingBuffer buffer(c.contents, c.standardException);
        std::istream in(&buffer);
        LoadReport report;
        EXPECT_EQ(tableText(Graph(in, true, report)), c.table) << c.contents;
        EXPECT_EQ(reportText(report), c.report) << c.contents;
        EXPECT_TRUE(in.bad() && !in.eof()) << c.contents;
    }
}

}  // namespace
