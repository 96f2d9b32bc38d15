// Feeds arbitrary bytes to the saved-game checker. Whatever it is given, it must not crash, must
// give a reason for every refusal, and must take from an accepted file exactly what it says.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "app/savegame/SavedGameFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const std::byte> bytes(reinterpret_cast<const std::byte*>(data), size);
    const varnel::ReadResult result = varnel::checkSavedGame(bytes);
    if (!result) {
        if (result.reason.empty()) std::abort();
        return 0;
    }

    // An accepted game written back must give the very bytes it was read from.
    const varnel::SavedGame& game = *result.game;
    const std::vector<std::byte> again = varnel::encodeSavedGame(game.layout(), game.board());
    if (again.empty() || again.size() > size) std::abort();
    for (std::size_t i = 0; i < again.size(); ++i) {
        if (again[i] != bytes[i]) std::abort();
    }
    return 0;
}
