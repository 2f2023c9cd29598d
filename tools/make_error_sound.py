#!/usr/bin/env python3
"""Writes the demo error sound: a short falling two-tone "wrong" beep.

22050 Hz mono 16-bit PCM, about 0.3 s. Each tone fades in and out over a few milliseconds
so that it does not click. The output is the same on every run.

Usage: make_error_sound.py [OUTPUT]   (default: data/Error_voice/1.wav beside this folder)
"""
import math
import struct
import sys
import wave
from pathlib import Path

RATE = 22050
AMPLITUDE = 0.45  # of full scale; loud enough to notice, soft enough not to startle
FADE_S = 0.008
# (frequency in Hz, length in s); 0 Hz is a pause. Falling, as a "no" is spoken.
NOTES = [(660.0, 0.12), (0.0, 0.03), (440.0, 0.15)]


def note_samples(frequency, seconds):
    count = round(RATE * seconds)
    fade = round(RATE * FADE_S)
    for i in range(count):
        if frequency == 0.0:
            yield 0.0
            continue
        edge = min(i, count - 1 - i)
        gain = min(1.0, edge / fade)
        # A little of the third harmonic makes it buzz like a beep rather than a flute.
        phase = 2 * math.pi * frequency * i / RATE
        yield gain * (0.85 * math.sin(phase) + 0.15 * math.sin(3 * phase))


def main():
    default = Path(__file__).resolve().parent.parent / "data" / "Error_voice" / "1.wav"
    output = Path(sys.argv[1]) if len(sys.argv) > 1 else default
    output.parent.mkdir(parents=True, exist_ok=True)
    frames = bytearray()
    for frequency, seconds in NOTES:
        for value in note_samples(frequency, seconds):
            frames += struct.pack("<h", round(value * AMPLITUDE * 32767))
    with wave.open(str(output), "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(bytes(frames))


if __name__ == "__main__":
    main()
