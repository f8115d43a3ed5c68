"""Paint: the studio with a clown, the eight paint pots at rest and
lit, the pictures of the day painted part by part, the clown's parts
that move at the end.

Pots stand from (350, 342) in two rows of four, 80 x 70 with 20 between;
the picture is drawn at (345, 110), 400 x 220."""
import math

import cairo

from .common import (rgb, shade, rrect, ellipse, vgrad, surface, save, put_emoji,
                     put_shadowed_emoji, rng, emoji, put, text)
from .widgets import INK
from .anim import emoji_frames

POT_COLOURS = [rgb("e53935"), rgb("1e63d6"), rgb("fdd835"), rgb("43a047"),
               rgb("fb8c00"), rgb("8e44ad"), rgb("f06292"), rgb("8d5524")]
POT_W, POT_H = 80, 70   # low enough that the helper rabbit in the corner stays clear
PIC_W, PIC_H = 400, 220


def pot(colour, lit):
    s, cr = surface(POT_W, POT_H)
    cr.scale(1, POT_H / 92)
    cx = POT_W / 2
    if lit:
        ellipse(cr, cx, 52, 40, 42)
        cr.set_source_rgba(1, 0.95, 0.5, 0.8)
        cr.fill()
    # tin
    cr.move_to(10, 30)
    cr.line_to(14, 84)
    cr.curve_to(20, 92, 60, 92, 66, 84)
    cr.line_to(70, 30)
    cr.close_path()
    cr.set_source(vgrad(30, 90, [(0, rgb("e9edf2")), (1, rgb("aab4c0"))]))
    cr.fill_preserve()
    cr.set_source_rgba(*INK)
    cr.set_line_width(2)
    cr.stroke()
    # label in the colour
    cr.rectangle(12, 48, 56, 26)
    cr.set_source_rgba(*(shade(colour, 1.15) if lit else colour))
    cr.fill()
    # paint at the top, running over the rim
    ellipse(cr, cx, 30, 30, 9)
    cr.set_source_rgba(*(shade(colour, 1.25) if lit else colour))
    cr.fill_preserve()
    cr.set_source_rgba(*INK)
    cr.set_line_width(2)
    cr.stroke()
    cr.move_to(18, 32)
    cr.curve_to(18, 44, 26, 44, 26, 36)
    cr.move_to(50, 34)
    cr.curve_to(50, 50, 58, 50, 58, 35)
    cr.set_source_rgba(*colour)
    cr.set_line_width(5)
    cr.set_line_cap(cairo.LINE_CAP_ROUND)
    cr.stroke()
    # shine
    ellipse(cr, cx - 8, 28, 9, 3)
    cr.set_source_rgba(1, 1, 1, 0.45)
    cr.fill()
    if lit:
        put_emoji(cr, "paintbrush", 62, 14, 28)
    return s


def pots():
    n = 0
    for colour in POT_COLOURS:
        for lit in (False, True):
            save(pot(colour, lit), r"gfx\paint\colors\color%02d.png" % n)
            n += 1


# Each picture: a list of parts, each part a drawing function and its colour.
def _house():
    def roof(cr):
        cr.move_to(80, 110); cr.line_to(200, 30); cr.line_to(320, 110); cr.close_path()

    def wall(cr):
        cr.rectangle(100, 110, 200, 100)

    def door(cr):
        rrect(cr, 180, 150, 40, 60, 6)

    def window1(cr):
        cr.rectangle(120, 130, 40, 34)

    def window2(cr):
        cr.rectangle(240, 130, 40, 34)

    def sun(cr):
        ellipse(cr, 355, 45, 28, 28)

    def grass(cr):
        cr.rectangle(0, 205, 400, 15)

    def chimney(cr):
        cr.rectangle(250, 40, 24, 45)

    def tree(cr):
        ellipse(cr, 40, 120, 30, 40)

    def trunk(cr):
        cr.rectangle(33, 150, 14, 58)
    return [(grass, rgb("43a047")), (wall, rgb("fdd835")), (roof, rgb("e53935")), (door, rgb("8d5524")),
            (window1, rgb("1e63d6")), (window2, rgb("1e63d6")), (sun, rgb("fb8c00")), (chimney, rgb("8e44ad")),
            (trunk, rgb("8d5524")), (tree, rgb("43a047"))]


