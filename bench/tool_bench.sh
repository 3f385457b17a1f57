#!/usr/bin/env bash
# Whole-process timings of graph-query beside two peers on one generated file
# of 1,000,000 triples over the 94 printable names (weights 0..1000): the
# Boost.Graph program boost_distance and the networkx script
# networkx_distance.py each answer `distance A B`, directed and undirected, as
# `graph-query [--directed] FILE distance A B` does; and 1,000 `distance`
# queries answered after one load with --commands, against ten single runs
# (both undirected).
#
# Usage: bench/tool_bench.sh [BUILD_DIR]   (default: build/default)
# TOOL_BENCH_RUNS sets the timed runs per command (default 10); HYPERFINE and
# PYTHON name the programs to use (default hyperfine and python3). Times come
# from hyperfine when it is found (one warm-up run, medians), else from a loop
# of runs after one warm-up. A missing peer is skipped with a message. The
# tables are markdown; the ratios to the targets are printed last.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build/default}
runs=${TOOL_BENCH_RUNS:-10}
hyperfine=${HYPERFINE:-hyperfine}
python=${PYTHON:-python3}
query=$build/graph-query
boost=$build/bench/boost_distance
networkx=$here/networkx_distance.py

if [[ ! -x $query ]]; then
    echo "tool_bench: no $query; build graph-query first" >&2
    exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
trap 'exit 130' INT TERM
file=$work/edges.txt

# The edge file, and 1,000 queries between alphanumeric names (in the file,
# and safe to pass through a shell unquoted).
awk -v n=1000000 'BEGIN {
    srand(4); print "V 94"; print "E " n
    for (i = 0; i < n; i++)
        printf "%c %c %d\n", 33 + int(rand() * 94), 33 + int(rand() * 94), int(rand() * 1001)
}' > "$file"
awk -v n=1000 'BEGIN {
    srand(5); names = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789"
    for (i = 0; i < n; i++)
        printf "distance %s %s\n", substr(names, 1 + int(rand() * 62), 1),
                                   substr(names, 1 + int(rand() * 62), 1)
}' > "$work/queries.txt"

# The commands to time, as name/command pairs; names hold no comma.
names=()
commands=()
add() {
    names+=("$1")
    commands+=("$2")
}
q=$(printf %q "$query")
f=$(printf %q "$file")
add "graph-query --directed" "$q --directed $f distance A B"
add "graph-query" "$q $f distance A B"
if [[ -x $boost ]]; then
    add "boost_distance --directed" "$(printf %q "$boost") --directed $f A B"
    add "boost_distance" "$(printf %q "$boost") $f A B"
else
    echo "tool_bench: no $boost (Boost.Graph not found at configure time): skipped"
fi
if "$python" -c 'import networkx' 2> /dev/null; then
    py="$(printf %q "$python") $(printf %q "$networkx")"
    add "networkx --directed" "$py --directed $f A B"
    add "networkx" "$py $f A B"
else
    echo "tool_bench: $python with networkx not found: networkx skipped"
fi
add "1000 queries with --commands" "$q --commands $(printf %q "$work/queries.txt") $f"
singles=$(head -n 10 "$work/queries.txt" | while read -r command a b; do
    printf '%s %s %s %s %s; ' "$q" "$f" "$command" "$a" "$b"
done)
add "ten single runs" "$singles"

echo "Answers to distance A B (untimed; Boost weighs parallel edges by the lightest):"
for i in "${!names[@]}"; do
    if [[ ${names[i]} != *queries* && ${names[i]} != ten* ]]; then
        printf '  %-28s %s\n' "${names[i]}" "$(bash -c "${commands[i]}" || true)"
    fi
done
echo

# Median seconds per name into $work/medians ("name,seconds" lines).
if command -v "$hyperfine" > /dev/null; then
    arguments=()
    for i in "${!names[@]}"; do
        arguments+=(-n "${names[i]}" "${commands[i]}")
    done
    "$hyperfine" --shell bash --warmup 1 --runs "$runs" --export-markdown "$work/times.md" \
        --export-csv "$work/times.csv" "${arguments[@]}"
    printf '\nhyperfine, means:\n\n'
    cat "$work/times.md"
    tail -n +2 "$work/times.csv" | awk -F, '{ print $1 "," $4 }' > "$work/medians"
else
    echo "tool_bench: $hyperfine not found: a loop of runs after one warm-up"
    for i in "${!names[@]}"; do
        bash -c "${commands[i]}" > /dev/null
        for ((run = 0; run < runs; ++run)); do
            start=$(date +%s%N)
            bash -c "${commands[i]}" > /dev/null
            echo $(($(date +%s%N) - start))
        done | sort -n | awk -v name="${names[i]}" '
            { t[NR] = $1 }
            END { print name "," ((NR % 2) ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2) / 1e9 }'
    done > "$work/medians"
fi

printf '\nMedians of %d runs:\n\n| Command | Median [ms] |\n|:---|---:|\n' "$runs"
awk -F, '{ printf "| `%s` | %.1f |\n", $1, $2 * 1000 }' "$work/medians"

# The ratios against the targets, from the medians.
echo
awk -F, '
    { t[$1] = $2 }
    function row(label, a, b, op, target,    value, met) {
        if (!(a in t) || !(b in t) || t[b] <= 0) return
        value = t[a] / t[b]
        met = (op == "<=") ? value <= target : (op == ">=") ? value >= target : value < target
        printf "| %s | %.3gx | %s %.1fx | %s |\n", label, value, op, target, met ? "yes" : "no"
    }
    END {
        print "| ratio (medians) | value | target | met |"
        print "|:---|---:|---:|:---:|"
        row("graph-query / Boost program, directed", "graph-query --directed", "boost_distance --directed", "<=", 1)
        row("graph-query / Boost program, undirected", "graph-query", "boost_distance", "<=", 1)
        row("networkx / graph-query, directed", "networkx --directed", "graph-query --directed", ">=", 3)
        row("networkx / graph-query, undirected", "networkx", "graph-query", ">=", 3)
        row("1,000 queries with --commands / ten single runs", "1000 queries with --commands", "ten single runs", "<", 1)
    }' "$work/medians"
