#include "app/help/AboutBox.h"

#include <QColor>
#include <QFont>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QShowEvent>

#include "app/help/AppInfo.h"
#include "display/DialogWindow.h"

namespace varnel {

namespace {

constexpr int LargestIconSide = 64;

// The rounded face the window was drawn for is rarely installed on Linux; the next family
// that exists takes its place, and Qt's own default if none does.
QFont aboutFont(int pointSize, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("Arial Rounded MT Bold"), QStringLiteral("DejaVu Sans")});
    font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}

QLabel* addLabel(QWidget* parent, const char* name, const QString& text, const QFont& font) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    return label;
}

}  // namespace

AboutBox::AboutBox(const QPixmap& icon, QWidget* parent)
    : QDialog(parent),
      icon_(new QLabel(this)),
      program_(addLabel(this, "program", QString(), aboutFont(16, true))),
      copyright_(addLabel(this, "copyright", QString(), aboutFont(9, false))),
      divider_(new QFrame(this)),
      web_(addLabel(this, "web", QString::fromUtf8(AppWebLine), aboutFont(10, false))),
      email_(addLabel(this, "email", QString::fromUtf8(AppEmailLine), aboutFont(10, false))),
      returnToGame_(new QPushButton(tr("Return to Game"), this)) {
    setObjectName(QStringLiteral("aboutBox"));
    setWindowTitle(QString::fromUtf8(AppTitle));
    makeGameDialog(this, parent);
    setModal(true);

    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0, 192, 192));
    colours.setColor(QPalette::WindowText, QColor(0, 40, 48));
    setPalette(colours);
    setAutoFillBackground(true);

    icon_->setObjectName(QStringLiteral("icon"));
    // Measured in the window's pixels: on a high-density screen the icon holds more pixels of
    // its own for the same size, and keeps them.
    QPixmap shown = icon;
    const QSizeF logical = shown.deviceIndependentSize();
    if (logical.width() > LargestIconSide || logical.height() > LargestIconSide) {
        const qreal ratio = shown.devicePixelRatio();
        shown = shown.scaled(qRound(LargestIconSide * ratio), qRound(LargestIconSide * ratio),
                             Qt::KeepAspectRatio, Qt::SmoothTransformation);
        shown.setDevicePixelRatio(ratio);
    }
    icon_->setPixmap(shown);
    icon_->setAlignment(Qt::AlignCenter);

    divider_->setObjectName(QStringLiteral("divider"));
    divider_->setFrameShape(QFrame::HLine);
    divider_->setFrameShadow(QFrame::Sunken);

    // Players may want to copy an address.
    web_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    email_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    returnToGame_->setObjectName(QStringLiteral("returnToGame"));
    returnToGame_->setFont(aboutFont(10, true));
    returnToGame_->setDefault(true);
    returnToGame_->setMinimumWidth(140);
    connect(returnToGame_, &QPushButton::clicked, this, &QDialog::accept);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(20, 18, 20, 16);
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(6);
    grid->addWidget(icon_, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(program_, 0, 1);
    grid->addWidget(copyright_, 1, 1);
    grid->addItem(new QSpacerItem(0, 6), 2, 0, 1, 2);
    grid->addWidget(divider_, 3, 0, 1, 2);
    grid->addItem(new QSpacerItem(0, 6), 4, 0, 1, 2);
    grid->addWidget(web_, 5, 1);
    grid->addWidget(email_, 6, 1);
    auto* buttons = new QHBoxLayout();
    buttons->addStretch();
    buttons->addWidget(returnToGame_);
    grid->addItem(new QSpacerItem(0, 10), 7, 0, 1, 2);
    grid->addLayout(buttons, 8, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    program_->setText(programNameAndVersion());
    copyright_->setText(QString::fromUtf8(AppLegalCopyright));
    // The window's size is settled by its layout before it is placed.
    adjustSize();
    centreOnScreen();
}

void AboutBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The frame round the window may only be known now; centre the whole window with it.
    centreOnScreen();
}

void AboutBox::centreOnScreen() { centreOnGameScreen(this, frameGeometry().size(), parentWidget()); }

}  // namespace varnel
