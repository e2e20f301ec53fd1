"""Small symbols (action icons, empty equipment slots), drawn on a 16 x 16 unit grid."""
from artlib import supersampled


def _sword(d, p, w, col, line):
    d.polygon([p(8, 1), p(9.6, 3), p(9.6, 10.5), p(6.4, 10.5), p(6.4, 3)], fill=col, outline=line)
    d.rectangle([*p(3.5, 10.5), *p(12.5, 12)], fill=col, outline=line)
    d.rectangle([*p(7.2, 12), *p(8.8, 15)], fill=line)


def _crossed_swords(d, p, w, col, line):
    for (ax, ay), (bx, by), guard in (((2, 14), (14, 2), ((1.5, 10), (6, 14.5))),
                                      ((14, 14), (2, 2), ((14.5, 10), (10, 14.5)))):
        d.line([p(ax, ay), p(bx, by)], fill=line, width=w(3.4))
        d.line([p(ax, ay), p(bx, by)], fill=col, width=w(1.8))
        d.line([p(*guard[0]), p(*guard[1])], fill=line, width=w(2))


def _magnifier(d, p, w, col, line):
    d.line([p(10, 10), p(15, 15)], fill=line, width=w(3.4))
    d.ellipse([*p(1.5, 1.5), *p(11.5, 11.5)], outline=line, width=w(2.6))
    d.ellipse([*p(2.8, 2.8), *p(10.2, 10.2)], fill=(120, 170, 200, 255))
    d.ellipse([*p(1.5, 1.5), *p(11.5, 11.5)], outline=col, width=w(1.4))


def _coins(d, p, w, col, line):
    for ox, oy in ((0, 4), (5, 1)):
        d.ellipse([*p(1 + ox, 3 + oy), *p(11 + ox, 13 + oy)], fill=col, outline=line,
                  width=w(1))
        d.ellipse([*p(3.5 + ox, 5.5 + oy), *p(8.5 + ox, 10.5 + oy)], outline=line,
                  width=w(0.7))


def _speech(d, p, w, col, line):
    d.rounded_rectangle([*p(1, 2), *p(15, 11)], radius=w(3), fill=col, outline=line,
                        width=w(1))
    d.polygon([p(4, 10.5), p(8, 10.5), p(3, 15)], fill=col, outline=line)
    d.line([p(4.3, 10.6), p(7.7, 10.6)], fill=col, width=w(1.2))
    for x in (5, 8, 11):
        d.ellipse([*p(x - 0.9, 5.6), *p(x + 0.9, 7.4)], fill=line)


def _hand(d, p, w, col, line):
    # An open sack with an arrow pointing into it.
    d.polygon([p(3, 8), p(13, 8), p(15, 15), p(1, 15)], fill=col, outline=line)
    d.line([p(3, 8), p(13, 8)], fill=line, width=w(1.2))
    d.polygon([p(8, 9.5), p(4.5, 5.5), p(6.8, 5.5), p(6.8, 1), p(9.2, 1), p(9.2, 5.5), p(11.5, 5.5)],
              fill=(240, 232, 200, 255), outline=line)


def _helmet(d, p, w, col, line):
    d.chord([*p(2, 2), *p(14, 16)], 180, 360, fill=col, outline=line)
    d.rectangle([*p(2, 9), *p(14, 11)], fill=col, outline=line)
    d.rectangle([*p(7, 9), *p(9, 14)], fill=col, outline=line)


def _necklace(d, p, w, col, line):
    d.arc([*p(2, -4), *p(14, 10)], 0, 180, fill=col, width=w(1.2))
    d.polygon([p(8, 9), p(10.5, 12), p(8, 15), p(5.5, 12)], fill=col, outline=line)


def _armor(d, p, w, col, line):
    d.polygon([p(4, 1), p(6.5, 2.5), p(9.5, 2.5), p(12, 1), p(15, 4), p(13, 7), p(12, 6),
               p(12, 15), p(4, 15), p(4, 6), p(3, 7), p(1, 4)], fill=col, outline=line)


def _boots(d, p, w, col, line):
    d.polygon([p(3, 1), p(8, 1), p(8, 10), p(14, 11), p(15, 15), p(3, 15)], fill=col, outline=line)


def _ring(d, p, w, col, line):
    d.ellipse([*p(3, 5), *p(13, 15)], outline=col, width=w(2))
    d.polygon([p(8, 1), p(10.5, 4), p(8, 6.5), p(5.5, 4)], fill=col, outline=line)


def _shield(d, p, w, col, line):
    d.polygon([p(2, 2), p(14, 2), p(14, 8), p(8, 15), p(2, 8)], fill=col, outline=line)
    d.line([p(8, 3), p(8, 13)], fill=line)


def _skull(d, p, w, col, line):
    d.ellipse([*p(2, 1), *p(14, 12)], fill=col, outline=line)
    d.rectangle([*p(5, 10), *p(11, 15)], fill=col, outline=line)
    for x in (5.5, 10.5):
        d.ellipse([*p(x - 1.8, 5), *p(x + 1.8, 8.6)], fill=line)
    d.polygon([p(8, 8.6), p(7, 10.6), p(9, 10.6)], fill=line)


GLYPHS = {
    "sword": _sword, "swords": _crossed_swords, "magnifier": _magnifier, "coins": _coins,
    "speech": _speech, "pickup": _hand, "helmet": _helmet, "necklace": _necklace,
    "armor": _armor, "boots": _boots, "ring": _ring, "shield": _shield, "skull": _skull,
}


def glyph(name, size, colour, line=(20, 14, 10)):
    """RGBA image of the symbol scaled to size x size pixels."""
    colour = tuple(colour) + (255,) if len(colour) == 3 else colour
    line = tuple(line) + (255,) if len(line) == 3 else line

    def paint(d, k):
        unit = size * k / 16.0
        GLYPHS[name](d, lambda x, y: (x * unit, y * unit), lambda n: max(1, int(n * unit)),
                     colour, line)

    return supersampled((size, size), paint)


def glyph_paste(img, name, xy, size, colour, line=(20, 14, 10)):
    img.alpha_composite(glyph(name, size, colour, line), xy)
