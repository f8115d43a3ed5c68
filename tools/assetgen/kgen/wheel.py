"""Big wheel: the rotating wheel (six or eight arms), the wagon at rest
and lit, the palms, the moon that fills up as progress, the fireworks.

The wheel picture is centred on (400, 260) and turns; the wagons hang on
a circle of radius 155 around that centre, so the arms end there. The
stand does not turn and is part of the background."""
import math

import cairo

from .common import (rgb, shade, rrect, ellipse, vgrad, surface, save, put_emoji,
                     put_shadowed_emoji, rng, emoji, put)
from .widgets import INK, star_path
from .screens import landscape, cloud

WHEEL = 350


def wheel(arms):
    s, cr = surface(WHEEL, WHEEL)
    c = WHEEL / 2
    steel = rgb("e8eef8")
    for r, w in ((155, 7), (120, 4)):
        ellipse(cr, c, c, r, r)
        cr.set_source_rgba(*INK)
        cr.set_line_width(w + 3)
        cr.stroke()
        ellipse(cr, c, c, r, r)
        cr.set_source_rgba(*steel)
        cr.set_line_width(w)
        cr.stroke()
    for k in range(arms * 2):
        a = math.radians(k * 180 / arms)
        cr.move_to(c + 18 * math.cos(a), c + 18 * math.sin(a))
        cr.line_to(c + 155 * math.cos(a), c + 155 * math.sin(a))
    cr.set_source_rgba(*INK)
    cr.set_line_width(5)
    cr.stroke_preserve()
    cr.set_source_rgba(*steel)
    cr.set_line_width(2.5)
    cr.stroke()
    # coloured lights along the rim
    cols = [rgb("ff5a5a"), rgb("ffd23f"), rgb("4fc3f7"), rgb("7ed957")]
    for k in range(24):
        a = math.radians(k * 15 + 7.5)
        ellipse(cr, c + 155 * math.cos(a), c + 155 * math.sin(a), 4, 4)
        cr.set_source_rgba(*cols[k % 4])
        cr.fill()
    # hub and the joints where the wagons hang
    for k in range(arms):
        a = math.radians(k * 360 / arms)
        ellipse(cr, c + 155 * math.cos(a), c + 155 * math.sin(a), 7, 7)
        cr.set_source_rgba(*rgb("ffd23f"))
        cr.fill_preserve()
        cr.set_source_rgba(*INK)
        cr.set_line_width(2)
        cr.stroke()
    ellipse(cr, c, c, 22, 22)
    cr.set_source(vgrad(c - 22, c + 22, [(0, rgb("ff8a5b")), (1, rgb("d9482b"))]))
    cr.fill_preserve()
    cr.set_source_rgba(*INK)
    cr.set_line_width(2.5)
    cr.stroke()
    star_path(cr, c, c, 13, 5)
    cr.set_source_rgba(1, 0.95, 0.6, 1)
    cr.fill()
    save(s, r"gfx\pariswheel\wheel%d.png" % arms)


