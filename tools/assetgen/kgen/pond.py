"""The pond: ten fish in an easy set (ten different kinds) and a hard set
(one kind in close shades), each with four frames (right, turning, left,
turning) and a lit version; the bubble, the shell that opens as progress,
the rewards.

Fish i is drawn so that its hit area (5, y offset, width, height) from the
table of the exercise covers the body."""
import math

import cairo

from .common import (rgb, shade, rrect, ellipse, vgrad, surface, save, put_emoji,
                     put_shadowed_emoji, rng, emoji, put, tinted, recoloured)
from .widgets import INK
from .anim import emoji_frames, hop, wobble, sparkle_extra

HIT = [(20, 205, 125), (21, 185, 110), (15, 165, 105), (15, 150, 90), (15, 130, 80),
       (10, 118, 75), (10, 105, 67), (10, 95, 60), (10, 85, 53), (10, 77, 47)]
# emoji, and whether the picture faces left as drawn
EASY = [("spouting-whale", True), ("shark", True), ("dolphin", True), ("tropical-fish", True),
        ("blowfish", True), ("fish", True), ("octopus", False), ("turtle", True),
        ("crab", False), ("shrimp", True)]
# the hard set: one kind of fish in close shades of gold, which stand out
# well against the blue water but are hard to tell from each other
HARD_TINTS = [rgb("f28c28"), rgb("f39a2e"), rgb("ee8a22"), rgb("f5a033"), rgb("f0912a"),
              rgb("f29630"), rgb("ec8620"), rgb("f49c31"), rgb("ef8f26"), rgb("f3982c")]


def fish_picture(name, faces_left, w, h, frame, hit, tint=None, lit=False):
    """One frame of a fish, centred on its hit area and filling it: the
    picture is stretched sideways a little, as fish are longer than tall."""
    yoff, hw, hh = hit
    s, cr = surface(w, h)
    cx, cy = 5 + hw / 2, yoff + hh / 2
    size = min(hh * 1.15, 2 * cy - 2, 2 * (h - cy) - 2)
    stretch = min(1.4, (hw * 1.05) / size)
    src = emoji(name, size, hflip=faces_left)      # now facing right
    if tint:
        src = recoloured(src, tint, 0.8)
    sx = 1.0
    flip = frame == 2
    if frame in (1, 3):
        sx = 0.35
    cr.save()
    cr.translate(cx, cy)
    cr.scale(stretch * sx * (-1 if flip else 1), 1)
    if lit:
        for d in range(9, 0, -3):
            cr.set_source_rgba(1, 0.9, 0.2, 0.35)
            for dx, dy in ((d, 0), (-d, 0), (0, d), (0, -d)):
                cr.mask_surface(src, -size / 2 + dx, -size / 2 + dy)
        src = tinted(src, (1, 0.95, 0.6, 1), 0.3)
    cr.set_source_surface(src, -size / 2, -size / 2)
    cr.paint()
    cr.restore()
    return s


def fish_sets():
    for set_name in ("easy", "hard"):
        for i, (yoff, hw, hh) in enumerate(HIT):
            w, h = hw + 10, hh + yoff + 6
            if set_name == "easy":
                name, left = EASY[i]
                tint = None
            else:
                name, left = "fish", True
                tint = HARD_TINTS[i]
            for f in range(4):
                # normal picture, and a lit version drawn over it (glow only)
                s = fish_picture(name, left, w, h, f, HIT[i], tint)
                save(s, "gfx\\thepond\\fish\\%s\\normal\\fish%d%s.png" % (set_name, i, "abcd"[f]))
                s = fish_picture(name, left, w, h, f, HIT[i], tint, lit=True)
                save(s, "gfx\\thepond\\fish\\%s\\lit\\fish%d%s.png" % (set_name, i, "abcd"[f]))


def bubbles():
    for k in range(4):
        s, cr = surface(40, 40)
        r = 13 + k % 2 * 2
        ellipse(cr, 20, 20, r, r + (k - 1.5) * 0.8)
        cr.set_source_rgba(0.85, 0.95, 1, 0.35)
        cr.fill_preserve()
        cr.set_source_rgba(1, 1, 1, 0.9)
        cr.set_line_width(2)
        cr.stroke()
        ellipse(cr, 14, 14, 4, 3)
        cr.set_source_rgba(1, 1, 1, 0.9)
        cr.fill()
        save(s, r"gfx\thepond\bubbles\bubble%d.png" % k)


