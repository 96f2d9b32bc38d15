#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "board/Board.h"

// The bytes of "varnel.sav" and the checks a saved game must pass before it may replace the
// game in progress. The file is flat little-endian 16-bit integers: CurrentLayout, TileCount,
// TilesLeft, then Free and Face of each tile 0..TileCount - 1.
namespace varnel {

constexpr std::size_t kSavedGameHeaderBytes = 6;
constexpr std::size_t kSavedGameTileBytes = 4;
// The longest game the file can hold: Dragon, 582 bytes. Nothing beyond it is ever read.
constexpr std::size_t kLargestSavedGameBytes = kSavedGameHeaderBytes + kSavedGameTileBytes * kMaxTiles;

constexpr std::size_t savedGameBytes(int16_t tileCount) {
    return kSavedGameHeaderBytes + kSavedGameTileBytes * static_cast<std::size_t>(tileCount);
}

// Why a file was not taken as a saved game.
enum class Refusal {
    Missing,            // there is no file
    Unreadable,         // the file is there but could not be read
    TooShort,           // not even the three counters
    UnknownLayout,      // CurrentLayout outside 0..2
    WrongTileCount,     // TileCount is not the layout's
    Truncated,          // shorter than its tiles need
    BadFlag,            // a Free flag other than -1 or 0
    BadFace,            // a face outside -1..35
    FaceOutsideDeck,    // a face the layout never deals
    TooManyOfFace,      // more than four tiles of one face
    UnpairedFace,       // an odd number of tiles of one face left
    TilesLeftMismatch,  // TilesLeft disagrees with the tiles present
};

struct ReadResult;

// A saved game that has passed every check. Only the checker makes one, so whatever is applied
// to the game in progress has been checked as a whole.
class SavedGame {
  public:
    int16_t layout() const { return layout_; }
    // The free flags and faces as saved; the game marks its layout's first free tiles itself.
    const Board& board() const { return board_; }

  private:
    friend ReadResult checkSavedGame(std::span<const std::byte> bytes);
    SavedGame(int16_t layout, Board board) : layout_(layout), board_(std::move(board)) {}

    int16_t layout_;
    Board board_;
};

// Either a checked game, or the refusal and a reason to show the player.
struct ReadResult {
    std::optional<SavedGame> game;
    Refusal refusal = Refusal::Missing;  // meaningful only without a game
    std::string reason;                  // "" with a game

    explicit operator bool() const { return game.has_value(); }
};

// Reads and checks a saved game from the bytes of a file. Bytes after the game are ignored.
ReadResult checkSavedGame(std::span<const std::byte> bytes);

// The bytes of a game in progress: its layout, tile count and tiles left, then Free and Face of
// each tile.
std::vector<std::byte> encodeSavedGame(int16_t layout, const Board& board);

}  // namespace varnel
