// Loads a file that is missing, one that stops at a typo and one read whole,
// through the installed headers alone, and tells the three apart by the
// report; then queries the last.
#include <fstream>
#include <iostream>

#include "graph/Graph.h"

int main() {
    std::ofstream("typo.txt") << "V 2\nE 2\nA B 6\nB C x\n";
    std::ofstream("whole.txt") << "V 3\nE 2\nA B 6\nB C 3\n";
    for (const char* name : {"missing.txt", "typo.txt", "whole.txt"}) {
        LoadReport report;
        const Graph graph(name, /*directed=*/false, report);
        if (report.stop == LoadReport::Stop::cannotOpen) {
            std::cout << name << ": cannot open: " << report.error.message() << '\n';
        } else if (!report.complete()) {
            std::cout << name << ": stopped at " << report.stoppedAt.line << ':'
                      << report.stoppedAt.column << " after " << report.triples << " edge\n";
        } else {
            std::cout << name << ": " << graph.display() << graph.Dijkstra('A', 'C') << ' '
                      << graph.leastWeightRoute('A', 'C', EdgeEntries::every).path << '\n';
        }
    }
    return 0;
}
