#include "app/savegame/SavedGameFormat.h"

#include <array>

#include "play/LayoutTable.h"

namespace varnel {
namespace {

constexpr int16_t kHighestFace = kFaceCount - 1;
// The file keeps its flags as 16-bit numbers: -1 for a free tile, 0 for a blocked one, and a
// face of -1 for a tile taken.
constexpr int16_t kFileFree = -1, kFileBlocked = 0, kFileNoFace = -1;

int16_t readInt16(std::span<const std::byte> bytes, std::size_t offset) {
    const auto low = static_cast<uint16_t>(bytes[offset]);
    const auto high = static_cast<uint16_t>(bytes[offset + 1]);
    return static_cast<int16_t>(static_cast<uint16_t>(low | (high << 8)));
}

void appendInt16(std::vector<std::byte>& bytes, int16_t value) {
    const auto bits = static_cast<uint16_t>(value);
    bytes.push_back(static_cast<std::byte>(bits & 0xFF));
    bytes.push_back(static_cast<std::byte>(bits >> 8));
}

ReadResult refuse(Refusal refusal, std::string reason) {
    ReadResult result;
    result.refusal = refusal;
    result.reason = std::move(reason);
    return result;
}

std::string tileName(std::size_t index) {
    return "tile " + std::to_string(index + 1);
}

}  // namespace

ReadResult checkSavedGame(std::span<const std::byte> bytes) {
    if (bytes.empty()) return refuse(Refusal::TooShort, "the file is empty");
    if (bytes.size() < kSavedGameHeaderBytes)
        return refuse(Refusal::TooShort, "the file is too short to hold a saved game");

    const int16_t layout = readInt16(bytes, 0);
    const int16_t tileCount = readInt16(bytes, 2);
    const int16_t tilesLeft = readInt16(bytes, 4);
    const LayoutRow* row = findLayout(layout);
    if (!row)
        return refuse(Refusal::UnknownLayout, "it names a layout this game does not have (number " +
                                                  std::to_string(layout) + ")");
    const int16_t layoutTiles = row->tileCount();
    const std::string layoutName = row->name;
    if (tileCount != layoutTiles)
        return refuse(Refusal::WrongTileCount, "it claims " + std::to_string(tileCount) +
                                                   " tiles, but a " + layoutName + " game has " +
                                                   std::to_string(layoutTiles));
    const std::size_t needed = savedGameBytes(tileCount);
    if (bytes.size() < needed)
        return refuse(Refusal::Truncated, "the file is cut short: a " + layoutName +
                                              " game takes " + std::to_string(needed) +
                                              " bytes, the file has only " +
                                              std::to_string(bytes.size()));

    // The layout deals faces 0 to this one, four of each.
    const int16_t highestDealt = static_cast<int16_t>(row->facesDealt() - 1);
    Board board(tileCount);
    std::array<int, kHighestFace + 1> facesPresent{};
    int present = 0;
    for (int16_t i = 0; i < tileCount; ++i) {
        const std::size_t offset = kSavedGameHeaderBytes + kSavedGameTileBytes * static_cast<std::size_t>(i);
        const int16_t free = readInt16(bytes, offset);
        const int16_t face = readInt16(bytes, offset + 2);
        const auto index = static_cast<std::size_t>(i);
        if (free != kFileFree && free != kFileBlocked)
            return refuse(Refusal::BadFlag, tileName(index) + " is marked neither free nor blocked (" +
                                                std::to_string(free) + ")");
        if (face < kFileNoFace || face > kHighestFace)
            return refuse(Refusal::BadFace, tileName(index) + " shows face " +
                                                std::to_string(face) +
                                                ", but the faces run from 0 to 35");
        if (face > highestDealt)
            return refuse(Refusal::FaceOutsideDeck,
                          tileName(index) + " shows face " + std::to_string(face) + ", which a " +
                              layoutName + " game never deals (it uses faces 0 to " +
                              std::to_string(highestDealt) + ")");
        board.setFree(i, free == kFileFree);
        if (face == kFileNoFace) continue;
        board.setFace(i, static_cast<int8_t>(face));
        ++present;
        if (++facesPresent[static_cast<std::size_t>(face)] > kTilesPerFace)
            return refuse(Refusal::TooManyOfFace,
                          "face " + std::to_string(face) + " lies on more than four tiles");
    }
    // Pairs leave the board together, so every face is left an even number of times.
    for (std::size_t face = 0; face < facesPresent.size(); ++face) {
        if (facesPresent[face] % 2 != 0)
            return refuse(Refusal::UnpairedFace, "face " + std::to_string(face) + " is left on " +
                                                     std::to_string(facesPresent[face]) +
                                                     " tiles, but tiles leave the board in pairs");
    }
    if (tilesLeft != present)
        return refuse(Refusal::TilesLeftMismatch,
                      "it counts " + std::to_string(tilesLeft) + " tiles left, but " +
                          std::to_string(present) + " tiles lie on the board");

    ReadResult result;
    result.game = SavedGame(layout, std::move(board));
    return result;
}

std::vector<std::byte> encodeSavedGame(int16_t layout, const Board& board) {
    std::vector<std::byte> bytes;
    bytes.reserve(savedGameBytes(board.tileCount()));
    appendInt16(bytes, layout);
    appendInt16(bytes, board.tileCount());
    appendInt16(bytes, board.tilesLeft());
    for (const Tile& tile : board.tiles()) {
        appendInt16(bytes, tile.free ? kFileFree : kFileBlocked);
        appendInt16(bytes, tile.present() ? tile.face : kFileNoFace);
    }
    return bytes;
}

}  // namespace varnel
