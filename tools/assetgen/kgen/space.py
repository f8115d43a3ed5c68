"""Space: ten saucers in five looks (seen from the left, right, above,
below and underneath) at rest and flashing, the starry background, the
rewards. Each picture is sized so that its hit area holds the saucer."""
import math

import cairo

from .common import (rgb, shade, rrect, ellipse, vgrad, surface, save, put_emoji,
                     put_shadowed_emoji, rng, emoji, put, tinted)
from .widgets import INK
from .anim import emoji_frames, sparkle_extra

# name: picture size, hit area (x, y, w, h), rotation of the saucer
LOOKS = {
    "ufoleft": ((100, 152), (12, 26, 75, 120), -90),
    "uforight": ((122, 134), (41, 7, 75, 120), 90),
    "ufoup": ((138, 92), (7, 11, 124, 75), 0),
    "ufodown": ((150, 122), (25, 42, 120, 75), 180),
    "ufobottom": ((134, 98), (18, 1, 97, 93), None),
}


def saucer(name, lit):
    (w, h), (hx, hy, hw, hh), rot = LOOKS[name]
    s, cr = surface(w, h)
    cx, cy = hx + hw / 2, hy + hh / 2
    if lit:
        g = cairo.RadialGradient(cx, cy, 5, cx, cy, max(hw, hh) * 0.7)
        g.add_color_stop_rgba(0, 0.6, 1, 0.7, 0.9)
        g.add_color_stop_rgba(1, 0.6, 1, 0.7, 0)
        cr.set_source(g)
        cr.paint()
    if rot is None:
        # seen from underneath: a disc with a ring of lights
        r = min(hw, hh) / 2 - 2
        ellipse(cr, cx, cy, r, r)
        cr.set_source(vgrad(cy - r, cy + r, [(0, rgb("d9dee8")), (1, rgb("8e97a8"))]))
        cr.fill_preserve()
        cr.set_source_rgba(*INK)
        cr.set_line_width(2)
        cr.stroke()
        ellipse(cr, cx, cy, r * 0.45, r * 0.45)
        cr.set_source_rgba(*(rgb("9cff9c") if lit else rgb("5aa7d8")))
        cr.fill_preserve()
        cr.set_source_rgba(*INK)
        cr.stroke()
        for k in range(10):
            a = k * math.pi / 5
            ellipse(cr, cx + r * 0.75 * math.cos(a), cy + r * 0.75 * math.sin(a), 4, 4)
            cr.set_source_rgba(*(rgb("fff36b") if lit else rgb("ffb74d")))
            cr.fill()
    else:
        size = max(hw, hh) * 1.05
        src = emoji("flying-saucer", size)
        if lit:
            src = tinted(src, (0.6, 1, 0.6, 1), 0.35)
        cr.save()
        cr.translate(cx, cy)
        cr.rotate(math.radians(rot))
        cr.set_source_surface(src, -size / 2, -size / 2)
        cr.paint()
        cr.restore()
    save(s, r"gfx\space\%s%d.png" % (name, 1 if lit else 0))


def background():
    s, cr = surface(800, 600)
    g = cairo.RadialGradient(400, 300, 50, 400, 300, 600)
    g.add_color_stop_rgba(0, *rgb("2b2f6b"))
    g.add_color_stop_rgba(1, *rgb("0b0d26"))
    cr.set_source(g)
    cr.paint()
    r = rng("space")
    for _ in range(180):
        x, y = r.uniform(0, 800), r.uniform(0, 600)
        rad = r.choice((0.8, 1, 1.2, 1.6, 2.2))
        ellipse(cr, x, y, rad, rad)
        cr.set_source_rgba(1, 1, r.uniform(0.8, 1), r.uniform(0.4, 1))
        cr.fill()
    # a soft nebula
    for x, y, rad, col in ((620, 470, 180, (0.8, 0.3, 0.9)), (160, 120, 150, (0.2, 0.6, 1.0))):
        g = cairo.RadialGradient(x, y, 10, x, y, rad)
        g.add_color_stop_rgba(0, col[0], col[1], col[2], 0.25)
        g.add_color_stop_rgba(1, col[0], col[1], col[2], 0)
        cr.set_source(g)
        cr.paint()
    put_shadowed_emoji(cr, "ringed-planet", 690, 110, 120)
    put_emoji(cr, "comet", 110, 500, 60)
    put_emoji(cr, "full-moon", 740, 500, 60)
    return s


def rewards():
    emoji_frames(r"gfx\space\rewards\normal%d.png", "flying-saucer", 8, 200, 200, 130,
                 lambda i, n: (10 * math.sin(i * math.pi / 4), 8 * math.sin(i * math.pi / 2), 1.0, 6 * math.sin(i), 1.0),
                 extra=sparkle_extra("space-normal"))
    emoji_frames(r"gfx\space\rewards\upsidedown%d.png", "flying-saucer", 8, 200, 200, 130,
                 lambda i, n: (0, 0, 1.0, 180 * min(1, i / 5), 1.0))
    emoji_frames(r"gfx\space\rewards\goingup%d.png", "flying-saucer", 8, 200, 200, 110,
                 lambda i, n: (0, 60 - i * 22, 1.0, 0, 1.0 if i < 7 else 0.5))


def generate():
    for name in LOOKS:
        saucer(name, False)
        saucer(name, True)
    save(background(), r"gfx\space\background.png")
    rewards()
