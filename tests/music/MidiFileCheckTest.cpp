#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "MidiFileCheck.h"
#include "TuneFiles.h"

namespace varnel {
namespace {

using Bytes = std::vector<uint8_t>;

void Append32(Bytes& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<uint8_t>(value >> shift));
}

Bytes Chunk(const std::string& id, const Bytes& body) {
    Bytes out(id.begin(), id.end());
    Append32(out, static_cast<uint32_t>(body.size()));
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

Bytes Header(uint16_t format, uint16_t tracks, uint16_t division) {
    return Chunk("MThd", {0, static_cast<uint8_t>(format), static_cast<uint8_t>(tracks >> 8),
                          static_cast<uint8_t>(tracks), static_cast<uint8_t>(division >> 8),
                          static_cast<uint8_t>(division)});
}

// One quarter-note middle C, then End of Track.
const Bytes kNoteTrack{0x00, 0x90, 60, 80, 0x83, 0x60, 0x80, 60, 0, 0x00, 0xFF, 0x2F, 0x00};

Bytes File(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& part : parts) out.insert(out.end(), part.begin(), part.end());
    return out;
}

TEST(MidiFileCheck, AcceptsPlayableLayouts) {
    const QByteArray tune = testing::ReadTune();
    ASSERT_FALSE(tune.isEmpty());
    EXPECT_TRUE(IsWellFormedMidiFile({reinterpret_cast<const uint8_t*>(tune.constData()),
                                      static_cast<std::size_t>(tune.size())}));

    EXPECT_TRUE(IsWellFormedMidiFile(File({Header(0, 1, 480), Chunk("MTrk", kNoteTrack)})));
    // Unknown chunks are skipped, trailing bytes after the last track ignored.
    EXPECT_TRUE(IsWellFormedMidiFile(
        File({Header(1, 2, 96), Chunk("XFIH", {1, 2, 3}), Chunk("MTrk", kNoteTrack),
              Chunk("MTrk", kNoteTrack), Bytes{0, 0, 0}})));
    // A longer header than six bytes is allowed; its extra bytes are not ours to read.
    Bytes longHeader = Chunk("MThd", {0, 0, 0, 1, 0x01, 0xE0, 0x55, 0x55});
    EXPECT_TRUE(IsWellFormedMidiFile(File({longHeader, Chunk("MTrk", kNoteTrack)})));
}

TEST(MidiFileCheck, RefusesBrokenHeaders) {
    const Bytes track = Chunk("MTrk", kNoteTrack);
    EXPECT_FALSE(IsWellFormedMidiFile({}));
    EXPECT_FALSE(IsWellFormedMidiFile(Bytes{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0}));
    EXPECT_FALSE(IsWellFormedMidiFile(File({Chunk("RIFF", {0, 0, 0, 1, 1, 0xE0}), track})));
    EXPECT_FALSE(IsWellFormedMidiFile(File({Header(3, 1, 480), track})));
    EXPECT_FALSE(IsWellFormedMidiFile(File({Header(0, 0, 480), track})));
    EXPECT_FALSE(IsWellFormedMidiFile(File({Header(0, 1, 0), track})));
    // 25 frames a second, 40 subframes: time in SMPTE frames.
    EXPECT_FALSE(IsWellFormedMidiFile(File({Header(0, 1, 0xE728), track})));
    EXPECT_FALSE(IsWellFormedMidiFile(File({Chunk("MThd", {0, 0, 0, 1, 0x01}), track})));
}

TEST(MidiFileCheck, RefusesDamagedTracks) {
    const Bytes header = Header(1, 2, 480);
    const Bytes track = Chunk("MTrk", kNoteTrack);
    // Fewer tracks than announced.
    EXPECT_FALSE(IsWellFormedMidiFile(File({header, track})));
    // Cut short in the middle of the second track.
    Bytes whole = File({header, track, track});
    EXPECT_TRUE(IsWellFormedMidiFile(whole));
    for (std::size_t cut = 1; cut < track.size(); ++cut) {
        EXPECT_FALSE(IsWellFormedMidiFile(Bytes(whole.begin(), whole.end() - cut))) << cut;
    }
    // A track without its End of Track.
    Bytes open(kNoteTrack.begin(), kNoteTrack.end() - 4);
    EXPECT_FALSE(IsWellFormedMidiFile(File({Header(0, 1, 480), Chunk("MTrk", open)})));
    // A chunk length running far past the end of the file.
    Bytes huge = File({Header(0, 1, 480), track});
    huge[18] = 0xFF;
    EXPECT_FALSE(IsWellFormedMidiFile(huge));
    // Garbage where the next chunk should start.
    EXPECT_FALSE(
        IsWellFormedMidiFile(File({Header(0, 1, 480), Bytes{0x00, 0x90, 0xFF, 0x01}, track})));
}

}  // namespace
}  // namespace varnel
