#!/usr/bin/python3
"""Scene mock-ups at 800 x 600 with the items at the program's positions,
written to out/mockup/ for a look before the program itself runs."""
import os
import sys

import cairo

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from kgen.common import ROOT, load, text  # noqa: E402

OUT = os.path.join(ROOT, "out", "mockup")


def canvas():
    s = cairo.ImageSurface(cairo.FORMAT_ARGB32, 800, 600)
    return s, cairo.Context(s)


def draw(cr, rel, x, y):
    img = load(rel)
    cr.set_source_surface(img, int(x), int(y))
    cr.paint()
    return img.get_width(), img.get_height()


def size(rel):
    img = load(rel)
    return img.get_width(), img.get_height()


def hud(cr, rounds=10, current=4, coins=3, backward=False, rabbit=True):
    draw(cr, r"gfx\interface\borders.png", 0, 0)
    bw, bh = draw(cr, r"gfx\interface\coinbar.png", 5, 185)
    cw, ch = size(r"gfx\interface\coin.png")
    if rabbit:
        rw, rh = size(r"gfx\interface\rabbit\rabbit1.png")
        draw(cr, r"gfx\interface\rabbit\rabbit1.png", 638, 600 - rh)
    else:
        hw, hh = size(r"gfx\interface\help.png")
        draw(cr, r"gfx\interface\help.png", 710 - hw / 2, 523)
    for i in range(coins):
        draw(cr, r"gfx\interface\coin.png", 6, 185 + bh - 32 - i * ch / 3)
    draw(cr, r"gfx\interface\coinbarno.png", 28, 185 + 34)
    lw, lh = size(r"gfx\interface\roundled0.png")
    lx = 400 - (lw * rounds + 10 * rounds) / 2
    for i in range(rounds):
        f = 2 if i < current - 1 else (1 if i == current - 1 else 0)
        draw(cr, r"gfx\interface\roundled%d.png" % f, lx + i * (lw + 10), 585)
    draw(cr, r"gfx\buttons\stop.png", 10, 20)
    draw(cr, r"gfx\buttons\startbutton0.png", 10, 523)
    name = r"gfx\interface\bwdir.png" if backward else r"gfx\interface\fwdir.png"
    aw, ah = size(name)
    draw(cr, name, 560 - aw / 2, 585)


def cans(span=5):
    s, cr = canvas()
    draw(cr, r"gfx\cans\background.png", 0, 0)
    shelves = [330] if span <= 4 else [200, 400]
    for y in shelves:
        draw(cr, r"gfx\cans\shelf.png", 0, y)
    cw, chh = size(r"gfx\cans\cans\can00a.png")
    places = [(175 + k * (cw + 5), y - 90) for y in shelves for k in range(4)]
    for j, p in enumerate(places):
        lit = "b" if j == 2 else "a"
        draw(cr, r"gfx\cans\cans\can0%d%s.png" % (j, lit), *p)
        # hit area check
        cr.rectangle(p[0] + 18 + .5, p[1] + 7 + .5, 85, 120)
        cr.set_source_rgba(1, 0, 0, 0.5)
        cr.set_line_width(1)
        cr.stroke()
    hud(cr, rounds=10, current=3, coins=4)
    for k, y in enumerate(shelves):
        draw(cr, r"gfx\cans\leftprop%d.png" % k, 70, y - 118)
        draw(cr, r"gfx\cans\rightprop%d.png" % (k + 1), 650, y - 118)
    s.write_to_png(os.path.join(OUT, "cans_%dpos.png" % (4 if span <= 4 else 8)))


def splash():
    s, cr = canvas()
    draw(cr, r"gfx\splash\background.png", 0, 0)
    w, h = size(r"gfx\splash\logo_en.png")
    draw(cr, r"gfx\splash\logo_en.png", 400 - w / 2, 35)
    text(cr, "Kestrova 1.0 - memory training for children and seniors", 400, 596, 10, bold=False)
    s.write_to_png(os.path.join(OUT, "splash.png"))


def login():
    s, cr = canvas()
    cr.set_source_rgb(0.25, 0.41, 0.69)
    cr.paint()
    w, h = size(r"gfx\login\window.png")
    wx, wy = 400 - w / 2, 300 - h / 2
    draw(cr, r"gfx\login\window.png", wx, wy)
    draw(cr, r"gfx\login\selected.png", wx + 20, wy + 35 + 60 - 2)
    for k, name in enumerate(["Anna", "Bertil", "Kestrova Guide", "Dina"]):
        y = wy + 35 + 60 * k
        pw, ph = draw(cr, r"gfx\login\default.png", wx + 35, y)
        text(cr, name, wx + 35 + pw + 5, y + 32, 18, color=(0, 0, 0, 1), align="left")
    draw(cr, r"gfx\login\end.png", wx + 28, wy + 357)
    draw(cr, r"gfx\login\saveas.png", wx + 248, wy + 357)
    for k in range(5):
        cr.rectangle(wx + 309 + .5, wy + 20 + 69 * k + .5, 55, 55)
    cr.rectangle(wx + 110 + .5, wy + 355 + .5, 31, 31)
    cr.rectangle(wx + 162 + .5, wy + 355 + .5, 31, 31)
    cr.set_source_rgba(1, 0, 0, 0.7)
    cr.set_line_width(1)
    cr.stroke()
    s.write_to_png(os.path.join(OUT, "login.png"))


