// How graph-query writes vertices and routes in its answers.
#ifndef TOOL_ROUTE_TEXT_H_
#define TOOL_ROUTE_TEXT_H_

#include <string>

#include "graph/Graph.h"
#include "tool/output.h"

// The vertices separated by blanks: "A C E".
inline std::string spaced(const std::string& vertices) {
    std::string text;
    for (const char vertex : vertices) {
        if (!text.empty()) {
            text += ' ';
        }
        text += vertex;
    }
    return text;
}

// A route's length, "unreachable", or the negative cycle that leaves none.
inline std::string lengthText(const Route& route) {
    if (route.length) {
        return std::to_string(*route.length);
    }
    return route.negativeCycle.empty() ? "unreachable"
                                       : "negative cycle " + spaced(route.negativeCycle);
}

// Writes the edge's line in the listing's form, "(A,B,6)", without making a
// string of it: the listing writes one for every triple read.
inline void writeListingLine(Output& out, char source, char target, int weight) {
    char line[kListingItemBytes + 1];
    char* end = writeListingItem(line, source, target, weight);
    *end++ = '\n';
    out.write({line, static_cast<std::size_t>(end - line)});
}

#endif  // TOOL_ROUTE_TEXT_H_
