"""Treasure: the chest (closed to open), the numbered coins and the
numbered buttons (which the ghost house hangs in its windows too).

The chest is drawn at (200, 60); the coins lie on its floor in a 3 x 3 grid
from (345, 185) with 55 pixels between rows, so the open chest shows its
floor at chest coordinates (130..320, 110..300)."""
import math

import cairo

from .common import (rgb, shade, rrect, ellipse, vgrad, surface, save, text, text_mid,
                     put_emoji, put_shadowed_emoji, rng, mix)
from .widgets import INK, star_path
from .anim import emoji_frames, hop, sparkle_extra, wobble
from .screens import landscape, cloud

CHEST_W, CHEST_H = 400, 360
WOOD = rgb("a0622d")
GOLD = rgb("f2c230")


def chest_frame(k, frames):
    s, cr = surface(CHEST_W, CHEST_H)
    t = k / (frames - 1)          # 0 closed, 1 wide open
    x0, x1 = 40, 360
    top, bottom = 110, 330
    # shadow
    ellipse(cr, 200, bottom + 4, 175, 16)
    cr.set_source_rgba(0, 0, 0, 0.25)
    cr.fill()
    # inside of the box (seen from above when open)
    rrect(cr, x0, top, x1 - x0, 200, 14)
    cr.set_source(vgrad(top, top + 200, [(0, rgb("5a1f2b")), (1, rgb("8a2f3f"))]))
    cr.fill()
    # velvet floor where the coins lie
    rrect(cr, 122, 118, 206, 186, 12)
    cr.set_source(vgrad(118, 304, [(0, rgb("b0364a")), (1, rgb("7e2233"))]))
    cr.fill()
    for yy in range(130, 300, 18):
        cr.move_to(126, yy)
        cr.line_to(324, yy)
    cr.set_source_rgba(1, 1, 1, 0.05)
    cr.set_line_width(2)
    cr.stroke()
    # the front wall of the box, below the floor
    cr.rectangle(x0, 300, x1 - x0, bottom - 300)
    cr.set_source(vgrad(300, bottom, [(0, shade(WOOD, 1.1)), (1, shade(WOOD, 0.8))]))
    cr.fill()
    # side walls seen from above
    for (xa, xb) in ((x0, 122), (328, x1)):
        cr.rectangle(xa, top, xb - xa, 300 - top)
    cr.set_source_rgba(*shade(WOOD, 0.95))
    cr.fill()
    rrect(cr, x0, top, x1 - x0, bottom - top, 14)
    cr.set_source_rgba(*INK)
    cr.set_line_width(2.5)
    cr.stroke()
    # gold bands
    for xx in (x0 + 30, x1 - 44):
        cr.rectangle(xx, top, 14, bottom - top)
    cr.set_source_rgba(*GOLD)
    cr.fill()
    # lid: from lying on the box (closed) to standing behind it (open)
    lid_h = 200 * (1 - t) + 96 * t
    lid_top = top - 96 * t
    lid_bottom = lid_top + lid_h
    inner = t > 0.4
    rrect(cr, x0 - 6, lid_top, x1 - x0 + 12, lid_h, 18)
    if inner:
        cr.set_source(vgrad(lid_top, lid_bottom, [(0, rgb("6b2533")), (1, rgb("4a1822"))]))
    else:
        cr.set_source(vgrad(lid_top, lid_bottom, [(0, shade(WOOD, 1.3)), (1, shade(WOOD, 0.85))]))
    cr.fill_preserve()
    cr.set_source_rgba(*INK)
    cr.set_line_width(2.5)
    cr.stroke()
    if not inner:
        # planks and the lock on the closed lid
        for j in range(1, 4):
            y = lid_top + lid_h * j / 4
            cr.move_to(x0, y)
            cr.line_to(x1, y)
        cr.set_source_rgba(0, 0, 0, 0.2)
        cr.set_line_width(1.5)
        cr.stroke()
        for xx in (x0 + 30, x1 - 44):
            cr.rectangle(xx, lid_top, 14, lid_h)
        cr.set_source_rgba(*GOLD)
        cr.fill()
        rrect(cr, 180, lid_bottom - 44, 40, 48, 8)
        cr.set_source_rgba(*GOLD)
        cr.fill_preserve()
        cr.set_source_rgba(*INK)
        cr.set_line_width(2)
        cr.stroke()
        ellipse(cr, 200, lid_bottom - 24, 6, 6)
        cr.set_source_rgba(*INK)
        cr.fill()
    else:
        # glow of the treasure inside
        g = cairo.RadialGradient(225, 210, 10, 225, 210, 150)
        g.add_color_stop_rgba(0, 1, 0.9, 0.4, 0.35 * t)
        g.add_color_stop_rgba(1, 1, 0.9, 0.4, 0)
        cr.set_source(g)
        cr.rectangle(0, 0, CHEST_W, CHEST_H)
        cr.fill()
        for xx in (x0 + 30, x1 - 44):
            cr.rectangle(xx, lid_top, 14, lid_h)
        cr.set_source_rgba(*shade(GOLD, 0.8))
        cr.fill()
    return s


def chest():
    frames = 6
    for k in range(frames):
        save(chest_frame(k, frames), r"gfx\treasure\chest%d.png" % k)


