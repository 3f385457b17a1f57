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
#include <vector>

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

// One input as it was read: its name in messages, how reading it went, and
// its first bytes (at most FdStreamBuffer::kStartBytes, all of it when
// `startIsWhole`), at which the notes on how it is written look.
struct InputReading {
    std::string name;
    LoadReport report;
    std::string start;
    bool startIsWhole = false;
};

class Session {
  public:
    // A session that reads FILE from `input` when loaded.
    Session(const Invocation& invocation, InputFile& input, Output& out, Messages& messages);

    // A session over FILE as read elsewhere: the summary `index` of the table
    // of `inputs`, read one after the other. It holds no listing.
    Session(const Invocation& invocation, QueryIndex index, std::vector<InputReading> inputs,
            Output& out, Messages& messages);

    // Reads FILE once: into the summary when `summary`, and into the listing
    // when `listing`. False after a read error, which it has reported.
    bool load(bool summary, bool listing);

    const Invocation& invocation() const { return invocation_; }
    bool labelSetting() const { return invocation_.meaning == Meaning::labelSetting; }
    const QueryIndex& index() const { return *index_; }
    Output& out() { return out_; }

    // How reading each input of FILE went, in order: FILE alone, once loaded.
    const std::vector<InputReading>& readings() const { return readings_; }

    // Whether the edges themselves can be had, for the commands that print
    // every one: not of a summary read elsewhere.
    bool holdsEdges() const { return input_ != nullptr; }

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

    // Writes "graph-query: FILE: message" on standard error, or with
    // `input` that input's name for FILE.
    void say(const std::string& message);
    void say(const InputReading& input, const std::string& message);

  private:
    bool readError(const LoadReport& report);

    // How many parts of a regular FILE to read at once.
    unsigned jobs() const;

    // Notes the names the summary holds.
    void noteVertices();

    const Invocation& invocation_;
    InputFile* input_;
    Output& out_;
    Messages& messages_;
    std::vector<InputReading> readings_;
    std::optional<QueryIndex> index_;
    std::optional<EdgeListing> listing_;
    std::bitset<kNameCount> vertices_;
    std::array<std::unique_ptr<RouteTable>, kNameCount> shortest_;
    std::array<std::unique_ptr<RouteTable>, kNameCount> least_;
};

#endif  // TOOL_SESSION_H_
