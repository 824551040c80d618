#include "sk2settings.h"

namespace sk2 {

namespace {

const char *PlayerSection(int player)
{
    Q_ASSERT(player == 1 || player == 2);
    return player == 2 ? "Player2" : "Player1";
}

QString Text(const char *name)
{
    return QString::fromLatin1(name);
}

} // namespace

namespace Keys {

SettingKey RaceTrack(int slot)
{
    static constexpr std::array<const char *, 4> names = {"Race1", "Race2", "Race3", "Race4"};
    Q_ASSERT(slot >= 1 && slot <= 4);
    return {"Track", names[qBound(1, slot, 4) - 1]};
}

SettingKey Score(int player)
{
    return {"Match", player == 2 ? "score2" : "score1"};
}

SettingKey Name(int player)
{
    return {PlayerSection(player), "Name"};
}

SettingKey InputDevice(int player)
{
    return {PlayerSection(player), "InputDevice"};
}

SettingKey Sensitivity(int player)
{
    return {PlayerSection(player), "Sensitivity"};
}

SettingKey TopSpeed(int player)
{
    return {PlayerSection(player), "TopSpeed"};
}

SettingKey SteeringKey(int player, int action)
{
    Q_ASSERT(action >= 0 && action < SteeringKeyCount);
    return {PlayerSection(player), SteeringKeyNames[qBound(0, action, SteeringKeyCount - 1)]};
}

} // namespace Keys

namespace RaceDefaults {

QString Name(int player)
{
    return player == 2 ? QStringLiteral("Red Car") : QStringLiteral("Green Car");
}

// Until the setup form is confirmed once both players steer with the arrow keys.
SteeringKeyCodes SteeringKeys(int player)
{
    if (player == 2)
        return {37, 39, 38, 40, 50, 51};
    return {37, 39, 38, 40, 50, 50};
}

} // namespace RaceDefaults

namespace StartDefaults {

std::int32_t RaceTrack(int slot)
{
    return slot - 1;
}

QString Name()
{
    return QString();
}

} // namespace StartDefaults

namespace SetupDefaults {

// Player 2 is offered D, F, A, S, Z and X.
SteeringKeyCodes SteeringKeys(int player)
{
    if (player == 2)
        return {68, 70, 65, 83, 90, 88};
    return {37, 39, 38, 40, 50, 51};
}

} // namespace SetupDefaults

Settings::Settings()
    : m_file(Text(SettingsFileName))
{}

QString Settings::ReadString(SettingKey key, const QString &defaultValue) const
{
    return m_file.ReadString(Text(key.Section), Text(key.Key), defaultValue);
}

std::int32_t Settings::ReadInteger(SettingKey key, std::int32_t defaultValue) const
{
    return m_file.ReadInteger(Text(key.Section), Text(key.Key), defaultValue);
}

bool Settings::ReadBool(SettingKey key, bool defaultValue) const
{
    return m_file.ReadBool(Text(key.Section), Text(key.Key), defaultValue);
}

void Settings::WriteString(SettingKey key, const QString &value) const
{
    m_file.WriteString(Text(key.Section), Text(key.Key), value);
}

void Settings::WriteInteger(SettingKey key, std::int32_t value) const
{
    m_file.WriteInteger(Text(key.Section), Text(key.Key), value);
}

void Settings::WriteBool(SettingKey key, bool value) const
{
    m_file.WriteBool(Text(key.Section), Text(key.Key), value);
}

SteeringKeyCodes Settings::ReadSteeringKeys(int player, const SteeringKeyCodes &defaults) const
{
    SteeringKeyCodes keys{};
    for (int action = 0; action < SteeringKeyCount; ++action)
        keys[action] = ReadInteger(Keys::SteeringKey(player, action), defaults[action]);
    return keys;
}

void Settings::WriteSteeringKeys(int player, const SteeringKeyCodes &keys) const
{
    for (int action = 0; action < SteeringKeyCount; ++action)
        WriteInteger(Keys::SteeringKey(player, action), keys[action]);
}

} // namespace sk2
