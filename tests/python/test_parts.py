# Part summaries merged in order against reading whole.
import pickle
import random

import pytest

import graph_query as gq
from edge_list_texts import random_text
from test_reading import summary_of


# The parts of `data` cut right after the line feeds at `cuts`, each through
# pickle, merged in order; one begun inside a triple is refused, then read
# again where the one before goes on, from the file or the bytes.
def merged(path, data, cuts, directed):
    bounds = [0, *cuts, len(data)]
    parts = [pickle.loads(pickle.dumps(gq.Part(memoryview(data)[a:b], directed,
                                               gq.Start.line_start(a))))
             for a, b in zip(bounds, bounds[1:])]
    whole = parts[0]
    for part, end in zip(parts[1:], bounds[2:]):
        if whole.resume and part.start != whole.resume:
            pytest.raises(ValueError, whole.merge, part).match("read the later part again")
            part = gq.Part.from_file(path, True, whole.resume, end) if directed else gq.Part(
                memoryview(data)[whole.resume.offset:end], False, whole.resume)
        whole.merge(part)
    return whole


SMALL = [b"V 2\nE 5\nA B 1 \xc3\xa9\n2 C D 1.25\nC A\n-4\nA A 7\n",
         b"V\n2\nE 5\nA B\n1\nB C x\nC A 2\n"]


@pytest.mark.parametrize("seed", range(6))
def test_parts_merge_into_what_reading_whole_gives(tmp_path, seed):
    rng, path = random.Random(seed), tmp_path / "edges.txt"
    data = SMALL[seed] if seed < 2 else bytes(  # some blanks line feeds: triples across lines
        10 if c == 32 and rng.random() < 0.3 else c for c in random_text(seed))
    path.write_bytes(data)
    feeds = [at + 1 for at, c in enumerate(data[:-1]) if c == 10]
    cuts = [[at] for at in feeds] + [feeds] if seed < 2 else [
        sorted(rng.sample(feeds, min(20, len(feeds)))) for _ in range(4)]
    for directed in (False, True):
        whole = summary_of(gq.read(path, directed, strict=False))
        assert summary_of(gq.Part.from_file(path, directed).summary()) == whole
        for cut in cuts:
            part = merged(path, data, cut, directed)
            assert (summary_of(part.summary()), part.resume) == (
                whole, gq.Start(len(data)) if whole[1].complete else None), cut


# A place before the input's start is a ValueError naming it, not the
# binding's TypeError of an unsigned argument.
@pytest.mark.parametrize("read, named", [
    (lambda: gq.Part(b"A B 1\n", start=gq.Start(-1)), "start"),
    (lambda: gq.Part(b"A B 1\n", start=gq.Start(0, 0)), "start"),
    (lambda: gq.Part.from_file("edges.txt", end=-1), "end")])
def test_a_place_before_the_start_is_a_value_error(read, named):
    pytest.raises(ValueError, read).match(f"^{named}: ")
