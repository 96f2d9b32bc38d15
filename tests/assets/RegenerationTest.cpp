// The committed art is exactly what artgen draws today: run it into a fresh folder and compare
// every file byte for byte. A change to the drawing code without regenerated assets fails here.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>

#include "AssetFiles.h"

namespace varnel::assets_test {
namespace {

namespace fs = std::filesystem;

class TemporaryFolder {
  public:
    TemporaryFolder() {
        std::string pattern = (fs::temp_directory_path() / "varnel-art-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
    }
    ~TemporaryFolder() {
        std::error_code ignored;
        if (!path_.empty()) fs::remove_all(path_, ignored);
    }
    const fs::path& Path() const { return path_; }

  private:
    fs::path path_;
};

int RunArtgen(const fs::path& folder) {
    const std::string command =
        std::string("\"") + VARNEL_ARTGEN + "\" \"" + folder.string() + "\" > /dev/null 2>&1";
    return std::system(command.c_str());
}

TEST(Regeneration, ArtgenDrawsTheCommittedFilesByteForByte) {
    TemporaryFolder folder;
    ASSERT_FALSE(folder.Path().empty());
    ASSERT_EQ(RunArtgen(folder.Path()), 0);

    std::set<std::string> written;
    for (const auto& entry : fs::recursive_directory_iterator(folder.Path()))
        if (entry.is_regular_file())
            written.insert(fs::relative(entry.path(), folder.Path()).generic_string());
    const std::set<std::string> expected(GeneratedFiles().begin(), GeneratedFiles().end());
    EXPECT_EQ(written, expected);

    for (const std::string& name : GeneratedFiles()) {
        const std::vector<std::uint8_t> fresh = ReadBytes((folder.Path() / name).string());
        const std::vector<std::uint8_t> committed = ReadBytes(AssetPath(name));
        ASSERT_FALSE(committed.empty()) << name << " is not in the assets folder";
        EXPECT_TRUE(fresh == committed)
            << name << " differs from what artgen draws now (" << fresh.size() << " bytes against "
            << committed.size() << "); run artgen into assets/ and commit the result";
    }
}

TEST(Regeneration, ArtgenRefusesAMissingOutputFolderArgument) {
    const std::string command = std::string("\"") + VARNEL_ARTGEN + "\" > /dev/null 2>&1";
    EXPECT_NE(std::system(command.c_str()), 0);
}

}  // namespace
}  // namespace varnel::assets_test
