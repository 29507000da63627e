#!/usr/bin/python3
"""Draws all of Vantrel's artwork from scratch: the emblem (a globe behind a modem), the two
icon files and the pictures of the windows.

Run from anywhere:   resources/art/make-art.py        (writes next to this script)
                     resources/art/make-art.py --out DIR

Needs Debian's python3-pil and python3-numpy (scripts/setup installs them; the shebang names
the system Python so that they are found) and DejaVu Sans Bold from fonts-dejavu-core. Every picture is drawn
at a multiple of its size and averaged down, so edges are smooth; nothing is random, so a run
gives the same files byte for byte.
"""

import argparse
import io
import math
import os
import struct
import sys

import numpy as np
from PIL import Image, ImageDraw, ImageFilter, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
FONT_BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"


def hexc(s, a=1.0):
    s = s.lstrip("#")
    return (int(s[0:2], 16) / 255, int(s[2:4], 16) / 255, int(s[4:6], 16) / 255, a)


# The house colours.
NAVY_TOP = hexc("#0b2547")
NAVY_BOTTOM = hexc("#133d72")
GREY_BODY = hexc("#eef1f5")
GLOBE_LIGHT = hexc("#6cc3fa")
GLOBE_MID = hexc("#1f7ad6")
GLOBE_DARK = hexc("#0b3a88")
GLOBE_RIM = hexc("#082c66")
LED_GREEN = hexc("#38e45c")
LED_AMBER = hexc("#ffb21e")


# --------------------------------------------------------------------------------------------
# A canvas in premultiplied RGBA floats, drawn at `ss` samples per pixel in each direction.
# Coordinates are always given in output pixels; a pixel i covers [i, i + 1).


class Canvas:
    def __init__(self, w, h, ss=4):
        self.w, self.h, self.ss = w, h, ss
        self.W, self.H = w * ss, h * ss
        self.px = np.zeros((self.H, self.W, 4), np.float32)

    # Coordinates of the sample centres, in output pixels.
    def grid(self):
        xs = (np.arange(self.W, dtype=np.float32) + 0.5) / self.ss
        ys = (np.arange(self.H, dtype=np.float32) + 0.5) / self.ss
        return np.meshgrid(xs, ys)

    def new_mask(self):
        return Image.new("L", (self.W, self.H), 0)

    def draw_mask(self, fn):
        m = self.new_mask()
        fn(ImageDraw.Draw(m), self.ss)
        return m

    @staticmethod
    def arr(mask):
        if isinstance(mask, Image.Image):
            return np.asarray(mask, np.float32) / 255.0
        return mask

    def fill(self, mask, color, opacity=1.0):
        """Composites `color` (an RGBA tuple or an H x W x 4 array, straight alpha) through
        `mask` (coverage 0..1) over what is there."""
        m = self.arr(mask) * opacity
        if isinstance(color, tuple):
            c = np.array(color, np.float32).reshape(1, 1, 4)
        else:
            c = color
        a = c[..., 3] * m
        src = np.empty_like(self.px)
        src[..., :3] = c[..., :3] * a[..., None]
        src[..., 3] = a
        self.px = src + self.px * (1.0 - a[..., None])

    def over(self, other, dx=0, dy=0):
        """Places another canvas of the same sampling over this one at (dx, dy) pixels."""
        s = self.ss
        assert other.ss == s
        x0, y0 = int(round(dx * s)), int(round(dy * s))
        h, w = other.H, other.W
        region = self.px[y0:y0 + h, x0:x0 + w]
        src = other.px[: region.shape[0], : region.shape[1]]
        region[...] = src + region * (1.0 - src[..., 3:4])

    def image(self):
        s = self.ss
        p = self.px.reshape(self.h, s, self.w, s, 4).mean(axis=(1, 3))
        a = p[..., 3:4]
        rgb = np.where(a > 1e-6, p[..., :3] / np.maximum(a, 1e-6), 0.0)
        out = np.concatenate([rgb, a], axis=2)
        out = np.clip(np.floor(out * 255.0 + 0.5), 0, 255).astype(np.uint8)
        return Image.fromarray(out, "RGBA")


# Shapes as masks; `s` is the canvas's sampling. Boxes are [x0, x1) x [y0, y1) in pixels.
def box(s, x0, y0, x1, y1):
    return [x0 * s, y0 * s, x1 * s - 1, y1 * s - 1]


def ellipse_mask(c, x0, y0, x1, y1):
    return c.draw_mask(lambda d, s: d.ellipse(box(s, x0, y0, x1, y1), fill=255))


