#!/usr/bin/env bash
# graph-query as a Unix filter: pipes, FIFOs, /dev/stdin, write errors,
# SIGPIPE, exhausted memory and injected read errors.
#   graph_query_unix.sh PROGRAM READ_ERROR_SHIM DATA_DIR SANITIZED
# SANITIZED is 1 when the build uses sanitizers: the address-space limits are
# then skipped (the shadow memory needs more) and the shim is preloaded ahead
# of the sanitizer runtime. Prints every failed case; exits 1 if any failed.
# Commands in single quotes are expanded by the inner bash, from exported names.
# shellcheck disable=SC2016
set -u
gq=$1 shim=$2 data=$3 sanitized=$4
work=$(mktemp -d) || exit 1
# The FIFO writers run in the background; none outlives the script.
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
trap 'exit 1' INT TERM
cd "$work" || exit 1
export gq data
test1=$data/test1.txt
list1=$'(A,B,6)\n(A,C,7)\n(B,A,6)\n(B,C,3)\n(C,A,7)\n(C,B,3)\n(C,E,8)\n(D,E,2)\n(E,D,2)\n(E,C,8)'
failures=0 cases=0

# expect NAME STATUS STDOUT STDERR_REGEX: checks the last run, its standard
# output in `out`, its standard error in `err` and its status in $status;
# STDOUT is exact (without its final line feed), STDERR_REGEX an extended
# regex for all of standard error.
expect() {
    local got err
    got=$(<out) err=$(<err) cases=$((cases + 1))
    [[ $status == "$2" && $got == "$3" && $err =~ $4 ]] && return
    failures=$((failures + 1))
    printf 'FAILED %s: status %s, stdout [%.300s], stderr [%.300s]\n' "$1" "$status" "$got" "$err"
}
# run COMMAND...: runs it under a timeout, for expect; check NAME STATUS
# STDOUT STDERR_REGEX COMMAND...: runs COMMAND and expects so of it.
run() { timeout 20 "$@" >out 2>err; status=$?; }
check() { run "${@:5}"; expect "$@"; }

check pipe 0 "$list1" '^$' bash -c 'cat "$data/test1.txt" | "$gq" - list'
mkfifo fifo cmdfifo
timeout 20 bash -c 'cat "$data/test1.txt" >fifo' &
check fifo 0 $'A C E D\n17' '^$' "$gq" fifo path A D
# A weight split across two reads of a pipe is still one number.
check split_read 0 '(A,B,123)' '^$' \
    bash -c '{ printf "V 1 E 1\nA B 1"; sleep 0.2; printf "23\n"; } | "$gq" --directed - list'
cp "$test1" ./-f
check file_named_-f 0 17 '^$' "$gq" -- -f distance A D

timeout 20 bash -c 'printf "distance A D\npath A D\n" >cmdfifo' &
check commands_from_fifo 0 $'distance A D: 17\npath A D: A C E D\npath A D: 17' '^$' \
    "$gq" --commands cmdfifo "$test1"
for ((i = 0; i < 500; i++)); do printf 'distance A C\ndistance D A\n'; done >many
check commands_1000_lines 0 $'    500 distance A C: 7\n    500 distance D A: unreachable' '^$' \
    bash -c '"$gq" --directed --commands - "$data/test1.txt" <many | sort | uniq -c'
# With standard input closed, opening FILE must not make it the commands.
closed='^graph-query: standard input: read error: Bad file descriptor$'
check commands_closed_stdin 2 '' "$closed" "$gq" --commands - "$test1" <&-
check file_closed_stdin 2 '' "$closed" "$gq" --commands many - <&-

check dev_full 2 '' '^graph-query: standard output: write error: No space left on device$' \
    bash -c '"$gq" "$data/test1.txt" list >/dev/full'
check closed_stdout 2 '' '^graph-query: standard output: write error: Bad file descriptor$' \
    bash -c '"$gq" "$data/test1.txt" reachable A B >&-'

awk 'BEGIN { print "V 1 E 1"; for (i = 0; i < 1000000; i++) print "A B 1" }' >big
check epipe_ignored 2 '(A,B,1)' '^graph-query: standard output: write error: Broken pipe$' \
    bash -c 'trap "" PIPE; "$gq" big list | head -n 1; exit "${PIPESTATUS[0]}"'
start=$SECONDS
run bash -c 'env --default-signal=PIPE "$gq" big list | head -n 1; exit "${PIPESTATUS[0]}"'
((SECONDS - start <= 10)) || status="$status after $((SECONDS - start)) s"
expect sigpipe_default 141 '(A,B,1)' '^$'

