#pragma once

#include <QPainterPath>
#include <QPointF>
#include <QRawFont>
#include <QString>
#include <array>
#include <string>

namespace varnel::art {

enum class Typeface { Sans, SansBold, SerifBold };

// The DejaVu faces, read straight from their files so that no font matching can swap in
// another face. While one of these objects lives, the text functions below use it.
class Typefaces {
  public:
    Typefaces();
    ~Typefaces();
    Typefaces(const Typefaces&) = delete;
    Typefaces& operator=(const Typefaces&) = delete;

    // Empty when every face loaded; otherwise says which file is missing.
    const std::string& error() const { return error_; }

    const QRawFont& Face(Typeface face) const { return fonts_[static_cast<std::size_t>(face)]; }

  private:
    std::array<QRawFont, 3> fonts_;
    std::string error_;
};

// The font files the faces are read from.
const std::array<const char*, 3>& typefaceFiles();

// Outline of a line of text with capitals capHeight tall, baseline at y = 0, starting at x = 0.
QPainterPath textOutline(Typeface face, const QString& text, qreal capHeight);

// The same, moved so that the ink is centred across and the capitals are centred up and down
// on the point: a letter with a tail (Q, J) keeps the same size and line as the others.
QPainterPath centredText(Typeface face, const QString& text, QPointF centre, qreal capHeight);

}  // namespace varnel::art
