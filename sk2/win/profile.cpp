#include "profile.h"

#include <QByteArrayList>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace sk2::win {

namespace {

QString &ChosenWindowsDirectory()
{
    static QString folder;
    return folder;
}

const QByteArray Utf8Bom("\xEF\xBB\xBF");

// A line as the parser sees it: without surrounding blanks, and without the byte order mark that
// some editors put at the start of the file.
QByteArray ParsedLine(const QByteArrayList &lines, qsizetype index)
{
    QByteArray line = lines[index];
    if (index == 0 && line.startsWith(Utf8Bom))
        line.remove(0, Utf8Bom.size());
    return line.trimmed();
}

bool IsSectionLine(const QByteArray &line)
{
    return line.startsWith('[');
}

QByteArray SectionName(const QByteArray &line)
{
    const qsizetype close = line.indexOf(']');
    return line.mid(1, close < 0 ? -1 : close - 1).trimmed();
}

bool SameName(const QByteArray &a, const QString &b)
{
    return QString::fromUtf8(a).compare(b, Qt::CaseInsensitive) == 0;
}

// Where a key stands in the file: the line of its section, the last non-blank line of that section,
// and the key's own line; -1 for what is missing.
struct KeyPlace
{
    qsizetype sectionLine = -1;
    qsizetype lastSectionLine = -1;
    qsizetype keyLine = -1;
};

KeyPlace FindKey(const QByteArrayList &lines, const QString &section, const QString &key)
{
    KeyPlace place;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray line = ParsedLine(lines, i);
        if (IsSectionLine(line)) {
            if (place.sectionLine >= 0)
                break;
            if (SameName(SectionName(line), section))
                place.sectionLine = place.lastSectionLine = i;
            continue;
        }
        if (place.sectionLine < 0 || line.isEmpty())
            continue;
        place.lastSectionLine = i;
        const qsizetype equals = line.indexOf('=');
        if (place.keyLine < 0 && equals >= 0 && SameName(line.left(equals).trimmed(), key))
            place.keyLine = i;
    }
    return place;
}

QByteArrayList SplitLines(const QByteArray &text)
{
    QByteArrayList lines = text.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray &line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    return lines;
}

// The file's lines; none when it does not exist. False when it exists but cannot be read.
bool ReadLines(const QString &path, QByteArrayList &lines)
{
    lines.clear();
    QFile file(path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly))
        return false;
    lines = SplitLines(file.readAll());
    return file.error() == QFileDevice::NoError;
}

QString Truncated(QString text, int bufferSize)
{
    const qsizetype room = qMax(0, bufferSize - 1);
    if (text.size() > room) {
        // Never leave half of a character made of two UTF-16 units.
        const bool splitsPair = room > 0 && text.at(room - 1).isHighSurrogate();
        text.truncate(splitsPair ? room - 1 : room);
    }
    return text;
}

QByteArray OneLine(const QString &value)
{
    QString line = value;
    line.replace(QLatin1String("\r\n"), QLatin1String(" "));
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return line.toUtf8();
}

bool ReplaceFile(const QString &path, const QByteArrayList &lines)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    for (const QByteArray &line : lines) {
        if (file.write(line) != line.size() || !file.putChar('\n')) {
            file.cancelWriting();
            return false;
        }
    }
    // commit() alone misses a failure to write the last buffered bytes (a full disk) and would put the
    // cut-short file in place of the old one.
    if (!file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace

QString WindowsDirectory()
{
    const QString &chosen = ChosenWindowsDirectory();
    return chosen.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                            : chosen;
}

void SetWindowsDirectory(const QString &folder)
{
    ChosenWindowsDirectory() = folder;
}

QString ProfilePath(const QString &fileName)
{
    if (fileName.contains(QLatin1Char('/')))
        return fileName;
    return QDir(WindowsDirectory()).filePath(fileName);
}

QString GetPrivateProfileString(const QString &section, const QString &key, const QString &defaultValue,
                                int bufferSize, const QString &fileName)
{
    QByteArrayList lines;
    if (!ReadLines(ProfilePath(fileName), lines))
        return Truncated(defaultValue, bufferSize);
    const KeyPlace place = FindKey(lines, section, key);
    if (place.keyLine < 0)
        return Truncated(defaultValue, bufferSize);
    const QByteArray line = ParsedLine(lines, place.keyLine);
    const QByteArray value = line.mid(line.indexOf('=') + 1).trimmed();
    return Truncated(QString::fromUtf8(value), bufferSize);
}

bool WritePrivateProfileString(const QString &section, const QString &key, const QString &value,
                               const QString &fileName)
{
    const QString path = ProfilePath(fileName);
    QByteArrayList lines;
    if (!ReadLines(path, lines))
        return false;
    const QByteArray entry = key.toUtf8() + '=' + OneLine(value);
    const KeyPlace place = FindKey(lines, section, key);
    if (place.keyLine >= 0) {
        lines[place.keyLine] = entry;
    } else if (place.sectionLine >= 0) {
        lines.insert(place.lastSectionLine + 1, entry);
    } else {
        if (!lines.isEmpty() && !lines.last().trimmed().isEmpty())
            lines.append(QByteArray());
        lines.append('[' + section.toUtf8() + ']');
        lines.append(entry);
    }
    return ReplaceFile(path, lines);
}

} // namespace sk2::win
