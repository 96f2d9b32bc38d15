#include "app/music/TunePresets.h"

#include <cstddef>

namespace varnel {
namespace {

constexpr int kDrumChannel = 9;
constexpr int kDrumBank = 128;

class Reader {
  public:
    explicit Reader(std::span<const uint8_t> bytes) : bytes_(bytes) {}
    bool atEnd() const { return at_ >= bytes_.size(); }
    bool has(std::size_t count) const { return at_ + count <= bytes_.size(); }
    uint8_t byte() { return has(1) ? bytes_[at_++] : (failed_ = true, 0); }
    uint32_t bigEndian(int count) {
        uint32_t value = 0;
        for (int i = 0; i < count; ++i) value = (value << 8) | byte();
        return value;
    }
    uint32_t Quantity() {  // a variable-length quantity: seven bits a byte, at most four bytes
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const uint8_t b = byte();
            value = (value << 7) | (b & 0x7F);
            if ((b & 0x80) == 0) return value;
        }
        failed_ = true;
        return value;
    }
    void skip(std::size_t count) { take(count); }
    std::span<const uint8_t> take(std::size_t count) {
        if (!has(count)) {
            failed_ = true;
            return {};
        }
        at_ += count;
        return bytes_.subspan(at_ - count, count);
    }
    bool failed() const { return failed_; }

  private:
    std::span<const uint8_t> bytes_;
    std::size_t at_ = 0;
    bool failed_ = false;
};

int bankOf(int channel) {
    return channel == kDrumChannel ? kDrumBank : 0;
}

}  // namespace

std::optional<std::set<PresetNumber>> presetsOfTune(std::span<const uint8_t> midi) {
    Reader file(midi);
    if (file.bigEndian(4) != 0x4D546864) return std::nullopt;  // "MThd"
    const uint32_t headerLength = file.bigEndian(4);
    file.skip(2);
    const uint32_t tracks = file.bigEndian(2);
    file.skip(headerLength - 4);
    std::set<PresetNumber> presets;
    for (uint32_t found = 0; found < tracks;) {
        const uint32_t id = file.bigEndian(4);
        Reader track(file.take(file.bigEndian(4)));
        if (file.failed()) return std::nullopt;
        if (id != 0x4D54726B) continue;  // not "MTrk": skipped, as every reader must
        ++found;
        uint8_t status = 0;
        while (!track.atEnd() && !track.failed()) {
            track.Quantity();  // the time since the event before
            uint8_t first = track.byte();
            if (first >= 0x80) {
                status = first;
                if (status < 0xF0) first = track.byte();
            } else if (status == 0 || status >= 0xF0) {
                return std::nullopt;  // running status with nothing to run on
            }
            if (status == 0xFF) {  // meta event: type, length, data
                track.byte();
                track.skip(track.Quantity());
                status = 0;
                continue;
            }
            if (status == 0xF0 || status == 0xF7) {  // system exclusive: length, data
                track.skip(track.Quantity());
                status = 0;
                continue;
            }
            if (status > 0xF0) return std::nullopt;
            const int channel = status & 0x0F;
            switch (status & 0xF0) {
                case 0xC0:
                    presets.insert({bankOf(channel), first});
                    break;
                case 0xD0:
                    break;
                case 0xB0:
                    // Bank select (MSB or LSB): the tune picks its own banks.
                    if (first == 0 || first == 32) return std::nullopt;
                    track.byte();
                    break;
                case 0x90:
                    if (track.byte() > 0) presets.insert({bankOf(channel), 0});
                    break;
                default:
                    track.byte();
                    break;
            }
        }
        if (track.failed()) return std::nullopt;
    }
    return presets;
}

}  // namespace varnel
