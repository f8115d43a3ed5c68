"""Settings, statistics, diploma, diploma printing and number test
pictures."""
import math

import cairo

from .common import (rgb, shade, rrect, ellipse, vgrad, surface, save, put_emoji,
                     put_shadowed_emoji, rng, emoji, put, text, text_mid, greyed)
from .widgets import (INK, BLUE, GREEN, RED, ORANGE, PURPLE, TEAL, YELLOW, PANEL,
                      round_button, square_button, panel, well, check_mark, cross_mark,
                      star_path)
from .screens import landscape, cloud

SETTINGS_BUTTONS = [
    ("stat", "bar-chart", TEAL), ("music", "musical-notes", PURPLE),
    ("sound", "speaker-high-volume", BLUE), ("twocontacts", None, ORANGE),
    ("onecontact", None, ORANGE), ("scantime", None, rgb("5b6b8c")),
    ("extraframe", None, rgb("5b6b8c")), ("reset", "counterclockwise-arrows-button", RED),
    ("about", "information", BLUE), ("reward", "trophy", YELLOW),
    ("showcorrect", "check-mark-button", GREEN), ("usestop", "stop-sign", RED),
    ("visual", "framed-picture", TEAL), ("userabbit", "rabbit-face", rgb("c77dff")),
    ("diploma", "scroll", YELLOW), ("selgame", "video-game", GREEN),
    ("senior", "old-woman", rgb("8c6bb1")),
]
BW = 70


def switch_disc(cr, cx, cy, r):
    ellipse(cr, cx, cy + 2, r, r)
    cr.set_source_rgba(0, 0, 0, 0.3)
    cr.fill()
    ellipse(cr, cx, cy, r, r)
    cr.set_source(vgrad(cy - r, cy + r, [(0, rgb("ff6b6b")), (1, rgb("c0392b"))]))
    cr.fill_preserve()
    cr.set_source_rgba(*INK)
    cr.set_line_width(1.5)
    cr.stroke()
    ellipse(cr, cx - r * 0.3, cy - r * 0.3, r * 0.3, r * 0.2)
    cr.set_source_rgba(1, 1, 1, 0.6)
    cr.fill()


def settings_buttons():
    for name, icon, colour in SETTINGS_BUTTONS:
        s, cr = surface(BW, BW)
        square_button(cr, 3, 2, BW - 8, BW - 8, colour, r=14)
        c = BW / 2 - 1
        if icon:
            put_shadowed_emoji(cr, icon, c, c - 1, 42)
        elif name == "twocontacts":
            switch_disc(cr, c - 13, c, 11)
            switch_disc(cr, c + 13, c, 11)
        elif name == "onecontact":
            switch_disc(cr, c, c, 15)
        elif name == "scantime":
            # the program writes the scan time in the middle
            ellipse(cr, c, c, 20, 20)
            cr.set_source_rgba(1, 1, 1, 0.95)
            cr.fill_preserve()
            cr.set_source_rgba(*INK)
            cr.set_line_width(1.5)
            cr.stroke()
            put_emoji(cr, "stopwatch", c + 18, c - 18, 24)
        elif name == "extraframe":
            for col, w in ((INK, 5), ((1, 1, 1, 1), 2.5)):
                cr.set_source_rgba(*col)
                cr.set_line_width(w)
                for sx, sy in ((1, 1), (-1, 1), (1, -1), (-1, -1)):
                    x0, y0 = c - sx * 18, c - sy * 18
                    cr.move_to(x0, y0 + sy * 10)
                    cr.line_to(x0, y0)
                    cr.line_to(x0 + sx * 10, y0)
                    cr.stroke()
            put_emoji(cr, "backhand-index-pointing-up", c + 4, c + 6, 24)
        save(s, r"gfx\buttons\%s.png" % name)
    # the cross laid over a button whose option is off
    s, cr = surface(BW, BW)
    rrect(cr, 3, 2, BW - 8, BW - 8, 14)
    cr.set_source_rgba(0.2, 0.2, 0.25, 0.45)
    cr.fill()
    cross_mark(cr, BW / 2 - 1, BW / 2 - 2, 60, color=(*INK[:3], 0.9), width=12)
    cross_mark(cr, BW / 2 - 1, BW / 2 - 2, 60, color=(*rgb("ff4d4d")[:3], 1), width=7)
    save(s, r"gfx\settings\offbtn.png")