def wagon(lit):
    """156 x 124 picture; the cabin fills the hit area (40, 18, 75 x 89)."""
    s, cr = surface(156, 124)
    cx = 78
    body = rgb("ff7043") if not lit else rgb("ffd23f")
    if lit:
        rrect(cr, 30, 10, 96, 106, 22)
        cr.set_source_rgba(1, 0.9, 0.3, 0.55)
        cr.fill()
    # hanger
    cr.move_to(cx, 4)
    cr.line_to(cx, 24)
    cr.set_source_rgba(*INK)
    cr.set_line_width(4)
    cr.stroke()
    ellipse(cr, cx, 5, 5, 5)
    cr.set_source_rgba(*rgb("ffd23f"))
    cr.fill_preserve()
    cr.set_source_rgba(*INK)
    cr.set_line_width(1.5)
    cr.stroke()
    # roof
    cr.move_to(40, 40)
    cr.curve_to(48, 18, 108, 18, 116, 40)
    cr.close_path()
    cr.set_source_rgba(*shade(body, 0.8))
    cr.fill_preserve()
    cr.set_source_rgba(*INK)
    cr.set_line_width(2)
    cr.stroke()
    # cabin
    rrect(cr, 42, 38, 72, 68, 12)
    cr.set_source(vgrad(38, 106, [(0, shade(body, 1.2)), (1, shade(body, 0.85))]))
    cr.fill_preserve()
    cr.set_source_rgba(*INK)
    cr.set_line_width(2)
    cr.stroke()
    rrect(cr, 50, 46, 56, 26, 6)
    cr.set_source_rgba(*rgb("e3f4ff") if not lit else (1, 1, 0.85, 1))
    cr.fill_preserve()
    cr.set_source_rgba(*INK)
    cr.set_line_width(1.5)
    cr.stroke()
    # two small passengers
    put_emoji(cr, "bear", 66, 66, 22)
    put_emoji(cr, "rabbit-face", 90, 66, 22)
    cr.rectangle(42, 78, 72, 6)
    cr.set_source_rgba(1, 1, 1, 0.6)
    cr.fill()
    if lit:
        for x, y in ((36, 30), (120, 30), (34, 100), (122, 100)):
            star_path(cr, x, y, 8, 3, 4)
            cr.set_source_rgba(1, 1, 0.8, 1)
            cr.fill_preserve()
            cr.set_source_rgba(*rgb("d79a00"))
            cr.set_line_width(1)
            cr.stroke()
    save(s, r"gfx\pariswheel\wagon%d.png" % (1 if lit else 0))


def palms():
    sizes = [(150, 190), (120, 150), (110, 140)]
    for k, (w, h) in enumerate(sizes):
        s, cr = surface(w, h)
        put_emoji(cr, "palm-tree", w / 2, h / 2 + 4, min(w, h) * 1.0 + 20, hflip=(k == 2))
        save(s, r"gfx\pariswheel\palm%d.png" % k)


def moon():
    """Ten frames: the moon fills from a thin crescent to full, one step
    per solved sequence."""
    for k in range(10):
        s, cr = surface(110, 110)
        c, r = 55, 44
        g = cairo.RadialGradient(c, c, 10, c, c, 55)
        g.add_color_stop_rgba(0, 1, 1, 0.8, 0.35 * (k + 1) / 10)
        g.add_color_stop_rgba(1, 1, 1, 0.8, 0)
        cr.set_source(g)
        cr.paint()
        ellipse(cr, c, c, r, r)
        cr.set_source_rgba(0.85, 0.88, 0.95, 0.25)
        cr.fill()
        # lit part: a disc minus a shifted disc
        t = (k + 1) / 10
        cr.push_group()
        ellipse(cr, c, c, r, r)
        cr.set_source(vgrad(c - r, c + r, [(0, rgb("fff6c2")), (1, rgb("f4d35e"))]))
        cr.fill()
        if k < 9:
            cr.set_operator(cairo.OPERATOR_CLEAR)
            ellipse(cr, c - 2 * r * t - 4, c, r, r)
            cr.fill()
            cr.set_operator(cairo.OPERATOR_OVER)
        cr.pop_group_to_source()
        cr.paint()
        ellipse(cr, c, c, r, r)
        cr.set_source_rgba(*INK)
        cr.set_line_width(1.5)
        cr.stroke()
        if k == 9:
            for x, y, rr in ((40, 42, 6), (66, 64, 8), (58, 36, 4)):
                ellipse(cr, x, y, rr, rr)
            cr.set_source_rgba(0.85, 0.72, 0.3, 0.5)
            cr.fill()
        save(s, r"gfx\pariswheel\moon%d.png" % k)


