// Loading edge-list files, well-formed and not: every complete triple before
// the first unreadable item is kept, nothing after it, and only a file that
// cannot be opened is reported. The report tells where and why reading ended.
#include <gtest/gtest.h>

#include <sstream>

#include "tests/graph_test_support.h"

namespace {

using ::testing::internal::CaptureStderr;
using ::testing::internal::GetCapturedStderr;

struct LoadCase {
    const char* name;
    std::string contents;
    bool directed;
    std::string table;
    std::string path = "";  // loaded instead of a scratch file holding `contents`
    std::string message = "";
};

const std::string kUnopenable = "Unable to open file\n";

std::string bytes(const char* text, std::size_t size) {
    return std::string(text, size);
}

TEST(FileLoadingTest, CatalogueOfFiles) {
    const ScratchFile notADirectory("");
    const std::string nul(1, '\0');
    std::string longLine = "V 2 E 100000";
    std::string longTable = "A:";
    for (int i = 0; i < 100000; ++i) {
        longLine += " A B " + std::to_string(i);
        longTable += (i == 0 ? "B" : ",B") + std::to_string(i);
    }
    const LoadCase cases[] = {
        {"directed", "V 3\nE 2\nA B 6\nA C 7\n", true, "A:B6,C7"},
        {"undirected", "V 3\nE 2\nA B 6\nA C 7\n", false, "A:B6,C7 B:A6 C:A7"},
        {"no final line end", "V 2\nE 1\nA B 6", true, "A:B6"},
        {"empty file", "", true, ""},
        {"only headers", "V 3\nE 2\n", false, ""},
        {"file ends inside the header", "V 3\nE", true, ""},
        {"missing headers", "A B 6\nA C 7\nB C 1\n", true, ""},
        {"header integer not a number", "V x\nE 2\nA B 6\n", true, ""},
        {"header integer out of range", "V 99999999999\nE 2\nA B 6\n", true, ""},
        {"weight above int range", "V 2\nE 3\nA B 6\nA C 2147483648\nB C 1\n", true, "A:B6"},
        {"weight below int range", "V 2\nE 3\nA B 6\nA C -2147483649\nB C 1\n", true, "A:B6"},
        {"int extremes kept", "V 2\nE 2\nA B 2147483647\nA C -2147483648\n", true,
         "A:B2147483647,C-2147483648"},
        {"weight not a number", "V 2\nE 3\nA B 6\nA C x\nB C 1\n", false, "A:B6 B:A6"},
        {"plus sign accepted", "V 2\nE 1\nA B +6\n", true, "A:B6"},
        {"undirected loop", "V 1\nE 2\nA A 4\nA B 1\n", false, "A:A4,A4,B1 B:A1"},
        {"two-letter vertex", "V 3\nE 3\nA B 6\nAB C 5\nB C 1\n", true, "A:B6"},
        {"letters written together", "V 2\nE 1\nAB 6\n", true, "A:B6"},
        {"weight followed by next letter", "V 3\nE 2\nA B 6B C 3", true, "A:B6 B:C3"},
        {"file ends inside a triple", "V 3\nE 2\nA B 6\nB C", true, "A:B6"},
        {"file ends after a source", "V 3\nE 2\nA B 6\nB", false, "A:B6 B:A6"},
        {"CR LF line ends", "V 3\r\nE 2\r\nA B 6\r\nB C 3\r\n", true, "A:B6 B:C3"},
        {"tabs, form feeds, vertical tabs", "V\t3\fE\v2\tA\tB\f6\vB\r\nC 3", true, "A:B6 B:C3"},
        {"NUL bytes are vertex names", bytes("V 2\nE 2\nA B 6\n\0 B 5\nC\0 7\n", 24), true,
         "A:B6 " + nul + ":B5 C:" + nul + "7"},
        {"NUL ends a weight", bytes("V 2\nE 2\nA B 6\nA C 1\0 2", 22), true, "A:B6,C1"},
        {"high bytes are vertex names", "V 1\nE 1\n\xff\x80 -3\n", true, "\xff:\x80-3"},
        {"binary garbage after edges", bytes("V 1\nE 1\nA B 6\n\x01\x02\x03\x04\x05", 18), true,
         "A:B6"},
        {"header only letters", "A B C D\n", true, ""},
        {"very long line", longLine, true, longTable},
        {"missing file", "", false, "", notADirectory.path() + "/no_such_file.txt", kUnopenable},
        {"empty file name", "", true, "", "", kUnopenable},
        {"directory", "", false, "", ::testing::TempDir(), kUnopenable},
    };
    for (const auto& c : cases) {
        ScratchFile file(c.contents);
        CaptureStderr();
        const Graph graph(c.path.empty() && c.message.empty() ? file.path() : c.path, c.directed);
        EXPECT_EQ(GetCapturedStderr(), c.message) << c.name;
        EXPECT_EQ(tableText(graph), c.table) << c.name;
    }
}

// "stop triples [header] @offset/line:column [found F] [joined B@offset/line:column]",
// leaving out `found` after a read error, where it means nothing.
std::string reportText(const LoadReport& r) {
    const char* const stops[] = {"endOfInput", "endInHeader", "endInTriple",
                                 "notANumber", "outOfRange",  "inputError"};
    const auto at = [](const InputPosition& p) {
        return std::to_string(p.offset) + "/" + std::to_string(p.line) + ":" +
               std::to_string(p.column);
    };
    const bool readError = r.stop == LoadReport::Stop::inputError;
    return stops[static_cast<int>(r.stop)] + std::string(" ") + std::to_string(r.triples) +
           (r.inHeader ? " header" : "") + " @" + at(r.stoppedAt) +
           (r.found.empty() || readError ? "" : " found " + r.found) +
           (r.joinedWeight ? " joined " + std::string(1, r.joinedByte) + "@" + at(r.joinedAt) : "");
}

struct ReportCase {
    const char* name;
    std::string contents;
    std::string report;  // reportText
    std::string table;   // loaded directed
};

TEST(FileLoadingTest, ReportTellsWhereAndWhyReadingEnded) {
    const std::string digits40(40, '9');
    const ReportCase cases[] = {
        {"whole file", "V 3\nE 2\nA B 6\nA C 7\n", "endOfInput 2 @20/5:1", "A:B6,C7"},
        {"headers only", "V 3\nE 2", "endOfInput 0 @7/2:4", ""},
        {"empty", "", "endInHeader 0 header @0/1:1", ""},
        {"ends in the header", "V 3\nE", "endInHeader 0 header @5/2:2", ""},
        {"ends after a source", "V 3\nE 2\nA B 6\nB", "endInTriple 1 @15/4:2", "A:B6"},
        {"ends after a target", "V 3\nE 2\nA B 6\nB C\n", "endInTriple 1 @18/5:1", "A:B6"},
        {"header value", "V x\nE 2\n", "notANumber 0 header @2/1:3 found x", ""},
        {"weight, CR LF", "V 3\r\nE 2\r\nA B 6\r\nB C x\r\n", "notANumber 1 @21/4:5 found x",
         "A:B6"},
        {"lone minus at the end", "V 1\nE 1\nA B -", "notANumber 0 @12/3:5 found -", ""},
        {"byte-order mark", "\xef\xbb\xbfV 1\nE 1\nA B 6\n",
         "notANumber 0 header @1/1:2 found \xbb", ""},
        {"weight above int", "V 2\nE 3\nA B 6\nA C 2147483648\n",
         "outOfRange 1 @18/4:5 found 2147483648", "A:B6"},
        {"40 digits", "V 1\nE 1\nA B -" + digits40 + "\n",
         "outOfRange 0 @12/3:5 found -" + digits40.substr(0, 31), ""},
        {"1.25", "V 1\nE 1\nA B 1.25\n", "endOfInput 2 @17/4:1 joined .@13/3:6", "A:B1 .:25"},
        {"6B, the first of two", "V 3\nE 2\nA B 6B C 3D E 1",
         "endOfInput 3 @23/3:16 joined B@13/3:6", "A:B6 B:C3 D:E1"},
    };
    for (const auto& c : cases) {
        std::istringstream in(c.contents);
        LoadReport report;
        const Graph graph(in, true, report);
        EXPECT_EQ(reportText(report), c.report) << c.name;
        EXPECT_EQ(report.complete(), c.report.rfind("endOfInput", 0) == 0) << c.name;
        EXPECT_EQ(tableText(graph), c.table) << c.name;
    }
}

// A read error part way: while skipping to the next item, and directly after
// a weight's digits, where `>>` drops that weight's triple too. Whatever the
// stream buffer throws is a read error, as `>>` takes it.
TEST(FileLoadingTest, ReadErrorKeepsTheTriplesBeforeIt) {
    const struct {
        const char* name;
        std::string contents;
        bool standardException;
        std::string report;
        std::string table;
    } cases[] = {
        {"before a target", "V 1 E 1\nA B 6\nB C 7\nC ", true, "inputError 2 @22/4:3", "A:B6 B:C7"},
        {"after a weight", "V 1 E 1\nA B 6\nB C 7", true, "inputError 1 @19/3:6", "A:B6"},
        {"in the header", "V 1 E", true, "inputError 0 header @5/1:6", ""},
        {"not a std::exception", "V 1 E 1 A B 6 C", false, "inputError 1 @15/1:16", "A:B6"},
    };
    for (const auto& c : cases) {
        FailingBuffer buffer(c.contents, c.standardException);
        std::istream in(&buffer);
        LoadReport report;
        const Graph graph(in, true, report);
        EXPECT_EQ(reportText(report), c.report) << c.name;
        EXPECT_EQ(tableText(graph), c.table) << c.name;
        EXPECT_TRUE(in.bad()) << c.name;
        EXPECT_FALSE(in.eof()) << c.name;
    }
}

}  // namespace
