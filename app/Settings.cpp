#include "Settings.h"

#include "Conversions.h"

namespace varnel {

Settings::Settings() : store_(QStringLiteral("Varnel Solitaire"), QStringLiteral("Varnel Solitaire")) {
    store_.beginGroup(QStringLiteral("Startup"));
}

std::string Settings::Read(const std::string& key, const std::string& defaultValue) {
    return store_.value(QString::fromStdString(key), QString::fromStdString(defaultValue))
        .toString()
        .toStdString();
}

void Settings::Write(const std::string& key, const std::string& value) {
    store_.setValue(QString::fromStdString(key), QString::fromStdString(value));
    store_.sync();  // a choice is kept the moment it is made
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