def rrect_mask(c, x0, y0, x1, y1, r):
    return c.draw_mask(lambda d, s: d.rounded_rectangle(box(s, x0, y0, x1, y1), radius=r * s, fill=255))


def poly_mask(c, pts):
    return c.draw_mask(lambda d, s: d.polygon([(x * s, y * s) for x, y in pts], fill=255))


def ring_mask(c, outer, inner):
    """The part of `outer` that is not in `inner` (both masks)."""
    return np.clip(c.arr(outer) - c.arr(inner), 0, 1)


def blurred(c, mask, radius):
    if not isinstance(mask, Image.Image):
        mask = Image.fromarray(np.clip(mask * 255 + 0.5, 0, 255).astype(np.uint8), "L")
    return mask.filter(ImageFilter.GaussianBlur(radius * c.ss))


def lerp(c0, c1, t):
    t = np.clip(t, 0, 1)[..., None]
    return np.array(c0, np.float32) * (1 - t) + np.array(c1, np.float32) * t


def vgrad(c, y0, y1, c0, c1):
    """A vertical gradient from colour c0 at y0 to c1 at y1, as an array."""
    _, ys = c.grid()
    return lerp(c0, c1, (ys - y0) / max(y1 - y0, 1e-6)).astype(np.float32)


def stops(t, points):
    """A colour ramp: `points` is a list of (position, colour)."""
    t = np.clip(t, 0, 1)
    out = np.zeros(t.shape + (4,), np.float32)
    for (p0, c0), (p1, c1) in zip(points, points[1:]):
        sel = (t >= p0) & (t <= p1)
        u = (t[sel] - p0) / max(p1 - p0, 1e-6)
        out[sel] = np.array(c0, np.float32) * (1 - u[:, None]) + np.array(c1, np.float32) * u[:, None]
    return out


def text_mask(c, x, y, txt, font_path, size, anchor="ls"):
    font = ImageFont.truetype(font_path, int(round(size * c.ss)))
    return c.draw_mask(lambda d, s: d.text((x * s, y * s), txt, font=font, fill=255, anchor=anchor))


# --------------------------------------------------------------------------------------------
# The globe.


def draw_globe(c, cx, cy, r, detail, rim=None, meridians=None, parallels=None, tilt=None, line=None):
    """A blue globe with meridians and parallels, lit from the upper left. `detail` is
    'full', 'medium' or 'small' (fewer, bolder lines for the little icons); the little icons
    also pass their own lines (degrees), tilt and line width in pixels, chosen so that the
    lines fall on whole pixels."""
    xs, ys = c.grid()
    nx, ny = (xs - cx) / r, (ys - cy) / r
    d2 = nx * nx + ny * ny
    nz = np.sqrt(np.clip(1.0 - d2, 0, 1))

    # Shading: a soft diffuse light from the upper left plus a little limb darkening.
    L = np.array([-0.45, -0.55, 0.70])
    L /= np.linalg.norm(L)
    lam = np.clip(nx * L[0] + ny * L[1] + nz * L[2], 0, 1)
    t = 0.15 + 0.85 * lam
    col = stops(t, [(0.0, GLOBE_DARK), (0.55, GLOBE_MID), (1.0, GLOBE_LIGHT)])
    # An anti-aliased edge: how far each sample lies inside the circle.
    disc = np.clip((r - np.sqrt(d2) * r) * c.ss + 0.5, 0, 1)
    c.fill(disc, col)

    # Meridians and parallels on a globe whose north pole leans toward the viewer.
    if detail == "full":
        mer, par, width, tl, turn = list(range(-180, 180, 30)), (-60, -30, 0, 30, 60), 0.022 * r, 22, 12
    elif detail == "medium":
        mer, par, width, tl, turn = list(range(-180, 180, 45)), (-45, 0, 40), 0.05 * r, 22, 0
    else:
        mer, par, width, tl, turn = [-60, 0, 60], (0, 38), 1.0, 18, 0
    mer = meridians if meridians is not None else mer
    par = parallels if parallels is not None else par
    width = line if line is not None else width
    tl = tilt if tilt is not None else tl
    tilt_r, turn_r = math.radians(tl), math.radians(turn)
    X, Y, Z = nx, -ny, nz
    Nv = (0.0, math.cos(tilt_r), math.sin(tilt_r))
    Fv = (0.0, -math.sin(tilt_r), math.cos(tilt_r))
    lat = np.arcsin(np.clip(X * Nv[0] + Y * Nv[1] + Z * Nv[2], -1, 1))
    lon = np.arctan2(X, X * Fv[0] + Y * Fv[1] + Z * Fv[2]) + turn_r

    # Half a line's width on the unit sphere.
    hw = width * 0.5 / r
    dlon = np.full(lat.shape, 9.0, np.float32)
    for m in mer:
        dd = np.abs((lon - math.radians(m) + math.pi) % (2 * math.pi) - math.pi)
        dlon = np.minimum(dlon, dd)
    dlon = dlon * np.cos(lat)
    dlat = np.full(lat.shape, 9.0, np.float32)
    for a in par:
        dlat = np.minimum(dlat, np.abs(lat - math.radians(a)))
    near_pole = np.abs(lat) > math.radians(80)
    lines = ((dlon < hw) & ~near_pole) | (dlat < hw)
    # The lines fade a little toward the rim, where they crowd.
    fade = np.clip(nz * 2.2, 0, 1)
    line_alpha = (0.62 if detail == "full" else 0.8) * fade
    c.fill(lines.astype(np.float32) * disc * line_alpha, hexc("#d8f0ff"))

    # A soft highlight in the upper left.
    hx, hy = cx - 0.38 * r, cy - 0.42 * r
    hd = np.sqrt(((xs - hx) / (0.62 * r)) ** 2 + ((ys - hy) / (0.48 * r)) ** 2)
    glow = np.clip(1.0 - hd, 0, 1) ** 1.6
    c.fill(glow * disc, hexc("#ffffff"), 0.55 if detail != "small" else 0.35)

    # The rim.
    rw = rim if rim is not None else max(r * 0.035, 0.9)
    ring = np.clip((r - np.sqrt(d2) * r) * c.ss + 0.5, 0, 1) - np.clip((r - rw - np.sqrt(d2) * r) * c.ss + 0.5, 0, 1)
    c.fill(ring, GLOBE_RIM, 0.85)


