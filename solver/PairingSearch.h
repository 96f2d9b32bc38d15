#pragma once

#include <array>
#include <bitset>
#include <optional>
#include <cstdint>
#include <vector>

#include "board/Board.h"
#include "solver/FaceGroups.h"
#include "solver/HeldTiles.h"
#include "solver/LostPatterns.h"
#include "solver/OptimisticPlay.h"
#include "solver/PackedPlay.h"
#include "solver/SearchLimits.h"
#include "solver/Solver.h"
#include "solver/SolverRules.h"
#include "solver/TileSet.h"

namespace varnel {

// The search behind solve(). Taking a pair never blocks another, so once it is settled which
// tiles of each face go together, playing every settled pair as soon as it is free decides the
// board. The search therefore settles the pairings of the faces, one choice at a time: the
// group most often found among the causes of failure, groups down to two pairings first, on
// each of its pairings in turn; when no group is to blame yet, a pair free now, taken or ruled
// out. Between choices it plays every pair that is settled or safe, rules out the pairings of
// the most blamed groups with which the looser game of OptimisticPlay fails, and gives a
// position up when that game cannot clear it at all.
//
// Every loss leaves a pattern (LostPatterns): the tiles and pairings that lose, whatever else
// lies on the board. A position's pattern is made from its children's, so that a choice that
// played no part in a loss is not tried the other ways (the search jumps back past it), and the
// patterns learnt rule out pairings in positions met later. Now and then the search starts
// again from the root, keeping the blame and the patterns.
class PairingSearch {
  public:
    PairingSearch(const Board& board, const SolverRules& rules, const FaceGroups& groups,
                  SearchLimits& limits);
    // Winnable with the pairs in `moves`, NotWinnable, or Unknown when the budget ran out or
    // `maxNodes` more positions were looked at.
    Verdict run(std::vector<TilePair>& moves, uint64_t maxNodes = UINT64_MAX);

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

    // A pairing ruled out at a position, and the pattern of reasons_ that rules it out.
    struct Removal {
        int group;
        uint8_t pairings;
        int reason;
    };
    // On Lost, `why` is a pattern that holds in the position as it came in.
    Outcome search(Position& position, Proofs proofs, GroupSet narrowed, LostPattern& why);
    bool stillProves(const Seen& seen, const Position& position, const GroupSet& narrowed, int trialGroup) const;
    bool sawPairing(const Seen& seen, const Position& position, int group, int pairing) const;
    int keep(const Seen& seen);
    // Plays every pair the choices so far settle, and every safe one; false, with the group in
    // `emptyGroup`, when a group has no pairing left.
    bool playSettled(Position& position, int& emptyGroup);
    // Rules out the pairings that learnt patterns or the looser game of OptimisticPlay show
    // hopeless, noting each in `removals`, and proves the position and each pairing still open
    // not hopeless by that game, reusing kept plays where they still hold. False, with a pattern
    // that holds, when the position is lost.
    bool ruleOutHopeless(Position& position, Proofs& proofs, GroupSet& narrowed, bool& narrowedNow,
                         std::vector<Removal>& removals, LostPattern& why);
    bool applyPatterns(Position& position, GroupSet& narrowed, bool& narrowedNow, std::vector<Removal>& removals,
                       LostPattern& why);
    void ruleOut(Position& position, int group, uint8_t pairings, const LostPattern& reason,
                 std::vector<Removal>& removals);
    // The patterns of a lost looser game, of a group left with no pairing, and of a whole position.
    LostPattern stuckPattern(const TileSet& stuck, const std::array<uint8_t, kMaxGroups>& allowed) const;
    LostPattern emptyGroupPattern(const Position& position, int group) const;
    LostPattern wholePattern(const Position& position) const;
    // Turns a pattern that holds after the removals from `first` on into one that holds before
    // them, by adding back each removal it leans on together with that removal's reason.
    void lift(LostPattern& why, const std::vector<Removal>& removals, std::size_t first) const;
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
    // The blame below which a group gets no trials at this position.
    double trialThreshold(const Position& position) const;
    // Settles every open group on the pairing its tiles went along with in the looser game's
    // play, and plays that out by the real rules: often a win straight away.
    bool playOut(const Position& position, const Seen& seen);
    bool clears(const Position& position, const std::array<uint8_t, kMaxGroups>& allowed);

    const SolverRules& rules_;
    const FaceGroups& groups_;
    SearchLimits& limits_;
    Position root_;
    HeldTiles held_;
    // The patterns of the positions found lost, kept across restarts, and the reasons for the
    // removals of the positions on the current path. A failed trial's pattern serves as a reason
    // only: kept too, the many of them would crowd out the positions' own.
    LostPatterns patterns_;
    std::vector<LostPattern> reasons_;
    std::vector<TilePair> moves_;
    std::vector<Seen> kept_;
    // The looser game on bits where the layout allows it.
    std::optional<PackedPlay> packed_;
    PackedPlay::Start packedStart_;
    OptimisticTrace trace_;
    // How often each group was among the tiles that could not be taken when a position was
    // found lost: the groups that decide a board are chosen first.
    std::array<double, kMaxGroups> blameOf_{};
    double blameStep_ = 1.0;
    static constexpr uint64_t kFirstRun = 200;
    // How many of the most blamed groups get trials at each position: more prune little more
    // and cost a play each.
    static constexpr int kMaxTrialGroups = 16;
    // How much more a group with two pairings left counts when choosing what to branch on.
    static constexpr double kTwoWayBonus = 10.0;
    uint64_t restartAt_ = 0;
    uint64_t stopAt_ = UINT64_MAX;  // the node count at which the search starts again from the root
};

}  // namespace varnel
