#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <vector>

#include "board/Board.h"
#include "solver/FaceGroups.h"
#include "solver/HeldTiles.h"
#include "solver/LostPositions.h"
#include "solver/OptimisticPlay.h"
#include "solver/SearchLimits.h"
#include "solver/Solver.h"
#include "solver/SolverRules.h"
#include "solver/TileSet.h"

namespace varnel {

// The search behind solve(). Taking a pair never blocks another, so once it is settled which
// tiles of each face go together, playing every settled pair as soon as it is free decides the
// board. The search therefore settles the pairings of the faces, one choice at a time: the
// group most often found among the causes of failure, on each of its pairings in turn; when no
// group is to blame yet, a pair free now, taken or ruled out. Between choices it plays every
// pair that is settled or safe, rules out the pairings of blamed groups with which the looser
// game of OptimisticPlay fails, and gives a position up when that game cannot clear it at all.
// Now and then it starts again from the root, keeping the blame and the positions proved lost.
class PairingSearch {
  public:
    PairingSearch(const Board& board, const SolverRules& rules, const FaceGroups& groups,
                  SearchLimits& limits);
    // Winnable with the pairs in `moves`, NotWinnable, or Unknown when the budget ran out.
    Verdict run(std::vector<TilePair>& moves);

  private:
    struct Position {
        Board board;
        TileSet present;
        std::array<uint8_t, kMaxGroups> allowed{};  // bit p: pairing p may still be chosen
    };
    enum class Outcome { Won, Lost, Stopped, Restart };
    using GroupSet = std::bitset<kMaxGroups>;
    using Seen = std::array<uint8_t, kMaxTiles>;
    // The plays of the looser game that proved a position, or one of its pairings, not hopeless:
    // indexes into the stack of kept plays, -1 for none. A child inherits them; a kept play
    // still proves its case while every tile of the groups narrowed since saw an allowed pairing.
    struct Proofs {
        int base = -1;
        std::array<std::array<int, 3>, kMaxGroups> trial;
        Proofs() {
            for (auto& t : trial) t.fill(-1);
        }
    };

    Outcome search(Position& position, Proofs proofs, GroupSet narrowed);
    bool stillProves(const Seen& seen, const Position& position, const GroupSet& narrowed, int trialGroup) const;
    bool sawPairing(const Seen& seen, const Position& position, int group, int pairing) const;
    int keep(const Seen& seen);
    // Plays every pair the choices so far settle, and every safe one; false when a group has no
    // pairing left.
    bool playSettled(Position& position);
    // Proves the position and each pairing still open not hopeless by the looser game, reusing
    // kept plays where they still hold; rules out the pairings it fails with. False when the
    // position is lost.
    bool ruleOutHopeless(Position& position, Proofs& proofs, GroupSet& narrowed, bool& narrowedNow);
    bool pairFree(const Position& position, const FaceGroup& group, int slotA, int slotB) const;
    void takePair(Position& position, int16_t a, int16_t b);
    // The next choice: a group, and the pairings to try for it in turn, each child keeping
    // those of its mask.
    struct Choice {
        int group = -1;
        std::array<uint8_t, 3> masks{};
        int count = 0;
    };
    // Either every pairing of the group most to blame, or, when no group is to blame, a pair
    // free now: taking it or ruling it out. No choice when no allowed pair is free.
    Choice nextChoice(const Position& position, const Seen& seen) const;
    void blame(const OptimisticTrace& trace);
    // Settles every open group on the pairing its tiles went along with in the looser game's
    // play, and plays that out by the real rules: often a win straight away.
    bool playOut(const Position& position, const Seen& seen);

    const SolverRules& rules_;
    const FaceGroups& groups_;
    SearchLimits& limits_;
    Position root_;
    HeldTiles held_;
    LostPositions lost_;
    std::vector<TilePair> moves_;
    std::vector<Seen> kept_;
    OptimisticTrace trace_;
    // How often each group was among the tiles that could not be taken when a position was
    // found lost: the groups that decide a board are chosen first.
    std::array<double, kMaxGroups> blameOf_{};
    double blameStep_ = 1.0;
    static constexpr uint64_t kFirstRun = 200;
    uint64_t restartAt_ = 0;  // the node count at which the search starts again from the root
};

}  // namespace varnel
