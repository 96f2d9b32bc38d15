#pragma once

#include <QAccessibleWidget>

namespace varnel {

// What screen readers see of the board. The board widget is a canvas named "Board", whose
// description follows play (see BoardWidget::setDescription), with the labels that lie on it as
// its children; the frames drawn over the tiles are pictures only and stay out of the tree.
class BoardAccessible : public QAccessibleWidget {
  public:
    explicit BoardAccessible(QWidget* board);

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

  private:
    QList<QWidget*> spokenChildren() const;
};

// A container whose hidden children are not in the tree at all (the end-of-game panel while it
// is hidden), rather than listed as invisible.
class ShownChildrenAccessible : public QAccessibleWidget {
  public:
    explicit ShownChildrenAccessible(QWidget* container);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

  private:
    QList<QWidget*> shownChildren() const;
};

// Marks a container whose hidden children screen readers should not see.
void showOnlyShownChildren(QWidget* container);

// Lets Qt make the interfaces above for the board and the marked containers. Called before the
// board is made; calling it again does nothing.
void installBoardAccessibility();

}  // namespace varnel
