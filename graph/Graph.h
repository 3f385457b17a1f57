// The one include for the whole library: a weighted graph over
// single-character vertex names, loaded from edge-list text.
//
//   graph/weighted_graph.h  Edge and Graph: the table, its loaders, its
//                           listing and its queries
//   graph/edge_list.h       reading edge lists: LoadReport, readEdgeList
//   graph/routes.h          what the queries answer with: Route, TopoObstacle
//   graph/query_index.h     QueryIndex: queries from a summary of a table
//   graph/part_summary.h    PartSummary: a block's summary, merged in order,
//                           and its byte form
//   graph/edge_listing.h    EdgeListing: a listing without the table
//   graph/fast_path.h       the reader's fast-path kernel: which one reads,
//                           and what is wrong with GRAPH_FAST_PATH
#ifndef GRAPH_GRAPH_H_
#define GRAPH_GRAPH_H_

#include "graph/edge_list.h"
#include "graph/edge_listing.h"
#include "graph/fast_path.h"
#include "graph/part_summary.h"
#include "graph/query_index.h"
#include "graph/routes.h"
#include "graph/weighted_graph.h"

#endif  // GRAPH_GRAPH_H_
