#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Gravok developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the four episode files data/Episode1.gvk .. data/Episode4.gvk.

The difficulty curve lives in EPISODES below: gravoks per level, the speed and toughness
each episode starts and ends with, the level holding the heart, and a formation per
level. Positions and directions come from a seeded generator, so running this again
writes byte-identical files; change a number here and rerun to retune.

    python3 tools/episodes/make_episodes.py            # write the files
    python3 tools/episodes/make_episodes.py --check    # fail if the files are stale
    python3 tools/episodes/make_episodes.py --summary  # print each level's numbers
"""

import argparse
import math
import pathlib
import random
import sys
from dataclasses import dataclass

# The field and everything on it, in twips (15 per pixel).
FIELD_W, FIELD_H = 9600, 7200
PIXEL = 15
HEART = 270
SHUTTLE = (4372, 3172, 855, 855)  # Left, Top, width, height at the start of a level
# Nothing starts closer to the waiting shuttle than this, so the player has a moment
# to look before the first dodge.
SHUTTLE_MARGIN = 600
# A rock aimed at the shuttle must not arrive within this many 50 ms ticks.
SAFE_TICKS = 20
GRAVOK_GAP = 150  # between two gravoks at the start; a touching pair would bounce at once
HEART_GAP = 1200  # the heart should cost a short flight, not sit next to the shuttle
MAX_STEP = 100


def picture_size(picture):
    return 450 if picture == 12 else 480


def hits(picture):
    return {1: 3, 2: 5, 0: 7}[picture % 3]


@dataclass
class Episode:
    number: int
    title: str  # as the new-game dialog shows it
    seed: int
    counts: list  # gravoks in each level
    speed: tuple  # largest step of the first and of the last level
    tough: tuple  # toughness of the first and of the last level, 0 = all 3-hit kinds
    heart_level: int
    formations: list  # one per level, see FORMATIONS


EPISODES = [
    # Rocks. A gentle start: mostly 3-hit rocks, slow, few of them.
    Episode(1, "Gravokitenstrum", 1101,
            counts=[2, 3, 3, 4, 5, 6, 7, 8],
            speed=(14, 64), tough=(0.0, 0.5), heart_level=4,
            formations=["scatter", "flank", "rain", "corners", "convoy", "ring",
                        "crossfire", "scatter"]),
    # Satellites drift in orbits and streams, a little quicker than the rocks.
    Episode(2, "Satelliten - Chaos", 2202,
            counts=[2, 3, 4, 4, 5, 6, 6, 7, 8, 9],
            speed=(18, 70), tough=(0.1, 0.6), heart_level=5,
            formations=["convoy", "ring", "flank", "pincer", "corners", "crossfire",
                        "ring", "rain", "convoy", "scatter"]),
    # Planets: heavier from the start; level 6 has one gravok less but tougher ones.
    Episode(3, "Zerstörung der Planeten", 3303,
            counts=[3, 3, 4, 5, 6, 5, 7, 8, 8, 9, 10],
            speed=(20, 80), tough=(0.2, 0.7), heart_level=6,
            formations=["flank", "scatter", "pincer", "ring", "corners", "convoy",
                        "crossfire", "rain", "ring", "flank", "scatter"]),
    # The bright planets close the game: fast, tough and crowded.
    Episode(4, "Bunte Planeten!", 4404,
            counts=[3, 4, 4, 5, 6, 7, 6, 8, 8, 9, 10, 10],
            speed=(24, 90), tough=(0.3, 0.8), heart_level=7,
            formations=["ring", "convoy", "corners", "flank", "rain", "crossfire",
                        "pincer", "scatter", "ring", "convoy", "crossfire", "scatter"]),
]


class Dice:
    """Only Random.random() keeps its sequence across Python versions; build on that."""

    def __init__(self, seed):
        self._rng = random.Random(seed)

    def real(self, lo, hi):
        return lo + (hi - lo) * self._rng.random()

    def whole(self, lo, hi):  # lo..hi inclusive
        return min(hi, lo + int((hi - lo + 1) * self._rng.random()))

    def sign(self):
        return 1 if self._rng.random() < 0.5 else -1

    def shuffle(self, items):
        for i in range(len(items) - 1, 0, -1):
            j = self.whole(0, i)
            items[i], items[j] = items[j], items[i]


# --- Formations: each proposes one gravok's place (centre) and heading; the caller
# --- rejects proposals that crowd the shuttle or another gravok and asks again.

def _anywhere(d):
    return d.real(0, FIELD_W), d.real(0, FIELD_H)


def scatter(d, k, n, style):
    return (*_anywhere(d), d.real(0, 2 * math.pi))


def flank(d, k, n, style):
    # From both side walls, roughly across the field.
    left = (k + style["side"]) % 2 == 0
    x = d.real(0, 1900) if left else FIELD_W - d.real(0, 1900)
    heading = (0 if left else math.pi) + d.real(-0.45, 0.45)
    return x, d.real(0, FIELD_H), heading


def pincer(d, k, n, style):
    # From above and below at once.
    top = (k + style["side"]) % 2 == 0
    y = d.real(0, 1700) if top else FIELD_H - d.real(0, 1700)
    heading = (math.pi / 2 if top else -math.pi / 2) + d.real(-0.5, 0.5)
    return d.real(0, FIELD_W), y, heading


def rain(d, k, n, style):
    # Everything falls from the top band, slanting one way.
    heading = math.pi / 2 + style["slant"] + d.real(-0.3, 0.3)
    return d.real(0, FIELD_W), d.real(0, 2000), heading


def corners(d, k, n, style):
    # Huddles in the corners, breaking out in all directions.
    corner = (k + style["side"]) % 4
    x = d.real(0, 2400) if corner in (0, 3) else FIELD_W - d.real(0, 2400)
    y = d.real(0, 2000) if corner in (0, 1) else FIELD_H - d.real(0, 2000)
    return x, y, d.real(0, 2 * math.pi)


def convoy(d, k, n, style):
    # A loose stream, all heading about the same way.
    return (*_anywhere(d), style["heading"] + d.real(-0.25, 0.25))


def ring(d, k, n, style):
    # An uneven ring round the shuttle, circling one way.
    angle = style["phase"] + 2 * math.pi * k / n + d.real(-0.3, 0.3)
    x = FIELD_W / 2 + math.cos(angle) * d.real(3000, 4000)
    y = FIELD_H / 2 + math.sin(angle) * d.real(2300, 3000)
    heading = angle + style["turn"] * math.pi / 2 + d.real(-0.35, 0.35)
    return x, y, heading


def crossfire(d, k, n, style):
    # Half cross the field sideways, half up and down.
    x, y = _anywhere(d)
    sideways = (k + style["side"]) % 2 == 0
    base = (0 if sideways else math.pi / 2) + (math.pi if d.real(0, 1) < 0.5 else 0)
    return x, y, base + d.real(-0.15, 0.15)


FORMATIONS = {f.__name__: f for f in (scatter, flank, pincer, rain, corners, convoy, ring, crossfire)}


def level_style(d):
    return {"side": d.whole(0, 3), "slant": d.real(-0.5, 0.5),
            "heading": d.real(0, 2 * math.pi), "phase": d.real(0, 2 * math.pi),
            "turn": d.sign()}


# --- Rules every start position has to keep.

def overlaps(a, b, gap=0):
    ax, ay, aw, ah = a
    bx, by, bw, bh = b
    return ax <= bx + bw + gap and bx <= ax + aw + gap and ay <= by + bh + gap and by <= ay + ah + gap


def inside_field(x, y, w, h):
    return 0 <= x and 0 <= y and x + w <= FIELD_W and y + h <= FIELD_H


def reaches_shuttle(x, y, size, dx, dy):
    # Straight flight only; in one second nothing can wrap round into the middle.
    return any(overlaps((x + t * dx, y + t * dy, size, size), SHUTTLE) for t in range(SAFE_TICKS + 1))


def snap(v):
    return PIXEL * round(v / PIXEL)


# --- Building the levels.

def kinds_for(n, toughness, first_picture, d):
    """Shares 3/5/7-hit like (1-t)^2, 2t(1-t), t^2: all 3-hit at t = 0, mostly 7-hit near 1."""
    share7 = toughness ** 2
    share57 = share7 + 2 * toughness * (1 - toughness)
    n7 = round(n * share7)
    n5 = round(n * share57) - n7
    kinds = [first_picture + 2] * n7 + [first_picture + 1] * n5 + [first_picture] * (n - n7 - n5)
    d.shuffle(kinds)
    return kinds


def make_gravok(d, formation, k, n, style, picture, top_speed, placed):
    size = picture_size(picture)
    for _ in range(5000):
        cx, cy, heading = formation(d, k, n, style)
        x, y = snap(cx - size / 2), snap(cy - size / 2)
        if not inside_field(x, y, size, size):
            continue
        box = (x, y, size, size)
        if overlaps(box, SHUTTLE, SHUTTLE_MARGIN) or any(overlaps(box, p, GRAVOK_GAP) for p in placed):
            continue
        # Speed counts along the faster axis, as the steps are written; the first gravok
        # of a level flies at the level's top speed so every level reaches its number.
        speed = (1.0 if not placed else d.real(0.55, 1.0)) * top_speed
        cos, sin = math.cos(heading), math.sin(heading)
        scale = speed / max(abs(cos), abs(sin))
        dx = max(-MAX_STEP, min(MAX_STEP, round(cos * scale)))
        dy = max(-MAX_STEP, min(MAX_STEP, round(sin * scale)))
        if (dx, dy) == (0, 0) or reaches_shuttle(x, y, size, dx, dy):
            continue
        return (picture, x, y, dx, dy), box
    raise RuntimeError(f"no room for gravok {k + 1} of {n} in a {formation.__name__} level")


def place_heart(d, boxes):
    for _ in range(5000):
        x = snap(d.real(0, FIELD_W - HEART))
        y = snap(d.real(0, FIELD_H - HEART))
        box = (x, y, HEART, HEART)
        if not inside_field(*box) or overlaps(box, SHUTTLE, HEART_GAP):
            continue
        if any(overlaps(box, b, GRAVOK_GAP) for b in boxes):
            continue
        return x, y
    raise RuntimeError("no room for the heart")


def lerp(a, b, p):
    return a + (b - a) * p


def build_episode(ep):
    assert len(ep.formations) == len(ep.counts), ep.title
    assert 1 < ep.heart_level < len(ep.counts), ep.title
    d = Dice(ep.seed)
    first_picture = 3 * ep.number - 2
    last = len(ep.counts) - 1
    levels = []
    for i, n in enumerate(ep.counts):
        p = i / last
        top_speed = lerp(*ep.speed, p)
        kinds = kinds_for(n, lerp(*ep.tough, p), first_picture, d)
        formation = FORMATIONS[ep.formations[i]]
        style = level_style(d)
        gravoks, boxes = [], []
        for k, picture in enumerate(kinds):
            g, box = make_gravok(d, formation, k, n, style, picture, top_speed, boxes)
            gravoks.append(g)
            boxes.append(box)
        heart = place_heart(d, boxes) if i + 1 == ep.heart_level else None
        levels.append((gravoks, heart))
    return levels


def render(levels):
    lines = [str(len(levels))]
    for gravoks, heart in levels:
        lines += [",".join(str(v) for v in g) for g in gravoks]
        if heart:
            lines.append(f"0,{heart[0]},{heart[1]}")
        lines.append("")
    # The game reads CR LF line ends; every block, the last too, ends with an empty line.
    return ("\r\n".join(lines) + "\r\n").encode("ascii")


def summary(ep, levels):
    print(f"Episode {ep.number} \"{ep.title}\": {len(levels)} levels, heart in level {ep.heart_level}")
    for i, (gravoks, heart) in enumerate(levels, 1):
        top = max(max(abs(g[3]), abs(g[4])) for g in gravoks)
        total = sum(hits(g[0]) for g in gravoks)
        print(f"  {i:2} {ep.formations[i - 1]:9} gravoks {len(gravoks):2}  hits {total:3}  "
              f"top step {top:3}{'  heart' if heart else ''}")


def main():
    here = pathlib.Path(__file__).resolve()
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", type=pathlib.Path, default=here.parents[2] / "data")
    parser.add_argument("--check", action="store_true", help="compare with the files instead of writing")
    parser.add_argument("--summary", action="store_true", help="print each level's numbers")
    args = parser.parse_args()

    stale = []
    for ep in EPISODES:
        levels = build_episode(ep)
        data = render(levels)
        path = args.out / f"Episode{ep.number}.gvk"
        if args.summary:
            summary(ep, levels)
        if args.check:
            if not path.exists() or path.read_bytes() != data:
                stale.append(path)
        else:
            path.write_bytes(data)
    for path in stale:
        print(f"{path} differs from what {here.name} writes", file=sys.stderr)
    return 1 if stale else 0


if __name__ == "__main__":
    sys.exit(main())
