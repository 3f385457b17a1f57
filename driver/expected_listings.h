// The display test's data: its three edge-list files and, for each, the items
// its listing must hold when loaded undirected and when loaded directed.
#ifndef DRIVER_EXPECTED_LISTINGS_H_
#define DRIVER_EXPECTED_LISTINGS_H_

#include <string>
#include <vector>

struct DisplayTestFile {
    std::string fileName;
    std::vector<std::string> undirectedItems;
    std::vector<std::string> directedItems;
};

// displayTestFiles()
//
// Returns the files in the order they are checked: test1, test2, test4.
const std::vector<DisplayTestFile>& displayTestFiles();

#endif  // DRIVER_EXPECTED_LISTINGS_H_