def background():
    s, cr = surface(800, 600)
    # evening sky over a fairground
    cr.set_source(vgrad(0, 600, [(0, rgb("23305e")), (0.55, rgb("5a5ea8")), (1, rgb("f1a45c"))]))
    cr.paint()
    r = rng("wheel-stars")
    for _ in range(70):
        x, y = r.uniform(0, 800), r.uniform(0, 300)
        ellipse(cr, x, y, 1.3, 1.3)
        cr.set_source_rgba(1, 1, 1, r.uniform(0.3, 0.9))
        cr.fill()
    # ground
    cr.move_to(0, 470)
    for x in range(0, 820, 20):
        cr.line_to(x, 470 + 10 * math.sin(x / 90))
    cr.line_to(800, 600)
    cr.line_to(0, 600)
    cr.close_path()
    cr.set_source(vgrad(460, 600, [(0, rgb("4f9a4a")), (1, rgb("2f6f35"))]))
    cr.fill()
    # the stand of the wheel, from its hub (400, 260) to the ground
    for sx in (-1, 1):
        cr.move_to(400, 260)
        cr.line_to(400 + sx * 120, 490)
    cr.set_source_rgba(*INK)
    cr.set_line_width(14)
    cr.stroke_preserve()
    cr.set_source_rgba(*rgb("c8d3e6"))
    cr.set_line_width(9)
    cr.stroke()
    cr.move_to(330, 420)
    cr.line_to(470, 420)
    cr.set_source_rgba(*INK)
    cr.set_line_width(7)
    cr.stroke_preserve()
    cr.set_source_rgba(*rgb("c8d3e6"))
    cr.set_line_width(4)
    cr.stroke()
    rrect(cr, 250, 480, 300, 26, 8)
    cr.set_source_rgba(*rgb("b0563a"))
    cr.fill_preserve()
    cr.set_source_rgba(*INK)
    cr.set_line_width(2)
    cr.stroke()
    # bunting across the top
    cr.move_to(0, 20)
    cr.curve_to(200, 60, 600, 60, 800, 20)
    cr.set_source_rgba(1, 1, 1, 0.6)
    cr.set_line_width(1.5)
    cr.stroke()
    cols = [rgb("ff5a5a"), rgb("ffd23f"), rgb("4fc3f7"), rgb("7ed957")]
    for k in range(17):
        x = 25 + k * 47
        t = x / 800
        y = 20 + 160 * t * (1 - t) * 0.9 * 1.2
        cr.move_to(x - 10, y)
        cr.line_to(x + 10, y)
        cr.line_to(x, y + 20)
        cr.close_path()
        cr.set_source_rgba(*cols[k % 4])
        cr.fill()
    put_shadowed_emoji(cr, "circus-tent", 700, 455, 90)
    put_shadowed_emoji(cr, "balloon", 90, 120, 50)
    return s


def fireworks():
    r = rng("fireworks")
    bursts = [(r.uniform(80, 720), r.uniform(40, 220), r.uniform(50, 90),
               [rgb("ff5a5a"), rgb("ffd23f"), rgb("4fc3f7"), rgb("c17bff"), rgb("7ed957")][k % 5], k * 1.2)
              for k in range(6)]
    for i in range(10):
        s, cr = surface(800, 300)
        for x, y, rad, col, start in bursts:
            t = (i - start) / 4
            if t < 0 or t > 1.3:
                continue
            rr = rad * min(1, t)
            alpha = 1 if t < 0.9 else max(0, 1 - (t - 0.9) / 0.4)
            for k in range(14):
                a = k * math.pi / 7
                cr.move_to(x + rr * 0.3 * math.cos(a), y + rr * 0.3 * math.sin(a))
                cr.line_to(x + rr * math.cos(a), y + rr * math.sin(a) + 6 * t)
            cr.set_source_rgba(col[0], col[1], col[2], alpha)
            cr.set_line_width(3)
            cr.set_line_cap(cairo.LINE_CAP_ROUND)
            cr.stroke()
            for k in range(14):
                a = k * math.pi / 7 + 0.2
                ellipse(cr, x + rr * 1.05 * math.cos(a), y + rr * 1.05 * math.sin(a) + 6 * t, 2.5, 2.5)
            cr.set_source_rgba(1, 1, 0.9, alpha)
            cr.fill()
        save(s, r"gfx\pariswheel\rewards\fireworks%d.png" % i)


def generate():
    wheel(6)
    wheel(8)
    wagon(False)
    wagon(True)
    palms()
    moon()
    save(background(), r"gfx\pariswheel\background.png")
    fireworks()
