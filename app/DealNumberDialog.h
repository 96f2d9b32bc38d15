#pragma once

#include <QDialog>
#include <QSpinBox>
#include <optional>

namespace varnel {

// "Play Deal Number": asks for the number of a deal to play in the current layout. The number
// field has the focus and Enter deals it.
class DealNumberDialog : public QDialog {
    Q_OBJECT
  public:
    DealNumberDialog(uint32_t current, uint32_t last, QWidget* parent);
    // The number chosen, or none when the player cancelled.
    static std::optional<uint32_t> ask(uint32_t current, uint32_t last, QWidget* parent);

  private:
    QSpinBox* number_;
};

}  // namespace varnel