def coin_face(cr, cx, cy, r, lit):
    colour = rgb("ffd84a") if lit else rgb("f2bd2c")
    if lit:
        ellipse(cr, cx, cy, r + 3, r + 3)
        cr.set_source_rgba(1, 1, 0.7, 0.9)
        cr.fill()
    ellipse(cr, cx + 1, cy + 2, r, r)
    cr.set_source_rgba(*shade(colour, 0.6))
    cr.fill()
    g = cairo.RadialGradient(cx - r * 0.4, cy - r * 0.4, 2, cx, cy, r)
    g.add_color_stop_rgba(0, *shade(colour, 1.45))
    g.add_color_stop_rgba(1, *shade(colour, 0.9))
    ellipse(cr, cx, cy, r, r)
    cr.set_source(g)
    cr.fill_preserve()
    cr.set_source_rgba(*INK)
    cr.set_line_width(1.8)
    cr.stroke()
    ellipse(cr, cx, cy, r * 0.78, r * 0.78)
    cr.set_source_rgba(*shade(colour, 0.75))
    cr.set_line_width(1.5)
    cr.stroke()


def numbered_coins():
    for k in range(1, 10):
        for lit, suffix in ((False, "a"), (True, "b")):
            s, cr = surface(54, 55)
            coin_face(cr, 27, 27.5, 23, lit)
            text_mid(cr, str(k), 27, 27.5, 28, color=rgb("5a3a00") if not lit else rgb("b4420f"),
                     outline=(1, 1, 1, 0.7), outline_width=2)
            save(s, r"gfx\buttons\coins\%d%s.png" % (k, suffix))


def numbered_buttons():
    for k in range(10):
        for lit, suffix in ((False, "a"), (True, "b")):
            s, cr = surface(80, 80)
            cx, cy, r = 40, 39.5, 25
            if lit:
                ellipse(cr, cx, cy, r + 8, r + 8)
                cr.set_source_rgba(1, 0.85, 0.2, 0.7)
                cr.fill()
            # a string it hangs on
            cr.move_to(cx, 2)
            cr.line_to(cx, cy - r)
            cr.set_source_rgba(*rgb("d9c9a3"))
            cr.set_line_width(2)
            cr.stroke()
            ellipse(cr, cx + 1.5, cy + 2.5, r, r)
            cr.set_source_rgba(0, 0, 0, 0.35)
            cr.fill()
            colour = rgb("7fd16b") if lit else rgb("f4f0e6")
            g = cairo.RadialGradient(cx - 8, cy - 8, 2, cx, cy, r)
            g.add_color_stop_rgba(0, *shade(colour, 1.2))
            g.add_color_stop_rgba(1, *shade(colour, 0.85))
            ellipse(cr, cx, cy, r, r)
            cr.set_source(g)
            cr.fill_preserve()
            cr.set_source_rgba(*INK)
            cr.set_line_width(2.5)
            cr.stroke()
            text_mid(cr, str(k), cx, cy, 30, color=rgb("2c2440"))
            save(s, r"gfx\treasure\buttons\button%d%s.png" % (k, suffix))


def background(senior=False):
    s, cr = surface(800, 600)
    if senior:
        cr.set_source(vgrad(0, 600, [(0, rgb("dfe9f2")), (1, rgb("b9cad8"))]))
        cr.paint()
        cr.rectangle(0, 430, 800, 170)
        cr.set_source_rgba(*rgb("c9b79a"))
        cr.fill()
        return s
    # a beach with the sea behind: the chest stands on the sand
    cr.set_source(vgrad(0, 260, [(0, rgb("7cc6ff")), (1, rgb("cdeeff"))]))
    cr.paint()
    for x, y, sc in ((90, 70, 0.9), (560, 50, 0.7), (690, 120, 0.6)):
        cloud(cr, x, y, sc)
    cr.rectangle(0, 200, 800, 120)
    cr.set_source(vgrad(200, 320, [(0, rgb("2f8fd8")), (1, rgb("5bc0eb"))]))
    cr.fill()
    for y in range(215, 320, 22):
        for x in range(0, 800, 60):
            cr.move_to(x, y)
            cr.curve_to(x + 15, y - 5, x + 30, y + 5, x + 45, y)
    cr.set_source_rgba(1, 1, 1, 0.35)
    cr.set_line_width(2)
    cr.stroke()
    cr.move_to(0, 320)
    for x in range(0, 820, 20):
        cr.line_to(x, 312 + 8 * math.sin(x / 60))
    cr.line_to(800, 600)
    cr.line_to(0, 600)
    cr.close_path()
    cr.set_source(vgrad(300, 600, [(0, rgb("f6dfa4")), (1, rgb("e0bd72"))]))
    cr.fill()
    r = rng("treasure-sand")
    for _ in range(160):
        ellipse(cr, r.uniform(0, 800), r.uniform(330, 600), 1.5, 1.2)
    cr.set_source_rgba(0.6, 0.45, 0.2, 0.35)
    cr.fill()
    put_shadowed_emoji(cr, "palm-tree", 700, 300, 190)
    put_shadowed_emoji(cr, "spiral-shell", 640, 470, 40)
    put_shadowed_emoji(cr, "crab", 150, 470, 46)
    put_shadowed_emoji(cr, "sailboat", 560, 200, 56)
    put_shadowed_emoji(cr, "pirate-flag", 120, 210, 70)
    return s


def rewards():
    emoji_frames(r"gfx\treasure\rewards\rabbit%d.png", "rabbit", 10, 200, 200, 130, hop(40, 1.5),
                 extra=sparkle_extra("tr-rabbit"))
    emoji_frames(r"gfx\treasure\rewards\bat%d.png", "bat", 8, 200, 200, 130,
                 lambda i, n: (30 * math.sin(i * 0.8), 20 * math.sin(i * 1.6), 0.9 + 0.1 * (i % 2), -10 + 20 * (i % 2), 1.0))
    emoji_frames(r"gfx\treasure\rewards\snake%d.png", "snake", 8, 200, 200, 140, wobble(12, 10))


def generate():
    chest()
    numbered_coins()
    numbered_buttons()
    save(background(), r"gfx\treasure\background.png")
    save(background(True), r"gfx\senior\treasure\background.png")
    rewards()
