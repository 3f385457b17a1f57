#!/usr/bin/env python3
"""dask_bench.py [BUILD_DIR]: graph_query.dask.read() on a local cluster beside
graph-query.

On a file of 100,000,000 triples that make_edges writes (0.8 GB, in a scratch
directory, deleted at the end): `graph-query -j 2 FILE check` as a whole
process, and graph_query.dask.read(FILE) as one call on a LocalCluster of two
single-threaded worker processes started once beforehand (its start is timed
apart), blocks of DASK_BENCH_BLOCKSIZE (default 128 MiB, read_bytes' default).
The two run in turn, DASK_BENCH_RUNS rounds (default 9) after a warm-up; the
times are medians, the ratio the median of each round's ratios.

Then where read()'s time goes, from the cluster's task stream of the last
round: the time in tasks on each worker (summarizing blocks, the seams, the
merges) against the wall time, the rest being scheduling, the client's own
work and waiting; and what travels: the bytes of a part summary's byte form
and how many moved between processes (transfers to a merge, and the file's
summary to the client).

Run by the interpreter the module is built for (on Debian /usr/bin/python3),
with Dask's distributed installed; BUILD_DIR (default build/default) holds
graph-query, bench/make_edges and python/graph_query. DASK_BENCH_TRIPLES
changes the file's size, DASK_BENCH_DIR the scratch directory's parent
(default TMPDIR or /tmp).
"""
import collections
import os
import statistics
import subprocess
import sys
import time

from bench_rounds import alternated, edge_file


def main(argv):
    build = os.path.abspath(argv[1] if len(argv) > 1 else "build/default")
    sys.path.insert(0, os.path.join(build, "python"))
    import distributed
    import graph_query.dask

    runs = int(os.environ.get("DASK_BENCH_RUNS", "9"))
    triples = os.environ.get("DASK_BENCH_TRIPLES", "100000000")
    blocksize = os.environ.get("DASK_BENCH_BLOCKSIZE", "128 MiB")
    tool = os.path.join(build, "graph-query")
    with edge_file(build, triples, os.environ.get("DASK_BENCH_DIR")) as path:
        started = time.perf_counter()
        with distributed.LocalCluster(n_workers=2, threads_per_worker=1, processes=True,
                                      host="127.0.0.1", dashboard_address=None) as cluster, \
                distributed.Client(cluster) as client:
            start_time = time.perf_counter() - started
            files = graph_query.dask.list_files(path, blocksize)
            print(f"{int(triples):,} triples ({files.sizes[0] / 1e9:.2f} GB), "
                  f"{len(files.blocks[0])} blocks of {blocksize}, 2 workers; "
                  f"the cluster started in {start_time:.1f} s; medians of {runs} rounds:")
            last = {}  # the task stream of the last read(), and its wall time

            def read():
                with distributed.get_task_stream(client) as stream:
                    start = time.perf_counter()
                    graph_query.dask.read(path, blocksize=blocksize, client=client)
                    last["wall"] = time.perf_counter() - start
                last["tasks"] = stream.data

            times = alternated({
                "graph-query -j 2 FILE check": lambda: subprocess.run(
                    [tool, "-j", "2", path, "check"], stdout=subprocess.DEVNULL, check=True),
                "graph_query.dask.read(FILE)": read,
            }, runs)
            tool_times = times["graph-query -j 2 FILE check"]
            for name, values in times.items():
                ratio = statistics.median(v / t for v, t in zip(values, tool_times))
                print(f"  {name:30} {statistics.median(values) * 1000:8.1f} ms  "
                      f"{ratio:5.2f}x the tool")
            report_stream(last["tasks"], last["wall"])
            # One more reading, for the size of what travels.
            part = graph_query.dask.summarize(files, client, False, True)[0]
            print(f"  a part summary's byte form: {len(part.to_bytes()):,} bytes "
                  f"({len(part.summary().names())} names)")
    return 0


def report_stream(tasks, wall):
    """The time in tasks by worker and kind, and the transfers, of one read()."""
    compute, transfers = collections.defaultdict(float), []
    for task in tasks:
        kind = task["key"].rsplit("-", 1)[0].split("-")[0]
        for step in task["startstops"]:
            if step["action"] == "compute":
                compute[task["worker"], kind] += step["stop"] - step["start"]
            elif step["action"] == "transfer":
                transfers.append(step["stop"] - step["start"])
    print(f"  the last read(): {wall * 1000:.1f} ms wall; in tasks, by worker:")
    for worker in sorted({worker for worker, _ in compute}):
        kinds = {kind: t for (w, kind), t in compute.items() if w == worker}
        print(f"    {worker}: {sum(kinds.values()) * 1000:.1f} ms (" + ", ".join(
            f"{kind} {t * 1000:.1f}" for kind, t in sorted(kinds.items())) + ")")
    print(f"  transfers between workers: {len(transfers)}, "
          f"{sum(transfers) * 1000:.1f} ms in all, plus one summary to the client")


if __name__ == "__main__":
    sys.exit(main(sys.argv))
