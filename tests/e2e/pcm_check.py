#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Gravok developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""pcm_check.py PCM TRACE_LOG CHECK...: the samples SDL's disk driver wrote (16-bit mono)
against the game's "sound-trace WHAT [NAME] FRAME" lines. Checks:
  played             sound within two device blocks after every "play"
  quiet-paused       silence from each "pause" (two blocks on) until the next "resume"
  quiet-muted        the same from each "mute" until the next "unmute"
  quiet-before-play  silence before the first "play"
  count:WHAT:NAME:N  at least N such trace lines
Exit 0 if all hold, 1 naming the first that does not."""
import struct
import sys

SETTLE = 2 * 512  # a request sounds at the latest in the block after the one rendering


def main(pcm, trace, *checks):
    data = open(pcm, "rb").read()
    samples = struct.unpack("<%dh" % (len(data) // 2), data[: len(data) // 2 * 2])
    end = len(samples)
    events = []
    for line in open(trace, encoding="utf-8", errors="replace"):
        p = line.split()
        if len(p) >= 3 and p[0] == "sound-trace":
            events.append((p[1], p[2] if len(p) == 4 else "", int(p[-1])))

    def peak(a, b):
        return max((abs(s) for s in samples[max(0, a):max(0, b)]), default=0)

    for check in checks:
        if check == "played":
            bad = [f for w, _, f in events if w == "play" and f + SETTLE + 256 <= end and peak(f, f + SETTLE + 256) < 300]
        elif check in ("quiet-paused", "quiet-muted"):
            begin, until = ("pause", "resume") if check == "quiet-paused" else ("mute", "unmute")
            spans = [(f + SETTLE, next((g for v, _, g in events[i + 1:] if v == until), end))
                     for i, (w, _, f) in enumerate(events) if w == begin]
            bad = [a for a, b in spans if peak(a, b)] if spans else ["no " + begin]
        elif check == "quiet-before-play":
            bad = [0] if peak(0, next((f for w, _, f in events if w == "play"), end)) else []
        else:
            _, what, name, n = check.split(":")
            bad = [] if sum(1 for w, nm, _ in events if (w, nm) == (what, name)) >= int(n) else ["too few"]
        print(("FAIL " if bad else "ok   ") + check + (" at frames %s" % bad if bad else ""))
        if bad:
            return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
