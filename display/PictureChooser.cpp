#include "display/PictureChooser.h"

#include <QDir>
#include <QStorageInfo>

#include "display/DialogWindow.h"
#include "display/MessageBox.h"

namespace varnel {
namespace {

constexpr int kFolderRole = Qt::UserRole;

QFont chooserFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Arial Rounded MT Bold"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(9.0);
    font.setBold(true);
    return font;
}

// The volumes a player can pick pictures from: real file systems that are mounted and ready.
QStringList volumes() {
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady()) continue;
        const QByteArray type = volume.fileSystemType();
        if (type == "proc" || type == "sysfs" || type == "devpts" || type == "cgroup" ||
            type == "cgroup2" || type == "securityfs" || type == "mqueue" || type == "debugfs" ||
            type == "tracefs" || type == "pstore" || type == "bpf" || type == "fusectl" ||
            type == "configfs" || type == "binfmt_misc" || type == "hugetlbfs" || type == "autofs")
            continue;
        roots << volume.rootPath();
    }
    roots.removeDuplicates();
    roots.sort();
    return roots;
}

// The volume a folder lies on. Inside a container or a chroot the mount table may not reach
// it; the root of the file tree then stands for it.
QString volumeOf(const QString& folder) {
    const QString root = QStorageInfo(folder).rootPath();
    return root.isEmpty() ? QDir::rootPath() : root;
}

}  // namespace

PictureChooser::PictureChooser(Loader loader, std::function<void()> beep, QWidget* parent)
    : QDialog(parent),
      folders_(new QListWidget(this)),
      drives_(new QComboBox(this)),
      files_(new QListWidget(this)),
      ok_(new QPushButton(QStringLiteral("OK"), this)),
      cancel_(new QPushButton(QStringLiteral("Cancel"), this)),
      loader_(std::move(loader)),
      beep_(std::move(beep)) {
    setWindowTitle(QStringLiteral("Load File"));
    makeGameDialog(this, parent);
    setFixedSize(335, 198);
    setAutoFillBackground(true);
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    setPalette(grey);
    setFont(chooserFont());

    folders_->setGeometry(8, 40, 145, 150);
    drives_->setGeometry(8, 8, 145, 24);
    files_->setGeometry(160, 8, 169, 141);
    ok_->setGeometry(160, 168, 81, 25);
    cancel_->setGeometry(248, 168, 81, 25);
    folders_->setObjectName(QStringLiteral("folders"));
    drives_->setObjectName(QStringLiteral("drives"));
    files_->setObjectName(QStringLiteral("files"));
    ok_->setObjectName(QStringLiteral("ok"));
    cancel_->setObjectName(QStringLiteral("cancel"));
    setTabOrder(folders_, drives_);
    setTabOrder(drives_, files_);
    setTabOrder(files_, ok_);
    setTabOrder(ok_, cancel_);
    ok_->setDefault(true);

    connect(drives_, &QComboBox::activated, this, [this] { driveChosen(); });
    connect(folders_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        setFolder(item->data(kFolderRole).toString());
    });
    connect(files_, &QListWidget::itemActivated, this, [this] { choose(); });
    connect(ok_, &QPushButton::clicked, this, [this] { choose(); });
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    fillFromWorkingFolder();
}

void PictureChooser::fillFromWorkingFolder() {
    picturePath_.clear();
    drives_->addItems(volumes());
    setFolder(QDir::currentPath());
}

void PictureChooser::setFolder(const QString& folder) {
    const QString previous = folder_;
    const QDir dir(folder);
    if (!dir.exists() || !dir.isReadable()) {
        report(QStringLiteral("Could not read the folder %1.").arg(QDir::toNativeSeparators(folder)));
        if (previous.isEmpty() && folder != QDir::rootPath()) setFolder(QDir::rootPath());
        return;
    }
    folder_ = dir.absolutePath();
    // The drive list always holds the folder's own volume, even one the mount table missed.
    const QString volume = volumeOf(folder_);
    if (drives_->findText(volume) < 0) drives_->addItem(volume);
    drives_->setCurrentIndex(drives_->findText(volume));
    fillFolderList();
    fillFileList();
}

void PictureChooser::driveChosen() {
    const QString volume = drives_->currentText();
    if (volume.isEmpty() || volume == volumeOf(folder_)) return;
    const QDir root(volume);
    if (!root.exists() || !root.isReadable()) {
        report(QStringLiteral("Could not read the drive %1.").arg(volume));
        drives_->setCurrentIndex(drives_->findText(volumeOf(folder_)));
        return;
    }
    setFolder(volume);
}

void PictureChooser::fillFolderList() {
    folders_->clear();
    // The way down from the root to the folder, then the folders inside it, indented by depth.
    QStringList chain;
    for (QDir dir(folder_);; ) {
        chain.prepend(dir.absolutePath());
        if (!dir.cdUp()) break;
    }
    int depth = 0;
    auto add = [this](const QString& path, const QString& name, int indent, bool current) {
        auto* item = new QListWidgetItem(QString(indent * 2, ' ') + name, folders_);
        item->setData(kFolderRole, path);
        if (current) folders_->setCurrentItem(item);
    };
    for (const QString& path : chain) {
        const QString name = QDir(path).isRoot() ? path : QDir(path).dirName();
        add(path, name, depth++, path == folder_);
    }
    const QDir dir(folder_);
    for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        add(dir.filePath(name), name, depth, false);
}

void PictureChooser::fillFileList() {
    files_->clear();
    // Bitmap files, whatever the case of their names.
    const QDir dir(folder_, QStringLiteral("*.bmp"), QDir::Name | QDir::IgnoreCase,
                   QDir::Files | QDir::Readable);
    files_->addItems(dir.entryList());
}

void PictureChooser::report(const QString& text) {
    showMessageBox(this, QMessageBox::Warning, QStringLiteral("Load File"), text, QMessageBox::Ok);
}

void PictureChooser::choose() {
    const QListWidgetItem* chosen = files_->currentItem();
    if (!chosen || !chosen->isSelected()) {
        beep_();
        return;
    }
    picturePath_ = folder_;
    if (!picturePath_.endsWith('/')) picturePath_ += '/';
    picturePath_ += chosen->text();
    QString reason;
    if (!loader_(picturePath_, &reason)) {
        report(QStringLiteral("Could not load picture file, %1: %2.").arg(picturePath_, reason));
        return;
    }
    accept();
}


}  // namespace varnel