# --------------------------------------------------------------------------------------------
# The modem.


def draw_modem(c, x0, y0, x1, y1, leds, small=False):
    """A light grey modem box [x0, x1) x [y0, y1) with a dark front strip and status LEDs."""
    h = y1 - y0
    ow = max(h * 0.05, 1.0)  # outline width
    rad = max(h * 0.16, 1.0) if not small else 0.9
    body_out = rrect_mask(c, x0, y0, x1, y1, rad)
    body_in = rrect_mask(c, x0 + ow, y0 + ow, x1 - ow, y1 - ow, max(rad - ow, 0.1))
    c.fill(body_out, hexc("#3b4756"))
    c.fill(body_in, vgrad(c, y0, y1, hexc("#ffffff"), hexc("#b9c3ce")))
    if not small:
        # The top face, lighter, set off by a thin line.
        top = y0 + h * 0.30
        c.fill(rrect_mask(c, x0 + ow, top - h * 0.03, x1 - ow, top, 0.01),
               hexc("#9aa6b3"), 0.9)
        # The front strip with the LEDs.
        sy0, sy1 = y0 + h * 0.45, y1 - h * 0.20
        sx0, sx1 = x0 + h * 0.28, x1 - h * 0.28
        c.fill(rrect_mask(c, sx0, sy0, sx1, sy1, (sy1 - sy0) / 2),
               vgrad(c, sy0, sy1, hexc("#1b232d"), hexc("#3a4757")))
        cy = (sy0 + sy1) / 2
        lr = (sy1 - sy0) * 0.30
        n = len(leds)
        span = (sx1 - sx0) - (sy1 - sy0) * 1.2
        for i, col in enumerate(leds):
            lx = sx0 + (sy1 - sy0) * 0.6 + span * (i + 0.5) / n
            glow = blurred(c, ellipse_mask(c, lx - lr * 2.2, cy - lr * 2.2, lx + lr * 2.2, cy + lr * 2.2), lr * 0.8)
            c.fill(glow, col, 0.55)
            c.fill(ellipse_mask(c, lx - lr, cy - lr, lx + lr, cy + lr), col)
            c.fill(ellipse_mask(c, lx - lr * 0.55, cy - lr * 0.75, lx + lr * 0.15, cy - lr * 0.05),
                   hexc("#ffffff"), 0.7)
    return body_out


# --------------------------------------------------------------------------------------------
# The emblem at any size.


