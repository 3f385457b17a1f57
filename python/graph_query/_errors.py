"""How reading went, and the exceptions graph_query raises."""
from __future__ import annotations

from dataclasses import dataclass
from typing import NamedTuple, Optional

from . import _core


class Position(NamedTuple):
    """A place in an edge list: a byte offset from 0, line and byte column from 1."""

    offset: int
    line: int
    column: int


def quoted(text: str) -> str:
    """`text` between single quotes as graph-query writes it: characters outside
    printable ASCII, the backslash and the quote as \\xHH; at most 40 of them."""
    return _core.quoted(text.encode("latin-1"))


def counted(count: int, noun: str) -> str:
    """`count` and `noun`, plural but for one: "1 edge", "3 edges"."""
    return f"{count} {noun}{'' if count == 1 else 's'}"


@dataclass(frozen=True)
class Report:
    """How reading an edge list went: the fields of the library's LoadReport.

    `stop` is why reading ended: 'end_of_input' (every item was read),
    'end_in_header', 'end_in_triple', 'not_a_number', 'out_of_range' or
    'input_error'; `stopped_at` where (`line` and `column` for short), and
    `found` what was read of the item that could not be. `joined_at` is the
    first weight followed directly by a byte other than whitespace ("1.25"),
    that byte being `joined_byte`; `multi_byte_name_at` the first name byte of
    0x80 or above followed by another, as in UTF-8 text. Bytes are str of
    code points below 256.
    """

    edges_read: int = 0
    stop: str = "end_of_input"
    in_header: bool = False
    stopped_at: Position = Position(0, 1, 1)
    found: str = ""
    joined_at: Optional[Position] = None
    joined_byte: Optional[str] = None
    multi_byte_name_at: Optional[Position] = None
    multi_byte_name_bytes: Optional[str] = None
    fingerprint: int = 0

    @classmethod
    def _of(cls, fields: dict) -> Report:
        """The report of the fields _core gives."""
        fields = {
            key: Position(*value) if key.endswith("_at") else
            value.decode("latin-1") if isinstance(value, bytes) else value
            for key, value in fields.items()
        }
        return cls(**fields)

    @property
    def complete(self) -> bool:
        """Whether the whole input was read."""
        return self.stop == "end_of_input"

    @property
    def joined_weight(self) -> bool:
        """Whether a weight ran into the next item."""
        return self.joined_at is not None

    @property
    def as_written(self) -> bool:
        """Whether the whole input was read, and read as written: what strict
        reading asks of it."""
        return self.complete and not self.joined_weight

    @property
    def line(self) -> int:
        return self.stopped_at.line

    @property
    def column(self) -> int:
        return self.stopped_at.column

    @property
    def reason(self) -> str:
        """Why reading stopped, in graph-query's words: "a weight is not a
        number (found 'x')"."""
        return _core.describe_stop(self.stop, self.in_header, self.found.encode("latin-1"))


class EdgeListError(ValueError):
    """An edge list not read whole and as written: reading stopped before its
    end, or a weight ran into the next item ("1.25" reads as 1, then ".").

    `line` and `column` say where, `reason` why (graph-query's words),
    `edges_read` how many triples were read, `report` all of it, and
    `filename` names the file, or is None for a buffer.
    """

    def __init__(self, report: Report, filename: Optional[str]):
        self.report = report
        self.filename = filename
        self.edges_read = report.edges_read
        if not report.complete:
            self.line, self.column, self.reason = report.line, report.column, report.reason
            detail = f"reading stopped: {self.reason}; {counted(report.edges_read, 'edge')} read before it"
        else:
            self.line, self.column = report.joined_at.line, report.joined_at.column
            self.reason = _core.describe_joined_weight(report.joined_byte.encode("latin-1"))
            detail = self.reason
        where = f"{filename}:" if filename is not None else ""
        super().__init__(f"{where}{self.line}:{self.column}: {detail}")


class NegativeCycleError(ValueError):
    """No least total weight: a negative cycle lies on a path between the two
    names. `cycle` is its names in order, the first repeated at the end ("ABCA")."""

    def __init__(self, source: str, target: str, cycle: str):
        self.source, self.target, self.cycle = source, target, cycle
        super().__init__(
            f"no least total weight from {source!r} to {target!r}: "
            f"negative cycle {' '.join(cycle)}"
        )


class OrderError(ValueError):
    """No topological order holds every name. `order` is the order of those it
    holds, `left_out` the others, and what keeps them out is `cycle` (its names,
    the first repeated at the end) or, by the library's rules only, `edge`: an
    entry of weight -1 into a left-out name, never released (its two names)."""

    def __init__(self, order: str, left_out: str, kind: str, names: str, directed: bool):
        self.order, self.left_out = order, left_out
        self.cycle = names if kind == "cycle" else None
        self.edge = names if kind == "edge" else None
        what = f"cycle {' '.join(names)}" if self.cycle else f"edge {' '.join(names)} -1"
        hint = "" if directed else (" (an undirected edge is a cycle of two: read with "
                                    "directed=True)")
        super().__init__(f"left out of the order: {' '.join(left_out)}; {what}{hint}")
