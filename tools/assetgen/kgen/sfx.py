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
    subprocess.run(["sox", "-R", *map(str, args)], check=True)


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


# ------------------------------------------------------- exercise sounds

def noise(rel, length, tail=(), kind="pinknoise", gain=-6):
    sox("-r", 44100, "-n", "-b", 16, "-c", 1, path(rel), "synth", length, kind, *tail,
        "fade", "q", 0.005, length, length * 0.7, "norm", gain, "rate", 22050, "dither")


def voice(rel, words, effects=(), gain=-3):
    """An animal call said by the English voice, then shaped with sox."""
    import tempfile
    from .speech import _festival
    with tempfile.TemporaryDirectory() as tmp:
        raw = tmp + "/raw.wav"
        _festival(words, raw)
        sox(raw, "-r", 22050, "-c", 1, "-b", 16, path(rel),
            "silence", 1, 0.02, "0.5%", "reverse", "silence", 1, 0.02, "0.5%", "reverse",
            *effects, "norm", gain, "rate", 22050, "dither")


def concat(rel, parts):
    """Joins temporary pieces into one file."""
    sox(*parts, path(rel))


# name stems as the circle's pictures: a0cat ... a9lion
CIRCLE_CALLS = {
    "a0cat": ("Meeow!", ("pitch", 500, "tempo", 0.8)),
    "a1dog": ("Woof! Woof!", ("pitch", -200,)),
    "a2cow": ("Mooooo!", ("pitch", -700, "tempo", 0.7)),
    "a3duck": ("Quack quack!", ("pitch", 300, "overdrive", 8)),
    "a4pig": ("Oink oink!", ("pitch", -100, "overdrive", 6)),
    "a5rooster": ("Cock a doodle doo!", ("pitch", 400, "tempo", 1.1)),
    "a6horse": ("Neigh hee hee!", ("pitch", 300, "tremolo", 12, 40)),
    "a7frog": ("Ribbit! Ribbit!", ("pitch", -400,)),
    "a8owl": ("Hoo hoo!", ("pitch", -300, "reverb", 40)),
    "a9lion": ("Roar!", ("pitch", -900, "overdrive", 12, "reverb", 30)),
}
ZOO_CALLS = {
    "parrot": ("Hello! Hello!", ("pitch", 700, "tempo", 1.2)),
    "lion": ("Roaar!", ("pitch", -900, "overdrive", 12, "reverb", 30)),
    "camel": ("Hmmmf!", ("pitch", -500, "tempo", 0.8)),
    "monkey": ("Ooh ooh, aah aah!", ("pitch", 600, "tempo", 1.2)),
    "zebra": ("Hee haw!", ("pitch", 100,)),
    "owl": ("Hoo hoo!", ("pitch", -300, "reverb", 40)),
    "frog": ("Ribbit! Ribbit!", ("pitch", -400,)),
}


def animal_sounds():
    for stem, (words, fx) in CIRCLE_CALLS.items():
        voice(r"sfx\thecircle\animals\%s.wav" % stem, words, fx)
    for name, (words, fx) in ZOO_CALLS.items():
        voice(r"sfx\zoo\%s.wav" % name, words, fx)
    # the elephant trumpets, the wasp buzzes and the snake hisses
    sweep(r"sfx\zoo\elephant.wav", 300, 620, 0.9, kind="sawtooth", extra=("tremolo", 9, 50))
    tones(r"sfx\zoo\wasp.wav", [(0, 210, "sawtooth"), (0, 216, "sawtooth")], 1.0,
          tail=("tremolo", 24, 60, "lowpass", 1800), reverb=False, gain=-8)
    noise(r"sfx\zoo\snake.wav", 1.0, ("highpass", 3000, "tremolo", 3, 40), kind="whitenoise", gain=-9)


def instruments():
    base = r"sfx\thecircle\instruments\%s.wav"
    # drum: a low thump with a skin rattle
    tones(base % "i0drum", [(0, 70, "sine"), (0.25, 70, "sine"), (0.5, 90, "sine")], 0.22,
          tail=("fade", "q", 0.002, 0.2, 0.18), reverb=True)
    tones(base % "i1guitar", arpeggio(["E3", "G3", "B3", "E4", "G4", "B4"], 0.06), 1.2)
    tones(base % "i2violin", [(0, "A4", "sawtooth"), (0.5, "C#5", "sawtooth"), (1.0, "E5", "sawtooth")], 0.5,
          tail=("lowpass", 3000, "tremolo", 6, 20), gain=-6)
    tones(base % "i3trumpet", [(0, "C5", "square"), (0.18, "C5", "square"), (0.36, "G5", "square")], 0.16,
          tail=("lowpass", 2500,), reverb=True, gain=-7)
    tones(base % "i4piano", [(0, "C4", "pluck"), (0, "C5", "pluck"), (0.3, "E5", "pluck"),
                             (0.6, "G5", "pluck"), (0.9, "C6", "pluck"), (0.9, "C4", "pluck")], 1.0)
    tones(base % "i5bell", [(0, 880, "pluck"), (0, 2212, "pluck"), (0, 3520, "pluck"), (0.7, 880, "pluck"),
                            (0.7, 2212, "pluck")], 1.3)
    tones(base % "i6saxophone", [(0, "D4", "square"), (0.35, "F4", "square"), (0.7, "A4", "square")], 0.35,
          tail=("lowpass", 1200, "tremolo", 5, 15), gain=-6)
    tones(base % "i7flute", [(0, "G5", "sine"), (0.4, "A5", "sine"), (0.8, "B5", "sine")], 0.4,
          tail=("tremolo", 5, 10), gain=-5)
    noise(base % "i8maracas", 0.12, ("highpass", 4000, "repeat", 5), kind="whitenoise", gain=-10)
    tones(base % "i9accordion", [(0, "C4", "sawtooth"), (0, "E4", "sawtooth"), (0, "G4", "sawtooth"),
                                 (0, 263, "sawtooth")], 1.2, tail=("lowpass", 2000, "tremolo", 4, 20), gain=-7)


