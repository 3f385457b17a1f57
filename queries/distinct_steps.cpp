#include "graph/query_index.h"
#include "queries/internal/table_summary.h"

using graph_internal::Neighbour;

std::vector<EdgeTriple> QueryIndex::steps(EdgeEntries entries) const {
    std::vector<EdgeTriple> steps;
    for (const char source : summary_->tieOrder(entries).names()) {
        for (const Neighbour& neighbour : summary_->neighboursOf(source)) {
            if (neighbour.isStep(entries)) {
                steps.push_back({neighbour.stepWeight(entries), source, neighbour.name});
            }
        }
    }
    return steps;
}
