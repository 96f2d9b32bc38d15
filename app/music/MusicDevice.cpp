#include "app/music/MusicDevice.h"

#include <malloc.h>

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <string>
#include <thread>

#include "app/music/FluidSynthLibrary.h"
#include "app/music/SoundFontLoader.h"
#include "app/music/TuneFile.h"
#include "app/music/TunePresets.h"

namespace varnel {

namespace {

// Frames rendered at a time by RenderMilliseconds and by the check of a new synthesiser.
constexpr int kBlockFrames = 1024;
// How often a playing device looks whether its tune has ended, to let the audio device go.
constexpr int kEndWatchMs = 500;
// The tune never sounds more than a few dozen voices at once, release tails included; a cap
// keeps a runaway tune from eating the processor.
constexpr int kPolyphony = 64;

// Cuts every voice at once and clears the effects and the channels back to their defaults, so
// only a faint echo is left: a clean slate for a tune that sets up its own instruments.
void hush(const FluidSynthLibrary& fs, fluid_synth_t* synth) {
    fs.fluid_synth_system_reset(synth);
    fs.fluid_synth_all_sounds_off(synth, -1);
}

// Runs on the audio thread whenever the player moves on.
int rememberTick(void* data, int tick) {
    static_cast<std::atomic<int>*>(data)->store(tick, std::memory_order_relaxed);
    return FLUID_OK;
}

void writeToStandardError(const QString& line) {
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
}

}  // namespace

struct MusicDevice::Engine {
    const FluidSynthLibrary& fs;
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    fluid_player_t* player = nullptr;
    fluid_audio_driver_t* driver = nullptr;
    int lengthTicks = 0;
    // The player's tick, written by whichever thread renders.
    std::atomic<int> position{0};

    explicit Engine(const FluidSynthLibrary& library) : fs(library) {}
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    ~Engine() {
        // The driver renders on a thread of its own, so it goes before anything it touches.
        if (driver != nullptr) fs.delete_fluid_audio_driver(driver);
        if (player != nullptr) fs.delete_fluid_player(player);
        if (synth != nullptr) fs.delete_fluid_synth(synth);
        if (settings != nullptr) fs.delete_fluid_settings(settings);
    }

    // A fresh player waiting at startTick in place of the old one. Deleting a player is only
    // safe while nothing renders: callers stop the audio first.
    bool newPlayer(const std::vector<uint8_t>& tune, int startTick) {
        if (player != nullptr) {
            fs.delete_fluid_player(player);
            player = nullptr;
        }
        position.store(startTick);
        fluid_player_t* fresh = fs.new_fluid_player(synth);
        if (fresh == nullptr) return false;
        if (fs.fluid_player_add_mem(fresh, tune.data(), tune.size()) != FLUID_OK ||
            (startTick > 0 && fs.fluid_player_seek(fresh, startTick) != FLUID_OK)) {
            fs.delete_fluid_player(fresh);
            return false;
        }
        fs.fluid_player_set_tick_callback(fresh, &rememberTick, &position);
        player = fresh;
        return true;
    }
};

// What a synthesiser starting on its own thread is given, and what it hands back.
struct MusicDevice::StartJob {
    std::shared_ptr<const std::vector<uint8_t>> tune;
    std::vector<std::string> soundFonts;
    std::vector<std::string> audioDrivers;
    bool withAudioOutput = false;

    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;       // the thread has handed back its engine (or none)
    bool abandoned = false;  // the device no longer waits for it
    std::unique_ptr<Engine> engine;
    QString failure;  // what went wrong with the sound system; empty when nothing did

