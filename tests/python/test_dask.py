# graph_query.dask and its command line on a cluster of two worker processes
# on this machine, against graph-query on the same files. Marked `cluster`,
# for runs that cannot start worker processes.
import concurrent.futures
import os
import pathlib
import signal
import subprocess
import sys
import time

import numpy as np
import pytest

import graph_query as gq
from edge_list_texts import run_commands
from test_reading import summary_of

distributed, fsspec = pytest.importorskip("distributed"), pytest.importorskip("fsspec")
import graph_query.dask as gqd  # noqa: E402

pytestmark = pytest.mark.cluster
COMMANDS = ["check", "distances A", "path A ~", "reachable ~ A", "topo", "components", "matrix",
            "tree"]


@pytest.fixture(scope="module")
def client():
    with distributed.LocalCluster(n_workers=2, threads_per_worker=1, processes=True,
                                  host="127.0.0.1", dashboard_address=None) as cluster:
        with distributed.Client(cluster) as client:
            yield client


# `count` random triples over the 94 printable names, each a line of 11 bytes
# (weights of six digits, a fifth negative), with the header records unless
# not `header`; `across`, some blanks line feeds, so that triples span lines.
# A third of the way a weight runs into the next item (12.3456), and with
# `stop` halfway one is not a number.
def edge_list(count, seed, header=True, across=False, stop=False):
    rng, lines = np.random.default_rng(seed), np.full((count, 11), 32, np.uint8)
    lines[:, [0, 2]] = rng.integers(33, 127, (count, 2))
    lines[:, 4:10], lines[:, 10] = rng.integers(48, 58, (count, 6)), 10
    lines[rng.random(count) < 0.2, 4] = ord("-")
    if across:
        lines[:, [1, 3]] = np.where(rng.random((count, 2)) < 0.5, 10, 32)
    lines[count // 3, 6] = ord(".")
    if stop:
        lines[count // 2, 4:10] = ord("x")
    return b"V 94\nE 0\n" * header + lines.tobytes()


def written(path, data):
    path.write_bytes(data)
    return str(path)


# (status, standard output, messages) of `program` answering `commands`.
def answers(program, path, options, commands=COMMANDS):
    run = run_commands(path, commands, *options, program=program)
    lines = run.stderr.splitlines()
    return run.returncode, run.stdout, [line for line in lines if line.startswith(b"graph-query:")]


def on_cluster(client, blocksize):
    return [sys.executable, "-m", "graph_query.dask", "--scheduler", client.scheduler.address,
            f"--blocksize={blocksize}"]


TOOL = [os.environ["GRAPH_QUERY"]]


@pytest.mark.parametrize("case, blocksize", [("across", "2 MiB"), ("stop", "4 MiB"),
                                             ("no header", "1 MiB")])
def test_a_file_is_read_as_graph_query_reads_it(client, tmp_path, case, blocksize):
    header, directed = case != "no header", case == "stop"
    path = written(tmp_path / "edges.txt", edge_list(3_000_000, len(case), header,
                                                     case == "across", case == "stop"))
    options = ["--no-header"] * (not header) + ["-d"] * directed
    assert answers(on_cluster(client, blocksize), path, options) == answers(TOOL, path, options)
    g = gqd.read(path, directed, header, blocksize="1 MiB", client=client)
    assert summary_of(g) == summary_of(gq.read(path, directed, header, strict=False))


def test_several_files_are_the_union_of_their_edges(client, tmp_path):
    first, last = edge_list(2_000_000, 1, stop=True), edge_list(2_000_000, 2, across=True)
    paths = [written(tmp_path / name, data)
             for name, data in [("a.txt", first), ("b.txt", b""), ("c.txt", last)]]
    body = written(tmp_path / "body", first[9:9 + 11 * 1_000_000] + last[9:])
    g = gqd.read(paths, blocksize="2 MiB", client=client)
    assert gqd.list_files([pathlib.Path(path) for path in paths], 1000).names == paths
    assert summary_of(g)[0] == summary_of(gq.read(body, header=False, strict=False))[0]
    assert g.reports == {path: gq.read(path, strict=False).report for path in paths}
    glob = str(tmp_path / "*.txt")
    assert answers(on_cluster(client, "3 MiB"), glob, [], COMMANDS[1:])[1] == answers(
        TOOL, body, ["--no-header"], COMMANDS[1:])[1]
    _, out, messages = answers(on_cluster(client, "3 MiB"), glob, [], ["check"])
    checks = [answers(TOOL, path, [], ["check"]) for path in paths]  # each file's own
    assert messages == sum((check[2] for check in checks), [])
    assert out.splitlines()[3:] == [b"check: %s: %s" % (path.encode(), check[1].split(b"\n")[3][7:])
                                    for path, check in zip(paths, checks)]
    strict = pytest.raises(gq.EdgeListError, gqd.read, glob, client=client, strict=True)
    assert strict.value.filename == paths[0]


def test_a_worker_lost_midway_changes_nothing(client, tmp_path):
    path = written(tmp_path / "edges.txt", edge_list(4_000_000, 3, across=True))
    pids = client.run(os.getpid)
    with concurrent.futures.ThreadPoolExecutor(1) as thread:
        reading = thread.submit(gqd.read, path, blocksize="1 MiB", client=client)
        while not any(client.has_what().values()):  # until a worker holds a part
            time.sleep(0.002)
        os.kill(pids[next(w for w, keys in client.has_what().items() if keys)], signal.SIGKILL)
        assert not reading.done()
        assert summary_of(reading.result(timeout=60)) == summary_of(gq.read(path, strict=False))
    assert client.run(os.getpid) != pids


# The client sees a file that no worker reaches: each block fails to be read.
def test_a_block_that_cannot_be_read_names_its_file(client):
    with fsspec.open("memory://edges.txt", "wb") as file:
        file.write(b"A B 1\n" * 1000)
    pytest.raises(OSError, gqd.read, "memory://edges.txt", blocksize=1000,
                  client=client).match("memory://edges.txt")
    run = subprocess.run([*on_cluster(client, 1000), "memory://edges.txt", "check"],
                         capture_output=True, check=False, timeout=60)
    assert (run.returncode, run.stdout) == (2, b"") and b"memory://edges.txt: " in run.stderr


# A file read as it was listed: shorter since, it is an error; longer, the
# bytes appended are not read.
def test_a_file_changed_since_it_was_listed(client, tmp_path):
    path = written(tmp_path / "edges.txt", b"A B 1\n" * 1000)
    files = gqd.list_files(path, 1000)
    written(tmp_path / "edges.txt", b"A B 1\n" * 900)
    pytest.raises(OSError, gqd.summarize, files, client, False, False).match("changed")
    written(tmp_path / "edges.txt", b"A B 1\n" * 1000 + b"C D 2\n")
    assert gqd.summarize(files, client, False, False)[0].report.edges_read == 1000


# A size or an address that cannot be meant is a usage error before any
# cluster starts, never a guess (parse_bytes reads "" as one byte).
@pytest.mark.parametrize("args, problem", [
    (["--blocksize=abc"], b"--blocksize: 'abc' is not a size such as '64 MiB'"),
    (["--blocksize=0"], b"--blocksize: '0' is less than one byte"),
    (["--blocksize="], b"--blocksize: '' is not a size such as '64 MiB'"),
    (["--scheduler="], b"--scheduler needs an ADDRESS"),
    (["check", "--scheduler"], b"--scheduler needs an ADDRESS")])
def test_an_option_of_its_own_that_is_wrong_is_a_usage_error(args, problem):
    run = subprocess.run([sys.executable, "-m", "graph_query.dask", "FILE", *args],
                         capture_output=True, check=False, timeout=60)
    assert (run.returncode, run.stdout, run.stderr.splitlines()[0]) == (2, b"",
                                                                        b"graph-query: " + problem)


@pytest.mark.parametrize("blocksize", ["abc", "", "kB", 0, -1, 0.5, None])
def test_a_blocksize_that_cannot_be_meant_is_a_value_error(blocksize):
    pytest.raises(ValueError, gqd.read, "FILE", blocksize=blocksize, client=object())
