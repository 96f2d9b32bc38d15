#pragma once

#include <QSettings>
#include <string>

namespace varnel {

// The four remembered choices, in the "Startup" section of the per-user settings of
// "Varnel Solitaire". Values are kept as the number texts the game writes (" 2", "-1").
class Settings {
public:
    Settings();

    std::string Read(const std::string& key, const std::string& defaultValue);
    void Write(const std::string& key, const std::string& value);

    // A remembered menu choice; anything outside first..last, or no number at all, reads as 0,
    // since it would name an entry that does not exist.
    int16_t ReadChoice(const std::string& key, int16_t defaultValue, int16_t first, int16_t last);
    // The background colour, 0x00BBGGRR; anything that is not a colour reads as 0 (black).
    int32_t ReadColour(const std::string& key, int32_t defaultValue);

private:
    QSettings store_;
};

}  // namespace varnel
