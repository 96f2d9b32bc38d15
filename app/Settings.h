#pragma once

#include <QSettings>
#include <memory>
#include <string>

namespace varnel {

// The remembered choices, in the "Startup" section of the per-user settings of
// "Varnel Solitaire". Values are kept as the number texts the game writes (" 2", "-1").
// A settings file the game could not have written is left alone for the whole run: the game
// starts with the defaults and keeps the player's later choices for this run only.
class Settings {
  public:
    Settings();

    std::string read(const std::string& key, const std::string& defaultValue);
    void write(const std::string& key, const std::string& value);

    // A remembered menu choice; anything outside first..last, or no number at all, reads as 0,
    // since it would name an entry that does not exist.
    int16_t readChoice(const std::string& key, int16_t defaultValue, int16_t first, int16_t last);
    // The background colour, 0x00BBGGRR; anything that is not a colour reads as 0 (black).
    int32_t readColour(const std::string& key, int32_t defaultValue);
    // A switch kept as "-1" for on and " 0" for off; any other number reads as off.
    bool readSwitch(const std::string& key, bool defaultValue);
    void writeNumber(const std::string& key, long long value);
    void writeSwitch(const std::string& key, bool on);

    // The file of the current user's settings, as Qt names it for this application.
    static QString filePath();

  private:
    QString path_;
    std::unique_ptr<QSettings> store_;  // none while the file is left alone
};

}  // namespace varnel
