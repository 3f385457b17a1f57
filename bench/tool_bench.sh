#!/usr/bin/env bash
# Whole-process timings and peak memory of graph-query beside the floor of
# its input format and two peers, on files that make_edges generates (random
# triples over the 94 printable names, weights 0..1000):
#   1,000,000 triples: the floor (parse_floor) and `graph-query [-d] FILE
#     distance A B`, directed and undirected;
#   1,000 distance queries after one load with --commands, against ten single
#     runs (undirected, the same file);
#   10,000,000 triples: graph-query beside the Boost.Graph program
#     boost_distance and the networkx script networkx_distance.py;
#   with TOOL_BENCH_LARGE=1, 100,000,000 triples (0.8 GB, in the scratch
#     directory, deleted at the end): the floor and `distance A B`, `topo` and
#     `check`, directed and undirected.
#
# Usage: bench/tool_bench.sh [BUILD_DIR]   (default: build/default)
# TOOL_BENCH_RUNS sets the timed runs per command (default 10; the peers and
# the large file take TOOL_BENCH_SLOW_RUNS, default 3); HYPERFINE and PYTHON
# name the programs to use (default hyperfine and python3); TOOL_BENCH_DIR
# the scratch directory's parent (default TMPDIR or /tmp). Times are medians,
# from hyperfine when it is found (one warm-up run), else from a loop of runs
# after one warm-up; peak memory is the resident peak of one more run, from
# GNU time. A missing peer is skipped with a message. Tables are markdown;
# the ratios to the targets come last.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build/default}
runs=${TOOL_BENCH_RUNS:-10}
slowRuns=${TOOL_BENCH_SLOW_RUNS:-3}
hyperfine=${HYPERFINE:-hyperfine}
python=${PYTHON:-python3}
query=$build/graph-query
floor=$build/bench/parse_floor
boost=$build/bench/boost_distance
networkx=$here/networkx_distance.py
for program in "$query" "$floor" "$build/bench/make_edges"; do
    if [[ ! -x $program ]]; then
        echo "tool_bench: no $program; build the benchmarks first" >&2
        exit 1
    fi
done
if [[ ! -x /usr/bin/time ]]; then
    echo "tool_bench: GNU time (/usr/bin/time) not found: peak memory not measured" >&2
fi

