// FILE as graph-query has read it, and what its commands answer from: the
// summary of its table, its listing when a command prints every edge, and
// one search per source, kept for the queries after it.
#ifndef TOOL_SESSION_H_
#define TOOL_SESSION_H_

#include <array>
#include <bitset>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "graph/Graph.h"
#include "tool/fd_input.h"
#include "tool/messages.h"
#include "tool/options.h"
#include "tool/output.h"

// The routes of one search, by target.
using RouteTable = std::array<Route, kNameCount>;

// The slot of a name in a RouteTable.
inline std::size_t slotOf(char name) {
    return static_cast<unsigned char>(name);
}

class Session {
  public:
    Session(const Invocation& invocation, InputFile& input, Output& out, Messages& messages);

    // Reads FILE once: into the summary when `summary`, and into the listing
    // when `listing`. False after a read error, which it has reported.
    bool load(bool summary, bool listing);

    const Invocation& invocation() const { return invocation_; }
    bool labelSetting() const { return invocation_.meaning == Meaning::labelSetting; }
    const LoadReport& report() const { return report_; }
    const QueryIndex& index() const { return *index_; }
    InputFile& input() { return input_; }
    Output& out() { return out_; }

    // Whether `name` names a vertex of the graph.
    bool isVertex(char name) const { return vertices_[slotOf(name)]; }

    // Every vertex, in the order answers list them: as first read, or with
    // -l in the order of the table.
    std::string names() const;

    // Which entries are edges: every one, or with -l those of weight other
    // than -1.
    EdgeEntries edgeEntries() const;

    // Calls `visit(source, target, weight)` for every edge the listing
    // shows, reading a regular FILE again if it was read without its
    // listing. False after a read error, which it has reported.
    bool forEachListedEdge(const std::function<void(char, char, int)>& visit);

    // The routes the answers give (the least total weights, or with -l the
    // label-setting search's), and the least total weights, from `from`.
    const RouteTable& routesFrom(char from);
    const RouteTable& leastWeightRoutesFrom(char from);

    // Writes "graph-query: FILE: message" on standard error.
    void say(const std::string& message);

  private:
    bool readError(const LoadReport& report);

    // How many parts of a regular FILE to read at once.
    unsigned jobs() const;

    const Invocation& invocation_;
    InputFile& input_;
    Output& out_;
    Messages& messages_;
    LoadReport report_;
    std::optional<QueryIndex> index_;
    std::optional<EdgeListing> listing_;
    std::bitset<kNameCount> vertices_;
    std::array<std::unique_ptr<RouteTable>, kNameCount> shortest_;
    std::array<std::unique_ptr<RouteTable>, kNameCount> least_;
};

#endif  // TOOL_SESSION_H_
