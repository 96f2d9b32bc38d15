#include "solver/PairingSearch.h"

#include <bit>
#include <algorithm>

#include "solver/OptimisticPlay.h"

namespace varnel {

PairingSearch::PairingSearch(const Board& board, const SolverRules& rules, const FaceGroups& groups,
                             SearchLimits& limits)
    : rules_(rules), groups_(groups), limits_(limits) {
    root_.board = board;
    for (int16_t tile = 0; tile < board.tileCount(); ++tile) {
        if (board[tile].present()) root_.present.insert(tile);
    }
    findHeldTiles(board, root_.present, rules, held_);
    // A pairing that puts a tile with one it holds can never be played.
    auto holds = [this](int16_t a, int16_t b) {
        return held_[static_cast<std::size_t>(a)].contains(b) || held_[static_cast<std::size_t>(b)].contains(a);
    };
    for (int g = 0; g < groups.count(); ++g) {
        const FaceGroup& group = groups[g];
        uint8_t allowed = groups.allPairings(g);
        for (int p = 0; p < 3; ++p) {
            if (!(allowed >> p & 1)) continue;
            for (int s = 0; s < group.size; ++s) {
                const int partner = partnerSlot(s, p);
                if (partner < group.size && holds(group.tiles[static_cast<std::size_t>(s)],
                                                  group.tiles[static_cast<std::size_t>(partner)]))
                    allowed &= static_cast<uint8_t>(~(1u << p));
            }
        }
        root_.allowed[static_cast<std::size_t>(g)] = allowed;
    }
    if (PackedPlay::suits(rules)) packed_.emplace(groups, rules, root_.present);
}

bool PairingSearch::clears(const Position& position, const std::array<uint8_t, kMaxGroups>& allowed) {
    if (packed_) return packed_->clears(packedStart_, allowed, trace_);
    return optimisticallyClears(position.board, position.present, groups_, allowed, rules_, trace_);
}

Verdict PairingSearch::run(std::vector<TilePair>& moves, uint64_t maxNodes) {
    stopAt_ = maxNodes > UINT64_MAX - limits_.nodes() ? UINT64_MAX : limits_.nodes() + maxNodes;
    // A search that goes wrong near the root can take long to prove a whole wrong subtree lost.
    // Starting again with what it has learnt (which groups to blame, the positions lost) puts
    // the groups that matter at the top; the runs grow, so the search stays complete.
    uint64_t run = kFirstRun;
    Outcome outcome = Outcome::Restart;
    while (outcome == Outcome::Restart) {
        Position start = root_;
        GroupSet all;
        all.set();
        restartAt_ = limits_.nodes() + run;
        run = run + run / 2;
        moves_.clear();
        kept_.clear();
        reasons_.clear();
        LostPattern why;
        outcome = search(start, Proofs(), all, why);
    }
    if (outcome == Outcome::Won) {
        moves = moves_;
        return Verdict::Winnable;
    }
    moves.clear();
    return outcome == Outcome::Lost ? Verdict::NotWinnable : Verdict::Unknown;
}

bool PairingSearch::pairFree(const Position& position, const FaceGroup& group, int slotA, int slotB) const {
    const int16_t a = group.tiles[static_cast<std::size_t>(slotA)];
    const int16_t b = group.tiles[static_cast<std::size_t>(slotB)];
    return position.board[a].present() && position.board[b].present() &&
           rules_.removable(position.board, a, b);
}

void PairingSearch::takePair(Position& position, int16_t a, int16_t b) {
    rules_.take(position.board, a, b);
    position.present.erase(a);
    position.present.erase(b);
    moves_.emplace_back(a, b);
}

bool PairingSearch::playSettled(Position& position, int& emptyGroup) {
    for (bool progress = true; progress;) {
        progress = false;
        for (int g = 0; g < groups_.count(); ++g) {
            const FaceGroup& group = groups_[g];
            const uint8_t allowed = position.allowed[static_cast<std::size_t>(g)];
            int presentCount = 0;
            for (int s = 0; s < group.size; ++s)
                presentCount += position.board[group.tiles[static_cast<std::size_t>(s)]].present();
            if (presentCount == 0) continue;
            if (allowed == 0) {
                emptyGroup = g;
                return false;
            }
            if (pairingCount(allowed) == 1) {
                // Settled: each of its two pairs goes as soon as it is free.
                const int p = std::countr_zero(allowed);
                for (int s = 0; s < group.size; ++s) {
                    const int partner = partnerSlot(s, p);
                    if (partner > s && partner < group.size && pairFree(position, group, s, partner)) {
                        takePair(position, group.tiles[static_cast<std::size_t>(s)],
                                 group.tiles[static_cast<std::size_t>(partner)]);
                        progress = true;
                    }
                }
                continue;
            }
            // Not settled, but when both pairs of an allowed pairing are free now, taking all
            // four at once is safe: any win could take them first, since taking never blocks.
            for (int p = 0; p < 3; ++p) {
                if (!(allowed >> p & 1)) continue;
                const int other = partnerSlot(1, p) == 0 ? 2 : 1;
                if (pairFree(position, group, 0, p + 1) && pairFree(position, group, other, partnerSlot(other, p))) {
                    takePair(position, group.tiles[0], group.tiles[static_cast<std::size_t>(p + 1)]);
                    takePair(position, group.tiles[static_cast<std::size_t>(other)],
                             group.tiles[static_cast<std::size_t>(partnerSlot(other, p))]);
                    position.allowed[static_cast<std::size_t>(g)] = static_cast<uint8_t>(1u << p);
                    progress = true;
                    break;
                }
            }
        }
    }
    return true;
}

bool PairingSearch::stillProves(const Seen& seen, const Position& position, const GroupSet& narrowed,
                                int trialGroup) const {
    for (int g = 0; g < groups_.count(); ++g) {
        if (!narrowed[static_cast<std::size_t>(g)] || g == trialGroup) continue;
        const FaceGroup& group = groups_[g];
        const uint8_t allowed = position.allowed[static_cast<std::size_t>(g)];
        for (int s = 0; s < group.size; ++s) {
            const int16_t tile = group.tiles[static_cast<std::size_t>(s)];
            if (position.board[tile].present() && !(seen[static_cast<std::size_t>(tile)] & allowed)) return false;
        }
    }
    return true;
}

bool PairingSearch::sawPairing(const Seen& seen, const Position& position, int g, int pairing) const {
    const FaceGroup& group = groups_[g];
    for (int s = 0; s < group.size; ++s) {
        const int16_t tile = group.tiles[static_cast<std::size_t>(s)];
        if (position.board[tile].present() && !(seen[static_cast<std::size_t>(tile)] >> pairing & 1)) return false;
    }
    return true;
}

int PairingSearch::keep(const Seen& seen) {
    kept_.push_back(seen);
    return static_cast<int>(kept_.size()) - 1;
}

LostPattern PairingSearch::stuckPattern(const TileSet& stuck, const std::array<uint8_t, kMaxGroups>& allowed) const {
    LostPattern pattern;
    pattern.tiles = stuck;
    // Only the groups of the tiles left matter: the others went whatever their pairing.
    stuck.forEach([&](int16_t tile) {
        const int group = groups_.groupOf(tile);
        pattern.allowed.set(group, allowed[static_cast<std::size_t>(group)]);
    });
    return pattern;
}

LostPattern PairingSearch::emptyGroupPattern(const Position& position, int group) const {
    LostPattern pattern;
    const FaceGroup& g = groups_[group];
    for (int s = 0; s < g.size; ++s) {
        const int16_t tile = g.tiles[static_cast<std::size_t>(s)];
        if (position.present.contains(tile)) pattern.tiles.insert(tile);
    }
    pattern.allowed.set(group, 0);
    return pattern;
}

LostPattern PairingSearch::wholePattern(const Position& position) const {
    return stuckPattern(position.present, position.allowed);
}

void PairingSearch::lift(LostPattern& why, const std::vector<Removal>& removals, std::size_t first) const {
    for (std::size_t i = removals.size(); i-- > first;) {
        const Removal& removal = removals[i];
        if ((why.allowed.get(removal.group) & removal.pairings) == removal.pairings) continue;
        why.resolve(removal.group, reasons_[static_cast<std::size_t>(removal.reason)]);
    }
}

void PairingSearch::ruleOut(Position& position, int group, uint8_t pairings, const LostPattern& reason,
                            std::vector<Removal>& removals) {
    reasons_.push_back(reason);
    removals.push_back({group, pairings, static_cast<int>(reasons_.size()) - 1});
    position.allowed[static_cast<std::size_t>(group)] &= static_cast<uint8_t>(~pairings);
}

bool PairingSearch::applyPatterns(Position& position, GroupSet& narrowed, bool& narrowedNow,
                                  std::vector<Removal>& removals, LostPattern& why) {
    for (bool again = true; again;) {
        again = false;
        const PairingBits pairings = PairingBits::of(position.allowed);
        const int holding = patterns_.find(position.present, pairings);
        if (holding >= 0) {
            why = patterns_[holding];
            return true;
        }
        int emptied = -1;
        patterns_.forEachNearMiss(position.present, pairings, [&](int group, int index) {
            const LostPattern& pattern = patterns_[index];
            const uint8_t hopeless =
                static_cast<uint8_t>(position.allowed[static_cast<std::size_t>(group)] & pattern.allowed.get(group));
            if (!hopeless || emptied >= 0) return;
            ruleOut(position, group, hopeless, pattern, removals);
            narrowed.set(static_cast<std::size_t>(group));
            narrowedNow = again = true;
            if (position.allowed[static_cast<std::size_t>(group)] == 0) emptied = group;
        });
        if (emptied >= 0) {
            why = emptyGroupPattern(position, emptied);
            return true;
        }
    }
    return false;
}

double PairingSearch::trialThreshold(const Position& position) const {
    std::array<double, kMaxGroups> blames{};
    int count = 0;
    for (int g = 0; g < groups_.count(); ++g) {
        const auto i = static_cast<std::size_t>(g);
        if (pairingCount(position.allowed[i]) >= 2 && blameOf_[i] > 0) blames[static_cast<std::size_t>(count++)] = blameOf_[i];
    }
    if (count <= kMaxTrialGroups) return 0;
    std::nth_element(blames.begin(), blames.begin() + (count - kMaxTrialGroups), blames.begin() + count);
    return blames[static_cast<std::size_t>(count - kMaxTrialGroups)];
}

bool PairingSearch::ruleOutHopeless(Position& position, Proofs& proofs, GroupSet& narrowed, bool& narrowedNow,
                                    std::vector<Removal>& removals, LostPattern& why) {
    narrowedNow = false;
    if (applyPatterns(position, narrowed, narrowedNow, removals, why)) return false;
    if (packed_) packedStart_ = packed_->start(position.board, position.present);
    if (proofs.base < 0 || !stillProves(kept_[static_cast<std::size_t>(proofs.base)], position, narrowed, -1)) {
        if (!clears(position, position.allowed)) {
            blame(trace_);
            why = stuckPattern(deadlockCore(trace_, groups_, position.allowed, rules_), position.allowed);
            return false;
        }
        proofs.base = keep(trace_.pairingsSeen);
    }
    // Trials cost a play each; only the groups most often found among the causes of failure
    // are worth them.
    const double threshold = trialThreshold(position);
    for (int g = 0; g < groups_.count(); ++g) {
        uint8_t& allowed = position.allowed[static_cast<std::size_t>(g)];
        if (pairingCount(allowed) < 2) continue;
        if (!position.board[groups_[g].tiles[0]].present()) continue;
        if (blameOf_[static_cast<std::size_t>(g)] == 0 || blameOf_[static_cast<std::size_t>(g)] < threshold) continue;
        for (int p = 0; p < 3; ++p) {
            if (!(allowed >> p & 1)) continue;
            int& proof = proofs.trial[static_cast<std::size_t>(g)][static_cast<std::size_t>(p)];
            if (proof >= 0 && stillProves(kept_[static_cast<std::size_t>(proof)], position, narrowed, g)) continue;
            // The position's own play proves the pairing when every tile of the group went
            // along with it.
            if (sawPairing(kept_[static_cast<std::size_t>(proofs.base)], position, g, p)) {
                proof = proofs.base;
                continue;
            }
            std::array<uint8_t, kMaxGroups> trial = position.allowed;
            trial[static_cast<std::size_t>(g)] = static_cast<uint8_t>(1u << p);
            if (clears(position, trial)) {
                proof = keep(trace_.pairingsSeen);
                continue;
            }
            blame(trace_);
            const LostPattern reason = stuckPattern(deadlockCore(trace_, groups_, trial, rules_), trial);
            ruleOut(position, g, static_cast<uint8_t>(1u << p), reason, removals);
            narrowed.set(static_cast<std::size_t>(g));
            narrowedNow = true;
        }
        if (allowed == 0) {
            why = emptyGroupPattern(position, g);
            return false;
        }
    }
    return true;
}

PairingSearch::Choice PairingSearch::nextChoice(const Position& position, const Seen& seen) const {
    Choice choice;
    double mostBlame = 0;
    for (int g = 0; g < groups_.count(); ++g) {
        const uint8_t allowed = position.allowed[static_cast<std::size_t>(g)];
        if (pairingCount(allowed) < 2) continue;
        // A group down to two pairings splits the search in two rather than three, and the
        // groups the held tiles narrowed at the start are the usual seat of a lost deal.
        const double score = blameOf_[static_cast<std::size_t>(g)] * (pairingCount(allowed) == 2 ? kTwoWayBonus : 1.0);
        if (score > mostBlame) {
            mostBlame = score;
            choice.group = g;
        }
    }
    if (choice.group >= 0) {
        // The pairings the looser game went along with come first.
        const FaceGroup& group = groups_[choice.group];
        uint8_t seenByAll = 0b111;
        for (int s = 0; s < group.size; ++s)
            seenByAll &= seen[static_cast<std::size_t>(group.tiles[static_cast<std::size_t>(s)])];
        const uint8_t allowed = position.allowed[static_cast<std::size_t>(choice.group)];
        for (const uint8_t wanted : {static_cast<uint8_t>(allowed & seenByAll), static_cast<uint8_t>(allowed & ~seenByAll)}) {
            for (int p = 0; p < 3; ++p) {
                if (wanted >> p & 1) choice.masks[static_cast<std::size_t>(choice.count++)] = static_cast<uint8_t>(1u << p);
            }
        }
        return choice;
    }
    double bestScore = -1;
    int bestPairing = 0;
    for (int g = 0; g < groups_.count(); ++g) {
        const uint8_t allowed = position.allowed[static_cast<std::size_t>(g)];
        if (pairingCount(allowed) < 2) continue;
        const FaceGroup& group = groups_[g];
        if (!position.board[group.tiles[0]].present()) continue;
        for (int p = 0; p < 3; ++p) {
            if (!(allowed >> p & 1)) continue;
            const int other = partnerSlot(1, p) == 0 ? 2 : 1;
            const int pairs[2][2] = {{0, p + 1}, {other, partnerSlot(other, p)}};
            for (const auto& pair : pairs) {
                if (!pairFree(position, group, pair[0], pair[1])) continue;
                // The pair that lets the most tiles go.
                const int16_t a = group.tiles[static_cast<std::size_t>(pair[0])];
                const int16_t b = group.tiles[static_cast<std::size_t>(pair[1])];
                const double score = held_[static_cast<std::size_t>(a)].size() + held_[static_cast<std::size_t>(b)].size();
                if (score > bestScore) {
                    bestScore = score;
                    choice.group = g;
                    bestPairing = p;
                }
            }
        }
    }
    if (choice.group >= 0) {
        const uint8_t allowed = position.allowed[static_cast<std::size_t>(choice.group)];
        choice.masks[0] = static_cast<uint8_t>(1u << bestPairing);
        choice.masks[1] = static_cast<uint8_t>(allowed & ~(1u << bestPairing));
        choice.count = 2;
    }
    return choice;
}

bool PairingSearch::playOut(const Position& position, const Seen& seen) {
    Position trial = position;
    for (int g = 0; g < groups_.count(); ++g) {
        uint8_t& allowed = trial.allowed[static_cast<std::size_t>(g)];
        if (pairingCount(allowed) < 2) continue;
        // The pairing most of the group's tiles went along with.
        int best = -1, bestVotes = -1;
        for (int p = 0; p < 3; ++p) {
            if (!(allowed >> p & 1)) continue;
            int votes = 0;
            for (int s = 0; s < groups_[g].size; ++s)
                votes += seen[static_cast<std::size_t>(groups_[g].tiles[static_cast<std::size_t>(s)])] >> p & 1;
            if (votes > bestVotes) {
                bestVotes = votes;
                best = p;
            }
        }
        allowed = static_cast<uint8_t>(1u << best);
    }
    const std::size_t movesBefore = moves_.size();
    int emptyGroup = -1;
    if (playSettled(trial, emptyGroup) && trial.present.empty()) return true;
    moves_.resize(movesBefore);
    return false;
}

void PairingSearch::blame(const OptimisticTrace& trace) {
    trace.stuckFree.forEach([&](int16_t tile) { blameOf_[static_cast<std::size_t>(groups_.groupOf(tile))] += blameStep_; });
    // Recent failures count for more than old ones.
    blameStep_ *= 1.05;
    if (blameStep_ > 1e100) {
        for (double& b : blameOf_) b *= 1e-100;
        blameStep_ *= 1e-100;
    }
}

PairingSearch::Outcome PairingSearch::search(Position& position, Proofs proofs, GroupSet narrowed, LostPattern& why) {
    if (limits_.nodes() >= stopAt_ || !limits_.step()) return Outcome::Stopped;
    if (restartAt_ && limits_.nodes() >= restartAt_) return Outcome::Restart;
    const std::size_t movesBefore = moves_.size();
    const std::size_t keptBefore = kept_.size();
    const std::size_t reasonsBefore = reasons_.size();
    std::vector<Removal> removals;
    // The pattern found is made to hold in the position as it came in, and learnt.
    auto lose = [&](LostPattern pattern) {
        lift(pattern, removals, 0);
        why = pattern;
        patterns_.add(why);
        moves_.resize(movesBefore);
        kept_.resize(keptBefore);
        reasons_.resize(reasonsBefore);
        return Outcome::Lost;
    };
    int emptyGroup = -1;
    if (!playSettled(position, emptyGroup)) return lose(emptyGroupPattern(position, emptyGroup));
    if (position.present.empty()) return Outcome::Won;
    for (bool narrowedNow = true; narrowedNow;) {
        LostPattern pattern;
        if (!ruleOutHopeless(position, proofs, narrowed, narrowedNow, removals, pattern)) return lose(pattern);
        if (narrowedNow && !playSettled(position, emptyGroup)) return lose(emptyGroupPattern(position, emptyGroup));
        if (position.present.empty()) return Outcome::Won;
    }
    if (playOut(position, kept_[static_cast<std::size_t>(proofs.base)])) return Outcome::Won;
    const Choice choice = nextChoice(position, kept_[static_cast<std::size_t>(proofs.base)]);
    if (choice.count == 0) return lose(wholePattern(position));
    const uint8_t open = position.allowed[static_cast<std::size_t>(choice.group)];
    LostPattern merged;
    for (int c = 0; c < choice.count; ++c) {
        Position child = position;
        child.allowed[static_cast<std::size_t>(choice.group)] = choice.masks[static_cast<std::size_t>(c)];
        GroupSet childNarrowed;
        childNarrowed.set(static_cast<std::size_t>(choice.group));
        LostPattern childWhy;
        const Outcome outcome = search(child, proofs, childNarrowed, childWhy);
        if (outcome != Outcome::Lost) return outcome;
        // Lost whatever the choice: the other choices would lose the same way.
        if ((childWhy.allowed.get(choice.group) & open) == open) return lose(childWhy);
        if (c == 0)
            merged = childWhy;
        else
            merged.resolve(choice.group, childWhy);
    }
    return lose(merged);
}

}  // namespace varnel
