#include "app/Settings.h"

#include <QStandardPaths>

#include "app/SettingsFile.h"
#include "app/SettingsText.h"
#include "board/Rounding.h"

namespace varnel {
namespace {

const QString kAppName = QStringLiteral("Varnel Solitaire");
constexpr int kSwitchOn = -1;

// Opens the store only on a file that has passed the check, since Qt reads it at once.
std::unique_ptr<QSettings> openStore(const QString& path) {
    if (checkSettingsFile(path) == SettingsFileState::Refused) return nullptr;
    auto store = std::make_unique<QSettings>(path, QSettings::IniFormat);
    store->beginGroup(QStringLiteral("Startup"));
    return store;
}

}  // namespace

Settings::Settings() : path_(filePath()), store_(openStore(path_)) {}

QString Settings::filePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + '/' +
           kAppName + '/' + kAppName + QStringLiteral(".conf");
}

std::string Settings::read(const std::string& key, const std::string& defaultValue) {
    if (!store_) return defaultValue;
    return store_->value(QString::fromStdString(key), QString::fromStdString(defaultValue))
        .toString()
        .toStdString();
}

void Settings::write(const std::string& key, const std::string& value) {
    // Qt reads the file again before writing when it has changed: it must pass the check again.
    if (store_ && checkSettingsFile(path_) == SettingsFileState::Refused) store_.reset();
    if (!store_) return;
    store_->setValue(QString::fromStdString(key), QString::fromStdString(value));
    store_->sync();  // a choice is kept the moment it is made
}

int16_t Settings::readChoice(const std::string& key, int16_t defaultValue, int16_t first,
                             int16_t last) {
    const int16_t choice = roundToInt16(settingsNumber(read(key, settingsText(defaultValue))));
    return choice >= first && choice <= last ? choice : 0;
}

int32_t Settings::readColour(const std::string& key, int32_t defaultValue) {
    const int32_t colour = roundToInt32(settingsNumber(read(key, settingsText(defaultValue))));
    return colour >= 0 && colour <= 0xFFFFFF ? colour : 0;
}

bool Settings::readSwitch(const std::string& key, bool defaultValue) {
    const std::string fallback = settingsText(defaultValue ? kSwitchOn : 0);
    return roundToInt16(settingsNumber(read(key, fallback))) == kSwitchOn;
}

void Settings::writeNumber(const std::string& key, long long value) { write(key, settingsText(value)); }

void Settings::writeSwitch(const std::string& key, bool on) { writeNumber(key, on ? kSwitchOn : 0); }

}  // namespace varnel
