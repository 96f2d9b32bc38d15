// The tune file: the check of its layout, and the committed tune being what the generator makes.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdint>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "app/music/MidiFileCheck.h"
#include "app/music/MusicDevice.h"
#include "app/music/TuneFile.h"

namespace varnel {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes chunk(const std::string& id, const Bytes& body) {
    Bytes out(id.begin(), id.end());
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(uint8_t(body.size() >> shift));
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

Bytes header(uint8_t format, uint8_t tracks, uint16_t division) {
    return chunk("MThd", {0, format, 0, tracks, uint8_t(division >> 8), uint8_t(division)});
}

Bytes file(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& part : parts) out.insert(out.end(), part.begin(), part.end());
    return out;
}

// One quarter-note middle C, then End of Track.
const Bytes kNoteTrack{0x00, 0x90, 60, 80, 0x83, 0x60, 0x80, 60, 0, 0x00, 0xFF, 0x2F, 0x00};

// The committed tune passing is shown by the device opening it; these are the layouts around it.
TEST(MidiFileCheck, AcceptsPlayableLayoutsAndRefusesDamagedOnes) {
    const Bytes track = chunk("MTrk", kNoteTrack);
    const Bytes unclosed = chunk("MTrk", Bytes(kNoteTrack.begin(), kNoteTrack.end() - 4));
    const Bytes twoTracks = file({header(1, 2, 480), track, track});
    Bytes hugeLength = file({header(0, 1, 480), track});
    hugeLength[18] = 0xFF;
    // Each layout and whether it plays.
    const std::tuple<const char*, Bytes, bool> layouts[] = {
        {"two tracks", twoTracks, true},
        // Unknown chunks are skipped, trailing bytes after the last track ignored.
        {"unknown chunk, trailing bytes",
         file({header(1, 2, 96), chunk("XFIH", {1, 2, 3}), track, track, Bytes{0, 0, 0}}), true},
        // A longer header than six bytes is allowed; its extra bytes are not ours to read.
        {"long header", file({chunk("MThd", {0, 0, 0, 1, 0x01, 0xE0, 0x55, 0x55}), track}), true},
        {"cut inside the header", Bytes{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0}, false},
        {"format 3", file({header(3, 1, 480), track}), false},
        {"division 0", file({header(0, 1, 0), track}), false},
        // 25 frames a second, 40 subframes: time in SMPTE frames.
        {"SMPTE time", file({header(0, 1, 0xE728), track}), false},
        {"track without End of Track", file({header(0, 1, 480), unclosed}), false},
        {"chunk length past the end", hugeLength, false},
        // A note where a chunk should start: it reads as an empty chunk named 00 90 3C 50.
        {"events outside a chunk",
         file({header(0, 1, 480), Bytes{0, 0x90, 60, 80, 0, 0, 0, 0}, track}), false},
    };
    for (const auto& [what, bytes, plays] : layouts)
        EXPECT_EQ(isWellFormedMidiFile(bytes), plays) << what;
    // Cut short anywhere in the last track, down to a lone first track.
    for (std::size_t cut = 1; cut <= track.size(); ++cut)
        EXPECT_FALSE(isWellFormedMidiFile(Bytes(twoTracks.begin(), twoTracks.end() - cut))) << cut;
}

// A player's tune plays, as does one of the largest size read (padded past its track); a byte
// more is refused before the synthesiser sees it.
TEST(Tune, TunesUpToTheLargestSizePlayAndLargerOnesAreRefused) {
    // A player's own tune of about 5 KB, larger than the game's: a piano running up and down.
    Bytes track{0x00, 0xC0, 0x00};  // the piano
    for (int i = 0; i < 630; ++i) {
        const uint8_t note = uint8_t(48 + std::abs(i % 48 - 24));
        track.insert(track.end(), {0x00, 0x90, note, 90, 0x3C, 0x80, note, 0x00});
    }
    track.insert(track.end(), {0x00, 0xFF, 0x2F, 0x00});
    const Bytes tune = file({header(0, 1, 240), chunk("MTrk", track)});
    QTemporaryDir dir;
    ASSERT_GT(tune.size(), std::size_t(QFile(VARNEL_TUNE_PATH).size()));
    ASSERT_TRUE(isWellFormedMidiFile(tune));
    QFile saved(dir.filePath("varnel.mid"));
    ASSERT_TRUE(saved.open(QIODevice::WriteOnly));
    saved.write(reinterpret_cast<const char*>(tune.data()), qint64(tune.size()));
    saved.close();
    const std::pair<std::size_t, bool> sizes[] = {
        {tune.size(), true}, {kLargestTuneBytes, true}, {kLargestTuneBytes + 1, false}};
    for (const auto& [size, plays] : sizes) {
        SCOPED_TRACE(size);
        ASSERT_TRUE(saved.resize(qint64(size)));  // padded with zeros past the track
        MusicDevice device;
        device.setOutput(MusicDevice::Output::Manual);
        device.setFileName(saved.fileName());
        device.open();
        device.play();
        EXPECT_EQ(device.mode() == MusicDevice::Mode::Playing, plays);
        EXPECT_TRUE(!plays || device.renderMilliseconds(2000) > 0.05F) << "sound, not silence";
    }
}

TEST(Tune, GeneratorReproducesTheCommittedFile) {
    QTemporaryDir dir;
    QProcess tunegen;
    tunegen.start(QStringLiteral(VARNEL_TUNEGEN_PATH), {dir.filePath("varnel.mid")});
    ASSERT_TRUE(tunegen.waitForFinished(30'000));
    ASSERT_EQ(tunegen.exitCode(), 0);
    QFile made(dir.filePath("varnel.mid")), committed(VARNEL_TUNE_PATH);
    ASSERT_TRUE(made.open(QIODevice::ReadOnly) && committed.open(QIODevice::ReadOnly));
    EXPECT_TRUE(made.readAll() == committed.readAll());
}

}  // namespace
}  // namespace varnel