def emblem(n):
    """The emblem as an n x n RGBA image with a transparent background."""
    ss = 8 if n <= 48 else 4
    c = Canvas(n, n, ss)
    if n <= 32:
        draw_emblem_small(c, n)
    else:
        detail = "full" if n >= 64 else "medium"
        u = n / 256.0
        # A soft shadow on the ground beneath the modem, only where there is room for it.
        if n >= 64:
            sh = ellipse_mask(c, 22 * u, 222 * u, 234 * u, 250 * u)
            c.fill(blurred(c, sh, 6 * u), hexc("#000000"), 0.35)
        draw_globe(c, 128 * u, 104 * u, 100 * u, detail)
        # The modem's own shadow on the globe.
        if n >= 48:
            sh = rrect_mask(c, 34 * u, 150 * u, 222 * u, 176 * u, 10 * u)
            c.fill(blurred(c, sh, 5 * u), hexc("#001030"), 0.35)
        leds = [LED_GREEN, LED_GREEN, LED_GREEN, LED_AMBER] if n >= 48 else [LED_GREEN, LED_GREEN, LED_AMBER]
        draw_modem(c, 16 * u, 152 * u, 240 * u, 236 * u, leds)
    return c.image()


def par_through(cy, r, row):
    """The latitude (degrees) whose parallel, on an upright globe, runs through the middle
    of pixel row `row`."""
    return math.degrees(math.asin((cy - (row + 0.5)) / r))


def draw_emblem_small(c, n):
    """16, 24 and 32 pixels: an upright globe whose lines run along whole pixels, and the
    modem drawn pixel by pixel."""
    if n <= 16:
        cx, cy, r = 7.5, 7.5, 7.5
        draw_globe(c, cx, cy, r, "small", rim=1.0, meridians=[-62, 0, 62],
                   parallels=[0, par_through(cy, r, 3)], tilt=0, line=1.0)
        draw_modem_pixels(c, 0, 10, 15, 16, strip=(12, 13), leds=[3, 5, 7], amber=11, led=(1, 1))
    elif n <= 24:
        cx, cy, r = 11.5, 11.5, 11.0
        draw_globe(c, cx, cy, r, "small", rim=1.0, meridians=[-48, 0, 48],
                   parallels=[0, par_through(cy, r, 5)], tilt=0, line=1.0)
        draw_modem_pixels(c, 0, 15, 23, 24, strip=(18, 21), leds=[4, 7, 10], amber=16, led=(2, 1),
                          face=17)
    else:
        cx, cy, r = 15.5, 14.5, 14.5
        draw_globe(c, cx, cy, r, "small", rim=1.2, meridians=[-90, -50, 0, 50, 90],
                   parallels=[0, par_through(cy, r, 7), par_through(cy, r, 2)], tilt=0, line=1.0)
        draw_modem_pixels(c, 0, 20, 31, 32, strip=(25, 29), leds=[5, 9, 13], amber=22, led=(2, 2),
                          face=22)


def draw_modem_pixels(c, x0, y0, x1, y1, strip, leds, amber, led, face=None):
    """The modem for the little icons: a one-pixel outline, a light body, a dark strip
    (rows strip[0] to strip[1] - 1) and LEDs of whole pixels."""
    c.fill(rrect_mask(c, x0, y0, x1, y1, 0.9), hexc("#2f3a47"))
    c.fill(rrect_mask(c, x0 + 1, y0 + 1, x1 - 1, y1 - 1, 0.3),
           vgrad(c, y0 + 1, y1 - 1, hexc("#ffffff"), hexc("#b4bfcb")))
    if face is not None:
        c.fill(rrect_mask(c, x0 + 1, face, x1 - 1, face + 1, 0), hexc("#9aa6b3"))
    s0, s1 = strip
    c.fill(rrect_mask(c, x0 + 2, s0, x1 - 2, s1, 0.2 if s1 - s0 < 3 else 1.0), hexc("#27313c"))
    lw, lh = led
    ly = s0 + (s1 - s0 - lh) // 2 if s1 - s0 > 1 else s0
    for lx in leds:
        c.fill(rrect_mask(c, lx, ly, lx + lw, ly + lh, 0), LED_GREEN)
    c.fill(rrect_mask(c, amber, ly, amber + lw, ly + lh, 0), LED_AMBER)


# --------------------------------------------------------------------------------------------
# The dark blue band with faint light curves (the top of the main window, the banner).


