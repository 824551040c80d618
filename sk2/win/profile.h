#pragma once

// The profile services: named string values in the sections of an ini-style text file, standing in
// for GetPrivateProfileStringA and WritePrivateProfileStringA.
//
// - A bare file name such as "Skarvel.ini" lives in the Windows directory, which on this system is the
//   user's configuration folder; SetWindowsDirectory moves it (tests, portable set-ups). A name that
//   holds a folder is taken as it is.
// - A section starts with a line "[name]"; a value is a line "key=value". Section and key names match
//   without regard to case, and the first match counts. Values come back without surrounding blanks.
// - Nothing is cached: every read reads the file, every write replaces the whole file at once (written
//   beside it, then renamed over it), so a write that fails leaves the old file exactly as it was.

#include <QString>

namespace sk2::win {

// The folder that bare profile names resolve to.
QString WindowsDirectory();
// Moves the Windows directory; an empty folder returns to the user's configuration folder.
void SetWindowsDirectory(const QString &folder);
// The full path of a profile file name.
QString ProfilePath(const QString &fileName);

// The value of key in section, at most bufferSize - 1 characters of it. A missing file, section or key
// gives defaultValue (cut to the same length); a key that is present with nothing after '=' gives "".
QString GetPrivateProfileString(const QString &section, const QString &key, const QString &defaultValue,
                                int bufferSize, const QString &fileName);

// Sets key in section to value, adding the section and the key when they are missing and creating the
// file and its folder when needed. Line breaks in value become spaces, so that the value stays on its
// line. Returns false when the file cannot be read or replaced; the old file is then untouched.
bool WritePrivateProfileString(const QString &section, const QString &key, const QString &value,
                               const QString &fileName);

} // namespace sk2::win
