// The committed art is exactly what artgen draws today: run it into a fresh folder and compare
// every file byte for byte. A change to the drawing code without regenerated assets fails here.
#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <set>

#include "AssetFiles.h"

namespace varnel::assets_test {
namespace {

TEST(Regeneration, ArtgenDrawsTheCommittedFilesByteForByte) {
    const QTemporaryDir temporary;
    ASSERT_TRUE(temporary.isValid());
    QProcess artgen;
    artgen.start(QStringLiteral(VARNEL_ARTGEN), {temporary.path()});
    ASSERT_TRUE(artgen.waitForFinished(120'000));
    ASSERT_EQ(artgen.exitCode(), 0);

    std::set<std::string> expected{"mask.bmp", "contact-sheet.png", "varnel.bmp"};
    expected.insert(kSheetFiles.begin(), kSheetFiles.end());
    for (int size : kIconSizes) expected.insert(IconFile(size));
    std::set<std::string> written;
    const QDir folder(temporary.path());
    for (QDirIterator it(folder.path(), QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        written.insert(folder.relativeFilePath(it.next()).toStdString());
    EXPECT_EQ(written, expected);

    for (const std::string& name : expected) {
        const QByteArray fresh = ReadBytes(folder.filePath(QString::fromStdString(name)));
        EXPECT_TRUE(fresh == ReadBytes(AssetPath(name)))
            << name << " differs from what artgen draws now; run artgen into assets/ and commit";
    }
}

}  // namespace
}  // namespace varnel::assets_test
