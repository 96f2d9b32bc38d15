#include "tools/tunegen/Tune.h"

#include <array>
#include <cstddef>

namespace varnel {

namespace {

using Tick = MidiTrack::Tick;

// Note lengths in ticks.
constexpr Tick E = kTuneDivision / 2;
constexpr Tick Q = kTuneDivision;
constexpr Tick DQ = Q + E;
constexpr Tick H = 2 * Q;
constexpr Tick DH = 3 * Q;
constexpr Tick Bar = 4 * Q;

// 80 beats a minute: slow enough to sit under a game for hours. Twenty bars make a minute.
constexpr uint32_t kMicrosecondsPerQuarter = 750'000;
constexpr int kBars = 20;
constexpr Tick kEnd = kBars * Bar;

// General MIDI programs (numbered from 0) and the channel each part plays on.
struct Part {
    const char* name;
    uint8_t channel;
    uint8_t program;
    uint8_t volume;
    uint8_t pan;
    uint8_t reverb;
};
constexpr Part kMelody{"Piano", 0, 0, 120, 64, 60};
constexpr Part kHarp{"Harp", 1, 46, 72, 44, 70};
constexpr Part kStrings{"Strings", 2, 49, 80, 84, 70};
constexpr Part kBass{"Bass", 3, 32, 100, 64, 30};

// A chord as each accompanying part plays it. The harp arpeggiates from its root with the
// chord's third (3 minor, 4 major); the strings hold a close voicing that moves by step from
// chord to chord; the bass plays the root and then the fifth above it.
struct Chord {
    uint8_t harpRoot;
    uint8_t third;
    std::array<uint8_t, 3> strings;
    uint8_t bass;
};
constexpr Chord F{53, 4, {57, 60, 65}, 41};
constexpr Chord Dm{50, 3, {57, 62, 65}, 38};
constexpr Chord Bb{46, 4, {58, 62, 65}, 34};
constexpr Chord C{48, 4, {55, 60, 64}, 36};
constexpr Chord Gm{43, 3, {55, 58, 62}, 43};
constexpr Chord Am{45, 3, {57, 60, 64}, 45};

// One chord to a bar, except bar 19, which turns Bb to C for the cadence. The last bar is the
// closing F chord, written out on its own below.
struct Harmony {
    Chord first;
    Chord second;
    bool split;
};
constexpr std::array<Harmony, kBars - 1> kHarmony{{
    {F, F, false},   {Dm, Dm, false}, {Bb, Bb, false}, {C, C, false},    // A
    {F, F, false},   {Dm, Dm, false}, {Gm, Gm, false}, {C, C, false},    // A'
    {Bb, Bb, false}, {F, F, false},   {Gm, Gm, false}, {Am, Am, false},  // B
    {Bb, Bb, false}, {F, F, false},   {Gm, Gm, false}, {C, C, false},    // B'
    {F, F, false},   {Dm, Dm, false}, {Bb, C, true},                     // A'' to the cadence
}};

// The melody, a bar to a line; key 0 is a rest. Strong beats sit on chord tones; the notes
// between them move by step.
struct Note {
    uint8_t key;
    Tick length;
};
const std::array<std::vector<Note>, kBars> kMelodyBars{{
    {{72, H}, {69, Q}, {72, Q}},          {{74, DQ}, {72, E}, {69, H}},
    {{74, H}, {72, Q}, {70, Q}},          {{72, Q}, {70, Q}, {67, H}},
    {{72, H}, {69, Q}, {72, Q}},          {{74, DQ}, {76, E}, {77, H}},
    {{74, H}, {70, Q}, {67, Q}},          {{64, Q}, {67, Q}, {72, H}},
    {{77, H}, {74, Q}, {77, Q}},          {{77, Q}, {76, Q}, {72, H}},
    {{74, DQ}, {72, E}, {70, H}},         {{69, H}, {72, Q}, {76, Q}},
    {{77, H}, {74, Q}, {70, Q}},          {{72, H}, {69, Q}, {65, Q}},
    {{67, Q}, {70, Q}, {74, Q}, {72, Q}}, {{72, Q}, {74, Q}, {76, H}},
    {{77, H}, {72, Q}, {69, Q}},          {{74, DQ}, {72, E}, {69, H}},
    {{74, Q}, {70, Q}, {72, Q}, {76, Q}}, {{77, DH}, {0, Q}},
}};

// The closing chord sounds for three beats; the fourth beat is left for it to fade, so the
// loop starts again after a breath rather than a long silence.
constexpr Tick kClosingStart = (kBars - 1) * Bar;
constexpr Tick kClosingLength = DH;

// Phrases swell a little in the middle section and settle towards the end.
uint8_t phraseLevel(int bar) {
    if (bar >= 8 && bar < 16) return 90;
    if (bar >= 16) return 80;
    return 84;
}

// A touch of weight on the first and third beats keeps the pulse without a drum.
uint8_t accent(Tick tickInBar) {
    if (tickInBar == 0) return 6;
    if (tickInBar == H) return 3;
    return 0;
}

MidiTrack startPart(const Part& part) {
    MidiTrack track;
    track.name(part.name);
    track.program(0, part.channel, part.program);
    track.control(0, part.channel, 7, part.volume);
    track.control(0, part.channel, 11, 127);  // expression fully open
    track.control(0, part.channel, 10, part.pan);
    track.control(0, part.channel, 91, part.reverb);
    track.control(0, part.channel, 93, 0);  // no chorus: it smears the harp
    track.endAt(kEnd);
    return track;
}

MidiTrack conductor() {
    MidiTrack track;
    track.name("Varnel Solitaire");
    track.timeSignature(0, 4, 2);
    track.keySignature(0, -1, false);
    track.tempo(0, kMicrosecondsPerQuarter);
    track.endAt(kEnd);
    return track;
}

MidiTrack melody() {
    MidiTrack track = startPart(kMelody);
    for (int bar = 0; bar < kBars; ++bar) {
        Tick at = 0;
        for (const Note& note : kMelodyBars[bar]) {
            if (note.key != 0) {
                const bool last = bar == kBars - 1;
                const uint8_t level = last ? 74 : phraseLevel(bar) + accent(at);
                // A small gap between notes lets each one speak; the last one rings its full
                // length.
                const Tick length = last ? note.length : note.length - E / 8;
                track.Note(bar * Bar + at, kMelody.channel, note.key, level, length);
            }
            at += note.length;
        }
    }
    return track;
}

void arpeggio(MidiTrack& track, Tick start, const Chord& chord, int eighths) {
    const int t = chord.third;
    const std::array<int, 8> steps{0, 7, 12, 12 + t, 19, 12 + t, 12, 7};
    for (int i = 0; i < eighths; ++i) {
        const uint8_t level = i == 0 ? 62 : 54;
        // Each string rings on under the next one, as a harp's would.
        track.Note(start + i * E, kHarp.channel, static_cast<uint8_t>(chord.harpRoot + steps[i]),
                   level, Q);
    }
}

MidiTrack harp() {
    MidiTrack track = startPart(kHarp);
    for (std::size_t bar = 0; bar < kHarmony.size(); ++bar) {
        const Harmony& harmony = kHarmony[bar];
        const Tick start = bar * Bar;
        if (harmony.split) {
            arpeggio(track, start, harmony.first, 4);
            arpeggio(track, start + H, harmony.second, 4);
        } else {
            arpeggio(track, start, harmony.first, 8);
        }
    }
    // The closing F chord, rolled upwards from the bottom string.
    const std::array<uint8_t, 5> roll{53, 57, 60, 65, 69};
    for (std::size_t i = 0; i < roll.size(); ++i) {
        const Tick offset = i * (E / 4);
        track.Note(kClosingStart + offset, kHarp.channel, roll[i], 58, kClosingLength - offset);
    }
    return track;
}

MidiTrack strings() {
    MidiTrack track = startPart(kStrings);
    auto hold = [&track](Tick start, const Chord& chord, Tick length, uint8_t level) {
        for (uint8_t key : chord.strings) {
            // Released just before the next chord, so a held key is struck afresh.
            track.Note(start, kStrings.channel, key, level, length - E / 8);
        }
    };
    for (std::size_t bar = 0; bar < kHarmony.size(); ++bar) {
        const Harmony& harmony = kHarmony[bar];
        const uint8_t level = phraseLevel(static_cast<int>(bar)) - 26;
        if (harmony.split) {
            hold(bar * Bar, harmony.first, H, level);
            hold(bar * Bar + H, harmony.second, H, level);
        } else {
            hold(bar * Bar, harmony.first, Bar, level);
        }
    }
    for (uint8_t key : F.strings) {
        track.Note(kClosingStart, kStrings.channel, key, 54, kClosingLength);
    }
    return track;
}

MidiTrack bass() {
    MidiTrack track = startPart(kBass);
    constexpr uint8_t level = 72;
    for (std::size_t bar = 0; bar < kHarmony.size(); ++bar) {
        const Harmony& harmony = kHarmony[bar];
        const Tick start = bar * Bar;
        if (harmony.split) {
            track.Note(start, kBass.channel, harmony.first.bass, level, H - E / 4);
            track.Note(start + H, kBass.channel, harmony.second.bass, level, H - E / 4);
        } else {
            track.Note(start, kBass.channel, harmony.first.bass, level, H - E / 4);
            track.Note(start + H, kBass.channel, harmony.first.bass + 7, level - 6, H - E / 4);
        }
    }
    track.Note(kClosingStart, kBass.channel, F.bass, 68, kClosingLength);
    return track;
}

}  // namespace

std::vector<MidiTrack> composeTune() {
    return {conductor(), melody(), harp(), strings(), bass()};
}

}  // namespace varnel
