"""Splash, login window, password and new-profile pictures.

The login window is 392 x 412 and centred; the program places its text
buttons at (309, 20 + k * 69), the page buttons at (110, 355) and
(162, 355), the end and export pictures at (28, 357) and (248, 357) and the
profile entries from (35, 35), so the window draws their plates there.
The password picture is 400 x 130 with cancel at (260, 45), OK at
(325, 45) and the text field at (70, 60). The new-profile background is
400 x 300 with the fields at (15, 40) and (150, 40) and the buttons at
the rows 100, 165 and 230."""
import math

import cairo

from .common import (rgb, shade, rrect, ellipse, vgrad, surface, save, put_emoji,
                     put_shadowed_emoji, text, text_mid, rng, emoji, put, mix)
from .widgets import (INK, PANEL, GREEN, RED, BLUE, YELLOW, ORANGE, PURPLE, TEAL,
                      round_button, square_button, panel, well, check_mark,
                      cross_mark, triangle, star_path)

LANG_SUBTITLE = {"en": "Memory training", "sv": "Minnesträning"}


def landscape(cr, w=800, h=600, sky=("8fd3ff", "e6f6ff"), hills=True, seed="land"):
    cr.set_source(vgrad(0, h, [(0, rgb(sky[0])), (1, rgb(sky[1]))]))
    cr.paint()
    r = rng(seed)
    if hills:
        for k, (col, base, amp) in enumerate(((rgb("9ad37a"), h * 0.72, 40),
                                              (rgb("6dbb5a"), h * 0.8, 30),
                                              (rgb("4fa24a"), h * 0.9, 22))):
            ph = r.uniform(0, 6)
            cr.move_to(0, h)
            for x in range(0, w + 20, 20):
                cr.line_to(x, base - amp * math.sin(x / (140 + 40 * k) + ph))
            cr.line_to(w, h)
            cr.close_path()
            cr.set_source_rgba(*col)
            cr.fill()


def cloud(cr, x, y, s, alpha=0.95):
    for dx, dy, r in ((0, 0, 1), (0.9, -0.35, 1.15), (1.9, 0, 0.95), (0.95, 0.25, 1.0)):
        ellipse(cr, x + dx * 28 * s, y + dy * 28 * s, 30 * s * r, 24 * s * r)
    cr.set_source_rgba(1, 1, 1, alpha)
    cr.fill()


def splash():
    s, cr = surface(800, 600)
    landscape(cr, seed="splash")
    # sun
    for i in range(12):
        a = i * math.pi / 6
        cr.move_to(690 + 52 * math.cos(a), 120 + 52 * math.sin(a))
        cr.line_to(690 + 78 * math.cos(a + 0.12), 120 + 78 * math.sin(a + 0.12))
        cr.line_to(690 + 78 * math.cos(a - 0.12), 120 + 78 * math.sin(a - 0.12))
        cr.close_path()
    cr.set_source_rgba(1, 0.85, 0.3, 0.8)
    cr.fill()
    ellipse(cr, 690, 120, 44, 44)
    cr.set_source_rgba(*rgb("ffd23f"))
    cr.fill()
    for x, y, sc in ((70, 90, 1.0), (260, 250, 0.7), (520, 260, 0.85), (120, 300, 0.6)):
        cloud(cr, x, y, sc)
    # a row of friends from the exercises walking over the hills
    friends = ["canned-food", "coin", "ferris-wheel", "circus-tent", "tropical-fish",
               "ghost", "flying-saucer", "artist-palette", "lion"]
    for i, name in enumerate(friends):
        x = 70 + i * 82
        y = 470 - 14 * math.sin(i * 0.9) + (i % 2) * 18
        put_shadowed_emoji(cr, name, x, y, 66)
    # light strip at the bottom for the notice line
    cr.rectangle(0, 578, 800, 22)
    cr.set_source_rgba(1, 1, 1, 0.8)
    cr.fill()
    save(s, r"gfx\splash\background.png")
    for lang, sub in LANG_SUBTITLE.items():
        ls, lc = surface(520, 190)
        panel(lc, 6, 6, 504, 172, color=rgb("fffaf0"), r=30)
        put_shadowed_emoji(lc, "bird", 92, 90, 110)
        text(lc, "Kestrova", 320, 100, 74, color=rgb("2f4f9a"), outline=(1, 1, 1, 1),
             outline_width=6)
        text(lc, sub, 320, 146, 30, color=rgb("e07a2e"), bold=True)
        save(ls, r"gfx\splash\logo_%s.png" % lang)


