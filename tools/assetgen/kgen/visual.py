"""Picture cues for the visual mode: the frame beside the rabbit, one
picture per item of an exercise (numbers, paint colours, the circle's
animals and, for the senior layout, its instruments) for each language, the your-turn picture and the two direction
arrows."""
from .common import rgb, shade, rrect, ellipse, vgrad, surface, save, put_emoji, text, text_mid
from .widgets import INK, GREEN, ORANGE, triangle
from .circle import ANIMALS, INSTRUMENTS
from .paint import POT_COLOURS
from . import speech_texts as T

FW, FH = 100, 80   # the frame; the cue pictures are 70 x 64, 6 below its top
CW, CH = 70, 64
YOURTURN = {"english": "Your turn!", "swedish": "Din tur!"}


def frames():
    s, cr = surface(FW, FH)
    rrect(cr, 2, 2, FW - 4, FH - 4, 14)
    cr.set_source(vgrad(0, FH, [(0, rgb("ffffff")), (1, rgb("e8eefb"))]))
    cr.fill_preserve()
    cr.set_source_rgba(*rgb("f2b705"))
    cr.set_line_width(4)
    cr.stroke()
    save(s, r"gfx\visual\visualframe.png")
    s, cr = surface(FW, FH)
    rrect(cr, 2, 2, FW - 4, FH - 4, 14)
    cr.set_source_rgba(1, 1, 1, 0.92)
    cr.fill()
    save(s, r"gfx\visual\visualframeb.png")


def tile():
    s, cr = surface(CW, CH)
    rrect(cr, 1, 1, CW - 2, CH - 2, 10)
    cr.set_source_rgba(1, 1, 1, 1)
    cr.fill()
    return s, cr


def cues(lang):
    base = "gfx\\visual\\%s\\" % lang
    for n in range(10):
        s, cr = tile()
        text_mid(cr, str(n), CW / 2, CH / 2, 46, color=rgb("2f4f9a"))
        save(s, base + "numbers\\%d.png" % n)
    words = T.COLOUR_WORDS_SV if lang == "swedish" else T.COLOURS["english"]
    for k, colour in enumerate(POT_COLOURS):
        s, cr = tile()
        ellipse(cr, CW / 2, 24, 20, 17)
        cr.set_source_rgba(*colour)
        cr.fill_preserve()
        cr.set_source_rgba(*INK)
        cr.set_line_width(1.5)
        cr.stroke()
        text(cr, words[k], CW / 2, 58, 14, color=INK)
        save(s, base + "colors\\color%d.png" % k)
    for folder, items in (("animals", ANIMALS), ("instruments", INSTRUMENTS)):
        for stem, name in items:
            s, cr = tile()
            put_emoji(cr, name, CW / 2, CH / 2, 56)
            save(s, base + "%s\\%s.png" % (folder, stem))
    s, cr = tile()
    put_emoji(cr, "backhand-index-pointing-up", CW / 2, 24, 34)
    text(cr, YOURTURN[lang], CW / 2, 58, 13, color=INK)
    save(s, base + "yourturn.png")


def arrows():
    for name, direction, colour in (("fw", 1, GREEN), ("bw", -1, ORANGE)):
        s, cr = tile()
        rrect(cr, 8, 18, CW - 16, CH - 36, 10)
        cr.set_source_rgba(*colour)
        cr.fill()
        triangle(cr, CW / 2 + direction * 12, CH / 2, 22, direction, colour)
        triangle(cr, CW / 2 - direction * 4, CH / 2, 16, direction, (1, 1, 1, 1))
        save(s, "gfx\\visual\\%s.png" % name)


def generate():
    frames()
    for lang in ("english", "swedish"):
        cues(lang)
    arrows()
