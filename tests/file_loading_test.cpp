// Loading edge-list files, well-formed and not: every complete triple before
// the first unreadable item is kept, nothing after it, and only a file that
// cannot be opened is reported.
#include <gtest/gtest.h>

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
        {"missing file", "", false, "", ::testing::TempDir() + "no_such_file.txt", kUnopenable},
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

}  // namespace
