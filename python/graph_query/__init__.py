"""graph_query: graph-query's answers from Python.

Reads an edge list (a file, any buffer, or an iterable of triples) into a
Summary of its graph, whose size does not grow with the number of edges, and
answers from it as the shell tool graph-query does::

    >>> import graph_query
    >>> g = graph_query.read("data/test1.txt")
    >>> g.distance("A", "D"), g.path("A", "D")
    (17, 'ACED')

Vertex names are one-character str below U+0100: every byte value is a name
(latin-1). Reading releases the GIL, so threads read different inputs at once.
A Part summarizes one block of an edge list, to be merged in order with the
next; graph_query.dask reads edge lists block by block on a Dask cluster.
"""
from __future__ import annotations

import operator
import os
from array import array
from typing import Iterable, Optional

from . import _core
from ._errors import EdgeListError, NegativeCycleError, OrderError, Position, Report
from ._part import Part, Start, from_parts
from ._summary import Summary, vertex_code

__all__ = ["read", "from_bytes", "from_edges", "from_parts", "Summary", "Part", "Start",
           "Report", "Position", "EdgeListError", "NegativeCycleError", "OrderError"]
for _public in (Summary, Part, Start, Report, Position, EdgeListError, NegativeCycleError,
                OrderError):
    _public.__module__ = __name__  # as users name them: graph_query.EdgeListError


def read(path, directed: bool = False, header: bool = True, jobs: Optional[int] = None,
         strict: bool = True) -> Summary:
    """Reads the edge-list file at `path` (str, bytes or os.PathLike), as
    graph-query reads FILE: undirected unless `directed`, starting with the two
    header records unless not `header`. A regular file is read as it is when
    reading begins, in `jobs` parts at once (None: one per processor this
    process may run on); anything else as a stream.

    Raises OSError (errno, filename) when the file cannot be opened or read,
    and EdgeListError when it was not read whole and as written, unless not
    `strict`: then the summary of what was read is returned, its `report`
    saying how reading went.
    """
    name = os.fspath(path)
    reading = _core.read_file(os.fsencode(name), bool(directed), bool(header), _jobs(jobs))
    return _summary(reading, directed, strict, name)


def from_bytes(buffer, directed: bool = False, header: bool = True, strict: bool = True,
               jobs: Optional[int] = 1) -> Summary:
    """Reads an edge list from any object that exports a contiguous buffer
    (bytes, bytearray, memoryview, mmap, ...), as read() reads a file, without
    copying it: with one job (the default) parsed where it lies, with more (None:
    one per processor) in `jobs` parts at once, each taken a block at a time.
    The buffer cannot be resized while it is read. Raises as read() does."""
    return _summary(_core.read_buffer(buffer, bool(directed), bool(header), _jobs(jobs)),
                    directed, strict, None)


def from_edges(edges: Iterable, directed: bool = False) -> Summary:
    """The summary of a graph of the triples (source, target, weight) of
    `edges`, added in order as the library's addEdge adds them: names are
    one-character str below U+0100 (whitespace too), weights C ints."""
    sources, targets, weights = bytearray(), bytearray(), array("i")
    for number, edge in enumerate(edges):
        try:
            source, target, weight = edge
        except (TypeError, ValueError):
            raise ValueError(f"edges[{number}]: an edge is (source, target, weight), "
                             f"not {edge!r}") from None
        sources.append(vertex_code(source, f"edges[{number}][0]"))
        targets.append(vertex_code(target, f"edges[{number}][1]"))
        try:
            weights.append(operator.index(weight))
        except (TypeError, OverflowError):
            raise ValueError(f"edges[{number}][2]: a weight is an int from -2**31 to "
                             f"2**31 - 1, not {weight!r}") from None
    index = _core.read_triples(bytes(sources), bytes(targets), weights, bool(directed))
    return Summary(index, bool(directed), {None: Report(edges_read=len(weights))})


def _jobs(jobs: Optional[int]) -> int:
    if jobs is None:
        return len(os.sched_getaffinity(0))
    if isinstance(jobs, bool) or not isinstance(jobs, int) or jobs < 1:
        raise ValueError(f"jobs: a number of parts, 1 or more, or None, not {jobs!r}")
    return jobs


def _summary(reading: tuple, directed: bool, strict: bool, filename: Optional[str]) -> Summary:
    """The summary of a reading by _core, or the exception it calls for: the
    one place that turns how reading went into errors."""
    index, fields, error = reading
    if error:
        raise OSError(error, os.strerror(error), filename)
    report = Report._of(fields)
    if strict and not report.as_written:
        raise EdgeListError(report, filename)
    return Summary(index, bool(directed), {filename: report})
