// tunegen <output-file>: writes the game's background tune as a Standard MIDI File.
#include <cstdio>
#include <fstream>

#include "tools/tunegen/SmfWriter.h"
#include "tools/tunegen/Tune.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: tunegen <output-file>\n");
        return 2;
    }
    const std::vector<uint8_t> bytes =
        varnel::encodeMidiFile(varnel::composeTune(), varnel::kTuneDivision);
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "tunegen: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