if [[ $sanitized != 1 ]]; then
    awk 'BEGIN { print "V 1 E 1"; for (i = 0; i < 5000000; i++) print "A B 1" }' >huge
    # Status 2, not an abort: no "terminate called", no core dump. The
    # listing of 10,000,000 entries takes 80 MB.
    check out_of_memory 2 '' '^graph-query: huge: out of memory$' \
        bash -c 'ulimit -c 0; prlimit --as=60000000 "$gq" huge list'
    # An endless command line exhausts memory too: it is no read error.
    check commands_out_of_memory 2 '' '^graph-query: /dev/zero: out of memory$' \
        prlimit --as=200000000 "$gq" --commands /dev/zero "$test1"
fi

# One run, one input: FILE grows, is rewritten in place, is cut, between the
# answers of one --commands run; the listing read again for `list` is of the
# first contents or is not given. The answers are read before FILE changes,
# so no sleep can race.
one_input() {  # CHANGE: a command that changes grow.txt
    printf 'V 1\nE 1\nA B 1\n' >grow.txt
    rm -f answers && mkfifo answers
    "$gq" -d --commands cmdfifo grow.txt >answers 2>err &
    exec 4<answers 3>cmdfifo
    echo 'distances A' >&3
    read -r first <&4 && read -r second <&4
    eval "$1"
    echo list >&3 && exec 3>&-
    printf '%s\n%s\n%s' "$first" "$second" "$(cat <&4)" >out
    exec 4<&-
    wait $!
    status=$?
}
one_input 'echo "C D 5" >>grow.txt'
expect grown 0 $'distances A: A 0\ndistances A: B 1\nlist: (A,B,1)' '^$'
for change in "printf 'V 1\\nE 1\\nA B 2\\n' >grow.txt" "printf 'V 1\\n' >grow.txt"; do
    one_input "$change"
    expect "changed: $change" 2 $'distances A: A 0\ndistances A: B 1' \
        '^graph-query: grow.txt: the input changed while it was read$'
done

# Read in parts or as a stream, a file gives the same answers and report: 36
# MB, some triples across lines, at least two parts.
awk 'BEGIN { print "V 1 E 1"; for (i = 0; i < 4000000; i++)
    printf "%c %c %d%s", 33 + i % 94, 33 + i * 7 % 93, i % 2001 - 1000, i % 3 ? " " : "\n" }' >parts
answers() { "$gq" -j "$1" parts check; "$gq" -d -j "$1" parts distances '!'; "$gq" -j "$1" parts topo; }
export -f answers
check parts_as_stream 0 'edges read: 4000000' '^$' \
    bash -c 'diff <(answers 1 2>&1) <(answers 3 2>&1) && answers 3 | head -1'

# Every fast-path kernel this processor runs reads that file alike, as the
# portable code does; a kernel that is not one is an error.
for kernel in $("$gq" --version | sed -n 's/.*runs: \(.*\))$/\1/p'); do
    export kernel
    check "kernel $kernel" 0 "fast path: $kernel" '^$' bash -c 'diff <(GRAPH_FAST_PATH=portable answers 1 2>&1) \
        <(GRAPH_FAST_PATH=$kernel answers 2 2>&1) && GRAPH_FAST_PATH=$kernel "$gq" --version | sed -n "2s/ (.*//p"'
done
run env GRAPH_FAST_PATH=avx513 "$gq" "$test1" check
expect kernel_unknown 2 '' "^graph-query: GRAPH_FAST_PATH: no fast-path kernel 'avx513' \\(kernels: portable, "

# The picture renders, with the path drawn.
if command -v dot >/dev/null; then
    check picture 0 4 '^$' \
        bash -c '"$gq" -d "$data/test2.txt" dot A F | dot -Tsvg | grep -c "stroke=\"blue\""'
fi

# The sanitizer runtime must otherwise come first among the loaded libraries.
preload_asan=${ASAN_OPTIONS-}
[[ $sanitized == 1 ]] && preload_asan=${preload_asan:+$preload_asan:}verify_asan_link_order=0
awk 'BEGIN { print "V 1 E 1"; for (i = 0; i < 10000; i++) print "A B 1" }' >mid
check read_error_halfway 2 '' '^graph-query: mid: read error: Input/output error$' \
    env LD_PRELOAD="$shim" ASAN_OPTIONS="$preload_asan" GRAPH_QUERY_READ_LIMIT=30000 "$gq" mid list
check read_error_shim_idle 0 $'edges read: 10000\nrows: 2\nnames: 2\nread to the end: yes' '^$' \
    env LD_PRELOAD="$shim" ASAN_OPTIONS="$preload_asan" GRAPH_QUERY_READ_LIMIT=100000 "$gq" mid check

echo "$((cases - failures)) of $cases cases passed"
((failures == 0))
