"""graph_query.dask: the Summary of edge lists read in blocks on a Dask cluster.

    >>> import distributed, graph_query.dask
    >>> client = distributed.Client("tcp://scheduler:8786")
    >>> g = graph_query.dask.read("s3://bucket/edges-*.txt", directed=True)

Each file is cut into blocks as dask.bytes.read_bytes(urlpath, delimiter=b"\\n",
blocksize=...) cuts it, and each block is summarized on a worker, where it is
read: only part summaries travel, O(V^2) bytes each, never a block. A block
read from the wrong item, because the one before ended inside a triple, is
read again from where that one goes on; the parts of each file then merge on
the cluster in a tree, and the client takes one summary per file.
"""
from __future__ import annotations

import contextlib
import copy
import operator
import os
from typing import List, NamedTuple

import distributed
import fsspec.core
import fsspec.utils
from dask.utils import parse_bytes
from fsspec.implementations.local import LocalFileSystem

from .. import EdgeListError, Part, Start, Summary, from_parts

__all__ = ["read"]


def read(urlpath, directed: bool = False, header: bool = True, blocksize="128 MiB",
         client=None, strict: bool = False) -> Summary:
    """Reads the edge lists at `urlpath` on the Dask cluster of `client` (None:
    the running one, distributed.get_client()): one path, a glob (its files in
    order of name) or a list of paths, on any filesystem fsspec reaches. Each
    file is an edge list of its own, read as graph_query.read() reads it
    (undirected unless `directed`, with the two header records unless not
    `header`), and the graph is the union of their edges, in order.

    `reports` of the Summary says how reading each file went, by name: the path
    as given, or as the glob found it. OSError naming the file when one cannot
    be opened or read; with `strict`, EdgeListError for the first file not
    read whole and as written.
    """
    client = client or distributed.get_client()
    files = list_files(urlpath, blocksize)
    summary = from_parts(summarize(files, client, directed, header), files.names)
    for name, report in summary.reports.items():
        if strict and not report.as_written:
            raise EdgeListError(report, name)
    return summary


class Files(NamedTuple):
    """The files a urlpath names, and their blocks as read_bytes cuts them."""

    fs: fsspec.AbstractFileSystem
    paths: List[str]
    names: List[str]  # as messages name them
    sizes: List[int]
    blocks: List[List[tuple]]  # (offset, length) of each file's blocks


def list_files(urlpath, blocksize) -> Files:
    """The files of `urlpath` (a path, a glob, or a list of paths, each a str or
    an os.PathLike), each with its size and blocks; OSError naming the file
    that cannot be found, ValueError for no paths or a `blocksize` that cannot
    be meant (block_bytes)."""
    size = block_bytes(blocksize)
    one = isinstance(urlpath, (str, os.PathLike))
    given = [os.fspath(path) for path in ([urlpath] if one else urlpath)]
    if not given:
        raise ValueError("urlpath: no paths given")
    fs, _, paths = fsspec.core.get_fs_token_paths(given[0] if one else given, mode="rb")
    if len(given) == len(paths) and not any(map(fsspec.core.has_magic, given)):
        names = given
    else:  # as found, relative to here for a relative local glob
        relative = not os.path.isabs(given[0]) and "://" not in given[0]
        names = [(os.path.relpath(path) if relative else path)
                 if isinstance(fs, LocalFileSystem) else fs.unstrip_protocol(path)
                 for path in paths]
    if not paths:
        raise FileNotFoundError(2, os.strerror(2), given[0])
    sizes = []
    for path, name in zip(paths, names):
        try:
            sizes.append(fs.info(path)["size"])
        except OSError as error:
            raise _named(error, name) from error
    return Files(fs, paths, names, sizes, [_blocks(total, size) for total in sizes])


def block_bytes(blocksize) -> int:
    """`blocksize` in bytes: a whole number, or a str such as "64 MiB" as
    dask.utils.parse_bytes reads it; ValueError for anything else, and for a
    size below one byte."""
    try:
        if isinstance(blocksize, str) and not any(c.isdigit() for c in blocksize):
            raise ValueError  # parse_bytes takes "" and "kB" for 1 and 1000 bytes
        size = parse_bytes(blocksize) if isinstance(blocksize, str) else operator.index(blocksize)
    except (TypeError, ValueError):
        raise ValueError(f"blocksize: {blocksize!r} is not a size such as '64 MiB'") from None
    if size < 1:
        raise ValueError(f"blocksize: {blocksize!r} is less than one byte")
    return size


