#include "driver/expected_listings.h"

const std::vector<DisplayTestFile>& displayTestFiles() {
    static const std::vector<DisplayTestFile> files = {
        {"test1.txt",
         {"(A,B,6)", "(A,C,7)", "(B,A,6)", "(B,C,3)", "(C,A,7)", "(C,B,3)", "(C,E,8)", "(D,E,2)",
          "(E,C,8)", "(E,D,2)"},
         {"(A,B,6)", "(A,C,7)", "(B,C,3)", "(D,E,2)", "(E,C,8)"}},
        {"test2.txt",
         {"(A,B,3)", "(A,C,2)", "(A,G,6)", "(B,A,3)", "(B,C,2)", "(B,D,1)", "(B,E,6)",
          "(C,A,2)", "(C,B,2)", "(C,D,3)", "(D,B,1)", "(D,C,3)", "(D,F,4)", "(E,B,6)",
          "(E,F,1)", "(F,D,4)", "(F,E,1)", "(F,G,2)", "(G,A,6)", "(G,F,2)"},
         {"(A,B,3)", "(A,C,2)", "(A,G,6)", "(B,D,1)", "(B,E,6)", "(C,B,2)", "(C,D,3)", "(D,F,4)",
          "(E,F,1)", "(G,F,2)"}},
        {"test4.txt",
         {"(A,B,2)", "(A,C,7)", "(A,E,2)", "(B,A,2)", "(B,C,3)", "(C,A,7)", "(C,B,3)", "(C,E,1)",
          "(D,F,2)", "(E,A,2)", "(E,C,1)", "(F,D,2)"},
         {"(A,B,2)", "(A,C,7)", "(B,C,3)", "(D,F,2)", "(E,A,2)", "(E,C,1)"}},
    };
    return files;
}
