#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <cstdint>
#include <memory>
#include <vector>

namespace varnel {

// The music device behind the window's Sound entry: a MIDI sequencer that opens a tune, plays,
// stops, rewinds and tells its mode, and reports its status on the event thread at a set
// interval. The window loops the tune itself: a status report that finds the device stopped
// rewinds and plays again.
//
// It never shows or prints anything and nothing is checked by the caller: a missing or broken
// tune, no sound font or no audio device leave the device not ready, and then every command
// does nothing and no status reports arrive.
class MusicDevice : public QObject {
    Q_OBJECT

  public:
    // The mode numbers the window compares with; 526 is only ever read as "not stopped".
    static constexpr int NotReady = 524;
    static constexpr int Stopped = 525;
    static constexpr int Playing = 526;

    // Where the sound goes. Manual renders nothing by itself: the tune advances only through
    // RenderMilliseconds, so tests run on a clock of their own and need no sound card.
    enum class Output { AudioDevice, Manual };

    // Loudness of the synthesiser's output, applied to every voice.
    static constexpr double OutputGain = 1.0;

    // Sound fonts tried in order when the device opens.
    static QStringList DefaultSoundFonts();
    // Audio drivers tried in order each time playing starts.
    static QStringList DefaultAudioDrivers();

    explicit MusicDevice(QObject* parent = nullptr);
    ~MusicDevice() override;

    MusicDevice(const MusicDevice&) = delete;
    MusicDevice& operator=(const MusicDevice&) = delete;

    // Properties read by the next Open.
    void SetFileName(const QString& fileName);
    // Only "Sequencer" (any case) opens.
    void SetDeviceType(const QString& deviceType);
    void SetOutput(Output output);
    void SetSoundFonts(const QStringList& paths);
    void SetAudioDrivers(const QStringList& drivers);

    // Loads the sound font and the tune; afterwards the device is stopped at the start, or not
    // ready if anything was missing or broken. An open device is closed first.
    void Open();
    // Plays from the current position. Does nothing while playing, and at the end of the tune
    // until Prev has rewound it.
    void Play();
    // Stops where the tune is; Play would go on from there.
    void Stop();
    // Stops and rewinds to the start of the tune.
    void Prev();
    // Releases the tune, the synthesiser and the audio device: not ready until opened again.
    void Close();

    // NotReady, Stopped (also once the tune has played to its end) or Playing.
    int Mode() const;

    // Period of the StatusUpdate reports in milliseconds; 0 turns them off. Reports arrive only
    // while the device is open.
    void SetUpdateInterval(int milliseconds);
    int UpdateInterval() const { return updateInterval_; }

    // Position and length of the open tune in MIDI ticks; 0 when not ready.
    int PositionTicks() const;
    int LengthTicks() const { return lengthTicks_; }

    // With Output::Manual, renders this much of the tune into a scratch buffer and returns the
    // loudest sample (0 is silence). Does nothing with a real audio device or when not ready.
    float RenderMilliseconds(int milliseconds);

    // Whether an audio driver is running: only from Play until Stop, Prev or the tune's end.
    bool AudioOutputActive() const;
    bool StatusTimerActive() const { return statusTimer_.isActive(); }

  signals:
    void StatusUpdate();

  private:
    struct Engine;

    bool LoadTune();
    bool StartAudioOutput();
    void StopAudioOutput();
    bool NewPlayer(int startTick);
    bool AtEnd() const;
    void WatchForEnd();
    void UpdateStatusTimer();

    QString fileName_;
    QString deviceType_;
    Output output_ = Output::AudioDevice;
    QStringList soundFonts_;
    QStringList audioDrivers_;

    std::vector<uint8_t> tune_;
    int lengthTicks_ = 0;
    std::unique_ptr<Engine> engine_;  // set while the device is open
    bool playing_ = false;            // Play sent, and no Stop or Prev since

    int updateInterval_ = 0;
    QTimer statusTimer_;
    QTimer endWatch_;
};

}  // namespace varnel
