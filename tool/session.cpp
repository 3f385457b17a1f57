#include "tool/session.h"

#include <cstring>

namespace {

using graph_internal::nameSlot;

RouteTable tableOf(const std::vector<Route>& routes) {
    RouteTable table;
    for (const Route& route : routes) {
        table[nameSlot(route.target)] = route;
    }
    return table;
}

}  // namespace

void say(Output& out, Output& err, const std::string& file, const std::string& message) {
    out.flush();
    err.write("graph-query: " + (file == "-" ? "standard input" : file) + ": " + message + "\n");
    err.flush();
}

Session::Session(const Invocation& invocation, InputFile& input, Output& out, Output& err)
    : invocation_(invocation), input_(input), out_(out), err_(err) {}

bool Session::load(bool summary, bool listing) {
    std::istream& stream = *input_.stream();
    const bool directed = invocation_.directed;
    const auto keep = [&](const graph_internal::Triple* triples, std::size_t count) {
        listing_->add(triples, count);
    };
    if (listing) {
        listing_.emplace(directed);
    }
    if (summary && listing) {
        // One pass feeds both, for an input that cannot be read again.
        index_.emplace(
            [&](const QueryIndex::EdgeVisitor& add) {
                graph_internal::readEdgeList(
                    stream, invocation_.header, report_,
                    [&](const graph_internal::Triple* triples, std::size_t count) {
                        keep(triples, count);
                        for (std::size_t i = 0; i < count; ++i) {
                            add(triples[i].source, triples[i].target, triples[i].weight);
                        }
                    });
            },
            directed);
    } else if (summary) {
        index_.emplace(stream, directed, report_, invocation_.header);
    } else {
        graph_internal::readEdgeList(stream, invocation_.header, report_, keep);
    }
    if (index_) {
        for (const char name : index_->vertexNames()) {
            vertices_.set(nameSlot(name));
        }
    }
    return !readError(report_);
}

bool Session::readError(const LoadReport& report) {
    if (report.stop != LoadReport::Stop::inputError) {
        return false;
    }
    const int error = input_.readError();
    say(error == 0 ? "read error" : std::string("read error: ") + std::strerror(error));
    return true;
}

bool Session::forEachListedEdge(const std::function<void(char, char, int)>& visit) {
    if (!listing_) {
        std::istream* again = input_.readAgain();
        if (again == nullptr) {
            say("cannot read the input again for its listing");
            return false;
        }
        LoadReport report;
        listing_.emplace(invocation_.directed);
        graph_internal::readEdgeList(*again, invocation_.header, report,
                                     [&](const graph_internal::Triple* triples, std::size_t count) {
                                         listing_->add(triples, count);
                                     });
        if (readError(report)) {
            listing_.reset();
            return false;
        }
    }
    listing_->forEachListedEdge(visit);
    return true;
}

const RouteTable& Session::shortestRoutesFrom(char from) {
    std::unique_ptr<RouteTable>& routes = shortest_[nameSlot(from)];
    if (!routes) {
        routes = std::make_unique<RouteTable>(tableOf(index_->shortestRoutes(from)));
    }
    return *routes;
}

const RouteTable& Session::leastWeightRoutesFrom(char from) {
    std::unique_ptr<RouteTable>& routes = least_[nameSlot(from)];
    if (!routes) {
        routes = std::make_unique<RouteTable>(tableOf(index_->leastWeightRoutes(from)));
    }
    return *routes;
}

void Session::say(const std::string& message) {
    ::say(out_, err_, invocation_.file, message);
}
