#include "board/Deal.h"

#include <utility>
#include <vector>

namespace varnel {

Board dealFaces(int16_t tileCount, uint32_t dealNumber) {
    constexpr int16_t kEmptySlot = -1;
    Board board(tileCount);
    tileCount = board.tileCount();
    Random random(dealNumber);
    // The deck holds each face four times in order; card k goes to the r-th slot still empty,
    // r drawn from the slots left, so every arrangement of the deck is equally likely.
    std::vector<int16_t> slotCard(static_cast<std::size_t>(tileCount), kEmptySlot);
    for (int16_t card = 0; card < tileCount; ++card) {
        int emptiesToPass = random.below(static_cast<int16_t>(tileCount - card)) + 1;
        for (std::size_t slot = 0; slot < slotCard.size(); ++slot) {
            if (slotCard[slot] == kEmptySlot && --emptiesToPass == 0) {
                slotCard[slot] = card;
                break;
            }
        }
    }
    for (int16_t i = 0; i < tileCount; ++i)
        board.setFace(i, static_cast<int8_t>(slotCard[static_cast<std::size_t>(i)] / kTilesPerFace));
    return board;
}

void shuffleFaces(Board& board, Random& random) {
    std::vector<int16_t> present;
    std::vector<int8_t> faces;
    for (int16_t i = 0; i < board.tileCount(); ++i) {
        if (!board[i].present()) continue;
        present.push_back(i);
        faces.push_back(board[i].face);
    }
    // Fisher-Yates over the present tiles only: every arrangement of the faces is equally
    // likely, however the removed tiles lie between them.
    for (std::size_t left = faces.size(); left > 1; --left) {
        const auto pick = static_cast<std::size_t>(random.below(static_cast<int16_t>(left)));
        std::swap(faces[pick], faces[left - 1]);
    }
    for (std::size_t k = 0; k < present.size(); ++k) board.setFace(present[k], faces[k]);
}

}  // namespace varnel
