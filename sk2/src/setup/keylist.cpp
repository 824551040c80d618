#include "keylist.h"

#include "usedkeys.h"

#include <QSaveFile>

#include <stdexcept>

namespace sk2 {

namespace {

constexpr long ExtendedKeyBit = 0x100;

bool IsKeypadDigitBesidesFive(int code)
{
    return code >= 0x60 && code <= 0x69 && code != 0x65;
}

QString KeyNameOf(const KeyNameServices &services, unsigned scanCode, bool extended)
{
    const long parameter = (static_cast<long>(scanCode) | (extended ? ExtendedKeyBit : 0)) * 65536L;
    return services.keyNameOf(parameter).left(MaxKeyNameLength);
}

} // namespace

QStringList BuildKeyList(const KeyNameServices &services)
{
    QStringList list{QStringLiteral(" ")};
    list.reserve(KeyCodeCount);
    for (int code = 1; code < KeyCodeCount; ++code) {
        const unsigned scan = services.scanCodeOf(static_cast<unsigned>(code));
        const QString plain = KeyNameOf(services, scan, false);
        const QString extended = KeyNameOf(services, scan, true);
        if (!plain.isEmpty() && !extended.isEmpty())
            list.append(IsKeypadDigitBesidesFive(code) ? QStringLiteral("num ") + extended : extended);
        else if (!plain.isEmpty())
            list.append(plain);
        else
            list.append(QStringLiteral("*n/a*"));
    }
    return list;
}

QStringList NumberedKeyList(const QStringList &keyList)
{
    QStringList numbered = keyList;
    for (int code = 1; code < numbered.size(); ++code)
        numbered[code].prepend(QString::number(code));
    return numbered;
}

void SaveKeyListFile(const QStringList &lines, const QString &fileName)
{
    QByteArray text;
    for (const QString &line : lines)
        text += line.toLocal8Bit() + "\r\n";

    // commit() alone misses a failure to write the last buffered bytes (a full disk) and would put the
    // cut-short file in place of the old one: the flush brings it out first.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.flush() ||
        !file.commit())
        throw std::runtime_error("Cannot create file \"" + fileName.toStdString() + '"');
}

} // namespace sk2
