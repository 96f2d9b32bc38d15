#include "frmFile.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QStorageInfo>

#include "MessageBox.h"

namespace varnel {
namespace {

constexpr int kFolderRole = Qt::UserRole;

QFont ChooserFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Arial Rounded MT Bold"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(9.0);
    font.setBold(true);
    return font;
}

// The volumes a player can pick pictures from: real file systems that are mounted and ready.
QStringList Volumes() {
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
QString VolumeOf(const QString& folder) {
    const QString root = QStorageInfo(folder).rootPath();
    return root.isEmpty() ? QDir::rootPath() : root;
}

}  // namespace

frmFile::frmFile(Loader loader, std::function<void()> beep, QWidget* parent)
    : QDialog(parent),
      dirList(new QListWidget(this)),
      drvList(new QComboBox(this)),
      filList(new QListWidget(this)),
      cmdOk(new QPushButton(QStringLiteral("OK"), this)),
      cmdCancel(new QPushButton(QStringLiteral("Cancel"), this)),
      loader_(std::move(loader)),
      beep_(std::move(beep)) {
    setWindowTitle(QStringLiteral("Load File"));
    setFixedSize(335, 198);
    setAutoFillBackground(true);
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    setPalette(grey);
    setFont(ChooserFont());

    dirList->setGeometry(8, 40, 145, 150);
    drvList->setGeometry(8, 8, 145, 24);
    filList->setGeometry(160, 8, 169, 141);
    cmdOk->setGeometry(160, 168, 81, 25);
    cmdCancel->setGeometry(248, 168, 81, 25);
    setTabOrder(dirList, drvList);
    setTabOrder(drvList, filList);
    setTabOrder(filList, cmdOk);
    setTabOrder(cmdOk, cmdCancel);
    cmdOk->setDefault(true);

    connect(drvList, &QComboBox::activated, this, [this] { drvList_Change(); });
    connect(dirList, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        dirList_Change(item->data(kFolderRole).toString());
    });
    connect(filList, &QListWidget::itemActivated, this, [this] { cmdOk_Click(); });
    connect(cmdOk, &QPushButton::clicked, this, [this] { cmdOk_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
    Form_Load();
}

void frmFile::Form_Load() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move((area.width() - width()) / 2, (area.height() - height()) / 2);
    }
    PicturePath_.clear();
    drvList->addItems(Volumes());
    SetFolder(QDir::currentPath());
}

void frmFile::SetFolder(const QString& folder) {
    const QString previous = folder_;
    const QDir dir(folder);
    if (!dir.exists() || !dir.isReadable()) {
        Report(QStringLiteral("Could not read the folder %1.").arg(QDir::toNativeSeparators(folder)));
        if (previous.isEmpty() && folder != QDir::rootPath()) SetFolder(QDir::rootPath());
        return;
    }
    folder_ = dir.absolutePath();
    // The drive list always holds the folder's own volume, even one the mount table missed.
    const QString volume = VolumeOf(folder_);
    if (drvList->findText(volume) < 0) drvList->addItem(volume);
    drvList->setCurrentIndex(drvList->findText(volume));
    FillFolderList();
    FillFileList();
}

void frmFile::drvList_Change() {
    const QString volume = drvList->currentText();
    if (volume.isEmpty() || volume == VolumeOf(folder_)) return;
    const QDir root(volume);
    if (!root.exists() || !root.isReadable()) {
        Report(QStringLiteral("Could not read the drive %1.").arg(volume));
        drvList->setCurrentIndex(drvList->findText(VolumeOf(folder_)));
        return;
    }
    SetFolder(volume);
}

void frmFile::dirList_Change(const QString& folder) { SetFolder(folder); }

void frmFile::FillFolderList() {
    dirList->clear();
    // The way down from the root to the folder, then the folders inside it, indented by depth.
    QStringList chain;
    for (QDir dir(folder_);; ) {
        chain.prepend(dir.absolutePath());
        if (!dir.cdUp()) break;
    }
    int depth = 0;
    auto add = [this](const QString& path, const QString& name, int indent, bool current) {
        auto* item = new QListWidgetItem(QString(indent * 2, ' ') + name, dirList);
        item->setData(kFolderRole, path);
        if (current) dirList->setCurrentItem(item);
    };
    for (const QString& path : chain) {
        const QString name = QDir(path).isRoot() ? path : QDir(path).dirName();
        add(path, name, depth++, path == folder_);
    }
    const QDir dir(folder_);
    for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        add(dir.filePath(name), name, depth, false);
}

void frmFile::FillFileList() {
    filList->clear();
    // Bitmap files, whatever the case of their names.
    const QDir dir(folder_, QStringLiteral("*.bmp"), QDir::Name | QDir::IgnoreCase,
                   QDir::Files | QDir::Readable);
    filList->addItems(dir.entryList());
}

void frmFile::Report(const QString& text) {
    ShowMessageBox(this, QMessageBox::Warning, QStringLiteral("Load File"), text, QMessageBox::Ok);
}

void frmFile::cmdOk_Click() {
    const QListWidgetItem* chosen = filList->currentItem();
    if (!chosen || !chosen->isSelected()) {
        beep_();
        return;
    }
    PicturePath_ = folder_;
    if (!PicturePath_.endsWith('/')) PicturePath_ += '/';
    PicturePath_ += chosen->text();
    QString reason;
    if (!loader_(PicturePath_, &reason)) {
        Report(QStringLiteral("Could not load picture file, %1: %2.").arg(PicturePath_, reason));
        return;
    }
    accept();
}

void frmFile::cmdCancel_Click() { reject(); }

}  // namespace varnel