def _blocks(size: int, blocksize: int) -> List[tuple]:
    """(offset, length) of each block of a file of `size` bytes, exactly as
    dask.bytes.read_bytes places them: equal shares of about `blocksize`."""
    if size == 0:
        return []
    share = size / (size // blocksize) if size % blocksize and size > blocksize else blocksize
    offsets, place = [0], 0
    while size - place > share * 2 - 1:
        place += share
        offsets.append(int(place))
    return list(zip(offsets, [b - a for a, b in zip(offsets, offsets[1:] + [size])]))


def summarize(files: Files, client, directed: bool, header: bool) -> List[Part]:
    """One Part per file, the merge of its blocks' parts made on the cluster."""
    submit = lambda *args: client.submit(*args, pure=False)
    parts = [[submit(_block_part, files.fs, path, name, size, offset, length, directed, header)
              for offset, length in blocks]
             for path, name, size, blocks in zip(files.paths, files.names, files.sizes,
                                                 files.blocks)]
    seams = client.gather([[submit(_seam, part) for part in file] for file in parts])
    wholes = []
    for path, name, file, bounds in zip(files.paths, files.names, parts, seams):
        if not file:  # an empty file
            wholes.append(Part(b"", directed, Start.line_start(0, header)))
            continue
        resume, kept = bounds[0][1], file[:1]
        for part, (start, later_resume, end) in zip(file[1:], bounds[1:]):
            if resume is None:
                break  # reading stopped: no later part counts
            if start != resume:  # begun inside a triple: read again where it is
                part = submit(_reread_part, files.fs, path, name, resume, end, directed)
                _, later_resume, _ = submit(_seam, part).result()
            resume = later_resume
            kept.append(part)
        while len(kept) > 1:
            kept = [submit(_merged, *kept[i:i + 2]) if i + 1 < len(kept) else kept[i]
                    for i in range(0, len(kept), 2)]
        wholes.append(kept[0])
    return client.gather(wholes)


def _named(error: OSError, name: str) -> OSError:
    """`error` naming the file as messages name it."""
    return OSError(error.errno or 0, error.strerror or str(error), name)


@contextlib.contextmanager
def _opened(fs, path: str, name: str):
    try:
        with fs.open(path, "rb") as file:
            yield file
    except OSError as error:
        raise _named(error, name) from error


# The tasks, run on the workers.

def _block_part(fs, path, name, size, offset, length, directed, header) -> Part:
    """The part of the block that read_block(file, offset, length, b"\\n") cuts:
    from the first line start at or after `offset` (0 itself) to the first
    after `offset + length` (or the end), found as read_block finds them; its
    bytes are read a piece at a time, never held whole. The file is read as it
    was listed, `size` bytes: what was appended since is not read, and a file
    that has lost bytes since is an error, never a shorter answer."""
    with _opened(fs, path, name) as file:
        file.seek(offset)
        fsspec.utils.seek_delimiter(file, b"\n", 2**16)
        start = file.tell()
        file.seek(offset + length)
        fsspec.utils.seek_delimiter(file, b"\n", 2**16)
        end = min(file.tell(), size)
        part = Part.from_file(file, directed, Start.line_start(start, header), end)
    if part.end != end or start > end:
        raise OSError(0, "the input changed while it was read", name)
    return part


def _reread_part(fs, path, name, start: Start, end: int, directed) -> Part:
    """The part of the bytes from `start` up to `end`."""
    with _opened(fs, path, name) as file:
        return Part.from_file(file, directed, start, end)


def _seam(part: Part) -> tuple:
    """(start, resume, end): what the client checks, without the summary."""
    return part.start, part.resume, part.end


def _merged(earlier: Part, later: Part) -> Part:
    """A new part, the merge of two consecutive ones: a task's arguments are
    never changed, since Dask may hand them to others or keep them."""
    whole = copy.copy(earlier)
    whole.merge(later)
    return whole
