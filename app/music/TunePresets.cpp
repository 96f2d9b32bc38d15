#include "TunePresets.h"

#include <cstddef>

namespace varnel {
namespace {

constexpr int kDrumChannel = 9;
constexpr int kDrumBank = 128;

class Reader {
  public:
    explicit Reader(std::span<const uint8_t> bytes) : bytes_(bytes) {}
    bool AtEnd() const { return at_ >= bytes_.size(); }
    bool Has(std::size_t count) const { return at_ + count <= bytes_.size(); }
    uint8_t Byte() { return Has(1) ? bytes_[at_++] : (failed_ = true, 0); }
    uint32_t BigEndian(int count) {
        uint32_t value = 0;
        for (int i = 0; i < count; ++i) value = (value << 8) | Byte();
        return value;
    }
    uint32_t Quantity() {  // a variable-length quantity: seven bits a byte, at most four bytes
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const uint8_t b = Byte();
            value = (value << 7) | (b & 0x7F);
            if ((b & 0x80) == 0) return value;
        }
        failed_ = true;
        return value;
    }
    void Skip(std::size_t count) { Take(count); }
    std::span<const uint8_t> Take(std::size_t count) {
        if (!Has(count)) {
            failed_ = true;
            return {};
        }
        at_ += count;
        return bytes_.subspan(at_ - count, count);
    }
    bool Failed() const { return failed_; }

  private:
    std::span<const uint8_t> bytes_;
    std::size_t at_ = 0;
    bool failed_ = false;
};

int BankOf(int channel) {
    return channel == kDrumChannel ? kDrumBank : 0;
}

}  // namespace

std::optional<std::set<PresetNumber>> PresetsOfTune(std::span<const uint8_t> midi) {
    Reader file(midi);
    if (file.BigEndian(4) != 0x4D546864) return std::nullopt;  // "MThd"
    const uint32_t headerLength = file.BigEndian(4);
    file.Skip(2);
    const uint32_t tracks = file.BigEndian(2);
    file.Skip(headerLength - 4);
    std::set<PresetNumber> presets;
    for (uint32_t found = 0; found < tracks;) {
        const uint32_t id = file.BigEndian(4);
        Reader track(file.Take(file.BigEndian(4)));
        if (file.Failed()) return std::nullopt;
        if (id != 0x4D54726B) continue;  // not "MTrk": skipped, as every reader must
        ++found;
        uint8_t status = 0;
        while (!track.AtEnd() && !track.Failed()) {
            track.Quantity();  // the time since the event before
            uint8_t first = track.Byte();
            if (first >= 0x80) {
                status = first;
                if (status < 0xF0) first = track.Byte();
            } else if (status == 0 || status >= 0xF0) {
                return std::nullopt;  // running status with nothing to run on
            }
            if (status == 0xFF) {  // meta event: type, length, data
                track.Byte();
                track.Skip(track.Quantity());
                status = 0;
                continue;
            }
            if (status == 0xF0 || status == 0xF7) {  // system exclusive: length, data
                track.Skip(track.Quantity());
                status = 0;
                continue;
            }
            if (status > 0xF0) return std::nullopt;
            const int channel = status & 0x0F;
            switch (status & 0xF0) {
                case 0xC0:
                    presets.insert({BankOf(channel), first});
                    break;
                case 0xD0:
                    break;
                case 0xB0:
                    // Bank select (MSB or LSB): the tune picks its own banks.
                    if (first == 0 || first == 32) return std::nullopt;
                    track.Byte();
                    break;
                case 0x90:
                    if (track.Byte() > 0) presets.insert({BankOf(channel), 0});
                    break;
                default:
                    track.Byte();
                    break;
            }
        }
        if (track.Failed()) return std::nullopt;
    }
    return presets;
}

}  // namespace varnel