work=$(mktemp -d "${TOOL_BENCH_DIR:-${TMPDIR:-/tmp}}/tool_bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
trap 'exit 130' INT TERM
results=$work/results  # "name,median seconds,peak KiB" lines

# measure NAME RUNS COMMAND: appends NAME's median and peak to the results.
measure() {
    local name=$1 count=$2 command=$3 seconds peak=
    if command -v "$hyperfine" > /dev/null; then
        "$hyperfine" --shell bash --warmup 1 --runs "$count" --style basic --ignore-failure -n "$name" \
            --export-csv "$work/one.csv" "$command" > /dev/null 2>&1
        seconds=$(awk -F, 'NR == 2 { print $4 }' "$work/one.csv")
    else
        bash -c "$command" > /dev/null 2>&1 || true
        seconds=$(for ((run = 0; run < count; ++run)); do
            start=$(date +%s%N)
            bash -c "$command" > /dev/null 2>&1 || true
            echo $(($(date +%s%N) - start))
        done | sort -n | awk '{ t[NR] = $1 }
            END { print ((NR % 2) ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2) / 1e9 }')
    fi
    if [[ -x /usr/bin/time ]]; then
        peak=$({ /usr/bin/time -f %M bash -c "exec $command" 2>&1 > /dev/null || true; } | tail -n 1)
    fi
    echo "$name,$seconds,$peak" >> "$results"
    printf '  %-44s %9.1f ms %9s KiB\n' "$name" "$(awk -v s="$seconds" 'BEGIN { print s * 1000 }')" "$peak"
}

q=$(printf %q "$query")
echo "Generating the files..."
for triples in 1000000 10000000; do
    "$build/bench/make_edges" "$triples" > "$work/$triples.txt"
done
awk -v n=1000 'BEGIN {
    srand(5); names = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789"
    for (i = 0; i < n; i++)
        printf "distance %s %s\n", substr(names, 1 + int(rand() * 62), 1),
                                   substr(names, 1 + int(rand() * 62), 1)
}' > "$work/queries.txt"
f1=$(printf %q "$work/1000000.txt")
f10=$(printf %q "$work/10000000.txt")

echo "1,000,000 triples:"
measure "floor 1M" "$runs" "$(printf %q "$floor") $f1"
measure "graph-query -d 1M distance" "$runs" "$q -d $f1 distance A B 2>/dev/null"
measure "graph-query 1M distance" "$runs" "$q $f1 distance A B 2>/dev/null"
measure "1000 queries with --commands" "$runs" \
    "$q --commands $(printf %q "$work/queries.txt") $f1 2>/dev/null"
singles=$(head -n 10 "$work/queries.txt" | while read -r command a b; do
    printf '%s %s %s %s %s 2>/dev/null; ' "$q" "$f1" "$command" "$a" "$b"
done)
measure "ten single runs" "$runs" "$singles"

echo "10,000,000 triples:"
measure "floor 10M" "$runs" "$(printf %q "$floor") $f10"
measure "graph-query -d 10M distance" "$runs" "$q -d $f10 distance A B 2>/dev/null"
measure "graph-query 10M distance" "$runs" "$q $f10 distance A B 2>/dev/null"
if [[ -x $boost ]]; then
    measure "boost_distance -d 10M" "$slowRuns" "$(printf %q "$boost") --directed $f10 A B"
    measure "boost_distance 10M" "$slowRuns" "$(printf %q "$boost") $f10 A B"
else
    echo "tool_bench: no $boost (Boost.Graph not found at configure time): skipped"
fi
if "$python" -c 'import networkx' 2> /dev/null; then
    py="$(printf %q "$python") $(printf %q "$networkx")"
    measure "networkx -d 10M" "$slowRuns" "$py --directed $f10 A B"
    measure "networkx 10M" "$slowRuns" "$py $f10 A B"
else
    echo "tool_bench: $python with networkx not found: networkx skipped"
fi
rm -f "$work/10000000.txt"

if [[ ${TOOL_BENCH_LARGE:-0} == 1 ]]; then
    echo "100,000,000 triples:"
    "$build/bench/make_edges" 100000000 > "$work/100M.txt"
    f100=$(printf %q "$work/100M.txt")
    measure "floor 100M" "$slowRuns" "$(printf %q "$floor") $f100"
    for mode in "-d " ""; do
        for command in "distance A B" topo check; do
            measure "graph-query ${mode}100M $command" "$slowRuns" \
                "$q $mode$f100 $command > /dev/null 2>&1"
        done
    done
fi

# The ratios against the targets, from the medians and peaks.
echo
awk -F, '
    { t[$1] = $2; m[$1] = $3 }
    function row(label, a, b, target,    value) {
        if (!(a in t) || !(b in t) || t[b] <= 0) return
        value = t[a] / t[b]
        printf "| %s | %.2fx | <= %.1fx | %s |\n", label, value, target, value <= target ? "yes" : "no"
    }
    function rss(name) {
        if (!(name in m) || m[name] == "") return
        printf "| %s, peak resident | %.1f MiB | <= 32 MiB | %s |\n", name, m[name] / 1024,
               m[name] <= 32768 ? "yes" : "no"
    }
    END {
        print "| ratio (medians) | value | target | met |"
        print "|:---|---:|---:|:---:|"
        row("graph-query -d 1M distance / floor", "graph-query -d 1M distance", "floor 1M", 2)
        row("graph-query 1M distance / floor", "graph-query 1M distance", "floor 1M", 2)
        row("1,000 queries with --commands / ten single runs", "1000 queries with --commands",
            "ten single runs", 0.2)
        row("graph-query -d 10M distance / Boost", "graph-query -d 10M distance", "boost_distance -d 10M", 1)
        row("graph-query 10M distance / Boost", "graph-query 10M distance", "boost_distance 10M", 1)
        split("-d |", modes, "|")
        for (i = 1; i <= 2; i++) {
            split("distance A B|topo|check", commands, "|")
            for (j = 1; j <= 3; j++) {
                name = "graph-query " modes[i] "100M " commands[j]
                row(name " / floor", name, "floor 100M", 1.5)
                rss(name)
            }
        }
    }' "$results"
