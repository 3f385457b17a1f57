# Every answer through Python, the analyses among them, against graph-query's
# on the same bytes, and to_networkx() against networkx's own algorithms.
import random

import networkx as nx
import pytest

import graph_query as gq
from edge_list_texts import graph_query, random_text


spaced = " ".join


def length_text(distance):
    try:
        length = distance()
    except gq.NegativeCycleError as error:
        return "negative cycle " + spaced(error.cycle)
    return "unreachable" if length is None else str(length)


# The lines graph-query prints for `command`, made of Python's answers.
def answer(g, command, ls):
    name, *args = command.split(" ")
    text = length_text(lambda: g.distance(*args, label_setting=ls)) if len(args) == 2 else ""
    if name == "distance":
        return [text]
    if name == "path":
        path = None if text.startswith("negative") else g.path(*args, label_setting=ls)
        return [text] if path is None else [spaced(path), text]
    if name == "reachable":
        return ["yes" if g.reachable(*args, label_setting=ls) else "no"]
    if name == "distances":
        lines = [f"{n} {length_text(lambda: g.distance(*args, n, label_setting=ls))}"
                 for n in g.names(ls)]
        try:
            assert lines == [f"{n} {'unreachable' if d is None else d}"
                             for n, d in g.distances(*args, label_setting=ls).items()]
        except gq.NegativeCycleError as error:
            assert f"negative cycle {spaced(error.cycle)}" in lines[g.names(ls).index(error.target)]
        return lines
    if name == "components":
        return [spaced(names) for names in g.components(ls)]
    if name == "matrix":
        names, cells = g.matrix(ls)
        cell = lambda c: str(c) if abs(c) == float("inf") else str(int(c))
        return ["\t" + "\t".join(names)] + ["\t".join([n, *map(cell, row)])
                                            for n, row in zip(names, cells)]
    if name == "tree":
        edges = g.tree(ls)
        return [f"({s},{t},{w})" for s, t, w in edges] + [f"total {sum(w for *_, w in edges)}"]
    try:
        return [spaced(g.topo(ls))]
    except gq.OrderError as error:
        return [spaced(error.order), spaced(error.left_out),
                f"cycle {spaced(error.cycle)}" if error.cycle else f"edge {spaced(error.edge)} -1"]


@pytest.mark.parametrize("seed", range(16))
def test_answers_are_graph_querys(tmp_path, seed):
    path = tmp_path / "edges.txt"
    path.write_bytes(random_text(seed, dag=seed % 4 == 3))
    names, rng = gq.read(path).names(), random.Random(seed)
    pairs = {(rng.choice(names), rng.choice(names)) for _ in range(40)} | {(names[0], names[0])}
    sources = rng.sample(names, min(len(names), 4))
    commands = ["topo", "components", "matrix"] + [f"distances {a}" for a in sources] + sorted(
        {f"{c} {a} {b}" for a, b in pairs for c in ("distance", "path", "reachable")})
    for directed in (False, True):
        g, asked = gq.read(path, directed=directed), commands + ["tree"] * (not directed)
        for ls in (False, True):
            options = ["-d"] * directed + ["-l"] * ls
            expected = graph_query(path, asked, *options)
            assert {c: answer(g, c, ls) for c in asked} == expected, options
        check_networkx(g, sources)
    pytest.raises(ValueError, g.tree).match("needs an undirected graph")


def check_networkx(g, sources):
    graph = g.to_networkx()
    assert list(graph.nodes) == list(g.names())
    if not nx.negative_edge_cycle(graph):
        for a in sources:
            least = nx.single_source_bellman_ford_path_length(graph, a)
            assert g.distances(a) == {n: least.get(n) for n in g.names()}
    else:  # a name on a negative cycle: a probe's start reaches every name
        probe = graph.to_directed()
        probe.add_weighted_edges_from((("start",), n, 0) for n in graph)
        on_cycle = nx.find_negative_cycle(probe, ("start",))[0]
        cycle = pytest.raises(gq.NegativeCycleError, g.distance, on_cycle, on_cycle).value.cycle
        assert cycle[0] == cycle[-1] and nx.path_weight(graph, cycle, "weight") < 0
    steps = g.to_networkx(label_setting=True)
    loopless = nx.restricted_view(steps, [], list(nx.selfloop_edges(steps)))
    for a in sources:
        assert {n for n in g.names() if g.reachable(a, n)} == nx.descendants(graph, a) | {a}
        after = set(steps[a]).union(*(nx.descendants(steps, n) for n in steps[a]))
        assert {n for n in g.names() if g.reachable(a, n, label_setting=True)} == after
        if all(w >= 0 for *_, w in loopless.edges(data="weight")):  # the library's is Dijkstra's
            nearest = nx.single_source_dijkstra_path_length(loopless, a)
            assert {n: d for n, d in g.distances(a, True).items() if n != a} == {
                n: nearest.get(n) for n in g.names() if n != a}
    if g.directed and nx.is_directed_acyclic_graph(graph):
        order = g.topo()
        assert sorted(order) == sorted(graph) and all(
            order.index(u) < order.index(v) for u, v in graph.edges)
    elif g.directed:
        cycle = pytest.raises(gq.OrderError, g.topo).value.cycle
        assert cycle[0] == cycle[-1] and all(graph.has_edge(u, v) for u, v in zip(cycle, cycle[1:]))
