"""Ghost house: the house at night (windows dark while listening, lit
from the trainee's turn), the eighteen horrors behind the windows, the
entrance as GIF frames, rewards.

The windows sit where the exercise places its horrors, each 70 x 64."""
import math
import os
import subprocess

import cairo

from .common import (rgb, shade, rrect, ellipse, vgrad, surface, save, put_emoji,
                     put_shadowed_emoji, rng, emoji, put, path, CACHE)
from .widgets import INK
from .anim import emoji_frames, wobble, sparkle_extra

HORRORS = [(630, 40), (550, 20), (100, 415), (520, 410), (350, 400), (480, 170), (490, 320),
           (180, 60), (100, 140), (340, 30), (100, 260), (230, 385), (80, 50), (210, 200),
           (460, 20), (650, 290), (560, 190), (430, 230)]
HW, HH = 70, 64
CREATURES = ["ghost", "bat", "spider", "skull", "jack-o-lantern", "owl", "alien-monster", "ghost",
             "spider", "bat", "skull", "jack-o-lantern", "ghost", "owl", "bat", "spider",
             "alien-monster", "jack-o-lantern"]


def house(lit, cr=None):
    s = None
    if cr is None:
        s, cr = surface(800, 600)
    cr.set_source(vgrad(0, 600, [(0, rgb("1b1840")), (1, rgb("45356e"))]))
    cr.paint()
    r = rng("ghost-stars")
    for _ in range(60):
        ellipse(cr, r.uniform(0, 800), r.uniform(0, 350), 1.2, 1.2)
        cr.set_source_rgba(1, 1, 1, r.uniform(0.3, 0.8))
        cr.fill()
    ellipse(cr, 740, 70, 38, 38)
    cr.set_source_rgba(*rgb("fff3c4"))
    cr.fill()
    # the crooked house
    wall = rgb("6b5a8e") if lit else rgb("4e416b")
    cr.move_to(60, 585)
    cr.line_to(64, 120)
    cr.line_to(140, 40)
    cr.line_to(300, 14)
    cr.line_to(420, 8)
    cr.line_to(560, 4)
    cr.line_to(740, 30)
    cr.line_to(752, 585)
    cr.close_path()
    cr.set_source(vgrad(0, 600, [(0, shade(wall, 1.1)), (1, shade(wall, 0.8))]))
    cr.fill_preserve()
    cr.set_source_rgba(*INK)
    cr.set_line_width(3)
    cr.stroke()
    # wooden boards
    for y in range(60, 585, 26):
        cr.move_to(66, y)
        cr.line_to(750, y - 3)
    cr.set_source_rgba(0, 0, 0, 0.12)
    cr.set_line_width(2)
    cr.stroke()
    # roof edge
    cr.move_to(40, 130)
    cr.line_to(140, 28)
    cr.line_to(300, 2)
    cr.line_to(560, -6)
    cr.line_to(770, 24)
    cr.set_source_rgba(*rgb("2b2445"))
    cr.set_line_width(14)
    cr.stroke()
    # windows, one per horror
    for (x, y) in HORRORS:
        rrect(cr, x - 5, y - 5, HW + 10, HH + 10, 6)
        cr.set_source_rgba(*rgb("3a2f24"))
        cr.fill()
        rrect(cr, x, y, HW, HH, 4)
        if lit:
            g = cairo.RadialGradient(x + HW / 2, y + HH / 2, 4, x + HW / 2, y + HH / 2, HW * 0.7)
            g.add_color_stop_rgba(0, *rgb("fff0a6"))
            g.add_color_stop_rgba(1, *rgb("f2b33d"))
            cr.set_source(g)
        else:
            cr.set_source_rgba(*rgb("15122a"))
        cr.fill()
        cr.move_to(x + HW / 2, y)
        cr.line_to(x + HW / 2, y + HH)
        cr.move_to(x, y + HH / 2)
        cr.line_to(x + HW, y + HH / 2)
        cr.set_source_rgba(*rgb("3a2f24"))
        cr.set_line_width(4)
        cr.stroke()
    # door
    cr.move_to(640, 585)
    cr.line_to(640, 480)
    cr.curve_to(640, 430, 720, 430, 720, 480)
    cr.line_to(720, 585)
    cr.close_path()
    cr.set_source_rgba(*rgb("3a2414"))
    cr.fill_preserve()
    cr.set_source_rgba(*INK)
    cr.set_line_width(2)
    cr.stroke()
    # ground
    cr.rectangle(0, 575, 800, 25)
    cr.set_source_rgba(*rgb("2a3a2a"))
    cr.fill()
    return s


