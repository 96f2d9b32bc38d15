#include "solver/HeldTiles.h"

namespace varnel {

void findHeldTiles(const Board& board, const TileSet& present, const SolverRules& rules, HeldTiles& held) {
    TileSet blocked;  // present tiles not free yet: the only ones anything can hold
    present.forEach([&](int16_t tile) {
        if (!board[tile].free) blocked.insert(tile);
    });
    for (auto& set : held) set = TileSet();
    if (blocked.empty()) return;
    present.forEach([&](int16_t x) {
        // Take every tile but x and those found held so far; what is still not free is held
        // too, since it could not have been taken. Repeat until nothing more is found.
        TileSet staying;
        staying.insert(x);
        for (;;) {
            Board rest = board;
            present.forEach([&](int16_t tile) {
                if (!staying.contains(tile)) rules.takeOne(rest, tile);
            });
            bool grew = false;
            blocked.forEach([&](int16_t tile) {
                if (!rest[tile].free && !staying.contains(tile)) {
                    staying.insert(tile);
                    grew = true;
                }
            });
            if (!grew) break;
        }
        staying.erase(x);
        held[static_cast<std::size_t>(x)] = staying;
    });
}

}  // namespace varnel
