#!/usr/bin/env python3
"""Writes the gauge's three sounds as RIFF WAVE files beside this script:

  click.wav     resource 107: button click, 22,255 Hz, 2,432 bytes of samples
  alarm.wav     resource 105: proximity alarm, three beeps, 11,025 Hz, 8,678 bytes, "fact" chunk
  waypoint.wav  resource 106: two-tone chime, 11,025 Hz, 4,588 bytes, "fact" chunk

All are PCM, mono, 8-bit. The output is the same on every run.
"""
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def to_bytes(signal):
    """Signal in -1..1 to unsigned 8-bit samples (128 is silence)."""
    return bytes(max(0, min(255, round(128 + 110 * v))) for v in signal)


def envelope(t, attack, decay):
    """Quick rise, exponential fall; no clicks at the ends."""
    return min(1.0, t / attack) * math.exp(-t / decay)


def click(rate, count):
    # A short woody tick: a decaying 1.9 kHz tone over a lower body, plus a touch of
    # deterministic noise in the first millisecond.
    seed = 12345
    out = []
    for i in range(count):
        t = i / rate
        seed = (seed * 1103515245 + 12345) & 0x7FFFFFFF
        noise = (seed / 0x3FFFFFFF - 1.0) * math.exp(-t / 0.0008)
        tone = 0.6 * math.sin(2 * math.pi * 1900 * t) + 0.4 * math.sin(2 * math.pi * 620 * t)
        out.append(0.75 * envelope(t, 0.0004, 0.012) * tone + 0.25 * noise)
    fade = 200
    return [v * min(1.0, (count - i) / fade) for i, v in enumerate(out)]


def alarm(rate, count):
    # Three beeps at 1,320 Hz with a soft fifth above, 0.14 s each with 0.11 s gaps.
    out = []
    beep, period = 0.14, 0.25
    for i in range(count):
        t = i / rate
        k, local = divmod(t, period)
        if k < 3 and local < beep:
            ramp = min(1.0, local / 0.006, (beep - local) / 0.006)
            v = 0.7 * math.sin(2 * math.pi * 1320 * t) + 0.25 * math.sin(2 * math.pi * 1980 * t)
            out.append(0.9 * ramp * v)
        else:
            out.append(0.0)
    return out


def chime(rate, count):
    # Two bell tones, high then low (E6, C6), each with a faint octave partial.
    out = []
    second = 0.19
    for i in range(count):
        t = i / rate
        v = 0.0
        for start, freq in ((0.0, 1318.5), (second, 1046.5)):
            if t >= start:
                u = t - start
                e = envelope(u, 0.003, 0.09)
                v += e * (0.75 * math.sin(2 * math.pi * freq * u) + 0.2 * math.sin(2 * math.pi * 2 * freq * u))
        out.append(0.8 * v * min(1.0, (count - i) / 300))
    return out


def wave_image(rate, samples, with_fact):
    if with_fact:
        # WAVEFORMATEX with cbSize 0, then the sample count in a "fact" chunk.
        fmt = struct.pack("<HHIIHHH", 1, 1, rate, rate, 1, 8, 0)
        chunks = [(b"fmt ", fmt), (b"fact", struct.pack("<I", len(samples))), (b"data", samples)]
    else:
        fmt = struct.pack("<HHIIHH", 1, 1, rate, rate, 1, 8)
        chunks = [(b"fmt ", fmt), (b"data", samples)]
    body = b"WAVE"
    for tag, data in chunks:
        body += tag + struct.pack("<I", len(data)) + data + (b"\0" if len(data) % 2 else b"")
    return b"RIFF" + struct.pack("<I", len(body)) + body


def main():
    sounds = [
        ("click.wav", 22255, 2432, click, False),
        ("alarm.wav", 11025, 8678, alarm, True),
        ("waypoint.wav", 11025, 4588, chime, True),
    ]
    for name, rate, count, make, with_fact in sounds:
        with open(os.path.join(HERE, name), "wb") as f:
            f.write(wave_image(rate, to_bytes(make(rate, count)), with_fact))


if __name__ == "__main__":
    main()
