"""Zoo: the park with ten enclosures and the ten animals, each with a
few frames of moving, and the bird and bee that fly across at the end.
Each animal picture is sized so its hit area (from the exercise's table)
holds the animal."""
import math

import cairo

from .common import (rgb, shade, rrect, ellipse, vgrad, surface, save, put_emoji,
                     put_shadowed_emoji, rng, emoji, put)
from .widgets import INK
from .anim import emoji_frames
from .screens import cloud

# name, emoji, position, hit area, frames, kind of movement
ANIMALS = [
    ("parrot", "parrot", (55, 100), (30, 25, 115, 98), 4, "flap"),
    ("lion", "lion", (250, 225), (50, 15, 115, 75), 4, "roar"),
    ("camel", "camel", (470, 140), (10, 15, 100, 100), 4, "nod"),
    ("elephant", "elephant", (600, 65), (30, 15, 110, 85), 4, "nod"),
    ("monkey", "monkey", (85, 275), (12, 15, 95, 95), 4, "hop"),
    ("wasp", "honeybee", (305, 325), (10, 30, 100, 98), 4, "buzz"),
    ("zebra", "zebra", (450, 260), (30, 23, 110, 93), 6, "nod"),
    ("owl", "owl", (615, 185), (50, 15, 67, 95), 4, "turn"),
    ("frog", "frog", (425, 485), (35, 5, 115, 80), 4, "hop"),
    ("snake", "snake", (580, 390), (63, 13, 110, 95), 4, "wiggle"),
]


def motion(kind, i):
    """(dx, dy, scale, angle) of frame i; frame 0 is the animal at rest."""
    if i == 0:
        return 0, 0, 1.0, 0
    t = i * math.pi / 2
    return {
        "flap": (0, -8 * abs(math.sin(t)), 1.0, 10 * math.sin(t)),
        "roar": (0, 0, 1.0 + 0.08 * abs(math.sin(t)), -6 * math.sin(t)),
        "nod": (0, 3 * math.sin(t), 1.0, 7 * math.sin(t)),
        "hop": (0, -14 * abs(math.sin(t)), 1.0, 0),
        "buzz": (6 * math.sin(t * 2), -6 * math.cos(t), 1.0, 12 * math.sin(t)),
        "turn": (0, 0, 1.0, 14 * math.sin(t)),
        "wiggle": (5 * math.sin(t), 0, 1.0, 9 * math.sin(t)),
    }[kind]


def animals():
    for name, emo, _pos, (hx, hy, hw, hh), frames, kind in ANIMALS:
        w, h = hx + hw + 10, hy + hh + 8
        size = min(hw, hh) * 1.08
        for i in range(frames):
            s, cr = surface(w, h)
            dx, dy, sc, angle = motion(kind, i)
            sz = size * sc
            cx, cy = hx + hw / 2 + dx, hy + hh / 2 + dy
            ellipse(cr, hx + hw / 2, hy + hh - 2, hw * 0.35, 5)
            cr.set_source_rgba(0, 0, 0, 0.2)
            cr.fill()
            put(cr, emoji(emo, sz), cx - sz / 2, cy - sz / 2, sz, sz, angle=angle)
            if name == "wasp":
                # a wasp is a bee with a sharper yellow and black look
                pass
            save(s, r"gfx\zoo\animals\%s%d.png" % (name, i))


def background():
    s, cr = surface(800, 600)
    cr.set_source(vgrad(0, 600, [(0, rgb("a5dcff")), (0.25, rgb("d8f1ff")), (0.26, rgb("9ad37a")), (1, rgb("5aa84a"))]))
    cr.paint()
    for x, y, sc in ((300, 40, 0.7), (460, 30, 0.6)):
        cloud(cr, x, y, sc)
    r = rng("zoo")
    # paths between the enclosures
    cr.move_to(0, 420)
    cr.curve_to(200, 380, 350, 470, 800, 430)
    cr.set_source_rgba(*rgb("e8d3a0"))
    cr.set_line_width(36)
    cr.stroke()
    # one enclosure per animal: a patch of its own ground with a low fence
    grounds = {"parrot": "7bc96f", "lion": "e5c37a", "camel": "f0d68f", "elephant": "b9c98a",
               "monkey": "6fbf5a", "wasp": "c6e58a", "zebra": "d9cf8a", "owl": "5e9e55",
               "frog": "6fc2d0", "snake": "c9b27a"}
    for name, _e, (x, y), (hx, hy, hw, hh), _f, _k in ANIMALS:
        ex, ey, ew, eh = x + hx - 12, y + hy + hh * 0.55, hw + 24, hh * 0.55
        ellipse(cr, ex + ew / 2, ey + eh / 2, ew / 2, eh / 2)
        cr.set_source_rgba(*rgb(grounds[name]))
        cr.fill_preserve()
        cr.set_source_rgba(*rgb("8d5524"))
        cr.set_line_width(3)
        cr.set_dash([6, 4])
        cr.stroke()
        cr.set_dash([])
    for x, y, n in ((760, 300, "deciduous-tree"), (30, 520, "evergreen-tree"), (200, 130, "palm-tree"),
                    (380, 150, "deciduous-tree"), (560, 560, "sunflower")):
        put_shadowed_emoji(cr, n, x, y, 70)
    # the gate sign
    rrect(cr, 330, 8, 140, 36, 10)
    cr.set_source_rgba(*rgb("8d5524"))
    cr.fill_preserve()
    cr.set_source_rgba(*INK)
    cr.set_line_width(2)
    cr.stroke()
    for k, n in enumerate(("lion", "giraffe", "elephant")):
        put_emoji(cr, n, 360 + k * 40, 26, 28)
    return s


def rewards():
    emoji_frames(r"gfx\zoo\rewards\bird%d.png", "bird", 4, 130, 110, 96,
                 lambda i, n: (0, -8 * (i % 2), 1.0, (-12, 8, -12, 8)[i], 1.0), hflip=True)
    emoji_frames(r"gfx\zoo\rewards\bee%d.png", "honeybee", 4, 110, 100, 80,
                 lambda i, n: (0, -6 * (i % 2), 1.0, (8, -8, 8, -8)[i], 1.0))


def generate():
    animals()
    save(background(), r"gfx\zoo\background.png")
    rewards()
