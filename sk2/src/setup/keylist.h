#pragma once

#include <QStringList>

#include <functional>

namespace sk2 {

// The two key-name services the list is built from: the scan code of a virtual key, and the name of
// the key whose scan code stands in bits 16..23 of the parameter (bit 24 marks the extended key).
struct KeyNameServices
{
    std::function<unsigned(unsigned virtualKey)> scanCodeOf;
    std::function<QString(long keyParameter)> keyNameOf;
};

// The key-name services of the standard US keyboard this program knows.
KeyNameServices UsKeyboardNames();

// Names longer than this are cut, as the name buffer holds no more.
constexpr int MaxKeyNameLength = 50;

// The 256 key names, index = virtual-key code. Code 0 is a single blank. A key with both a plain and
// an extended name is listed by its extended name, which tells the keypad's arrows and the cursor
// block's apart; the keypad digits other than 5 get "num " in front, because their extended names are
// the cursor block's. A key with only a plain name is listed by it, a key with none as "*n/a*".
QStringList BuildKeyList(const KeyNameServices &services);

// The list as the keylist.txt file holds it: every entry from code 1 on prefixed by its code in
// decimal, without a separator; entry 0 stays a single blank.
QStringList NumberedKeyList(const QStringList &keyList);

// Writes the list as a text file, one entry per line, each line ended by CR LF. The file is replaced
// as a whole, so a failed write leaves an older one intact. Throws std::runtime_error naming the file
// when it cannot be written.
void SaveKeyListFile(const QStringList &lines, const QString &fileName);

} // namespace sk2
