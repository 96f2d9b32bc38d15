#include <algorithm>
#include <utility>

#include "board/Deal.h"
#include "play/Game.h"
#include "play/PairSearch.h"

// The solver's help to the player: deals and shuffles that can be won, and the warning of a pair
// that loses the game. The solver works on a thread of its own (SolverAssist); each answer comes
// back through the window's thread and counts only if the position it is about is still on
// the table.
namespace varnel {

namespace {

const char kLosingPairNote[] = "Lost: this game can no longer be won. Undo takes the last pair back.";
const char kLostNote[] = "Lost: this game can no longer be won.";
// A deal or arrangement no order of play clears: there was never a winning pair to miss.
const char kNeverWinnableNote[] = "This game cannot be won, whatever is played.";
const char kNoWinnableShuffleNote[] =
    "No arrangement of the tiles left could be proven winnable; they were shuffled as usual.";

// The same two tiles, in either order.
bool samePair(const TilePair& pair, int16_t a, int16_t b) {
    return std::minmax(pair.first, pair.second) == std::minmax(a, b);
}

}  // namespace

void Game::setSolverOptions(const SolverOptions& options) {
    const bool wasWarning = solverOptions_.warnLosingMove;
    solverOptions_ = options;
    if (options.warnLosingMove && !wasWarning) {
        checkPosition(false);
    } else if (!options.warnLosingMove && wasWarning) {
        ++serial_;  // a check in hand no longer counts
        view_.showSolverNote("");
    }
}

void Game::stopWaiting() {
    if (waiting_ == Waiting::Nothing) return;
    waiting_ = Waiting::Nothing;
    assist_.cancel();
    view_.setBusy(false);
}

// ---- Deals and shuffles that can be won ----

// The game on the table stays, its board waiting, until the deal is found; then it is put away
// and the new deal laid out as any other.
void Game::dealWinnable(int16_t layout) {
    const uint64_t serial = ++serial_;
    waiting_ = Waiting::Deal;
    view_.setBusy(true);
    reportAvailability();
    assist_.findWinnableDeal(serial, findLayout(layout)->rules, newDealNumber(), kLastDealNumber,
                             [this, layout](uint64_t answered, uint32_t number) {
                                 if (answered != serial_ || waiting_ != Waiting::Deal) return;
                                 stopWaiting();
                                 putAway();  // under the layout it was played in
                                 layout_ = layout;
                                 deal(number);
                             });
}

void Game::shuffleWinnable(bool fromPanel) {
    sequence_.endIf(TimedSequence::Kind::Hint);
    undoAvailable_ = false;  // no undo across a shuffle
    const uint64_t serial = ++serial_;
    waiting_ = Waiting::Arrangement;
    view_.setBusy(true);
    reportAvailability();
    assist_.arrangeWinnable(serial, board_, layoutRow().rules, seeds_(),
                            [this, fromPanel](uint64_t answered, std::optional<Board> arranged) {
                                if (answered != serial_ || waiting_ != Waiting::Arrangement) return;
                                stopWaiting();
                                if (arranged) {
                                    board_ = *arranged;
                                    view_.redrawBoard();
                                } else {
                                    shuffleTiles();
                                }
                                positionChanged(Change::Fresh);
                                if (!arranged) view_.showSolverNote(kNoWinnableShuffleNote);
                                // The stuck game's panel: the board opens again unless these
                                // faces are stuck too.
                                if (fromPanel) checkGameEnd();
                                undoAvailable_ = false;
                                reportAvailability();
                            });
}

// ---- The warning of a losing pair ----

void Game::positionChanged(Change change, int16_t first, int16_t second) {
    ++serial_;
    const auto lookedAhead = std::exchange(lookedAhead_, {});
    switch (change) {
        case Change::Fresh:
            knownNow_ = knownBefore_ = Known();
            winnableSeen_ = lostTold_ = false;
            break;
        case Change::Pair: {
            knownBefore_ = knownNow_;
            knownNow_ = Known();
            // Taking a pair never blocks another, so a winning line that holds the pair taken
            // still wins without it.
            std::vector<TilePair> line = knownBefore_.line;
            const auto taken =
                std::find_if(line.begin(), line.end(), [&](const TilePair& pair) { return samePair(pair, first, second); });
            if (knownBefore_.verdict == Verdict::Winnable && taken != line.end()) {
                line.erase(taken);
                knownNow_ = {Verdict::Winnable, std::move(line)};
            } else if (knownBefore_.verdict == Verdict::NotWinnable) {
                // A pair that won from here would have won from there too.
                knownNow_ = {Verdict::NotWinnable, {}};
            } else {
                for (const auto& [ahead, known] : lookedAhead)
                    if (samePair(ahead, first, second)) knownNow_ = known;
            }
            break;
        }
        case Change::Undo:
            knownNow_ = knownBefore_;
            knownBefore_ = Known();
            break;
    }
    if (!solverOptions_.warnLosingMove) return;
    view_.showSolverNote("");
    checkPosition(change == Change::Pair);
}

void Game::checkPosition(bool afterPair) {
    if (!solverOptions_.warnLosingMove || waiting_ != Waiting::Nothing) return;
    // A board won or without a pair ends the game by itself.
    if (board_.tilesLeft() == 0 || countPairs() == 0) return;
    if (knownNow_.verdict) {
        tellVerdict();
        return;
    }
    const uint64_t serial = serial_;
    // The position before the pair matters only if this one is lost; it is looked at then.
    std::optional<Board> before;
    if (afterPair && !knownBefore_.verdict) before = undoBoard_;
    assist_.check(serial, board_, before, layoutRow().rules,
                  [this](uint64_t answered, const SolverAssist::Check& check) {
                      if (answered != serial_) return;
                      knownNow_ = {check.now.verdict, check.now.moves};
                      if (check.before) knownBefore_.verdict = check.before;
                      tellVerdict();
                  });
}

// Undo is one step deep, so the warning comes at the pair that loses the game, while Undo can
// still take it back. A game lost all along is said to be so once; a game lost a pair ago,
// whose Undo comes too late, likewise.
void Game::tellVerdict() {
    if (knownBefore_.verdict == Verdict::Winnable) winnableSeen_ = true;
    if (knownNow_.verdict == Verdict::Winnable) {
        winnableSeen_ = true;
        lookAhead();
        return;
    }
    if (knownNow_.verdict != Verdict::NotWinnable) return;
    // Only a pair leaves the position before it known (Undo and a new board forget it), and
    // after a pair that does not end the game, Undo is on: the note may say so even when the
    // verdict is known before the game has turned Undo on.
    if (knownBefore_.verdict == Verdict::Winnable) {
        lostTold_ = true;
        view_.showSolverNote(kLosingPairNote);
        return;
    }
    if (lostTold_) return;
    lostTold_ = true;
    view_.showSolverNote(winnableSeen_ ? kLostNote : kNeverWinnableNote);
}

// Each pair the player may take next, but those of the winning line (which keep the game
// winnable), is looked at on the solver's thread while the player thinks.
void Game::lookAhead() {
    std::vector<TilePair> pairs;
    for (const TilePair& pair : removablePairs(board_, layoutRow().rules)) {
        const bool onTheLine = std::any_of(knownNow_.line.begin(), knownNow_.line.end(),
                                           [&](const TilePair& p) { return samePair(p, pair.first, pair.second); });
        if (!onTheLine) pairs.push_back(pair);
    }
    if (pairs.empty()) return;
    assist_.lookAhead(serial_, board_, std::move(pairs), layoutRow().rules,
                      [this](uint64_t answered, TilePair pair, const SolveResult& after) {
                          // A pair the solver could not decide is checked on its own if taken.
                          if (answered == serial_ && after.verdict != Verdict::Unknown)
                              lookedAhead_.push_back({pair, {after.verdict, after.moves}});
                      });
}

std::optional<std::pair<int16_t, int16_t>> Game::winningHint() const {
    if (!solverOptions_.warnLosingMove || knownNow_.verdict != Verdict::Winnable || knownNow_.line.empty())
        return std::nullopt;
    // The pairs of the line go in any order that the rules allow; the first free one is shown.
    for (const auto& [a, b] : knownNow_.line) {
        if (varnel::isRemovablePair(board_, layoutRow().rules, a, b)) return std::pair{std::min(a, b), std::max(a, b)};
    }
    return std::nullopt;
}

}  // namespace varnel
