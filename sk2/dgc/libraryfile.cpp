#include "libraryfile.h"

#include "dgcerror.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstring>

namespace sk2::dgc {

QByteArray ReadLibraryFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EDGCError(QStringLiteral("Cannot open %1: %2").arg(path, file.errorString()));
    // Library files are small; anything huge is not one of ours.
    constexpr qint64 largestLibrary = qint64(256) * 1024 * 1024;
    if (file.size() > largestLibrary)
        throw EDGCError(QStringLiteral("%1 is too large to be a library file").arg(path));
    QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw EDGCError(QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
    return data;
}

void WriteLibraryFile(const QString &path, const QByteArray &data)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit())
        throw EDGCError(QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
}

LibraryReader::LibraryReader(const QByteArray &data, const QString &sourceName)
    : m_data(data)
    , m_sourceName(sourceName)
{}

void LibraryReader::Fail(const QString &problem) const
{
    throw EDGCError(QStringLiteral("%1: %2").arg(QFileInfo(m_sourceName).fileName(), problem));
}

void LibraryReader::ExpectHeader(const char (&magic)[9], std::uint32_t version, const QString &kind)
{
    if (Remaining() < 8 || std::memcmp(m_data.constData(), magic, 8) != 0)
        Fail(QStringLiteral("not %1").arg(kind));
    m_position += 8;
    const std::uint32_t found = ReadUInt32();
    if (found != version)
        Fail(QStringLiteral("unsupported version %1 of %2").arg(found).arg(kind));
}

const char *LibraryReader::Take(std::size_t count)
{
    if (count > Remaining())
        Fail(QStringLiteral("the file is cut short"));
    const char *start = m_data.constData() + m_position;
    m_position += count;
    return start;
}

std::uint16_t LibraryReader::ReadUInt16()
{
    const auto *bytes = reinterpret_cast<const unsigned char *>(Take(2));
    return std::uint16_t(bytes[0] | (bytes[1] << 8));
}

std::uint32_t LibraryReader::ReadUInt32()
{
    const auto *bytes = reinterpret_cast<const unsigned char *>(Take(4));
    return std::uint32_t(bytes[0]) | (std::uint32_t(bytes[1]) << 8) | (std::uint32_t(bytes[2]) << 16) |
           (std::uint32_t(bytes[3]) << 24);
}

QByteArray LibraryReader::ReadBytes(std::size_t count)
{
    const char *start = Take(count);
    return QByteArray(start, qsizetype(count));
}

void LibraryReader::ExpectEnd()
{
    if (Remaining() != 0)
        Fail(QStringLiteral("unexpected data after the last entry"));
}

void LibraryWriter::WriteHeader(const char (&magic)[9], std::uint32_t version)
{
    m_data.append(magic, 8);
    WriteUInt32(version);
}

void LibraryWriter::WriteUInt16(std::uint16_t value)
{
    const char bytes[2] = {char(value & 0xff), char(value >> 8)};
    m_data.append(bytes, 2);
}

void LibraryWriter::WriteUInt32(std::uint32_t value)
{
    const char bytes[4] = {char(value & 0xff), char((value >> 8) & 0xff), char((value >> 16) & 0xff),
                           char(value >> 24)};
    m_data.append(bytes, 4);
}

} // namespace sk2::dgc
