#include <QEvent>
#include <QTimer>

#include "Conversions.h"
#include "frmVarnel.h"

// The background tune: opened at start-up, looped by the status reports, switched off and on
// from the Customize menu, stopped and rewound when the program ends.
namespace varnel {

namespace {
constexpr int kStatusInterval = 999;  // milliseconds: the loop restarts within about a second
}

void frmVarnel::OpenMusicDevice() {
    if (MMControl1.Mode() != MusicDevice::NotReady) MMControl1.Close();
    MMControl1.SetOutput(environment_.musicOutput);
    MMControl1.SetFileName(AppPath_ + QStringLiteral("varnel.mid"));
    MMControl1.SetDeviceType(QStringLiteral("Sequencer"));
    MMControl1.Open();
}

void frmVarnel::OpenMusic() {
    // Opening reads the tune alone: the synthesiser and the audio output start with the first
    // Play, off this thread, so the window and the first board never wait for them.
    OpenMusicDevice();

    state_.SoundOn = kTrue;
    state_.SoundOn = CInt(Val(settings_.Read("Sound", Str(state_.SoundOn))));
    if (state_.SoundOn == kTrue) {
        MMControl1.SetUpdateInterval(kStatusInterval);
        MMControl1.Play();
    } else {
        mnuSound->setText(QStringLiteral("S&ound Off"));
        MMControl1.SetUpdateInterval(0);
    }
}

bool frmVarnel::eventFilter(QObject* watched, QEvent* event) {
    // Once the first board has been painted (and, after this turn of the event loop, shown),
    // the music and the rest of the start may follow.
    if (watched == picBoard && event->type() == QEvent::Paint) {
        picBoard->removeEventFilter(this);
        QTimer::singleShot(0, this, [this] { AfterFirstBoard(); });
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmVarnel::AfterFirstBoard() {
    if (firstBoardShown_) return;
    firstBoardShown_ = true;
    MMControl1.HoldStart(false);
    emit FirstBoardShown();
}

void frmVarnel::MMControl1_StatusUpdate() {
    // Stopped while the reports run means the tune has played to its end: start it again.
    if (MMControl1.Mode() == MusicDevice::Stopped) {
        MMControl1.Prev();
        MMControl1.Play();
    }
}

void frmVarnel::mnuSound_Click() {
    if (state_.SoundOn == kTrue) {
        state_.SoundOn = kFalse;
        mnuSound->setText(QStringLiteral("S&ound Off"));
        // Reports off before the stop, so that none restarts the tune; then rewind, so that
        // switching on again starts from the beginning.
        MMControl1.SetUpdateInterval(0);
        MMControl1.Stop();
        MMControl1.Prev();
    } else {
        state_.SoundOn = kTrue;
        mnuSound->setText(QStringLiteral("S&ound On"));
        // A device that gave up (no audio output yet when the music first played, as when the
        // sound server starts after the game) tries again from the start.
        if (MMControl1.Mode() == MusicDevice::NotReady) OpenMusicDevice();
        MMControl1.SetUpdateInterval(kStatusInterval);
        MMControl1.Play();
    }
    WriteSetting("Sound", Str(state_.SoundOn));
}

void frmVarnel::StopMusicForShutdown() {
    MMControl1.SetUpdateInterval(0);
    MMControl1.Stop();
    MMControl1.Prev();
}

}  // namespace varnel
