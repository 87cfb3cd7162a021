#!/usr/bin/env python3
"""Speaks the monitor's announcements into canonical wave files.

    make_announcements.py TABLE OUTDIR

TABLE lines are "file name<TAB>words" ('#' starts a comment). Each text is
spoken with espeak-ng, converted with sox to 22,050 Hz mono 16-bit PCM and
levelled to -3 dBFS (headroom for the loudest volume factor, 1.1), then
rewritten as the canonical file the monitor expects: a 44-byte header
(RIFF, WAVE, a 16-byte fmt chunk, data) followed by the samples and nothing
else. Other chunks a tool may add are dropped.
"""
import os
import struct
import subprocess
import sys
import tempfile

RATE = 22050


def read_table(path):
    rows = []
    with open(path, encoding="utf-8") as table:
        for line in table:
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            name, words = line.split("\t", 1)
            rows.append((name, words))
    return rows


def chunks(image):
    """Yields (id, body) of the chunks of a RIFF WAVE image."""
    if len(image) < 12 or image[0:4] != b"RIFF" or image[8:12] != b"WAVE":
        raise ValueError("not a RIFF WAVE file")
    pos = 12
    while pos + 8 <= len(image):
        ident, size = struct.unpack_from("<4sI", image, pos)
        body = image[pos + 8 : pos + 8 + size]
        yield ident, body
        pos += 8 + size + (size & 1)


def canonical(image):
    """The image reduced to a 44-byte header and its 16-bit mono samples."""
    found = dict(chunks(image))
    fmt, data = found.get(b"fmt "), found.get(b"data")
    if fmt is None or data is None:
        raise ValueError("no fmt or data chunk")
    tag, channels, rate, _, _, bits = struct.unpack_from("<HHIIHH", fmt)
    # 0xFFFE (extensible) carries PCM as a sub-format GUID; sox writes it for
    # some sample formats.
    if tag == 0xFFFE and len(fmt) >= 26:
        tag = struct.unpack_from("<H", fmt, 24)[0]
    if (tag, channels, bits) != (1, 1, 16):
        raise ValueError(f"not 16-bit mono PCM: tag {tag}, {channels} ch, {bits} bits")
    data = data[: len(data) & ~1]
    header = struct.pack(
        "<4sI4s4sIHHIIHH4sI",
        b"RIFF", 36 + len(data), b"WAVE",
        b"fmt ", 16, 1, 1, rate, rate * 2, 2, 16,
        b"data", len(data),
    )
    return header + data


def check(image):
    """Fails unless the image is laid out exactly as the monitor reads it."""
    riff, riff_size, wave, fmt, fmt_size, tag, channels = struct.unpack_from("<4sI4s4sIHH", image)
    bits = struct.unpack_from("<H", image, 34)[0]
    data, data_size = struct.unpack_from("<4sI", image, 36)
    ok = (riff, wave, fmt, data) == (b"RIFF", b"WAVE", b"fmt ", b"data")
    ok = ok and (fmt_size, tag, channels, bits) == (16, 1, 1, 16)
    ok = ok and data_size > 0 and len(image) == 44 + data_size == riff_size + 8
    if not ok:
        raise ValueError("canonical header check failed")


def speak(words, out_path, work):
    spoken = os.path.join(work, "spoken.wav")
    converted = os.path.join(work, "converted.wav")
    subprocess.run(["espeak-ng", "-v", "en-us", "-s", "175", "-w", spoken, words], check=True)
    subprocess.run(
        ["sox", spoken, "-r", str(RATE), "-c", "1", "-b", "16", "-e", "signed-integer",
         converted, "silence", "1", "0.02", "0.5%", "reverse", "silence", "1", "0.02", "0.5%",
         "reverse", "norm", "-3", "pad", "0.02", "0.05"],
        check=True,
    )
    with open(converted, "rb") as f:
        image = canonical(f.read())
    check(image)
    temp = out_path + ".tmp"
    with open(temp, "wb") as f:
        f.write(image)
    os.replace(temp, out_path)


def main(argv):
    if len(argv) != 3:
        sys.exit(__doc__)
    table, out_dir = argv[1], argv[2]
    os.makedirs(out_dir, exist_ok=True)
    with tempfile.TemporaryDirectory() as work:
        for name, words in read_table(table):
            try:
                speak(words, os.path.join(out_dir, name), work)
            except (OSError, ValueError, struct.error, subprocess.CalledProcessError) as error:
                sys.exit(f"make_announcements: {name}: {error}")


if __name__ == "__main__":
    main(sys.argv)
