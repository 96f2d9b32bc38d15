#include "art/FaceNames.h"

#include <array>

#include "art/TileSets.h"

namespace varnel::art {
namespace {

using Names = std::array<const char*, 36>;

// Dots, bamboo and characters 1 to 9, the winds, the dragons, the flower and the season.
constexpr Names kTraditional{
    "Dots 1",       "Dots 2",       "Dots 3",       "Dots 4",        "Dots 5",
    "Dots 6",       "Dots 7",       "Dots 8",       "Dots 9",        "Bamboo 1",
    "Bamboo 2",     "Bamboo 3",     "Bamboo 4",     "Bamboo 5",      "Bamboo 6",
    "Bamboo 7",     "Bamboo 8",     "Bamboo 9",     "Characters 1",  "Characters 2",
    "Characters 3", "Characters 4", "Characters 5", "Characters 6",  "Characters 7",
    "Characters 8", "Characters 9", "East Wind",    "South Wind",    "West Wind",
    "North Wind",   "Red Dragon",   "Green Dragon", "White Dragon",  "Plum Blossom",
    "Snowflake",
};

// The capitals, then the digits on their badges.
constexpr Names kAlphabet{
    "Letter A", "Letter B", "Letter C", "Letter D", "Letter E", "Letter F", "Letter G",
    "Letter H", "Letter I", "Letter J", "Letter K", "Letter L", "Letter M", "Letter N",
    "Letter O", "Letter P", "Letter Q", "Letter R", "Letter S", "Letter T", "Letter U",
    "Letter V", "Letter W", "Letter X", "Letter Y", "Letter Z", "Digit 0",  "Digit 1",
    "Digit 2",  "Digit 3",  "Digit 4",  "Digit 5",  "Digit 6",  "Digit 7",  "Digit 8",
    "Digit 9",
};

constexpr Names kFlowers{
    "Sunflower",      "Tulip",         "Daisy",          "Bluebell",  "Rose",
    "Lavender",       "Daffodil",      "Poppy",          "Forget-me-not", "Lily",
    "Morning Glory",  "Lily of the Valley", "Pansy",     "Cherry Blossom", "Bird of Paradise",
    "Iris",           "Hibiscus",      "Thistle",        "Carnation", "Hydrangea",
    "Water Lily",     "Crocus",        "Cornflower",     "Snowdrop",  "Passionflower",
    "Foxglove",       "Buttercup",     "Orchid",         "Cosmos",    "Chrysanthemum",
    "Dandelion",      "Marigold",      "Cactus Flower",  "Fuchsia",   "Bleeding Heart",
    "Allium",
};

constexpr Names kEgyptian{
    "Ankh",          "Eye of Horus",  "Scarab",       "Pyramids",      "Sphinx",
    "Upright Cartouche", "Obelisk",   "Lotus",        "Cat",           "Ibis",
    "Falcon",        "Cobra",         "Pharaoh",      "Winged Sun",    "Djed Pillar",
    "Crook and Flail", "Feather",     "Canopic Jar",  "Sun Boat",      "Palm Tree",
    "Jackal",        "Papyrus",       "Hippo",        "Water",         "Sistrum",
    "Shen Ring",     "Was Sceptre",   "Camel",        "Double Crown",  "Owl",
    "Lying Cartouche", "Column",      "Sun Disc",     "Fish",          "Scales",
    "Mummy",
};

constexpr Names kCrawlers{
    "Ladybird",      "Spider",        "Snail",        "Ant",           "Butterfly",
    "Earthworm",     "Bee",           "Dragonfly",    "Caterpillar",   "Scorpion",
    "Centipede",     "Stag Beetle",   "House Fly",    "Grasshopper",   "Moth",
    "Mosquito",      "Slug",          "Woodlouse",    "Mantis",        "Gecko",
    "Firefly",       "Wasp",          "Millipede",    "Cockroach",     "Water Strider",
    "Cicada",        "Weevil",        "Crab",         "Stick Insect",  "Earwig",
    "Cricket",       "Silverfish",    "Inchworm",     "Jewel Beetle",  "Jumping Spider",
    "Grub",
};

// In the order of builtInTileSets().
constexpr std::array<const Names*, kTileSetCount> kSets{&kTraditional, &kAlphabet, &kFlowers,
                                                        &kEgyptian, &kCrawlers};

}  // namespace

const char* faceName(int tileSet, int face) {
    if (tileSet < 0 || tileSet >= kTileSetCount || face < 0 || face >= 36) return nullptr;
    return (*kSets[static_cast<std::size_t>(tileSet)])[static_cast<std::size_t>(face)];
}

}  // namespace varnel::art
