#!/usr/bin/python3
"""Rough clarity check of the English recordings: each file goes through
the pocketsphinx recogniser with its general English model, and the words
it hears are compared with the words we meant (single numbers and colours against the set they
belong to, as a trainee hears them). A recording counts as
recognised when at least half of its words come back. Prints one line per
file and a summary."""
import os
import re
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from kgen.common import path  # noqa: E402
from kgen.speech import items  # noqa: E402

MODEL = "/usr/share/pocketsphinx/model/en-us/"
NUMBER_WORDS = {"0": "zero", "1": "one", "2": "two", "3": "three", "4": "four",
                "5": "five", "6": "six", "7": "seven", "8": "eight", "9": "nine"}


def words(s):
    return [w for w in re.findall(r"[a-z']+", s.lower().replace("'s", "s"))]


def lcs(a, b):
    t = [[0] * (len(b) + 1) for _ in range(len(a) + 1)]
    for i, x in enumerate(a):
        for j, y in enumerate(b):
            t[i + 1][j + 1] = t[i][j] + 1 if x == y else max(t[i][j + 1], t[i + 1][j])
    return t[-1][-1]


def hear(wav, choices=None):
    """What the recogniser hears: free English, or one of `choices` (for
    the single words, which a trainee always hears as one of a set)."""
    with tempfile.TemporaryDirectory() as tmp:
        w16 = os.path.join(tmp, "a.wav")
        subprocess.run(["sox", wav, "-r", "16000", w16], check=True)
        lm = ["-lm", MODEL + "en-us.lm.bin"]
        if choices:
            gram = os.path.join(tmp, "set.gram")
            with open(gram, "w") as f:
                f.write("#JSGF V1.0;\ngrammar set;\npublic <w> = %s;\n" % " | ".join(choices))
            lm = ["-jsgf", gram]
        r = subprocess.run(["pocketsphinx_continuous", "-infile", w16, "-hmm", MODEL + "en-us",
                            *lm, "-dict", MODEL + "cmudict-en-us.dict"],
                           capture_output=True, text=True)
        return r.stdout.strip()


def main():
    total = ok = 0
    hit_words = all_words = 0
    numbers = ["zero", "one", "two", "three", "four", "five", "six", "seven", "eight", "nine"]
    colours = ["red", "blue", "yellow", "green", "orange", "purple", "pink", "brown"]
    for text, rel in items("english"):
        want = words(text)
        choices = numbers if "numbers\\" in rel else colours if "colors\\" in rel else None
        got = words(hear(path(rel), choices))
        found = lcs(want, got)
        total += 1
        all_words += len(want)
        hit_words += found
        good = found * 2 >= len(want)
        ok += good
        print("%-4s %-44s | %-52s | %s" % ("ok" if good else "MISS", rel.split("english\\")[1], text, " ".join(got)))
    print("\n%d of %d recordings recognised (at least half of their words); %d of %d words heard (%.0f%%)"
          % (ok, total, hit_words, all_words, 100.0 * hit_words / max(1, all_words)))


if __name__ == "__main__":
    main()
