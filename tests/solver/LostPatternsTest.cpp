#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <utility>

#include "solver/LostPatterns.h"

// The bits behind the patterns of lost games: three bits a group, 21 groups a word, so the
// groups either side of a word's end are where a slip would hide.
namespace varnel {
namespace {

// Every pairing allowed, but in the groups given, which allow only the pairings given.
PairingBits allBut(std::initializer_list<std::pair<int, uint8_t>> groups) {
    PairingBits bits = PairingBits::all();
    for (const auto& [group, pairings] : groups) bits.set(group, pairings);
    return bits;
}

TEST(LostPatternsTest, TheOneGroupBeyondABoundIsFoundInAnyWord) {
    const PairingBits within = allBut({{3, 0b010}});
    EXPECT_EQ(within.onlyGroupBeyond(PairingBits::all()), -1);
    EXPECT_TRUE(within.within(PairingBits::all()));
    for (const int group : {0, 20, 21, 41, 42, 71}) {
        const PairingBits tight = allBut({{group, 0b001}}), wide = allBut({{group, 0b101}});
        EXPECT_EQ(wide.onlyGroupBeyond(tight), group);
        EXPECT_FALSE(wide.within(tight));
        // The set takes its own group and leaves its neighbours alone.
        for (int near = std::max(group - 1, 0); near <= std::min(group + 1, kMaxGroups - 1); ++near)
            EXPECT_EQ(tight.get(near), near == group ? 0b001 : 0b111) << near;
    }
    // Two groups beyond, either side of a word's end or within one word.
    EXPECT_EQ(PairingBits::all().onlyGroupBeyond(allBut({{20, 0}, {21, 0}})), -2);
    EXPECT_EQ(PairingBits::all().onlyGroupBeyond(allBut({{19, 0b011}, {20, 0}})), -2);
}

TEST(LostPatternsTest, ResolvingOnAGroupJoinsItsPairingsAndNarrowsTheRest) {
    LostPattern lost{.tiles = {}, .allowed = allBut({{5, 0b001}, {7, 0b011}})};
    lost.tiles.insert(3);
    LostPattern reason{.tiles = {}, .allowed = allBut({{5, 0b010}, {7, 0b110}, {30, 0b100}})};
    reason.tiles.insert(90);
    lost.resolve(5, reason);
    const PairingBits joined = allBut({{5, 0b011}, {7, 0b010}, {30, 0b100}});
    for (int group = 0; group < kMaxGroups; ++group)
        EXPECT_EQ(lost.allowed.get(group), joined.get(group)) << group;
    EXPECT_TRUE(lost.tiles.contains(3) && lost.tiles.contains(90));
    // It holds where both tiles are there and every group keeps within it.
    TileSet present;
    for (const int16_t tile : {3, 90, 100}) present.insert(tile);
    const PairingBits inside = allBut({{5, 0b001}, {7, 0b010}, {30, 0b100}});
    EXPECT_TRUE(lost.holdsIn(present, inside));
    EXPECT_FALSE(lost.holdsIn(present, allBut({{5, 0b001}, {7, 0b011}, {30, 0b100}})));
    present.erase(90);
    EXPECT_FALSE(lost.holdsIn(present, inside));
}

}  // namespace
}  // namespace varnel
