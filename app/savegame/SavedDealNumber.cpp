#include "app/savegame/SavedDealNumber.h"

#include <fstream>
#include <sstream>
#include <system_error>

#include "app/savegame/SavedGameFormat.h"

namespace varnel {
namespace {

// FNV-1a over the saved game's own bytes: enough to tell one game from another.
uint64_t fingerprint(int16_t layout, const Board& board) {
    uint64_t hash = 1469598103934665603ull;
    for (const std::byte b : encodeSavedGame(layout, board)) {
        hash ^= static_cast<uint64_t>(b);
        hash *= 1099511628211ull;
    }
    return hash;
}

constexpr std::uintmax_t kLargestNoteBytes = 256;

}  // namespace

std::filesystem::path dealNumberPathFor(const std::filesystem::path& savedGame) {
    return std::filesystem::path(savedGame).concat(".deal");
}

std::string keepDealNumber(const std::filesystem::path& savedGame, int16_t layout, const Board& board,
                           std::optional<uint32_t> dealNumber) {
    const std::filesystem::path path = dealNumberPathFor(savedGame);
    std::error_code error;
    if (!dealNumber) {
        std::filesystem::remove(path, error);
        return {};
    }
    // Written beside and renamed over, so that a note is whole or absent.
    const std::filesystem::path temporary = std::filesystem::path(path).concat(".tmp");
    {
        std::ofstream out(temporary, std::ios::trunc);
        out << "deal " << *dealNumber << " game " << std::hex << fingerprint(layout, board) << '\n';
        if (!out.flush()) return "the deal number could not be written";
    }
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return "the deal number could not be written";
    }
    return {};
}

std::optional<uint32_t> keptDealNumber(const std::filesystem::path& savedGame, int16_t layout,
                                       const Board& board) {
    const std::filesystem::path path = dealNumberPathFor(savedGame);
    std::error_code error;
    // Only a small ordinary file is read: never a pipe, a folder or a device.
    if (!std::filesystem::is_regular_file(path, error) ||
        std::filesystem::file_size(path, error) > kLargestNoteBytes || error)
        return std::nullopt;
    std::ifstream in(path);
    std::string dealWord, gameWord;
    uint32_t number = 0;
    uint64_t game = 0;
    if (!(in >> dealWord >> number >> gameWord >> std::hex >> game) || dealWord != "deal" ||
        gameWord != "game" || number == 0)
        return std::nullopt;
    if (game != fingerprint(layout, board)) return std::nullopt;
    return number;
}

}  // namespace varnel