def exercise_sounds():
    for i in range(4):
        tune(r"sfx\pariswheel\wheelmusic%d.wav" % i, "wheel%d" % i, bars=2, beat=0.22, top=5)
    # bubbles: quick rising bloops
    sox("-r", 44100, "-c", 3, "-n", "-b", 16, "-c", 1, path(r"sfx\thepond\bubbles.wav"),
        "synth", 0.12, "sine", "300:900", "sine", "400:1200", "sine", "350:1000",
        "delay", 0, 0.14, 0.26, "remix", "-", "fade", "q", 0.005, 0.4, 0.05, "norm", -4, "rate", 22050, "dither")
    # the saucer: a wobbling sine sweep
    sweep(r"sfx\space\ufo.wav", 500, 1400, 0.7, extra=("tremolo", 14, 60))
    # the ghost house reveals
    voice(r"sfx\ghosthouse\boo.wav", "Boooo!", ("pitch", -600, "reverb", 60, "tremolo", 5, 30))
    sweep(r"sfx\ghosthouse\whoo.wav", 400, 900, 1.2, extra=("tremolo", 6, 40, "reverb", 50))
    voice(r"sfx\ghosthouse\hahaha.wav", "Ha ha ha!", ("pitch", -400, "reverb", 60))


def reward_sounds():
    j = lambda rel, notes, step=0.1: jingle(rel, notes, step)
    j(r"sfx\treasure\rewards\rabbit.wav", ["C5", "E5", "G5", "C6", "G5", "C6"])
    j(r"sfx\treasure\rewards\bat.wav", ["A5", "E6", "A5", "E6", "A6"], 0.08)
    j(r"sfx\treasure\rewards\snake.wav", ["E5", "D5", "C5", "D5", "E5", "G5"])
    j(r"sfx\thecircle\rewards\bird.wav", ["G6", "E6", "G6", "C7", "G6"], 0.08)
    j(r"sfx\thecircle\rewards\cat.wav", ["C5", "G5", "E5", "C6"])
    j(r"sfx\thecircle\rewards\snake.wav", ["E5", "D5", "C5", "D5", "E5", "G5"])
    j(r"sfx\thepond\rewards\crab.wav", ["C5", "C5", "G5", "G5", "C6"], 0.12)
    j(r"sfx\thepond\rewards\star.wav", ["C6", "E6", "G6", "C7", "E7"], 0.08)
    j(r"sfx\ghosthouse\rewards\pumpkin.wav", ["A4", "C5", "E5", "A5", "C6"])
    j(r"sfx\ghosthouse\rewards\spider.wav", ["E5", "F5", "E5", "F5", "A5"], 0.09)
    j(r"sfx\ghosthouse\rewards\wave.wav", ["G5", "C6", "E6", "G6"])
    j(r"sfx\space\rewards\normal.wav", ["C6", "G6", "C7", "G6", "C7"], 0.08)
    j(r"sfx\space\rewards\upsidedown.wav", ["C7", "G6", "E6", "C6", "G5"], 0.1)
    j(r"sfx\space\rewards\goingup.wav", ["C5", "E5", "G5", "C6", "E6", "G6", "C7"], 0.07)
    j(r"sfx\zoo\rewards\bird.wav", ["G6", "E6", "G6", "C7", "G6"], 0.08)
    j(r"sfx\zoo\rewards\bee.wav", ["E5", "E5", "E5", "G5", "E5"], 0.08)
    # fireworks: whooshes and pops
    noise(r"sfx\pariswheel\rewards\fireworks.wav", 1.6,
          ("highpass", 800, "tremolo", 2.5, 90, "reverb", 50), kind="brownnoise", gain=-6)


_generate_common = generate


def generate():
    _generate_common()
    exercise_sounds()
    animal_sounds()
    instruments()
    reward_sounds()
