// The built-in tile sets, at the design size and for a maximized board: faces no player takes for
// each other. It guards the sets' design when someone redraws one on purpose.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <sstream>

#include "display/DrawnArt.h"

namespace varnel {
namespace {

constexpr double kAtAGlance = 5.0;
constexpr double kRiversApart = 8.0;
constexpr int kRiversFaces = 21;

using Face = std::vector<std::array<double, 3>>;  // red, green, blue, row by row
using Matrix = std::array<std::array<double, 3>, 3>;

// How an eye sees colours in linear light. The colour-blind ones are the projections of Viénot,
// Brettel and Mollon (1999): they lose the red-green axis, keep lightness and blue-yellow.
using Eye = std::pair<const char*, Matrix>;
constexpr Eye kNormal{"normal vision", {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}}};
constexpr Eye kProtanopia{
    "protanopia", {{{0.11238, 0.88762, 0.0}, {0.11238, 0.88762, 0.0}, {0.00401, -0.00401, 1.0}}}};
constexpr Eye kDeuteranopia{
    "deuteranopia", {{{0.29275, 0.70725, 0.0}, {0.29275, 0.70725, 0.0}, {-0.02234, 0.02234, 1.0}}}};

// The face of a tile picture (right of the side, above it) as an eye sees it.
Face faceAsSeen(const QImage& sheet, const art::SheetGrid& grid, int face, const Eye& eye) {
    auto toLinear = [](int v) {
        const double c = v / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    auto toGamma = [](double linear) {
        const double c = std::clamp(linear, 0.0, 1.0);
        return 255.0 * (c <= 0.0031308 ? 12.92 * c : 1.055 * std::pow(c, 1 / 2.4) - 0.055);
    };
    const int left = grid.columnLeft[face % art::kSheetColumns];
    const int top = grid.rowTop[face / art::kSheetColumns];
    Face seen;
    for (int y = 0; y < grid.shape.faceHeight(); ++y)
        for (int x = grid.shape.depth; x < grid.shape.width; ++x) {
            const QRgb p = sheet.pixel(left + x, top + y);
            const std::array<double, 3> in{toLinear(qRed(p)), toLinear(qGreen(p)),
                                           toLinear(qBlue(p))};
            const Matrix& m = eye.second;
            std::array<double, 3>& out = seen.emplace_back();
            for (std::size_t i = 0; i < 3; ++i)
                out[i] = toGamma(m[i][0] * in[0] + m[i][1] * in[1] + m[i][2] * in[2]);
        }
    return seen;
}

double distance(const Face& a, const Face& b) {
    double sum = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        for (std::size_t k = 0; k < 3; ++k) sum += std::abs(a[i][k] - b[i][k]);
    return sum / (3.0 * static_cast<double>(a.size()));
}

// No two faces of a set are taken for each other at a glance, by any player, at either size. The
// measure is the mean absolute difference of the colour values (0..255): a changed detail of 4 x
// 4 design pixels moves a face by about 2, so faces stand 5 apart, those of every layout (0..20,
// the Rivers set) 8, for players with protanopia or deuteranopia too.
TEST(EachSheet, FacesStandApartAtAGlanceForEveryEye) {
    for (float scale : {1.0f, 2.0f}) {
        BoardGeometry geometry;
        if (scale != 1) geometry.place(DesignPlacement{scale, 0, 0, false});
        const art::SheetGrid grid = boardSheetGrid(
            geometry, QSizeF(art::kSheetWidth * scale, art::kSheetHeight * scale), 1);
        for (int slot = 0; slot < 5; ++slot) {
            const QImage sheet = makeBuiltinSheet(slot, grid);
            for (const Eye& eye : {kNormal, kProtanopia, kDeuteranopia}) {
                std::vector<Face> faces;
                for (int face = 0; face < art::kFaceCount; ++face)
                    faces.push_back(faceAsSeen(sheet, grid, face, eye));
                std::ostringstream tooClose;
                for (int a = 0; a < art::kFaceCount; ++a)
                    for (int b = a + 1; b < art::kFaceCount; ++b) {
                        const double d = distance(faces[a], faces[b]);
                        if (d < (b < kRiversFaces ? kRiversApart : kAtAGlance))
                            tooClose << " " << a << "~" << b << " (" << d << ")";
                    }
                EXPECT_TRUE(tooClose.str().empty()) << "set " << slot << " at scale " << scale
                                                    << ", " << eye.first << ":" << tooClose.str();
            }
        }
    }
}

}  // namespace
}  // namespace varnel