# ---------------------------------------------------------------- login

LW, LH = 392, 412
LOGIN_BUTTONS = [(GREEN, None, "play"), (BLUE, "bust-in-silhouette", "plus"),
                 (PURPLE, "input-numbers", None), (TEAL, "bar-chart", None),
                 (ORANGE, "gear", None)]


def plus_badge(cr, cx, cy, r):
    ellipse(cr, cx, cy, r, r)
    cr.set_source_rgba(*GREEN)
    cr.fill_preserve()
    cr.set_source_rgba(1, 1, 1, 1)
    cr.set_line_width(2)
    cr.stroke()
    cr.move_to(cx - r * 0.5, cy); cr.line_to(cx + r * 0.5, cy)
    cr.move_to(cx, cy - r * 0.5); cr.line_to(cx, cy + r * 0.5)
    cr.set_line_width(2.5)
    cr.stroke()


def login_window():
    s, cr = surface(LW, LH)
    panel(cr, 2, 2, LW - 6, LH - 6)
    # a light list, since the names are written in black
    well(cr, 18, 22, 274, 322, 12, color=rgb("eef3ff"))
    for k in range(5):
        rrect(cr, 28, 33 + 60 * k, 254, 54, 10)
        cr.set_source_rgba(*rgb("2f4f9a", 0.08))
        cr.fill()
    for k, (col, icon, extra) in enumerate(LOGIN_BUTTONS):
        cx, cy = 309 + 27.5, 20 + 69 * k + 27.5
        round_button(cr, cx, cy, 26, col)
        if extra == "play":
            triangle(cr, cx + 2, cy, 22)
        elif icon:
            put_shadowed_emoji(cr, icon, cx, cy, 32)
        if extra == "plus":
            plus_badge(cr, cx + 13, cy + 13, 8)
    # page buttons
    for x, d in ((110, -1), (162, 1)):
        round_button(cr, x + 15.5, 355 + 15.5, 15, rgb("5b8def"))
        triangle(cr, x + 15.5 + d * 1.5, 355 + 15.5, 14, d)
    # dots between them
    for k in range(3):
        ellipse(cr, 148 + k * 5, 371, 1.6, 1.6)
    cr.set_source_rgba(1, 1, 1, 0.6)
    cr.fill()
    save(s, r"gfx\login\window.png")
    # end: a door out; export: a floppy to the documents
    b, bc = surface(44, 44)
    round_button(bc, 21, 21, 19, RED)
    put_emoji(bc, "door", 21, 21, 26)
    save(b, r"gfx\login\end.png")
    b, bc = surface(44, 44)
    round_button(bc, 21, 21, 19, BLUE)
    put_emoji(bc, "floppy-disk", 21, 21, 24)
    save(b, r"gfx\login\saveas.png")
    sel, sc = surface(264, 54)
    rrect(sc, 1.5, 1.5, 261, 51, 12)
    sc.set_source_rgba(1, 0.84, 0.25, 0.45)
    sc.fill_preserve()
    sc.set_source_rgba(*rgb("ffd23f"))
    sc.set_line_width(3)
    sc.stroke()
    save(sel, r"gfx\login\selected.png")
    d, dc = surface(50, 50)
    ellipse(dc, 25, 25, 23, 23)
    dc.set_source(vgrad(0, 50, [(0, rgb("ffffff")), (1, rgb("d8e6ff"))]))
    dc.fill_preserve()
    dc.set_source_rgba(*INK)
    dc.set_line_width(1.5)
    dc.stroke()
    put_emoji(dc, "bust-in-silhouette", 25, 27, 36)
    save(d, r"gfx\login\default.png")


def password():
    s, cr = surface(400, 130)
    panel(cr, 2, 2, 394, 124)
    put_shadowed_emoji(cr, "locked-with-key", 36, 72, 46)
    well(cr, 68, 58, 129, 29, 5, color=(1, 1, 1, 0.95))
    round_button(cr, 260 + 27.5, 45 + 27.5, 26, RED)
    cross_mark(cr, 287.5, 72.5, 30)
    round_button(cr, 325 + 27.5, 45 + 27.5, 26, GREEN)
    check_mark(cr, 352.5, 72.5, 32)
    save(s, r"gfx\login\password.png")


# ------------------------------------------------------------ new profile

