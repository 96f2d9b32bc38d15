// No two faces of a set may be taken for each other at a glance, by any player.
//
// The measure is the mean absolute difference of the colour values over the 39 x 50 face,
// on the 0..255 scale. Changing one detail of a face, a spot of 4 x 4 pixels in full
// contrast, moves it by about 2, so two faces must stand at least 5 apart: more than twice a
// changed detail. The faces every layout uses (0..20, the Rivers set) must stand 8 apart. The
// same holds for faces as players with protanopia or deuteranopia see them, so that no two
// faces differ only by red against green.
#include <gtest/gtest.h>

#include <sstream>

#include "AssetFiles.h"
#include "FaceDistance.h"

namespace varnel::assets_test {
namespace {

constexpr double kAtAGlance = 5.0;
constexpr double kRiversApart = 8.0;
constexpr int kRiversFaces = 21;

const Vision kVisions[] = {Vision::Normal, Vision::Protanopia, Vision::Deuteranopia};

// A face with one small detail changed: a 4 x 4 spot in the middle turned to its opposite.
FacePixels WithDetailChanged(FacePixels face) {
    for (int y = 23; y < 27; ++y)
        for (int x = 18; x < 22; ++x)
            for (double& c : face[static_cast<std::size_t>(y * kFaceWidth + x)]) c = 255 - c;
    return face;
}

TEST(FaceDistance, OneChangedDetailCountsAsTheSameFace) {
    for (const SheetFile& file : SheetFiles()) {
        const Bmp8 sheet = LoadBmp(file.path);
        ASSERT_EQ(sheet.width, 396);
        for (int face : {0, 20, 35}) {
            const FacePixels original = ExtractFace(sheet, face);
            const double d = Distance(original, WithDetailChanged(original));
            EXPECT_GT(d, 0.5) << file.name << " face " << face;
            EXPECT_LT(d, kAtAGlance / 2) << file.name << " face " << face;
        }
    }
}

// A face recoloured the way a deuteranope sees it is another face to normal eyes, but the
// same face to the colour-blind eye: the measure catches faces that differ in red and green
// alone.
TEST(FaceDistance, ColourBlindEyesMissARedGreenRecolouring) {
    const Bmp8 sheet = LoadBmp("sheets/creepy-crawlers.bmp");  // face 0: a red ladybird
    ASSERT_EQ(sheet.width, 396);
    const FacePixels ladybird = ExtractFace(sheet, 0);
    const FacePixels recoloured = AsSeenWith(ladybird, Vision::Deuteranopia);
    EXPECT_GT(Distance(ladybird, recoloured), kAtAGlance);
    EXPECT_LT(Distance(AsSeenWith(ladybird, Vision::Deuteranopia),
                       AsSeenWith(recoloured, Vision::Deuteranopia)),
              1.0);
}

TEST(FaceDistance, GreyIsSeenTheSameByEveryone) {
    FacePixels grey(kFaceWidth * kFaceHeight, {128, 128, 128});
    for (Vision vision : kVisions) EXPECT_LT(Distance(grey, AsSeenWith(grey, vision)), 1.0);
}

class FacesOfASet : public ::testing::TestWithParam<SheetFile> {};

TEST_P(FacesOfASet, StandApartAtAGlanceForEveryEye) {
    const Bmp8 sheet = LoadBmp(GetParam().path);
    ASSERT_EQ(sheet.width, 396);
    for (Vision vision : kVisions) {
        std::vector<FacePixels> faces;
        for (int face = 0; face < 36; ++face)
            faces.push_back(AsSeenWith(ExtractFace(sheet, face), vision));
        double closest = 1e9;
        std::ostringstream tooClose;
        for (int a = 0; a < 36; ++a)
            for (int b = a + 1; b < 36; ++b) {
                const double d = Distance(faces[a], faces[b]);
                closest = std::min(closest, d);
                const double needed = b < kRiversFaces ? kRiversApart : kAtAGlance;
                if (d < needed) tooClose << " " << a << "~" << b << " (" << d << ")";
            }
        EXPECT_TRUE(tooClose.str().empty())
            << GetParam().name << ", " << VisionName(vision) << ": too close:" << tooClose.str();
        RecordProperty(std::string("closest_") + VisionName(vision), std::to_string(closest));
    }
}

INSTANTIATE_TEST_SUITE_P(BuiltInSets, FacesOfASet,
                         ::testing::ValuesIn(SheetFiles().begin(), SheetFiles().begin() + 5),
                         [](const ::testing::TestParamInfo<SheetFile>& info) {
                             std::string name;
                             for (char c : info.param.name)
                                 if (std::isalnum(static_cast<unsigned char>(c))) name += c;
                             return name;
                         });

}  // namespace
}  // namespace varnel::assets_test
