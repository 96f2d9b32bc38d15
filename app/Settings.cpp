#include "Settings.h"

#include <QStandardPaths>

#include "Conversions.h"
#include "SettingsFile.h"

namespace varnel {
namespace {

const QString kAppName = QStringLiteral("Varnel Solitaire");

// Opens the store only on a file that has passed the check, since Qt reads it at once.
std::unique_ptr<QSettings> OpenStore(const QString& path) {
    if (CheckSettingsFile(path) == SettingsFileState::Refused) return nullptr;
    auto store = std::make_unique<QSettings>(path, QSettings::IniFormat);
    store->beginGroup(QStringLiteral("Startup"));
    return store;
}

}  // namespace

Settings::Settings() : path_(FilePath()), store_(OpenStore(path_)) {}

QString Settings::FilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + '/' +
           kAppName + '/' + kAppName + QStringLiteral(".conf");
}

std::string Settings::Read(const std::string& key, const std::string& defaultValue) {
    if (!store_) return defaultValue;
    return store_->value(QString::fromStdString(key), QString::fromStdString(defaultValue))
        .toString()
        .toStdString();
}

void Settings::Write(const std::string& key, const std::string& value) {
    // Qt reads the file again before writing when it has changed: it must pass the check again.
    if (store_ && CheckSettingsFile(path_) == SettingsFileState::Refused) store_.reset();
    if (!store_) return;
    store_->setValue(QString::fromStdString(key), QString::fromStdString(value));
    store_->sync();  // a choice is kept the moment it is made
}

int16_t Settings::ReadChoice(const std::string& key, int16_t defaultValue, int16_t first,
                             int16_t last) {
    const double value = Val(Read(key, Str(defaultValue)));
    const int16_t choice = CInt(value);
    return choice >= first && choice <= last ? choice : 0;
}

int32_t Settings::ReadColour(const std::string& key, int32_t defaultValue) {
    const int32_t colour = CLng(Val(Read(key, Str(defaultValue))));
    return colour >= 0 && colour <= 0xFFFFFF ? colour : 0;
}

}  // namespace varnel
