"""The shop of the cans exercise: background, shelf, eight cans with a lit
look, the props at the shelf ends and the two reward animations.

Geometry the exercise relies on: a can stands with its top-left at
(place x, shelf y - 90); its hit area is (18, 7, 85 x 120) inside the
picture, so the tin is drawn from x 15 to 106 and y 5 to 128; the shelf
board's top surface is 38 pixels below the shelf picture's top, where the
cans and the props (y = shelf y - 118, 156 high) stand."""
import math

import cairo

from .common import (rgb, shade, rrect, ellipse, vgrad, surface, save, emoji, put,
                     put_emoji, put_shadowed_emoji, rng, mix, text_mid)
from .widgets import INK, star_path

CAN_W, CAN_H = 116, 134
BODY_X0, BODY_X1, BODY_Y0, BODY_Y1 = 15, 106, 6, 128
BOARD_TOP = 38

CANS = [  # label colour, fruit on the label
    (rgb("e2453c"), "tomato"),
    (rgb("f08a24"), "peach"),
    (rgb("f2c530"), "ear-of-corn"),
    (rgb("58b947"), "pear"),
    (rgb("2f9fd8"), "fish"),
    (rgb("8a5cc7"), "grapes"),
    (rgb("e2569b"), "strawberry"),
    (rgb("8b5a36"), "chestnut"),
]


def tin(cr, colour, fruit, lit):
    x0, x1, y0, y1 = BODY_X0, BODY_X1, BODY_Y0, BODY_Y1
    w = x1 - x0
    cx = (x0 + x1) / 2
    ry = 9
    metal = rgb("c8ced6")
    if lit:
        # a strong warm glow round the whole tin, so a lit can is seen at once
        for width, alpha in ((20, 0.35), (13, 0.6), (7, 1.0)):
            rrect(cr, x0, y0, w, y1 - y0, 16)
            cr.set_source_rgba(1, 0.82, 0.1, alpha)
            cr.set_line_width(width)
            cr.stroke()
        colour = shade(colour, 1.12)
        metal = shade(metal, 1.1)
    # shadow on the shelf
    ellipse(cr, cx + 3, y1 + 1, w / 2 + 2, 5)
    cr.set_source_rgba(0, 0, 0, 0.25)
    cr.fill()
    # metal body
    cr.move_to(x0, y0 + ry)
    cr.line_to(x0, y1 - ry)
    cr.save(); cr.translate(cx, y1 - ry); cr.scale(w / 2, ry)
    cr.arc_negative(0, 0, 1, math.pi, 0); cr.restore()
    cr.line_to(x1, y0 + ry)
    cr.close_path()
    g = cairo.LinearGradient(x0, 0, x1, 0)
    g.add_color_stop_rgba(0, *shade(metal, 0.7))
    g.add_color_stop_rgba(0.3, *shade(metal, 1.3))
    g.add_color_stop_rgba(1, *shade(metal, 0.65))
    cr.set_source(g)
    cr.fill_preserve()
    cr.set_source_rgba(*INK)
    cr.set_line_width(2)
    cr.stroke()
    # label wrapped round the tin
    ly0, ly1 = y0 + 24, y1 - 20
    cr.move_to(x0, ly0)
    cr.save(); cr.translate(cx, ly0); cr.scale(w / 2, ry)
    cr.arc_negative(-1, 0, 0, 0, 0); cr.restore()
    cr.save(); cr.translate(cx, ly0); cr.scale(w / 2, ry)
    cr.arc_negative(0, 0, 1, math.pi, 0); cr.restore()
    cr.line_to(x1, ly1)
    cr.save(); cr.translate(cx, ly1); cr.scale(w / 2, ry)
    cr.arc(0, 0, 1, 0, math.pi); cr.restore()
    cr.close_path()
    g = cairo.LinearGradient(x0, 0, x1, 0)
    g.add_color_stop_rgba(0, *shade(colour, 0.72))
    g.add_color_stop_rgba(0.32, *shade(colour, 1.2))
    g.add_color_stop_rgba(1, *shade(colour, 0.7))
    cr.set_source(g)
    cr.fill_preserve()
    cr.set_source_rgba(*INK)
    cr.set_line_width(1.5)
    cr.stroke()
    # light band and the fruit on a white disc
    ellipse(cr, cx, (ly0 + ly1) / 2 + 5, 30, 30)
    cr.set_source_rgba(1, 1, 1, 0.95)
    cr.fill_preserve()
    cr.set_source_rgba(*shade(colour, 0.6))
    cr.set_line_width(2)
    cr.stroke()
    put_emoji(cr, fruit, cx, (ly0 + ly1) / 2 + 5, 46)
    # ridges of the tin
    for yy in (y0 + 17, y1 - 13):
        cr.save(); cr.translate(cx, yy); cr.scale(w / 2, ry)
        cr.arc(0, 0, 1, 0.15, math.pi - 0.15); cr.restore()
        cr.set_source_rgba(0, 0, 0, 0.28)
        cr.set_line_width(1.2)
        cr.stroke()
    # lid
    ellipse(cr, cx, y0 + ry, w / 2, ry)
    cr.set_source(vgrad(y0, y0 + 2 * ry, [(0, shade(metal, 1.35)), (1, shade(metal, 0.8))]))
    cr.fill_preserve()
    cr.set_source_rgba(*INK)
    cr.set_line_width(2)
    cr.stroke()
    ellipse(cr, cx, y0 + ry, w / 2 - 7, ry - 3)
    cr.set_source_rgba(0, 0, 0, 0.2)
    cr.set_line_width(1.2)
    cr.stroke()
    # shine
    rrect(cr, x0 + 12, ly0 + 4, 6, ly1 - ly0 - 8, 3)
    cr.set_source_rgba(1, 1, 1, 0.35 if not lit else 0.55)
    cr.fill()
    if lit:
        for sx, sy, r in ((x1 - 6, y0 + 8, 9), (x0 + 8, y0 + 40, 6), (x1 - 4, y1 - 30, 7)):
            star_path(cr, sx, sy, r, r * 0.35, 4, -90)
            cr.set_source_rgba(1, 1, 0.85, 1)
            cr.fill_preserve()
            cr.set_source_rgba(*rgb("d79a00"))
            cr.set_line_width(1)
            cr.stroke()


