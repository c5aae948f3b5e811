#pragma once
// Laying out and drawing the credits text into the scroller's text bitmap.
// Everything is drawn with transparent text backgrounds over a bitmap filled
// with the key colour, so whatever differs from that colour is text.

#include <QImage>
#include <QPainter>
#include <QSize>
#include <QString>

#include "about/credit_sections.h"

namespace zhcalc::about {

// x + (w - textWidth) / 2 with the half rounded to nearest, ties to even: a
// difference of 5 puts the text 2 pixels in, a difference of 7 puts it 4 in.
int centredTextLeft(int x, int width, int textWidth);

// The section's size, measured once and kept in the section until it changes.
QSize measureSection(CreditSection& section);

// One line centred in [x, x + width) at row y, with its effect: a white and a
// black copy offset by two pixels, then the text itself one pixel in between.
void drawCreditLine(QPainter& painter, const CreditFont& font, int x, int y, int width,
                    CreditTextEffect effect, const QString& text);

// The header across `width` at row y, then the body in its columns below it.
void drawSection(QPainter& painter, const CreditSection& section, int y, int width);

// The whole collection drawn into a new bitmap, as wide as the widest section
// and 10 rows taller than the sections with their spacing, filled with `key`
// behind the text. Records the drawn width and height in the collection.
QImage buildTextBitmap(CreditSections& sections, QColor key);

}  // namespace zhcalc::about
