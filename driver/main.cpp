// The display test: loads test1.txt, test2.txt and test4.txt from the working
// directory, undirected and directed, checks each listing against its expected
// items and prints one verdict line. Arguments are ignored; the exit status is
// always 0.
#include <iostream>
#include <memory>
#include <vector>

#include "driver/expected_listings.h"
#include "driver/listing_check.h"
#include "graph/Graph.h"

int main() {
    const auto& files = displayTestFiles();

    // Every graph is loaded before the first listing is checked.
    std::vector<std::unique_ptr<Graph>> undirectedGraphs;
    std::vector<std::unique_ptr<Graph>> directedGraphs;
    for (const auto& file : files) {
        undirectedGraphs.push_back(std::make_unique<Graph>(file.fileName, false));
    }
    for (const auto& file : files) {
        directedGraphs.push_back(std::make_unique<Graph>(file.fileName, true));
    }

    bool undirectedPassed = true;
    bool directedPassed = true;
    for (std::size_t i = 0; i < files.size(); ++i) {
        undirectedPassed &=
            listingMatches(undirectedGraphs[i]->display(), files[i].undirectedItems);
        directedPassed &= listingMatches(directedGraphs[i]->display(), files[i].directedItems);
    }

    std::cout << verdictLine(undirectedPassed, directedPassed) << std::flush;
    return 0;
}
