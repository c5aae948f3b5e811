#!/usr/bin/env python3
"""Draws the controls' small pictures as XPM files (run from this folder).

The switch lamps and default switch pictures keep their lower-left pixel in the
background colour, which the switch replaces by its own colour when drawing.
"""
import math

def write_xpm(path, name, pixels):
    height, width = len(pixels), len(pixels[0])
    colours = sorted({c for row in pixels for c in row})
    symbols = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"
    codes = {}
    for i, c in enumerate(colours):
        codes[c] = symbols[i // len(symbols)] + symbols[i % len(symbols)]
    with open(path, "w") as f:
        f.write("/* XPM */\nstatic const char *%s[] = {\n" % name)
        f.write('"%d %d %d 2",\n' % (width, height, len(colours)))
        for c in colours:
            f.write('"%s c #%02X%02X%02X",\n' % (codes[c], *c))
        for y, row in enumerate(pixels):
            end = ",\n" if y + 1 < height else "\n"
            f.write('"' + "".join(codes[c] for c in row) + '"' + end)
        f.write("};\n")

def blank(w, h, c):
    return [[c] * w for _ in range(h)]

def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))

KEY = (255, 0, 255)

def lamp(on):
    img = blank(16, 16, KEY)
    cx = cy = 7.5
    for y in range(16):
        for x in range(16):
            d = math.hypot(x - cx, y - cy)
            # highlight towards the upper left
            h = max(0.0, 1.0 - math.hypot(x - 5.5, y - 5.0) / 4.0)
            if on:
                if d <= 5.2:
                    img[y][x] = mix((0, 210, 0), (230, 255, 230), h)
                elif d <= 6.2:
                    img[y][x] = (0, 150, 0)
                elif d <= 7.6:
                    img[y][x] = (224, 240, 224) if y < 8 else (176, 196, 176)
            else:
                if d <= 5.2:
                    img[y][x] = mix((0, 72, 0), (0, 128, 0), h)
                elif d <= 6.6:
                    img[y][x] = (0, 40, 0)
    return img

def switch(on):
    w, h = 32, 48
    img = blank(w, h, (128, 128, 0))
    plate_light, plate, plate_dark = (255, 255, 255), (192, 192, 192), (96, 96, 96)
    for y in range(3, 45):
        for x in range(5, 27):
            c = plate
            if x == 5 or y == 3:
                c = plate_light
            elif x == 26 or y == 44:
                c = plate_dark
            img[y][x] = c
    # the bushing the lever comes out of
    for y in range(16, 32):
        for x in range(8, 24):
            d = math.hypot(x - 15.5, y - 23.5)
            if d <= 6.5:
                img[y][x] = (64, 64, 64) if d > 5.0 else (32, 32, 32)
    # the lever, pointing up when on and down when off, with a knob at its end
    ys = range(7, 24) if on else range(24, 41)
    for y in ys:
        for x in range(13, 19):
            img[y][x] = mix((240, 240, 240), (128, 128, 128), (x - 13) / 5.0)
    knob_y = 8 if on else 39
    for y in range(knob_y - 3, knob_y + 4):
        for x in range(10, 22):
            if math.hypot((x - 15.5) / 1.8, y - knob_y) <= 3.2:
                img[y][x] = mix((255, 255, 255), (112, 112, 112), (x - 10) / 11.0)
    # a small state mark: green when on, red when off
    mark = (0, 192, 0) if on else (192, 0, 0)
    for y in range(40 if on else 5, 43 if on else 8):
        for x in range(14, 18):
            img[y][x] = mark
    return img

def tricolour():
    w, h = 35, 22
    stripes = [(255, 255, 255), (0, 57, 166), (213, 43, 30)]
    img = blank(w, h, (0, 0, 0))
    for y in range(h):
        base = stripes[min(2, y * 3 // h)]
        for x in range(w):
            # a gentle ripple across the flag, lighter on the crests
            wave = math.sin((x + 0.35 * y) / w * 2.4 * math.pi)
            shade = 0.80 + 0.20 * wave
            img[y][x] = tuple(min(255, int(round(c * shade + 18 * max(0.0, wave)))) for c in base)
    # a thin dark edge keeps the white stripe visible on light taskbars
    for x in range(w):
        img[0][x] = mix(img[0][x], (64, 64, 64), 0.5)
        img[h - 1][x] = mix(img[h - 1][x], (64, 64, 64), 0.5)
    for y in range(h):
        img[y][0] = mix(img[y][0], (64, 64, 64), 0.5)
        img[y][w - 1] = mix(img[y][w - 1], (64, 64, 64), 0.5)
    return img

write_xpm("lamp_off.xpm", "lamp_off", lamp(False))
write_xpm("lamp_on.xpm", "lamp_on", lamp(True))
write_xpm("switch_off.xpm", "switch_off", switch(False))
write_xpm("switch_on.xpm", "switch_on", switch(True))
write_xpm("tray_tricolour.xpm", "tray_tricolour", tricolour())
