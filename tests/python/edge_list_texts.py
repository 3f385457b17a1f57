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


# graph-query's answer lines to each of `commands`, asked with --commands.
def graph_query(text_path, commands, *options):
    commands_path = f"{text_path}.commands"
    with open(commands_path, "wb") as file:
        file.write("".join(c + "\n" for c in commands).encode("latin-1"))
    run = subprocess.run([os.environ["GRAPH_QUERY"], *options, "--commands", commands_path,
                          text_path], capture_output=True, check=False)
    lines = run.stdout.decode("latin-1").split("\n")
    return {c: [line[len(c) + 2:] for line in lines if line.startswith(c + ": ")]
            for c in commands}
