#include "keylist.h"

#include "savefaults.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace sk2;

namespace {

// A made-up keyboard: scan codes are the virtual-key codes with the top bit flipped, and a key's names
// are looked up by scan code and extended bit. Anything not listed has no name.
class FakeKeyboard
{
public:
    void Name(int virtualKey, const QString &plain, const QString &extended)
    {
        const unsigned scan = ScanOf(static_cast<unsigned>(virtualKey));
        m_names[scan] = plain;
        m_names[scan | 0x100] = extended;
    }

    KeyNameServices Services()
    {
        return {[](unsigned virtualKey) { return ScanOf(virtualKey); },
                [this](long parameter) {
                    // Only the scan code and the extended bit may be set.
                    EXPECT_EQ(parameter & ~0x1FF0000L, 0) << parameter;
                    return m_names.value(static_cast<unsigned>(parameter >> 16));
                }};
    }

private:
    static unsigned ScanOf(unsigned virtualKey) { return virtualKey ^ 0x80; }
    QMap<unsigned, QString> m_names;
};

} // namespace

TEST(KeyList, PicksPlainExtendedOrKeypadNamesPerKey)
{
    FakeKeyboard keyboard;
    keyboard.Name(0x26, QStringLiteral("Num 8"), QStringLiteral("Up"));
    keyboard.Name(0x41, QStringLiteral("A"), QStringLiteral("A"));
    keyboard.Name(0x10, QStringLiteral("Shift"), QString());
    keyboard.Name(0x11, QString(), QStringLiteral("Right Ctrl"));
    keyboard.Name(0x5F, QStringLiteral("Num 7"), QStringLiteral("Home"));
    keyboard.Name(0x60, QStringLiteral("Num 0"), QStringLiteral("Insert"));
    keyboard.Name(0x65, QStringLiteral("Num 5"), QStringLiteral("Num 5"));
    keyboard.Name(0x69, QStringLiteral("Num 9"), QStringLiteral("Page Up"));
    keyboard.Name(0x6A, QStringLiteral("Num *"), QStringLiteral("Num *"));
    keyboard.Name(0x70, QString(60, QLatin1Char('p')), QString(70, QLatin1Char('e')));
    keyboard.Name(0x71, QString(55, QLatin1Char('p')), QString());

    const QStringList list = BuildKeyList(keyboard.Services());
    ASSERT_EQ(list.size(), 256);
    struct Case
    {
        int code;
        QString entry;
    };
    const Case cases[] = {
        {0x00, QStringLiteral(" ")},           {0x26, QStringLiteral("Up")},
        {0x41, QStringLiteral("A")},           {0x10, QStringLiteral("Shift")},
        {0x11, QStringLiteral("*n/a*")}, // an extended name alone does not count
        {0x07, QStringLiteral("*n/a*")},       {0x5F, QStringLiteral("Home")},
        {0x60, QStringLiteral("num Insert")},  {0x65, QStringLiteral("Num 5")},
        {0x69, QStringLiteral("num Page Up")}, {0x6A, QStringLiteral("Num *")},
        {0x70, QString(50, QLatin1Char('e'))}, {0x71, QString(50, QLatin1Char('p'))},
        {0xFF, QStringLiteral("*n/a*")},
    };
    for (const Case &c : cases)
        EXPECT_EQ(list[c.code], c.entry) << c.code;
}

TEST(KeyList, FileHoldsNumberedNamesOnCrLfLines)
{
    QStringList list(256, QStringLiteral("*n/a*"));
    list[0] = QStringLiteral(" ");
    list[38] = QStringLiteral("Up");
    list[255] = QStringLiteral("Last");
    const QStringList numbered = NumberedKeyList(list);
    EXPECT_EQ(list[38], QStringLiteral("Up")) << "the list itself stays as it was";

    QTemporaryDir dir;
    const QString fileName = dir.filePath(QStringLiteral("keylist.txt"));
    SaveKeyListFile(numbered, fileName);
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    ASSERT_TRUE(text.endsWith("255Last\r\n"));
    const QList<QByteArray> lines = text.chopped(1).split('\n');
    ASSERT_EQ(lines.size(), 256);
    for (const QByteArray &line : lines)
        ASSERT_TRUE(line.endsWith('\r')) << line.constData();
    EXPECT_EQ(lines[0], " \r");
    EXPECT_EQ(lines[1], "1*n/a*\r");
    EXPECT_EQ(lines[38], "38Up\r");
}

TEST(KeyList, AFileThatCannotBeWrittenIsReportedByName)
{
    QTemporaryDir dir;
    const QString fileName = dir.filePath(QStringLiteral("missing/keylist.txt"));
    try {
        SaveKeyListFile({QStringLiteral(" ")}, fileName);
        FAIL() << "no error";
    } catch (const std::runtime_error &error) {
        EXPECT_TRUE(QString::fromLocal8Bit(error.what()).contains(fileName)) << error.what();
    }
    EXPECT_FALSE(QFile::exists(fileName));
}

class KeyListFault : public ::testing::TestWithParam<skarvel::testsupport::SaveFault>
{
};

TEST_P(KeyListFault, AFileThatCannotBeReplacedIsReportedByNameAndKeptWhole)
{
    QTemporaryDir dir;
    const QString fileName = dir.filePath(QStringLiteral("keylist.txt"));
    const QByteArray previous = "an earlier list\r\n";
    {
        QFile file(fileName);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(previous), previous.size());
    }
    const QStringList lines = NumberedKeyList(QStringList(256, QStringLiteral("*n/a*")));
    qint64 fullSize = 0;
    for (const QString &line : lines)
        fullSize += line.toLocal8Bit().size() + 2;
    const auto save = [&] {
        try {
            SaveKeyListFile(lines, fileName);
            return std::string("saved");
        } catch (const std::runtime_error &error) {
            return std::string(error.what());
        }
    };

    EXPECT_EQ(GetParam().run(dir.path(), fullSize, save),
              "Cannot create file \"" + fileName.toStdString() + '"');
    EXPECT_EQ(skarvel::testsupport::FileBytes(fileName), previous);
    EXPECT_EQ(skarvel::testsupport::FolderEntries(dir.path()), QStringList{QStringLiteral("keylist.txt")});

    // Without the fault the same list is saved whole.
    EXPECT_EQ(save(), "saved");
    EXPECT_EQ(QFileInfo(fileName).size(), fullSize);
}

INSTANTIATE_TEST_SUITE_P(Faults, KeyListFault,
                         ::testing::ValuesIn(skarvel::testsupport::WholeFileSaveFaults()),
                         skarvel::testsupport::SaveFaultName());

TEST(KeyList, TheUsKeyboardNamesTheCursorAndKeypadKeysApart)
{
    const QStringList list = BuildKeyList(UsKeyboardNames());
    ASSERT_EQ(list.size(), 256);
    EXPECT_EQ(list[0], QStringLiteral(" "));
    EXPECT_EQ(list[38], QStringLiteral("Up"));
    EXPECT_EQ(list[65], QStringLiteral("A"));
    EXPECT_EQ(list[0x60], QStringLiteral("num Insert"));
    EXPECT_EQ(list[0x65], QStringLiteral("Num 5"));
    EXPECT_EQ(list[0x68], QStringLiteral("num Up"));
    EXPECT_EQ(list[7], QStringLiteral("*n/a*"));
}
