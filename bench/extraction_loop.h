// The plain `>>` loop over an edge list, the floor of its format: two header
// records, then triples until the first item that cannot be read.
#ifndef BENCH_EXTRACTION_LOOP_H_
#define BENCH_EXTRACTION_LOOP_H_

#include <istream>

// Calls `visit(source, target, weight)` for each triple of `input`.
template <typename Visit>
void forEachExtractedTriple(std::istream& input, Visit visit) {
    char name;
    int value;
    input >> name >> value >> name >> value;
    char source;
    char target;
    int weight;
    while (input >> source >> target >> weight) {
        visit(source, target, weight);
    }
}

#endif  // BENCH_EXTRACTION_LOOP_H_
