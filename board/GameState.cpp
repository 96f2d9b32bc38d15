#include "GameState.h"

namespace varnel {

int16_t TileCountOf(int16_t layout) {
    switch (layout) {
        case kRivers:
            return 84;
        case kPyramid:
            return 120;
        default:
            return 144;
    }
}

}  // namespace varnel
