#include "soundlib.h"

#include "dgcerror.h"
#include "libraryfile.h"

namespace sk2::dgc {

namespace {
constexpr char SoundMagic[9] = "SK2SDLIB";
constexpr std::uint32_t SoundVersion = 1;
} // namespace

const QByteArray &TDGCSoundLib::Sound(int n) const
{
    if (n < 0 || n >= Count())
        throw EDGCError(
            QStringLiteral("Sound %1 is not in the sound library (it holds %2)").arg(n).arg(Count()));
    return m_sounds[std::size_t(n)];
}

bool TDGCSoundLib::IsWaveFile(const QByteArray &bytes)
{
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return false;
    const auto *size = reinterpret_cast<const unsigned char *>(bytes.constData() + 4);
    const std::uint32_t declared = std::uint32_t(size[0]) | (std::uint32_t(size[1]) << 8) |
                                   (std::uint32_t(size[2]) << 16) | (std::uint32_t(size[3]) << 24);
    // The RIFF size counts everything after its own field; one pad byte may follow an odd chunk.
    const std::uint64_t expected = std::uint64_t(declared) + 8;
    return expected == std::uint64_t(bytes.size()) || expected + 1 == std::uint64_t(bytes.size());
}

void TDGCSoundLib::Add(const QByteArray &wave)
{
    if (!IsWaveFile(wave))
        throw EDGCError(QStringLiteral("Sound %1 is not a WAV file").arg(Count()));
    if (Count() >= MaxSounds)
        throw EDGCError(QStringLiteral("Too many sounds for one sound library"));
    m_sounds.push_back(wave);
}

void TDGCSoundLib::LoadFromFile(const QString &path)
{
    LoadFromData(ReadLibraryFile(path), path);
}

void TDGCSoundLib::LoadFromData(const QByteArray &data, const QString &sourceName)
{
    LibraryReader reader(data, sourceName);
    reader.ExpectHeader(SoundMagic, SoundVersion, QStringLiteral("a sound library"));
    const std::uint32_t count = reader.ReadUInt32();
    if (count > std::uint32_t(MaxSounds))
        reader.Fail(QStringLiteral("it declares %1 sounds").arg(count));
    std::vector<QByteArray> sounds;
    sounds.reserve(count);
    for (std::uint32_t n = 0; n < count; ++n) {
        const std::uint32_t length = reader.ReadUInt32();
        if (length > std::uint32_t(MaxSoundBytes))
            reader.Fail(QStringLiteral("sound %1 declares %2 bytes").arg(n).arg(length));
        QByteArray wave = reader.ReadBytes(length);
        if (!IsWaveFile(wave))
            reader.Fail(QStringLiteral("sound %1 is not a WAV file").arg(n));
        sounds.push_back(std::move(wave));
    }
    reader.ExpectEnd();
    m_sounds = std::move(sounds);
}

QByteArray TDGCSoundLib::SaveToData() const
{
    LibraryWriter writer;
    writer.WriteHeader(SoundMagic, SoundVersion);
    writer.WriteUInt32(std::uint32_t(m_sounds.size()));
    for (const QByteArray &wave : m_sounds) {
        writer.WriteUInt32(std::uint32_t(wave.size()));
        writer.WriteBytes(wave);
    }
    return writer.Data();
}

void TDGCSoundLib::SaveToFile(const QString &path) const
{
    WriteLibraryFile(path, SaveToData());
}

} // namespace sk2::dgc
