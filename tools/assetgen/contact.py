#!/usr/bin/python3
"""Contact sheets: one PNG grid per asset folder in out/contact/, and
scene mock-ups in out/mockup/. Usage: contact.py [folder-prefix]"""
import os
import subprocess
import sys

import cairo

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from kgen.common import ASSETS, ROOT, text  # noqa: E402

OUT = os.path.join(ROOT, "out", "contact")


def checker(cr, w, h):
    cr.set_source_rgb(0.86, 0.86, 0.86)
    cr.paint()
    cr.set_source_rgb(0.74, 0.74, 0.74)
    for y in range(0, h, 10):
        for x in range((y // 10) % 2 * 10, w, 20):
            cr.rectangle(x, y, 10, 10)
    cr.fill()


def load_any(p):
    if p.endswith(".png"):
        return cairo.ImageSurface.create_from_png(p)
    tmp = os.path.join(ROOT, "out", "tmp_frame.png")
    subprocess.run(["convert", p + "[0]", tmp], check=True)
    return cairo.ImageSurface.create_from_png(tmp)


def sheet(folder, files):
    cell, label = 170, 16
    cols = min(6, len(files))
    rows = (len(files) + cols - 1) // cols
    W, H = cols * cell, rows * (cell + label) + 24
    s = cairo.ImageSurface(cairo.FORMAT_ARGB32, W, H)
    cr = cairo.Context(s)
    cr.set_source_rgb(1, 1, 1)
    cr.paint()
    text(cr, os.path.relpath(folder, ASSETS), 6, 17, 14, align="left")
    for i, f in enumerate(files):
        x, y = (i % cols) * cell, 24 + (i // cols) * (cell + label)
        img = load_any(os.path.join(folder, f))
        w, h = img.get_width(), img.get_height()
        sc = min(1.0, (cell - 8) / max(w, h))
        cr.save()
        cr.rectangle(x + 2, y + 2, cell - 4, cell - 4)
        cr.clip()
        checker(cr, W, H)
        cr.restore()
        cr.save()
        cr.translate(x + 4 + (cell - 8 - w * sc) / 2, y + 4 + (cell - 8 - h * sc) / 2)
        cr.scale(sc, sc)
        cr.set_source_surface(img, 0, 0)
        cr.paint()
        cr.restore()
        text(cr, "%s %dx%d" % (f, w, h), x + cell / 2, y + cell + 11, 10, bold=False)
    name = os.path.relpath(folder, ASSETS).replace(os.sep, "_") + ".png"
    s.write_to_png(os.path.join(OUT, name))


def main():
    prefix = sys.argv[1] if len(sys.argv) > 1 else ""
    os.makedirs(OUT, exist_ok=True)
    for folder, _dirs, files in sorted(os.walk(ASSETS)):
        pics = sorted((f for f in files if f.endswith((".png", ".gif"))), key=str.lower)
        if pics and os.path.relpath(folder, ASSETS).startswith(prefix):
            sheet(folder, pics)


if __name__ == "__main__":
    main()
