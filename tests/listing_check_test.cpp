// The display test's listing comparison and verdict.
#include <gtest/gtest.h>

#include "driver/listing_check.h"

namespace {

TEST(ListingMatchesTest, SameItemsInAnyOrderSeparatedByAnyWhitespace) {
    const std::vector<std::string> expected = {"(A,B,6)", "(A,C,7)"};
    const struct {
        const char* listing;
        bool matches;
    } cases[] = {
        {"(A,B,6) (A,C,7) ", true},
        {"(A,C,7) (A,B,6)", true},
        {"\t(A,C,7)\n\v(A,B,6)\f\r", true},
        {"(A,B,6) (A,C,7) (A,D,1) ", false},  // one more
        {"(A,B,6) (A,B,6) (A,C,7) ", false},  // one twice
        {"(A,B,6) (A,D,1) ", false},          // right count, one missing
        {"(a,B,6) (A,C,7) ", false},          // case counts
        {"(A,B,6)(A,C,7) ", false},           // items must be separated
        {"", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(listingMatches(c.listing, expected), c.matches) << '"' << c.listing << '"';
    }
}

TEST(VerdictLineTest, ChoosesTheTextFromBothModes) {
    EXPECT_EQ(verdictLine(true, true), "Display Test Passed: 20 / 20 \n");
    EXPECT_EQ(verdictLine(true, false), "Display Test Partially passed 10 / 20\n");
    EXPECT_EQ(verdictLine(false, true), "Display Test Partially passed 10 / 20\n");
    EXPECT_EQ(verdictLine(false, false), "Display Test Failed 0 / 20\n");
}

}  // namespace
