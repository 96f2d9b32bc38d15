#include "AssetFiles.h"

#include <cctype>

namespace varnel::assets_test {

std::string AssetPath(const std::string& relative) {
    return std::string(VARNEL_ASSETS_DIR) + "/" + relative;
}

std::string IconFile(int size) {
    return "icons/varnel-" + std::to_string(size) + ".png";
}

const std::vector<std::string>& SheetFiles() {
    static const std::vector<std::string> files{"sheets/traditional.bmp",     "sheets/alphabet.bmp",
                                                "sheets/flower-power.bmp",    "sheets/egyptian.bmp",
                                                "sheets/creepy-crawlers.bmp", "varnel.bmp"};
    return files;
}

std::string FileTestName(const ::testing::TestParamInfo<std::string>& info) {
    std::string name;
    for (char c : info.param)
        if (std::isalnum(static_cast<unsigned char>(c))) name += c;
    return name;
}

Bmp8 LoadBmp(const std::string& relative) {
    Bmp8 bmp;
    std::string why;
    if (ParseBmp8(ReadBytes(AssetPath(relative)), bmp, why)) return bmp;
    ADD_FAILURE() << relative << ": " << why;
    return {};
}

void ExpectEightBitLayout(const Bmp8& bmp, int width, int height) {
    const auto pixels = static_cast<std::uint32_t>(width * height);
    EXPECT_EQ(bmp.byteCount, 1078 + pixels);
    EXPECT_EQ(bmp.signature, "BM");
    EXPECT_EQ(bmp.fileSizeField, 1078 + pixels);
    EXPECT_EQ(bmp.pixelOffset, 1078u);
    EXPECT_EQ(bmp.infoSize, 40u);
    EXPECT_EQ(bmp.width, width);
    EXPECT_EQ(bmp.height, height);
    EXPECT_EQ(bmp.planes, 1);
    EXPECT_EQ(bmp.bitsPerPixel, 8);
    EXPECT_EQ(bmp.compression, 0u);
    EXPECT_EQ(bmp.imageSize, pixels);
}

}  // namespace varnel::assets_test
