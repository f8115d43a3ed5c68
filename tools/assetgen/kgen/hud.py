"""The frame every exercise shares: border, coin bar, coins, bag, round
lamps, direction arrows, helper rabbit, start, stop and help buttons and
the markers."""
import math

import cairo

from .common import (rgb, shade, rrect, ellipse, vgrad, text, text_mid, surface,
                     save, put_emoji, put_shadowed_emoji, emoji, put, mix)
from .widgets import (INK, GREEN, RED, BLUE, YELLOW, ORANGE, round_button,
                      square_button, triangle, octagon, check_mark)

FRAME = rgb("2c3f7c")
BOTTOM_BAND = 26


def border():
    """A thin frame with rounded inner corners and a band at the bottom that
    carries the round lamps and the direction arrow."""
    s, cr = surface(800, 600)
    inner_top, side, bottom = 7, 7, BOTTOM_BAND
    cr.rectangle(0, 0, 800, 600)
    rrect(cr, side, inner_top, 800 - 2 * side, 600 - inner_top - bottom, 16)
    cr.set_fill_rule(cairo.FILL_RULE_EVEN_ODD)
    cr.set_source(vgrad(0, 600, [(0, shade(FRAME, 1.2)), (1, shade(FRAME, 0.85))]))
    cr.fill()
    cr.set_fill_rule(cairo.FILL_RULE_WINDING)
    rrect(cr, side - 1, inner_top - 1, 800 - 2 * side + 2, 600 - inner_top - bottom + 2, 17)
    cr.set_source_rgba(1, 1, 1, 0.75)
    cr.set_line_width(2)
    cr.stroke()
    # small studs along the bottom band give it a finished look
    for x in range(30, 800, 60):
        if 180 < x < 620:
            continue
        ellipse(cr, x, 600 - bottom / 2 + 1, 3, 3)
        cr.set_source_rgba(1, 1, 1, 0.25)
        cr.fill()
    save(s, r"gfx\interface\borders.png")


BAR_W, BAR_H = 50, 300


def coin_picture(w=48, h=32, colour=rgb("f6c431")):
    s, cr = surface(w, h)
    cx, rx, ry, top, thick = w / 2, w / 2 - 1.5, h * 0.33, h * 0.36, h * 0.22
    edge = shade(colour, 0.72)
    # side of the coin
    cr.move_to(cx - rx, top)
    cr.line_to(cx - rx, top + thick)
    cr.save(); cr.translate(cx, top + thick); cr.scale(rx, ry)
    cr.arc_negative(-1 * 0 + 0, 0, 1, math.pi, 0); cr.restore()
    cr.line_to(cx + rx, top)
    cr.close_path()
    cr.set_source_rgba(*edge)
    cr.fill_preserve()
    cr.set_source_rgba(*INK)
    cr.set_line_width(1.2)
    cr.stroke()
    # ridges on the side
    for i in range(1, 12):
        a = math.pi * i / 12
        x = cx - rx * math.cos(a)
        cr.move_to(x, top + ry * math.sin(a) + 1)
        cr.line_to(x, top + thick + ry * math.sin(a) - 1)
    cr.set_source_rgba(0, 0, 0, 0.18)
    cr.set_line_width(1)
    cr.stroke()
    # face
    g = cairo.LinearGradient(0, top - ry, w, top + ry)
    g.add_color_stop_rgba(0, *shade(colour, 1.35))
    g.add_color_stop_rgba(0.6, *colour)
    g.add_color_stop_rgba(1, *shade(colour, 0.85))
    ellipse(cr, cx, top, rx, ry)
    cr.set_source(g)
    cr.fill_preserve()
    cr.set_source_rgba(*INK)
    cr.set_line_width(1.2)
    cr.stroke()
    ellipse(cr, cx, top, rx * 0.7, ry * 0.66)
    cr.set_source_rgba(*shade(colour, 0.8))
    cr.set_line_width(1.5)
    cr.stroke()
    # a small star stamped on the face
    cr.save(); cr.translate(cx, top); cr.scale(1, ry / rx)
    for i in range(10):
        r = rx * 0.38 if i % 2 == 0 else rx * 0.16
        a = -math.pi / 2 + i * math.pi / 5
        cr.line_to(r * math.cos(a), r * math.sin(a))
    cr.close_path(); cr.restore()
    cr.set_source_rgba(*shade(colour, 0.78))
    cr.fill()
    return s


