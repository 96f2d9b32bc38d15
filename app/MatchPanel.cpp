#include "MatchPanel.h"

namespace varnel {
namespace {

// The panel's face is rounded and bold; where that face is missing, a bold sans stands in.
QFont PanelFont(qreal pointSize, bool bold) {
    QFont font(QStringLiteral("Arial Rounded MT Bold"));
    font.setPointSizeF(pointSize);
    font.setStyleHint(QFont::SansSerif);
    font.setFamilies({QStringLiteral("Arial Rounded MT Bold"), QStringLiteral("DejaVu Sans")});
    font.setBold(bold);
    return font;
}

// The title is 18 point; a stand-in face wider than the rounded one steps down by half points,
// only as far as the whole title needs to fit on the panel.
QFont TitleFont(const QString& title, QSize room) {
    for (qreal size = 18; size > 8; size -= 0.5) {
        const QFont font = PanelFont(size, true);
        const QFontMetricsF metrics(font);
        if (metrics.horizontalAdvance(title) <= room.width() && metrics.height() <= room.height())
            return font;
    }
    return PanelFont(8, true);
}

}  // namespace

MatchPanel::MatchPanel(QWidget* parent)
    : QFrame(parent),
      lblTitle(new QLabel(QStringLiteral("0 Matching Tiles Remaining"), this)),
      cmdMatchNew(new QPushButton(QStringLiteral("New Game"), this)),
      cmdMatchShuffle(new QPushButton(QStringLiteral("Shuffle"), this)),
      cmdMatchQuit(new QPushButton(QStringLiteral("Quit"), this)) {
    // Laid out at 96 dots per inch: 15 twips to the pixel.
    setGeometry(224, 200, 361, 105);
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);

    lblTitle->setGeometry(0, 0, 361, 33);
    lblTitle->setAlignment(Qt::AlignCenter);
    lblTitle->setAutoFillBackground(true);

    const int lefts[] = {16, 128, 240};
    QPushButton* buttons[] = {cmdMatchNew, cmdMatchShuffle, cmdMatchQuit};
    for (int i = 0; i < 3; ++i) {
        buttons[i]->setGeometry(lefts[i], 48, 105, 41);
        buttons[i]->setFont(PanelFont(12, true));
    }
    hide();
}

void MatchPanel::showEvent(QShowEvent* event) {
    // The panel's colours (style sheets) and its title's fitting (the panel's face loaded at
    // several sizes) are set up when the panel is first shown rather than at every start.
    if (!dressed_) {
        dressed_ = true;
        setStyleSheet(QStringLiteral(
            "varnel--MatchPanel { background: #c0c0c0; border: 1px solid #404040; }"));
        lblTitle->setStyleSheet(QStringLiteral("color: #00ffff; background: #0000ff;"));
        lblTitle->setFont(TitleFont(lblTitle->text(), lblTitle->size()));
    }
    QFrame::showEvent(event);
}

}  // namespace varnel
