// The settings-file reader of sk2: any bytes as "Skarvel.ini", keys of every section read as text and as
// numbers as the forms read them, then one value written as the forms write one, which must read back
// and change that key alone.
#include "fuzzsupport.h"

#include "profile.h"
#include "sk2settings.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

// Keys of every section and every kind of value. Every read reads the whole file, so a handful of keys
// keeps the search fast while covering all that the reader does.
std::vector<sk2::SettingKey> SomeKeys()
{
    using namespace sk2::Keys;
    return {LastPicked,       RaceTrack(4), Laps,           ScreenSize,     Races,       CycleTracks,
            Score(1),         Name(1),      InputDevice(2), Sensitivity(1), TopSpeed(2), SteeringKey(1, 0),
            SteeringKey(2, 5)};
}

std::vector<QString> ReadAll(const sk2::Settings &settings, const std::vector<sk2::SettingKey> &keys)
{
    std::vector<QString> values;
    for (const sk2::SettingKey key : keys) {
        values.push_back(settings.ReadString(key, QStringLiteral("<none>")));
        fuzz::Check(values.back().size() <= 1023, "a value longer than the reading buffer");
    }
    return values;
}

void CheckNumbers(const sk2::Settings &settings, const std::vector<sk2::SettingKey> &keys,
                  const std::vector<QString> &values)
{
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const std::int32_t number = settings.ReadInteger(keys[i], -7);
        const auto parsed = sk2::win::ProfileInteger(values[i]);
        fuzz::Check(number == (parsed ? *parsed : -7), "an integer read differs from the text's number");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::StartQt(fuzz::Qt::Core);
    sk2::win::SetWindowsDirectory(fuzz::ScratchFolder());
    fuzz::WriteScratchFile(QString::fromLatin1(sk2::SettingsFileName), data, size);

    // The number reader on its own: a number it reads must read back the same from its decimal text.
    const QString text =
        QString::fromLatin1(reinterpret_cast<const char *>(data), qsizetype(std::min<std::size_t>(size, 64)));
    if (const auto number = sk2::win::ProfileInteger(text))
        fuzz::Check(sk2::win::ProfileInteger(QString::number(*number)) == number,
                    "a number does not read back");

    static const std::vector<sk2::SettingKey> keys = SomeKeys();
    const sk2::Settings settings;
    std::vector<QString> before = ReadAll(settings, keys);
    CheckNumbers(settings, keys, before);

    std::uint32_t hash = 2166136261u;
    for (std::size_t i = 0; i < size; ++i)
        hash = (hash ^ data[i]) * 16777619u;
    const std::size_t written = hash % keys.size();
    const auto value = std::int32_t(hash >> 1) - (1 << 30);
    settings.WriteInteger(keys[written], value);
    fuzz::Check(settings.ReadInteger(keys[written], value ^ 1) == value,
                "a value written does not read back");
    before[written] = QString::number(value);
    fuzz::Check(ReadAll(settings, keys) == before, "writing one key changed another");
    return 0;
}
