#pragma once

#include <QImage>
#include <QString>
#include <utility>

#include "Sheet.h"

namespace varnel {

// Built-in tile sets drawn at the board's size, kept between runs in the player's cache folder:
// drawing a set takes tens of milliseconds at every start on a large screen, reading it back
// one. A kept sheet is used only for the same set, grid, program build, Qt and fonts; anything
// else (or a damaged file) reads as nothing, and the set is drawn again.
class SheetCache {
  public:
    SheetCache() = default;  // keeps nothing
    explicit SheetCache(QString folder) : folder_(std::move(folder)) {}

    // The kept sheet of the slot for the grid, or a null image.
    QImage Load(int slot, const art::SheetGrid& grid) const;
    // Keeps the sheet for the next run; a folder that cannot be written keeps nothing.
    void Store(int slot, const art::SheetGrid& grid, const QImage& sheet) const;

  private:
    QString PathOf(int slot) const;

    QString folder_;
};

}  // namespace varnel
