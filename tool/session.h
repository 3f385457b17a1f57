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
#include "tool/edge_listing.h"
#include "tool/fd_input.h"
#include "tool/options.h"
#include "tool/output.h"

// The routes of one search, by target.
using RouteTable = std::array<Route, 256>;

class Session {
  public:
    Session(const Invocation& invocation, InputFile& input, Output& out, Output& err);

    // Reads FILE once: into the summary when `summary`, and into the listing
    // when `listing`. False after a read error, which it has reported.
    bool load(bool summary, bool listing);

    const Invocation& invocation() const { return invocation_; }
    const LoadReport& report() const { return report_; }
    const QueryIndex& index() const { return *index_; }
    Output& out() { return out_; }

    // Whether `name` names a vertex of the graph.
    bool isVertex(char name) const { return vertices_[graph_internal::nameSlot(name)]; }

    // Calls `visit(source, target, weight)` for every listed edge, reading a
    // regular FILE again if it was read without its listing. False after a
    // read error, which it has reported.
    bool forEachListedEdge(const std::function<void(char, char, int)>& visit);

    // The label-setting routes and the least-weight routes from `from`.
    const RouteTable& shortestRoutesFrom(char from);
    const RouteTable& leastWeightRoutesFrom(char from);

    // Writes "graph-query: FILE: message" on standard error, after what is
    // already written on standard output.
    void say(const std::string& message);

  private:
    bool readError(const LoadReport& report);

    const Invocation& invocation_;
    InputFile& input_;
    Output& out_;
    Output& err_;
    LoadReport report_;
    std::optional<QueryIndex> index_;
    std::optional<EdgeListing> listing_;
    std::bitset<256> vertices_;
    std::array<std::unique_ptr<RouteTable>, 256> shortest_;
    std::array<std::unique_ptr<RouteTable>, 256> least_;
};

// say()
//
// Writes "graph-query: NAME: message" on `err`, NAME being `file` or
// "standard input" for "-", after flushing what `out` holds.
void say(Output& out, Output& err, const std::string& file, const std::string& message);

#endif  // TOOL_SESSION_H_