def cans():
    for i, (colour, fruit) in enumerate(CANS):
        for lit, suffix in ((False, "a"), (True, "b")):
            s, cr = surface(CAN_W, CAN_H)
            tin(cr, colour, fruit, lit)
            save(s, r"gfx\cans\cans\can0%d%s.png" % (i, suffix))


def shelf():
    s, cr = surface(800, 74)
    wood = rgb("b97a45")
    # brackets
    for x in (120, 400, 680):
        cr.move_to(x - 6, BOARD_TOP + 18)
        cr.line_to(x + 6, BOARD_TOP + 18)
        cr.line_to(x + 6, 72)
        cr.line_to(x - 6, BOARD_TOP + 30)
        cr.close_path()
        cr.set_source_rgba(*shade(wood, 0.7))
        cr.fill_preserve()
        cr.set_source_rgba(*INK)
        cr.set_line_width(1.5)
        cr.stroke()
    # top surface seen slightly from above, then the front edge
    cr.rectangle(20, BOARD_TOP - 6, 760, 7)
    cr.set_source_rgba(*shade(wood, 1.25))
    cr.fill()
    rrect(cr, 16, BOARD_TOP, 768, 18, 4)
    g = vgrad(BOARD_TOP, BOARD_TOP + 18, [(0, shade(wood, 1.1)), (1, shade(wood, 0.8))])
    cr.set_source(g)
    cr.fill_preserve()
    cr.set_source_rgba(*INK)
    cr.set_line_width(2)
    cr.stroke()
    r = rng("shelf")
    for _ in range(14):
        x = r.uniform(30, 760)
        cr.move_to(x, BOARD_TOP + r.uniform(4, 14))
        cr.curve_to(x + 20, BOARD_TOP + 3, x + 40, BOARD_TOP + 15, x + r.uniform(50, 90), BOARD_TOP + 9)
    cr.set_source_rgba(*shade(wood, 0.7, ))
    cr.set_line_width(1)
    cr.stroke()
    cr.move_to(20, BOARD_TOP - 6)
    cr.line_to(780, BOARD_TOP - 6)
    cr.set_source_rgba(*INK)
    cr.set_line_width(1.2)
    cr.stroke()
    save(s, r"gfx\cans\shelf.png")


PROPS_LEFT = ["potted-plant", "honey-pot", "teapot", "alarm-clock"]
PROPS_RIGHT = ["teddy-bear", "jar", "basket", "bread"]


def props():
    for side, names in (("leftprop", PROPS_LEFT), ("rightprop", PROPS_RIGHT)):
        for i, name in enumerate(names):
            s, cr = surface(100, 156)
            size = 92
            ellipse(cr, 50, 152, 38, 5)
            cr.set_source_rgba(0, 0, 0, 0.22)
            cr.fill()
            put_emoji(cr, name, 50, 156 - size / 2 - 2, size, hflip=(side == "rightprop" and name == "teddy-bear"))
            save(s, r"gfx\cans\%s%d.png" % (side, i))


