#!/usr/bin/env python3
"""Checks the program's two icon files: that each holds exactly the images it should (size
and bit depth, in the directory and in the image itself), that every image's data is
complete and well formed, and that nothing overlaps or runs past the end of the file.

    resources/art/check-ico.py [FOLDER]      (default: the folder of this script)

Prints one line per image and exits non-zero on the first file with a fault.
"""

import os
import struct
import sys

CLASSIC = [(n, 8) for n in (16, 24, 32, 48)] + [(n, 32) for n in (16, 24, 32, 48)]
EXPECTED = {
    "Vantrel.ico": CLASSIC,
    "VantrelShell.ico": CLASSIC + [(64, 32), (128, 32), (256, 32)],
}
PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"


def check_dib(data, size, bits):
    if len(data) < 40:
        return "DIB header cut short"
    (hsize, w, h, planes, bitcount, compression, image_size, _, _, used, _) = struct.unpack_from(
        "<IiiHHIIiiII", data)
    if hsize != 40:
        return f"header size {hsize}, not 40"
    if (w, h) != (size, 2 * size):
        return f"header says {w}x{h}, not {size}x{2 * size}"
    if planes != 1 or bitcount != bits:
        return f"header says {planes} plane(s) of {bitcount} bits"
    if compression != 0:
        return f"compression {compression}"
    colours = 0
    if bits <= 8:
        colours = used or (1 << bits)
        if colours > (1 << bits):
            return f"{colours} palette entries for {bits} bits"
    xor = ((size * bits + 31) // 32) * 4 * size
    mask = ((size + 31) // 32) * 4 * size
    want = 40 + 4 * colours + xor + mask
    if len(data) != want:
        return f"{len(data)} bytes of image data, expected {want}"
    if image_size not in (0, xor + mask):
        return f"biSizeImage {image_size}, expected {xor + mask}"
    if bits == 32:
        pixels = data[40:40 + xor]
        if not any(pixels[i] for i in range(3, len(pixels), 4)):
            return "32-bit image with no alpha at all"
    return None


def check_png(data, size):
    if len(data) < 33 or data[12:16] != b"IHDR":
        return "PNG without IHDR"
    w, h, depth, colour_type = struct.unpack_from(">IIBB", data, 16)
    if (w, h) != (size, size):
        return f"PNG is {w}x{h}"
    if depth != 8 or colour_type != 6:
        return f"PNG is not 8-bit RGBA (depth {depth}, colour type {colour_type})"
    if not data.endswith(b"IEND\xaeB`\x82"):
        return "PNG does not end with IEND"
    return None


def check_file(path, expected):
    blob = open(path, "rb").read()
    name = os.path.basename(path)
    if len(blob) < 6:
        return [f"{name}: too short"]
    reserved, kind, count = struct.unpack_from("<HHH", blob)
    if reserved != 0 or kind != 1:
        return [f"{name}: not an icon file (reserved {reserved}, type {kind})"]
    faults, found, spans = [], [], []
    for i in range(count):
        at = 6 + 16 * i
        if at + 16 > len(blob):
            return [f"{name}: directory cut short"]
        bw, bh, colours, res, planes, bits, length, offset = struct.unpack_from("<BBBBHHII", blob, at)
        size_w, size_h = bw or 256, bh or 256
        where = f"{name} #{i}: {size_w}x{size_h}, {bits}-bit"
        if size_w != size_h:
            faults.append(f"{where}: not square")
        if planes != 1 or res != 0 or colours != 0:
            faults.append(f"{where}: planes {planes}, reserved {res}, colour count {colours}")
        if offset + length > len(blob) or offset < 6 + 16 * count:
            faults.append(f"{where}: data at {offset}+{length} lies outside the file")
            continue
        spans.append((offset, offset + length))
        data = blob[offset:offset + length]
        if data.startswith(PNG_SIGNATURE):
            fault = check_png(data, size_w)
            kind = "PNG"
        else:
            fault = check_dib(data, size_w, bits)
            kind = "DIB"
        if fault:
            faults.append(f"{where}: {fault}")
        print(f"  {where} {kind}, {length} bytes")
        found.append((size_w, bits))
    spans.sort()
    for (a0, a1), (b0, _) in zip(spans, spans[1:]):
        if b0 < a1:
            faults.append(f"{name}: images overlap at {b0}")
    if sorted(found) != sorted(expected):
        faults.append(f"{name}: holds {sorted(found)}, expected {sorted(expected)}")
    return faults


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    faults = []
    for name, expected in EXPECTED.items():
        print(name)
        faults += check_file(os.path.join(folder, name), expected)
    for f in faults:
        print("FAIL:", f)
    print(f"{len(EXPECTED)} files checked, {len(faults)} fault(s)")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
