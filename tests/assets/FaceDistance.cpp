#include "FaceDistance.h"

#include <algorithm>
#include <cmath>

#include "AssetFiles.h"

namespace varnel::assets_test {
namespace {

double ToLinear(double value) {
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double ToGamma(double linear) {
    const double c = std::clamp(linear, 0.0, 1.0);
    return 255.0 * (c <= 0.0031308 ? 12.92 * c : 1.055 * std::pow(c, 1 / 2.4) - 0.055);
}

using Matrix = std::array<std::array<double, 3>, 3>;

// Both kinds lose the red-green axis and keep lightness and the blue-yellow axis.
constexpr Matrix kProtanopia{
    {{0.11238, 0.88762, 0.0}, {0.11238, 0.88762, 0.0}, {0.00401, -0.00401, 1.0}}};
constexpr Matrix kDeuteranopia{
    {{0.29275, 0.70725, 0.0}, {0.29275, 0.70725, 0.0}, {-0.02234, 0.02234, 1.0}}};

}  // namespace

FacePixels ExtractFace(const Bmp8& sheet, int face) {
    const int left = (face % 9) * kCellWidth + kFaceLeft;
    const int top = (face / 9) * kCellHeight;
    FacePixels pixels;
    pixels.reserve(kFaceWidth * kFaceHeight);
    for (int y = 0; y < kFaceHeight; ++y)
        for (int x = 0; x < kFaceWidth; ++x) {
            const Colour& c = sheet.At(left + x, top + y);
            pixels.push_back({double(c[0]), double(c[1]), double(c[2])});
        }
    return pixels;
}

FacePixels AsSeenWith(const FacePixels& face, Vision vision) {
    if (vision == Vision::Normal) return face;
    const Matrix& m = vision == Vision::Protanopia ? kProtanopia : kDeuteranopia;
    FacePixels seen;
    seen.reserve(face.size());
    for (const auto& p : face) {
        const std::array<double, 3> linear{ToLinear(p[0]), ToLinear(p[1]), ToLinear(p[2])};
        std::array<double, 3> out{};
        for (std::size_t i = 0; i < 3; ++i)
            out[i] = ToGamma(m[i][0] * linear[0] + m[i][1] * linear[1] + m[i][2] * linear[2]);
        seen.push_back(out);
    }
    return seen;
}

double Distance(const FacePixels& a, const FacePixels& b) {
    double sum = 0;
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
        for (std::size_t k = 0; k < 3; ++k) sum += std::abs(a[i][k] - b[i][k]);
    return sum / (3.0 * static_cast<double>(std::max(a.size(), b.size())));
}

const char* VisionName(Vision vision) {
    switch (vision) {
        case Vision::Normal:
            return "normal vision";
        case Vision::Protanopia:
            return "protanopia";
        case Vision::Deuteranopia:
            return "deuteranopia";
    }
    return "";
}

}  // namespace varnel::assets_test
