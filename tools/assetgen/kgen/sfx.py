"""Sound effects and short music, synthesized with sox. Every file is
22050 Hz, mono, 16-bit."""
import os
import subprocess

from .common import path, rng

NOTE = {n: i for i, n in enumerate(["C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"])}


def freq(name):
    """'A4' -> 440.0; numbers pass through."""
    if isinstance(name, (int, float)):
        return float(name)
    pitch, octave = name[:-1], int(name[-1])
    return 440.0 * 2 ** ((NOTE[pitch] + 12 * (octave - 4) - 9) / 12)


def sox(*args):
    subprocess.run(["sox", *map(str, args)], check=True)


def tones(rel, notes, length, gain=-3, tail=(), reverb=True):
    """notes: (start seconds, pitch, kind) where kind is a sox synth type
    such as pluck, sine or triangle. Sustained kinds fade with the whole
    sound; pluck decays by itself."""
    n = len(notes)
    synth = []
    delays = []
    for start, pitch, kind in notes:
        synth += [kind, "%.2f" % freq(pitch)]
        delays.append("%.3f" % start)
    args = ["-r", 44100, "-c", n, "-n", "-b", 16, "-c", 1, path(rel),
            "synth", "%.3f" % length, *synth, "delay", *delays, "remix", "-"]
    if reverb:
        args += ["reverb", 20, 50, 40]
    args += list(tail) + ["fade", "q", 0.005, "%.3f" % (length + max(s for s, _, _ in notes)), 0.08,
                          "norm", gain, "rate", 22050, "dither"]
    sox(*args)


def sweep(rel, f0, f1, length, kind="sine", gain=-4, extra=()):
    sox("-r", 44100, "-n", "-b", 16, "-c", 1, path(rel), "synth", length,
        kind, "%d:%d" % (f0, f1), *extra, "fade", "q", 0.01, length, length * 0.6,
        "norm", gain, "rate", 22050, "dither")


def arpeggio(notes, step, kind="pluck", t0=0.0):
    return [(t0 + i * step, p, kind) for i, p in enumerate(notes)]


# ------------------------------------------------------------------ effects

def effects():
    tones(r"sfx\start.wav", arpeggio(["C5", "E5", "G5", "C6"], 0.08), 0.6)
    for i, (a, b) in enumerate((("E6", "B6"), ("F6", "C7"), ("D6", "A6"))):
        tones(r"sfx\coin%d.wav" % i, [(0, a, "pluck"), (0.07, b, "pluck"), (0.07, freq(b) * 2.01, "pluck")], 0.45)
    tones(r"sfx\click.wav", [(0, "A5", "pluck"), (0, "A6", "pluck")], 0.25, reverb=False)
    tones(r"sfx\click\click0.wav", [(0, 1800, "pluck")], 0.08, reverb=False, gain=-6)
    tones(r"sfx\correct.wav", arpeggio(["G5", "C6"], 0.11), 0.55)
    # a soft, low "oh-oh" rather than a harsh buzzer
    tones(r"sfx\wrong.wav", [(0, "E4", "triangle"), (0.22, "C4", "triangle")], 0.32,
          tail=("tremolo", 8, 30), reverb=False, gain=-5)
    # a tin being tapped: a low knock with metallic overtones
    tones(r"sfx\cans\tinright.wav", [(0, 520, "pluck"), (0, 1390, "pluck"), (0, 2610, "pluck"), (0.0, 170, "pluck")], 0.4)


# -------------------------------------------------------------------- music

SCALE = ["C", "D", "E", "G", "A"]


def pentatonic(octave, degree):
    o, d = divmod(degree, len(SCALE))
    return "%s%d" % (SCALE[d], octave + o)


