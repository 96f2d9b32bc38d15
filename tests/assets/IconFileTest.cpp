// The window icons: square pictures of every size that stand on any title bar without a box
// round them, the blue ring on the face surviving down to 16 pixels.
#include <gtest/gtest.h>

#include <QImage>
#include <QString>

#include "AssetFiles.h"

namespace varnel::assets_test {
namespace {

TEST(Icons, AreClearRoundTheTileAndShowTheRingAtEverySize) {
    for (int size : kIconSizes) {
        const std::string name = IconFile(size);
        QImage icon;
        ASSERT_TRUE(icon.load(QString::fromStdString(AssetPath(name)), "PNG")) << name;
        ASSERT_EQ(icon.size(), QSize(size, size)) << name;
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << name;
        EXPECT_EQ(qAlpha(icon.pixel(size - 1, size - 1)), 0) << name;
        int opaque = 0;
        int blue = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const QRgb p = icon.pixel(x, y);
                opaque += qAlpha(p) == 255;
                blue += qAlpha(p) == 255 && qBlue(p) > 150 && qRed(p) < 100;
            }
        EXPECT_GT(opaque, size * size / 2) << name;
        EXPECT_GT(blue, size * size / 25) << name;
    }
}

}  // namespace
}  // namespace varnel::assets_test
