#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "layouts/DragonLayout.h"
#include "layouts/LayoutUnits.h"
#include "layouts/PyramidLayout.h"
#include "layouts/RiversLayout.h"

namespace varnel {
namespace {

struct Place {
    int16_t tile, x, y;
};

// The design board, 800 x 600 (scale 1.25) and 1024 x 768 (scale 1.6): the board is always the
// design board at its scale.
constexpr CellSize kDesign{44, 55, 1, 609}, k800{55, 68.75f, 1.25f, 761},
    k1024{44 * 1.6f, 55 * 1.6f, 1.6f, 974};

// Worked places: neighbours overlap by five pixels; at 1.25 a step of 48.75 from a rounded value
// always lands on .25 and rounds down (49 pixels a step, so that Rivers tile 13 lies at 14, not
// at the 17 of one rounding at the end), and at 1.6 a step of 62.4 is 62 every time (Pyramid
// tile 7 at 204, not 201); halves round to even; in single precision 5S at 1.6 is exactly 8,
// which puts the end pieces at a rounded 298.5 = 298. Every tile lies wholly on the board.
TEST(Places, WorkedPlacesAtThreeSizes) {
    const struct {
        const char* name;
        const Layout& layout;
        CellSize size;
        std::vector<Place> places;
    } cases[] = {
        {"Dragon", dragonLayout(), kDesign,
         {{0, 555, 180}, {1, 516, 180}, {2, 477, 5}, {13, 48, 5}, {32, 477, 155}, {44, 477, 205},
          {86, 9, 180}, {143, 284, 160}}},
        {"Dragon", dragonLayout(), k800,
         {{2, 596, 6}, {3, 547, 6}, {6, 400, 6}, {13, 57, 6}, {0, 694, 229}, {1, 645, 229},
          {14, 498, 69}, {86, 11, 229}, {87, 456, 62}, {143, 355, 200}}},
        {"Dragon", dragonLayout(), k1024, {{0, 888, 298}, {1, 826, 298}, {86, 14, 298}}},
        {"Pyramid", pyramidLayout(), kDesign,
         {{0, 399, 5}, {7, 126, 5}, {56, 399, 355}, {119, 258, 190}}},
        {"Pyramid", pyramidLayout(), k800,
         {{0, 498, 6}, {1, 449, 6}, {64, 456, 62}, {116, 371, 175}}},
        {"Pyramid", pyramidLayout(), k1024,
         {{0, 638, 8}, {7, 204, 8}, {64, 584, 80}, {119, 413, 304}}},
        {"Rivers", riversLayout(), kDesign, {{0, 521, 55}, {13, 14, 55}, {83, 14, 305}}},
        {"Rivers", riversLayout(), k800,
         {{0, 651, 69}, {1, 602, 69}, {13, 14, 69}, {40, 63, 194}, {83, 14, 381}}},
        {"Rivers", riversLayout(), k1024, {{0, 833, 88}, {13, 27, 88}, {83, 27, 488}}},
    };
    for (const auto& c : cases) {
        const TilePlaces places = c.layout.places(c.size);
        for (int16_t i = 0; i < c.layout.tileCount(); ++i) {
            const TilePlace& at = places[static_cast<size_t>(i)];
            EXPECT_TRUE(at.x >= 0 && at.x + c.size.width <= c.size.boardWidth && at.y >= 0 &&
                        at.y + c.size.height <= units::kBoardHeight * c.size.scale)
                << c.name << " tile " << i << " at " << at.x << ", " << at.y;
        }
        for (const Place& p : c.places) {
            const TilePlace& at = places[static_cast<size_t>(p.tile)];
            EXPECT_EQ(std::pair(at.x, at.y), std::pair(p.x, p.y)) << c.name << " tile " << p.tile;
        }
    }
}

}  // namespace
}  // namespace varnel
