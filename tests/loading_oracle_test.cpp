// The stream and table constructors against plain `>>` extraction and addEdge
// (reference/checks.h) on seeded random inputs, every truncation of one file
// and a read error at every offset of it.
#include <gtest/gtest.h>

#include <random>

#include "tests/reference/checks.h"

namespace {

using namespace std::string_literals;

// A header and triples of letters, any bytes and numbers of every kind, with
// items that break the pattern now and then, separated by any whitespace or none.
std::string randomInput(std::mt19937& random) {
    static const std::string odd[] = {
        "6B", "1.25", "0x10",         "--5", "+",          "-",           "x",
        "AB", "",     "\xef\xbb\xbf", "\0"s, "2147483648", "-2147483649", "99999999999999999999"};
    static const std::string signs[] = {"0",          "-0",          "+7",           "007", "-1",
                                        "2147483647", "-2147483648", "-02147483648", ""};
    std::string out;
    const unsigned oddRate = 4 + random() % 60;
    for (unsigned i = 0, items = 3 * (random() % 40) + random() % 3 + 4; i < items; ++i) {
        if (random() % oddRate == 0) {
            out += odd[random() % std::size(odd)];
        } else if (i < 4 ? i % 2 == 1 : (i - 4) % 3 == 2) {
            out += signs[random() % std::size(signs)] + std::to_string(random() % 100000);
        } else {
            out += static_cast<char>(random() % 8 ? 'A' + random() % 7 : random());
        }
        for (unsigned gap = random() % 10 == 0 ? 0 : 1 + random() % 2; gap > 0; --gap) {
            out += " \t\n\v\f\r "[random() % 7];
        }
    }
    return out;
}

TEST(LoadingOracleTest, ConstructorsReadAsExtractionAndAddEdgeDo) {
    std::mt19937 random(20240611);
    for (int i = 0; i < 3000; ++i) {
        const std::string input = randomInput(random);
        ASSERT_EQ(loadingDifference(input, i % 2 == 0, false), "")
            << ::testing::PrintToString(input);
    }
    const std::string file =
        "V 7\r\nE 9\nA B 6\nA C -7\r\nB\tC 2147483647\nC A -2147483648\n\vD E +03\f"
        "E E 6F G 1.25 H\x80 0x10\n\0 A -1 B B 99999999999\n"s;
    for (std::size_t size = 0; size <= file.size(); ++size) {
        for (const bool readError : {false, true}) {
            ASSERT_EQ(loadingDifference(file.substr(0, size), size % 2, readError), "")
                << size << (readError ? " bytes, then a read error" : " bytes");
        }
    }
}

}  // namespace
