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

// Returns "" when `components` are the strongly connected components of the steps: every name
// in exactly one, the names of one reaching each other, no two components so, each one's names
// and the components by their first names in `tieOrder`; otherwise the first violation.
std::string componentsCertificate(const Graph& graph, const std::vector<std::string>& components,
                                  bool everyEntry, const std::string& tieOrder);

// Returns "" when `matrix` has the names of `tieOrder` and each row passes leastWeightCertificate
// of its source, given for each cell with a weight a path of the fewest edges over tight steps
// and for each negativeCycle cell a negative cycle found between source and target; otherwise the
// first violation.
std::string leastWeightMatrixCertificate(const Graph& graph, const DistanceMatrix& matrix,
                                         bool everyEntry, const std::string& tieOrder);

// Returns "" when `forest` is the minimum spanning forest of the steps taken either way, loops
// aside, under the strict order of keys (weight, rank). A pair weighs the least of its step
// weights either way (without `everyEntry`, a step weighs its first entry, -1 or not) and ranks
// by the first of its steps either way in `pairOrder` (pairs of names, two bytes each), or when
// that is empty, by the first entry of a step that a walk of the rows meets. The edges must be
// such pairs, each from its name first in `tieOrder`, in order of keys; taking the pairs by keys,
// each edge joins two trees of the edges before it, and every other pair's ends are joined
// already (the cycle property). Otherwise describes the first violation.
std::string spanningForestCertificate(const Graph& graph, const std::vector<EdgeTriple>& forest,
                                      bool everyEntry, const std::string& tieOrder,
                                      const std::string& pairOrder);

#endif  // TESTS_REFERENCE_CERTIFICATES_H_
