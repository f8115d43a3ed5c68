"""Position lists, the number test's digit lists, and the small
configuration files under data/.

A position list holds candidate sequences of place numbers, one number a
line, span lines per candidate. Every candidate uses distinct places, and
avoids runs of three neighbouring places in a row (0 1 2, 5 4 3 ...), which
would be too easy to remember as a line."""
import itertools
import os

from .common import path, rng

# exercise folder, layout sizes with their spans, list name
POSITIONS = [
    ("cans", {4: range(2, 5), 8: range(5, 9)}, "cans.txt"),
    ("treasure", {6: range(2, 7), 9: range(2, 10)}, "coins.txt"),
    ("pariswheel", {6: range(2, 7), 8: range(2, 9)}, "wagons.txt"),
    ("paint", {4: range(2, 5), 8: range(2, 9)}, "colors.txt"),
    ("ghosthouse", {6: range(2, 7), 9: range(2, 10)}, "horrors.txt"),
    ("space", {6: range(2, 7), 10: range(2, 11)}, "ufos.txt"),
    ("zoo", {10: range(2, 11)}, "animals.txt"),
]
CANDIDATES = 48


def trivial(seq):
    """A run of three consecutive places going the same way."""
    for a, b, c in zip(seq, seq[1:], seq[2:]):
        if b - a == c - b and abs(b - a) == 1:
            return True
    return False


def candidates(places, span, r):
    """CANDIDATES sequences of distinct places, spread evenly over the
    possible ones when there are few of them."""
    if span > places:
        raise ValueError("span %d exceeds %d places" % (span, places))
    total = 1
    for k in range(span):
        total *= places - k
    out = []
    if total <= 5000:
        pool = [p for p in itertools.permutations(range(places), span) if not trivial(p)]
        if span == 2:
            pool = [p for p in pool if abs(p[0] - p[1]) != 0]
        while len(out) < CANDIDATES:
            batch = pool[:]
            r.shuffle(batch)
            for p in batch:
                if len(out) == CANDIDATES:
                    break
                if out and out[-1] == p:
                    continue
                out.append(p)
    else:
        seen = set()
        while len(out) < CANDIDATES:
            p = tuple(r.sample(range(places), span))
            if p in seen or trivial(p):
                continue
            seen.add(p)
            out.append(p)
    return out


def write_lines(rel, lines, final_break=True):
    with open(path(rel), "w", encoding="ascii", newline="") as f:
        f.write("\r\n".join(lines) + ("\r\n" if final_break else ""))


def positions():
    for folder, layouts, listname in POSITIONS:
        for places, spans in layouts.items():
            for span in spans:
                r = rng("pos/%s/%d/%d" % (folder, places, span))
                lines = [str(n) for c in candidates(places, span, r) for n in c]
                write_lines(r"data\pos\%s\%dpos\%d%s" % (folder, places, span, listname), lines)


def testnumbers():
    """fw<span-1><a|b>.txt and bw...: digits 1 to 9, distinct, no runs;
    no line break after the last digit (it would read as an extra 0)."""
    for d in ("fw", "bw"):
        for n in range(1, 6):
            span = n + 1
            for trial in "ab":
                r = rng("test/%s%d%s" % (d, n, trial))
                while True:
                    seq = r.sample(range(1, 10), span)
                    if not trivial(seq):
                        break
                write_lines(r"data\testnumbers\%s%d%s.txt" % (d, n, trial),
                            [str(x) for x in seq], final_break=False)


def config():
    write_lines(r"data\paths.txt", ["USER"])


def generate():
    positions()
    testnumbers()
    config()
