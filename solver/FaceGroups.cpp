#include "solver/FaceGroups.h"

namespace varnel {

FaceGroups::Shape FaceGroups::gather(const Board& board, FaceGroups& groups) {
    groups = FaceGroups();
    groups.groupOf_.fill(-1);
    groups.slotOf_.fill(-1);
    std::array<int, 256> groupOfFace;
    groupOfFace.fill(-1);
    std::array<int, 256> tilesOfFace{};
    for (int16_t tile = 0; tile < board.tileCount(); ++tile) {
        if (board[tile].present()) ++tilesOfFace[static_cast<uint8_t>(board[tile].face)];
    }
    for (int count : tilesOfFace) {
        if (count % 2) return Shape::OddFace;
    }
    for (int count : tilesOfFace) {
        if (count > 4) return Shape::CrowdedFace;
    }
    for (int16_t tile = 0; tile < board.tileCount(); ++tile) {
        if (!board[tile].present()) continue;
        const auto face = static_cast<uint8_t>(board[tile].face);
        if (groupOfFace[face] < 0) {
            groupOfFace[face] = groups.count_++;
            groups.groups_[static_cast<std::size_t>(groupOfFace[face])].face = board[tile].face;
        }
        const int group = groupOfFace[face];
        FaceGroup& g = groups.groups_[static_cast<std::size_t>(group)];
        groups.groupOf_[static_cast<std::size_t>(tile)] = static_cast<int8_t>(group);
        groups.slotOf_[static_cast<std::size_t>(tile)] = g.size;
        g.tiles[static_cast<std::size_t>(g.size++)] = tile;
    }
    return Shape::Pairs;
}

}  // namespace varnel
