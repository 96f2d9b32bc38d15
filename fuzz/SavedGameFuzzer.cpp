// Feeds arbitrary bytes to the saved-game checker. Whatever it is given, it must not crash, must
// give a reason for every refusal, and must take from an accepted file exactly what it says.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "SavedGameFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const std::byte> bytes(reinterpret_cast<const std::byte*>(data), size);
    const varnel::ReadResult result = varnel::CheckSavedGame(bytes);
    if (!result) {
        if (result.reason.empty()) std::abort();
        return 0;
    }

    // A game laid over a full table must touch nothing past its own tiles, and written back it
    // must give the very bytes it was read from.
    varnel::GameState state;
    for (auto& tile : state.Tiles) tile = varnel::TileRec{varnel::kTrue, 1, 2, 3, 4, 5};
    varnel::ApplySavedGame(*result.game, state);
    for (int i = state.TileCount; i < varnel::kTableSize; ++i) {
        if (state.Tiles[i] != varnel::TileRec{varnel::kTrue, 1, 2, 3, 4, 5}) std::abort();
    }
    const std::vector<std::byte> again = varnel::EncodeSavedGame(state);
    if (again.empty() || again.size() > size) std::abort();
    for (std::size_t i = 0; i < again.size(); ++i) {
        if (again[i] != bytes[i]) std::abort();
    }
    return 0;
}
