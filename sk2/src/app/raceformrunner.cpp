#include "raceformrunner.h"

#include "libraryfiles.h"
#include "racecaru2.h"

#include <utility>

using sk2::race::LibraryFilePath;
using sk2::race::RacePlatform;
using sk2::race::Tskrace2game;

RaceFormRunner::RaceFormRunner(PlatformSource platform)
    : m_platform(std::move(platform))
{}

RaceRunner::Result RaceFormRunner::RunRace(bool smallScreen)
{
    Tskrace2game race(m_platform ? m_platform() : RacePlatform{}); // no owner: freed here whatever happens
    race.DGCSoundLib1.LoadFromFile(LibraryFilePath(QStringLiteral("sk2demo.sdl")));
    if (smallScreen) {
        race.DGCScreen1.SetDisplayMode(sk2::dgc::dm640x480x8);
        race.DGCImageLibTrack.LoadFromFile(LibraryFilePath(QStringLiteral("track36.iml")));
    }
    race.ShowModal();
    return {race.BonusScore1, race.BonusScore2};
}
