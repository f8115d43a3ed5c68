"""Buttons, panels and other shapes shared by several screens."""
import math

import cairo

from .common import (rgb, shade, rrect, ellipse, vgrad, shadow, text, text_mid,
                     put_emoji, put_shadowed_emoji, surface, emoji, put)

INK = rgb("26304f")          # outlines and dark text
CREAM = rgb("fff8e8")
BLUE = rgb("3f6fd8")
GREEN = rgb("3bb15b")
RED = rgb("e0463c")
ORANGE = rgb("f29a2e")
YELLOW = rgb("ffd23f")
PURPLE = rgb("8b5cd6")
TEAL = rgb("20a7a0")
PANEL = rgb("2f4f9a")


def round_button(cr, cx, cy, r, color, ring=True):
    """A raised round button: shadow, body with a soft top light, white ring
    and a dark outline that stays visible on any background."""
    cr.save()
    ellipse(cr, cx + 1.5, cy + 3, r, r)
    cr.set_source_rgba(0, 0, 0, 0.28)
    cr.fill()
    g = cairo.RadialGradient(cx - r * 0.35, cy - r * 0.45, r * 0.1, cx, cy, r * 1.1)
    g.add_color_stop_rgba(0, *shade(color, 1.35))
    g.add_color_stop_rgba(1, *shade(color, 0.82))
    ellipse(cr, cx, cy, r, r)
    cr.set_source(g)
    cr.fill()
    if ring:
        ellipse(cr, cx, cy, r - 3, r - 3)
        cr.set_source_rgba(1, 1, 1, 0.9)
        cr.set_line_width(2.5)
        cr.stroke()
    ellipse(cr, cx, cy, r, r)
    cr.set_source_rgba(*INK)
    cr.set_line_width(2)
    cr.stroke()
    cr.restore()


def square_button(cr, x, y, w, h, color, r=12, border=(1, 1, 1, 0.9)):
    cr.save()
    shadow(cr, x, y, w, h, r, alpha=0.3, off=3)
    rrect(cr, x, y, w, h, r)
    cr.set_source(vgrad(y, y + h, [(0, shade(color, 1.3)), (1, shade(color, 0.85))]))
    cr.fill()
    if border:
        rrect(cr, x + 3, y + 3, w - 6, h - 6, r - 3)
        cr.set_source_rgba(*border)
        cr.set_line_width(2)
        cr.stroke()
    rrect(cr, x, y, w, h, r)
    cr.set_source_rgba(*INK)
    cr.set_line_width(2)
    cr.stroke()
    cr.restore()


def panel(cr, x, y, w, h, color=PANEL, r=22, title_band=0):
    """A window: rounded panel with a lighter rim."""
    shadow(cr, x, y, w, h, r, alpha=0.35, off=6)
    rrect(cr, x, y, w, h, r)
    cr.set_source(vgrad(y, y + h, [(0, shade(color, 1.18)), (1, shade(color, 0.88))]))
    cr.fill()
    rrect(cr, x + 4, y + 4, w - 8, h - 8, r - 4)
    cr.set_source_rgba(1, 1, 1, 0.55)
    cr.set_line_width(2)
    cr.stroke()
    rrect(cr, x, y, w, h, r)
    cr.set_source_rgba(*INK)
    cr.set_line_width(2.5)
    cr.stroke()


def well(cr, x, y, w, h, r=8, color=rgb("1d3266", 0.55)):
    """A sunken area for a list or a text field."""
    rrect(cr, x, y, w, h, r)
    cr.set_source_rgba(*color)
    cr.fill()
    rrect(cr, x + 1, y + 2, w - 2, h - 2, r)
    cr.set_source_rgba(0, 0, 0, 0.25)
    cr.set_line_width(2)
    cr.stroke()


def check_mark(cr, cx, cy, s, color=(1, 1, 1, 1), width=None):
    cr.save()
    cr.set_line_cap(cairo.LINE_CAP_ROUND)
    cr.set_line_join(cairo.LINE_JOIN_ROUND)
    cr.move_to(cx - s * 0.45, cy + s * 0.02)
    cr.line_to(cx - s * 0.12, cy + s * 0.35)
    cr.line_to(cx + s * 0.48, cy - s * 0.35)
    cr.set_source_rgba(*color)
    cr.set_line_width(width or s * 0.2)
    cr.stroke()
    cr.restore()


def cross_mark(cr, cx, cy, s, color=(1, 1, 1, 1), width=None):
    cr.save()
    cr.set_line_cap(cairo.LINE_CAP_ROUND)
    d = s * 0.38
    cr.move_to(cx - d, cy - d)
    cr.line_to(cx + d, cy + d)
    cr.move_to(cx + d, cy - d)
    cr.line_to(cx - d, cy + d)
    cr.set_source_rgba(*color)
    cr.set_line_width(width or s * 0.2)
    cr.stroke()
    cr.restore()


def triangle(cr, cx, cy, s, direction=1, color=(1, 1, 1, 1)):
    """A play triangle pointing right (direction 1) or left (-1)."""
    cr.save()
    cr.set_line_join(cairo.LINE_JOIN_ROUND)
    cr.move_to(cx - direction * s * 0.38, cy - s * 0.5)
    cr.line_to(cx + direction * s * 0.5, cy)
    cr.line_to(cx - direction * s * 0.38, cy + s * 0.5)
    cr.close_path()
    cr.set_source_rgba(*color)
    cr.set_line_width(s * 0.12)
    cr.fill_preserve()
    cr.stroke()
    cr.restore()


def octagon(cr, cx, cy, r):
    cr.new_sub_path()
    for i in range(8):
        a = math.pi / 8 + i * math.pi / 4
        cr.line_to(cx + r * math.cos(a), cy + r * math.sin(a))
    cr.close_path()


def icon_button(w, h, color, icon, icon_size=None, shape="square"):
    """A w x h picture of a button carrying an emoji."""
    s, cr = surface(w, h)
    if shape == "round":
        r = min(w, h) / 2 - 4
        round_button(cr, w / 2 - 1, h / 2 - 2, r, color)
    else:
        square_button(cr, 3, 2, w - 8, h - 8, color)
    if icon:
        isz = icon_size or min(w, h) * 0.62
        put_shadowed_emoji(cr, icon, w / 2 - 1, h / 2 - 2, isz)
    return s, cr


def star_path(cr, cx, cy, r_out, r_in, points=5, rot=-90):
    cr.new_sub_path()
    for i in range(points * 2):
        r = r_out if i % 2 == 0 else r_in
        a = math.radians(rot + i * 180 / points)
        cr.line_to(cx + r * math.cos(a), cy + r * math.sin(a))
    cr.close_path()
