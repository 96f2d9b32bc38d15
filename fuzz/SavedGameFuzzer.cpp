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

    // An accepted game written back must give the very bytes it was read from.
    const varnel::SavedGame& game = *result.game;
    varnel::GameState state;
    state.CurrentLayout = game.CurrentLayout();
    state.TileCount = game.TileCount();
    state.TilesLeft = game.TilesLeft();
    for (std::size_t i = 0; i < game.Tiles().size(); ++i) {
        state.Tiles[i].Free = game.Tiles()[i].Free;
        state.Tiles[i].Face = game.Tiles()[i].Face;
    }
    const std::vector<std::byte> again = varnel::EncodeSavedGame(state);
    if (again.empty() || again.size() > size) std::abort();
    for (std::size_t i = 0; i < again.size(); ++i) {
        if (again[i] != bytes[i]) std::abort();
    }
    return 0;
}