def horrors():
    for k, name in enumerate(CREATURES):
        s, cr = surface(HW, HH)
        rrect(cr, 0, 0, HW, HH, 4)
        g = cairo.RadialGradient(HW / 2, HH / 2, 4, HW / 2, HH / 2, HW * 0.7)
        g.add_color_stop_rgba(0, *rgb("fff0a6"))
        g.add_color_stop_rgba(1, *rgb("e58f2c"))
        cr.set_source(g)
        cr.fill()
        put_shadowed_emoji(cr, name, HW / 2, HH / 2 + 2, 54, hflip=(k % 2 == 1))
        save(s, r"gfx\ghosthouse\horrors\horror%02d.png" % k)


def entrance():
    """Twelve frames walking up to the door, which opens, into darkness."""
    frames = 12
    tmp = os.path.join(CACHE, "enter")
    os.makedirs(tmp, exist_ok=True)
    base = house(False)
    for i in range(frames):
        s, cr = surface(800, 600)
        t = i / (frames - 1)
        zoom = 1 + 2.6 * t * t
        cx, cy = 680, 520
        cr.save()
        cr.translate(400, 300 + 120 * t)
        cr.scale(zoom, zoom)
        cr.translate(-(400 + (cx - 400) * t), -(300 + (cy - 300) * t))
        cr.set_source_surface(base, 0, 0)
        cr.paint()
        if i >= 7:
            # the door swings open onto darkness
            op = (i - 7) / 4
            cr.move_to(640, 585)
            cr.line_to(640, 480)
            cr.curve_to(640, 430, 720, 430, 720, 480)
            cr.line_to(720, 585)
            cr.close_path()
            cr.set_source_rgba(0.02, 0.01, 0.05, 1)
            cr.fill()
            cr.move_to(640, 585)
            cr.line_to(640, 450)
            cr.line_to(640 + 80 * (1 - op), 455)
            cr.line_to(640 + 80 * (1 - op), 585)
            cr.close_path()
            cr.set_source_rgba(*rgb("3a2414"))
            cr.fill()
        cr.restore()
        if i >= 9:
            cr.set_source_rgba(0, 0, 0, (i - 8) / 4)
            cr.paint()
        if 3 <= i <= 8:
            put_emoji(cr, "ghost", 200 + i * 30, 200 - i * 8, 80 + i * 6)
        png = os.path.join(tmp, "enter%02d.png" % i)
        s.write_to_png(png)
        subprocess.run(["convert", png, "-colors", "128", "+dither",
                        path(r"gfx\ghosthouse\enter\enter%02d.gif" % i)], check=True)


def rewards():
    emoji_frames(r"gfx\ghosthouse\rewards\pumpkin%d.png", "jack-o-lantern", 8, 200, 200, 130, wobble(10, 12),
                 extra=sparkle_extra("ghost-pumpkin"))
    emoji_frames(r"gfx\ghosthouse\rewards\spider%d.png", "spider", 8, 200, 200, 120,
                 lambda i, n: (0, -40 + 60 * abs(math.sin(i * math.pi / 7)), 1.0, 0, 1.0),
                 extra=lambda cr, i: (cr.move_to(100, 0), cr.line_to(100, 50 + 60 * abs(math.sin(i * math.pi / 7))),
                                      cr.set_source_rgba(1, 1, 1, 0.8), cr.set_line_width(1.5), cr.stroke()))
    emoji_frames(r"gfx\ghosthouse\rewards\wave%d.png", "waving-hand", 8, 200, 200, 120,
                 lambda i, n: (0, 0, 1.0, 20 * math.sin(i * math.pi / 2), 1.0))


def generate():
    save(house(False), r"gfx\ghosthouse\background0.png")
    save(house(True), r"gfx\ghosthouse\background1.png")
    horrors()
    entrance()
    rewards()
