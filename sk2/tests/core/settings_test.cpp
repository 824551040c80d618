#include "sk2settings.h"

#include "profile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace sk2;

namespace {

class SettingsFile : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        win::SetWindowsDirectory(m_folder.path());
    }
    void TearDown() override { win::SetWindowsDirectory(QString()); }

    QString FilePath() const { return QDir(m_folder.path()).filePath(QStringLiteral("Skarvel.ini")); }

    QByteArray FileText() const
    {
        QFile file(FilePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void PutText(const QByteArray &text) const
    {
        QFile file(FilePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    Settings settings;

private:
    QTemporaryDir m_folder;
};

} // namespace

TEST_F(SettingsFile, EveryKeyIsWrittenUnderItsSectionAndName)
{
    settings.WriteInteger(Keys::LastPicked, 2);
    settings.WriteInteger(Keys::ScreenSize, ScreenSize640x480);
    settings.WriteInteger(Keys::Laps, 3);
    settings.WriteString(Keys::Name(1), QStringLiteral("Ann"));
    settings.WriteString(Keys::Name(2), QStringLiteral("Bo"));
    settings.WriteInteger(Keys::Races, 4);
    settings.WriteBool(Keys::CycleTracks, true);
    settings.WriteInteger(Keys::Score(1), 0);
    settings.WriteInteger(Keys::Score(2), 0);
    for (int slot = 1; slot <= 4; ++slot)
        settings.WriteInteger(Keys::RaceTrack(slot), 10 + slot);
    settings.WriteInteger(Keys::InputDevice(2), 3);
    settings.WriteInteger(Keys::Sensitivity(2), 150);
    settings.WriteInteger(Keys::TopSpeed(2), 25);
    settings.WriteSteeringKeys(2, {1, 2, 3, 4, 5, 6});

    EXPECT_EQ(FileText(), "[Track]\nLastPicked=2\nRace1=11\nRace2=12\nRace3=13\nRace4=14\n\n"
                          "[Trace]\nScreenSize=0\n\n"
                          "[Laps]\nLaps=3\n\n"
                          "[Player1]\nName=Ann\n\n"
                          "[Player2]\nName=Bo\nInputDevice=3\nSensitivity=150\nTopSpeed=25\n"
                          "KeyLeft=1\nKeyRight=2\nKeyUp=3\nKeyDown=4\nKeyFire1=5\nKeyFire2=6\n\n"
                          "[Match]\nRaces=4\nCycleTracks=1\nscore1=0\nscore2=0\n");
}

TEST_F(SettingsFile, WithoutAFileEachFormGetsItsOwnDefaults)
{
    const auto race = [this](int player) {
        return settings.ReadSteeringKeys(player, RaceDefaults::SteeringKeys(player));
    };
    const auto setup = [this](int player) {
        return settings.ReadSteeringKeys(player, SetupDefaults::SteeringKeys(player));
    };
    EXPECT_EQ(race(1), (SteeringKeyCodes{37, 39, 38, 40, 50, 50}));
    EXPECT_EQ(race(2), (SteeringKeyCodes{37, 39, 38, 40, 50, 51}));
    EXPECT_EQ(setup(1), (SteeringKeyCodes{37, 39, 38, 40, 50, 51}));
    EXPECT_EQ(setup(2), (SteeringKeyCodes{68, 70, 65, 83, 90, 88}));

    EXPECT_EQ(settings.ReadString(Keys::Name(1), RaceDefaults::Name(1)), QStringLiteral("Green Car"));
    EXPECT_EQ(settings.ReadString(Keys::Name(2), RaceDefaults::Name(2)), QStringLiteral("Red Car"));
    EXPECT_EQ(settings.ReadString(Keys::Name(2), StartDefaults::Name()), QString());
    EXPECT_EQ(settings.ReadInteger(Keys::Laps, RaceDefaults::Laps), 4);
    EXPECT_EQ(settings.ReadInteger(Keys::Laps, StartDefaults::Laps), 5);
    EXPECT_EQ(settings.ReadInteger(Keys::RaceTrack(3), StartDefaults::RaceTrack(3)), 2);
    EXPECT_TRUE(FileText().isEmpty());
}

TEST_F(SettingsFile, NamesWrittenByTheStartFormReachTheRaceEvenWhenEmpty)
{
    settings.WriteString(Keys::Name(1), QString());
    const Settings raceSettings;
    EXPECT_EQ(raceSettings.ReadString(Keys::Name(1), RaceDefaults::Name(1)), QString());
    EXPECT_EQ(raceSettings.ReadString(Keys::Name(2), RaceDefaults::Name(2)), QStringLiteral("Red Car"));
}

TEST_F(SettingsFile, KeysAreFoundWhateverTheirCase)
{
    PutText("[PLAYER1]\nkeyleft=65\nKEYFIRE2=$5A\n[match]\nSCORE1=7\ncycletracks=7\n");
    EXPECT_EQ(settings.ReadSteeringKeys(1, RaceDefaults::SteeringKeys(1)),
              (SteeringKeyCodes{65, 39, 38, 40, 50, 90}));
    EXPECT_EQ(settings.ReadInteger(Keys::Score(1), 0), 7);
    EXPECT_TRUE(settings.ReadBool(Keys::CycleTracks, false));
}

TEST_F(SettingsFile, ARefusedWriteNamesTheSettingsFile)
{
    ASSERT_TRUE(QDir().mkdir(FilePath()));
    try {
        settings.WriteInteger(Keys::Score(1), 3);
        FAIL() << "the write went through";
    } catch (const win::EIniFileException &error) {
        EXPECT_STREQ(error.what(), "Unable to write to Skarvel.ini");
    }
}