def draw_band(c, x0, y0, w, h, seed_shift=0.0):
    xs, ys = c.grid()
    c.fill(rrect_mask(c, x0, y0, x0 + w, y0 + h, 0), vgrad(c, y0, y0 + h, NAVY_TOP, NAVY_BOTTOM))
    # A wide soft glow toward the right.
    gx, gy = x0 + w * 0.78, y0 + h * 0.15
    gd = np.sqrt(((xs - gx) / (w * 0.45)) ** 2 + ((ys - gy) / (h * 1.3)) ** 2)
    c.fill(np.clip(1 - gd, 0, 1) ** 2, hexc("#4f8fd8"), 0.35)
    # Sweeping curves, thin and faint, a few of them broader and fainter still.
    # A bundle of thin ribbons rising to the right, with two broad faint sweeps behind.
    curves = [(0.80 + 0.07 * k, -0.58 - 0.05 * k, 0.10 + 0.012 * k, 0.45 * k, 1.0, 0.20 - 0.018 * k)
              for k in range(7)]
    curves += [(1.25, -0.80, 0.12, 0.9, 10.0, 0.05), (0.55, -0.35, 0.10, 2.4, 16.0, 0.035)]
    for base, rise, amp, ph, lw, op in curves:
        pts = []
        steps = 160
        for i in range(steps + 1):
            t = i / steps
            x = x0 - 10 + (w + 20) * t
            y = y0 + h * (base + rise * t + amp * math.sin(2 * math.pi * (0.75 * t) + ph + seed_shift))
            pts.append((x * c.ss, y * c.ss))
        m = c.draw_mask(lambda d, s, pts=pts, lw=lw: d.line(pts, fill=255, width=max(1, int(round(lw * s))), joint="curve"))
        if lw > 3:
            m = blurred(c, m, lw * 0.4)
        clip = rrect_mask(c, x0, y0, x0 + w, y0 + h, 0)
        c.fill(c.arr(m) * c.arr(clip), hexc("#cfe6ff"), op)


# --------------------------------------------------------------------------------------------
# Pale tool silhouettes for the lower left of the main window.


def rot(pts, ang, ox, oy):
    ca, sa = math.cos(ang), math.sin(ang)
    return [(ox + x * ca - y * sa, oy + x * sa + y * ca) for x, y in pts]


def tools_mask(c):
    s = c.ss
    masks = []

    # A spanner: a bar with an open jaw at one end and a ring at the other.
    m = c.new_mask()
    d = ImageDraw.Draw(m)
    ang = math.radians(-50)
    ox, oy = 118, 378
    L = 55
    bar = rot([(-L, -7), (L, -7), (L, 7), (-L, 7)], ang, ox, oy)
    d.polygon([(x * s, y * s) for x, y in bar], fill=255)
    (jx, jy), (rx, ry) = rot([(L + 8, 0), (-L - 6, 0)], ang, ox, oy)
    R = 22
    d.ellipse([(jx - R) * s, (jy - R) * s, (jx + R) * s, (jy + R) * s], fill=255)
    d.ellipse([(rx - 18) * s, (ry - 18) * s, (rx + 18) * s, (ry + 18) * s], fill=255)
    d.ellipse([(rx - 9) * s, (ry - 9) * s, (rx + 9) * s, (ry + 9) * s], fill=0)
    notch = rot([(L + 2, -9), (L + 40, -9), (L + 40, 9), (L + 2, 9)], ang, ox, oy)
    d.polygon([(x * s, y * s) for x, y in notch], fill=0)
    d.ellipse([(jx - 6 - 3) * s, (jy - 9) * s, (jx - 6 + 15) * s, (jy + 9) * s], fill=0)
    masks.append(m)

    # A screwdriver: a ribbed handle, a shaft and a flat tip.
    m = c.new_mask()
    d = ImageDraw.Draw(m)
    ang = math.radians(-128)
    ox, oy = 168, 436
    handle = rot([(0, -13), (58, -13), (64, -9), (64, 9), (58, 13), (0, 13), (-6, 8), (-6, -8)], ang, ox, oy)
    d.polygon([(x * s, y * s) for x, y in handle], fill=255)
    for k in range(4):
        groove = rot([(10 + k * 12, -13), (14 + k * 12, -13), (14 + k * 12, -9), (10 + k * 12, -9)], ang, ox, oy)
        d.polygon([(x * s, y * s) for x, y in groove], fill=0)
        groove = rot([(10 + k * 12, 9), (14 + k * 12, 9), (14 + k * 12, 13), (10 + k * 12, 13)], ang, ox, oy)
        d.polygon([(x * s, y * s) for x, y in groove], fill=0)
    shaft = rot([(64, -4), (132, -4), (132, 4), (64, 4)], ang, ox, oy)
    d.polygon([(x * s, y * s) for x, y in shaft], fill=255)
    tip = rot([(132, -4), (146, -6), (150, -6), (150, 6), (146, 6), (132, 4)], ang, ox, oy)
    d.polygon([(x * s, y * s) for x, y in tip], fill=255)
    masks.append(m)

    # A gear with twelve teeth.
    m = c.new_mask()
    d = ImageDraw.Draw(m)
    gx, gy, ro, ri = 24, 434, 38, 30
    teeth = 12
    pts = []
    for i in range(teeth * 4):
        a = 2 * math.pi * i / (teeth * 4) + math.radians(4)
        rr = ro if (i % 4) in (1, 2) else ri
        pts.append((gx + rr * math.cos(a), gy + rr * math.sin(a)))
    d.polygon([(x * s, y * s) for x, y in pts], fill=255)
    d.ellipse([(gx - ri) * s, (gy - ri) * s, (gx + ri) * s, (gy + ri) * s], fill=255)
    d.ellipse([(gx - 11) * s, (gy - 11) * s, (gx + 11) * s, (gy + 11) * s], fill=0)
    for k in range(6):
        a = 2 * math.pi * k / 6
        hx, hy = gx + 20 * math.cos(a), gy + 20 * math.sin(a)
        d.ellipse([(hx - 4) * s, (hy - 4) * s, (hx + 4) * s, (hy + 4) * s], fill=0)
    masks.append(m)

    out = np.zeros((c.H, c.W), np.float32)
    for m in masks:
        out = np.maximum(out, c.arr(m))
    return out


