// The committed art is exactly what artgen draws today: run it into a fresh folder and compare
// every file byte for byte. A change to the drawing code without regenerated assets fails here.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cstdlib>
#include <filesystem>
#include <set>

#include "AssetFiles.h"

namespace varnel::assets_test {
namespace {

namespace fs = std::filesystem;

TEST(Regeneration, ArtgenDrawsTheCommittedFilesByteForByte) {
    const QTemporaryDir temporary;
    ASSERT_TRUE(temporary.isValid());
    const fs::path folder = temporary.path().toStdString();
    const std::string command =
        std::string("\"") + VARNEL_ARTGEN + "\" \"" + folder.string() + "\" > /dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);

    std::set<std::string> expected{"mask.bmp", "contact-sheet.png"};
    expected.insert(SheetFiles().begin(), SheetFiles().end());
    for (int size : kIconSizes) expected.insert(IconFile(size));
    std::set<std::string> written;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            written.insert(fs::relative(entry.path(), folder).generic_string());
    EXPECT_EQ(written, expected);

    for (const std::string& name : expected) {
        const std::vector<std::uint8_t> fresh = ReadBytes((folder / name).string());
        const std::vector<std::uint8_t> committed = ReadBytes(AssetPath(name));
        EXPECT_TRUE(fresh == committed)
            << name << " differs from what artgen draws now (" << fresh.size() << " bytes against "
            << committed.size() << "); run artgen into assets/ and commit the result";
    }
}

}  // namespace
}  // namespace varnel::assets_test
