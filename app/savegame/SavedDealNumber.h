#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

#include "board/Board.h"

// The deal number of the saved game. The saved game's own file has room for none and is read by
// older versions too, so the number is kept beside it, in "varnel.sav.deal", with a check of
// the game it belongs to: a number left beside another game (saved by an older version, say)
// is ignored, and a saved game without one restores as it always did.
namespace varnel {

std::filesystem::path dealNumberPathFor(const std::filesystem::path& savedGame);

// Keeps the number for the game just saved at savedGame; with no number, removes an old one.
// Returns "" or why not; the save itself stands either way.
std::string keepDealNumber(const std::filesystem::path& savedGame, int16_t layout, const Board& board,
                           std::optional<uint32_t> dealNumber);
// The number kept for this game, if the one beside it belongs to it.
std::optional<uint32_t> keptDealNumber(const std::filesystem::path& savedGame, int16_t layout,
                                       const Board& board);

}  // namespace varnel