# --------------------------------------------------------------------------------------------
# The pictures.


def background():
    c = Canvas(765, 500, 2)
    xs, ys = c.grid()
    # The light grey body, a touch darker just under the band.
    body = stops((ys - 90) / 120, [(0, hexc("#d4dce6")), (1, GREY_BODY)])
    c.fill(np.ones((c.H, c.W), np.float32), body)
    # The tools, pale.
    c.fill(tools_mask(c), hexc("#1d3f6b"), 0.075)
    # The band and its lower edge.
    draw_band(c, 0, 0, 765, 90)
    c.fill(rrect_mask(c, 0, 89, 765, 90, 0), hexc("#4a86c8"), 0.8)
    c.fill(rrect_mask(c, 0, 90, 765, 91, 0), hexc("#0a2040"), 0.5)
    # A hairline between the body and the strip at the bottom.
    c.fill(rrect_mask(c, 0, 479, 765, 480, 0), hexc("#c3ccd7"))
    c.fill(rrect_mask(c, 0, 480, 765, 481, 0), hexc("#ffffff"), 0.7)
    return c.image().convert("RGB")


def banner():
    c = Canvas(700, 60, 2)
    draw_band(c, 0, 0, 700, 60, seed_shift=0.4)
    c.fill(rrect_mask(c, 0, 59, 700, 60, 0), hexc("#4a86c8"), 0.8)
    return c.image().convert("RGB")


def logo():
    c = Canvas(400, 50, 4)
    em = emblem(46)
    img = c.image()  # transparent
    # The word mark: DejaVu Sans Bold, white, with a soft dark shadow for depth over the band.
    t = Canvas(400, 50, 4)
    tm = text_mask(t, 56, 35, "Vantrel", FONT_BOLD, 29)
    t.fill(blurred(t, np.roll(np.roll(t.arr(tm), 4, axis=0), 4, axis=1), 1.2), hexc("#000814"), 0.55)
    t.fill(tm, vgrad(t, 12, 36, hexc("#ffffff"), hexc("#d6e8fb")))
    img = t.image()
    img.alpha_composite(em, (2, 2))
    return img


def tab(width, icon):
    c = Canvas(width, 27, 4)
    # The tab: rounded at the top, a little lighter than the band.
    shape = c.draw_mask(lambda d, s: d.rounded_rectangle(box(s, 0, 0, width, 31), radius=6 * s, fill=255))
    inner = c.draw_mask(lambda d, s: d.rounded_rectangle(box(s, 1, 1, width - 1, 31), radius=5 * s, fill=255))
    c.fill(shape, hexc("#07203f"), 0.55)
    c.fill(inner, vgrad(c, 1, 27, hexc("#2f6cb3"), hexc("#1a4a86")))
    hl = ring_mask(c, inner, c.draw_mask(lambda d, s: d.rounded_rectangle(box(s, 1, 2, width - 1, 31), radius=5 * s, fill=255)))
    c.fill(hl, hexc("#ffffff"), 0.35)
    img = c.image()
    img.alpha_composite(icon, (5, 4))
    return img