def settings_background():
    s, cr = surface(800, 600)
    cr.set_source(vgrad(0, 600, [(0, rgb("4f7fd0")), (1, rgb("2f4f9a"))]))
    cr.paint()
    # a band for the two rows of buttons
    rrect(cr, 4, 4, 792, 160, 16)
    cr.set_source_rgba(1, 1, 1, 0.12)
    cr.fill()
    # a calm picture below the caption line
    put_shadowed_emoji(cr, "gear", 400, 360, 170)
    for k, n in enumerate(("speaker-high-volume", "musical-notes", "trophy", "rabbit-face")):
        a = -math.pi / 2 + k * math.pi / 2 + math.pi / 4
        put_emoji(cr, n, 400 + 190 * math.cos(a), 360 + 140 * math.sin(a), 60, alpha=0.5)
    save(s, r"gfx\settings\general.png")


CREDITS = {
    "english": {
        "tagline": "Working-memory training for children and seniors",
        "made": "Made by the Kestrova developers",
        "entries": [
            ("Pictures", "our own drawings, with the Fluent Emoji Flat icons",
             "Copyright (c) Microsoft Corporation, MIT licence"),
            ("Letters in the pictures", "Liberation Sans",
             "SIL Open Font License 1.1"),
            ("Sounds and music", "our own, synthesized with SoX",
             "part of Kestrova"),
            ("English speech", "Festival Speech Synthesis System, CMU US SLT voice",
             "Copyright 2003 Carnegie Mellon University; free to use, copy and modify"),
            ("Swedish speech", "eSpeak NG, Swedish voice",
             "the recordings carry no licence terms of their own"),
            ("Program icon and GIF frames", "converted from our drawings with ImageMagick",
             "part of Kestrova"),
        ],
        "licences": "The licences in full are in CREDITS.md in the program's folder.",
    },
    "swedish": {
        "tagline": "Träning av arbetsminnet för barn och seniorer",
        "made": "Gjord av Kestrovas utvecklare",
        "entries": [
            ("Bilder", "våra egna teckningar, med ikonerna Fluent Emoji Flat",
             "Copyright (c) Microsoft Corporation, MIT-licens"),
            ("Bokstäver i bilderna", "Liberation Sans",
             "SIL Open Font License 1.1"),
            ("Ljud och musik", "våra egna, syntetiserade med SoX",
             "en del av Kestrova"),
            ("Engelskt tal", "Festival Speech Synthesis System, rösten CMU US SLT",
             "Copyright 2003 Carnegie Mellon University; fri att använda, kopiera och ändra"),
            ("Svenskt tal", "eSpeak NG, svensk röst",
             "inspelningarna har inga egna licensvillkor"),
            ("Programikon och GIF-bilder", "omvandlade från våra teckningar med ImageMagick",
             "en del av Kestrova"),
        ],
        "licences": "Licenserna i sin helhet finns i CREDITS.md i programmets mapp.",
    },
}


def credits_page(lang):
    """Who made the program and every outside source of the pack with its licence, as
    CREDITS.md lists them, in the words of the language. The program writes its version in
    the bottom right corner and its back button in the top left, so both stay clear."""
    words = CREDITS[lang]
    s, cr = surface(800, 600)
    cr.set_source(vgrad(0, 600, [(0, rgb("fff8e8")), (1, rgb("f3e2c0"))]))
    cr.paint()
    put_shadowed_emoji(cr, "bird", 400, 62, 80)
    text(cr, "Kestrova", 400, 150, 46, color=rgb("2f4f9a"))
    text(cr, words["tagline"], 400, 182, 18, color=rgb("26304f"))
    text(cr, words["made"], 400, 210, 16, color=rgb("26304f"), bold=False)
    ink, soft = rgb("26304f"), rgb("5a6078")
    y = 252
    for title, what, licence in words["entries"]:
        text(cr, title + ": " + what, 400, y, 15, color=ink, bold=False)
        text(cr, licence, 400, y + 19, 13, color=soft, bold=False)
        y += 46
    text(cr, words["licences"], 400, y + 8, 13, color=soft, bold=False)
    save(s, r"gfx\settings\%s\credits.png" % lang)


