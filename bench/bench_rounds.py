"""What the Python benchmarks share: the file of random triples they time
reading, and the rounds that run their candidates in turn."""
import contextlib
import os
import subprocess
import tempfile
import time


@contextlib.contextmanager
def edge_file(build, triples, parent):
    """The path of a file of `triples` random triples that BUILD's
    bench/make_edges writes, in a scratch directory under `parent` (None:
    TMPDIR or /tmp), deleted on leaving."""
    with tempfile.TemporaryDirectory(dir=parent) as scratch:
        path = os.path.join(scratch, "edges.txt")
        with open(path, "wb") as file:
            subprocess.run([os.path.join(build, "bench", "make_edges"), str(triples)],
                           stdout=file, check=True)
        yield path


def alternated(candidates, runs):
    """The wall times of each of `candidates` (name: function), run in turn
    `runs` rounds after a round that warms up, so that runs side by side see
    the same drift of the machine's speed: name: [seconds, a round each]."""
    times = {name: [] for name in candidates}
    for round in range(runs + 1):
        for name, run in candidates.items():
            start = time.perf_counter()
            run()
            if round > 0:
                times[name].append(time.perf_counter() - start)
    return times
