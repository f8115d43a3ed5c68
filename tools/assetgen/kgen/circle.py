"""The circle: ring, lamps off and on, the ten animals (and the senior
instruments) shown in the middle, decorations, rewards.

The animal pictures and their sounds share their names, so both folders
list in the same order."""
import math

import cairo

from .common import (rgb, shade, rrect, ellipse, vgrad, surface, save, put_emoji,
                     put_shadowed_emoji, rng, emoji, put, text_mid)
from .widgets import INK, star_path
from .anim import emoji_frames, hop, wobble, sparkle_extra

# file name stem: emoji. The stems sort in this order.
ANIMALS = [("a0cat", "cat"), ("a1dog", "dog"), ("a2cow", "cow"), ("a3duck", "duck"),
           ("a4pig", "pig"), ("a5rooster", "rooster"), ("a6horse", "horse"),
           ("a7frog", "frog"), ("a8owl", "owl"), ("a9lion", "lion")]
INSTRUMENTS = [("i0drum", "drum"), ("i1guitar", "guitar"), ("i2violin", "violin"),
               ("i3trumpet", "trumpet"), ("i4piano", "musical-keyboard"), ("i5bell", "bell"),
               ("i6saxophone", "saxophone"), ("i7flute", "flute"), ("i8maracas", "maracas"),
               ("i9accordion", "accordion")]


def ring():
    s, cr = surface(400, 400)
    c = 200
    ellipse(cr, c, c, 186, 186)
    cr.set_source_rgba(0, 0, 0, 0.18)
    cr.fill()
    ellipse(cr, c, c, 180, 180)
    cr.set_source(vgrad(20, 380, [(0, rgb("fff1c9")), (1, rgb("f3d18a"))]))
    cr.fill_preserve()
    cr.set_source_rgba(*INK)
    cr.set_line_width(2.5)
    cr.stroke()
    # the track the lamps stand on
    ellipse(cr, c, c, 150, 150)
    cr.set_source_rgba(*rgb("c0392b"))
    cr.set_line_width(16)
    cr.stroke()
    ellipse(cr, c, c, 150, 150)
    cr.set_source_rgba(1, 1, 1, 0.7)
    cr.set_line_width(3)
    cr.set_dash([10, 10])
    cr.stroke()
    cr.set_dash([])
    # a stage in the middle for the animal that is asked for
    ellipse(cr, c, c, 95, 95)
    cr.set_source(vgrad(105, 295, [(0, rgb("ffffff")), (1, rgb("f6e6c0"))]))
    cr.fill_preserve()
    cr.set_source_rgba(*rgb("c0392b"))
    cr.set_line_width(4)
    cr.stroke()
    save(s, r"gfx\thecircle\circle.png")


def lamps():
    for on in (False, True):
        s, cr = surface(80, 80)
        c = 40
        if on:
            g = cairo.RadialGradient(c, c, 10, c, c, 40)
            g.add_color_stop_rgba(0, 1, 0.95, 0.5, 0.9)
            g.add_color_stop_rgba(1, 1, 0.9, 0.3, 0)
            cr.set_source(g)
            cr.paint()
        ellipse(cr, c + 1.5, c + 2.5, 27, 27)
        cr.set_source_rgba(0, 0, 0, 0.3)
        cr.fill()
        body = rgb("ffd23f") if on else rgb("7a6fa8")
        g = cairo.RadialGradient(c - 9, c - 9, 3, c, c, 28)
        g.add_color_stop_rgba(0, *shade(body, 1.5 if on else 1.3))
        g.add_color_stop_rgba(1, *shade(body, 0.85))
        ellipse(cr, c, c, 27, 27)
        cr.set_source(g)
        cr.fill_preserve()
        cr.set_source_rgba(*INK)
        cr.set_line_width(2.5)
        cr.stroke()
        ellipse(cr, c, c, 20, 20)
        cr.set_source_rgba(1, 1, 1, 0.6 if on else 0.25)
        cr.set_line_width(2)
        cr.stroke()
        if not on:
            text_mid(cr, "?", c, c, 26, color=(1, 1, 1, 0.85))
        save(s, r"gfx\thecircle\led%s.png" % ("on" if on else "off"))


def pictures():
    for stem, name in ANIMALS:
        s, cr = surface(160, 160)
        put_shadowed_emoji(cr, name, 80, 80, 140)
        save(s, r"gfx\thecircle\animals\%s.png" % stem)
    for stem, name in INSTRUMENTS:
        s, cr = surface(160, 160)
        put_shadowed_emoji(cr, name, 80, 80, 140)
        save(s, r"gfx\senior\thecircle\instruments\%s.png" % stem)


def decorations():
    for k, names in enumerate((["balloon", "balloon", "balloon"], ["circus-tent"], ["ticket", "popcorn"])):
        s, cr = surface(140, 200)
        if k == 0:
            for j, (dx, dy) in enumerate(((-25, 60), (20, 40), (0, 90))):
                cr.move_to(70 + dx, dy + 30)
                cr.curve_to(70 + dx, 140, 70, 150, 70, 190)
                cr.set_source_rgba(*INK)
                cr.set_line_width(1)
                cr.stroke()
            for j, (dx, dy) in enumerate(((-25, 60), (20, 40), (0, 90))):
                put_emoji(cr, "balloon", 70 + dx, dy, 70)
        elif k == 1:
            put_shadowed_emoji(cr, "circus-tent", 70, 110, 130)
        else:
            put_shadowed_emoji(cr, "popcorn", 70, 130, 100)
            put_shadowed_emoji(cr, "ticket", 70, 50, 70)
        save(s, r"gfx\thecircle\extra%d.png" % k)


def background():
    s, cr = surface(800, 600)
    # circus: red and cream stripes under a warm light. The picture must be opaque (so
    # the program can skip redrawing a frame that did not change): a cream ground under
    # the stripes fills the seams between them, and the stripes fan out from above the
    # picture far enough to fill its top corners too.
    cr.set_source_rgba(*rgb("f7e7c6"))
    cr.paint()
    for k, x in enumerate(range(-1240, 2040, 60)):
        cr.move_to(400, -200)
        cr.line_to(x, 600)
        cr.line_to(x + 60, 600)
        cr.close_path()
        cr.set_source_rgba(*(rgb("d94f45") if k % 2 else rgb("f7e7c6")))
        cr.fill()
    g = cairo.RadialGradient(400, 300, 50, 400, 300, 520)
    g.add_color_stop_rgba(0, 1, 1, 0.9, 0.0)
    g.add_color_stop_rgba(1, 0.2, 0.05, 0.15, 0.35)
    cr.set_source(g)
    cr.paint()
    cr.rectangle(0, 500, 800, 100)
    cr.set_source(vgrad(500, 600, [(0, rgb("8d5a3b")), (1, rgb("5e3a25"))]))
    cr.fill()
    return s


def rewards():
    emoji_frames(r"gfx\thecircle\rewards\bird%d.png", "bird", 8, 200, 200, 120,
                 lambda i, n: (0, -12 * math.sin(i * math.pi / 2), 1.0, 8 * math.sin(i * math.pi / 2), 1.0),
                 extra=sparkle_extra("circle-bird"))
    emoji_frames(r"gfx\thecircle\rewards\cat%d.png", "cat", 8, 200, 200, 130, hop(26, 1.0))
    emoji_frames(r"gfx\thecircle\rewards\snake%d.png", "snake", 8, 200, 200, 140, wobble(14, 8))


def generate():
    ring()
    lamps()
    pictures()
    decorations()
    save(background(), r"gfx\thecircle\background.png")
    rewards()
