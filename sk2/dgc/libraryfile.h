#pragma once

// Reading and writing the pack's library files (see FORMATS.md): little-endian fields read through a
// cursor that checks every length against what is left, so a short or hostile file gives an EDGCError
// naming the file instead of reading past its end.

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace sk2::dgc {

// The whole content of a file (a path or a Qt resource); EDGCError when it cannot be read.
QByteArray ReadLibraryFile(const QString &path);
// Writes data to path through a temporary file, so that a failed write leaves an old file intact.
void WriteLibraryFile(const QString &path, const QByteArray &data);

class LibraryReader
{
public:
    LibraryReader(const QByteArray &data, const QString &sourceName);

    // Checks the 8-byte magic and the version that follows it.
    void ExpectHeader(const char (&magic)[9], std::uint32_t version, const QString &kind);

    std::uint16_t ReadUInt16();
    std::uint32_t ReadUInt32();
    // count bytes, after checking that the data holds them.
    QByteArray ReadBytes(std::size_t count);
    const char *Take(std::size_t count);

    std::size_t Remaining() const { return std::size_t(m_data.size()) - m_position; }
    // EDGCError unless every byte has been read.
    void ExpectEnd();

    [[noreturn]] void Fail(const QString &problem) const;

private:
    const QByteArray &m_data;
    QString m_sourceName;
    std::size_t m_position = 0;
};

class LibraryWriter
{
public:
    void WriteHeader(const char (&magic)[9], std::uint32_t version);
    void WriteUInt16(std::uint16_t value);
    void WriteUInt32(std::uint32_t value);
    void WriteBytes(const QByteArray &bytes) { m_data.append(bytes); }
    void WriteBytes(const char *bytes, std::size_t count) { m_data.append(bytes, qsizetype(count)); }
    const QByteArray &Data() const { return m_data; }

private:
    QByteArray m_data;
};

} // namespace sk2::dgc
