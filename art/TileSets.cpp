#include "TileSets.h"

namespace varnel::art {

const std::array<TileSet, 5>& BuiltInTileSets() {
    static const std::array<TileSet, 5> sets{{
        {"traditional.bmp", "Traditional", &PaintTraditionalFace},
        {"alphabet.bmp", "Alphabet", &PaintAlphabetFace},
        {"flower-power.bmp", "Flower Power", &PaintFlowerFace},
        {"egyptian.bmp", "Egyptian", &PaintEgyptianFace},
        {"creepy-crawlers.bmp", "Creepy Crawlers", &PaintCrawlerFace},
    }};
    return sets;
}

}  // namespace varnel::art
