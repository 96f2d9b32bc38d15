#pragma once

#include <QObject>
#include <QString>

#include "app/Settings.h"
#include "app/music/MusicDevice.h"

namespace varnel {

// The background tune: opened at start-up, looped, switched off and on from the Customize menu
// (the choice remembered as "Sound"), stopped and rewound when the program ends. Whether sound
// is on also decides whether a refused click beeps.
class MusicPlayer : public QObject {
    Q_OBJECT
  public:
    MusicPlayer(Settings& settings, MusicDevice::Output output, QObject* parent = nullptr);

    // Opens the tune in the program's folder and, when the player wants music, starts it; the
    // synthesiser itself waits until the first board is on screen (see letStart).
    void open(const QString& appPath);
    // The first board is on screen: the music may start now.
    void letStart() { device_.holdStart(false); }
    void toggle();
    void stopForShutdown();

    bool soundOn() const { return soundOn_; }
    // The Sound entry names the state the music is in, not the action.
    QString caption() const { return caption_; }
    MusicDevice& device() { return device_; }

  signals:
    void captionChanged(const QString& caption);

  private:
    void openDevice();
    void restartAtEnd();
    void setCaption(const QString& caption);

    Settings& settings_;
    MusicDevice device_;
    MusicDevice::Output output_;
    QString tunePath_;
    bool soundOn_ = true;
    QString caption_ = QStringLiteral("&Sound On");
};

}  // namespace varnel