def shell():
    """Ten frames: the shell opens a little more after each solved
    sequence and shows its pearl growing inside."""
    for k in range(10):
        s, cr = surface(120, 110)
        t = k / 9
        lift = 38 * t
        # lower half with its ridges
        cr.move_to(12, 72)
        cr.curve_to(20, 108, 100, 108, 108, 72)
        cr.close_path()
        cr.set_source(vgrad(70, 106, [(0, rgb("f7c6d0")), (1, rgb("e08aa0"))]))
        cr.fill_preserve()
        cr.set_source_rgba(*INK)
        cr.set_line_width(2)
        cr.stroke()
        for dx in (-30, -15, 0, 15, 30):
            cr.move_to(60 + dx * 0.4, 102)
            cr.line_to(60 + dx, 74)
        cr.set_source_rgba(0.6, 0.2, 0.3, 0.3)
        cr.set_line_width(1.2)
        cr.stroke()
        # the pearl, bigger as the shell opens
        if k > 0:
            pr = 6 + 8 * t
            g = cairo.RadialGradient(60 - pr * 0.4, 72 - pr * 0.5, 1, 60, 72 - pr * 0.6, pr)
            g.add_color_stop_rgba(0, 1, 1, 1, 1)
            g.add_color_stop_rgba(1, 0.82, 0.84, 0.95, 1)
            ellipse(cr, 60, 72 - pr * 0.6, pr, pr)
            cr.set_source(g)
            cr.fill_preserve()
            cr.set_source_rgba(0.5, 0.5, 0.6, 0.8)
            cr.set_line_width(1)
            cr.stroke()
        # the hinge at the back
        if k > 0:
            cr.move_to(16, 72)
            cr.line_to(18, 72 - lift)
            cr.move_to(104, 72)
            cr.line_to(102, 72 - lift)
            cr.set_source_rgba(*rgb("d98aa0"))
            cr.set_line_width(3)
            cr.stroke()
        # upper half, lifted
        base = 72 - lift
        cr.move_to(12, base)
        cr.curve_to(16, base - 44 * (1 - 0.3 * t), 104, base - 44 * (1 - 0.3 * t), 108, base)
        cr.close_path()
        cr.set_source(vgrad(base - 40, base, [(0, rgb("ffd9e1")), (1, rgb("f0a3b5"))]))
        cr.fill_preserve()
        cr.set_source_rgba(*INK)
        cr.set_line_width(2)
        cr.stroke()
        save(s, r"gfx\thepond\shell%d.png" % k)


def background():
    s, cr = surface(800, 600)
    cr.set_source(vgrad(0, 600, [(0, rgb("7fd3f7")), (0.5, rgb("2f9bd6")), (1, rgb("1b5f9e"))]))
    cr.paint()
    r = rng("pond")
    # light rays
    for k in range(6):
        x = 80 + k * 130
        cr.move_to(x, 0)
        cr.line_to(x + 50, 0)
        cr.line_to(x - 40, 560)
        cr.line_to(x - 110, 560)
        cr.close_path()
        cr.set_source_rgba(1, 1, 1, 0.06)
        cr.fill()
    # sandy bottom with plants
    cr.move_to(0, 540)
    for x in range(0, 820, 20):
        cr.line_to(x, 535 + 8 * math.sin(x / 70))
    cr.line_to(800, 600)
    cr.line_to(0, 600)
    cr.close_path()
    cr.set_source(vgrad(530, 600, [(0, rgb("e9cf8f")), (1, rgb("c9a968"))]))
    cr.fill()
    for x in (70, 160, 520, 600, 740):
        for j in range(3):
            cr.move_to(x + j * 9, 545)
            cr.curve_to(x + j * 9 - 20, 480, x + j * 9 + 20, 450, x + j * 9, 400 + r.uniform(0, 60))
        cr.set_source_rgba(*rgb("2e9e5b"))
        cr.set_line_width(6)
        cr.set_line_cap(cairo.LINE_CAP_ROUND)
        cr.stroke()
    put_shadowed_emoji(cr, "rock", 700, 545, 60)
    put_shadowed_emoji(cr, "coral", 420, 540, 54)
    for _ in range(25):
        ellipse(cr, r.uniform(0, 800), r.uniform(0, 520), r.uniform(2, 5), r.uniform(2, 5))
        cr.set_source_rgba(1, 1, 1, 0.25)
        cr.fill()
    return s


def rewards():
    emoji_frames(r"gfx\thepond\rewards\crab%d.png", "crab", 8, 200, 200, 120,
                 lambda i, n: (20 * math.sin(i * math.pi / 4), -8 * abs(math.sin(i * math.pi / 2)), 1.0, 0, 1.0))
    emoji_frames(r"gfx\thepond\rewards\star%d.png", "star", 8, 200, 200, 120, 
                 lambda i, n: (0, 0, 0.85 + 0.15 * math.sin(i), 360 * i / 8, 1.0),
                 extra=sparkle_extra("pond-star"))


def generate():
    fish_sets()
    bubbles()
    shell()
    save(background(), r"gfx\thepond\background.png")
    rewards()
