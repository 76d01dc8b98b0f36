#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Gravok developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Lines up the samples the disk audio driver wrote with the game's sound trace.

    pcm_check.py PCM TRACE_LOG CHECK...

PCM is 16-bit mono at 48 kHz; TRACE_LOG holds "sound-trace WHAT [NAME] FRAME" lines.
Checks, each over the trace in order:
  played           every "play" has sound within two device blocks after its frame
  quiet-paused     from each "pause" until the next "resume" (or the end) all is silent
  quiet-muted      the same from each "mute" until the next "unmute"
  quiet-before-play nothing sounds before the first "play"
  count:WHAT:NAME:N at least N such trace lines
Exit 0 if all hold, 1 naming the first that does not.
"""
import struct
import sys

RATE = 48000
BLOCK = 512
SETTLE = 2 * BLOCK  # a request lands at the latest in the block after the one rendering


def load(pcm_path, trace_path):
    data = open(pcm_path, "rb").read()
    samples = struct.unpack("<%dh" % (len(data) // 2), data[: len(data) // 2 * 2])
    events = []
    for line in open(trace_path, encoding="utf-8", errors="replace"):
        parts = line.split()
        if len(parts) >= 3 and parts[0] == "sound-trace":
            name = parts[2] if len(parts) == 4 else ""
            events.append((parts[1], name, int(parts[-1])))
    return samples, events


def peak(samples, start, end):
    part = samples[max(0, start):max(0, end)]
    return max((abs(s) for s in part), default=0)


def quiet_spans(events, begin, end, total):
    spans = []
    for i, (what, _, frame) in enumerate(events):
        if what != begin:
            continue
        until = next((f for w, _, f in events[i + 1:] if w == end), total)
        spans.append((frame + SETTLE, until))
    return spans


def main():
    if len(sys.argv) < 4:
        print(__doc__, file=sys.stderr)
        return 2
    samples, events = load(sys.argv[1], sys.argv[2])
    total = len(samples)
    print(f"{total} frames ({total / RATE:.2f} s), {len(events)} trace lines")
    for check in sys.argv[3:]:
        if check == "played":
            for what, name, frame in events:
                if what == "play" and frame + SETTLE + 256 <= total:
                    p = peak(samples, frame, frame + SETTLE + 256)
                    if p < 300:
                        print(f"FAIL played: {name} at frame {frame} is silent (peak {p})")
                        return 1
        elif check in ("quiet-paused", "quiet-muted"):
            begin, end = ("pause", "resume") if check == "quiet-paused" else ("mute", "unmute")
            spans = quiet_spans(events, begin, end, total)
            if not spans:
                print(f"FAIL {check}: no {begin} in the trace")
                return 1
            for start, until in spans:
                p = peak(samples, start, until)
                if p != 0:
                    print(f"FAIL {check}: sound between frames {start} and {until} (peak {p})")
                    return 1
                print(f"ok   {check}: {(until - start) / RATE:.2f} s silent from frame {start}")
        elif check == "quiet-before-play":
            first = next((f for w, _, f in events if w == "play"), total)
            if peak(samples, 0, first) != 0:
                print("FAIL quiet-before-play: sound before the first request")
                return 1
        elif check.startswith("count:"):
            _, what, name, n = check.split(":")
            got = sum(1 for w, nm, _ in events if w == what and nm == name)
            if got < int(n):
                print(f"FAIL {check}: only {got}")
                return 1
        else:
            print(f"unknown check {check}", file=sys.stderr)
            return 2
        print(f"ok   {check}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
