#pragma once

#include <QByteArray>

// A minimal 16-bit mono 22050 Hz PCM WAV file image holding the given number of samples.
inline QByteArray Wave(int samples)
{
    QByteArray data(samples * 2, '\x10');
    QByteArray wave;
    auto u32 = [&wave](quint32 v) { wave.append(reinterpret_cast<const char *>(&v), 4); };
    auto u16 = [&wave](quint16 v) { wave.append(reinterpret_cast<const char *>(&v), 2); };
    wave.append("RIFF");
    u32(quint32(36 + data.size()));
    wave.append("WAVEfmt ");
    u32(16);
    u16(1);
    u16(1);
    u32(22050);
    u32(44100);
    u16(2);
    u16(16);
    wave.append("data");
    u32(quint32(data.size()));
    wave.append(data);
    return wave;
}
