#include "SavedGameFormat.h"

#include <array>

#include "LayoutTable.h"

namespace varnel {
namespace {

constexpr int16_t kHighestFace = kFaceCount - 1;

int16_t ReadInt16(std::span<const std::byte> bytes, std::size_t offset) {
    const auto low = static_cast<uint16_t>(bytes[offset]);
    const auto high = static_cast<uint16_t>(bytes[offset + 1]);
    return static_cast<int16_t>(static_cast<uint16_t>(low | (high << 8)));
}

void AppendInt16(std::vector<std::byte>& bytes, int16_t value) {
    const auto bits = static_cast<uint16_t>(value);
    bytes.push_back(static_cast<std::byte>(bits & 0xFF));
    bytes.push_back(static_cast<std::byte>(bits >> 8));
}

ReadResult Refuse(Refusal refusal, std::string reason) {
    ReadResult result;
    result.refusal = refusal;
    result.reason = std::move(reason);
    return result;
}

std::string TileName(std::size_t index) {
    return "tile " + std::to_string(index + 1);
}

}  // namespace

ReadResult CheckSavedGame(std::span<const std::byte> bytes) {
    if (bytes.empty()) return Refuse(Refusal::TooShort, "the file is empty");
    if (bytes.size() < kSavedGameHeaderBytes)
        return Refuse(Refusal::TooShort, "the file is too short to hold a saved game");

    const int16_t layout = ReadInt16(bytes, 0);
    const int16_t tileCount = ReadInt16(bytes, 2);
    const int16_t tilesLeft = ReadInt16(bytes, 4);
    const LayoutRow* row = FindLayout(layout);
    if (!row)
        return Refuse(Refusal::UnknownLayout, "it names a layout this game does not have (number " +
                                                  std::to_string(layout) + ")");
    const int16_t layoutTiles = row->tileCount;
    const std::string layoutName = row->name;
    if (tileCount != layoutTiles)
        return Refuse(Refusal::WrongTileCount, "it claims " + std::to_string(tileCount) +
                                                   " tiles, but a " + layoutName + " game has " +
                                                   std::to_string(layoutTiles));
    const std::size_t needed = SavedGameBytes(tileCount);
    if (bytes.size() < needed)
        return Refuse(Refusal::Truncated, "the file is cut short: a " + layoutName +
                                              " game takes " + std::to_string(needed) +
                                              " bytes, the file has only " +
                                              std::to_string(bytes.size()));

    // The layout deals faces 0 to this one, four of each.
    const int16_t highestDealt = static_cast<int16_t>(row->FacesDealt() - 1);
    std::vector<SavedTile> tiles(static_cast<std::size_t>(tileCount));
    std::array<int, kHighestFace + 1> facesPresent{};
    int present = 0;
    for (std::size_t i = 0; i < tiles.size(); ++i) {
        const std::size_t offset = kSavedGameHeaderBytes + kSavedGameTileBytes * i;
        SavedTile& tile = tiles[i];
        tile.Free = ReadInt16(bytes, offset);
        tile.Face = ReadInt16(bytes, offset + 2);
        if (tile.Free != kTrue && tile.Free != kFalse)
            return Refuse(Refusal::BadFlag, TileName(i) + " is marked neither free nor blocked (" +
                                                std::to_string(tile.Free) + ")");
        if (tile.Face < kNoFace || tile.Face > kHighestFace)
            return Refuse(Refusal::BadFace, TileName(i) + " shows face " +
                                                std::to_string(tile.Face) +
                                                ", but the faces run from 0 to 35");
        if (tile.Face > highestDealt)
            return Refuse(Refusal::FaceOutsideDeck,
                          TileName(i) + " shows face " + std::to_string(tile.Face) + ", which a " +
                              layoutName + " game never deals (it uses faces 0 to " +
                              std::to_string(highestDealt) + ")");
        if (tile.Face == kNoFace) continue;
        ++present;
        if (++facesPresent[static_cast<std::size_t>(tile.Face)] > kTilesPerFace)
            return Refuse(Refusal::TooManyOfFace,
                          "face " + std::to_string(tile.Face) + " lies on more than four tiles");
    }
    // Pairs leave the board together, so every face is left an even number of times.
    for (std::size_t face = 0; face < facesPresent.size(); ++face) {
        if (facesPresent[face] % 2 != 0)
            return Refuse(Refusal::UnpairedFace, "face " + std::to_string(face) + " is left on " +
                                                     std::to_string(facesPresent[face]) +
                                                     " tiles, but tiles leave the board in pairs");
    }
    if (tilesLeft != present)
        return Refuse(Refusal::TilesLeftMismatch,
                      "it counts " + std::to_string(tilesLeft) + " tiles left, but " +
                          std::to_string(present) + " tiles lie on the board");

    ReadResult result;
    result.game = SavedGame(layout, tilesLeft, std::move(tiles));
    return result;
}

std::vector<std::byte> EncodeSavedGame(const GameState& state) {
    std::vector<std::byte> bytes;
    if (state.TileCount < 0 || state.TileCount > kTableSize) return bytes;
    bytes.reserve(SavedGameBytes(state.TileCount));
    AppendInt16(bytes, state.CurrentLayout);
    AppendInt16(bytes, state.TileCount);
    AppendInt16(bytes, state.TilesLeft);
    for (int16_t i = 0; i < state.TileCount; ++i) {
        AppendInt16(bytes, state.Tiles[i].Free);
        AppendInt16(bytes, state.Tiles[i].Face);
    }
    return bytes;
}

}  // namespace varnel
