#pragma once

#include <QComboBox>
#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <functional>

namespace varnel {

// The picture chooser, "Load File": a drive list (the machine's mounted volumes), a folder list
// and the bitmap files of the chosen folder. OK or a double-click hands the chosen file to the
// loader; the chooser closes when the loader takes it, and stays open (with the loader's message
// shown) when it does not. It is a fixed-size child of the game window, centred on the game
// window's screen. Its lists are named "drives", "folders" and "files", its buttons "ok"
// and "cancel".
class PictureChooser : public QDialog {
    Q_OBJECT
  public:
    // The loader returns false, with the reason, for a file it cannot use.
    using Loader = std::function<bool(const QString& path, QString* reason)>;

    PictureChooser(Loader loader, std::function<void()> beep, QWidget* parent = nullptr);

    // The folder whose files the list shows.
    QString folderPath() const { return folder_; }
    void setFolder(const QString& folder);
    // The full path of the file last handed to the loader; "" until then.
    const QString& picturePath() const { return picturePath_; }

  private:
    void fillFromWorkingFolder();
    void choose();
    void driveChosen();
    void fillFolderList();
    void fillFileList();
    void report(const QString& text);

    QListWidget* folders_;
    QComboBox* drives_;
    QListWidget* files_;
    QPushButton* ok_;
    QPushButton* cancel_;
    Loader loader_;
    std::function<void()> beep_;
    QString folder_;
    QString picturePath_;
};

}  // namespace varnel
