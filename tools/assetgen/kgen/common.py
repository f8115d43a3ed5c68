"""Shared helpers of the asset generator: output paths, seeded randomness,
cairo drawing helpers and emoji pictures rendered from the icon set."""
import json
import math
import os
import random
import subprocess
import zlib

import cairo

HERE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ROOT = os.path.dirname(os.path.dirname(HERE))
ASSETS = os.path.join(ROOT, "assets")
CACHE = os.path.join(ROOT, "tools", ".cache", "assetgen")
ICONS_JSON = os.path.join(ROOT, "tools", "node_modules", "@iconify-json",
                          "fluent-emoji-flat", "icons.json")
FONT = "Liberation Sans"
SEED = 20261207


def rng(name):
    """A random generator of its own for every asset, so adding one asset
    never changes the others."""
    return random.Random(SEED ^ zlib.crc32(name.encode("utf-8")))


def path(rel):
    """Program paths use backslashes; the pack stores them as folders."""
    p = os.path.join(ASSETS, *rel.replace("\\", "/").split("/"))
    os.makedirs(os.path.dirname(p), exist_ok=True)
    return p


def surface(w, h):
    s = cairo.ImageSurface(cairo.FORMAT_ARGB32, int(w), int(h))
    return s, cairo.Context(s)


def save(s, rel):
    s.flush()
    s.write_to_png(path(rel))


def rgb(hexv, a=1.0):
    hexv = hexv.lstrip("#")
    return (int(hexv[0:2], 16) / 255, int(hexv[2:4], 16) / 255,
            int(hexv[4:6], 16) / 255, a)


def mix(c1, c2, t):
    return tuple(a + (b - a) * t for a, b in zip(c1, c2))


def shade(c, f):
    """f < 1 darkens, f > 1 lightens (towards white)."""
    if f <= 1:
        return (c[0] * f, c[1] * f, c[2] * f, c[3])
    t = f - 1
    return (c[0] + (1 - c[0]) * t, c[1] + (1 - c[1]) * t,
            c[2] + (1 - c[2]) * t, c[3])


def rrect(cr, x, y, w, h, r):
    r = min(r, w / 2, h / 2)
    cr.new_sub_path()
    cr.arc(x + w - r, y + r, r, -math.pi / 2, 0)
    cr.arc(x + w - r, y + h - r, r, 0, math.pi / 2)
    cr.arc(x + r, y + h - r, r, math.pi / 2, math.pi)
    cr.arc(x + r, y + r, r, math.pi, 3 * math.pi / 2)
    cr.close_path()


def ellipse(cr, cx, cy, rx, ry):
    cr.new_sub_path()
    cr.save()
    cr.translate(cx, cy)
    cr.scale(rx, ry)
    cr.arc(0, 0, 1, 0, 2 * math.pi)
    cr.restore()


def fill_stroke(cr, fill, stroke=None, width=2):
    cr.set_source_rgba(*fill)
    if stroke:
        cr.fill_preserve()
        cr.set_source_rgba(*stroke)
        cr.set_line_width(width)
        cr.stroke()
    else:
        cr.fill()


def vgrad(y0, y1, stops):
    g = cairo.LinearGradient(0, y0, 0, y1)
    for off, c in stops:
        g.add_color_stop_rgba(off, *c)
    return g


def shadow(cr, x, y, w, h, r, alpha=0.25, off=4):
    cr.save()
    for i in range(4):
        rrect(cr, x + off - i, y + off - i, w + 2 * i, h + 2 * i, r + i)
        cr.set_source_rgba(0, 0, 0, alpha / 4)
        cr.fill()
    cr.restore()


def text(cr, s, x, y, size, color=(0, 0, 0, 1), bold=True, align="center",
         outline=None, outline_width=3, font=FONT):
    """Draws s with its baseline at y; align is left, center or right of x.
    Returns the text's width."""
    cr.select_font_face(font, cairo.FONT_SLANT_NORMAL,
                        cairo.FONT_WEIGHT_BOLD if bold else cairo.FONT_WEIGHT_NORMAL)
    cr.set_font_size(size)
    ext = cr.text_extents(s)
    if align == "center":
        x0 = x - ext.x_advance / 2
    elif align == "right":
        x0 = x - ext.x_advance
    else:
        x0 = x
    cr.move_to(x0, y)
    cr.text_path(s)
    if outline:
        cr.set_source_rgba(*outline)
        cr.set_line_width(outline_width)
        cr.set_line_join(cairo.LINE_JOIN_ROUND)
        cr.stroke_preserve()
    cr.set_source_rgba(*color)
    cr.fill()
    return ext.x_advance


def text_mid(cr, s, cx, cy, size, **kw):
    """Text centred on (cx, cy) by its cap height."""
    return text(cr, s, cx, cy + size * 0.36, size, **kw)


# ---------------------------------------------------------------- emoji

_icons = None


