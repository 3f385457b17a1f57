#include "tool/session.h"

#include <sched.h>

namespace {

// The processors this process may run on.
unsigned processors() {
    cpu_set_t set;
    return ::sched_getaffinity(0, sizeof set, &set) == 0 ? static_cast<unsigned>(CPU_COUNT(&set))
                                                         : 1;
}

// Whether two readings of one input took the same bytes, as far as their
// reports can tell.
bool sameReading(const LoadReport& first, const LoadReport& again) {
    return first.fingerprint == again.fingerprint && first.triples == again.triples &&
           first.stop == again.stop && first.stoppedAt.offset == again.stoppedAt.offset &&
           first.found == again.found && first.joinedWeight == again.joinedWeight &&
           first.joinedAt.offset == again.joinedAt.offset;
}

RouteTable tableOf(const std::vector<Route>& routes) {
    RouteTable table;
    for (const Route& route : routes) {
        table[slotOf(route.target)] = route;
    }
    return table;
}

}  // namespace

Session::Session(const Invocation& invocation, InputFile& input, Output& out, Messages& messages)
    : invocation_(invocation), input_(&input), out_(out), messages_(messages) {}

Session::Session(const Invocation& invocation, QueryIndex index, std::vector<InputReading> inputs,
                 Output& out, Messages& messages)
    : invocation_(invocation),
      input_(nullptr),
      out_(out),
      messages_(messages),
      readings_(std::move(inputs)),
      index_(std::move(index)) {
    noteVertices();
}

bool Session::load(bool summary, bool listing) {
    InputFile& input = *input_;
    std::istream& stream = *input.stream();
    const bool directed = invocation_.directed;
    LoadReport report;
    const auto keep = [&](const EdgeTriple* triples, std::size_t count) {
        listing_->add(triples, count);
    };
    if (listing) {
        listing_.emplace(directed);
    }
    if (summary && listing) {
        // One pass feeds both, for an input that cannot be read again.
        index_.emplace(
            std::function<void(const EdgeBatchVisitor&)>([&](const EdgeBatchVisitor& add) {
                readEdgeList(stream, invocation_.header, report,
                             [&](const EdgeTriple* triples, std::size_t count) {
                                 keep(triples, count);
                                 add(triples, count);
                             });
            }),
            directed);
    } else if (summary && input.canReadInParts() && jobs() > 1) {
        index_.emplace(input.readAt(), input.size(), directed, report, invocation_.header, jobs());
    } else if (summary) {
        index_.emplace(stream, directed, report, invocation_.header);
    } else {
        readEdgeList(stream, invocation_.header, report, keep);
    }
    if (index_) {
        noteVertices();
    }
    readings_ = {{invocation_.file, report, input.start(), input.startIsWhole()}};
    return !readError(report);
}

void Session::noteVertices() {
    for (const char name : index_->vertexNames()) {
        vertices_.set(slotOf(name));
    }
}

bool Session::readError(const LoadReport& report) {
    if (report.stop != LoadReport::Stop::inputError) {
        return false;
    }
    say(readErrorText(input_->readError()));
    return true;
}

unsigned Session::jobs() const {
    return invocation_.jobs != 0 ? invocation_.jobs : processors();
}

std::string Session::names() const {
    return labelSetting() ? index_->vertexNames() : index_->namesAsRead();
}

EdgeEntries Session::edgeEntries() const {
    return labelSetting() ? EdgeEntries::neighbours : EdgeEntries::every;
}

bool Session::forEachListedEdge(const std::function<void(char, char, int)>& visit) {
    if (!listing_) {
        std::istream* again = input_ ? input_->readAgain() : nullptr;
        if (again == nullptr) {
            say("cannot read the input again for its listing");
            return false;
        }
        LoadReport report;
        listing_.emplace(invocation_.directed);
        readEdgeList(
            *again, invocation_.header, report,
            [&](const EdgeTriple* triples, std::size_t count) { listing_->add(triples, count); });
        if (readError(report)) {
            listing_.reset();
            return false;
        }
        // Never a listing of other contents than the answers were read from.
        if (!sameReading(readings_.front().report, report)) {
            listing_.reset();
            say("the input changed while it was read");
            return false;
        }
    }
    listing_->forEachEdge(edgeEntries(), visit);
    return true;
}

const RouteTable& Session::routesFrom(char from) {
    if (!labelSetting()) {
        return leastWeightRoutesFrom(from);
    }
    std::unique_ptr<RouteTable>& routes = shortest_[slotOf(from)];
    if (!routes) {
        routes = std::make_unique<RouteTable>(tableOf(index_->shortestRoutes(from)));
    }
    return *routes;
}

const RouteTable& Session::leastWeightRoutesFrom(char from) {
    std::unique_ptr<RouteTable>& routes = least_[slotOf(from)];
    if (!routes) {
        routes = std::make_unique<RouteTable>(
            tableOf(index_->leastWeightRoutes(from, EdgeEntries::every)));
    }
    return *routes;
}

void Session::say(const std::string& message) {
    messages_.say(invocation_.file, message);
}

void Session::say(const InputReading& input, const std::string& message) {
    messages_.say(input.name, message);
}
