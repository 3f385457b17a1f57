// Comparison of an edge listing with an expected list, and the verdict line.
#ifndef DRIVER_LISTING_CHECK_H_
#define DRIVER_LISTING_CHECK_H_

#include <string>
#include <vector>

// listingMatches()
//
// Splits `listing` at whitespace and returns true when it holds exactly as
// many items as `expected` and every expected item occurs among them (equal
// byte for byte). With distinct expected items this means: the same items,
// each once, in any order.
bool listingMatches(const std::string& listing, const std::vector<std::string>& expected);

// verdictLine()
//
// Returns the display test's verdict, line feed included: full marks when both
// modes passed, half when one did, none otherwise.
std::string verdictLine(bool undirectedPassed, bool directedPassed);

#endif  // DRIVER_LISTING_CHECK_H_
