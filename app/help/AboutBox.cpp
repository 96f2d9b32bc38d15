#include "AboutBox.h"

#include <QColor>
#include <QFont>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

#include "AppInfo.h"

namespace varnel {

namespace {

constexpr int LargestIconSide = 64;

// The rounded face the window was drawn for is rarely installed on Linux; the next family
// that exists takes its place, and Qt's own default if none does.
QFont AboutFont(int pointSize, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("Arial Rounded MT Bold"), QStringLiteral("DejaVu Sans")});
    font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}

QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, const QFont& font) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    return label;
}

}  // namespace

frmAboutBox::frmAboutBox(const QPixmap& icon, QWidget* parent)
    : QDialog(parent),
      imgIcon_(new QLabel(this)),
      lblProgram_(AddLabel(this, "lblProgram", QString(), AboutFont(16, true))),
      lblCopyright_(AddLabel(this, "lblCopyright", QString(), AboutFont(9, false))),
      linDivider_(new QFrame(this)),
      lblWeb_(AddLabel(this, "lblWeb", QString::fromUtf8(AppWebLine), AboutFont(10, false))),
      lblEmail_(AddLabel(this, "lblEmail", QString::fromUtf8(AppEmailLine), AboutFont(10, false))),
      cmdCancel_(new QPushButton(tr("Return to Game"), this)) {
    setObjectName(QStringLiteral("frmAboutBox"));
    setWindowTitle(QString::fromUtf8(AppTitle));
    setModal(true);

    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0, 192, 192));
    colours.setColor(QPalette::WindowText, QColor(0, 40, 48));
    setPalette(colours);
    setAutoFillBackground(true);

    imgIcon_->setObjectName(QStringLiteral("imgIcon"));
    QPixmap shown = icon;
    if (shown.width() > LargestIconSide || shown.height() > LargestIconSide) {
        shown = shown.scaled(LargestIconSide, LargestIconSide, Qt::KeepAspectRatio,
                             Qt::SmoothTransformation);
    }
    imgIcon_->setPixmap(shown);
    imgIcon_->setAlignment(Qt::AlignCenter);

    linDivider_->setObjectName(QStringLiteral("linDivider"));
    linDivider_->setFrameShape(QFrame::HLine);
    linDivider_->setFrameShadow(QFrame::Sunken);

    // Players may want to copy an address.
    lblWeb_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblEmail_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel_->setFont(AboutFont(10, true));
    cmdCancel_->setDefault(true);
    cmdCancel_->setMinimumWidth(140);
    connect(cmdCancel_, &QPushButton::clicked, this, &frmAboutBox::cmdCancel_Click);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(20, 18, 20, 16);
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(6);
    grid->addWidget(imgIcon_, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(lblProgram_, 0, 1);
    grid->addWidget(lblCopyright_, 1, 1);
    grid->addItem(new QSpacerItem(0, 6), 2, 0, 1, 2);
    grid->addWidget(linDivider_, 3, 0, 1, 2);
    grid->addItem(new QSpacerItem(0, 6), 4, 0, 1, 2);
    grid->addWidget(lblWeb_, 5, 1);
    grid->addWidget(lblEmail_, 6, 1);
    auto* buttons = new QHBoxLayout();
    buttons->addStretch();
    buttons->addWidget(cmdCancel_);
    grid->addItem(new QSpacerItem(0, 10), 7, 0, 1, 2);
    grid->addLayout(buttons, 8, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    Form_Load();
}

void frmAboutBox::Form_Load() {
    lblProgram_->setText(ProgramNameAndVersion());
    lblCopyright_->setText(QString::fromUtf8(AppLegalCopyright));
    // The window's size is settled by its layout before it is placed.
    adjustSize();
    CentreOnScreen();
}

void frmAboutBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The frame round the window may only be known now; centre the whole window with it.
    CentreOnScreen();
}

void frmAboutBox::CentreOnScreen() {
    const QWidget* owner = parentWidget();
    const QScreen* screen = owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->geometry();
    const QSize size = frameGeometry().size();
    move(area.x() + (area.width() - size.width()) / 2,
         area.y() + (area.height() - size.height()) / 2);
}

void frmAboutBox::cmdCancel_Click() {
    accept();
}

}  // namespace varnel
