#include "tools/tunegen/SmfWriter.h"

#include <algorithm>
#include <stdexcept>

namespace varnel {

namespace {

void appendBigEndian(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8) {
        out.push_back(static_cast<uint8_t>(value >> shift));
    }
}

void checkChannelData(uint8_t channel, uint8_t value) {
    if (channel > 15 || value > 127) throw std::invalid_argument("MIDI value out of range");
}

}  // namespace

void appendVarLen(std::vector<uint8_t>& out, uint32_t value) {
    if (value > 0x0FFFFFFF) throw std::invalid_argument("MIDI variable-length value too large");
    uint8_t groups[4];
    int count = 0;
    do {
        groups[count++] = static_cast<uint8_t>(value & 0x7F);
        value >>= 7;
    } while (value != 0);
    while (count > 1) out.push_back(static_cast<uint8_t>(groups[--count] | 0x80));
    out.push_back(groups[0]);
}

void MidiTrack::add(Tick tick, Rank rank, std::vector<uint8_t> bytes) {
    events_.push_back({tick, rank, std::move(bytes)});
    end_ = std::max(end_, tick);
}

void MidiTrack::meta(Tick tick, uint8_t type, std::vector<uint8_t> data) {
    std::vector<uint8_t> bytes{0xFF, type};
    appendVarLen(bytes, static_cast<uint32_t>(data.size()));
    bytes.insert(bytes.end(), data.begin(), data.end());
    add(tick, Rank::Meta, std::move(bytes));
}

void MidiTrack::name(std::string_view name) {
    meta(0, 0x03, {name.begin(), name.end()});
}

void MidiTrack::tempo(Tick tick, uint32_t microsecondsPerQuarter) {
    meta(tick, 0x51,
         {static_cast<uint8_t>(microsecondsPerQuarter >> 16),
          static_cast<uint8_t>(microsecondsPerQuarter >> 8),
          static_cast<uint8_t>(microsecondsPerQuarter)});
}

void MidiTrack::timeSignature(Tick tick, uint8_t numerator, uint8_t denominatorPower) {
    // 24 MIDI clocks per metronome click and 8 thirty-seconds per quarter: the usual values.
    meta(tick, 0x58, {numerator, denominatorPower, 24, 8});
}

void MidiTrack::keySignature(Tick tick, int8_t sharps, bool minor) {
    meta(tick, 0x59, {static_cast<uint8_t>(sharps), static_cast<uint8_t>(minor ? 1 : 0)});
}

void MidiTrack::program(Tick tick, uint8_t channel, uint8_t program) {
    checkChannelData(channel, program);
    add(tick, Rank::Setup, {static_cast<uint8_t>(0xC0 | channel), program});
}

void MidiTrack::control(Tick tick, uint8_t channel, uint8_t controller, uint8_t value) {
    checkChannelData(channel, controller);
    checkChannelData(channel, value);
    add(tick, Rank::Setup, {static_cast<uint8_t>(0xB0 | channel), controller, value});
}

void MidiTrack::Note(Tick tick, uint8_t channel, uint8_t key, uint8_t velocity, Tick duration) {
    checkChannelData(channel, key);
    checkChannelData(channel, velocity);
    if (velocity == 0 || duration == 0) throw std::invalid_argument("silent note");
    add(tick, Rank::NoteOn, {static_cast<uint8_t>(0x90 | channel), key, velocity});
    // A note-on of velocity 0 would do as well; an explicit note-off reads more plainly.
    add(tick + duration, Rank::NoteOff, {static_cast<uint8_t>(0x80 | channel), key, 0x40});
}

void MidiTrack::endAt(Tick tick) {
    end_ = std::max(end_, tick);
}

std::vector<uint8_t> MidiTrack::encode() const {
    std::vector<const Event*> order;
    order.reserve(events_.size());
    for (const Event& event : events_) order.push_back(&event);
    std::stable_sort(order.begin(), order.end(), [](const Event* a, const Event* b) {
        return a->tick != b->tick ? a->tick < b->tick : a->rank < b->rank;
    });

    std::vector<uint8_t> out;
    Tick now = 0;
    for (const Event* event : order) {
        appendVarLen(out, event->tick - now);
        out.insert(out.end(), event->bytes.begin(), event->bytes.end());
        now = event->tick;
    }
    appendVarLen(out, end_ - now);
    out.insert(out.end(), {0xFF, 0x2F, 0x00});
    return out;
}

std::vector<uint8_t> encodeMidiFile(const std::vector<MidiTrack>& tracks, uint16_t division) {
    if (tracks.empty() || tracks.size() > 0xFFFF || division == 0 || division > 0x7FFF) {
        throw std::invalid_argument("bad MIDI file layout");
    }
    std::vector<uint8_t> out{'M', 'T', 'h', 'd'};
    appendBigEndian(out, 6, 4);
    appendBigEndian(out, 1, 2);
    appendBigEndian(out, static_cast<uint32_t>(tracks.size()), 2);
    appendBigEndian(out, division, 2);
    for (const MidiTrack& track : tracks) {
        const std::vector<uint8_t> body = track.encode();
        out.insert(out.end(), {'M', 'T', 'r', 'k'});
        appendBigEndian(out, static_cast<uint32_t>(body.size()), 4);
        out.insert(out.end(), body.begin(), body.end());
    }
    return out;
}

}  // namespace varnel