def password():
    s, cr = canvas()
    cr.set_source_rgb(0.25, 0.41, 0.69)
    cr.paint()
    w, h = size(r"gfx\login\password.png")
    px, py = 400 - w / 2, 300 - h / 2
    draw(cr, r"gfx\login\password.png", px, py)
    text(cr, "Password", px + 70, py + 55, 20, color=(1, 1, 1, 1), align="left")
    cr.rectangle(px + 70 + .5, py + 60 + .5, 125, 25)
    cr.rectangle(px + 260 + .5, py + 45 + .5, 55, 55)
    cr.rectangle(px + 325 + .5, py + 45 + .5, 55, 55)
    cr.set_source_rgba(1, 0, 0, 0.7)
    cr.set_line_width(1)
    cr.stroke()
    s.write_to_png(os.path.join(OUT, "password.png"))


def newprofile():
    s, cr = canvas()
    cr.set_source_rgb(0.25, 0.41, 0.69)
    cr.paint()
    w, h = size(r"gfx\newprofile\background.png")
    bx, by = 400 - w / 2, 300 - h / 2
    draw(cr, r"gfx\newprofile\background.png", bx, by)
    text(cr, "Name", bx + 13, by + 33, 20, color=(1, 1, 1, 1), align="left")
    text(cr, "Password", bx + 148, by + 33, 20, color=(1, 1, 1, 1), align="left")
    text(cr, "Level 2: a little harder", bx + 15, by + 90, 14, color=(1, 1, 1, 1), align="left")
    row = [("lev%dbtn", (1, 2, 3), 165, (15, 80, 145), 1), ("%drounds", (8, 9, 10), 230, (15, 80, 145), 9),
           ("%dweeks", (3, 4, 5), 100, (210, 270, 330), 5)]
    for pat, vals, y, xs, chosen in row:
        for v, x in zip(vals, xs):
            draw(cr, "gfx\\newprofile\\" + (pat % v) + ("1" if v == chosen else "0") + ".png", bx + x, by + y)
    draw(cr, r"gfx\newprofile\boybtn0.png", bx + 15, by + 100)
    draw(cr, r"gfx\newprofile\girlbtn1.png", bx + 80, by + 100)
    for x, y, w2, h2 in ((15, 40, 125, 25), (150, 40, 125, 25), (270, 230, 55, 55), (330, 230, 55, 55)):
        cr.rectangle(bx + x + .5, by + y + .5, w2, h2)
    cr.set_source_rgba(1, 0, 0, 0.7)
    cr.set_line_width(1)
    cr.stroke()
    s.write_to_png(os.path.join(OUT, "newprofile.png"))


SCENES = {"cans": lambda: (cans(4), cans(5)), "splash": splash, "login": login,
          "password": password, "newprofile": newprofile}

os.makedirs(OUT, exist_ok=True)


