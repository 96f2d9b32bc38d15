#include "app/music/MidiFileCheck.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace varnel {

namespace {

uint32_t bigEndian(std::span<const uint8_t> bytes, std::size_t at, int count) {
    uint32_t value = 0;
    for (int i = 0; i < count; ++i) value = (value << 8) | bytes[at + i];
    return value;
}

bool hasId(std::span<const uint8_t> bytes, std::size_t at, const char (&id)[5]) {
    return std::equal(id, id + 4, bytes.begin() + static_cast<std::ptrdiff_t>(at));
}

// Chunk names are four printable ASCII characters; anything else means we lost the thread.
bool isChunkId(std::span<const uint8_t> bytes, std::size_t at) {
    return std::all_of(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                       bytes.begin() + static_cast<std::ptrdiff_t>(at + 4),
                       [](uint8_t c) { return c >= 0x20 && c < 0x7F; });
}

}  // namespace

bool isWellFormedMidiFile(std::span<const uint8_t> bytes) {
    constexpr std::size_t kChunkHead = 8;
    if (bytes.size() < kChunkHead + 6 || !hasId(bytes, 0, "MThd")) return false;
    const uint64_t headerLength = bigEndian(bytes, 4, 4);
    const uint32_t format = bigEndian(bytes, 8, 2);
    const uint32_t trackCount = bigEndian(bytes, 10, 2);
    const uint32_t division = bigEndian(bytes, 12, 2);
    // Time in SMPTE frames (top bit of the division set) is not something the synthesiser
    // plays.
    if (headerLength < 6 || format > 2 || trackCount == 0 || division == 0 ||
        (division & 0x8000) != 0) {
        return false;
    }

    uint64_t at = kChunkHead + headerLength;
    uint32_t tracksFound = 0;
    while (tracksFound < trackCount) {
        if (at + kChunkHead > bytes.size() || !isChunkId(bytes, at)) return false;
        const uint64_t length = bigEndian(bytes, at + 4, 4);
        const uint64_t end = at + kChunkHead + length;
        if (end > bytes.size()) return false;
        if (hasId(bytes, at, "MTrk")) {
            // The shortest track is a lone End of Track: delta time 0, then FF 2F 00.
            constexpr std::array<uint8_t, 3> kEndOfTrack{0xFF, 0x2F, 0x00};
            if (length < 4 || !std::equal(kEndOfTrack.begin(), kEndOfTrack.end(),
                                          bytes.begin() + static_cast<std::ptrdiff_t>(end - 3))) {
                return false;
            }
            ++tracksFound;
        }
        at = end;
    }
    return true;
}

}  // namespace varnel
