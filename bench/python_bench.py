#!/usr/bin/env python3
"""python_bench.py [BUILD_DIR]: the Python module's reading beside graph-query's.

On a file of 100,000,000 triples that make_edges writes (0.8 GB, in a scratch
directory, deleted at the end), at one job and at two: `graph-query -j N FILE
check` as a whole process, graph_query.read(FILE, jobs=N) as one call, and
graph_query.from_bytes() on the file's bytes held in memory, jobs=N. The
three run in turn, one run each, PYTHON_BENCH_RUNS rounds (default 9) after
a warm-up, so that runs side by side see the same drift of the machine's
speed; the times are medians, the ratios the medians of each round's ratios.

Run by the interpreter the module is built for (on Debian /usr/bin/python3);
BUILD_DIR (default build/default) holds graph-query, bench/make_edges and
python/graph_query. PYTHON_BENCH_TRIPLES changes the file's size,
PYTHON_BENCH_DIR the scratch directory's parent (default TMPDIR or /tmp).
"""
import os
import statistics
import subprocess
import sys

from bench_rounds import alternated, edge_file


def main(argv):
    build = os.path.abspath(argv[1] if len(argv) > 1 else "build/default")
    sys.path.insert(0, os.path.join(build, "python"))
    import graph_query

    runs = int(os.environ.get("PYTHON_BENCH_RUNS", "9"))
    triples = os.environ.get("PYTHON_BENCH_TRIPLES", "100000000")
    tool = os.path.join(build, "graph-query")
    with edge_file(build, triples, os.environ.get("PYTHON_BENCH_DIR")) as path:
        with open(path, "rb") as file:
            data = file.read()
        print(f"{int(triples):,} triples ({len(data) / 1e9:.2f} GB), medians of {runs} rounds:")
        for jobs in (1, 2):
            candidates = {
                f"graph-query -j {jobs} FILE check": lambda: subprocess.run(
                    [tool, "-j", str(jobs), path, "check"], stdout=subprocess.DEVNULL,
                    check=True),
                f"read(FILE, jobs={jobs})": lambda: graph_query.read(path, jobs=jobs),
                f"from_bytes(data, jobs={jobs})": lambda: graph_query.from_bytes(data, jobs=jobs),
            }
            times = alternated(candidates, runs)
            tool_times, read_times = (times[name] for name in list(candidates)[:2])
            for name, values in times.items():
                # Each round's ratio as well: runs of one round see the same drift.
                to_tool = statistics.median(v / t for v, t in zip(values, tool_times))
                to_read = statistics.median(v / r for v, r in zip(values, read_times))
                print(f"  {name:32} {statistics.median(values) * 1000:8.1f} ms"
                      f"  {to_tool:5.2f}x the tool  {to_read:5.2f}x read()")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
