#include "display/MatchPanel.h"

namespace varnel {
namespace {

// The panel's face is rounded and bold; where that face is missing, a bold sans stands in.
QFont panelFont(qreal pointSize, bool bold) {
    QFont font(QStringLiteral("Arial Rounded MT Bold"));
    font.setPointSizeF(pointSize);
    font.setStyleHint(QFont::SansSerif);
    font.setFamilies({QStringLiteral("Arial Rounded MT Bold"), QStringLiteral("DejaVu Sans")});
    font.setBold(bold);
    return font;
}

// The title is 18 point; a stand-in face wider than the rounded one steps down by half points,
// only as far as the whole title needs to fit on the panel.
QFont titleFont(const QString& title, QSize room) {
    for (qreal size = 18; size > 8; size -= 0.5) {
        const QFont font = panelFont(size, true);
        const QFontMetricsF metrics(font);
        if (metrics.horizontalAdvance(title) <= room.width() && metrics.height() <= room.height())
            return font;
    }
    return panelFont(8, true);
}

}  // namespace

MatchPanel::MatchPanel(QWidget* parent)
    : QFrame(parent),
      title_(new QLabel(QStringLiteral("0 Matching Tiles Remaining"), this)),
      newGame_(new QPushButton(QStringLiteral("New Game"), this)),
      shuffle_(new QPushButton(QStringLiteral("Shuffle"), this)),
      quit_(new QPushButton(QStringLiteral("Quit"), this)) {
    // Laid out at 96 dots per inch: 15 twips to the pixel.
    setGeometry(224, 200, 361, 105);
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);

    title_->setGeometry(0, 0, 361, 33);
    title_->setAlignment(Qt::AlignCenter);
    title_->setAutoFillBackground(true);

    const int lefts[] = {16, 128, 240};
    QPushButton* buttons[] = {newGame_, shuffle_, quit_};
    for (int i = 0; i < 3; ++i) {
        buttons[i]->setGeometry(lefts[i], 48, 105, 41);
        buttons[i]->setFont(panelFont(12, true));
    }
    newGame_->setObjectName(QStringLiteral("new"));
    shuffle_->setObjectName(QStringLiteral("shuffle"));
    quit_->setObjectName(QStringLiteral("quit"));
    connect(newGame_, &QPushButton::clicked, this, &MatchPanel::newGameChosen);
    connect(shuffle_, &QPushButton::clicked, this, &MatchPanel::shuffleChosen);
    connect(quit_, &QPushButton::clicked, this, &MatchPanel::quitChosen);
    hide();
}

void MatchPanel::showEvent(QShowEvent* event) {
    // The panel's colours (style sheets) and its title's fitting (the panel's face loaded at
    // several sizes) are set up when the panel is first shown rather than at every start.
    if (!dressed_) {
        dressed_ = true;
        setStyleSheet(QStringLiteral(
            "varnel--MatchPanel { background: #c0c0c0; border: 1px solid #404040; }"));
        title_->setStyleSheet(QStringLiteral("color: #00ffff; background: #0000ff;"));
        title_->setFont(titleFont(title_->text(), title_->size()));
    }
    QFrame::showEvent(event);
}

}  // namespace varnel