def stats_pictures():
    for name, icon, colour in (("save", "floppy-disk", BLUE), ("print", "printer", TEAL)):
        s, cr = surface(60, 60)
        square_button(cr, 3, 2, 52, 52, colour, r=12)
        put_shadowed_emoji(cr, icon, 28, 27, 36)
        save(s, r"gfx\buttons\%s.png" % name)
    for chosen in (0, 1):
        s, cr = surface(50, 22)
        rrect(cr, 1, 1, 48, 20, 8)
        col = rgb("ffd23f") if chosen else rgb("dfe7f7")
        cr.set_source(vgrad(1, 21, [(0, shade(col, 1.1)), (1, shade(col, 0.9))]))
        cr.fill_preserve()
        cr.set_source_rgba(*INK)
        cr.set_line_width(1.5 if not chosen else 2.5)
        cr.stroke()
        save(s, r"gfx\buttons\weekbtn%d.png" % chosen)
        s, cr = surface(170, 23)
        rrect(cr, 1, 1, 168, 21, 8)
        cr.set_source(vgrad(1, 22, [(0, shade(col, 1.1)), (1, shade(col, 0.9))]))
        cr.fill_preserve()
        cr.set_source_rgba(*INK)
        cr.set_line_width(1.5 if not chosen else 2.5)
        cr.stroke()
        save(s, r"gfx\buttons\stattype%d.png" % chosen)
    for name, col in (("correctbar", rgb("43a047")), ("wrongbar", rgb("e53935"))):
        s, cr = surface(14, 100)
        rrect(cr, 1, 1, 12, 98, 4)
        cr.set_source(vgrad(0, 100, [(0, shade(col, 1.25)), (1, shade(col, 0.85))]))
        cr.fill_preserve()
        cr.set_source_rgba(*INK)
        cr.set_line_width(1)
        cr.stroke()
        save(s, r"gfx\stat\%s.png" % name)
    for name, col in (("today", rgb("ff9a1f")), ("yesterday", rgb("9aa3bd"))):
        s, cr = surface(24, 24)
        cr.move_to(12, 22)
        cr.line_to(3, 6)
        cr.curve_to(3, 0, 21, 0, 21, 6)
        cr.close_path()
        cr.set_source_rgba(*col)
        cr.fill_preserve()
        cr.set_source_rgba(*INK)
        cr.set_line_width(1.5)
        cr.stroke()
        ellipse(cr, 12, 7, 3.5, 3.5)
        cr.set_source_rgba(1, 1, 1, 1)
        cr.fill()
        save(s, r"gfx\stat\%s.png" % name)


# --------------------------------------------------------------- diploma

PAGE_W, PAGE_H = 424, 600
DESIGNS = [
    # frame colour, paper, border motif, stickers
    (rgb("f2b705"), rgb("fffaf0"), "star",
     ["star", "glowing-star", "sun-with-face", "rainbow", "balloon", "party-popper",
      "trophy", "crown", "red-heart", "rosette", "teddy-bear", "sparkles"]),
    (rgb("2f8fd8"), rgb("f0f8ff"), "tropical-fish",
     ["tropical-fish", "octopus", "crab", "spiral-shell", "sailboat", "whale", "turtle",
      "dolphin", "anchor", "palm-tree", "beach-with-umbrella", "blowfish"]),
    (rgb("43a047"), rgb("f4fbef"), "four-leaf-clover",
     ["lion", "monkey-face", "parrot", "frog", "butterfly", "sunflower", "tiger-face",
      "koala", "panda", "hibiscus", "snail", "lady-beetle"]),
    (rgb("5a4fcf"), rgb("f3f1ff"), "crescent-moon",
     ["rocket", "ringed-planet", "flying-saucer", "alien", "comet", "astronaut",
      "satellite", "full-moon", "star", "milky-way", "telescope", "sun"]),
    (rgb("c2185b"), rgb("fff3f7"), "cherry-blossom",
     ["castle", "unicorn", "dragon", "crown", "gem-stone", "cupcake", "ice-cream",
      "lollipop", "kite", "strawberry", "cherries", "wrapped-gift"]),
]


