#include "tools/artgen/Assets.h"

#include <QImage>
#include <QString>
#include <array>
#include <filesystem>

#include "tools/artgen/BmpWriter.h"
#include "tools/artgen/ContactSheet.h"
#include "tools/artgen/Icons.h"
#include "tools/artgen/Mask.h"
#include "tools/artgen/Quantiser.h"
#include "art/Sheet.h"
#include "art/TileSets.h"

namespace varnel::artgen {

using namespace varnel::art;
namespace {

// The program's own picture file; the Creepy Crawlers entry of the Tiles menu loads it, so it
// holds that set and a player may replace it with a sheet of his own.
constexpr const char* kProgramPicture = "varnel.bmp";
constexpr int kCrawlerSet = 4;
// PNG files carry a resolution; a fixed one keeps them independent of the screen.
constexpr int kDotsPerMetre = 3780;

bool writeBmp(const std::filesystem::path& path, const IndexedImage& image, std::string& error) {
    if (writeFileBytes(path.string(), encodeBmp8(image))) return true;
    error = "cannot write " + path.string();
    return false;
}

bool writePng(const std::filesystem::path& path, QImage image, std::string& error) {
    image.setDotsPerMeterX(kDotsPerMetre);
    image.setDotsPerMeterY(kDotsPerMetre);
    if (image.save(QString::fromStdString(path.string()), "PNG")) return true;
    error = "cannot write " + path.string();
    return false;
}

}  // namespace

bool writeAssets(const std::string& folder, std::string& error) {
    const std::filesystem::path root(folder);
    std::error_code ec;
    std::filesystem::create_directories(root / "sheets", ec);
    std::filesystem::create_directories(root / "icons", ec);
    if (ec) {
        error = "cannot create the folders under " + folder + ": " + ec.message();
        return false;
    }

    const IndexedImage mask = makeMask();
    if (!writeBmp(root / "mask.bmp", mask, error)) return false;

    std::array<IndexedImage, 5> sheets;
    const auto& sets = builtInTileSets();
    for (std::size_t i = 0; i < sets.size(); ++i) {
        sheets[i] = Quantise(renderSheet(sets[i].paintFace));
        if (!writeBmp(root / "sheets" / sets[i].fileName, sheets[i], error)) return false;
    }
    if (!writeBmp(root / kProgramPicture, sheets[kCrawlerSet], error)) return false;

    for (int size : kIconSizes) {
        const std::string name = "varnel-" + std::to_string(size) + ".png";
        if (!writePng(root / "icons" / name, makeIcon(size), error)) return false;
    }
    return writePng(root / "contact-sheet.png", toQImage(makeContactSheet(sheets, mask)), error);
}

}  // namespace varnel::artgen
