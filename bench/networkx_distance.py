#!/usr/bin/env python3
"""networkx_distance.py [--directed] FILE A B: the networkx peer of
`graph-query [--directed] FILE distance A B` in tool_bench.sh.

Reads the edge-list format with a plain loop over the file's words (two header
records, then "source target weight" triples, each item a word of its own as in
the generated file) into a networkx.DiGraph, or a networkx.Graph unless
--directed, and prints nx.dijkstra_path_length from A to B, or "unreachable".
Of parallel edges it keeps the first, as graph-query weighs a step by the first
entry; with weights of 0 or more the answers therefore agree, although only the
time is compared.
"""
import os
import sys

import networkx as nx


def main(argv):
    directed = len(argv) > 1 and argv[1] == "--directed"
    args = [os.fsencode(arg) for arg in argv[1 + directed:]]  # the bytes given
    if len(args) != 3 or len(args[1]) != 1 or len(args[2]) != 1:
        print("usage: networkx_distance.py [--directed] FILE A B", file=sys.stderr)
        return 2
    path, source, target = args
    with open(path, "rb") as file:  # bytes split at the C locale's whitespace
        items = iter(file.read().split()[4:])
    graph = nx.DiGraph() if directed else nx.Graph()
    for u, v, weight in zip(items, items, items):
        if not graph.has_edge(u, v):
            graph.add_edge(u, v, weight=int(weight))
    try:
        print(nx.dijkstra_path_length(graph, source, target))
    except (nx.NetworkXNoPath, nx.NodeNotFound):
        print("unreachable")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