def newprofile():
    s, cr = surface(400, 300)
    panel(cr, 2, 2, 394, 294)
    for x in (13, 148):
        well(cr, x, 38, 129, 29, 5, color=(1, 1, 1, 0.95))
    plates = [(9, 94, 133, 65), (204, 94, 182, 65), (9, 159, 198, 65), (9, 224, 198, 65),
              (204, 159, 65, 65)]
    for x, y, w, h in plates:
        rrect(cr, x, y, w, h, 10)
        cr.set_source_rgba(1, 1, 1, 0.1)
        cr.fill()
    round_button(cr, 270 + 27.5, 230 + 27.5, 26, RED)
    cross_mark(cr, 297.5, 257.5, 30)
    round_button(cr, 330 + 27.5, 230 + 27.5, 26, GREEN)
    check_mark(cr, 357.5, 257.5, 32)
    save(s, r"gfx\newprofile\background.png")

    def choice(name, draw_face):
        for chosen in (0, 1):
            b, bc = surface(55, 55)
            col = rgb("fff6dc") if chosen else rgb("dfe7f7")
            rrect(bc, 2, 3, 51, 51, 10)
            bc.set_source_rgba(0, 0, 0, 0.25)
            bc.fill()
            rrect(bc, 1, 1, 51, 51, 10)
            bc.set_source(vgrad(0, 52, [(0, shade(col, 1.05)), (1, shade(col, 0.9))]))
            bc.fill_preserve()
            bc.set_source_rgba(*(rgb("f2b705") if chosen else INK))
            bc.set_line_width(4 if chosen else 1.5)
            bc.stroke()
            if not chosen:
                bc.push_group()
            draw_face(bc)
            if not chosen:
                bc.pop_group_to_source()
                bc.paint_with_alpha(0.55)
            if chosen:
                ellipse(bc, 45, 10, 8, 8)
                bc.set_source_rgba(*GREEN)
                bc.fill_preserve()
                bc.set_source_rgba(1, 1, 1, 1)
                bc.set_line_width(1.5)
                bc.stroke()
                check_mark(bc, 45, 10, 9, width=2.2)
            save(b, r"gfx\newprofile\%s%d.png" % (name, chosen))

    for lv in (1, 2, 3):
        def face(c, lv=lv):
            for k in range(lv):
                x = 26.5 + (k - (lv - 1) / 2) * 15
                star_path(c, x, 28, 9, 4)
                c.set_source_rgba(*rgb("ffc629"))
                c.fill_preserve()
                c.set_source_rgba(*INK)
                c.set_line_width(1.2)
                c.stroke()
            text(c, str(lv), 26.5, 50, 11, color=INK)
        choice("lev%dbtn" % lv, face)
    for n in (8, 9, 10):
        def face(c, n=n):
            text_mid(c, str(n), 26.5, 22, 22, color=rgb("2f4f9a"))
            for k in range(5):
                ellipse(c, 12 + k * 7.5, 43, 2.6, 2.6)
                c.set_source_rgba(*(rgb("46c35f") if k < 3 else rgb("9aa3bd")))
                c.fill()
        choice("%drounds" % n, face)
    for wk in (3, 4, 5):
        def face(c, wk=wk):
            put_emoji(c, "spiral-calendar", 26.5, 27, 40)
            text_mid(c, str(wk), 26.5, 32, 17, color=rgb("c0392b"), outline=(1, 1, 1, 1))
        choice("%dweeks" % wk, face)
    choice("boybtn", lambda c: put_emoji(c, "boy", 26.5, 27, 40))
    choice("girlbtn", lambda c: put_emoji(c, "girl", 26.5, 27, 40))
    choice("seniorbtn", lambda c: put_emoji(c, "old-woman", 26.5, 27, 40))


def generate():
    program_icon()
    splash()
    login_window()
    password()
    newprofile()


def program_icon():
    """The program's icon: the logo bird on a rounded tile, as PNG for the
    window and the desktop entry and as a multi-size ICO."""
    import subprocess
    from .common import path as apath
    s, cr = surface(256, 256)
    rrect(cr, 8, 8, 240, 240, 56)
    cr.set_source(vgrad(8, 248, [(0, rgb("6fa8ff")), (1, rgb("2f4f9a"))]))
    cr.fill_preserve()
    cr.set_source_rgba(1, 1, 1, 0.9)
    cr.set_line_width(8)
    cr.stroke()
    put_shadowed_emoji(cr, "bird", 128, 124, 176)
    save(s, r"gfx\icons\memory.png")
    subprocess.run(["convert", apath(r"gfx\icons\memory.png"), "-define",
                    "icon:auto-resize=256,64,48,32,16", apath(r"gfx\icons\memory.ico")], check=True)
