"""Small animation helpers: emoji figures that hop, spin, grow or wave,
used for the reward animations and the moving animals."""
import math

from .common import surface, save, emoji, put, ellipse, rng


def emoji_frames(rel_pattern, name, frames, w, h, size, motion, extra=None, hflip=False):
    """Writes `frames` pictures rel_pattern % i. motion(i, n) gives
    (dx, dy, scale, angle, alpha) for the figure centred in the picture;
    extra(cr, i) may draw more on top."""
    for i in range(frames):
        s, cr = surface(w, h)
        dx, dy, sc, angle, alpha = motion(i, frames)
        sz = size * sc
        if sz >= 2:
            src = emoji(name, sz, hflip)
            cx, cy = w / 2 + dx, h / 2 + dy
            put(cr, src, cx - sz / 2, cy - sz / 2, sz, sz, alpha, angle)
        if extra:
            extra(cr, i)
        save(s, rel_pattern % i)


def hop(height=30, turns=1.0):
    def m(i, n):
        t = i / max(1, n - 1)
        return (0, -abs(math.sin(t * math.pi * 2 * turns)) * height + height * 0.3,
                1.0, math.sin(t * math.pi * 4) * 8, 1.0)
    return m


def grow_in(start=0.2):
    def m(i, n):
        t = min(1.0, (i + 1) / (n * 0.6))
        return (0, 0, start + (1 - start) * t, math.sin(i * 1.3) * 6 if t >= 1 else 0, 1.0)
    return m


def spin():
    def m(i, n):
        return (0, 0, 0.8 + 0.2 * math.sin(i / n * math.pi), 360 * i / n, 1.0)
    return m


def wobble(amp=10, lift=8):
    def m(i, n):
        return (0, -lift * abs(math.sin(i * math.pi / 2)), 1.0, amp * math.sin(i * math.pi / 2), 1.0)
    return m


def sparkle_extra(seed, count=5, w=200, h=200):
    r = rng(seed)
    spots = [(r.uniform(20, w - 20), r.uniform(20, h - 20), r.uniform(14, 26), r.uniform(0, 6)) for _ in range(count)]

    def extra(cr, i):
        for x, y, sz, ph in spots:
            t = 0.5 + 0.5 * math.sin(ph + i * 1.7)
            if t > 0.35:
                src = emoji("sparkles", sz)
                put(cr, src, x - sz / 2, y - sz / 2, alpha=t)
    return extra