def treasure():
    s, cr = canvas()
    draw(cr, r"gfx\treasure\background.png", 0, 0)
    draw(cr, r"gfx\treasure\chest5.png", 200, 60)
    cw, ch = size(r"gfx\buttons\coins\1a.png")
    for k in range(1, 10):
        x = 345 + ((k - 1) % 3) * cw
        y = 185 + ((k - 1) // 3) * 55
        draw(cr, r"gfx\buttons\coins\%d%s.png" % (k, "b" if k == 5 else "a"), x, y)
        cr.rectangle(x + 4.5, y + 4.5, 46, 47)
    cr.set_source_rgba(1, 0, 0, 0.6)
    cr.set_line_width(1)
    cr.stroke()
    hud(cr, rounds=8, current=2, coins=1)
    s.write_to_png(os.path.join(OUT, "treasure.png"))
    s, cr = canvas()
    for k in range(6):
        draw(cr, r"gfx\treasure\chest%d.png" % k, (k % 3) * 260 - 60, (k // 3) * 300 - 40)
    s.write_to_png(os.path.join(OUT, "treasure_chest_frames.png"))


SCENES["treasure"] = treasure

def pariswheel(arms=8):
    import math
    s, cr = canvas()
    draw(cr, r"gfx\pariswheel\background.png", 0, 0)
    for k, (px, py) in enumerate(((100, None), (440, None), (610, 370))):
        w, h = size(r"gfx\pariswheel\palm%d.png" % k)
        x = px - (w / 2 if k == 1 else 0)
        draw(cr, r"gfx\pariswheel\palm%d.png" % k, x, 600 - h if py is None else py)
    w, h = size(r"gfx\pariswheel\wheel%d.png" % arms)
    draw(cr, r"gfx\pariswheel\wheel%d.png" % arms, 400 - w / 2, 260 - h / 2)
    draw(cr, r"gfx\pariswheel\moon6.png", 600, 50)
    ww, wh = size(r"gfx\pariswheel\wagon0.png")
    for i in range(arms):
        a = math.radians((i + 1) * 360 / arms)
        cx, cy = 400 + 155 * math.cos(a), 260 + 155 * math.sin(a)
        x, y = cx - ww / 2, cy - wh / 2
        draw(cr, r"gfx\pariswheel\wagon%d.png" % (1 if i == 2 else 0), x, y)
        cr.rectangle(x + 40.5, y + 18.5, 75, 89)
    cr.set_source_rgba(1, 0, 0, 0.6)
    cr.set_line_width(1)
    cr.stroke()
    draw(cr, r"gfx\pariswheel\rewards\fireworks5.png", 0, 50)
    hud(cr, rounds=10, current=5, coins=4)
    s.write_to_png(os.path.join(OUT, "pariswheel_%d.png" % arms))


SCENES["pariswheel"] = lambda: (pariswheel(6), pariswheel(8))

def thecircle():
    import math
    s, cr = canvas()
    draw(cr, r"gfx\thecircle\background.png", 0, 0)
    w, h = size(r"gfx\thecircle\circle.png")
    draw(cr, r"gfx\thecircle\circle.png", 400 - w / 2, 300 - h / 2)
    draw(cr, r"gfx\thecircle\extra0.png", 640, 170)
    w, h = size(r"gfx\thecircle\animals\a2cow.png")
    draw(cr, r"gfx\thecircle\animals\a2cow.png", 400 - w / 2, 300 - h / 2)
    lw, lh = size(r"gfx\thecircle\ledoff.png")
    for k in range(8):
        a = math.radians(-90 + 45 * k)
        x, y = 150 * math.cos(a) + 400 - lw / 2, 150 * math.sin(a) + 300 - lh / 2
        draw(cr, r"gfx\thecircle\led%s.png" % ("on" if k == 3 else "off"), x, y)
        cr.rectangle(x + 12.5, y + 12.5, 56, 56)
    cr.set_source_rgba(1, 0, 0, 0.6)
    cr.set_line_width(1)
    cr.stroke()
    hud(cr, rounds=9, current=2, coins=1)
    s.write_to_png(os.path.join(OUT, "thecircle.png"))


SCENES["thecircle"] = thecircle


def ghosthouse():
    s, cr = canvas()
    draw(cr, r"gfx\ghosthouse\background1.png", 0, 0)
    import kgen.ghost as g
    bw, bh = size(r"gfx\treasure\buttons\button0a.png")
    for k, (x, y) in enumerate(g.HORRORS):
        if k < 10:
            bx, by = x + g.HW / 2 - bw / 2, y + g.HH / 2 - bh / 2
            draw(cr, r"gfx\treasure\buttons\button%d%s.png" % (k, "b" if k == 3 else "a"), bx, by)
            cr.rectangle(bx + 17.5, by + 16.5, 46, 47)
        else:
            draw(cr, r"gfx\ghosthouse\horrors\horror%02d.png" % k, x, y)
    cr.set_source_rgba(1, 0, 0, 0.6)
    cr.set_line_width(1)
    cr.stroke()
    hud(cr, rounds=10, current=6, coins=5, backward=True)
    s.write_to_png(os.path.join(OUT, "ghosthouse.png"))


def space():
    s, cr = canvas()
    draw(cr, r"gfx\space\background.png", 0, 0)
    table = [("ufoleft", 185, 160, (12, 26, 75, 120)), ("ufobottom", 350, 185, (18, 1, 97, 93)),
             ("uforight", 540, 160, (41, 7, 75, 120)), ("ufoleft", 185, 320, (12, 26, 75, 120)),
             ("ufobottom", 350, 310, (18, 1, 97, 93)), ("uforight", 540, 320, (41, 7, 75, 120)),
             ("ufoup", 265, 70, (7, 11, 124, 75)), ("ufoup", 425, 70, (7, 11, 124, 75)),
             ("ufodown", 260, 430, (25, 42, 120, 75)), ("ufodown", 425, 430, (25, 42, 120, 75))]
    for k, (name, x, y, (hx, hy, hw, hh)) in enumerate(table):
        draw(cr, r"gfx\space\%s%d.png" % (name, 1 if k == 4 else 0), x, y)
        cr.rectangle(x + hx + .5, y + hy + .5, hw, hh)
    cr.set_source_rgba(1, 0, 0, 0.7)
    cr.set_line_width(1)
    cr.stroke()
    hud(cr, rounds=10, current=6, coins=5)
    s.write_to_png(os.path.join(OUT, "space.png"))


SCENES["ghosthouse"] = ghosthouse
SCENES["space"] = space


def paint(senior=False):
    s, cr = canvas()
    draw(cr, r"gfx\senior\paint\background.png" if senior else r"gfx\paint\background.png", 0, 0)
    if not senior:
        draw(cr, r"gfx\paint\clowns\clownhat2.png", 178, 137)
    draw(cr, r"gfx\paint\images\house05.png", 255 if senior else 345, 110)
    pw, ph = size(r"gfx\paint\colors\color00.png")
    x0 = 260 if senior else 350
    x, y = x0, 342
    for k in range(8):
        draw(cr, r"gfx\paint\colors\color%02d.png" % (2 * k + (1 if k == 2 else 0)), x, y)
        x += pw + 20
        y += 3
        if k == 3:
            x = x0
            y += 100
    hud(cr, rounds=10, current=6, coins=5, rabbit=not senior)
    s.write_to_png(os.path.join(OUT, "paint%s.png" % ("_senior" if senior else "")))


SCENES["paint"] = lambda: (paint(), paint(True))


def zoo():
    import kgen.zoo as z
    s, cr = canvas()
    draw(cr, r"gfx\zoo\background.png", 0, 0)
    for k, (name, _e, (x, y), (hx, hy, hw, hh), _f, _k) in enumerate(z.ANIMALS):
        draw(cr, r"gfx\zoo\animals\%s%d.png" % (name, 1 if k == 3 else 0), x, y)
        cr.rectangle(x + hx + .5, y + hy + .5, hw, hh)
    cr.set_source_rgba(1, 0, 0, 0.6)
    cr.set_line_width(1)
    cr.stroke()
    draw(cr, r"gfx\zoo\rewards\bird1.png", 250, 350)
    hud(cr, rounds=8, current=6, coins=5)
    s.write_to_png(os.path.join(OUT, "zoo.png"))


SCENES["zoo"] = zoo


def thepond(count=10, fishset="easy"):
    import kgen.pond as pond
    s, cr = canvas()
    draw(cr, r"gfx\thepond\background.png", 0, 0)
    draw(cr, r"gfx\thepond\shell6.png", 250, 475)
    # the exercise's column layout: from (85, 25), 5 pixels apart, new column before 540
    x, y, widest = 85, 25, 0
    for i in range(count):
        w, h = size("gfx\\thepond\\fish\\%s\\normal\\fish%da.png" % (fishset, i))
        if y + h + 5 >= 540:
            x, y, widest = x + widest + 5, 25, w
        widest = max(widest, w)
        frame = "a" if i % 3 else "c"
        draw(cr, "gfx\\thepond\\fish\\%s\\normal\\fish%d%s.png" % (fishset, i, frame), x, y)
        if i == 4:
            draw(cr, "gfx\\thepond\\fish\\%s\\lit\\fish%d%s.png" % (fishset, i, frame), x, y)
            draw(cr, r"gfx\thepond\bubbles\bubble0.png", x + w - 20, y + h / 4)
        yo, hw, hh = pond.HIT[i]
        cr.rectangle(x + 5.5, y + yo + .5, hw, hh)
        y += h + 5
    cr.set_source_rgba(1, 0, 0, 0.6)
    cr.set_line_width(1)
    cr.stroke()
    hud(cr, rounds=10, current=3, coins=2)
    s.write_to_png(os.path.join(OUT, "thepond_%s.png" % fishset))


def numbertest():
    s, cr = canvas()
    draw(cr, r"gfx\numbertest\background.png", 0, 0)
    kw, kh = size(r"gfx\numbertest\1a.png")
    x, y = 271, 185
    for d in range(1, 10):
        draw(cr, "gfx\\numbertest\\%d%s.png" % (d, "b" if d == 5 else "a"), x, y)
        x += kw + 3
        if d % 3 == 0:
            x, y = 271, y + kh + 3
    fw, fh = draw(cr, r"gfx\visual\visualframeb.png", 328, 466)
    cw, ch = size(r"gfx\visual\english\numbers\5.png")
    draw(cr, r"gfx\visual\english\numbers\5.png", 328 + fw / 2 - cw / 2, 476)
    hud(cr, rounds=8, current=2, coins=0)
    s.write_to_png(os.path.join(OUT, "numbertest.png"))


SCENES["thepond"] = lambda: (thepond(10, "easy"), thepond(10, "hard"))
SCENES["numbertest"] = numbertest


if __name__ == "__main__":
    for name in sys.argv[1:]:
        SCENES[name]()
