#include "MusicDevice.h"

#include <fluidsynth.h>

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <mutex>

#include "MidiFileCheck.h"

namespace varnel {

namespace {

constexpr double kSampleRate = 44100.0;
// The tune is a few kilobytes; anything this large is not a background tune.
constexpr qint64 kLargestTune = 4 * 1024 * 1024;
// Frames rendered at a time by RenderMilliseconds and by the check at Open.
constexpr int kBlockFrames = 1024;
// How often a playing device looks whether its tune has ended, to let the audio device go.
constexpr int kEndWatchMs = 500;

// The game keeps no log and shows no messages about music, so FluidSynth must not print.
void SilenceFluidSynth() {
    static std::once_flag once;
    std::call_once(once, [] {
        for (int level = 0; level < LAST_LOG_LEVEL; ++level) {
            fluid_set_log_function(level, nullptr, nullptr);
        }
    });
}

// Cuts every voice at once and clears the effects and the channels back to their defaults, so
// only a faint echo is left: a clean slate for a tune that sets up its own instruments.
void Hush(fluid_synth_t* synth) {
    fluid_synth_system_reset(synth);
    fluid_synth_all_sounds_off(synth, -1);
}

// Runs on the audio thread whenever the player moves on.
int RememberTick(void* data, int tick) {
    static_cast<std::atomic<int>*>(data)->store(tick, std::memory_order_relaxed);
    return FLUID_OK;
}

}  // namespace

struct MusicDevice::Engine {
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    fluid_player_t* player = nullptr;
    fluid_audio_driver_t* driver = nullptr;
    // The player's tick, written by whichever thread renders.
    std::atomic<int> position{0};

