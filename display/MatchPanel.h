#pragma once

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace varnel {

// The panel a stuck Dragon game shows, "0 Matching Tiles Remaining", with its three ways on.
// Its buttons are named "new", "shuffle" and "quit".
class MatchPanel : public QFrame {
    Q_OBJECT
  public:
    explicit MatchPanel(QWidget* parent = nullptr);

  signals:
    void newGameChosen();
    void shuffleChosen();
    void quitChosen();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QLabel* title_;
    QPushButton* newGame_;
    QPushButton* shuffle_;
    QPushButton* quit_;
    bool dressed_ = false;
};

}  // namespace varnel
