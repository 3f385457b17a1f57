// Certificate checkers: each judges an answer of a query from its contract
// alone, by local conditions that together prove it right, so no second
// solver is needed and no fault can be shared with one. They read `adjList`
// and `vertexCount` and call nothing of the library.
//
// Names are bytes; a name's row is the first of the first `vertexCount` rows
// headed by it. With `everyEntry` every entry after a head is a step (the
// tool's reading); without it entries of weight -1 are not (the library's).
// A step u->v weighs the least of u's step entries naming v.
#ifndef TESTS_REFERENCE_CERTIFICATES_H_
#define TESTS_REFERENCE_CERTIFICATES_H_

#include <string>
#include <vector>

#include "graph/Graph.h"

// Returns "" when `routes`, one per target, are least-weight answers from `from`: least weight,
// then fewest edges, the last step from the candidate first in a non-empty `tieOrder`. Routes are
// judged only against each other, so a route for every name makes the check complete; otherwise
// the first violated condition is described, naming bytes as numbers.
std::string leastWeightCertificate(const Graph& graph, char from, const std::vector<Route>& routes,
                                   bool everyEntry, const std::string& tieOrder);

// Returns "" when `order` and `obstacle` are what Kahn's method may answer for the graph's names,
// whichever ready vertex it takes each time; otherwise describes the first violation.
std::string topoCertificate(const Graph& graph, const std::string& order,
                            const TopoObstacle& obstacle, bool everyEntry);

#endif  // TESTS_REFERENCE_CERTIFICATES_H_
