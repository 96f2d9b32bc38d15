// The alphabet set: the capitals A to Z, then the digits 0 to 9 on round-cornered badges, so
// that a digit is never taken for the letter it resembles (0 and O, 1 and I, 5 and S, 8 and B).
#include <QString>

#include "Ink.h"
#include "TileSets.h"
#include "Typefaces.h"

namespace varnel::artgen {
namespace {

using namespace ink;

constexpr QPointF kCentre{19.5, 25.0};
constexpr qreal kWidest = 31.0;
const QColor kLetterBlue{26, 60, 150};
const QColor kLetterOrange{222, 100, 10};
const QColor kLetterBlack{34, 30, 34};
const QColor kShadow{200, 186, 150};

// Letters that look alike (E F, C G O Q, M N, P R B, U V, I J) get different colours, and the
// three colours differ in lightness as well, so that the difference survives colour blindness.
const QColor& LetterColour(int letter) {
    static const QColor* const kCycle[3] = {&kLetterBlue, &kLetterOrange, &kLetterBlack};
    return *kCycle[letter % 3];
}

void PaintLetter(QPainter& p, int letter) {
    const QString text(QChar(u'A' + letter));
    QPainterPath glyph = CentredText(Typeface::SerifBold, text, kCentre, 27);
    // Wide letters (M, W) are narrowed to keep clear of the tile's edges.
    const qreal width = glyph.boundingRect().width();
    if (width > kWidest) glyph = Scaled(glyph, glyph.boundingRect().center(), kWidest / width, 1.0);
    Fill(p, glyph.translated(-1.1, 1.1), kShadow);
    Shape(p, glyph, LetterColour(letter), 0.7);
}

void PaintDigit(QPainter& p, int digit) {
    const bool dark = digit % 2 == 0;
    const QColor badge = dark ? kLetterBlue : kLetterOrange;
    const QColor figure = dark ? kWhite : kLetterBlack;
    Fill(p, Rect(QRectF(5.2, 8.2, 30, 36), 6).translated(-1.1, 1.1), kShadow);
    Shape(p, Rect(QRectF(5.2, 8.2, 30, 36), 6), badge, 0.8);
    Stroke(p, Rect(QRectF(7.4, 10.4, 25.6, 31.6), 4.4), figure, 0.7);
    Shape(p, CentredText(Typeface::SansBold, QString::number(digit), {20.2, 26.2}, 22), figure,
          0.0);
}

}  // namespace

void PaintAlphabetFace(QPainter& p, int face) {
    if (face < 26)
        PaintLetter(p, face);
    else
        PaintDigit(p, face - 26);
}

}  // namespace varnel::artgen
