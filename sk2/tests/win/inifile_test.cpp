#include "inifile.h"
#include "profilefixture.h"
#include "savefaults.h"

#include <limits>

using namespace sk2::win;

namespace {

const QString Ini = QStringLiteral("Skarvel.ini");

class IniFile : public ProfileFolder
{
protected:
    void StoreValue(const QByteArray &text) { WriteRaw(Ini, "[Match]\nvalue=" + text + "\n"); }
    TIniFile file{Ini};
};

struct IntegerCase
{
    const char *text;
    std::optional<std::int32_t> expected; // none: the default comes back
};

const IntegerCase IntegerCases[] = {
    {"26", 26},
    {"0x1A", 26},
    {"0X1a", 26},
    {"$1A", 26},
    {"$1a", 26},
    {"-$1A", -26},
    {"+7", 7},
    {"-7", -7},
    {"007", 7},
    {"2147483647", std::numeric_limits<std::int32_t>::max()},
    {"-2147483648", std::numeric_limits<std::int32_t>::min()},
    {"0x7FFFFFFF", std::numeric_limits<std::int32_t>::max()},
    {"-$80000000", std::numeric_limits<std::int32_t>::min()},
    {"2147483648", std::nullopt},
    {"-2147483649", std::nullopt},
    {"0x80000000", std::nullopt},
    {"$FFFFFFFF", std::nullopt},
    {"99999999999999999999", std::nullopt},
    {"0x", std::nullopt},
    {"$", std::nullopt},
    {"-", std::nullopt},
    {"12abc", std::nullopt},
    {"1 2", std::nullopt},
    {"1.5", std::nullopt},
    {"--1", std::nullopt},
    {"-0x1A", std::nullopt},
    {"0x-1", std::nullopt},
    {"$G", std::nullopt},
    {"", std::nullopt},
};

} // namespace

TEST_F(IniFile, IntegersFollowTheReadingRules)
{
    for (const IntegerCase &c : IntegerCases) {
        StoreValue(c.text);
        EXPECT_EQ(file.ReadInteger("Match", "value", -99), c.expected.value_or(-99)) << "text: " << c.text;
    }
}

TEST_F(IniFile, IntegerTextMaySkipLeadingBlanks)
{
    EXPECT_EQ(ProfileInteger(QStringLiteral("   42")), 42);
    EXPECT_EQ(ProfileInteger(QStringLiteral(" -$10")), -16);
    EXPECT_EQ(ProfileInteger(QStringLiteral("42 ")), std::nullopt);
}

TEST_F(IniFile, MissingFileSectionOrKeyGivesEachReadersDefault)
{
    EXPECT_EQ(file.ReadInteger("Laps", "Laps", 5), 5);
    EXPECT_EQ(file.ReadString("Player1", "Name", "Green Car"), "Green Car");
    WriteRaw(Ini, "[laps]\nLAPS=8\n");
    EXPECT_EQ(file.ReadInteger("Laps", "Laps", 5), 8);
    EXPECT_EQ(file.ReadInteger("Laps", "Races", 1), 1);
    EXPECT_EQ(file.ReadInteger("Match", "Laps", 4), 4);
}

TEST_F(IniFile, BooleansAreIntegersAndAnyNonZeroValueIsTrue)
{
    const struct
    {
        const char *text;
        bool withDefaultFalse;
        bool withDefaultTrue;
    } cases[] = {
        {"1", true, true},   {"7", true, true},    {"-1", true, true},
        {"0", false, false}, {"yes", false, true}, {"", false, true},
    };
    for (const auto &c : cases) {
        StoreValue(c.text);
        EXPECT_EQ(file.ReadBool("Match", "value", false), c.withDefaultFalse) << "text: " << c.text;
        EXPECT_EQ(file.ReadBool("Match", "value", true), c.withDefaultTrue) << "text: " << c.text;
    }
    EXPECT_FALSE(file.ReadBool("Match", "CycleTracks", false));
}

TEST_F(IniFile, AnEmptyStringIsNotAMissingOne)
{
    StoreValue("");
    EXPECT_EQ(file.ReadString("Match", "value", "default"), "");
    EXPECT_EQ(file.ReadString("Match", "other", "default"), "default");
}

TEST_F(IniFile, WritesGoStraightToTheFileInTheirTextForms)
{
    file.WriteInteger("Match", "score1", -12);
    file.WriteBool("Match", "CycleTracks", true);
    file.WriteBool("Match", "Other", false);
    file.WriteString("Player2", "Name", QStringLiteral("Åsa"));
    EXPECT_EQ(ReadRaw(Ini), "[Match]\nscore1=-12\nCycleTracks=1\nOther=0\n\n[Player2]\nName=\xC3\x85sa\n");

    const TIniFile another(Ini);
    EXPECT_EQ(another.ReadInteger("Match", "score1", 0), -12);
    EXPECT_TRUE(another.ReadBool("Match", "CycleTracks", false));
    EXPECT_EQ(another.ReadString("Player2", "Name", {}), QStringLiteral("Åsa"));
}

TEST_F(IniFile, ARefusedWriteRaisesUnableToWrite)
{
    ASSERT_TRUE(QDir(PathOf(QString())).mkdir(Ini));
    try {
        file.WriteInteger("Match", "score1", 1);
        FAIL() << "the write went through";
    } catch (const EIniFileException &error) {
        EXPECT_STREQ(error.what(), "Unable to write to Skarvel.ini");
    }
}

namespace {

using skarvel::testsupport::SaveFault;

class IniFileFault : public IniFile, public ::testing::WithParamInterface<SaveFault>
{
};

} // namespace

TEST_P(IniFileFault, ARefusedWriteRaisesAndKeepsEveryByteOfTheFile)
{
    const QByteArray before = "; kept as it is\n[Match]\nscore1=7\n\n[Laps]\nLaps=3\n";
    const QByteArray after = "; kept as it is\n[Match]\nscore1=12\n\n[Laps]\nLaps=3\n";
    WriteRaw(Ini, before);
    const auto write = [this] {
        try {
            file.WriteInteger("Match", "score1", 12);
            return std::string("written");
        } catch (const EIniFileException &error) {
            return std::string(error.what());
        }
    };

    EXPECT_EQ(GetParam().run(PathOf(QString()), after.size(), write), "Unable to write to Skarvel.ini");
    EXPECT_EQ(ReadRaw(Ini), before);
    EXPECT_EQ(skarvel::testsupport::FolderEntries(PathOf(QString())), QStringList{Ini});

    // Without the fault the same write goes through: the fault, not the write, was refused.
    EXPECT_EQ(write(), "written");
    EXPECT_EQ(ReadRaw(Ini), after);
}

INSTANTIATE_TEST_SUITE_P(Faults, IniFileFault,
                         ::testing::ValuesIn(skarvel::testsupport::WholeFileSaveFaults()),
                         skarvel::testsupport::SaveFaultName());
