#include "art/TileSets.h"

namespace varnel::art {

const std::array<TileSet, kTileSetCount>& builtInTileSets() {
    static const std::array<TileSet, kTileSetCount> sets{{
        {"traditional.bmp", "Traditional", &paintTraditionalFace},
        {"alphabet.bmp", "Alphabet", &paintAlphabetFace},
        {"flower-power.bmp", "Flower Power", &paintFlowerFace},
        {"egyptian.bmp", "Egyptian", &paintEgyptianFace},
        {"creepy-crawlers.bmp", "Creepy Crawlers", &paintCrawlerFace},
    }};
    return sets;
}

}  // namespace varnel::art
