#include "tool/command_table.h"

#include "tool/analyses.h"
#include "tool/commands.h"
#include "tool/dot_picture.h"

const std::vector<OptionEntry>& optionTable() {
    static const std::vector<OptionEntry> table = {
        {OptionName::directed, 'd', "directed", nullptr, "load every triple as one directed edge"},
        {OptionName::jobs, 'j', "jobs", "N",
         "read a regular FILE in N parts at once (default: one per processor available)"},
        {OptionName::labelSetting, 'l', "label-setting", nullptr,
         "answer by the library's rules: first parallel edge, vertices settled once, weight -1 "
         "edges hidden, the table's order (notes where not the least weight)"},
        {OptionName::minimum, 'm', "minimum", nullptr,
         "the least total weight: the default, undoing -l"},
        {OptionName::noHeader, '\0', "no-header", nullptr,
         "FILE starts with its first triple, without the two header records"},
        {OptionName::commands, 'c', "commands", "CMDFILE",
         "answer every line of CMDFILE after one load, each answer line led by its command; "
         "'#' starts a comment"},
        {OptionName::help, 'h', "help", nullptr, "display this help and exit"},
        {OptionName::version, 'V', "version", nullptr,
         "output version information (and the fast path in use) and exit"},
    };
    return table;
}

const std::vector<CommandEntry>& commandTable() {
    static const char* const kPictures[] = {"components", "tree", nullptr};
    static const std::vector<CommandEntry> table = {
        {"list", "", 0, 0, nullptr, true, false, answerList, "the edges, one (S,T,W) a line"},
        {"reachable", "A B", 2, 2, nullptr, false, false, answerReachable,
         "yes or no (status 1 for no); every vertex reaches itself"},
        {"distance", "A B", 2, 2, nullptr, false, false, answerDistance,
         "the least total weight of a path, or unreachable or the negative cycle that leaves "
         "none (status 1)"},
        {"path", "A B", 2, 2, nullptr, false, false, answerPath,
         "the vertices of a least-weight path, then its length"},
        {"distances", "A", 1, 1, nullptr, false, false, answerDistances,
         "every vertex with its distance from A"},
        {"topo", "", 0, 0, nullptr, false, false, answerTopo,
         "a topological order; vertices left out, then the cycle that keeps them out (status 1)"},
        {"components", "", 0, 0, nullptr, false, false, answerComponents,
         "the components, one a line: strongly connected when directed"},
        {"matrix", "", 0, 0, nullptr, false, false, answerMatrix,
         "every distance, as a tab-separated table with inf and -inf (status 1 for -inf)"},
        {"tree", "", 0, 0, nullptr, false, true, answerTree,
         "a minimum spanning forest of an undirected graph, one (S,T,W) a line, then its total"},
        {"dot", "[A [B] | components | tree]", 0, 2, kPictures, true, false, answerDot,
         "the graph in Graphviz DOT; with A, distances from A and the paths drawn, with B only "
         "the path from A to B; each component in a colour of its own, or the forest drawn"},
        {"check", "", 0, 0, nullptr, false, false, answerCheck,
         "how reading FILE went (status 1 if not read whole)"},
    };
    return table;
}

const CommandEntry* findCommand(const std::string& name) {
    for (const CommandEntry& command : commandTable()) {
        if (name == command.name) {
            return &command;
        }
    }
    return nullptr;
}
