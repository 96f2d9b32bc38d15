// The alphabet set: the capitals A to Z, then the digits 0 to 9 on round-cornered badges, so
// that a digit is never taken for the letter it resembles (0 and O, 1 and I, 5 and S, 8 and B).
#include <QString>

#include "art/Ink.h"
#include "art/TileSets.h"
#include "art/Typefaces.h"

namespace varnel::art {
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
const QColor& letterColour(int letter) {
    static const QColor* const kCycle[3] = {&kLetterBlue, &kLetterOrange, &kLetterBlack};
    return *kCycle[letter % 3];
}

void paintLetter(QPainter& p, int letter) {
    const QString text(QChar(u'A' + letter));
    QPainterPath glyph = centredText(Typeface::SerifBold, text, kCentre, 27);
    // Wide letters (M, W) are narrowed to keep clear of the tile's edges.
    const qreal width = glyph.boundingRect().width();
    if (width > kWidest) glyph = scaled(glyph, glyph.boundingRect().center(), kWidest / width, 1.0);
    fill(p, glyph.translated(-1.1, 1.1), kShadow);
    inkShape(p, glyph, letterColour(letter), 0.7);
}

// Digits are drawn hollow in a plain face: an outline in colour round a pale inside, never to be
// read as the solid letters, and coloured so that look-alike digits (0 6 8 9, 3 5 8, 1 7) differ.
void paintDigit(QPainter& p, int digit) {
    static const QColor* const kColours[10] = {
        &kLetterBlue,  &kLetterOrange, &kLetterBlack, &kLetterOrange, &kLetterBlue,
        &kLetterBlack, &kLetterOrange, &kLetterBlue,  &kLetterBlack,  &kLetterBlue};
    const QColor& colour = *kColours[digit];
    const QPainterPath glyph = centredText(Typeface::SansBold, QString::number(digit), kCentre, 27);
    fill(p, glyph.translated(-1.1, 1.1), kShadow);
    stroke(p, glyph, kLine, 4.4);
    stroke(p, glyph, colour, 2.6);
    const QColor pale((colour.red() + 3 * 255) / 4, (colour.green() + 3 * 255) / 4,
                      (colour.blue() + 3 * 255) / 4);
    fill(p, glyph, pale);
}

}  // namespace

void paintAlphabetFace(QPainter& p, int face) {
    if (face < 26)
        paintLetter(p, face);
    else
        paintDigit(p, face - 26);
}

}  // namespace varnel::art
