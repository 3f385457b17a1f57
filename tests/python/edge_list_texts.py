# Seeded random edge-list texts at the full scale of the format, and
# graph-query run on them.
import os
import random
import subprocess

INT_MIN, INT_MAX = -2**31, 2**31 - 1
NAMES = [chr(b) for b in range(256) if chr(b) not in " \t\n\v\f\r"]  # whitespace separates


# From 2 to 250 names, up to 3,000 triples with parallel edges and loops; the
# weights of one of three kinds of graph: >= 0, small with -1 and negatives
# (negative cycles), both ends of int. With `dag`, edges lead later in `names`.
def random_text(seed, dag=False):
    rng = random.Random(seed)
    names = rng.sample(NAMES, rng.choice([2, 30, 250, 250]))
    low = rng.choice([0, -20, INT_MIN])
    lines = [f"V {len(names)}", "E 0"]
    for _ in range(rng.choice([10, 500, 3000, 3000])):
        s, t = (rng.choice(names) for _ in range(2))
        if rng.random() < 0.2 and len(lines) > 2:
            s, t = lines[-1].split(" ")[:2]  # a parallel edge
        if not dag or names.index(s) < names.index(t):
            w = rng.choice([-1, low, INT_MAX, rng.randint(low, 30), rng.randint(low, INT_MAX)])
            lines.append(f"{s} {t} {max(w, 0) if low == 0 else w}")
    return ("\n".join(lines) + "\n").encode("latin-1")


# The run of `program` (graph-query unless given) on the file at `path`,
# asked `commands` with --commands.
def run_commands(path, commands, *options, program=None):
    with open(f"{path}.commands", "wb") as file:
        file.write("".join(c + "\n" for c in commands).encode("latin-1"))
    return subprocess.run([*(program or [os.environ["GRAPH_QUERY"]]), *options, "--commands",
                           f"{path}.commands", path], capture_output=True, check=False, timeout=60)


# graph-query's answer lines to each of `commands`.
def graph_query(path, commands, *options):
    lines = run_commands(path, commands, *options).stdout.decode("latin-1").split("\n")
    return {c: [line[len(c) + 2:] for line in lines if line.startswith(c + ": ")]
            for c in commands}
