#pragma once

#include <QImage>
#include <array>

namespace varnel::artgen {

inline constexpr std::array<int, 7> kIconSizes{16, 24, 32, 48, 64, 128, 256};

// The window icon at one size, with a transparent background: a tile with a blue ring on its
// face, stacked on a second tile where there is room for it.
QImage makeIcon(int size);

}  // namespace varnel::artgen