def _boat():
    def sea(cr):
        cr.move_to(0, 170)
        for x in range(0, 401, 20):
            cr.line_to(x, 170 + 6 * math.sin(x / 20))
        cr.line_to(400, 220); cr.line_to(0, 220); cr.close_path()

    def hull(cr):
        cr.move_to(90, 140); cr.line_to(310, 140); cr.line_to(270, 185); cr.line_to(130, 185); cr.close_path()

    def sail1(cr):
        cr.move_to(200, 30); cr.line_to(200, 130); cr.line_to(120, 130); cr.close_path()

    def sail2(cr):
        cr.move_to(208, 40); cr.line_to(208, 130); cr.line_to(280, 130); cr.close_path()

    def flag(cr):
        cr.move_to(200, 12); cr.line_to(232, 20); cr.line_to(200, 28); cr.close_path()

    def sun(cr):
        ellipse(cr, 60, 50, 30, 30)

    def cloud(cr):
        for dx, dy, r in ((300, 50, 18), (322, 40, 22), (346, 52, 17)):
            ellipse(cr, dx, dy, r, r)

    def fish(cr):
        ellipse(cr, 330, 200, 16, 8)

    def bird(cr):
        ellipse(cr, 120, 60, 12, 6)

    def porthole(cr):
        ellipse(cr, 200, 160, 10, 10)
    return [(sea, rgb("1e63d6")), (hull, rgb("8d5524")), (sail1, rgb("fdd835")), (sail2, rgb("f06292")),
            (flag, rgb("e53935")), (sun, rgb("fb8c00")), (cloud, rgb("8e44ad")), (fish, rgb("43a047")),
            (bird, rgb("e53935")), (porthole, rgb("1e63d6"))]


def _flower():
    def stem(cr):
        cr.rectangle(195, 110, 10, 100)

    def leaf1(cr):
        ellipse(cr, 170, 170, 26, 10)

    def leaf2(cr):
        ellipse(cr, 230, 150, 26, 10)

    def centre(cr):
        ellipse(cr, 200, 80, 22, 22)

    def petals(k):
        def f(cr):
            for j in range(k, 8, 2):
                a = j * math.pi / 4
                ellipse(cr, 200 + 42 * math.cos(a), 80 + 42 * math.sin(a), 20, 20)
        return f

    def pot_(cr):
        cr.move_to(160, 200); cr.line_to(240, 200); cr.line_to(230, 220); cr.line_to(170, 220); cr.close_path()

    def butterfly(cr):
        ellipse(cr, 330, 60, 18, 12)
        ellipse(cr, 352, 60, 18, 12)

    def sun(cr):
        ellipse(cr, 50, 40, 26, 26)

    def ground(cr):
        cr.rectangle(0, 212, 400, 8)
    return [(stem, rgb("43a047")), (leaf1, rgb("43a047")), (leaf2, rgb("43a047")), (petals(0), rgb("f06292")),
            (petals(1), rgb("e53935")), (centre, rgb("fdd835")), (pot_, rgb("8d5524")), (butterfly, rgb("8e44ad")),
            (sun, rgb("fb8c00")), (ground, rgb("1e63d6"))]


PICTURES = [("house", _house), ("boat", _boat), ("flower", _flower)]


def pictures():
    for name, build in PICTURES:
        parts = build()
        for k in range(len(parts)):
            s, cr = surface(PIC_W, PIC_H)
            rrect(cr, 2, 2, PIC_W - 4, PIC_H - 4, 10)
            cr.set_source_rgba(1, 1, 1, 1)
            cr.fill_preserve()
            cr.set_source_rgba(*INK)
            cr.set_line_width(3)
            cr.stroke()
            cr.save()
            rrect(cr, 4, 4, PIC_W - 8, PIC_H - 8, 9)
            cr.clip()
            for j, (draw, colour) in enumerate(parts):
                draw(cr)
                if j <= k:
                    cr.set_source_rgba(*colour)
                    cr.fill_preserve()
                else:
                    cr.set_source_rgba(1, 1, 1, 1)
                    cr.fill_preserve()
                cr.set_source_rgba(*INK)
                cr.set_line_width(2.5)
                cr.stroke()
            cr.restore()
            save(s, r"gfx\paint\images\%s%02d.png" % (name, k))


CLOWN_X, CLOWN_Y = 178, 137


