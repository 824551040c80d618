#pragma once

// TIniFile: typed reads and writes of one profile file, straight through the profile services (no
// copy is kept, so what one object writes is what the next reader sees).
//
// Reading rules:
// - Strings come back through a 1024-character buffer, so at most 1023 characters.
// - Integers: text longer than two characters that starts with "0x" or "0X" is hexadecimal. Then the
//   text is read as a signed 32-bit integer: leading blanks, an optional '-' or '+', and decimal
//   digits, or hexadecimal digits after that prefix or after a leading '$'. Anything else, an empty
//   value, a value beyond the 32-bit range and a missing key all give the default.
// - Booleans are integers with the default 1 or 0; any value other than 0 is true.
// Writes put integers as decimal text and booleans as "1" and "0"; a write the profile services refuse
// raises EIniFileException "Unable to write to <file name>".

#include <QString>

#include <cstdint>
#include <optional>
#include <stdexcept>

namespace sk2::win {

class EIniFileException : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The number an integer value's text stands for under the reading rules; none when it stands for none.
std::optional<std::int32_t> ProfileInteger(const QString &text);

class TIniFile
{
public:
    // Only records the name; nothing is opened until a value is read or written.
    explicit TIniFile(const QString &fileName);

    const QString &FileName() const { return m_fileName; }

    QString ReadString(const QString &section, const QString &ident, const QString &defaultValue) const;
    std::int32_t ReadInteger(const QString &section, const QString &ident, std::int32_t defaultValue) const;
    bool ReadBool(const QString &section, const QString &ident, bool defaultValue) const;

    void WriteString(const QString &section, const QString &ident, const QString &value) const;
    void WriteInteger(const QString &section, const QString &ident, std::int32_t value) const;
    void WriteBool(const QString &section, const QString &ident, bool value) const;

private:
    QString m_fileName;
};

} // namespace sk2::win
