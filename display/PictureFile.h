#pragma once

#include <QImage>
#include <QString>

namespace varnel {

// Reads a picture file for a tile set without trusting it: a file that is missing, is a folder,
// is not a picture, is cut short or declares a size far beyond any tile sheet gives a null image
// and the reason, in words for the player.
QImage readPictureFile(const QString& path, QString* reason);

}  // namespace varnel
