#!/usr/bin/env bash
# Whole-process timings and peak memory of graph-query beside the floor of
# its input format and two peers, on files that make_edges generates (random
# triples over the 94 printable names, weights 0..1000):
#   1,000,000 triples: the floor (parse_floor) and `graph-query [-d] FILE
#     distance A B`; 1,000 distance queries with --commands against ten
#     single runs;
#   20,000,000 triples with every thousandth line odd (a 10-digit number, a
#     run of tabs, a '+' sign): the floor and `graph-query -d FILE distance A B`
#     with one part and with the default;
#   10,000,000 triples: graph-query beside the Boost.Graph program
#     boost_distance and the networkx script networkx_distance.py;
#   with TOOL_BENCH_LARGE=1, 100,000,000 triples (0.8 GB, in the scratch
#     directory, deleted at the end): the floor and `distance A B`, `topo` and
#     `check`, directed and undirected, with -j 1 and with the default.
#
# Usage: bench/tool_bench.sh [BUILD_DIR]   (default: build/default)
# The commands of a group run in turn, one run each, TOOL_BENCH_RUNS times
# (default 9; TOOL_BENCH_SLOW_RUNS, default 3, for the peers), after one
# warm-up each: a virtual machine's speed drifts, and runs side by side see
# the same drift, so their ratios hold. Times are medians, each run timed by
# hyperfine when it is found (no shell), else by `date` around `bash -c exec`;
# peak memory is the resident peak of one more run, from GNU time. HYPERFINE
# and PYTHON name the programs to use; TOOL_BENCH_DIR the scratch directory's
# parent (default TMPDIR or /tmp). A missing peer is skipped with a message.
# Tables are markdown; the ratios to the targets come last.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build/default}
runs=${TOOL_BENCH_RUNS:-9}
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

# seconds COMMAND: how long one run of COMMAND (no shell needed) takes.
seconds() {
    if command -v "$hyperfine" > /dev/null; then
        "$hyperfine" -N --runs 1 --style none --ignore-failure --export-csv "$work/one.csv" "$1" \
            > /dev/null 2>&1
        awk -F, 'NR == 2 { print $2 }' "$work/one.csv"
    else
        local start
        start=$(date +%s%N)
        bash -c "exec $1" > /dev/null 2>&1 || true
        awk -v n=$(($(date +%s%N) - start)) 'BEGIN { print n / 1e9 }'
    fi
}

# group RUNS NAME=COMMAND...: runs the commands in turn, RUNS rounds after a
# warm-up, and appends each one's median and peak to the results.
group() {
    local count=$1 pair name
    shift
    for pair in "$@"; do
        seconds "${pair#*=}" > /dev/null
    done
    : > "$work/times"
    for ((round = 0; round < count; ++round)); do
        for pair in "$@"; do
            echo "${pair%%=*},$(seconds "${pair#*=}")" >> "$work/times"
        done
    done
    for pair in "$@"; do
        name=${pair%%=*}
        local median peak=
        median=$(awk -F, -v n="$name" '$1 == n { print $2 }' "$work/times" | sort -g |
            awk '{ t[NR] = $1 } END { print (NR % 2) ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2 }')
        if [[ -x /usr/bin/time ]]; then
            peak=$({ /usr/bin/time -f %M bash -c "exec ${pair#*=}" 2>&1 > /dev/null || true; } | tail -n 1)
        fi
        echo "$name,$median,$peak" >> "$results"
        printf '  %-40s %9.1f ms %9s KiB\n' "$name" "$(awk -v s="$median" 'BEGIN { print s * 1000 }')" "$peak"
    done
}

echo "Generating the files..."
"$build/bench/make_edges" 1000000 > "$work/1M.txt"
"$build/bench/make_edges" 10000000 > "$work/10M.txt"
"$build/bench/make_edges" 20000000 |
    awk 'NR > 2 && NR % 1000 == 0 { n = NR / 1000 % 3
             if (n == 0) $3 = $3 + 1000000000; else if (n == 1) $0 = $1 "\t\t\t" $2 "\t\t" $3; else $3 = "+" $3 }
         { print }' > "$work/odd.txt"
awk -v n=1000 'BEGIN {
    srand(5); names = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789"
    for (i = 0; i < n; i++)
        printf "distance %s %s\n", substr(names, 1 + int(rand() * 62), 1),
                                   substr(names, 1 + int(rand() * 62), 1)
}' > "$work/queries.txt"
q=$query f1=$work/1M.txt f10=$work/10M.txt odd=$work/odd.txt

