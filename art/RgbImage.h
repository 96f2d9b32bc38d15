#pragma once

#include <cstdint>
#include <vector>

namespace varnel::art {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// A plain true-colour picture, rows from the top. All art is put together here, by our own
// arithmetic, so that the result does not hang on how a library blends.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;

    RgbImage() = default;
    RgbImage(int w, int h) : width(w), height(h), pixels(static_cast<std::size_t>(w * h)) {}

    Rgb& at(int x, int y) { return pixels[static_cast<std::size_t>(y * width + x)]; }
    const Rgb& at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

}  // namespace varnel::art
