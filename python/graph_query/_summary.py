"""Summary: graph-query's answers on one edge list, from its summary."""
from __future__ import annotations

from typing import Dict, List, NamedTuple, Optional, Tuple

from ._errors import NegativeCycleError, OrderError, Report, counted, quoted


def vertex_code(name, argument: str) -> int:
    """The byte that the one-character str `name` stands for, or ValueError
    naming `argument`."""
    if isinstance(name, str) and len(name) == 1 and ord(name) < 0x100:
        return ord(name)
    raise ValueError(f"{argument}: a vertex is one character below U+0100, not {name!r}")


def names_of(codes: bytes) -> str:
    """Bytes from _core as names: one character for each."""
    return codes.decode("latin-1")


class _Route(NamedTuple):
    """One target's answer of a search: the length (None when unreachable or
    behind a negative cycle), the path's names and the negative cycle's."""

    length: Optional[int]
    path: str
    cycle: str


class Summary:
    """What graph-query answers from, for one edge list: the names, each
    pair's steps and weights, and the in-degrees, O(V^2) whatever the number
    of edges. Made by graph_query.read, from_bytes, from_edges and from_parts,
    Part.summary() and graph_query.dask.read.

    Every query answers as graph-query does: every triple is an edge of its
    weight (-1 included), a name reaches itself, and distances are least total
    weights. With label_setting=True, as `graph-query -l` does: the library's
    rules (the first of parallel edges, names settled once, weight -1 entries
    never followed, the table's order). A name is a one-character str below
    U+0100 (ValueError otherwise); one the graph does not hold raises KeyError.
    `reports` says how reading each input went, by name; `report`, for one input.
    """

    def __init__(self, index, directed: bool, reports: Dict[object, Report]):
        self._index = index
        self._names = {False: names_of(index.names(False)), True: names_of(index.names(True))}
        self._routes: Dict[tuple, dict] = {}
        self.directed = directed
        # How reading each input went, by its name (a buffer's is None); `report`
        # for a summary of one input.
        self.reports = reports
        self.report = next(iter(reports.values())) if len(reports) == 1 else None

    def names(self, label_setting: bool = False) -> str:
        """Every name once: in the order first read, each edge's source before
        its target; with label_setting, in the table's order."""
        return self._names[bool(label_setting)]

    def distance(self, a: str, b: str, label_setting: bool = False) -> Optional[int]:
        """The least total weight of a path from a to b (0 from a to a), None
        when there is none; NegativeCycleError when a negative cycle reached from
        a reaches b. With label_setting, the library's label-setting search."""
        return self._route(a, b, label_setting).length

    def path(self, a: str, b: str, label_setting: bool = False) -> Optional[str]:
        """The names of a least-weight path from a to b with the fewest edges,
        as a str ("ACED"), None when b is unreachable; as distance()."""
        route = self._route(a, b, label_setting)
        return route.path if route.length is not None else None

    def distances(self, a: str, label_setting: bool = False) -> Dict[str, Optional[int]]:
        """distance(a, name) for every name, in names() order, from one search;
        NegativeCycleError for the first name a negative cycle leaves without one."""
        routes = self._routes_from(a, "a", label_setting)
        return {target: self._answer(a, target, routes[target]).length
                for target in self.names(label_setting)}

    def reachable(self, a: str, b: str, label_setting: bool = False) -> bool:
        """Whether a path leads from a to b, the empty one included, so that a
        reaches a. With label_setting, a path of one or more edges."""
        if label_setting:
            return self._index.reachable(self._code(a, "a"), self._code(b, "b"))
        routes = self._routes_from(a, "a", False)
        route = routes[self._name(b, "b")]
        return route.length is not None or bool(route.cycle)

    def topo(self, label_setting: bool = False) -> str:
        """Every name in a topological order (Kahn's), ties to the name first in
        names() order; OrderError when a cycle (or, with label_setting, an entry
        of weight -1) keeps some out."""
        order, kind, names = (names_of(part) if isinstance(part, bytes) else part
                              for part in self._index.topo(bool(label_setting)))
        if not kind:
            return order
        left_out = "".join(name for name in self.names(label_setting) if name not in order)
        raise OrderError(order, left_out, kind, names, self.directed)

    def components(self, label_setting: bool = False) -> List[str]:
        """The components, as graph-query's components: strongly connected when
        directed (each name reaches every other of its own), connected when not;
        each its names in names() order, the components by their first name."""
        return [names_of(names) for names in self._index.components(bool(label_setting))]

    def matrix(self, label_setting: bool = False) -> Tuple[str, "numpy.ndarray"]:
        """(names, cells): every distance, as graph-query's matrix, in a float64
        numpy array whose rows are the sources and columns the targets, both in
        the order of `names`: the least total weight, inf where unreachable,
        -inf where a negative cycle leaves none. With label_setting, the
        label-setting distances, names in the table's order."""
        names, cells = self._index.matrix(bool(label_setting))
        return names_of(names), cells

    def tree(self, label_setting: bool = False) -> List[Tuple[str, str, int]]:
        """A minimum spanning forest, as graph-query's tree: its edges (s, t, w)
        in the order taken, each from the name first in names() order; parallel
        edges at their least weight (with label_setting, the library's step
        weights), loops left out. ValueError for a directed summary."""
        if self.directed:
            raise ValueError("'tree' needs an undirected graph: read with directed=False")
        return [(chr(s), chr(t), w) for s, t, w in self._index.tree(bool(label_setting))]

    def to_networkx(self, label_setting: bool = False):
        """A networkx.DiGraph (directed) or Graph of the names in names() order,
        with one edge for each joined pair, weighing the least of its entries;
        with label_setting, what a step weighs by the library's rules (the first
        entry's weight), weight -1 entries left out."""
        import networkx

        graph = networkx.DiGraph() if self.directed else networkx.Graph()
        graph.add_nodes_from(self.names(label_setting))
        graph.add_weighted_edges_from(
            (chr(source), chr(target), weight)
            for source, target, weight in self._index.steps(bool(label_setting)))
        return graph

    def __repr__(self) -> str:
        names, report = self.names(), self.report
        edges = sum(report.edges_read for report in self.reports.values())
        read = (f"from {len(self.reports)} inputs" if report is None else "read to the end"
                if report.complete else f"stopped at {report.line}:{report.column}")
        return (f"<graph_query.Summary of {counted(len(names), 'name')} {quoted(names)}, "
                f"{counted(edges, 'edge')} read, {read}>")

    # The one way from arguments to codes, and from routes to answers.

    def _code(self, name, argument: str) -> int:
        code = vertex_code(name, argument)
        if name not in self._names[False]:
            raise KeyError(f"no vertex {quoted(name)} in the graph")
        return code

    def _name(self, name, argument: str) -> str:
        self._code(name, argument)
        return name

    def _routes_from(self, a, argument: str, label_setting: bool) -> dict:
        """The routes of one search from a, by target, kept for later queries."""
        key = (self._code(a, argument), bool(label_setting))
        if key not in self._routes:
            self._routes[key] = {
                chr(target): _Route(length, names_of(path), names_of(cycle))
                for target, length, path, cycle in self._index.routes(*key)}
        return self._routes[key]

    def _route(self, a, b, label_setting: bool) -> _Route:
        routes = self._routes_from(a, "a", label_setting)
        return self._answer(a, b, routes[self._name(b, "b")])

    @staticmethod
    def _answer(source: str, target: str, route: _Route) -> _Route:
        if route.cycle:
            raise NegativeCycleError(source, target, route.cycle)
        return route
