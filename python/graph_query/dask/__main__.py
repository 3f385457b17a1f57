"""python3 -m graph_query.dask: graph-query's answers, the edge lists read on a
Dask cluster. The answers, messages and exit statuses are graph-query's own,
made by its C++ code from the summary the cluster reads."""
from __future__ import annotations

import contextlib
import os
import sys

import distributed

from .. import _core
from . import block_bytes, list_files, summarize

PREFACE = """\
Usage: python3 -m graph_query.dask [--scheduler=ADDRESS] [--blocksize=SIZE]
           [OPTION]... URLPATH COMMAND [ARGS]
Answer as graph-query does, reading URLPATH (a path, or a glob of several edge
lists, on any filesystem fsspec reaches) in blocks of SIZE (default 128 MiB) on
the Dask cluster whose scheduler is at ADDRESS, or on a local cluster of its
own. Commands that print every edge (list, dot) cannot be answered; -j is not
used. What follows is graph-query's usage.

"""

def own_options(args):
    """(scheduler, blocksize, graph-query's arguments): this program's own
    options taken out of `args`, before any '--'; ValueError saying which one
    is wrong."""
    options, rest, words = {"--scheduler": None, "--blocksize": "128 MiB"}, [], iter(args)
    for word in words:
        name, equals, value = word.partition("=")
        if name in options and "--" not in rest:
            options[name] = value if equals else next(words, "")
        else:
            rest.append(word)
    if options["--scheduler"] == "":
        raise ValueError("--scheduler needs an ADDRESS")
    try:
        block_bytes(options["--blocksize"])
    except ValueError as error:
        raise ValueError(f"--{error}") from None
    return options["--scheduler"], options["--blocksize"], rest


@contextlib.contextmanager
def cluster_client(address):
    """A client of the scheduler at `address`, or of a cluster on this machine
    alone, stopped on leaving."""
    if address:
        with distributed.Client(address) as client:
            yield client
        return
    with distributed.LocalCluster(host="127.0.0.1", dashboard_address=None) as cluster, \
            distributed.Client(cluster) as client:
        yield client


def reader(scheduler, blocksize):
    """The reader graph-query's code calls once it has checked the command
    line: ([(name, part, start bytes, whether they are all), ...], None), or
    (None, (name, cannot be opened, reason)) for a file that cannot be read."""
    def read(file: bytes, directed: bool, header: bool):
        urlpath = os.fsdecode(file)
        try:
            files = list_files(urlpath, blocksize)
            starts = [files.fs.cat_file(path, 0, _core.START_BYTES) for path in files.paths]
        except OSError as error:
            return None, (error.filename or urlpath, True, _reason(error))
        try:
            with cluster_client(scheduler) as client:
                parts = summarize(files, client, directed, header)
        except OSError as error:
            return None, (error.filename or urlpath, False, _reason(error))
        return [(name, part._part, start, size <= _core.START_BYTES) for name, part, start, size
                in zip(files.names, parts, starts, files.sizes)], None
    return read


def _reason(error: OSError) -> str:
    return os.strerror(error.errno) if error.errno else error.strerror or str(error)


def main(args=None) -> int:
    try:
        scheduler, blocksize, rest = own_options(sys.argv[1:] if args is None else args)
    except ValueError as error:  # graph-query's form of a usage error, status 2
        print(f"graph-query: {error}\nTry 'python3 -m graph_query.dask --help' for more "
              "information.", file=sys.stderr)
        return 2
    sys.stdout.flush()
    return _core.answer_over([os.fsencode(word) for word in rest],
                             reader(scheduler, blocksize), PREFACE)


if __name__ == "__main__":
    sys.exit(main())
