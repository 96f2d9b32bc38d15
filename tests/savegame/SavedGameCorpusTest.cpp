#include <gtest/gtest.h>

#include <algorithm>

#include "SaveTestSupport.h"

namespace varnel::testing {
namespace {

// Every file of the corpus is refused unless its name starts with "valid-".
TEST(Corpus, EveryFileIsJudgedAsItsNameSaysAndRefusalsLeaveTheGameAlone) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(VARNEL_SAVEGAME_CORPUS))
        files.push_back(entry.path());
    ASSERT_GE(files.size(), 30u) << "the corpus is missing from " << VARNEL_SAVEGAME_CORPUS;
    std::sort(files.begin(), files.end());

    int accepted = 0;
    for (const auto& file : files) {
        SCOPED_TRACE(file.filename().string());
        const bool valid = file.filename().string().starts_with("valid-");
        const std::vector<std::byte> bytes = ReadBytes(file);

        GameState state = MidGame(kPyramid, 99);
        const GameState before = state;
        const ReadResult result = AttemptRestore(file, state);
        EXPECT_EQ(bool(result), valid) << result.reason;
        // The whole file in memory is judged the same as the file read from disk.
        const ReadResult fromMemory = CheckSavedGame(bytes);
        EXPECT_EQ(bool(fromMemory), bool(result));
        EXPECT_EQ(fromMemory.reason, result.reason);

        if (!result) {
            EXPECT_FALSE(result.reason.empty());
            ExpectSameState(state, before);
            continue;
        }
        ++accepted;
        // What was taken is exactly what the file says: written back, it gives the same bytes.
        const std::vector<std::byte> again = EncodeSavedGame(state);
        ASSERT_LE(again.size(), bytes.size());
        EXPECT_TRUE(std::equal(again.begin(), again.end(), bytes.begin()));
    }
    EXPECT_GE(accepted, 3);
}

}  // namespace
}  // namespace varnel::testing
