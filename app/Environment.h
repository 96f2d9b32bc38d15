#pragma once

#include <QSize>
#include <QString>
#include <functional>

#include "app/music/MusicDevice.h"
#include "app/savegame/SavePlace.h"
#include "play/Game.h"

namespace varnel {

// What the window takes from the machine it runs on; tests put in their own.
struct Environment {
    QString appPath;                    // the program's folder
    QString dataPath;                   // the player's data folder, for a save made elsewhere
    QString cachePath;                  // drawn tile sets kept between runs; empty: none kept
    FolderCheck canWriteIn;             // empty: the player's own permissions decide
    std::function<QSize()> screenSize;  // the screen, in pixels; empty: the window's own screen
    float pixelRatio = 0;               // device pixels per window pixel; 0: the window's screen
    std::function<void()> endProgram;   // ends the program at once
    std::function<void()> beep;         // the system's beep
    double timerScale = 1.0;            // tests shorten the hint and the winning blink
    MusicDevice::Output musicOutput = MusicDevice::Output::AudioDevice;
    Game::SeedSource seedSource;        // empty: new deals and shuffles draw on the clock
    Game::TimeSource timeSource;        // empty: the game's clock reads the steady clock
};

// The environment of the real program: the executable's folder, the player's data and cache
// folders, the screen the window is on, and an end that leaves the event loop.
Environment programEnvironment();

}  // namespace varnel