def clown_figure(cr):
    """The clown in the background; its head is at (178..318, 137..277)."""
    # body with big buttons
    cr.move_to(190, 290)
    cr.curve_to(150, 330, 150, 480, 175, 520)
    cr.line_to(325, 520)
    cr.curve_to(350, 480, 350, 330, 310, 290)
    cr.close_path()
    cr.set_source(vgrad(290, 520, [(0, rgb("ffd23f")), (1, rgb("f0a500"))]))
    cr.fill_preserve()
    cr.set_source_rgba(*INK)
    cr.set_line_width(2.5)
    cr.stroke()
    for y, col in ((340, "e53935"), (400, "1e63d6"), (460, "43a047")):
        ellipse(cr, 250, y, 12, 12)
        cr.set_source_rgba(*rgb(col))
        cr.fill()
    # collar
    for k in range(7):
        ellipse(cr, 200 + k * 17, 288, 14, 10)
    cr.set_source_rgba(1, 1, 1, 1)
    cr.fill()
    # legs and shoes
    for x in (205, 270):
        cr.rectangle(x, 515, 26, 30)
    cr.set_source_rgba(*rgb("1e63d6"))
    cr.fill()
    for x in (195, 262):
        ellipse(cr, x + 22, 552, 34, 13)
    cr.set_source_rgba(*rgb("e53935"))
    cr.fill()
    put_emoji(cr, "clown-face", CLOWN_X + 70, CLOWN_Y + 76, 128)


def clown_parts():
    # face: winks and laughs
    for k in range(6):
        s, cr = surface(140, 150)
        put_emoji(cr, "clown-face", 70, 76, 128 + (6 if k % 2 else 0), angle=(-8, 8, -6, 6, -3, 0)[k])
        save(s, r"gfx\paint\clowns\clownface%d.png" % k)
    # hat: a top hat that lifts and lands again
    for k in range(6):
        s, cr = surface(140, 150)
        lift = (0, 18, 34, 40, 20, 0)[k]
        put_emoji(cr, "top-hat", 70, 36 - lift, 70, angle=(0, -10, 10, 0, -6, 0)[k])
        save(s, r"gfx\paint\clowns\clownhat%d.png" % k)
    # arm: a waving hand beside the head
    for k in range(6):
        s, cr = surface(140, 150)
        put_emoji(cr, "waving-hand", 118, 100, 56, angle=(-20, 15, -20, 15, -20, 0)[k])
        save(s, r"gfx\paint\clowns\clownarm%d.png" % k)
    # shoe: a balloon flies up from the clown's hand
    for k in range(6):
        s, cr = surface(140, 150)
        put_emoji(cr, "balloon", 110, 130 - k * 22, 46)
        save(s, r"gfx\paint\clowns\clownshoe%d.png" % k)


def background(senior=False):
    s, cr = surface(800, 600)
    cr.set_source(vgrad(0, 600, [(0, rgb("fdf1e0")), (1, rgb("f3dcc0"))]))
    cr.paint()
    # floor boards
    cr.rectangle(0, 470, 800, 130)
    cr.set_source(vgrad(470, 600, [(0, rgb("d9a56b")), (1, rgb("b07a45"))]))
    cr.fill()
    for x in range(0, 800, 70):
        cr.move_to(x, 470)
        cr.line_to(x - 30, 600)
    cr.set_source_rgba(0, 0, 0, 0.12)
    cr.set_line_width(2)
    cr.stroke()
    # two shelves for the pots
    base = 260 if senior else 350
    for y in (342 + POT_H - 2, 442 + POT_H - 2):
        cr.move_to(base - 20, y)
        cr.line_to(base + 4 * 100 + 10, y + 12)
        cr.set_source_rgba(*rgb("8d5524"))
        cr.set_line_width(10)
        cr.stroke()
    # the easel behind the picture
    px = 255 if senior else 345
    for dx in (40, PIC_W - 40):
        cr.move_to(px + dx, 90)
        cr.line_to(px + dx + (-30 if dx < 200 else 30), 345)
    cr.set_source_rgba(*rgb("a0622d"))
    cr.set_line_width(12)
    cr.stroke()
    rrect(cr, px - 12, 98, PIC_W + 24, PIC_H + 24, 8)
    cr.set_source_rgba(*rgb("a0622d"))
    cr.fill()
    if not senior:
        clown_figure(cr)
        # paint splashes on the wall
        r = rng("paint-splash")
        for k in range(10):
            ellipse(cr, r.uniform(20, 320), r.uniform(20, 110), r.uniform(6, 14), r.uniform(5, 10))
            cr.set_source_rgba(*POT_COLOURS[k % 8][:3], 0.35)
            cr.fill()
    return s


def generate():
    pots()
    pictures()
    clown_parts()
    save(background(), r"gfx\paint\background.png")
    save(background(True), r"gfx\senior\paint\background.png")
