#include "display/BoardAccessible.h"

#include <QLabel>

#include "display/BoardWidget.h"

namespace varnel {
namespace {

constexpr char kShownChildrenOnly[] = "varnelShownChildrenOnly";

QList<QWidget*> childWidgets(const QWidget* parent) {
    return parent->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
}

int indexIn(const QList<QWidget*>& children, const QAccessibleInterface* child) {
    if (!child) return -1;
    return static_cast<int>(children.indexOf(qobject_cast<QWidget*>(child->object())));
}

QAccessibleInterface* interfaceAt(const QList<QWidget*>& children, int index) {
    if (index < 0 || index >= children.size()) return nullptr;
    return QAccessible::queryAccessibleInterface(children.at(index));
}

QAccessibleInterface* makeInterface(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String(BoardWidget::staticMetaObject.className()))
        return new BoardAccessible(widget);
    if (object->property(kShownChildrenOnly).toBool()) return new ShownChildrenAccessible(widget);
    return nullptr;
}

}  // namespace

BoardAccessible::BoardAccessible(QWidget* board) : QAccessibleWidget(board, QAccessible::Canvas) {}

QString BoardAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Description)
        if (const auto* board = qobject_cast<const BoardWidget*>(widget())) return board->description();
    return QAccessibleWidget::text(t);
}

QList<QWidget*> BoardAccessible::spokenChildren() const {
    // The tiles-left caption and count: labels with something to say and not hidden.
    QList<QWidget*> spoken;
    for (QWidget* child : childWidgets(widget()))
        if (const auto* label = qobject_cast<QLabel*>(child); label && !label->isHidden() && !label->text().isEmpty())
            spoken << child;
    return spoken;
}

int BoardAccessible::childCount() const { return static_cast<int>(spokenChildren().size()); }

QAccessibleInterface* BoardAccessible::child(int index) const { return interfaceAt(spokenChildren(), index); }

int BoardAccessible::indexOfChild(const QAccessibleInterface* child) const { return indexIn(spokenChildren(), child); }

ShownChildrenAccessible::ShownChildrenAccessible(QWidget* container) : QAccessibleWidget(container) {}

QList<QWidget*> ShownChildrenAccessible::shownChildren() const {
    QList<QWidget*> shown;
    for (QWidget* child : childWidgets(widget()))
        if (!child->isHidden() && !child->isWindow()) shown << child;
    return shown;
}

int ShownChildrenAccessible::childCount() const { return static_cast<int>(shownChildren().size()); }

QAccessibleInterface* ShownChildrenAccessible::child(int index) const { return interfaceAt(shownChildren(), index); }

int ShownChildrenAccessible::indexOfChild(const QAccessibleInterface* child) const {
    return indexIn(shownChildren(), child);
}

void showOnlyShownChildren(QWidget* container) {
    container->setProperty(kShownChildrenOnly, true);
    // An interface Qt made before the mark (for an event of the window being built) is replaced.
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(container);
    if (made && !dynamic_cast<ShownChildrenAccessible*>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

void installBoardAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&makeInterface);
        return true;
    }();
    (void)installed;
}

}  // namespace varnel
