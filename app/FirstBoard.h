#pragma once

namespace varnel {

// What the program does once its first board is on screen, kept off the way to it: the
// window's icon, and handing back to the system the memory the start has freed.
void afterFirstBoardShown();

}  // namespace varnel
