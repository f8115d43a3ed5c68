"""Main menu: the exercise cards in three looks (a playable, b done or
switched off, c under the pointer), the options button and the reward
bag. Card 0 stands for the number test where the statistics show it."""
import math

import cairo

from .common import (rgb, shade, rrect, ellipse, vgrad, surface, save, put_emoji,
                     put_shadowed_emoji, text, emoji, put, greyed, rng)
from .widgets import INK, round_button, check_mark, star_path

CARD_W, CARD_H = 180, 150

GAMES = [  # g: background colour and the pictures on the card
    (rgb("7c8ea6"), [("input-numbers", 0, 0, 92)]),
    (rgb("e9a23b"), [("canned-food", -24, 2, 84), ("canned-food", 40, 16, 56)]),
    (rgb("2aa198"), [("money-bag", -30, 8, 74), ("coin", 34, 16, 46), ("gem-stone", 32, -26, 40)]),
    (rgb("5a6ee0"), [("ferris-wheel", 0, 0, 100), ("crescent-moon", 58, -34, 30)]),
    (rgb("e0564b"), [("circus-tent", 0, 0, 96), ("musical-notes", 56, -30, 32)]),
    (rgb("2f8fd8"), [("tropical-fish", -28, -8, 66), ("fish", 30, 18, 56), ("bubbles", 46, -30, 30)]),
    (rgb("6f4fa8"), [("house", -10, 10, 84), ("ghost", 40, -18, 58)]),
    (rgb("23305e"), [("flying-saucer", 0, -4, 96), ("ringed-planet", -56, -32, 32), ("star", 58, 34, 22)]),
    (rgb("e46fa6"), [("artist-palette", -18, 4, 84), ("paintbrush", 44, 4, 56)]),
    (rgb("5aa84a"), [("lion", -30, 2, 74), ("giraffe", 36, -4, 70)]),
]


def card(g, look):
    colour, pics = GAMES[g]
    s, cr = surface(CARD_W, CARD_H)
    x, y, w, h = 6, 5, CARD_W - 13, CARD_H - 13
    if look == 2:
        for width, alpha in ((12, 0.5), (7, 1.0)):
            rrect(cr, x, y, w, h, 20)
            cr.set_source_rgba(1, 0.86, 0.2, alpha)
            cr.set_line_width(width)
            cr.stroke()
    rrect(cr, x + 3, y + 5, w, h, 20)
    cr.set_source_rgba(0, 0, 0, 0.3)
    cr.fill()
    body = colour if look != 1 else rgb("9aa0ad")
    if look == 2:
        body = shade(colour, 1.18)
    rrect(cr, x, y, w, h, 20)
    g_ = cairo.RadialGradient(x + w * 0.3, y + h * 0.25, 10, x + w / 2, y + h / 2, w * 0.7)
    g_.add_color_stop_rgba(0, *shade(body, 1.35))
    g_.add_color_stop_rgba(1, *shade(body, 0.85))
    cr.set_source(g_)
    cr.fill_preserve()
    if look == 2:
        # under the pointer: a thick yellow rim, easy to see
        cr.set_source_rgba(*rgb("ffd23f"))
        cr.set_line_width(8)
    else:
        cr.set_source_rgba(1, 1, 1, 0.9 if look != 1 else 0.6)
        cr.set_line_width(4)
    cr.stroke()
    rrect(cr, x, y, w, h, 20)
    cr.set_source_rgba(*INK)
    cr.set_line_width(2)
    cr.stroke()
    cx, cy = x + w / 2, y + h / 2
    grow = 1.08 if look == 2 else 1.0
    for name, dx, dy, sz in pics:
        sz *= grow
        src = emoji(name, sz)
        if look == 1:
            src = greyed(src, 0.9, 0.35)
        cr.save()
        cr.set_source_rgba(0, 0, 0, 0.2)
        cr.mask_surface(src, cx + dx * grow - sz / 2 + 2, cy + dy * grow - sz / 2 + 4)
        cr.restore()
        put(cr, src, cx + dx * grow - sz / 2, cy + dy * grow - sz / 2, alpha=0.75 if look == 1 else 1)
    if look == 1:
        # a quiet tick: done for today (or not in the plan)
        ellipse(cr, x + w - 22, y + 22, 15, 15)
        cr.set_source_rgba(*rgb("6b7280"))
        cr.fill_preserve()
        cr.set_source_rgba(1, 1, 1, 1)
        cr.set_line_width(2)
        cr.stroke()
        check_mark(cr, x + w - 22, y + 22, 18, width=3.5)
    return s


def cards():
    for g in range(10):
        for look, suffix in enumerate("abc"):
            save(card(g, look), r"gfx\menu\game0%d%s.png" % (g, suffix))


def options_button():
    s, cr = surface(60, 60)
    round_button(cr, 29, 28, 26, rgb("5b6b8c"))
    put_shadowed_emoji(cr, "gear", 29, 28, 38)
    save(s, r"gfx\buttons\options.png")


def reward_bag():
    """The bag of coins: the menu offers it when the day is done, and the
    diploma writes the coin total on its label, centred at (42, 85)."""
    from .hud import sack
    sc = 0.8
    for f in range(2):
        s, cr = surface(100, 124)
        cr.save()
        cr.translate(42 - 45 * sc, 85 - 150 * sc)
        cr.scale(sc, sc)
        sack(cr, opening=0.35 + 0.65 * f)
        cr.restore()
        r = rng("bagsparkle%d" % f)
        for k in range(2 + f * 3):
            put_emoji(cr, "sparkles", r.uniform(12, 88), r.uniform(6, 40), r.uniform(14, 22))
        save(s, r"gfx\diploma\bag%d.png" % f)


def generate():
    cards()
    options_button()
    reward_bag()
