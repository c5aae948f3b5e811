#!/usr/bin/python3
"""Reads an X11 window's bounding shape and compares its holes with the window's picture.

  window_shape.py shaped WID
      exit status 0 when the window has a bounding shape of its own.
  window_shape.py check WID WIDTH HEIGHT [PICTURE.ppm]
      the window must be WIDTH x HEIGHT with a shape inside those bounds; the shape
      is then taken off, so the X server shows the whole of what the program has
      drawn, and the holes must be exactly the pure aqua pixels of that picture.
      Prints the hole count; PICTURE.ppm receives the picture.

Debian's python3-xlib; run with /usr/bin/python3.
"""
import sys
import time

from Xlib import X, display
from Xlib.ext import shape

AQUA = 0x00FFFF


def window(disp, wid):
    return disp.create_resource_object("window", int(wid, 0))


def visible_mask(win, width, height):
    """One byte per pixel: 1 inside the bounding shape. Fails on rectangles outside the window."""
    mask = bytearray(width * height)
    for r in win.shape_get_rectangles(shape.SK.Bounding).rectangles:
        if r.x < 0 or r.y < 0 or r.x + r.width > width or r.y + r.height > height:
            raise SystemExit(f"FAILED: shape rectangle {r.x},{r.y} {r.width}x{r.height} "
                             f"lies outside the {width}x{height} window")
        row = b"\x01" * r.width
        for y in range(r.y, r.y + r.height):
            mask[y * width + r.x:y * width + r.x + r.width] = row
    return mask


def picture(win, width, height):
    """The window's pixels as 0x00RRGGBB values (a 24-bit TrueColor server, 32 bits a pixel)."""
    data = win.get_image(0, 0, width, height, X.ZPixmap, 0xFFFFFFFF).data
    return memoryview(data).cast("I")


def aqua_mask(pixels):
    return bytearray(1 if (v & 0xFFFFFF) == AQUA else 0 for v in pixels)


def box(indices, width):
    xs = [i % width for i in indices]
    ys = [i // width for i in indices]
    return f"x {min(xs)}-{max(xs)}, y {min(ys)}-{max(ys)}"


def write_ppm(path, pixels, width, height):
    out = bytearray()
    for v in pixels:
        out += bytes(((v >> 16) & 255, (v >> 8) & 255, v & 255))
    with open(path, "wb") as f:
        f.write(b"P6\n%d %d\n255\n" % (width, height) + out)


def check(disp, win, width, height, ppm):
    geometry = win.get_geometry()
    if (geometry.width, geometry.height) != (width, height):
        raise SystemExit(f"FAILED: the window is {geometry.width}x{geometry.height}, "
                         f"expected {width}x{height}")
    if not win.shape_query_extents().bounding_shaped:
        raise SystemExit("FAILED: the window has no shape")
    holes = bytearray(1 - v for v in visible_mask(win, width, height))
    # Off with the shape: the X server asks the program to show the uncovered
    # pixels, which it does from what it painted. Wait until they have arrived.
    win.shape_mask(shape.SO.Set, shape.SK.Bounding, 0, 0, X.NONE)
    disp.sync()
    deadline = time.monotonic() + 5
    while True:
        pixels = picture(win, width, height)
        aqua = aqua_mask(pixels)
        if aqua == holes or time.monotonic() > deadline:
            break
        time.sleep(0.05)
    if ppm:
        write_ppm(ppm, pixels, width, height)
    solid_aqua = [i for i in range(width * height) if aqua[i] and not holes[i]]
    stray = [i for i in range(width * height) if holes[i] and not aqua[i]]
    count = sum(holes)
    if solid_aqua or stray:
        report = [f"FAILED: {count} holes, {sum(aqua)} aqua pixels"]
        if solid_aqua:
            report.append(f"{len(solid_aqua)} aqua pixels are not holes ({box(solid_aqua, width)})")
        if stray:
            report.append(f"{len(stray)} holes are not aqua ({box(stray, width)})")
        raise SystemExit("; ".join(report))
    print(count)


def main(argv):
    disp = display.Display()
    if not disp.has_extension("SHAPE"):
        raise SystemExit("FAILED: the X server has no shape extension")
    win = window(disp, argv[2])
    if argv[1] == "shaped":
        return 0 if win.shape_query_extents().bounding_shaped else 1
    if argv[1] == "check":
        check(disp, win, int(argv[3]), int(argv[4]), argv[5] if len(argv) > 5 else None)
        return 0
    raise SystemExit(__doc__)


if __name__ == "__main__":
    sys.exit(main(sys.argv))
