#include "app/MusicPlayer.h"

namespace varnel {
namespace {

constexpr int kStatusInterval = 999;  // milliseconds: the loop restarts within about a second

}  // namespace

MusicPlayer::MusicPlayer(Settings& settings, MusicDevice::Output output, QObject* parent)
    : QObject(parent), settings_(settings), output_(output) {
    // The music waits for the first board: the window comes first, then the synthesiser.
    device_.holdStart(true);
    connect(&device_, &MusicDevice::statusUpdate, this, [this] { restartAtEnd(); });
}

void MusicPlayer::openDevice() {
    device_.setOutput(output_);
    device_.setFileName(tunePath_);
    device_.open();
}

void MusicPlayer::open(const QString& appPath) {
    // Opening reads the tune alone: the synthesiser and the audio output start with the first
    // play, off this thread, so the window and the first board never wait for them.
    tunePath_ = appPath + QStringLiteral("varnel.mid");
    openDevice();
    soundOn_ = settings_.readSwitch("Sound", true);
    if (soundOn_) {
        device_.setUpdateInterval(kStatusInterval);
        device_.play();
    } else {
        setCaption(QStringLiteral("S&ound Off"));
        device_.setUpdateInterval(0);
    }
}

void MusicPlayer::restartAtEnd() {
    // Stopped while the reports run means the tune has played to its end: start it again.
    if (device_.mode() == MusicDevice::Mode::Stopped) {
        device_.rewind();
        device_.play();
    }
}

void MusicPlayer::toggle() {
    if (soundOn_) {
        soundOn_ = false;
        setCaption(QStringLiteral("S&ound Off"));
        // Reports off before the stop, so that none restarts the tune; then rewind, so that
        // switching on again starts from the beginning.
        device_.setUpdateInterval(0);
        device_.stop();
        device_.rewind();
    } else {
        soundOn_ = true;
        setCaption(QStringLiteral("S&ound On"));
        // A device that gave up (no audio output yet when the music first played, as when the
        // sound server starts after the game) tries again from the start.
        if (device_.mode() == MusicDevice::Mode::NotReady) openDevice();
        device_.setUpdateInterval(kStatusInterval);
        device_.play();
    }
    settings_.writeSwitch("Sound", soundOn_);
}

void MusicPlayer::stopForShutdown() {
    device_.setUpdateInterval(0);
    device_.stop();
    device_.rewind();
}

void MusicPlayer::setCaption(const QString& caption) {
    caption_ = caption;
    emit captionChanged(caption);
}

}  // namespace varnel