def coin_bar():
    s, cr = surface(BAR_W, BAR_H)
    x0, x1, top, bot = 1, BAR_W - 1, 14, BAR_H - 1
    # glass tube
    cr.move_to(x0, top)
    cr.line_to(x0, bot - 18)
    cr.curve_to(x0, bot, x1, bot, x1, bot - 18)
    cr.line_to(x1, top)
    cr.close_path()
    cr.set_source(vgrad(0, BAR_H, [(0, rgb("cfe6ff", 0.55)), (1, rgb("9cc8f5", 0.7))]))
    cr.fill_preserve()
    cr.set_source_rgba(*INK)
    cr.set_line_width(2)
    cr.stroke()
    # scale marks, one per coin
    for i in range(1, 11):
        y = BAR_H - 32 - (i - 1) * 32 / 3 + 6
        cr.move_to(x0 + 2, y)
        cr.line_to(x0 + 8, y)
    cr.set_source_rgba(1, 1, 1, 0.7)
    cr.set_line_width(1.5)
    cr.stroke()
    # rim
    rrect(cr, 0, 4, BAR_W, 14, 6)
    cr.set_source(vgrad(4, 18, [(0, rgb("ffe08a")), (1, rgb("d59b1c"))]))
    cr.fill_preserve()
    cr.set_source_rgba(*INK)
    cr.set_line_width(1.5)
    cr.stroke()
    save(s, r"gfx\interface\coinbar.png")
    save(coin_picture(), r"gfx\interface\coin.png")
    # the glass shine drawn over the coins, at (28, bar y + 34)
    c, cc = surface(12, BAR_H - 34 - 22)
    rrect(cc, 1, 0, 7, c.get_height(), 4)
    cc.set_source(vgrad(0, c.get_height(), [(0, (1, 1, 1, 0.7)), (1, (1, 1, 1, 0.25))]))
    cc.fill()
    save(c, r"gfx\interface\coinbarno.png")


BAG_W, BAG_H = 92, 200
SACK = rgb("c9934f")


def sack(cr, opening=0.0, coins=True):
    """The coin sack; opening 0 (tied) to 1 (wide open). Its label's centre
    is at (45, 154), where the coin total is written."""
    cx = 46
    # body
    cr.move_to(cx - 14, 92)
    cr.curve_to(cx - 52, 112, cx - 50, 196, cx - 20, 197)
    cr.line_to(cx + 20, 197)
    cr.curve_to(cx + 50, 196, cx + 52, 112, cx + 14, 92)
    cr.close_path()
    g = cairo.RadialGradient(cx - 14, 130, 8, cx, 150, 62)
    g.add_color_stop_rgba(0, *shade(SACK, 1.25))
    g.add_color_stop_rgba(1, *shade(SACK, 0.8))
    cr.set_source(g)
    cr.fill_preserve()
    cr.set_source_rgba(*INK)
    cr.set_line_width(2)
    cr.stroke()
    # neck and mouth
    w = 14 + 20 * opening
    cr.move_to(cx - 14, 93)
    cr.curve_to(cx - 18, 80, cx - w - 6, 72 - 6 * opening, cx - w, 66 - 8 * opening)
    cr.line_to(cx + w, 66 - 8 * opening)
    cr.curve_to(cx + w + 6, 72 - 6 * opening, cx + 18, 80, cx + 14, 93)
    cr.close_path()
    cr.set_source_rgba(*shade(SACK, 1.05))
    cr.fill_preserve()
    cr.set_source_rgba(*INK)
    cr.stroke()
    if opening > 0:
        ellipse(cr, cx, 66 - 8 * opening, w, 4 + 6 * opening)
        cr.set_source_rgba(*shade(SACK, 0.45))
        cr.fill_preserve()
        cr.set_source_rgba(*INK)
        cr.stroke()
        if coins:
            for i, dx in enumerate((-0.5, 0.1, 0.55)):
                ellipse(cr, cx + dx * w, 66 - 8 * opening + 1 - i % 2 * 2, 7, 3.2)
                cr.set_source_rgba(*rgb("f6c431"))
                cr.fill()
    # rope
    rrect(cr, cx - 19, 88, 38, 8, 4)
    cr.set_source_rgba(*rgb("8a5a2b"))
    cr.fill_preserve()
    cr.set_source_rgba(*INK)
    cr.set_line_width(1.5)
    cr.stroke()
    # label for the coin total
    ellipse(cr, 45, 150, 31, 20)
    cr.set_source_rgba(*rgb("fff3d6"))
    cr.fill_preserve()
    cr.set_source_rgba(*shade(SACK, 0.6))
    cr.set_line_width(2)
    cr.stroke()


