// How graph-query writes vertices and routes in its answers.
#ifndef TOOL_ROUTE_TEXT_H_
#define TOOL_ROUTE_TEXT_H_

#include <string>

#include "graph/Graph.h"

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

#endif  // TOOL_ROUTE_TEXT_H_