    static void Run(const std::shared_ptr<StartJob>& job, MusicDevice* device);
    bool build();
    bool startAudioOutput();
};

QStringList MusicDevice::defaultSoundFonts() {
    // Debian's small General MIDI font first; the system default as a fallback.
    return {"/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/default-GM.sf2"};
}

QStringList MusicDevice::defaultAudioDrivers() {
    // A desktop normally runs a sound server (PulseAudio, or PipeWire speaking its protocol):
    // going through it shares the sound card with other programs. Bare ALSA is for machines
    // without one. JACK is never asked for: connecting may start a JACK server, which would
    // take the sound card away from everything else for the sake of background music.
    return {"pulseaudio", "alsa"};
}

MusicDevice::MusicDevice(QObject* parent)
    : QObject(parent),
      soundFonts_(defaultSoundFonts()),
      audioDrivers_(defaultAudioDrivers()),
      failureReport_(&writeToStandardError) {
    connect(&statusTimer_, &QTimer::timeout, this, &MusicDevice::statusUpdate);
    endWatch_.setInterval(kEndWatchMs);
    connect(&endWatch_, &QTimer::timeout, this, &MusicDevice::watchForEnd);
}

MusicDevice::~MusicDevice() {
    close();
}

void MusicDevice::setFileName(const QString& fileName) {
    fileName_ = fileName;
}
void MusicDevice::setOutput(Output output) {
    output_ = output;
}
void MusicDevice::setSoundFonts(const QStringList& paths) {
    soundFonts_ = paths;
}
void MusicDevice::setAudioDrivers(const QStringList& drivers) {
    audioDrivers_ = drivers;
}
void MusicDevice::setFailureReport(std::function<void(const QString&)> report) {
    failureReport_ = std::move(report);
}

void MusicDevice::holdStart(bool hold) {
    startHeld_ = hold;
    if (!hold && playing_ && !start_ && !sounding()) startInBackground();
}

void MusicDevice::open() {
    close();
    auto tune = readTuneFile(QFile::encodeName(fileName_).toStdString());
    if (!tune) return;
    tune_ = std::make_shared<const std::vector<uint8_t>>(std::move(*tune));
    updateStatusTimer();
}

void MusicDevice::play() {
    if (!tune_ || playing_ || atEnd()) return;
    playing_ = true;
    // A synthesiser on its way is told nothing: it sees playing_ when it arrives.
    if (start_) return;
    if (sounding()) {
        engine_->fs.fluid_player_play(engine_->player);
        return;
    }
    if (!startHeld_) startInBackground();
}

bool MusicDevice::sounding() const {
    return engine_ && (output_ == Output::Manual || engine_->driver != nullptr);
}

void MusicDevice::startInBackground() {
    auto job = std::make_shared<StartJob>();
    job->tune = tune_;
    for (const QString& path : soundFonts_) {
        job->soundFonts.push_back(QFile::encodeName(path).toStdString());
    }
    for (const QString& name : audioDrivers_) job->audioDrivers.push_back(name.toStdString());
    job->withAudioOutput = output_ == Output::AudioDevice;
    startPosition_ = engine_ ? engine_->position.load() : 0;
    job->engine = std::move(engine_);
    start_ = job;
    // Detached: a program that ends while the synthesiser starts does not wait for it.
    std::thread(&StartJob::Run, job, this).detach();
}

void MusicDevice::StartJob::Run(const std::shared_ptr<StartJob>& job, MusicDevice* device) {
    bool ready = job->engine != nullptr || job->build();
    if (ready) {
        job->engine->fs.fluid_player_play(job->engine->player);
        ready = !job->withAudioOutput || job->startAudioOutput();
    }
    if (!ready) job->engine.reset();
    // Reading the sound font leaves megabytes of scratch memory freed but still held by the
    // allocator (all of the synthesiser, when it gave up): give it back.
    malloc_trim(0);
    std::lock_guard lock(job->mutex);
    job->done = true;
    job->finished.notify_all();
    // Posted under the lock: a device that abandons the job takes the lock first, so it is
    // never called once it has let go.
    if (!job->abandoned) {
        QMetaObject::invokeMethod(
            device, [device, job] { device->finishStart(job); }, Qt::QueuedConnection);
    }
}

bool MusicDevice::StartJob::build() {
    const FluidSynthLibrary* library = loadFluidSynth();
    if (library == nullptr) {
        failure = QStringLiteral("the FluidSynth library could not be loaded");
        return false;
    }
    const FluidSynthLibrary& fs = *library;
    engine = std::make_unique<Engine>(fs);
    fluid_settings_t* settings = engine->settings = fs.new_fluid_settings();
    if (settings == nullptr) return false;
    fs.fluid_settings_setnum(settings, "synth.sample-rate", SampleRate);
    fs.fluid_settings_setnum(settings, "synth.gain", OutputGain);
    fs.fluid_settings_setint(settings, "synth.polyphony", kPolyphony);
    // Samples are loaded as the tune picks its instruments: its four need a small part of the
    // sound font's 6 MB.
    fs.fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
    // The tune sends nothing to the chorus, which would otherwise run on silence.
    fs.fluid_settings_setint(settings, "synth.chorus.active", 0);
    // Background music needs neither pinned memory nor real-time scheduling, and large audio
    // buffers let the audio thread wake a few dozen times a second instead of hundreds.
    fs.fluid_settings_setint(settings, "synth.lock-memory", 0);
    fs.fluid_settings_setint(settings, "audio.realtime-prio", 0);
    fs.fluid_settings_setint(settings, "audio.period-size", 1024);
    fs.fluid_settings_setint(settings, "audio.periods", 4);

    fluid_synth_t* synth = engine->synth = fs.new_fluid_synth(settings);
    if (synth == nullptr) {
        failure = QStringLiteral("FluidSynth could not make a synthesiser");
        return false;
    }
    const auto presets = presetsOfTune(*tune);
    const bool haveFont = std::any_of(soundFonts.begin(), soundFonts.end(), [&](const auto& path) {
        // Only files that say they are sound fonts go to the loader, which complains aloud
        // about anything else.
        if (!QFileInfo(QFile::decodeName(path.c_str())).isFile() ||
            !fs.fluid_is_soundfont(path.c_str()))
            return false;
        // Only the tune's instruments are loaded: the rest of a General MIDI font would take
        // megabytes for nothing.
        if (auto subset = presets ? SoundFontSubset::make(path, *presets) : nullptr)
            loadAsSubset(fs, settings, synth, std::move(subset));
        return fs.fluid_synth_sfload(synth, path.c_str(), 1) != FLUID_FAILED;
    });
    if (!haveFont) {
        std::string tried;
        for (const auto& path : soundFonts) tried += (tried.empty() ? "" : ", ") + path;
        failure = QStringLiteral("no General MIDI sound font could be loaded (tried %1)")
                      .arg(QFile::decodeName(tried.c_str()));
        return false;
    }

    // FluidSynth reads a tune only when its player first runs. A scratch player therefore plays
    // the first block into the void: a tune FluidSynth cannot read leaves that player finished
    // at once, or with no length. Either way the device stays not ready rather than "playing"
    // a tune that never sounds; the tune is the game's own, so nothing is reported.
    fluid_player_t* scratch = fs.new_fluid_player(synth);
    if (scratch == nullptr) return false;
    bool playable = false;
    if (fs.fluid_player_add_mem(scratch, tune->data(), tune->size()) == FLUID_OK &&
        fs.fluid_player_play(scratch) == FLUID_OK) {
        std::array<float, kBlockFrames> left{}, right{};
        fs.fluid_synth_write_float(synth, kBlockFrames, left.data(), 0, 1, right.data(), 0, 1);
        engine->lengthTicks = fs.fluid_player_get_total_ticks(scratch);
        playable =
            fs.fluid_player_get_status(scratch) == FLUID_PLAYER_PLAYING && engine->lengthTicks > 0;
    }
    fs.delete_fluid_player(scratch);
    hush(fs, synth);
    return playable && engine->newPlayer(*tune, 0);
}

bool MusicDevice::StartJob::startAudioOutput() {
    const FluidSynthLibrary& fs = engine->fs;
    std::string tried;
    for (const std::string& name : audioDrivers) {
        tried += (tried.empty() ? "" : ", ") + name;
        if (fs.fluid_settings_setstr(engine->settings, "audio.driver", name.c_str()) != FLUID_OK) {
            continue;
        }
        engine->driver = fs.new_fluid_audio_driver(engine->settings, engine->synth);
        if (engine->driver != nullptr) return true;
    }
    failure = QStringLiteral("no audio output could be opened (tried %1)")
                  .arg(QString::fromStdString(tried));
    return false;
}

void MusicDevice::finishStart(const std::shared_ptr<StartJob>& job) {
    // Already taken over by WaitUntilStarted, or abandoned by Close.
    if (start_ != job) return;
    start_.reset();
    QString failure;
    {
        std::lock_guard lock(job->mutex);
        engine_ = std::move(job->engine);
        failure = job->failure;
    }
    if (!engine_) {
        close();
        if (!failure.isEmpty()) fail(failure);
        return;
    }
    lengthTicks_ = engine_->lengthTicks;
    if (engine_->driver != nullptr) endWatch_.start();
    // stop or rewind came while the synthesiser started: they take effect now.
    if (!playing_ || rewoundWhileStarting_) {
        const bool playAgain = playing_;
        const int at = rewoundWhileStarting_ ? 0 : engine_->position.load();
        rewoundWhileStarting_ = false;
        stopAudioOutput();
        hush(engine_->fs, engine_->synth);
        playing_ = false;
        if (!newPlayer(at)) return;
        if (playAgain) play();
    }
}

void MusicDevice::waitUntilStarted() {
    if (startHeld_) holdStart(false);
    if (!start_) return;
    const std::shared_ptr<StartJob> job = start_;
    {
        std::unique_lock lock(job->mutex);
        job->finished.wait(lock, [&job] { return job->done; });
    }
    finishStart(job);
}

void MusicDevice::abandonStart() {
    if (!start_) return;
    {
        std::lock_guard lock(start_->mutex);
        start_->abandoned = true;
    }
    // The thread lets its synthesiser go when it finishes.
    start_.reset();
}

void MusicDevice::fail(const QString& what) {
    if (failureReport_) failureReport_(QStringLiteral("Varnel Solitaire: no music: ") + what);
}

bool MusicDevice::newPlayer(int startTick) {
    if (engine_->newPlayer(*tune_, startTick)) return true;
    close();
    return false;
}

void MusicDevice::stop() {
    if (!tune_ || !playing_) return;
    playing_ = false;
    if (!engine_) return;
    const int stoppedAt = positionTicks();
    stopAudioOutput();
    hush(engine_->fs, engine_->synth);
    // The stopped player is swapped for a fresh one waiting at the same tick. When it plays,
    // FluidSynth's seek walks the tune from its start and sends every instrument and controller
    // change on the way, so the channels sound as they did before the hush.
    newPlayer(stoppedAt);
}

void MusicDevice::rewind() {
    if (!tune_) return;
    playing_ = false;
    if (!engine_) {
        rewoundWhileStarting_ = start_ != nullptr;
        startPosition_ = 0;
        return;
    }
    stopAudioOutput();
    hush(engine_->fs, engine_->synth);
    // A player that has run to its end cannot be sent back reliably on every FluidSynth
    // version, so the rewind is a fresh player over the tune held in memory.
    newPlayer(0);
}

void MusicDevice::close() {
    abandonStart();
    endWatch_.stop();
    engine_.reset();
    tune_.reset();
    lengthTicks_ = 0;
    startPosition_ = 0;
    playing_ = false;
    rewoundWhileStarting_ = false;
    updateStatusTimer();
}

MusicDevice::Mode MusicDevice::mode() const {
    if (!tune_) return Mode::NotReady;
    // FluidSynth's own player status cannot tell a finished tune from a stopped one and only
    // turns to finished seconds after the last event; the position is exact.
    return playing_ && !atEnd() ? Mode::Playing : Mode::Stopped;
}

void MusicDevice::setUpdateInterval(int milliseconds) {
    updateInterval_ = std::max(0, milliseconds);
    updateStatusTimer();
}

void MusicDevice::updateStatusTimer() {
    if (tune_ && updateInterval_ > 0) {
        statusTimer_.start(updateInterval_);
    } else {
        statusTimer_.stop();
    }
}

int MusicDevice::positionTicks() const {
    return engine_ ? engine_->position.load() : startPosition_;
}

bool MusicDevice::atEnd() const {
    return engine_ && lengthTicks_ > 0 && engine_->position.load() >= lengthTicks_;
}

float MusicDevice::renderMilliseconds(int milliseconds) {
    if (output_ != Output::Manual || milliseconds <= 0) return 0.0F;
    waitUntilStarted();
    // Never beside a running driver: two threads rendering one synthesiser would corrupt it.
    if (!engine_ || engine_->driver != nullptr) return 0.0F;
    std::array<float, kBlockFrames> left{}, right{};
    float peak = 0.0F;
    long long frames = std::llround(milliseconds * SampleRate / 1000.0);
    while (frames > 0) {
        const int count = static_cast<int>(std::min<long long>(frames, kBlockFrames));
        engine_->fs.fluid_synth_write_float(engine_->synth, count, left.data(), 0, 1, right.data(),
                                            0, 1);
        for (int i = 0; i < count; ++i) {
            peak = std::max({peak, std::fabs(left[i]), std::fabs(right[i])});
        }
        frames -= count;
    }
    return peak;
}

bool MusicDevice::audioOutputActive() const {
    return engine_ && engine_->driver != nullptr;
}

void MusicDevice::stopAudioOutput() {
    endWatch_.stop();
    if (engine_ && engine_->driver != nullptr) {
        engine_->fs.delete_fluid_audio_driver(engine_->driver);
        engine_->driver = nullptr;
    }
}

void MusicDevice::watchForEnd() {
    // The tune has finished and its last chord has faded: nothing is left to render until the
    // next Play, so the audio thread need not keep rendering silence.
    if (atEnd()) stopAudioOutput();
}

}  // namespace varnel
