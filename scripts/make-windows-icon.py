#!/usr/bin/env python3
"""Packs the icon theme's PNGs (res/icons/hicolor) into res/windows/tovbrenn.ico, the icon the
Windows programs carry. Each size is stored as PNG, which Windows reads since Vista."""
import pathlib
import struct

root = pathlib.Path(__file__).resolve().parent.parent
entries = []
for size in (16, 24, 32, 48, 64, 128, 256):
    png = root / f"res/icons/hicolor/{size}x{size}/apps/tovbrenn.png"
    if png.exists():
        entries.append((size, png.read_bytes()))
header = struct.pack("<HHH", 0, 1, len(entries))
offset = len(header) + 16 * len(entries)
directory, images = b"", b""
for size, data in entries:
    # Width and height 0 mean 256; 32 bits a pixel; one plane.
    directory += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data),
                             offset + len(images))
    images += data
(root / "res/windows/tovbrenn.ico").write_bytes(header + directory + images)
