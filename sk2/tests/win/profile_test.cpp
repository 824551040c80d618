#include "profile.h"
#include "profilefixture.h"

#include <QDir>

using namespace sk2::win;

namespace {

const QString Ini = QStringLiteral("test.ini");

QString Get(const QString &section, const QString &key, const QString &fallback = QStringLiteral("<none>"))
{
    return GetPrivateProfileString(section, key, fallback, 1024, Ini);
}

class Profile : public ProfileFolder
{
};

} // namespace

TEST_F(Profile, BareNamesLiveInTheWindowsDirectoryAndPathsAreKept)
{
    EXPECT_EQ(ProfilePath(Ini), PathOf(Ini));
    EXPECT_EQ(ProfilePath(QStringLiteral("/elsewhere/x.ini")), QStringLiteral("/elsewhere/x.ini"));
}

TEST_F(Profile, FindsValuesByNameWhateverTheirCaseAndBlanks)
{
    WriteRaw(Ini, "\xEF\xBB\xBF[Intro]\r\nKey=before\r\n\r\n  [ Match ]  \r\n"
                  "Races = 3 \r\n; a note\r\nEmpty=\r\nRaces=9\r\n[Other]\r\nRaces=7\r\n");
    EXPECT_EQ(Get("intro", "KEY"), "before");
    EXPECT_EQ(Get("MATCH", "races"), "3");
    EXPECT_EQ(Get("Match", "Empty"), "");
    EXPECT_EQ(Get("Other", "Races"), "7");
    EXPECT_EQ(Get("Match", "Laps"), "<none>");
    EXPECT_EQ(Get("Nowhere", "Races"), "<none>");
}

TEST_F(Profile, MissingFileGivesTheDefault)
{
    EXPECT_EQ(Get("Match", "Races", "5"), "5");
}

TEST_F(Profile, LongValuesAreCutToTheBuffer)
{
    WriteRaw(Ini, "[S]\nK=" + QByteArray(1500, 'a') + "\n");
    EXPECT_EQ(Get("S", "K").size(), 1023);
    EXPECT_EQ(GetPrivateProfileString("S", "K", {}, 10, Ini), QString(9, QLatin1Char('a')));
    EXPECT_EQ(GetPrivateProfileString("S", "Missing", QString(20, QLatin1Char('d')), 10, Ini).size(), 9);
}

TEST_F(Profile, WritingCreatesTheFileSectionAndKey)
{
    ASSERT_TRUE(WritePrivateProfileString("Match", "Races", "3", Ini));
    ASSERT_TRUE(WritePrivateProfileString("Match", "score1", "0", Ini));
    ASSERT_TRUE(WritePrivateProfileString("Laps", "Laps", "5", Ini));
    EXPECT_EQ(ReadRaw(Ini), "[Match]\nRaces=3\nscore1=0\n\n[Laps]\nLaps=5\n");
}

TEST_F(Profile, WritingReplacesOnlyThatValueAndKeepsEveryOtherLine)
{
    WriteRaw(Ini, "; kept\n[Match]\nRACES=1\nother = x\n\n[Track]\nRace1=2\n");
    ASSERT_TRUE(WritePrivateProfileString("match", "Races", "4", Ini));
    ASSERT_TRUE(WritePrivateProfileString("Match", "score2", "6", Ini));
    EXPECT_EQ(ReadRaw(Ini), "; kept\n[Match]\nRaces=4\nother = x\nscore2=6\n\n[Track]\nRace1=2\n");
}

TEST_F(Profile, ALineBreakInAValueCannotStartANewLine)
{
    ASSERT_TRUE(WritePrivateProfileString("Player1", "Name", "Ann\nLaps=99\r\nX", Ini));
    EXPECT_EQ(Get("Player1", "Name"), "Ann Laps=99 X");
    EXPECT_EQ(Get("Player1", "Laps"), "<none>");
}

TEST_F(Profile, WritingMakesTheMissingFolder)
{
    SetWindowsDirectory(PathOf("deeper/config"));
    ASSERT_TRUE(WritePrivateProfileString("S", "K", "v", Ini));
    EXPECT_EQ(Get("S", "K"), "v");
}

TEST_F(Profile, AFileThatCannotBeReplacedRefusesTheWrite)
{
    ASSERT_TRUE(QDir(PathOf(QString())).mkdir(Ini));
    EXPECT_FALSE(WritePrivateProfileString("S", "K", "v", Ini));
    EXPECT_EQ(Get("S", "K", "d"), "d");
}
