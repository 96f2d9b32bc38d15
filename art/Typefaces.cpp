#include "art/Typefaces.h"

#include <QTransform>
#include <stdexcept>

namespace varnel::art {
namespace {

// The design size the outlines are taken at; they are scaled from there without hinting.
constexpr qreal kDesignSize = 100.0;

constexpr std::array<const char*, 3> kFiles = {
    "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
    "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
    "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf",
};

const Typefaces* installed = nullptr;

qreal capHeightOf(const QRawFont& font) {
    const auto glyphs = font.glyphIndexesForString(QStringLiteral("H"));
    return font.pathForGlyph(glyphs.value(0)).boundingRect().height();
}

}  // namespace

const std::array<const char*, 3>& typefaceFiles() {
    return kFiles;
}

Typefaces::Typefaces() {
    for (std::size_t i = 0; i < fonts_.size(); ++i) {
        fonts_[i] = QRawFont(QString::fromUtf8(kFiles[i]), kDesignSize, QFont::PreferNoHinting);
        if (!fonts_[i].isValid() && error_.empty())
            error_ = std::string("cannot load the font ") + kFiles[i] +
                     " (Debian package fonts-dejavu-core)";
    }
    installed = this;
}

Typefaces::~Typefaces() {
    if (installed == this) installed = nullptr;
}

QPainterPath textOutline(Typeface face, const QString& text, qreal capHeight) {
    if (installed == nullptr) throw std::logic_error("text drawn before the fonts were loaded");
    const QRawFont& font = installed->Face(face);
    const auto glyphs = font.glyphIndexesForString(text);
    const auto advances = font.advancesForGlyphIndexes(glyphs);
    QPainterPath path;
    qreal x = 0;
    for (int i = 0; i < glyphs.size(); ++i) {
        path.addPath(font.pathForGlyph(glyphs[i]).translated(x, 0));
        x += advances.value(i).x();
    }
    const qreal scale = capHeight / capHeightOf(font);
    return QTransform::fromScale(scale, scale).map(path);
}

QPainterPath centredText(Typeface face, const QString& text, QPointF centre, qreal capHeight) {
    const QPainterPath path = textOutline(face, text, capHeight);
    const QRectF ink = path.boundingRect();
    return path.translated(centre.x() - ink.center().x(), centre.y() + capHeight / 2);
}

}  // namespace varnel::art
