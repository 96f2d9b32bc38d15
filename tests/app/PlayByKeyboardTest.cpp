#include <algorithm>
#include <map>
#include <queue>
#include <random>

#include "HelpWindow.h"
#include "WindowFixture.h"

namespace varnel::testing {
namespace {

using enum CursorDirection;

class PlayByKeyboard : public WindowTest {
  protected:
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(window->picBoard, static_cast<Qt::Key>(key), modifiers);
    }

    // Gives the board faces that a game of free tiles taken in a fixed order can clear, and
    // returns the pairs of that game in order. Rivers pairs the tiles of each row two by two:
    // every pair lies side by side, joined whatever else is on the board.
    std::vector<std::pair<int16_t, int16_t>> ArrangeAWinnableDeal() {
        GameState& state = State();
        const Layout& rules = window->GameLogic().CurrentLayoutRow().rules;
        std::vector<std::pair<int16_t, int16_t>> pairs;
        if (state.CurrentLayout == kRivers) {
            for (int16_t i = 0; i < state.TileCount; i += 2) pairs.emplace_back(i, i + 1);
        } else {
            // Any two free tiles at each step; a few fixed orders are tried until one clears
            // the board (a tile left alone on its twin would not).
            std::mt19937 order(1);
            for (int tries = 0; tries < 1000 && pairs.size() < state.TileCount / 2u; ++tries) {
                pairs.clear();
                GameState play = state;
                for (int16_t k = 0; k < state.TileCount / 2; ++k) {
                    std::vector<int16_t> open;
                    for (int16_t i = 0; i < state.TileCount; ++i)
                        if (IsPresent(play.Tiles[i]) && play.Tiles[i].Free == kTrue)
                            open.push_back(i);
                    if (open.size() < 2) break;
                    std::shuffle(open.begin(), open.end(), order);
                    pairs.emplace_back(open[0], open[1]);
                    for (int16_t tile : {open[0], open[1]}) {
                        play.Tiles[tile].Face = kNoFace;
                        rules.UpdateFree(play, tile);
                    }
                }
            }
        }
        for (std::size_t k = 0; k < pairs.size(); ++k) {
            state.Tiles[pairs[k].first].Face = static_cast<int16_t>(k / 2);
            state.Tiles[pairs[k].second].Face = static_cast<int16_t>(k / 2);
        }
        window->GameLogic().RebuildAroundDeal();
        return pairs;
    }

    // The arrow keys that lead the cursor to the tile, found by walking where each key leads.
    std::vector<int> KeysTo(int16_t target) {
        const Game& game = window->GameLogic();
        const std::pair<CursorDirection, int> arrows[] = {
            {Left, Qt::Key_Left}, {Right, Qt::Key_Right}, {Up, Qt::Key_Up}, {Down, Qt::Key_Down}};
        const int16_t start = game.CursorTile();
        std::map<int16_t, std::pair<int16_t, int>> cameFrom{{start, {-1, 0}}};
        std::queue<int16_t> waiting({start});
        while (!waiting.empty() && !cameFrom.count(target)) {
            const int16_t at = waiting.front();
            waiting.pop();
            for (const auto& [direction, key] : arrows) {
                const int16_t next = game.CursorNeighbour(at, direction);
                if (next >= 0 && cameFrom.emplace(next, std::pair{at, key}).second)
                    waiting.push(next);
            }
        }
        std::vector<int> keys;
        if (!cameFrom.count(target)) return keys;
        for (int16_t at = target; at != start; at = cameFrom[at].first)
            keys.insert(keys.begin(), cameFrom[at].second);
        return keys;
    }

    void PressOn(int16_t tile) {
        for (int key : KeysTo(tile)) Key(key);
        ASSERT_EQ(window->GameLogic().CursorTile(), tile) << "the arrow keys cannot reach it";
        Key(tile % 2 ? Qt::Key_Space : Qt::Key_Return);
    }

    void WinFromTheKeyboard(int16_t layout) {
        StoreSetting("Layout", QString::number(layout));
        frmVarnel& w = Open();
        const auto pairs = ArrangeAWinnableDeal();
        ASSERT_EQ(pairs.size(), static_cast<std::size_t>(State().TileCount / 2));
        Key(Qt::Key_Left);  // the cursor shows
        for (const auto& [first, second] : pairs) {
            PressOn(first);
            ASSERT_TRUE(w.shpBox->isVisible());
            PressOn(second);
            ASSERT_EQ(State().Tiles[second].Face, kNoFace) << "pair " << first << ", " << second;
        }
        ModalAnswerer answerer({QMessageBox::No});
        ASSERT_TRUE(QTest::qWaitFor([&] { return answerer.seen.size() == 1; }));
        EXPECT_EQ(answerer.seen[0].text, "You Won! Do you want to play again?");
        EXPECT_EQ(beeps, 0);
        EXPECT_EQ(exits, 1);
    }
};

TEST_F(PlayByKeyboard, AWholeRiversGameIsWonFromTheKeyboard) {
    WinFromTheKeyboard(kRivers);
}

TEST_F(PlayByKeyboard, AWholeDragonGameIsWonFromTheKeyboard) {
    WinFromTheKeyboard(kDragon);
}

TEST_F(PlayByKeyboard, TheCursorIsItsOwnFrameAndAMouseClickHidesIt) {
    frmVarnel& w = Open();
    EXPECT_FALSE(w.shpCursor->isVisible());
    Key(Qt::Key_Down);
    const int16_t tile = w.GameLogic().CursorTile();
    ASSERT_GE(tile, 0);
    EXPECT_TRUE(w.shpCursor->isVisible());
    EXPECT_EQ(w.shpCursor->geometry(), QRect(State().Tiles[tile].X, State().Tiles[tile].Y, 44, 55));
    Key(Qt::Key_Space);
    EXPECT_TRUE(w.shpBox->isVisible());
    Key(Qt::Key_Escape);
    EXPECT_FALSE(w.shpBox->isVisible());
    ClickTile(2);
    EXPECT_FALSE(w.shpCursor->isVisible());
}

TEST_F(PlayByKeyboard, ShortcutsFollowTheMenus) {
    frmVarnel& w = Open();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    const TileTable dealt = State().Tiles;
    Key(Qt::Key_Z, Qt::ControlModifier);  // nothing to undo yet
    EXPECT_EQ(State().Tiles, dealt);

    const auto [a, b] = FreePair();
    ClickTile(a);
    ClickTile(b);
    ASSERT_TRUE(w.mnuUndo->isEnabled());
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(State().Tiles, dealt);

    Key(Qt::Key_H);
    EXPECT_TRUE(w.GameLogic().SequenceRunning());
    Key(Qt::Key_F2);
    EXPECT_FALSE(w.GameLogic().SequenceRunning()) << "a new game ends the hint";
    EXPECT_NE(State().Tiles, dealt);

    Key(Qt::Key_F1);
    EXPECT_NE(CurrentHelpWindow(), nullptr);
    CloseHelp();
}

}  // namespace
}  // namespace varnel::testing