def diploma_page(frame, paper, motif, blank=False):
    s, cr = surface(PAGE_W, PAGE_H)
    cr.rectangle(0, 0, PAGE_W, PAGE_H)
    cr.set_source_rgba(*paper)
    cr.fill()
    if blank:
        cr.rectangle(1, 1, PAGE_W - 2, PAGE_H - 2)
        cr.set_source_rgba(0.8, 0.8, 0.85, 1)
        cr.set_line_width(2)
        cr.stroke()
        return s
    for inset, width, alpha in ((10, 10, 1), (26, 2, 0.8)):
        rrect(cr, inset, inset, PAGE_W - 2 * inset, PAGE_H - 2 * inset, 18)
        cr.set_source_rgba(frame[0], frame[1], frame[2], alpha)
        cr.set_line_width(width)
        cr.stroke()
    for x, y in ((34, 34), (PAGE_W - 34, 34), (34, PAGE_H - 34), (PAGE_W - 34, PAGE_H - 34)):
        put_emoji(cr, motif, x, y, 34)
    # ribbon with a medal at the top, empty space for the stickers below
    put_shadowed_emoji(cr, "1st-place-medal", PAGE_W / 2, 92, 90)
    for k in range(5):
        star_path(cr, PAGE_W / 2 - 80 + k * 40, 160, 13, 5.5)
        cr.set_source_rgba(*frame)
        cr.fill()
    cr.move_to(60, 196)
    cr.line_to(PAGE_W - 60, 196)
    cr.set_source_rgba(frame[0], frame[1], frame[2], 0.5)
    cr.set_line_width(2)
    cr.stroke()
    r = rng("dipl-%s" % motif)
    for _ in range(14):
        x, y = r.uniform(50, PAGE_W - 50), r.uniform(220, PAGE_H - 60)
        star_path(cr, x, y, 5, 2)
        cr.set_source_rgba(frame[0], frame[1], frame[2], 0.18)
        cr.fill()
    return s


def diplomas():
    for d, (frame, paper, motif, stickers) in enumerate(DESIGNS):
        save(diploma_page(frame, paper, motif), r"gfx\diploma\%d\background.png" % d)
        for k, name in enumerate(stickers):
            w = 40 + (k * 7) % 22
            s, cr = surface(w, 40)
            put(cr, emoji(name, 38), (w - 38) / 2, 1)
            save(s, r"gfx\diploma\%d\item%02d.png" % (d, k))
    save(diploma_page(rgb("ffffff"), rgb("ffffff"), None, blank=True), r"gfx\diploma\blank.png")
    # the price coin, with room for the number
    s, cr = surface(48, 48)
    ellipse(cr, 25, 26, 21, 21)
    cr.set_source_rgba(*shade(rgb("f2bd2c"), 0.6))
    cr.fill()
    g = cairo.RadialGradient(17, 16, 2, 24, 24, 22)
    g.add_color_stop_rgba(0, *rgb("ffe98a"))
    g.add_color_stop_rgba(1, *rgb("e9a91c"))
    ellipse(cr, 24, 24, 21, 21)
    cr.set_source(g)
    cr.fill_preserve()
    cr.set_source_rgba(*INK)
    cr.set_line_width(1.8)
    cr.stroke()
    ellipse(cr, 24, 24, 16, 16)
    cr.set_source_rgba(1, 1, 1, 0.35)
    cr.set_line_width(1.5)
    cr.stroke()
    save(s, r"gfx\diploma\coin.png")


# ------------------------------------------------------------ number test

KEY = 84


def numbertest():
    s, cr = surface(800, 600)
    cr.set_source(vgrad(0, 600, [(0, rgb("3a4fa0")), (1, rgb("1f2d66"))]))
    cr.paint()
    r = rng("numbertest")
    for _ in range(30):
        d = r.randrange(1, 10)
        text(cr, str(d), r.uniform(20, 780), r.uniform(40, 590), r.uniform(20, 48), color=(1, 1, 1, 0.07))
    # a panel behind the keypad (271..529, 185..443)
    rrect(cr, 252, 166, 296, 296, 26)
    cr.set_source_rgba(1, 1, 1, 0.12)
    cr.fill_preserve()
    cr.set_source_rgba(1, 1, 1, 0.35)
    cr.set_line_width(2)
    cr.stroke()
    put_shadowed_emoji(cr, "ear", 400, 95, 90)
    save(s, r"gfx\numbertest\background.png")
    for d in range(1, 10):
        for lit, suffix in ((False, "a"), (True, "b")):
            k, kc = surface(KEY, KEY)
            square_button(kc, 3, 2, KEY - 8, KEY - 8, rgb("ffd23f") if lit else rgb("e9eef8"), r=16)
            text_mid(kc, str(d), KEY / 2 - 1, KEY / 2 - 2, 44, color=rgb("26304f"))
            save(k, r"gfx\numbertest\%d%s.png" % (d, suffix))


def generate():
    settings_buttons()
    settings_background()
    for lang in CREDITS:
        credits_page(lang)
    stats_pictures()
    diplomas()
    numbertest()
