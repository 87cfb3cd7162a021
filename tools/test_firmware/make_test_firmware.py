#!/usr/bin/env python3
"""Writes a test firmware image and the FWUpdate config.ini that offers it.

    make_test_firmware.py FOLDER VERSION SIZE

The image starts with the mark "BRELFXFW" and the version byte; the simulated
keyboard's update loader reports that version once the whole image arrived.
The rest is a byte pattern, so every block has its own sum. config.ini names
the image and its version, as the monitor and the upgrade program read it."""
import os
import sys


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    folder, version, size = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
    if not 1 <= version <= 255 or size < 9:
        sys.exit("make_test_firmware.py: VERSION must be 1-255 and SIZE at least 9")
    name = f"BrelFX Test Firmware {version}.bin"
    image = bytearray(b"BRELFXFW") + bytes([version])
    image += bytes((i * 13 + 7) & 0xFF for i in range(size - len(image)))
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(image)
    with open(os.path.join(folder, "config.ini"), "wb") as f:
        f.write(f"[Firmware]\r\nName={name}\r\nVersion={version}\r\n".encode("ascii"))


if __name__ == "__main__":
    main()
