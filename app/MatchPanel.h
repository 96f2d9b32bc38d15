#pragma once

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace varnel {

// picMatch: the panel a stuck Dragon game shows, with its three ways on.
class MatchPanel : public QFrame {
    Q_OBJECT
public:
    explicit MatchPanel(QWidget* parent = nullptr);

    QLabel* lblTitle;
    QPushButton* cmdMatchNew;
    QPushButton* cmdMatchShuffle;
    QPushButton* cmdMatchQuit;

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool dressed_ = false;
};

}  // namespace varnel