def bag_frames():
    for i, op in enumerate((0.0, 0.5, 1.0)):
        s, cr = surface(BAG_W, BAG_H)
        sack(cr, op)
        save(s, r"gfx\interface\bag\bagopen%d.png" % i)
    coin = coin_picture(30, 20)
    for i in range(6):
        s, cr = surface(BAG_W, BAG_H)
        sack(cr, 1.0, coins=False)
        y = 4 + i * 11
        if i < 5:
            put(cr, coin, 31, y)
            # sparkle trail
            for k in range(1, 3):
                ellipse(cr, 46, y - k * 7, 2, 2)
                cr.set_source_rgba(1, 0.9, 0.4, 0.6 / k)
                cr.fill()
        else:
            for a in range(0, 360, 45):
                r = math.radians(a)
                cr.move_to(46 + 10 * math.cos(r), 52 + 6 * math.sin(r))
                cr.line_to(46 + 18 * math.cos(r), 52 + 11 * math.sin(r))
            cr.set_source_rgba(1, 0.85, 0.2, 1)
            cr.set_line_width(2.5)
            cr.stroke()
        save(s, r"gfx\interface\bag\bagmoney%d.png" % i)


def lamps():
    looks = [(rgb("6b7391"), False), (rgb("ffd23f"), True), (rgb("46c35f"), False)]
    for i, (c, halo) in enumerate(looks):
        s, cr = surface(14, 14)
        g = cairo.RadialGradient(5, 5, 1, 7, 7, 7)
        g.add_color_stop_rgba(0, *shade(c, 1.5))
        g.add_color_stop_rgba(1, *shade(c, 0.8))
        ellipse(cr, 7, 7, 6, 6)
        cr.set_source(g)
        cr.fill_preserve()
        cr.set_source_rgba(1, 1, 1, 0.95 if halo else 0.5)
        cr.set_line_width(1.6 if halo else 1)
        cr.stroke()
        save(s, r"gfx\interface\roundled%d.png" % i)


def arrows():
    for name, direction, colour in (("fwdir", 1, GREEN), ("bwdir", -1, ORANGE)):
        s, cr = surface(46, 14)
        rrect(cr, 1, 1, 44, 12, 6)
        cr.set_source_rgba(*shade(colour, 0.9))
        cr.fill_preserve()
        cr.set_source_rgba(1, 1, 1, 0.9)
        cr.set_line_width(1.2)
        cr.stroke()
        for k in range(3):
            x = 23 + direction * (k - 1) * 11
            cr.move_to(x - direction * 3, 3.5)
            cr.line_to(x + direction * 3, 7)
            cr.line_to(x - direction * 3, 10.5)
        cr.set_source_rgba(1, 1, 1, 1)
        cr.set_line_width(2.2)
        cr.set_line_cap(cairo.LINE_CAP_ROUND)
        cr.set_line_join(cairo.LINE_JOIN_ROUND)
        cr.stroke()
        save(s, r"gfx\interface\%s.png" % name)


def help_button(rel=r"gfx\interface\help.png", size=64, colour=BLUE):
    s, cr = surface(size, size)
    round_button(cr, size / 2 - 1, size / 2 - 2, size / 2 - 4, colour)
    text_mid(cr, "?", size / 2 - 1, size / 2 - 2, size * 0.55, color=(1, 1, 1, 1),
             outline=INK, outline_width=2.5)
    save(s, rel)


RABBIT_W, RABBIT_H = 150, 100


def rabbit_frames():
    """The helper rabbit peeking up from the bottom right corner, low enough
    to leave the exercises' items clear; frames 1 to 3 open its mouth, so
    the looping animation makes it talk."""
    face = emoji("rabbit-face", 100)
    for i, mouth in enumerate((0.0, 0.6, 1.0, 0.4)):
        s, cr = surface(RABBIT_W, RABBIT_H)
        # shoulders
        ellipse(cr, 100, 112, 46, 24)
        cr.set_source(vgrad(88, 112, [(0, rgb("f4f1ee")), (1, rgb("d9d2cc"))]))
        cr.fill_preserve()
        cr.set_source_rgba(*INK)
        cr.set_line_width(2)
        cr.stroke()
        put(cr, face, 50, 4)
        if mouth > 0:
            ellipse(cr, 100, 81, 5 + 2 * mouth, 1.5 + 5 * mouth)
            cr.set_source_rgba(*rgb("7a2a3a"))
            cr.fill_preserve()
            cr.set_source_rgba(*INK)
            cr.set_line_width(1.2)
            cr.stroke()
            ellipse(cr, 100, 81 + 2.5 * mouth, 2.5 + mouth, 1 + 1.6 * mouth)
            cr.set_source_rgba(*rgb("ff8fa3"))
            cr.fill()
        # a speech bubble with a question mark: the rabbit helps
        ellipse(cr, 30, 62, 22, 20)
        cr.move_to(44, 70)
        cr.line_to(58, 80)
        cr.line_to(40, 78)
        cr.close_path()
        cr.set_source_rgba(*rgb("3f6fd8"))
        cr.fill_preserve()
        cr.set_source_rgba(*INK)
        cr.set_line_width(1.5)
        cr.stroke()
        text_mid(cr, "?", 30, 62, 26 + (2 if mouth > 0.5 else 0), color=(1, 1, 1, 1))
        save(s, r"gfx\interface\rabbit\rabbit%d.png" % i)


