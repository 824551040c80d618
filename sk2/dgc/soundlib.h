#pragma once

// TDGCSoundLib: a numbered list of sounds, each kept as a complete WAV file image. LoadFromFile reads
// the pack's own sound library format (FORMATS.md).

#include <QByteArray>
#include <QString>

#include <vector>

namespace sk2::dgc {

class TDGCSoundLib
{
public:
    static constexpr int MaxSounds = 256;
    static constexpr int MaxSoundBytes = 64 * 1024 * 1024;

    int Count() const { return int(m_sounds.size()); }
    // The WAV file image of sound n; EDGCError when there is no such sound.
    const QByteArray &Sound(int n) const;
    // Adds a WAV file image; EDGCError when it is not a RIFF WAVE file.
    void Add(const QByteArray &wave);
    void Clear() { m_sounds.clear(); }

    // Replaces the sounds with those of a library file; on error the library keeps what it held.
    void LoadFromFile(const QString &path);
    void LoadFromData(const QByteArray &data, const QString &sourceName);
    QByteArray SaveToData() const;
    void SaveToFile(const QString &path) const;

    // Whether bytes look like a RIFF WAVE file whose declared size matches its length.
    static bool IsWaveFile(const QByteArray &bytes);

private:
    std::vector<QByteArray> m_sounds;
};

} // namespace sk2::dgc
