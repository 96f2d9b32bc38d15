#pragma once

#include <QDialog>
#include <QPixmap>

class QFrame;
class QLabel;
class QPushButton;

namespace varnel {

// The about window: the program's icon, name and version, legal notice and contact lines,
// and one button back to the game. Show it with exec(): it is modal, so the game takes no
// input while it is open, and closing it leaves the game exactly as it was. It centres
// itself on the screen (the screen of its parent when it has one), not on the game window.
class frmAboutBox : public QDialog {
    Q_OBJECT

  public:
    // The caller hands in the program's icon, so this window needs no resources of its own.
    explicit frmAboutBox(const QPixmap& icon, QWidget* parent = nullptr);

  public slots:
    void cmdCancel_Click();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void Form_Load();
    void CentreOnScreen();

    QLabel* imgIcon_;
    QLabel* lblProgram_;
    QLabel* lblCopyright_;
    QFrame* linDivider_;
    QLabel* lblWeb_;
    QLabel* lblEmail_;
    QPushButton* cmdCancel_;
};

}  // namespace varnel
