#include "queries/appearance_order.h"

std::string Graph::vertexNames() const {
    return graph_internal::AppearanceOrder::of(*this).names();
}
