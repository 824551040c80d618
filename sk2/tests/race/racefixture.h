#pragma once

// A race form on a headless screen with a manual clock, no sound, the settings and track files in a
// folder of the test's own, and errors collected instead of shown.

#include "headless.h"
#include "profile.h"
#include "racecaru2.h"
#include "trackfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace racetest {

using namespace sk2;
using namespace sk2::race;

using NoSound = dgc::NoAudioOutput;

class RaceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        win::SetWindowsDirectory(folder.path());
        SetTrackFolder(folder.path());
        OpenTrackFile();
        RacesInMatch = 1;
        CurrentRaceNo = 1;
        display.AttachClock(&clock, 16);
        clock.Set(100000);
    }
    void TearDown() override
    {
        form.reset();
        CloseTrackFile();
        SetTrackFolder(QString());
        win::SetWindowsDirectory(QString());
    }

    // The form, created on first use with the test's platform.
    Tskrace2game &Form()
    {
        if (!form) {
            RacePlatform platform;
            platform.display = &display;
            platform.clock = &clock;
            platform.audio = std::make_unique<NoSound>();
            platform.showError = [this](const QString &message) { errors << message; };
            form = std::make_unique<Tskrace2game>(std::move(platform));
        }
        return *form;
    }

    void Write(const char *section, const char *key, const QString &value)
    {
        ASSERT_TRUE(win::WritePrivateProfileString(section, key, value, QStringLiteral("Skarvel.ini")));
    }

    QByteArray SettingsFile() const
    {
        QFile file(win::ProfilePath(QStringLiteral("Skarvel.ini")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir folder;
    dgc::HeadlessDisplay display;
    dgc::ManualClock clock;
    QStringList errors;
    std::unique_ptr<Tskrace2game> form;
};

} // namespace racetest
