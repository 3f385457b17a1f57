#include "driver/listing_check.h"

#include <algorithm>
#include <sstream>

bool listingMatches(const std::string& listing, const std::vector<std::string>& expected) {
    std::istringstream stream(listing);
    std::vector<std::string> tokens;
    for (std::string token; stream >> token;) {
        tokens.push_back(token);
    }
    const bool countMatches = tokens.size() == expected.size();
    const bool allPresent = std::all_of(expected.begin(), expected.end(), [&](const auto& item) {
        return std::find(tokens.begin(), tokens.end(), item) != tokens.end();
    });
    return countMatches && allPresent;
}

std::string verdictLine(bool undirectedPassed, bool directedPassed) {
    if (undirectedPassed && directedPassed) {
        return "Display Test Passed: 20 / 20 \n";
    }
    if (undirectedPassed || directedPassed) {
        return "Display Test Partially passed 10 / 20\n";
    }
    return "Display Test Failed 0 / 20\n";
}