def icon_help(n=18):
    c = Canvas(n, n, 8)
    c.fill(ellipse_mask(c, 0.5, 0.5, n - 0.5, n - 0.5), hexc("#0d2b55"), 0.6)
    c.fill(ellipse_mask(c, 1, 1, n - 1, n - 1), vgrad(c, 1, n - 1, hexc("#ffffff"), hexc("#cfe3f7")))
    c.fill(text_mask(c, n / 2, n / 2 + 0.5, "?", FONT_BOLD, 14, anchor="mm"), hexc("#1c5fb0"))
    return c.image()


def icon_home(n=18):
    c = Canvas(n, n, 8)
    # Walls, a roof, a door and a chimney.
    c.fill(rrect_mask(c, 12, 2, 15, 8, 0), hexc("#9c3422"))
    c.fill(rrect_mask(c, 3, 8, 15, 17, 0), hexc("#0d2b55"), 0.6)
    c.fill(rrect_mask(c, 4, 8, 14, 16, 0), vgrad(c, 8, 16, hexc("#ffffff"), hexc("#d5dde6")))
    roof_out = poly_mask(c, [(9, 0.6), (17.6, 9.2), (15.8, 10.4), (9, 3.6), (2.2, 10.4), (0.4, 9.2)])
    c.fill(roof_out, vgrad(c, 1, 10, hexc("#f2654a"), hexc("#b8321f")))
    c.fill(rrect_mask(c, 7.5, 11, 10.5, 16, 0.4), hexc("#2e6db5"))
    return c.image()


def icon_support(n=18):
    c = Canvas(n, n, 8)
    draw_globe(c, 9, 9, 8.5, "small", rim=1.0)
    q = text_mask(c, 9.6, 9.8, "?", FONT_BOLD, 15, anchor="mm")
    c.fill(blurred(c, q, 0.9), hexc("#001433"), 0.9)
    c.fill(q, hexc("#ffffff"))
    return c.image()


def icon_about(n=18):
    c = Canvas(n, n, 8)
    page = [(3, 0.5), (11.5, 0.5), (15.5, 4.5), (15.5, 17.5), (3, 17.5)]
    c.fill(poly_mask(c, page), hexc("#0d2b55"), 0.6)
    c.fill(poly_mask(c, [(4, 1.5), (11, 1.5), (14.5, 5), (14.5, 16.5), (4, 16.5)]),
           vgrad(c, 1, 17, hexc("#ffffff"), hexc("#dfe6ee")))
    c.fill(poly_mask(c, [(11, 1.5), (14.5, 5), (11, 5)]), hexc("#aab6c4"))
    for y, x1 in ((7, 12.5), (9, 12.5), (11, 12.5), (13, 10)):
        c.fill(rrect_mask(c, 6, y, x1, y + 1, 0), hexc("#5b7da6"))
    return c.image()


def windows_logo(light):
    c = Canvas(16, 16, 8)
    if light:
        cols = [hexc("#8fd0ff"), hexc("#5fb3f4")]
    else:
        cols = [hexc("#2f6fc0"), hexc("#123f82")]
    for x0, y0 in ((1, 1), (9, 1), (1, 9), (9, 9)):
        c.fill(rrect_mask(c, x0, y0, x0 + 6, y0 + 6, 0), vgrad(c, y0, y0 + 6, cols[0], cols[1]))
    return c.image()


def network_icon():
    c = Canvas(16, 16, 8)

    def computer(x, y):
        # A monitor 8 wide and 6 high with its screen, on a small stand.
        c.fill(rrect_mask(c, x, y, x + 8, y + 6, 0.6), hexc("#2f3a47"))
        c.fill(rrect_mask(c, x + 1, y + 1, x + 7, y + 5, 0), vgrad(c, y + 1, y + 5, hexc("#7cc7ff"), hexc("#2a7fd6")))
        c.fill(rrect_mask(c, x + 3, y + 6, x + 5, y + 7, 0), hexc("#2f3a47"))
        c.fill(rrect_mask(c, x + 2, y + 7, x + 6, y + 8, 0), hexc("#56616e"))

    # The cable between them, behind.
    c.fill(rrect_mask(c, 4, 7, 5, 10, 0), hexc("#4a5563"))
    c.fill(rrect_mask(c, 4, 10, 11, 11, 0), hexc("#4a5563"))
    computer(0, 0)
    computer(8, 8)
    return c.image()


