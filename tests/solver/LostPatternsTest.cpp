#include <gtest/gtest.h>

#include "solver/LostPatterns.h"

// The bits behind the patterns of lost games: three bits a group, 21 groups a word, so the
// groups either side of a word's end are where a slip would hide.
namespace varnel {
namespace {

TEST(LostPatternsTest, TheOneGroupBeyondABoundIsFoundInAnyWord) {
    const PairingBits bound = PairingBits::all();
    PairingBits within = PairingBits::all();
    within.set(3, 0b010);
    EXPECT_EQ(within.onlyGroupBeyond(bound), -1);
    EXPECT_TRUE(within.within(bound));
    for (const int group : {0, 20, 21, 41, 42, 71}) {
        PairingBits tight = PairingBits::all();
        tight.set(group, 0b001);
        PairingBits wide = tight;
        wide.set(group, 0b101);
        EXPECT_EQ(wide.onlyGroupBeyond(tight), group);
        EXPECT_FALSE(wide.within(tight));
        EXPECT_EQ(tight.get(group), 0b001);
        // Its neighbours are untouched by the set.
        if (group > 0) {
            EXPECT_EQ(tight.get(group - 1), 0b111);
        }
        if (group < kMaxGroups - 1) {
            EXPECT_EQ(tight.get(group + 1), 0b111);
        }
    }
    PairingBits two = PairingBits::all();
    two.set(20, 0);
    two.set(21, 0);
    EXPECT_EQ(PairingBits::all().onlyGroupBeyond(two), -2);
    two.set(21, 0b111);
    two.set(19, 0b011);
    EXPECT_EQ(PairingBits::all().onlyGroupBeyond(two), -2);
}

TEST(LostPatternsTest, ResolvingOnAGroupJoinsItsPairingsAndNarrowsTheRest) {
    LostPattern lost;
    lost.tiles.insert(3);
    lost.allowed.set(5, 0b001);
    lost.allowed.set(7, 0b011);
    LostPattern reason;
    reason.tiles.insert(90);
    reason.allowed.set(5, 0b010);
    reason.allowed.set(7, 0b110);
    reason.allowed.set(30, 0b100);
    lost.resolve(5, reason);
    EXPECT_EQ(lost.allowed.get(5), 0b011);
    EXPECT_EQ(lost.allowed.get(7), 0b010);
    EXPECT_EQ(lost.allowed.get(30), 0b100);
    EXPECT_EQ(lost.allowed.get(6), 0b111);
    EXPECT_TRUE(lost.tiles.contains(3) && lost.tiles.contains(90));
    // It holds where both tiles are there and every group keeps within it.
    TileSet present;
    present.insert(3);
    present.insert(90);
    present.insert(100);
    PairingBits position = PairingBits::all();
    position.set(5, 0b001);
    position.set(7, 0b010);
    position.set(30, 0b100);
    EXPECT_TRUE(lost.holdsIn(present, position));
    position.set(7, 0b011);
    EXPECT_FALSE(lost.holdsIn(present, position));
    position.set(7, 0b010);
    present.erase(90);
    EXPECT_FALSE(lost.holdsIn(present, position));
}

}  // namespace
}  // namespace varnel