def background(senior=False):
    s, cr = surface(800, 600)
    wall = rgb("f3e2c0") if not senior else rgb("e9e4d8")
    cr.set_source(vgrad(0, 600, [(0, shade(wall, 1.05)), (1, shade(wall, 0.92))]))
    cr.paint()
    # wallpaper: soft stripes with small dots
    for x in range(0, 800, 40):
        cr.rectangle(x, 0, 20, 520)
    cr.set_source_rgba(1, 1, 1, 0.22 if not senior else 0.12)
    cr.fill()
    if not senior:
        for y in range(30, 520, 60):
            for x in range(30, 800, 40):
                ellipse(cr, x, y + (x // 40 % 2) * 30, 3, 3)
        cr.set_source_rgba(*shade(wall, 0.85))
        cr.fill()
    # awning at the top
    if not senior:
        cols = [rgb("e2453c"), rgb("fff7ea")]
        for i, x in enumerate(range(0, 800, 50)):
            cr.move_to(x, 0)
            cr.line_to(x + 50, 0)
            cr.line_to(x + 50, 44)
            cr.curve_to(x + 40, 58, x + 10, 58, x, 44)
            cr.close_path()
            cr.set_source_rgba(*cols[i % 2])
            cr.fill_preserve()
            cr.set_source_rgba(*shade(cols[0], 0.6))
            cr.set_line_width(1.2)
            cr.stroke()
    # counter / floor
    cr.rectangle(0, 520, 800, 80)
    cr.set_source(vgrad(520, 600, [(0, rgb("a8703f")), (1, rgb("7a4d28"))]))
    cr.fill()
    cr.move_to(0, 520)
    cr.line_to(800, 520)
    cr.set_source_rgba(*INK)
    cr.set_line_width(2)
    cr.stroke()
    for x in range(0, 800, 100):
        cr.move_to(x + 50, 522)
        cr.line_to(x + 50, 600)
    cr.set_source_rgba(0, 0, 0, 0.15)
    cr.set_line_width(1.5)
    cr.stroke()
    # a shop sign hanging in the empty space above the upper shelf
    if not senior:
        rrect(cr, 310, 62, 180, 40, 10)
        cr.set_source_rgba(*rgb("2f6f4f"))
        cr.fill_preserve()
        cr.set_source_rgba(*INK)
        cr.set_line_width(2)
        cr.stroke()
        for dx in (-60, 60):
            put_emoji(cr, "canned-food", 400 + dx, 82, 26)
        put_emoji(cr, "shopping-cart", 400, 82, 30)
    return s


def rewards():
    # a cactus that grows, sways and blooms
    frames = 10
    for i in range(frames):
        s, cr = surface(210, 230)
        grow = min(1.0, 0.55 + i * 0.09)
        sway = math.sin(i * 1.1) * 8 if i > 2 else 0
        # pot
        cr.move_to(60, 180); cr.line_to(150, 180); cr.line_to(140, 228); cr.line_to(70, 228)
        cr.close_path()
        cr.set_source(vgrad(180, 228, [(0, rgb("e07a45")), (1, rgb("b0552a"))]))
        cr.fill_preserve(); cr.set_source_rgba(*INK); cr.set_line_width(2); cr.stroke()
        rrect(cr, 54, 170, 102, 16, 5)
        cr.set_source_rgba(*rgb("ef8a52")); cr.fill_preserve()
        cr.set_source_rgba(*INK); cr.stroke()
        size = 150 * grow
        put_emoji(cr, "cactus", 105, 175 - size / 2, size, angle=sway)
        if i >= 6:
            bloom = (i - 5) * 10
            put_emoji(cr, "hibiscus", 105 + sway * 0.8, 175 - size + 12, bloom + 10)
        if i >= 7:
            for k in range(i - 6):
                a = k * 2.1 + i
                put_emoji(cr, "sparkles", 105 + 80 * math.cos(a), 100 + 60 * math.sin(a), 24)
        save(s, r"gfx\cans\rewards\cactus%d.png" % i)
    # stars that spin out and twinkle
    r = rng("stars")
    spots = [(r.uniform(40, 170), r.uniform(40, 190), r.uniform(44, 76), r.uniform(0, 6)) for _ in range(8)]
    for i in range(10):
        s, cr = surface(210, 230)
        for k, (x, y, sz, ph) in enumerate(spots):
            if k > i + 1:
                continue
            t = 0.75 + 0.25 * math.sin(ph + i * 1.3)
            put_emoji(cr, "glowing-star" if k % 3 == 0 else "star", x, y, sz * t, angle=(i * 12 + k * 30) % 360)
        save(s, r"gfx\cans\rewards\stars%d.png" % i)


def generate():
    cans()
    shelf()
    props()
    save(background(), r"gfx\cans\background.png")

    rewards()
