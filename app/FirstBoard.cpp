#include "app/FirstBoard.h"

#include <QApplication>

#include "display/BuiltinArt.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace varnel {

void afterFirstBoardShown() {
    // Seven icon pictures decoded and handed to the window system: the window shows its icon
    // a moment after its board.
    QApplication::setWindowIcon(programIcon());
#ifdef __GLIBC__
    // The start frees several pictures (the design-size board, the sheet's drawing); glibc
    // keeps such freed blocks inside its heap, resident, unless asked to give them back.
    malloc_trim(0);
#endif
}

}  // namespace varnel
