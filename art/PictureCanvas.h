#pragma once

#include <QImage>
#include <QPainter>
#include <cstdint>
#include <memory>
#include <vector>

#include "art/RgbImage.h"

namespace varnel::art {

// How many samples per pixel edge a picture is drawn with before it is averaged down.
constexpr int kSupersample = 8;

// A transparent drawing surface measured in final pixels but drawn at kSupersample times the
// size, without the library's antialiasing: we average the samples ourselves. Shapes come out
// smooth, and every pixel depends only on the geometry, never on which blending routine the
// processor happens to pick. With a factor of 1 the library smooths the edges itself: quicker,
// for pictures that need not come out the same to the byte on every machine.
class PictureCanvas {
  public:
    PictureCanvas(int width, int height, int factor = kSupersample);
    ~PictureCanvas();
    PictureCanvas(const PictureCanvas&) = delete;
    PictureCanvas& operator=(const PictureCanvas&) = delete;

    // Painter whose unit is one final pixel; only opaque colours should be used with it.
    QPainter& Painter() { return *painter_; }

    // Lays the picture over the target with its top-left pixel at (left, top).
    void compositeOnto(RgbImage& target, int left, int top);
    // The picture with its own transparency, for files that keep an alpha channel.
    QImage toImage();

  private:
    struct Sum {
        std::uint32_t red, green, blue, alpha;  // premultiplied, over factor^2 samples
    };
    std::vector<Sum> resolve();

    int width_;
    int height_;
    int factor_;
    QImage samples_;
    std::unique_ptr<QPainter> painter_;
};

}  // namespace varnel::art
