#include "app/KeyboardPlay.h"

namespace varnel {

bool playByKey(Game& game, const QKeyEvent& event) {
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    switch (event.key()) {
        case Qt::Key_Left:
            game.moveCursor(CursorDirection::Left);
            return true;
        case Qt::Key_Right:
            game.moveCursor(CursorDirection::Right);
            return true;
        case Qt::Key_Up:
            game.moveCursor(CursorDirection::Up);
            return true;
        case Qt::Key_Down:
            game.moveCursor(CursorDirection::Down);
            return true;
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            game.pressAtCursor();
            return true;
        case Qt::Key_Escape:
            game.dropSelection();
            return true;
        default:
            return false;
    }
}

}  // namespace varnel
