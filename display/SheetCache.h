#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>
#include <utility>

#include "art/Sheet.h"

namespace varnel {

// Built-in tile sets drawn at the board's size, kept between runs in the player's cache folder:
// drawing a set takes tens of milliseconds at every start on a large screen, reading it back
// one. A kept sheet is used only for the same set, grid, program build, Qt and fonts; anything
// else (or a damaged file) reads as nothing, and the set is drawn again. Only the newest
// kSizesKept sheets are kept, however often the window changes its size.
class SheetCache {
  public:
    // What a sheet is drawn with besides its grid: the program's file (its build), the version of
    // Qt that rasterises it and the font files it letters with.
    struct DrawnWith {
        QString program;
        QByteArray qtVersion;
        QStringList fontFiles;

        // This run of the program.
        static DrawnWith thisRun();
    };

    SheetCache() = default;  // keeps nothing
    explicit SheetCache(QString folder, DrawnWith drawnWith = DrawnWith::thisRun())
        : folder_(std::move(folder)), drawnWith_(std::move(drawnWith)) {}

    // The kept sheet of the slot for the grid, or a null image.
    QImage load(int slot, const art::SheetGrid& grid) const;
    // Keeps the sheet for the next run; a folder that cannot be written keeps nothing.
    void store(int slot, const art::SheetGrid& grid, const QImage& sheet) const;

    static constexpr int kSizesKept = 8;

  private:
    QString pathOf(int slot, const art::SheetGrid& grid) const;
    void prune() const;

    QString folder_;
    DrawnWith drawnWith_;
};

}  // namespace varnel
