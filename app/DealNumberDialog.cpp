#include "app/DealNumberDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>

#include "display/DialogWindow.h"

namespace varnel {

DealNumberDialog::DealNumberDialog(uint32_t current, uint32_t last, QWidget* parent)
    : QDialog(parent), number_(new QSpinBox(this)) {
    makeGameDialog(this, parent);
    setWindowTitle(QStringLiteral("Play Deal Number"));
    number_->setObjectName(QStringLiteral("dealNumber"));
    number_->setRange(1, static_cast<int>(last));
    number_->setValue(static_cast<int>(current));
    number_->setGroupSeparatorShown(false);
    number_->selectAll();
    auto* text = new QLabel(QStringLiteral("The same number deals the same game in the same layout, "
                                           "in every version of the game.\nDeal &number (1 to %1):")
                                .arg(last),
                            this);
    text->setBuddy(number_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&Deal"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QFormLayout(this);
    layout->addRow(text);
    layout->addRow(number_);
    layout->addRow(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    number_->setFocus();
}

std::optional<uint32_t> DealNumberDialog::ask(uint32_t current, uint32_t last, QWidget* parent) {
    DealNumberDialog dialog(current, last, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return static_cast<uint32_t>(dialog.number_->value());
}

}  // namespace varnel