# --------------------------------------------------------------------------------------------
# Icon files, written by hand so that every entry has exactly the bit depth it should.


def and_mask(alpha, w, h):
    """The 1-bit mask, bottom-up, rows padded to 32 bits: 1 where the icon is transparent."""
    stride = ((w + 31) // 32) * 4
    out = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray(stride)
        for x in range(w):
            if alpha[y, x] < 128:
                row[x >> 3] |= 0x80 >> (x & 7)
        out += row
    return bytes(out)


def dib_header(w, h, bits, image_size, colors=0):
    return struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, bits, 0, image_size, 0, 0, colors, 0)


def dib32(img):
    w, h = img.size
    a = np.asarray(img)
    bgra = a[::-1, :, [2, 1, 0, 3]].tobytes()
    mask = and_mask(a[..., 3], w, h)
    return dib_header(w, h, 32, len(bgra) + len(mask)) + bgra + mask


def dib8(img):
    """A 256-colour entry: the colours of the opaque half of the picture on a palette of
    their own, the edges flattened onto a neutral light grey, and a 1-bit mask."""
    w, h = img.size
    a = np.asarray(img).astype(np.float32)
    alpha = a[..., 3:4] / 255.0
    matte = np.array([236, 238, 241], np.float32)
    rgb = a[..., :3] * alpha + matte * (1 - alpha)
    opaque = a[..., 3] >= 128
    rgb[~opaque] = 0
    flat = Image.fromarray(np.clip(rgb + 0.5, 0, 255).astype(np.uint8), "RGB")
    q = flat.quantize(colors=256, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
    pal = q.getpalette()[: 256 * 3]
    pal += [0] * (256 * 3 - len(pal))
    idx = np.asarray(q, np.uint8)
    stride = (w + 3) & ~3
    pixels = bytearray()
    for y in range(h - 1, -1, -1):
        pixels += idx[y].tobytes() + bytes(stride - w)
    palette = b"".join(struct.pack("<BBBB", pal[i * 3 + 2], pal[i * 3 + 1], pal[i * 3], 0) for i in range(256))
    mask = and_mask(a[..., 3], w, h)
    body = palette + bytes(pixels) + mask
    return dib_header(w, h, 8, len(pixels) + len(mask), 256) + body


def png_bytes(img):
    b = io.BytesIO()
    img.save(b, "PNG", optimize=True)
    return b.getvalue()


def write_ico(path, entries):
    """`entries` is a list of (size, bits, data)."""
    head = struct.pack("<HHH", 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    directory, blobs = b"", b""
    for size, bits, data in entries:
        dim = 0 if size >= 256 else size
        directory += struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, bits, len(data), offset)
        offset += len(data)
        blobs += data
    with open(path, "wb") as f:
        f.write(head + directory + blobs)


# --------------------------------------------------------------------------------------------


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--out", default=HERE)
    args = ap.parse_args()
    out = args.out
    os.makedirs(out, exist_ok=True)

    def save(img, name):
        img.save(os.path.join(out, name), "PNG", optimize=True)
        print(f"  {name}  {img.size[0]}x{img.size[1]}")

    sizes = [16, 24, 32, 48, 64, 128, 256]
    em = {n: emblem(n) for n in sizes}

    classic = [16, 24, 32, 48]
    main_entries = [(n, 8, dib8(em[n])) for n in classic] + [(n, 32, dib32(em[n])) for n in classic]
    shell_entries = main_entries + [(64, 32, dib32(em[64])), (128, 32, dib32(em[128])),
                                    (256, 32, png_bytes(em[256]))]
    write_ico(os.path.join(out, "Vantrel.ico"), main_entries)
    print("  Vantrel.ico  8 images")
    write_ico(os.path.join(out, "VantrelShell.ico"), shell_entries)
    print("  VantrelShell.ico  11 images")

    save(em[256], "Emblem256.png")
    save(background(), "Background.png")
    save(logo(), "Logo.png")
    save(tab(78, icon_help()), "TabHelp.png")
    save(tab(85, icon_home()), "TabHome.png")
    save(tab(108, icon_support()), "TabSupport.png")
    save(tab(99, icon_about()), "TabAbout.png")
    save(banner(), "Banner.png")
    save(windows_logo(True), "WindowsLight.png")
    save(windows_logo(False), "WindowsDark.png")
    save(network_icon(), "Network.png")


if __name__ == "__main__":
    sys.exit(main())