def start_buttons():
    for i in range(2):
        s, cr = surface(132, 66)
        colour = GREEN if i == 0 else shade(GREEN, 1.25)
        if i == 1:
            rrect(cr, 1, 1, 128, 62, 30)
            cr.set_source_rgba(1, 0.95, 0.5, 0.8)
            cr.set_line_width(3)
            cr.stroke()
        cr.save()
        rrect(cr, 6, 8, 120, 52, 26)
        cr.set_source_rgba(0, 0, 0, 0.3)
        cr.fill()
        rrect(cr, 4, 4, 120, 52, 26)
        cr.set_source(vgrad(4, 56, [(0, shade(colour, 1.35)), (1, shade(colour, 0.85))]))
        cr.fill_preserve()
        cr.set_source_rgba(*INK)
        cr.set_line_width(2)
        cr.stroke()
        rrect(cr, 8, 8, 112, 44, 22)
        cr.set_source_rgba(1, 1, 1, 0.85)
        cr.set_line_width(2)
        cr.stroke()
        cr.restore()
        triangle(cr, 66, 30, 26, 1, (1, 1, 1, 1))
        cr.move_to(50, 17); cr.line_to(50, 43)
        save(s, r"gfx\buttons\startbutton%d.png" % i)


def stop_button(rel=r"gfx\buttons\stop.png", size=60):
    s, cr = surface(size, size)
    c = size / 2
    octagon(cr, c + 1.5, c + 3, c - 3)
    cr.set_source_rgba(0, 0, 0, 0.3)
    cr.fill()
    octagon(cr, c, c, c - 3)
    cr.set_source(vgrad(0, size, [(0, shade(RED, 1.3)), (1, shade(RED, 0.8))]))
    cr.fill_preserve()
    cr.set_source_rgba(*INK)
    cr.set_line_width(2)
    cr.stroke()
    octagon(cr, c, c, c - 7)
    cr.set_source_rgba(1, 1, 1, 0.95)
    cr.set_line_width(2.5)
    cr.stroke()
    rrect(cr, c - size * 0.16, c - size * 0.16, size * 0.32, size * 0.32, 3)
    cr.set_source_rgba(1, 1, 1, 1)
    cr.fill()
    save(s, rel)


def markers():
    # shown around the can or item the trainee should have chosen
    for i in range(2):
        s, cr = surface(140, 156)
        grow = 4 * i
        for k, (col, w) in enumerate(((INK, 9), (rgb("ffd23f") if i else rgb("ff9a1f"), 5))):
            ellipse(cr, 70, 78, 62 + grow, 70 + grow)
            cr.set_source_rgba(*col)
            cr.set_line_width(w)
            cr.set_dash([14, 8], 3 * i)
            cr.stroke()
        cr.set_dash([])
        save(s, r"gfx\interface\showcorrect%d.png" % i)
    # the frame that follows the pointer
    s, cr = surface(64, 64)
    for col, w in ((INK, 6), ((1, 1, 1, 1), 3)):
        cr.set_source_rgba(*col)
        cr.set_line_width(w)
        cr.set_line_cap(cairo.LINE_CAP_ROUND)
        for sx, sy in ((1, 1), (-1, 1), (1, -1), (-1, -1)):
            x0, y0 = 32 - sx * 26, 32 - sy * 26
            cr.move_to(x0, y0 + sy * 14)
            cr.line_to(x0, y0)
            cr.line_to(x0 + sx * 14, y0)
            cr.stroke()
    ellipse(cr, 32, 32, 4, 4)
    cr.set_source_rgba(1, 1, 1, 0.9)
    cr.fill_preserve()
    cr.set_source_rgba(*INK)
    cr.set_line_width(1.5)
    cr.stroke()
    save(s, r"gfx\interface\extramarker.png")


def generate():
    border()
    coin_bar()
    bag_frames()
    lamps()
    arrows()
    help_button()
    rabbit_frames()
    start_buttons()
    stop_button()
    markers()
