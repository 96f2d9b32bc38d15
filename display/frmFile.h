#pragma once

#include <QComboBox>
#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <functional>

namespace varnel {

// The picture chooser, "Load File": a drive list (the machine's mounted volumes), a folder
// list and the bitmap files of the chosen folder. OK or a double-click hands the chosen file
// to the loader; the chooser closes when the loader takes it, and stays open (with the
// loader's message shown) when it does not.
class frmFile : public QDialog {
    Q_OBJECT
public:
    // The loader returns false, with the reason, for a file it cannot use.
    using Loader = std::function<bool(const QString& path, QString* reason)>;

    frmFile(Loader loader, std::function<void()> beep, QWidget* parent = nullptr);

    // The folder whose files the list shows.
    QString FolderPath() const { return folder_; }
    void SetFolder(const QString& folder);
    // The full path of the file last handed to the loader; "" until then.
    const QString& PicturePath() const { return PicturePath_; }

    QListWidget* dirList;
    QComboBox* drvList;
    QListWidget* filList;
    QPushButton* cmdOk;
    QPushButton* cmdCancel;

    void cmdOk_Click();
    void cmdCancel_Click();

private:
    void Form_Load();
    void drvList_Change();
    void dirList_Change(const QString& folder);
    void FillFolderList();
    void FillFileList();
    void Report(const QString& text);

    Loader loader_;
    std::function<void()> beep_;
    QString folder_;
    QString PicturePath_;
};

}  // namespace varnel
