#include "inifile.h"

#include "profile.h"

namespace sk2::win {

namespace {

constexpr int StringBufferSize = 1024;

int DigitValue(QChar c, int base)
{
    const char16_t u = c.unicode();
    int value = base;
    if (u >= '0' && u <= '9')
        value = u - '0';
    else if (u >= 'a' && u <= 'f')
        value = u - 'a' + 10;
    else if (u >= 'A' && u <= 'F')
        value = u - 'A' + 10;
    return value < base ? value : -1;
}

} // namespace

std::optional<std::int32_t> ProfileInteger(const QString &text)
{
    QString number = text;
    if (number.size() > 2 && number.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        number = QLatin1Char('$') + number.mid(2);

    qsizetype at = 0;
    while (at < number.size() && number.at(at) == QLatin1Char(' '))
        ++at;
    bool negative = false;
    if (at < number.size() && (number.at(at) == QLatin1Char('-') || number.at(at) == QLatin1Char('+')))
        negative = number.at(at++) == QLatin1Char('-');
    int base = 10;
    if (at < number.size() && number.at(at) == QLatin1Char('$')) {
        base = 16;
        ++at;
    }
    if (at == number.size())
        return std::nullopt;

    // The magnitude may reach 2^31 only for a negative number.
    const std::int64_t limit = negative ? std::int64_t(1) << 31 : (std::int64_t(1) << 31) - 1;
    std::int64_t magnitude = 0;
    for (; at < number.size(); ++at) {
        const int digit = DigitValue(number.at(at), base);
        if (digit < 0)
            return std::nullopt;
        magnitude = magnitude * base + digit;
        if (magnitude > limit)
            return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

TIniFile::TIniFile(const QString &fileName)
    : m_fileName(fileName)
{}

QString TIniFile::ReadString(const QString &section, const QString &ident, const QString &defaultValue) const
{
    return GetPrivateProfileString(section, ident, defaultValue, StringBufferSize, m_fileName);
}

std::int32_t TIniFile::ReadInteger(const QString &section, const QString &ident,
                                   std::int32_t defaultValue) const
{
    return ProfileInteger(ReadString(section, ident, QString())).value_or(defaultValue);
}

bool TIniFile::ReadBool(const QString &section, const QString &ident, bool defaultValue) const
{
    return ReadInteger(section, ident, defaultValue ? 1 : 0) != 0;
}

void TIniFile::WriteString(const QString &section, const QString &ident, const QString &value) const
{
    if (!WritePrivateProfileString(section, ident, value, m_fileName))
        throw EIniFileException(QStringLiteral("Unable to write to %1").arg(m_fileName).toStdString());
}

void TIniFile::WriteInteger(const QString &section, const QString &ident, std::int32_t value) const
{
    WriteString(section, ident, QString::number(value));
}

void TIniFile::WriteBool(const QString &section, const QString &ident, bool value) const
{
    WriteString(section, ident, value ? QStringLiteral("1") : QStringLiteral("0"));
}

} // namespace sk2::win
