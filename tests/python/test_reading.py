# Reading: errors as exceptions, buffers read where they lie, the GIL released.
import errno
import mmap
import random
import resource
import threading

import pytest

import graph_query as gq
from edge_list_texts import graph_query, random_text


def summary_of(g):  # its names, report and steps, in both modes
    return [(g.names(ls), list(g.to_networkx(ls).edges(data=True))) for ls in (0, 1)], g.report


def test_every_buffer_gives_what_the_file_gives(tmp_path):
    path = tmp_path / "edges.txt"
    path.write_bytes(data := random_text(7))
    with open(path, "rb") as file, mmap.mmap(file.fileno(), 0, access=mmap.ACCESS_READ) as mapped:
        for buffer in (data, bytearray(data), memoryview(data), mapped):
            for jobs, directed in [(1, False), (3, True)]:
                assert summary_of(gq.from_bytes(buffer, directed, jobs=jobs)) == summary_of(
                    gq.read(path, directed, jobs=jobs))


# 4 GiB mapped, of which reading takes a line: a copy would show in the peak.
def test_a_buffer_is_not_copied(tmp_path):
    with open(tmp_path / "sparse.txt", "w+b") as file:
        file.write(b"A B 1\n")
        file.truncate(4 << 30)  # a hole, read as NUL bytes: a name, then no weight
        before = resource.getrusage(resource.RUSAGE_SELF).ru_maxrss
        with mmap.mmap(file.fileno(), 0, access=mmap.ACCESS_READ) as mapped:
            g = gq.from_bytes(mapped, header=False, strict=False)
            part = gq.Part(mapped, start=gq.Start()).summary()
    for g in (g, part):
        assert (g.names(), g.report.stop, g.report.line) == ("AB", "not_a_number", 2)
    assert resource.getrusage(resource.RUSAGE_SELF).ru_maxrss - before < 256 << 10  # KiB


# A buffer being read is exported and cannot be resized: this thread sees it
# so only if reading released the GIL. A busy machine may not run it at once:
# five readings.
@pytest.mark.parametrize("read", [gq.from_bytes, gq.Part])
def test_reading_lets_other_threads_run(read):
    data, seen = bytearray(b"V 0\nE 0\n" + b"A B 1\n" * 3_000_000), 0
    for _ in range(5):
        reader = threading.Thread(target=read, args=(data,))
        reader.start()
        while reader.is_alive():
            try:
                data.append(32)
                data.pop()
            except BufferError:
                seen += 1
    assert seen > 0


@pytest.mark.parametrize("name, code", [("missing.txt", errno.ENOENT), ("", errno.EISDIR)])
def test_a_file_that_cannot_be_read_raises_oserror(tmp_path, name, code):
    raised = pytest.raises(OSError, gq.read, tmp_path / name)
    assert (raised.value.errno, raised.value.filename) == (code, str(tmp_path / name))


# Reading stopped, or a weight joined to the next item, somewhere in a random
# text: the error's fields say what graph-query's `check` says.
@pytest.mark.parametrize("seed", range(12))
def test_a_stop_is_graph_querys(tmp_path, seed):
    text, rng, path = random_text(seed), random.Random(seed), tmp_path / "edges.txt"
    at, junk = rng.randrange(len(text) + 1), rng.choice([b"x", b"-", b"99999999999", b"1.25", b""])
    path.write_bytes(text[:at] + junk + text[at:] * rng.choice([0, 1]))
    tool, summary = graph_query(path, ["check"])["check"], gq.read(path, strict=False)
    assert (tool[0], tool[2]) == (f"edges read: {summary.report.edges_read}",
                                  f"names: {len(summary.names())}")
    try:
        gq.read(path)
        assert tool[3] == "read to the end: yes"
    except gq.EdgeListError as error:
        how = "yes, but at" if error.report.complete else "no, stopped at"
        assert tool[3] == f"read to the end: {how} {error.line}:{error.column}: {error.reason}"
        assert (error.report, error.edges_read) == (summary.report, summary.report.edges_read)


@pytest.mark.parametrize("bad", ["ab", "", "\u0100", 65, b"A", None])
def test_a_name_is_one_character_below_u0100(bad):
    g = gq.from_edges([("A", "\xff", 1), ("\0", " ", -1)], directed=True)
    assert (g.names(), g.distance("\0", " "), g.distance("A", "\xff", True)) == ("A\xff\0 ", -1, 1)
    for call, argument in [(lambda: g.distance(bad, "A"), "a"),
                           (lambda: g.reachable("A", bad, True), "b"),
                           (lambda: gq.from_edges([("A", "B", 1), (bad, "B", 1)]), "edges[1][0]")]:
        assert str(pytest.raises(ValueError, call).value).startswith(f"{argument}: a vertex ")
    pytest.raises(KeyError, g.distances, "Z").match("no vertex 'Z' in the graph")
