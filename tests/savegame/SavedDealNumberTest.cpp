#include <gtest/gtest.h>

#include <fstream>

#include "app/savegame/SavedDealNumber.h"
#include "tests/savegame/SaveTestSupport.h"

// The deal number kept beside the saved game: it comes back only with the game it was kept for.
namespace varnel::testing {
namespace {

namespace fs = std::filesystem;

class SavedDealNumberTest : public ::testing::Test {
  protected:
    TempFolder folder;
    fs::path save = folder / kSavedGameFileName;
    Board dragon = dealFaces(144, 7);
};

TEST_F(SavedDealNumberTest, ComesBackWithItsOwnGameOnly) {
    EXPECT_EQ(keptDealNumber(save, kDragon, dragon), std::nullopt) << "an older save has none";
    ASSERT_EQ(keepDealNumber(save, kDragon, dragon, 123456789), "");
    EXPECT_EQ(keptDealNumber(save, kDragon, dragon), 123456789u);
    // Another game in the file (saved by an older version, which leaves the note as it was).
    EXPECT_EQ(keptDealNumber(save, kRivers, dealFaces(84, 7)), std::nullopt);
    EXPECT_EQ(keptDealNumber(save, kDragon, midGame(kDragon, 7).board), std::nullopt);
    // A game without a number takes the old note away.
    ASSERT_EQ(keepDealNumber(save, kDragon, dragon, std::nullopt), "");
    EXPECT_FALSE(fs::exists(dealNumberPathFor(save)));
}

TEST_F(SavedDealNumberTest, ANoteThatIsNotOneIsIgnored) {
    for (const std::string& text : {std::string("deal 12"), std::string("deal x game 1"),
                                    std::string("deal 0 game 0"), std::string(100000, '7')}) {
        std::ofstream(dealNumberPathFor(save)) << text;
        EXPECT_EQ(keptDealNumber(save, kDragon, dragon), std::nullopt) << text.substr(0, 20);
    }
    fs::remove(dealNumberPathFor(save));
    fs::create_directory(dealNumberPathFor(save));
    EXPECT_EQ(keptDealNumber(save, kDragon, dragon), std::nullopt) << "a folder in its place";
    EXPECT_NE(keepDealNumber(save, kDragon, dragon, 5), "") << "it cannot be written over a folder";
}

}  // namespace
}  // namespace varnel::testing
