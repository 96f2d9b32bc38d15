#include <gtest/gtest.h>

#include <cmath>

#include "display/BoardGeometry.h"

// Where the design lands in a window: a maximized window by its screen, as the classic game has
// always shown it; any other window by the area below its menu bar.
namespace varnel {
namespace {

// A window of any shape holds the whole design, centred, filling the area on one axis.
TEST(Placement, AnyAreaHoldsTheWholeDesignCentredAndFilledOnOneAxis) {
    // 4:3, 16:9, 21:9, tall and narrow, half a 1080p screen, wide and short, the design
    // itself, smaller than the design, odd sizes.
    const std::pair<int, int> areas[] = {{800, 600}, {1920, 1038}, {2560, 1040},
                                         {420, 875}, {958, 1038},  {1400, 375},
                                         {640, 480}, {500, 335},   {1001, 667}};
    for (const auto& [areaWidth, areaHeight] : areas) {
        SCOPED_TRACE(::testing::Message() << areaWidth << " x " << areaHeight);
        const DesignPlacement p = placementInArea(areaWidth, areaHeight);
        const float width = design::kScreenWidth * p.scale,
                    height = design::kScreenHeight * p.scale;
        // Centred: as much room left as right, above as below, none of it negative.
        EXPECT_NEAR(p.left, areaWidth - width - p.left, 0.01f);
        EXPECT_NEAR(p.top, areaHeight - height - p.top, 0.01f);
        EXPECT_GE(std::min(p.left, p.top), -0.01f);
        EXPECT_TRUE(std::abs(width - areaWidth) < 0.01f || std::abs(height - areaHeight) < 0.01f);
        EXPECT_FALSE(p.asDesigned) << "a window laid out by its area shows the frame at tile size";
    }
}

TEST(Placement, ATinyAreaStopsAtTheSmallestScaleWithTheDesignStillCentred) {
    const DesignPlacement p = placementInArea(200, 150);
    EXPECT_FLOAT_EQ(p.scale, kSmallestScale);
    EXPECT_FLOAT_EQ(p.left, (200 - design::kScreenWidth * kSmallestScale) / 2);
}

// The first maximize: by the height, limited by the width below 4:3, centred across; a screen
// of 648 pixels wide or less shows the design as it is.
TEST(Placement, AMaximizedWindowFollowsItsScreenAsTheClassicGameDid) {
    const struct {
        int width, height;
        float scale, left;
        bool asDesigned;
    } screens[] = {{640, 480, 1, 0, true},          {648, 480, 1, 0, true},
                   {649, 480, 1, 4.5f, false},      {800, 600, 1.25f, 0, false},
                   {1024, 768, 1.6f, 0, false},     {1280, 1024, 2, 0, false},
                   {1920, 1080, 2.25f, 240, false}, {2560, 1440, 3, 320, false}};
    for (const auto& s : screens) {
        SCOPED_TRACE(::testing::Message() << s.width << " x " << s.height);
        const DesignPlacement p = placementOnScreen(s.width, s.height);
        EXPECT_FLOAT_EQ(p.scale, s.scale);
        EXPECT_FLOAT_EQ(p.left, s.left);
        EXPECT_FLOAT_EQ(p.top, 0);
        EXPECT_EQ(p.asDesigned, s.asDesigned);
    }
}

// A window maximized, resized and maximized again shows the first maximized board.
TEST(Placement, TheSamePlacementGivesTheSameGeometryWhateverCameBefore) {
    const DesignPlacement maximized = placementOnScreen(1920, 1080);
    BoardGeometry fresh, travelled;
    for (BoardGeometry* geometry : {&fresh, &travelled}) geometry->useLayout(*findLayout(kDragon));
    fresh.place(maximized);
    for (const auto& area : {std::pair{806, 588}, {500, 340}, {1400, 380}, {801, 1900}})
        travelled.place(placementInArea(area.first, area.second));
    travelled.place(maximized);
    for (int16_t tile = 0; tile < 144; ++tile) EXPECT_EQ(travelled.place(tile), fresh.place(tile));
    EXPECT_EQ(travelled.boardWidth(), fresh.boardWidth());
    EXPECT_EQ(travelled.frameBorder(), fresh.frameBorder());
    EXPECT_EQ(travelled.labels(LabelSet::Stacked).scoreTop,
              fresh.labels(LabelSet::Stacked).scoreTop);
}

}  // namespace
}  // namespace varnel
