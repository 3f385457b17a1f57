"""Part: the summary of one block of an edge list, merged in order with the
blocks after it into the summary of the whole; and Summary of several inputs."""
from __future__ import annotations

import os
from typing import Iterable, NamedTuple, Optional

from . import _core
from ._errors import Report, counted
from ._summary import Summary


class Start(NamedTuple):
    """Where a part's bytes stand in its input and how reading them begins: at
    byte `offset`, in column `column` of a line counted as line 1, with the two
    header records first when `header`."""

    offset: int = 0
    column: int = 1
    header: bool = False

    @classmethod
    def line_start(cls, offset: int, header: bool = True) -> Start:
        """The start of a block cut right after a line feed, or at 0, of an input
        that begins with the header records when `header`."""
        return cls(offset, 1, offset == 0 and bool(header))


def _fields(start: Start) -> tuple:
    """(offset, column, header) of `start`; ValueError for a place that no
    input has, which the binding would take for a TypeError or its own error."""
    offset, column, header = start
    if offset < 0 or column < 1:
        raise ValueError(f"start: an offset of 0 or more and a column of 1 or more, not {start!r}")
    return offset, column, bool(header)


class Part:
    """The summary of one block of an edge list, O(V^2) bytes whatever the
    block's size, read as if a triple (at the input's start, the header) began
    at its start. `merge` takes, in order, the part that begins where this one
    goes on (`resume`), so that the merge of an input's consecutive blocks, cut
    right after line feeds, is the summary and report of the input read whole.
    A part that ran out of bytes inside a triple goes on where that triple
    began: the next block was then read from the wrong item, and is read again
    from `resume` through its end. Pickles by its byte form, never the block.
    """

    def __init__(self, buffer, directed: bool = False, start: Start = Start(0, 1, True)):
        """Summarizes the bytes of any buffer (bytes, bytearray, memoryview,
        mmap, ...), read where they lie without the GIL, standing at `start` of
        the input; ValueError for a start at a negative offset or in column 0."""
        offset, column, header = _fields(start)
        self._part = _core.read_part(buffer, offset, column, bool(header), bool(directed))

    @classmethod
    def from_file(cls, file, directed: bool = False, start: Start = Start(0, 1, True),
                  end: Optional[int] = None) -> Part:
        """Summarizes the bytes of a file from `start.offset` up to `end` (None:
        its end), a block at a time without the GIL: `file` a path, or a binary
        file object open for reading with seek() and readinto() (any fsspec
        file). OSError when it cannot be opened or read."""
        offset, column, header = _fields(start)
        if end is not None and end < 0:
            raise ValueError(f"end: an offset of 0 or more, or None, not {end!r}")
        end = 2**64 - 1 if end is None else end
        if hasattr(file, "readinto"):
            failures = []
            part = _core.read_reader_part(_read_into(file, failures), offset, column,
                                          bool(header), end, bool(directed))
            if failures:
                raise failures[0]
            return cls._of(part)
        name = os.fspath(file)
        part, error = _core.read_file_part(os.fsencode(name), offset, column, bool(header), end,
                                           bool(directed))
        if error:
            raise OSError(error, os.strerror(error), name)
        return cls._of(part)

    @classmethod
    def from_bytes(cls, form: bytes) -> Part:
        """The part whose byte form (to_bytes()) `form` is; ValueError for bytes
        that are not one."""
        return cls._of(_core.Part.from_bytes(form))

    @classmethod
    def _of(cls, core) -> Part:
        part = cls.__new__(cls)
        part._part = core
        return part

    def to_bytes(self) -> bytes:
        """The versioned byte form, O(V^2) bytes, that from_bytes reads back on
        any machine."""
        return self._part.to_bytes()

    def __reduce__(self):
        return Part.from_bytes, (self.to_bytes(),)

    def merge(self, later: Part) -> None:
        """Takes `later`, the part that begins at `resume`, as if read right after
        this one; nothing when reading this part stopped (`resume` is None).
        ValueError, changing nothing, for a part that begins elsewhere (read it
        again from `resume`) or of another `directed`. Any tree of merges of
        consecutive parts gives what merging them one by one gives."""
        self._part.merge(later._part)

    @property
    def start(self) -> Start:
        return Start(*self._part.start())

    @property
    def end(self) -> int:
        """The offset after the part's last byte."""
        return self._part.end()

    @property
    def resume(self) -> Optional[Start]:
        """Where the next part must begin; None when reading stopped (a weight
        that is not a number, ...), after which no later part counts."""
        resume = self._part.resume()
        return None if resume is None else Start(*resume)

    @property
    def directed(self) -> bool:
        return self._part.directed()

    @property
    def report(self) -> Report:
        """How reading the part went; for the merge of an input's parts from its
        first, the report of reading the input whole."""
        return Report._of(self._part.report())

    def summary(self) -> Summary:
        """The Summary of the table the part's bytes build."""
        return from_parts([self], [None])

    def __repr__(self) -> str:
        return (f"<graph_query.Part of bytes {self.start.offset} to {self.end}, "
                f"{counted(self.report.edges_read, 'edge')} read, resume {tuple(self.resume or ()) or None}>")


def _read_into(file, failures: list):
    """read_into(offset, view) for _core: fills `view` from `offset` of `file`
    but at its end; -1 after a failure, kept in `failures`."""
    def read_into(offset: int, view: memoryview) -> int:
        try:
            file.seek(offset)
            got = 0
            while got < len(view) and (more := file.readinto(view[got:])):
                got += more
            return got
        except BaseException as error:  # raised to the caller once reading is over
            failures.append(error)
            return -1
    return read_into


def from_parts(inputs: Iterable[Part], names: Optional[Iterable] = None) -> Summary:
    """The Summary of several inputs read one after the other into one table,
    each the merge of its own parts from its first through its last: the union
    of their edges in order. Each input is read from its own start, so a stop
    in one ends only its own reading; `reports` maps each input's name (from
    `names`, else its place) to its report. ValueError when the inputs differ
    in `directed`."""
    inputs = list(inputs)
    names = list(range(len(inputs)) if names is None else names)
    if len(names) != len(inputs):
        raise ValueError("from_parts: a name for each input, or none")
    index = _core.index_of_inputs([part._part for part in inputs])
    directed = bool(inputs) and inputs[0].directed
    return Summary(index, directed, {name: part.report for name, part in zip(names, inputs)})
