#pragma once

#include <gtest/gtest.h>

#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "ModalAnswerer.h"
#include "frmVarnel.h"

namespace varnel::testing {

// Opens the main window as the program would, in a throwaway program folder (with a data folder
// beside it, not made yet, for saves the program folder cannot take), on a screen of
// the test's choosing, with beeps and the end of the program counted instead of carried out.
class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override { Store().clear(); }

    static QSettings& Store() {
        static QSettings settings(QStringLiteral("Varnel Solitaire"),
                                  QStringLiteral("Varnel Solitaire"));
        settings.sync();
        return settings;
    }
    static void StoreSetting(const QString& key, const QString& value) {
        Store().setValue(QStringLiteral("Startup/") + key, value);
        Store().sync();
    }
    static QVariant StoredSetting(const QString& key) {
        Store().sync();
        return Store().value(QStringLiteral("Startup/") + key);
    }

    frmVarnel& Open(QSize screen = QSize(640, 480), float pixelRatio = 1) {
        VarnelEnvironment environment;
        environment.pixelRatio = pixelRatio;
        environment.appPath = appPath.isEmpty() ? appDir.path() : appPath;
        environment.dataPath = DataFolder();
        environment.canWriteIn = canWriteIn;
        environment.screenSize = [screen] { return screen; };
        environment.endProgram = [this] { ++exits; };
        environment.beep = [this] { ++beeps; };
        environment.timerScale = 0.01;
        environment.musicOutput = MusicDevice::Output::Manual;
        environment.seedSource = [n = 1u]() mutable { return n++; };
        window = std::make_unique<frmVarnel>(environment);
        window->show();
        return *window;
    }

    GameState& State() { return window->State(); }
    QString DataFolder() const { return dataDir.filePath(QStringLiteral("Varnel Solitaire")); }

    // A mouse release over the middle of a tile, or at a board position.
    void ClickTile(int16_t tile, Qt::MouseButton button = Qt::LeftButton) {
        const TileRec& rec = State().Tiles[tile];
        ClickAt(QPoint(rec.X + static_cast<int>(State().TileWidth / 2),
                       rec.Y + static_cast<int>(State().TileHeight / 2)),
                button);
    }
    void ClickAt(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseRelease(window->picBoard, button, {}, at);
    }

    // The first free pair of the board, if any.
    std::pair<int16_t, int16_t> FreePair() {
        for (int16_t i = 0; i < State().TileCount; ++i)
            for (int16_t j = i + 1; j < State().TileCount; ++j)
                if (window->GameLogic().IsRemovablePair(i, j)) return {i, j};
        return {-1, -1};
    }

    QTemporaryDir appDir;
    QString appPath;  // the program's folder: appDir unless the test picks another
    QTemporaryDir dataDir;
    FolderCheck canWriteIn = CanWriteIn;  // a test may play a program folder owned by root
    std::unique_ptr<frmVarnel> window;
    int beeps = 0;
    int exits = 0;
};

}  // namespace varnel::testing
