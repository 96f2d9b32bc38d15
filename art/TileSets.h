#pragma once

#include <QPainter>
#include <array>

namespace varnel::art {

// Draws the picture of one face. The painter's unit is one pixel of the face, which is
// kFaceWidth x kFaceHeight (39 x 50) with its top-left corner at the origin; it is clipped to
// the face inside its rim.
using FacePainter = void (*)(QPainter& painter, int face);

void paintTraditionalFace(QPainter& painter, int face);
void paintAlphabetFace(QPainter& painter, int face);
void paintFlowerFace(QPainter& painter, int face);
void paintEgyptianFace(QPainter& painter, int face);
void paintCrawlerFace(QPainter& painter, int face);

struct TileSet {
    const char* fileName;  // under sheets/
    const char* name;      // as the Tiles menu shows it, without the access key
    FacePainter paintFace;
};

inline constexpr int kTileSetCount = 5;

// The five built-in sets in the order of the Tiles menu.
const std::array<TileSet, kTileSetCount>& builtInTileSets();

}  // namespace varnel::art
