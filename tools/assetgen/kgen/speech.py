"""Recorded speech: English with festival's US female HTS voice (flite's
slt voice when festival is missing), Swedish with espeak-ng. Every file is
trimmed of its silence and written at 22050 Hz, mono, 16-bit."""
import hashlib
import os
import shutil
import subprocess
import tempfile

from .common import CACHE, path
from . import speech_texts as T


def _festival(text, wav):
    scheme = '(voice_cmu_us_slt_arctic_hts)'
    r = subprocess.run(["text2wave", "-eval", scheme, "-o", wav],
                       input=text.encode("utf-8"), capture_output=True)
    if r.returncode != 0 or not os.path.exists(wav):
        subprocess.run(["flite", "-voice", "slt", "-t", text, "-o", wav], check=True)


def _espeak(text, wav):
    subprocess.run(["espeak-ng", "-v", "sv", "-s", "165", "-p", "45", "-w", wav, text], check=True)


def say(lang, text, rel):
    """Speaks text into assets/rel, through a cache keyed by voice and text."""
    os.makedirs(os.path.join(CACHE, "speech"), exist_ok=True)
    key = hashlib.sha1(("v6|%s|%s" % (lang, text)).encode("utf-8")).hexdigest()[:16]
    cached = os.path.join(CACHE, "speech", key + ".wav")
    if not os.path.exists(cached):
        with tempfile.TemporaryDirectory() as tmp:
            raw = os.path.join(tmp, "raw.wav")
            (_festival if lang == "english" else _espeak)(text, raw)
            # trim silence at both ends, keep a short breath of room
            subprocess.run(["sox", "-R", raw, "-r", "22050", "-c", "1", "-b", "16", cached,
                            # short, quiet thresholds keep the burst of a first k or t
                            "silence", "-l", "1", "0.005", "0.3%", "-1", "0.3", "0.3%",
                            "reverse", "silence", "1", "0.005", "0.3%", "reverse",
                            "tempo", "-s", "1.06" if lang == "english" else "1.0",
                            "pad", "0.04", "0.08", "norm", "-2", "rate", "22050", "dither"],
                           check=True)
    shutil.copyfile(cached, path(rel))


def items(lang):
    """Every recording of a language: (text, path in the pack)."""
    base = "speech\\" + lang + "\\"
    for n, word in enumerate(T.NUMBERS[lang]):
        yield word, base + "numbers\\%d.wav" % n
    for n, line in enumerate(T.PRAISE[lang]):
        yield line, base + "rewards\\praise%d.wav" % (n + 1)
    for n, line in enumerate(T.WRONG[lang]):
        yield line, base + "wrong\\wrong%d.wav" % (n + 1)
    yield T.YOURTURN[lang], base + "state\\yourturn.wav"
    for folder, (fw, bw) in T.INSTRUCTIONS[lang].items():
        way = T.ONE_WAY.get(folder)
        if way != "r":
            yield fw, base + folder + "\\instructionf.wav"
        if way != "f":
            yield bw, base + folder + "\\instructionr.wav"
    for n, colour in enumerate(T.COLOURS[lang]):
        yield colour, base + "paint\\colors\\color%d.wav" % n
    for screen, variants in T.GUIDE[lang].items():
        for v, prompts in enumerate(variants):
            letter = "abcdefghijklm"[v]
            for k, prompt in enumerate(prompts):
                yield prompt, base + "intro\\%s\\%s%d.wav" % (screen, letter, k + 1)


def generate():
    for lang in ("english", "swedish"):
        for text, rel in items(lang):
            say(lang, text, rel)
