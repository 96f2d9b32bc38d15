#pragma once

#include <QDialog>
#include <QPixmap>

class QFrame;
class QLabel;
class QPushButton;

namespace varnel {

// The about window: the program's icon, name and version, legal notice and contact lines,
// and one button back to the game. Show it with exec(): it is modal, so the game takes no
// input while it is open, and closing it leaves the game exactly as it was. It is a child of the
// game window with a close button and no other, its size fixed by its contents, and it centres
// itself on the game window's screen, not on the game window.
class AboutBox : public QDialog {
    Q_OBJECT

  public:
    // The caller hands in the program's icon, so this window needs no resources of its own.
    explicit AboutBox(const QPixmap& icon, QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void centreOnScreen();

    QLabel* icon_;
    QLabel* program_;
    QLabel* copyright_;
    QFrame* divider_;
    QLabel* web_;
    QLabel* email_;
    QPushButton* returnToGame_;
};

}  // namespace varnel
