#pragma once

// The settings file "Skarvel.ini": every section and key sk2 reads or writes, each reader's defaults,
// and Settings, the object through which the forms read and write them.
//
// A Settings object only records the file name; every read and write goes to the file at once (see
// sk2::win::TIniFile for the reading rules), so a value one form writes is what the next reader sees.
// A write that fails raises sk2::win::EIniFileException "Unable to write to Skarvel.ini".
//
// Players are numbered 1 and 2; race slots 1 to 4; the steering keys are ordered as SteeringKeyNames.

#include "inifile.h"

#include <QString>

#include <array>
#include <cstdint>

namespace sk2 {

inline constexpr const char *SettingsFileName = "Skarvel.ini";

// A section and a key of the settings file.
struct SettingKey
{
    const char *Section;
    const char *Key;
};

inline constexpr int SteeringKeyCount = 6;
inline constexpr std::array<const char *, SteeringKeyCount> SteeringKeyNames = {
    "KeyLeft", "KeyRight", "KeyUp", "KeyDown", "KeyFire1", "KeyFire2",
};
using SteeringKeyCodes = std::array<std::int32_t, SteeringKeyCount>;

namespace Keys {
inline constexpr SettingKey LastPicked{"Track", "LastPicked"};
inline constexpr SettingKey Laps{"Laps", "Laps"};
inline constexpr SettingKey ScreenSize{"Trace", "ScreenSize"};
inline constexpr SettingKey Races{"Match", "Races"};
inline constexpr SettingKey CycleTracks{"Match", "CycleTracks"};

// Track/Race1 .. Track/Race4.
SettingKey RaceTrack(int slot);
// Match/score1 and Match/score2.
SettingKey Score(int player);
// PlayerN/Name, PlayerN/InputDevice, PlayerN/Sensitivity, PlayerN/TopSpeed.
SettingKey Name(int player);
SettingKey InputDevice(int player);
SettingKey Sensitivity(int player);
SettingKey TopSpeed(int player);
// PlayerN/KeyLeft .. PlayerN/KeyFire2, action 0..5 in the order of SteeringKeyNames.
SettingKey SteeringKey(int player, int action);
} // namespace Keys

// ScreenSize values.
inline constexpr std::int32_t ScreenSize640x480 = 0;
inline constexpr std::int32_t ScreenSize800x600 = 1;

// What the race form takes when a key is missing.
namespace RaceDefaults {
inline constexpr std::int32_t LastPicked = 1;
inline constexpr std::int32_t Laps = 4;
inline constexpr std::int32_t InputDevice = 0;
inline constexpr std::int32_t Score = 0;
inline constexpr std::int32_t TopSpeed = 10;
inline constexpr std::int32_t Sensitivity = 25;
QString Name(int player); // "Green Car", "Red Car"
SteeringKeyCodes SteeringKeys(int player);
} // namespace RaceDefaults

// What the race start-up form takes when a key is missing.
namespace StartDefaults {
inline constexpr std::int32_t Laps = 5;
inline constexpr std::int32_t ScreenSize = ScreenSize800x600;
inline constexpr std::int32_t Races = 1;
inline constexpr bool CycleTracks = false;
inline constexpr std::int32_t Score = 0;
inline constexpr std::int32_t InputDevice = 0;
std::int32_t RaceTrack(int slot); // slot - 1
QString Name();                   // empty
} // namespace StartDefaults

// What the steering setup form takes when a key is missing.
namespace SetupDefaults {
inline constexpr std::int32_t InputDevice = 0;
inline constexpr std::int32_t Sensitivity = 25;
inline constexpr std::int32_t TopSpeed = 10;
SteeringKeyCodes SteeringKeys(int player);
} // namespace SetupDefaults

class Settings
{
public:
    Settings();

    QString ReadString(SettingKey key, const QString &defaultValue) const;
    std::int32_t ReadInteger(SettingKey key, std::int32_t defaultValue) const;
    bool ReadBool(SettingKey key, bool defaultValue) const;

    void WriteString(SettingKey key, const QString &value) const;
    void WriteInteger(SettingKey key, std::int32_t value) const;
    void WriteBool(SettingKey key, bool value) const;

    // The six steering keys of a player, each with its default from defaults.
    SteeringKeyCodes ReadSteeringKeys(int player, const SteeringKeyCodes &defaults) const;
    void WriteSteeringKeys(int player, const SteeringKeyCodes &keys) const;

private:
    win::TIniFile m_file;
};

} // namespace sk2
