#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

// A small Standard MIDI File writer: tracks collect timed events in any order, and the writer
// lays them out as a format 1 file with delta times.
namespace varnel {

class MidiTrack {
  public:
    // Time in ticks from the start of the tune.
    using Tick = uint32_t;

    void name(std::string_view name);
    void tempo(Tick tick, uint32_t microsecondsPerQuarter);
    void timeSignature(Tick tick, uint8_t numerator, uint8_t denominatorPower);
    void keySignature(Tick tick, int8_t sharps, bool minor);
    void program(Tick tick, uint8_t channel, uint8_t program);
    void control(Tick tick, uint8_t channel, uint8_t controller, uint8_t value);
    // A note from tick for duration ticks: the note-on and its note-off.
    void Note(Tick tick, uint8_t channel, uint8_t key, uint8_t velocity, Tick duration);
    // Where the track ends; every track of a tune should end at the same tick.
    void endAt(Tick tick);

    // The track chunk body: events in time order with delta times, closed by End of Track.
    std::vector<uint8_t> encode() const;

  private:
    // At one tick, note-offs go first so that a repeated key is released before it sounds
    // again, then meta events, then controllers and programs, then note-ons.
    enum class Rank : uint8_t { NoteOff, Meta, Setup, NoteOn };

    struct Event {
        Tick tick;
        Rank rank;
        std::vector<uint8_t> bytes;
    };

    void add(Tick tick, Rank rank, std::vector<uint8_t> bytes);
    void meta(Tick tick, uint8_t type, std::vector<uint8_t> data);

    std::vector<Event> events_;
    Tick end_ = 0;
};

// The whole file: header chunk (format 1, ticks per quarter note) and one chunk per track.
std::vector<uint8_t> encodeMidiFile(const std::vector<MidiTrack>& tracks, uint16_t division);

// The variable-length quantity of delta times and meta lengths, most significant group first.
void appendVarLen(std::vector<uint8_t>& out, uint32_t value);

}  // namespace varnel
