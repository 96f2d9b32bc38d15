#include "display/BoardGeometry.h"

#include <algorithm>

#include "board/Rounding.h"

namespace varnel {
namespace {

constexpr int kTwipsPerPixel = 15;

}  // namespace

std::optional<ScreenScale> scaleForScreen(int screenWidth, int screenHeight) {
    const long widthTwips = static_cast<long>(screenWidth) * kTwipsPerPixel;
    if (widthTwips <= roundToInt16(kTwipsPerPixel * 648.0)) return std::nullopt;
    ScreenScale scale{widthTwips / 9600.0f, screenHeight * kTwipsPerPixel / 7200.0f};
    // The board keeps its proportions and follows the height; on a screen narrower than 4:3
    // (1280 x 1024, say) that would push its right-hand tiles off the screen, so the width
    // limits it there.
    scale.y = std::min(scale.y, scale.x);
    scale.centring = (screenWidth - design::kScreenWidth * scale.y) / 2;
    return scale;
}

BoardGeometry::BoardGeometry()
    : stacked_{design::kMessageLabel.left, design::kMessageLabel.top, design::kScoreLabel.left,
               design::kScoreLabel.top, design::kTestLabel.top},
      flat_{design::kMessageLabel.left, design::kRiversMessageTop, design::kRiversScoreLeft,
            design::kRiversScoreTop, design::kRiversTestTop} {}

void BoardGeometry::scaleFor(const ScreenScale& screen) {
    const float sy = screen.y;
    scale_ = sy;
    tileHeight_ *= sy;
    tileWidth_ *= sy;
    board_.top *= sy;
    board_.left = board_.left * sy + screen.centring;
    board_.width *= sy;
    board_.height *= sy;
    // After scaling the frame is exactly the tile's size.
    frameWidth_ = tileWidth_;
    frameHeight_ = tileHeight_;
    frameBorder_ = roundToInt16(sy * frameBorder_);
    // The labels lie on the board, so they move with it: their places follow the height's
    // factor as the board does.
    for (LabelPlaces* labels : {&stacked_, &flat_}) {
        for (int* at : {&labels->messageTop, &labels->scoreTop, &labels->testTop})
            *at = roundToInt16(sy * *at);
        labels->scoreLeft = roundToInt16(sy * labels->scoreLeft);
    }
    placeTiles();
}

void BoardGeometry::useLayout(const LayoutRow& layout) {
    layout_ = &layout.rules;
    placeTiles();
}

void BoardGeometry::placeTiles() {
    if (layout_) places_ = layout_->places({tileWidth_, tileHeight_, scale_, boardWidth()});
}

int BoardGeometry::boardWidth() const { return roundToInt32(board_.width); }

int BoardGeometry::boardHeight() const { return roundToInt32(board_.height); }

SheetCell BoardGeometry::sheetCell(int face) const {
    const int row = face / design::kSheetColumns;
    const int column = face % design::kSheetColumns;
    // Each row is its own product of the tile height, rounded once: 54.5 gives rows at 0, 54,
    // 109 and 164 (halves go to even), not multiples of one rounded height.
    return {roundToInt16(static_cast<float>(column) * tileWidth_),
            row == 0 ? 0 : roundToInt16(static_cast<float>(row) * tileHeight_)};
}

int16_t BoardGeometry::tileAt(const Board& board, float x, float y) const {
    // Highest number first: it lies on top.
    for (int16_t i = static_cast<int16_t>(board.tileCount() - 1); i >= 0; --i) {
        if (!board[i].present() || !board[i].free) continue;
        const TilePlace at = place(i);
        if (at.x < x && x < at.x + tileWidth_ && at.y < y && y < at.y + tileHeight_) return i;
    }
    return -1;
}

LabelPlaces BoardGeometry::labels(LabelSet set) const {
    return set == LabelSet::Flat ? flat_ : stacked_;
}

Point BoardGeometry::frameAt(int16_t tile, int dx, int dy) const {
    // At exactly 1.25 both frames sit three pixels in and up.
    if (scale_ == 1.25f) {
        dx = 3;
        dy = -3;
    }
    const TilePlace at = place(tile);
    return {at.x + dx, at.y + dy};
}

Point BoardGeometry::selectionFrameAt(int16_t tile) const { return frameAt(tile, 1, -4); }

Point BoardGeometry::hintFrameAt(int16_t tile) const { return frameAt(tile, 0, -5); }

int BoardGeometry::cursorLineWidth() const { return std::max<int>(2, roundToInt16(3 * scale_)); }

}  // namespace varnel
