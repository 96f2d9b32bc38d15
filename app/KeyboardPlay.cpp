#include <QKeyEvent>

#include "frmVarnel.h"

// Play without the mouse: the arrow keys move the cursor over the tiles, Space or Enter clicks
// the tile under it, Escape lets a selected tile go. The engine decides what each key may do.
namespace varnel {

void frmVarnel::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
        case Qt::Key_Left:
            game_.MoveCursor(CursorDirection::Left);
            break;
        case Qt::Key_Right:
            game_.MoveCursor(CursorDirection::Right);
            break;
        case Qt::Key_Up:
            game_.MoveCursor(CursorDirection::Up);
            break;
        case Qt::Key_Down:
            game_.MoveCursor(CursorDirection::Down);
            break;
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            game_.PressAtCursor();
            break;
        case Qt::Key_Escape:
            game_.DropSelection();
            break;
        default:
            QMainWindow::keyPressEvent(event);
            return;
    }
    event->accept();
}

}  // namespace varnel
