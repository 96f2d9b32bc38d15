// artgen <output-dir>: draws the tile mask, the tile sheets, the program's picture file, the
// window icons and a contact sheet, and writes them under the folder. Running it twice gives
// the same bytes.
#include <QGuiApplication>
#include <cstdio>
#include <string>

#include "tools/artgen/Assets.h"
#include "art/Typefaces.h"

int main(int argc, char* argv[]) {
    // Nothing is shown; the offscreen platform needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: artgen <output-dir>\n");
        return 2;
    }
    varnel::art::Typefaces typefaces;
    if (!typefaces.error().empty()) {
        std::fprintf(stderr, "artgen: %s\n", typefaces.error().c_str());
        return 1;
    }
    std::string error;
    if (!varnel::artgen::writeAssets(argv[1], error)) {
        std::fprintf(stderr, "artgen: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
