#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace varnel {

// The music device behind the window's Sound entry: a MIDI sequencer that opens a tune, plays,
// stops, rewinds and tells its mode, and reports its status on the event thread at a set
// interval. The window loops the tune itself: a status report that finds the device stopped
// rewinds and plays again.
//
// Opening reads only the tune. The synthesiser, its sound font and the audio output start at
// the first Play, on a thread of their own, so that neither the start of the game nor the menu
// waits for them; until they are up the device already counts as playing. A game that never
// plays music never loads the synthesiser at all.
//
// It shows nothing and nothing is checked by the caller: a missing or broken tune, no sound
// font or no audio device leave the device not ready, and then every command does nothing and
// no status reports arrive. Only a failure of the sound system itself (no synthesiser library,
// no sound font, no audio output) is reported, in one line.
class MusicDevice : public QObject {
    Q_OBJECT

  public:
    // Stopped also once the tune has played to its end, which is how the loop finds the end.
    enum class Mode { NotReady, Stopped, Playing };

    // Where the sound goes. Manual renders nothing by itself: the tune advances only through
    // RenderMilliseconds, so tests run on a clock of their own and need no sound card.
    enum class Output { AudioDevice, Manual };

    // Loudness of the synthesiser's output, applied to every voice.
    static constexpr double OutputGain = 1.0;
    // The tune holds next to nothing above 11 kHz (56 dB down), so a higher rate only costs
    // the processor more.
    static constexpr double SampleRate = 22050.0;

    // Sound fonts tried in order when the device opens.
    static QStringList defaultSoundFonts();
    // Audio drivers tried in order each time playing starts.
    static QStringList defaultAudioDrivers();

    explicit MusicDevice(QObject* parent = nullptr);
    ~MusicDevice() override;

    MusicDevice(const MusicDevice&) = delete;
    MusicDevice& operator=(const MusicDevice&) = delete;

    // Properties read by the next Open.
    void setFileName(const QString& fileName);
    void setOutput(Output output);
    void setSoundFonts(const QStringList& paths);
    void setAudioDrivers(const QStringList& drivers);

    // Where the one line about a failure of the sound system goes; standard error by default.
    void setFailureReport(std::function<void(const QString&)> report);

    // While held, Play counts as playing but the synthesiser waits to start: the window holds
    // it until its first board is on screen. Letting go starts what Play asked for.
    void holdStart(bool hold);

    // Reads the tune; afterwards the device is stopped at the start, or not ready if the tune is
    // missing, not an ordinary file or broken. An open device is closed first.
    void open();
    // Plays from the current position. Does nothing while playing, and at the end of the tune
    // until rewind has rewound it. The first play (and the first after the audio output was
    // stopped) starts the synthesiser and the output in the background.
    void play();
    // Stops where the tune is; Play would go on from there.
    void stop();
    // Stops and rewinds to the start of the tune.
    void rewind();
    // Releases the tune, the synthesiser and the audio device: not ready until opened again.
    void close();

    Mode mode() const;

    // Period of the StatusUpdate reports in milliseconds; 0 turns them off. Reports arrive only
    // while the device is open.
    void setUpdateInterval(int milliseconds);
    int updateInterval() const { return updateInterval_; }

    // Position and length of the open tune in MIDI ticks; 0 when not ready.
    int positionTicks() const;
    int lengthTicks() const { return lengthTicks_; }

    // With Output::Manual, renders this much of the tune into a scratch buffer and returns the
    // loudest sample (0 is silence). Does nothing with a real audio device or when not ready.
    // Waits for a synthesiser still starting: this is the tests' own clock.
    float renderMilliseconds(int milliseconds);

    // Waits until the synthesiser started by Play is up (or has failed) and takes it over; a
    // start on hold begins at once.
    void waitUntilStarted();
    // Whether the synthesiser exists at all: not before the first Play.
    bool synthesiserLoaded() const { return engine_ != nullptr || start_ != nullptr; }
    // Whether an audio driver is running: only from play until stop, rewind or the tune's end.
    bool audioOutputActive() const;
    bool statusTimerActive() const { return statusTimer_.isActive(); }

  signals:
    void statusUpdate();

  private:
    struct Engine;
    struct StartJob;

    // Whether the synthesiser is here with somewhere for its sound to go.
    bool sounding() const;
    void startInBackground();
    void finishStart(const std::shared_ptr<StartJob>& job);
    void abandonStart();
    void fail(const QString& what);
    void stopAudioOutput();
    bool newPlayer(int startTick);
    bool atEnd() const;
    void watchForEnd();
    void updateStatusTimer();

    QString fileName_;
    Output output_ = Output::AudioDevice;
    QStringList soundFonts_;
    QStringList audioDrivers_;

    std::function<void(const QString&)> failureReport_;

    std::shared_ptr<const std::vector<uint8_t>> tune_;  // set while the device is open
    int lengthTicks_ = 0;
    std::unique_ptr<Engine> engine_;     // the synthesiser, once started and while idle here
    std::shared_ptr<StartJob> start_;    // the synthesiser while it starts on its own thread
    int startPosition_ = 0;              // where the tune stands while it starts
    bool playing_ = false;               // play sent, and no stop or rewind since
    bool rewoundWhileStarting_ = false;  // rewind sent while the synthesiser was starting
    bool startHeld_ = false;

    int updateInterval_ = 0;
    QTimer statusTimer_;
    QTimer endWatch_;
};

}  // namespace varnel