echo "1,000,000 triples:"
group "$runs" "floor 1M=$floor $f1" "graph-query -d 1M distance=$q -d $f1 distance A B" \
    "graph-query 1M distance=$q $f1 distance A B"
singles=$(head -n 10 "$work/queries.txt" | while read -r command a b; do
    printf '%q %q %s %s %s 2>/dev/null; ' "$q" "$f1" "$command" "$a" "$b"
done)
echo "$singles" > "$work/singles.sh"
group "$runs" "1000 queries with --commands=$q --commands $work/queries.txt $f1" \
    "ten single runs=bash $work/singles.sh"

echo "20,000,000 triples, every thousandth line odd:"
group "$runs" "floor odd=$floor $odd" "graph-query -j1 -d odd distance=$q -j 1 -d $odd distance A B" \
    "graph-query -d odd distance=$q -d $odd distance A B"

echo "10,000,000 triples:"
group "$runs" "floor 10M=$floor $f10" "graph-query -d 10M distance=$q -d $f10 distance A B" \
    "graph-query 10M distance=$q $f10 distance A B"
if [[ -x $boost ]]; then
    group "$slowRuns" "boost_distance -d 10M=$boost --directed $f10 A B" "boost_distance 10M=$boost $f10 A B"
else
    echo "tool_bench: no $boost (Boost.Graph not found at configure time): skipped"
fi
if "$python" -c 'import networkx' 2> /dev/null; then
    group "$slowRuns" "networkx -d 10M=$python $networkx --directed $f10 A B" \
        "networkx 10M=$python $networkx $f10 A B"
else
    echo "tool_bench: $python with networkx not found: networkx skipped"
fi
rm -f "$work/10M.txt" "$work/odd.txt"

if [[ ${TOOL_BENCH_LARGE:-0} == 1 ]]; then
    echo "100,000,000 triples:"
    "$build/bench/make_edges" 100000000 > "$work/100M.txt"
    f100=$work/100M.txt
    for mode in "-d " ""; do
        for command in "distance A B" topo check; do
            group "$runs" "floor 100M=$floor $f100" \
                "graph-query -j1 ${mode}100M $command=$q -j 1 $mode$f100 $command" \
                "graph-query ${mode}100M $command=$q $mode$f100 $command"
        done
    done
fi

# The ratios against the targets, from the medians and peaks; where a name
# was measured in several groups (the 100M floor), the median of its medians.
echo
awk -F, '
    { t[$1] = t[$1] " " $2; m[$1] = $3 }
    function median(list,    n, v, i, j, x) {
        n = split(list, v, " ")
        for (i = 2; i <= n; i++) for (j = i; j > 1 && v[j - 1] > v[j]; j--) { x = v[j]; v[j] = v[j - 1]; v[j - 1] = x }
        return (n % 2) ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2
    }
    function row(label, a, b, target,    value) {
        if (!(a in t) || !(b in t) || median(t[b]) <= 0) return
        value = median(t[a]) / median(t[b])
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
        row("graph-query -d 1M distance / floor", "graph-query -d 1M distance", "floor 1M", 0.6)
        row("graph-query 1M distance / floor", "graph-query 1M distance", "floor 1M", 0.6)
        row("1,000 queries with --commands / ten single runs", "1000 queries with --commands",
            "ten single runs", 0.2)
        row("graph-query -j1 -d odd distance / floor", "graph-query -j1 -d odd distance", "floor odd", 0.5)
        row("graph-query -d odd distance / floor", "graph-query -d odd distance", "floor odd", 0.5)
        row("graph-query -d 10M distance / Boost", "graph-query -d 10M distance", "boost_distance -d 10M", 1)
        row("graph-query 10M distance / Boost", "graph-query 10M distance", "boost_distance 10M", 1)
        split("-d |", modes, "|")
        for (i = 1; i <= 2; i++) {
            split("distance A B|topo|check", commands, "|")
            for (j = 1; j <= 3; j++) {
                name = "graph-query " modes[i] "100M " commands[j]
                row(name " / floor", name, "floor 100M", 0.3)
                rss(name)
                name = "graph-query -j1 " modes[i] "100M " commands[j]
                row(name " / floor", name, "floor 100M", 0.6)
            }
        }
    }' "$results"
