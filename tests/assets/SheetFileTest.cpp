// The built-in tile sheets: a black surround where the board must show through, the same tile
// in every cell, and faces that no player takes for each other.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <sstream>

#include "AssetFiles.h"

namespace varnel::assets_test {
namespace {

constexpr double kAtAGlance = 5.0;
constexpr double kRiversApart = 8.0;
constexpr int kRiversFaces = 21;

using Face = std::vector<std::array<double, 3>>;  // red, green, blue, row by row
using Matrix = std::array<std::array<double, 3>, 3>;

// How an eye sees colours in linear light, by name and matrix. The colour-blind ones are
// the projections of Viénot, Brettel and Mollon (1999): they lose the red-green axis and
// keep lightness and the blue-yellow axis.
using Eye = std::pair<const char*, Matrix>;
constexpr Eye kNormal{"normal vision", {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}}};
constexpr Eye kProtanopia{
    "protanopia", {{{0.11238, 0.88762, 0.0}, {0.11238, 0.88762, 0.0}, {0.00401, -0.00401, 1.0}}}};
constexpr Eye kDeuteranopia{
    "deuteranopia", {{{0.29275, 0.70725, 0.0}, {0.29275, 0.70725, 0.0}, {-0.02234, 0.02234, 1.0}}}};

// The face of a tile picture (x 5..43 and y 0..49 of its cell) as an eye sees it.
Face FaceAsSeen(const QImage& sheet, int face, const Eye& eye) {
    auto toLinear = [](int v) {
        const double c = v / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    auto toGamma = [](double linear) {
        const double c = std::clamp(linear, 0.0, 1.0);
        return 255.0 * (c <= 0.0031308 ? 12.92 * c : 1.055 * std::pow(c, 1 / 2.4) - 0.055);
    };
    Face seen;
    for (int y = 0; y < kCellHeight - kDepth; ++y)
        for (int x = kDepth; x < kCellWidth; ++x) {
            const QRgb p = CellPixel(sheet, face, x, y);
            const std::array<double, 3> in{toLinear(qRed(p)), toLinear(qGreen(p)),
                                           toLinear(qBlue(p))};
            const Matrix& m = eye.second;
            std::array<double, 3>& out = seen.emplace_back();
            for (std::size_t i = 0; i < 3; ++i)
                out[i] = toGamma(m[i][0] * in[0] + m[i][1] * in[1] + m[i][2] * in[2]);
        }
    return seen;
}

double Distance(const Face& a, const Face& b) {
    double sum = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        for (std::size_t k = 0; k < 3; ++k) sum += std::abs(a[i][k] - b[i][k]);
    return sum / (3.0 * static_cast<double>(a.size()));
}

class EachSheet : public ::testing::TestWithParam<std::string> {
  protected:
    // A sheet of another size fails here and skips the test, so the loops stay in the picture.
    void SetUp() override {
        sheet_ = LoadIndexed(GetParam());
        ASSERT_EQ(sheet_.size(), QSize(9 * kCellWidth, 4 * kCellHeight));
    }

    QImage sheet_;
};

// The game ORs each cell onto the board where the mask has cleared it: anything but black in
// the cut corners would tint the board beneath. And the side, the outline and the rim of the
// face match cell 0's pixel for pixel, so pictures never spill over the edge of the face.
TEST_P(EachSheet, EveryCellIsTheSameTileInABlackSurround) {
    auto onBody = [](int x, int y) {
        const bool side = x < kDepth || y >= kCellHeight - kDepth;
        const bool edge =
            y == 0 || x == kCellWidth - 1 || x == kDepth || y == kCellHeight - kDepth - 1;
        return side || edge;
    };
    for (int face = 0; face < kFaces; ++face) {
        int stray = 0, differing = 0;
        for (int y = 0; y < kCellHeight; ++y)
            for (int x = 0; x < kCellWidth; ++x) {
                const QRgb pixel = CellPixel(sheet_, face, x, y);
                if (OutsideTile(x, y))
                    stray += pixel != qRgb(0, 0, 0);
                else if (onBody(x, y))
                    differing += pixel != sheet_.pixel(x, y);
            }
        EXPECT_EQ(stray, 0) << "face " << face;
        EXPECT_EQ(differing, 0) << "face " << face;
    }
}

// No two faces of a set may be taken for each other at a glance, by any player.
//
// The measure is the mean absolute difference of the colour values over the 39 x 50 face,
// on the 0..255 scale. Changing one detail of a face, a spot of 4 x 4 pixels in full
// contrast, moves it by about 2, so two faces must stand at least 5 apart: more than twice a
// changed detail. The faces every layout uses (0..20, the Rivers set) must stand 8 apart. The
// same holds for faces as players with protanopia or deuteranopia see them, so that no two
// faces differ only by red against green.
TEST_P(EachSheet, FacesStandApartAtAGlanceForEveryEye) {
    for (const Eye& eye : {kNormal, kProtanopia, kDeuteranopia}) {
        std::vector<Face> faces;
        for (int face = 0; face < kFaces; ++face) faces.push_back(FaceAsSeen(sheet_, face, eye));
        std::ostringstream tooClose;
        for (int a = 0; a < kFaces; ++a)
            for (int b = a + 1; b < kFaces; ++b) {
                const double d = Distance(faces[a], faces[b]);
                if (d < (b < kRiversFaces ? kRiversApart : kAtAGlance))
                    tooClose << " " << a << "~" << b << " (" << d << ")";
            }
        EXPECT_TRUE(tooClose.str().empty()) << eye.first << ": too close:" << tooClose.str();
    }
}

INSTANTIATE_TEST_SUITE_P(BuiltInSets, EachSheet, ::testing::ValuesIn(kSheetFiles), FileTestName);

}  // namespace
}  // namespace varnel::assets_test