def _icon_svg(name, hflip=False, vflip=False):
    global _icons
    if _icons is None:
        with open(ICONS_JSON, encoding="utf-8") as f:
            _icons = json.load(f)
    aliases = _icons.get("aliases", {})
    while name not in _icons["icons"]:
        a = aliases[name]          # KeyError for unknown names is wanted
        hflip ^= bool(a.get("hFlip"))
        vflip ^= bool(a.get("vFlip"))
        name = a["parent"]
    icon = _icons["icons"][name]
    w = icon.get("width", _icons.get("width", 32))
    h = icon.get("height", _icons.get("height", 32))
    body = icon["body"]
    if hflip or vflip:
        body = '<g transform="translate(%d %d) scale(%d %d)">%s</g>' % (
            w if hflip else 0, h if vflip else 0,
            -1 if hflip else 1, -1 if vflip else 1, body)
    return ('<svg xmlns="http://www.w3.org/2000/svg" '
            'xmlns:xlink="http://www.w3.org/1999/xlink" '
            'viewBox="0 0 %d %d">%s</svg>' % (w, h, body))


def emoji(name, size, hflip=False):
    """The icon `name` as a cairo surface of size x size pixels."""
    size = int(round(size))
    os.makedirs(CACHE, exist_ok=True)
    key = "%s-%d%s" % (name, size, "-h" if hflip else "")
    png = os.path.join(CACHE, key + ".png")
    if not os.path.exists(png):
        svg = os.path.join(CACHE, key + ".svg")
        with open(svg, "w", encoding="utf-8") as f:
            f.write(_icon_svg(name, hflip))
        subprocess.run(["rsvg-convert", "-w", str(size), "-h", str(size),
                        "-o", png, svg], check=True)
    return cairo.ImageSurface.create_from_png(png)


def put(cr, src, x, y, w=None, h=None, alpha=1.0, angle=0.0):
    """Draws surface src with its top-left at (x, y), scaled to w x h and
    rotated by angle degrees about its centre."""
    sw, sh = src.get_width(), src.get_height()
    w = sw if w is None else w
    h = sh if h is None else h
    cr.save()
    cr.translate(x + w / 2, y + h / 2)
    if angle:
        cr.rotate(math.radians(angle))
    cr.scale(w / sw, h / sh)
    cr.set_source_surface(src, -sw / 2, -sh / 2)
    cr.get_source().set_filter(cairo.FILTER_BEST)
    cr.paint_with_alpha(alpha)
    cr.restore()


def put_emoji(cr, name, cx, cy, size, alpha=1.0, angle=0.0, hflip=False):
    """An emoji of the given size centred on (cx, cy)."""
    src = emoji(name, size, hflip)
    put(cr, src, cx - size / 2, cy - size / 2, size, size, alpha, angle)


def put_shadowed_emoji(cr, name, cx, cy, size, dy=None, alpha=0.22, hflip=False):
    dy = size * 0.05 if dy is None else dy
    src = emoji(name, size, hflip)
    cr.save()
    cr.set_source_rgba(0, 0, 0, alpha)
    cr.mask_surface(src, cx - size / 2 + dy * 0.6, cy - size / 2 + dy)
    cr.restore()
    put(cr, src, cx - size / 2, cy - size / 2, size, size)


def tinted(src, color, amount):
    """A copy of src mixed towards color (alpha kept)."""
    w, h = src.get_width(), src.get_height()
    s, cr = surface(w, h)
    cr.set_source_surface(src, 0, 0)
    cr.paint()
    cr.set_operator(cairo.OPERATOR_ATOP)
    cr.set_source_rgba(color[0], color[1], color[2], amount)
    cr.paint()
    return s


def recoloured(src, color, lighten=0.45):
    """src in the hues of color: its lightness kept, its colour replaced."""
    grey = greyed(src, 1.0, lighten)
    w, h = src.get_width(), src.get_height()
    s, cr = surface(w, h)
    cr.set_source_surface(grey, 0, 0)
    cr.paint()
    cr.set_operator(cairo.OPERATOR_MULTIPLY)
    cr.set_source_rgba(color[0], color[1], color[2], 1)
    cr.mask_surface(grey, 0, 0)
    return s


def greyed(src, amount=0.85, lighten=0.25):
    """A desaturated copy of src (alpha kept)."""
    w, h = src.get_width(), src.get_height()
    src.flush()
    data = bytearray(src.get_data())
    stride = src.get_stride()
    for y in range(h):
        row = y * stride
        for x in range(w):
            i = row + 4 * x
            b, g, r, a = data[i], data[i + 1], data[i + 2], data[i + 3]
            if a == 0:
                continue
            l = 0.3 * r + 0.59 * g + 0.11 * b
            l = l + (a - l) * lighten
            data[i] = int(b + (l - b) * amount)
            data[i + 1] = int(g + (l - g) * amount)
            data[i + 2] = int(r + (l - r) * amount)
    out = cairo.ImageSurface.create_for_data(data, cairo.FORMAT_ARGB32, w, h, stride)
    s, cr = surface(w, h)
    cr.set_source_surface(out, 0, 0)
    cr.paint()
    return s


def load(rel):
    return cairo.ImageSurface.create_from_png(path(rel))


def glow(cr, src, x, y, color, radius=6, strength=0.6):
    """A soft coloured halo around the opaque parts of src placed at (x, y)."""
    for i in range(radius, 0, -1):
        a = strength * (1 - i / (radius + 1)) / 2.2
        for dx, dy in ((i, 0), (-i, 0), (0, i), (0, -i), (i * .7, i * .7),
                       (-i * .7, i * .7), (i * .7, -i * .7), (-i * .7, -i * .7)):
            cr.set_source_rgba(color[0], color[1], color[2], a / 3)
            cr.mask_surface(src, x + dx, y + dy)
