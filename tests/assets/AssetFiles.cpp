#include "AssetFiles.h"

#include <gtest/gtest.h>

namespace varnel::assets_test {

std::string AssetPath(const std::string& relative) {
    return std::string(VARNEL_ASSETS_DIR) + "/" + relative;
}

const std::vector<SheetFile>& SheetFiles() {
    static const std::vector<SheetFile> files{
        {"sheets/traditional.bmp", "Traditional"},
        {"sheets/alphabet.bmp", "Alphabet"},
        {"sheets/flower-power.bmp", "Flower Power"},
        {"sheets/egyptian.bmp", "Egyptian"},
        {"sheets/creepy-crawlers.bmp", "Creepy Crawlers"},
        {"varnel.bmp", "the program's picture file"},
    };
    return files;
}

const std::vector<std::string>& GeneratedFiles() {
    static const std::vector<std::string> files{
        "mask.bmp",
        "sheets/traditional.bmp",
        "sheets/alphabet.bmp",
        "sheets/flower-power.bmp",
        "sheets/egyptian.bmp",
        "sheets/creepy-crawlers.bmp",
        "varnel.bmp",
        "icons/varnel-16.png",
        "icons/varnel-24.png",
        "icons/varnel-32.png",
        "icons/varnel-48.png",
        "icons/varnel-64.png",
        "icons/varnel-128.png",
        "icons/varnel-256.png",
        "contact-sheet.png",
    };
    return files;
}

Bmp8 LoadBmp(const std::string& relative) {
    Bmp8 bmp;
    std::string why;
    const bool ok = ParseBmp8(ReadBytes(AssetPath(relative)), bmp, why);
    EXPECT_TRUE(ok) << relative << ": " << why;
    return bmp;
}

}  // namespace varnel::assets_test
