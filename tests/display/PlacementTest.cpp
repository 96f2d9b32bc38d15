#include <gtest/gtest.h>

#include <cmath>

#include "display/BoardGeometry.h"

// Where the design lands in a window: a maximized window by its screen, as the classic game has
// always shown it; any other window by the area below its menu bar.
namespace varnel {
namespace {

// The design rectangle (the 640 x 480 window's whole layout) as placed.
struct Placed {
    float left, top, right, bottom;
};
Placed designIn(const DesignPlacement& p) {
    return {p.left, p.top, p.left + design::kScreenWidth * p.scale,
            p.top + design::kScreenHeight * p.scale};
}

TEST(Placement, AnyAreaHoldsTheWholeDesignCentredAndFilledOnOneAxis) {
    const struct {
        const char* name;
        int width, height;
    } areas[] = {
        {"4:3", 800, 600},        {"16:9", 1920, 1038},   {"21:9", 2560, 1040},
        {"tall, narrow", 420, 875}, {"half a 1080p screen", 958, 1038},
        {"wide, short", 1400, 375}, {"the design itself", 640, 480},
        {"smaller than the design", 500, 335}, {"odd sizes", 1001, 667},
    };
    for (const auto& a : areas) {
        SCOPED_TRACE(a.name);
        const DesignPlacement p = placementInArea(a.width, a.height);
        const Placed d = designIn(p);
        EXPECT_GE(d.left, -0.01f);
        EXPECT_GE(d.top, -0.01f);
        EXPECT_LE(d.right, a.width + 0.01f);
        EXPECT_LE(d.bottom, a.height + 0.01f);
        // Centred, and touching the area's edges on at least one axis.
        EXPECT_NEAR(d.left, a.width - d.right, 0.01f);
        EXPECT_NEAR(d.top, a.height - d.bottom, 0.01f);
        EXPECT_TRUE(std::abs(d.right - d.left - a.width) < 0.01f ||
                    std::abs(d.bottom - d.top - a.height) < 0.01f);
        EXPECT_FALSE(p.asDesigned) << "a window laid out by its area shows the frame at tile size";
    }
}

TEST(Placement, ATinyAreaStopsAtTheSmallestScaleWithTheDesignStillCentred) {
    const DesignPlacement p = placementInArea(200, 150);
    EXPECT_FLOAT_EQ(p.scale, kSmallestScale);
    EXPECT_FLOAT_EQ(p.left, (200 - design::kScreenWidth * kSmallestScale) / 2);
}

// The classic first maximize: by the height, limited by the width on a screen narrower than
// 4:3, centred across; a screen of 648 pixels wide or less shows the design as it is.
TEST(Placement, AMaximizedWindowFollowsItsScreenAsTheClassicGameDid) {
    const struct {
        int width, height;
        float scale, left;
        bool asDesigned;
    } screens[] = {
        {640, 480, 1, 0, true},       {648, 480, 1, 0, true},
        {649, 480, 1, 4.5f, false},   {800, 600, 1.25f, 0, false},
        {1024, 768, 1.6f, 0, false},  {1280, 1024, 2, 0, false},
        {1920, 1080, 2.25f, 240, false}, {2560, 1440, 3, 320, false},
    };
    for (const auto& s : screens) {
        SCOPED_TRACE(::testing::Message() << s.width << " x " << s.height);
        const DesignPlacement p = placementOnScreen(s.width, s.height);
        EXPECT_FLOAT_EQ(p.scale, s.scale);
        EXPECT_FLOAT_EQ(p.left, s.left);
        EXPECT_FLOAT_EQ(p.top, 0);
        EXPECT_EQ(p.asDesigned, s.asDesigned);
    }
}

// Placing the design anew gives the same pixels whatever came before: a window maximized,
// resized and maximized again shows the first maximized board.
TEST(Placement, TheSamePlacementGivesTheSameGeometryWhateverCameBefore) {
    const DesignPlacement maximized = placementOnScreen(1920, 1080);
    BoardGeometry fresh;
    fresh.useLayout(*findLayout(kDragon));
    fresh.place(maximized);
    BoardGeometry travelled;
    travelled.useLayout(*findLayout(kDragon));
    for (const auto& area : {std::pair{806, 588}, {500, 340}, {1400, 380}, {801, 1900}})
        travelled.place(placementInArea(area.first, area.second));
    travelled.place(maximized);
    for (int16_t tile = 0; tile < 144; ++tile) EXPECT_EQ(travelled.place(tile), fresh.place(tile));
    EXPECT_EQ(travelled.boardWidth(), fresh.boardWidth());
    EXPECT_EQ(travelled.frameBorder(), fresh.frameBorder());
    EXPECT_EQ(travelled.labels(LabelSet::Stacked).scoreTop, fresh.labels(LabelSet::Stacked).scoreTop);
}

}  // namespace
}  // namespace varnel
