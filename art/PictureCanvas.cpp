#include "art/PictureCanvas.h"

namespace varnel::art {

PictureCanvas::PictureCanvas(int width, int height, int factor)
    : width_(width),
      height_(height),
      factor_(factor),
      samples_(width * factor, height * factor, QImage::Format_ARGB32_Premultiplied) {
    samples_.fill(Qt::transparent);
    painter_ = std::make_unique<QPainter>(&samples_);
    painter_->setRenderHint(QPainter::Antialiasing, factor == 1);
    painter_->setRenderHint(QPainter::TextAntialiasing, factor == 1);
    painter_->scale(factor, factor);
}

PictureCanvas::~PictureCanvas() = default;

std::vector<PictureCanvas::Sum> PictureCanvas::resolve() {
    if (painter_) painter_->end();
    painter_.reset();
    std::vector<Sum> sums(static_cast<std::size_t>(width_ * height_), Sum{0, 0, 0, 0});
    for (int sy = 0; sy < height_ * factor_; ++sy) {
        const auto* line = reinterpret_cast<const QRgb*>(samples_.constScanLine(sy));
        Sum* row = &sums[static_cast<std::size_t>((sy / factor_) * width_)];
        for (int sx = 0; sx < width_ * factor_; ++sx) {
            const QRgb s = line[sx];
            Sum& sum = row[sx / factor_];
            sum.red += static_cast<std::uint32_t>(qRed(s));
            sum.green += static_cast<std::uint32_t>(qGreen(s));
            sum.blue += static_cast<std::uint32_t>(qBlue(s));
            sum.alpha += static_cast<std::uint32_t>(qAlpha(s));
        }
    }
    return sums;
}

void PictureCanvas::compositeOnto(RgbImage& target, int left, int top) {
    const std::vector<Sum> sums = resolve();
    const std::uint32_t full = 255u * static_cast<std::uint32_t>(factor_ * factor_);
    auto over = [full](std::uint32_t premultiplied, std::uint32_t alpha, std::uint8_t below) {
        const std::uint32_t value = premultiplied * 255u + below * (full - alpha);
        return static_cast<std::uint8_t>((value + full / 2) / full);
    };
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const Sum& s = sums[static_cast<std::size_t>(y * width_ + x)];
            if (s.alpha == 0) continue;
            Rgb& p = target.at(left + x, top + y);
            p = {over(s.red, s.alpha, p.red), over(s.green, s.alpha, p.green),
                 over(s.blue, s.alpha, p.blue)};
        }
    }
}

QImage PictureCanvas::toImage() {
    const std::vector<Sum> sums = resolve();
    const std::uint32_t samples = static_cast<std::uint32_t>(factor_ * factor_);
    QImage image(width_, height_, QImage::Format_ARGB32);
    for (int y = 0; y < height_; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width_; ++x) {
            const Sum& s = sums[static_cast<std::size_t>(y * width_ + x)];
            if (s.alpha == 0) {
                line[x] = 0;
                continue;
            }
            auto straight = [&](std::uint32_t c) {
                return static_cast<int>(
                    std::min<std::uint32_t>(255, (c * 255u + s.alpha / 2) / s.alpha));
            };
            const int alpha = static_cast<int>((s.alpha + samples / 2) / samples);
            line[x] = qRgba(straight(s.red), straight(s.green), straight(s.blue), alpha);
        }
    }
    return image;
}

}  // namespace varnel::art
