// The committed pictures (mask, sheets, the program's picture file, icons, contact sheet) are
// exactly what artgen draws today.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <map>
#include <string>

namespace varnel {
namespace {

// The pictures under a folder, by their paths relative to it, with their bytes.
std::map<std::string, QByteArray> pictures(const QString& path) {
    std::map<std::string, QByteArray> pictures;
    for (QDirIterator it(path, {"*.bmp", "*.png"}, QDir::Files, QDirIterator::Subdirectories);
         it.hasNext();) {
        QFile file(it.next());
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
        pictures[QDir(path).relativeFilePath(file.fileName()).toStdString()] = file.readAll();
    }
    return pictures;
}

// Run artgen into a fresh folder and compare every file byte for byte: a change to the drawing
// code without regenerated assets fails here, and so does a committed picture artgen no longer
// makes.
TEST(Regeneration, ArtgenDrawsTheCommittedFilesByteForByte) {
    const QTemporaryDir temporary;
    ASSERT_TRUE(temporary.isValid());
    QProcess artgen;
    artgen.start(QStringLiteral(VARNEL_ARTGEN), {temporary.path()});
    ASSERT_TRUE(artgen.waitForFinished(120'000));
    ASSERT_EQ(artgen.exitCode(), 0);

    const auto written = pictures(temporary.path()),
               committed = pictures(QStringLiteral(VARNEL_ASSETS_DIR));
    for (const auto& [name, bytes] : committed)
        EXPECT_TRUE(written.count(name)) << name << " is committed but artgen no longer draws it";
    for (const auto& [name, bytes] : written)
        EXPECT_TRUE(committed.count(name) && committed.at(name) == bytes)
            << name << " differs from what artgen draws now; run artgen into assets/ and commit";
}

}  // namespace
}  // namespace varnel