def tune(rel, seed, bars=4, beat=0.24, kind="pluck", bass=True, gain=-4, top=5):
    """A short cheerful tune on the pentatonic scale with a bass on the
    beat, so nothing ever sounds wrong."""
    r = rng(seed)
    notes = []
    t = 0.0
    degree = r.randrange(0, 5)
    chords = [0, 3, 4, 0] if bars == 4 else ([0, 3, 4, 0] * bars)[:bars]
    for bar in range(bars):
        root = ["C", "F", "G", "C"][chords[bar] % 4 if chords[bar] < 4 else 0] if bass else None
        if bass:
            notes.append((t, "%s3" % ["C", "F", "G", "A"][[0, 3, 4, 5].index(chords[bar]) if chords[bar] in (0, 3, 4, 5) else 0], "pluck"))
            notes.append((t + 2 * beat, "%s3" % ["G", "C", "D", "E"][[0, 3, 4, 5].index(chords[bar]) if chords[bar] in (0, 3, 4, 5) else 0], "pluck"))
        for k in range(4):
            if r.random() < 0.15 and k:
                continue
            degree = max(0, min(9, degree + r.choice((-2, -1, -1, 1, 1, 2))))
            notes.append((t + k * beat, pentatonic(top, degree - 5) if degree < 5 else pentatonic(top, degree - 5), kind))
        t += 4 * beat
    notes.append((t, "C%d" % top, kind))
    notes.append((t, "C4", "pluck"))
    tones(rel, notes, 1.2, gain=gain)


def jingle(rel, pitches, step=0.12, kind="pluck", end_chord=True, gain=-3):
    notes = arpeggio(pitches, step, kind)
    if end_chord:
        t = len(pitches) * step
        last = pitches[-1]
        notes += [(t, last, kind), (t, "C4", "pluck"), (t, "G4", "pluck")]
    tones(rel, notes, 1.0, gain=gain)


INTROS = {
    "splash": ["C5", "E5", "G5", "E5", "C6"],
    "cans": ["G5", "E5", "C5", "E5", "G5", "C6"],
    "treasure": ["A4", "C5", "E5", "A5", "E5", "A5"],
    "pariswheel": ["C5", "G5", "E5", "G5", "C6", "G5", "E6"],
    "thecircle": ["G4", "C5", "E5", "G5", "E5", "C6"],
    "thepond": ["E5", "G5", "A5", "G5", "E5", "D5", "C5"],
    "ghosthouse": ["A4", "C5", "D#5", "A4", "F#5", "A5"],
    "space": ["C6", "G5", "D6", "A5", "E6", "C7"],
    "paint": ["F5", "A5", "C6", "A5", "F5", "C6"],
    "zoo": ["C5", "C5", "G5", "G5", "A5", "G5"],
}
ENDS = {
    "cans": ["C6", "G5", "E5", "C5"],
    "treasure": ["E5", "A5", "C6", "E6"],
    "pariswheel": ["G5", "E5", "C6"],
    "thecircle": ["E5", "G5", "C6"],
    "thepond": ["C5", "E5", "G5", "E6"],
    "ghosthouse": ["A5", "E5", "C5", "A4"],
    "space": ["C7", "G6", "E6", "C6"],
    "paint": ["F5", "C6", "F6"],
    "zoo": ["G5", "A5", "G5", "C6"],
}


def music():
    for name, pitches in INTROS.items():
        jingle(r"sfx\intro\%s.wav" % name, pitches)
    for name, pitches in ENDS.items():
        jingle(r"sfx\end\%s.wav" % name, pitches, step=0.15)
    for i in range(3):
        tune(r"sfx\intro\menu%d.wav" % i, "menu%d" % i, bars=4, beat=0.26)
    # reward sounds of the cans
    tones(r"sfx\cans\rewards\cactus.wav",
          arpeggio(["C5", "D5", "E5", "G5", "A5", "C6", "E6", "G6"], 0.09, "pluck")
          + [(0.8, "C6", "pluck"), (0.8, "E6", "pluck"), (0.8, "G4", "pluck")], 1.2)
    tones(r"sfx\cans\rewards\stars.wav",
          [(i * 0.07, f, "pluck") for i, f in enumerate(["C7", "G6", "E7", "C7", "G7", "E7", "C8", "G7", "E7", "C7"])], 1.0)


def generate():
    effects()
    music()
