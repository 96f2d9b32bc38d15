// The committed pictures (mask, sheets, the program's picture file, icons, contact sheet) are
// exactly what artgen draws today.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <set>
#include <string>

namespace varnel {
namespace {

// The pictures under a folder, by their paths relative to it.
std::set<std::string> pictures(const QString& path) {
    const QDir folder(path);
    std::set<std::string> pictures;
    for (QDirIterator it(path, {"*.bmp", "*.png"}, QDir::Files, QDirIterator::Subdirectories);
         it.hasNext();)
        pictures.insert(folder.relativeFilePath(it.next()).toStdString());
    return pictures;
}

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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

    const QDir fresh(temporary.path()), committed(QStringLiteral(VARNEL_ASSETS_DIR));
    const std::set<std::string> written = pictures(fresh.path());
    ASSERT_EQ(written, pictures(committed.path()));
    for (const std::string& name : written)
        EXPECT_TRUE(readBytes(fresh.filePath(QString::fromStdString(name))) ==
                    readBytes(committed.filePath(QString::fromStdString(name))))
            << name << " differs from what artgen draws now; run artgen into assets/ and commit";
}

}  // namespace
}  // namespace varnel