    Engine() = default;
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    ~Engine() {
        // The driver renders on a thread of its own, so it goes before anything it touches.
        if (driver != nullptr) delete_fluid_audio_driver(driver);
        if (player != nullptr) delete_fluid_player(player);
        if (synth != nullptr) delete_fluid_synth(synth);
        if (settings != nullptr) delete_fluid_settings(settings);
    }
};

QStringList MusicDevice::DefaultSoundFonts() {
    // Debian's small General MIDI font first; the system default as a fallback.
    return {"/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/default-GM.sf2"};
}

QStringList MusicDevice::DefaultAudioDrivers() {
    // A desktop normally runs a sound server (PulseAudio, or PipeWire speaking its protocol):
    // going through it shares the sound card with other programs. Bare ALSA is for machines
    // without one. JACK is never asked for: connecting may start a JACK server, which would
    // take the sound card away from everything else for the sake of background music.
    return {"pulseaudio", "alsa"};
}

MusicDevice::MusicDevice(QObject* parent)
    : QObject(parent), soundFonts_(DefaultSoundFonts()), audioDrivers_(DefaultAudioDrivers()) {
    SilenceFluidSynth();
    connect(&statusTimer_, &QTimer::timeout, this, &MusicDevice::StatusUpdate);
    endWatch_.setInterval(kEndWatchMs);
    connect(&endWatch_, &QTimer::timeout, this, &MusicDevice::WatchForEnd);
}

MusicDevice::~MusicDevice() {
    Close();
}

void MusicDevice::SetFileName(const QString& fileName) {
    fileName_ = fileName;
}
void MusicDevice::SetDeviceType(const QString& deviceType) {
    deviceType_ = deviceType;
}
void MusicDevice::SetOutput(Output output) {
    output_ = output;
}
void MusicDevice::SetSoundFonts(const QStringList& paths) {
    soundFonts_ = paths;
}
void MusicDevice::SetAudioDrivers(const QStringList& drivers) {
    audioDrivers_ = drivers;
}

void MusicDevice::Open() {
    Close();
    if (deviceType_.compare(QLatin1String("Sequencer"), Qt::CaseInsensitive) != 0) return;

    QFile file(fileName_);
    if (!file.open(QIODevice::ReadOnly)) return;
    const QByteArray bytes = file.read(kLargestTune + 1);
    if (bytes.size() > kLargestTune) return;
    tune_.assign(bytes.begin(), bytes.end());
    if (!IsWellFormedMidiFile(tune_)) {
        tune_.clear();
        return;
    }

    engine_ = std::make_unique<Engine>();
    if (!LoadTune()) Close();
    UpdateStatusTimer();
}

bool MusicDevice::LoadTune() {
    Engine& engine = *engine_;
    engine.settings = new_fluid_settings();
    if (engine.settings == nullptr) return false;
    fluid_settings_setnum(engine.settings, "synth.sample-rate", kSampleRate);
    fluid_settings_setnum(engine.settings, "synth.gain", OutputGain);
    // Background music needs neither pinned memory nor real-time scheduling, and large audio
    // buffers let the audio thread wake a few dozen times a second instead of hundreds.
    fluid_settings_setint(engine.settings, "synth.lock-memory", 0);
    fluid_settings_setint(engine.settings, "audio.realtime-prio", 0);
    fluid_settings_setint(engine.settings, "audio.period-size", 1024);
    fluid_settings_setint(engine.settings, "audio.periods", 4);

    engine.synth = new_fluid_synth(engine.settings);
    if (engine.synth == nullptr) return false;
    const bool haveFont =
        std::any_of(soundFonts_.begin(), soundFonts_.end(), [&](const QString& path) {
            const QByteArray name = QFile::encodeName(path);
            // Only files that say they are sound fonts go to the loader, which complains aloud
            // about anything else.
            return QFileInfo(path).isFile() && fluid_is_soundfont(name.constData()) &&
                   fluid_synth_sfload(engine.synth, name.constData(), 1) != FLUID_FAILED;
        });
    if (!haveFont) return false;

    // FluidSynth reads a tune only when its player first runs. A scratch player therefore plays
    // the first block into the void: a tune FluidSynth cannot read leaves that player finished
    // at once, or with no length. Either way the device stays not ready rather than "playing"
    // a tune that never sounds.
    fluid_player_t* scratch = new_fluid_player(engine.synth);
    if (scratch == nullptr) return false;
    bool playable = false;
    if (fluid_player_add_mem(scratch, tune_.data(), tune_.size()) == FLUID_OK &&
        fluid_player_play(scratch) == FLUID_OK) {
        std::array<float, kBlockFrames> left{}, right{};
        fluid_synth_write_float(engine.synth, kBlockFrames, left.data(), 0, 1, right.data(), 0, 1);
        lengthTicks_ = fluid_player_get_total_ticks(scratch);
        playable = fluid_player_get_status(scratch) == FLUID_PLAYER_PLAYING && lengthTicks_ > 0;
    }
    delete_fluid_player(scratch);
    Hush(engine.synth);
    return playable && NewPlayer(0);
}

bool MusicDevice::NewPlayer(int startTick) {
    // Deleting a player is only safe while nothing renders: callers stop the audio first.
    Engine& engine = *engine_;
    if (engine.player != nullptr) {
        delete_fluid_player(engine.player);
        engine.player = nullptr;
    }
    engine.position.store(startTick);
    fluid_player_t* player = new_fluid_player(engine.synth);
    if (player == nullptr) return false;
    if (fluid_player_add_mem(player, tune_.data(), tune_.size()) != FLUID_OK ||
        (startTick > 0 && fluid_player_seek(player, startTick) != FLUID_OK)) {
        delete_fluid_player(player);
        return false;
    }
    fluid_player_set_tick_callback(player, &RememberTick, &engine.position);
    engine.player = player;
    return true;
}

void MusicDevice::Play() {
    if (!engine_ || playing_ || AtEnd()) return;
    fluid_player_play(engine_->player);
    playing_ = true;
    // No audio device: the device gives up quietly and is not ready from now on, so the
    // window's loop finds nothing to restart.
    if (output_ == Output::AudioDevice && engine_->driver == nullptr && !StartAudioOutput()) {
        Close();
    }
}

void MusicDevice::Stop() {
    if (!engine_ || !playing_) return;
    const int stoppedAt = PositionTicks();
    StopAudioOutput();
    Hush(engine_->synth);
    playing_ = false;
    // The stopped player is swapped for a fresh one waiting at the same tick. When it plays,
    // FluidSynth's seek walks the tune from its start and sends every instrument and controller
    // change on the way, so the channels sound as they did before the hush.
    if (!NewPlayer(stoppedAt)) Close();
}

void MusicDevice::Prev() {
    if (!engine_) return;
    StopAudioOutput();
    Hush(engine_->synth);
    playing_ = false;
    // A player that has run to its end cannot be sent back reliably on every FluidSynth
    // version, so the rewind is a fresh player over the tune held in memory.
    if (!NewPlayer(0)) Close();
}

void MusicDevice::Close() {
    endWatch_.stop();
    engine_.reset();
    tune_.clear();
    lengthTicks_ = 0;
    playing_ = false;
    UpdateStatusTimer();
}

int MusicDevice::Mode() const {
    if (!engine_) return NotReady;
    // FluidSynth's own player status cannot tell a finished tune from a stopped one and only
    // turns to finished seconds after the last event; the position is exact.
    return playing_ && !AtEnd() ? Playing : Stopped;
}

void MusicDevice::SetUpdateInterval(int milliseconds) {
    updateInterval_ = std::max(0, milliseconds);
    UpdateStatusTimer();
}

void MusicDevice::UpdateStatusTimer() {
    if (engine_ && updateInterval_ > 0) {
        statusTimer_.start(updateInterval_);
    } else {
        statusTimer_.stop();
    }
}

int MusicDevice::PositionTicks() const {
    return engine_ ? engine_->position.load() : 0;
}

bool MusicDevice::AtEnd() const {
    return engine_ && lengthTicks_ > 0 && engine_->position.load() >= lengthTicks_;
}

float MusicDevice::RenderMilliseconds(int milliseconds) {
    // Never beside a running driver: two threads rendering one synthesiser would corrupt it.
    if (!engine_ || engine_->driver != nullptr || output_ != Output::Manual || milliseconds <= 0) {
        return 0.0F;
    }
    std::array<float, kBlockFrames> left{}, right{};
    float peak = 0.0F;
    long long frames = std::llround(milliseconds * kSampleRate / 1000.0);
    while (frames > 0) {
        const int count = static_cast<int>(std::min<long long>(frames, kBlockFrames));
        fluid_synth_write_float(engine_->synth, count, left.data(), 0, 1, right.data(), 0, 1);
        for (int i = 0; i < count; ++i) {
            peak = std::max({peak, std::fabs(left[i]), std::fabs(right[i])});
        }
        frames -= count;
    }
    return peak;
}

bool MusicDevice::AudioOutputActive() const {
    return engine_ && engine_->driver != nullptr;
}

bool MusicDevice::StartAudioOutput() {
    Engine& engine = *engine_;
    for (const QString& name : audioDrivers_) {
        if (fluid_settings_setstr(engine.settings, "audio.driver", name.toUtf8().constData()) !=
            FLUID_OK) {
            continue;
        }
        engine.driver = new_fluid_audio_driver(engine.settings, engine.synth);
        if (engine.driver != nullptr) {
            endWatch_.start();
            return true;
        }
    }
    return false;
}

void MusicDevice::StopAudioOutput() {
    endWatch_.stop();
    if (engine_ && engine_->driver != nullptr) {
        delete_fluid_audio_driver(engine_->driver);
        engine_->driver = nullptr;
    }
}

void MusicDevice::WatchForEnd() {
    // The tune has finished and its last chord has faded: nothing is left to render until the
    // next Play, so the audio thread need not keep rendering silence.
    if (AtEnd()) StopAudioOutput();
}

}  // namespace varnel
