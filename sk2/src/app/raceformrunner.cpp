#include "raceformrunner.h"

#include "libraryfiles.h"
#include "racecaru2.h"

using sk2::race::LibraryFilePath;
using sk2::race::Tskrace2game;

RaceRunner::Result RaceFormRunner::RunRace(bool smallScreen)
{
    Tskrace2game race; // no owner: it is freed here whatever happens
    race.DGCSoundLib1.LoadFromFile(LibraryFilePath(QStringLiteral("sk2demo.sdl")));
    if (smallScreen) {
        race.DGCScreen1.SetDisplayMode(sk2::dgc::dm640x480x8);
        race.DGCImageLibTrack.LoadFromFile(LibraryFilePath(QStringLiteral("track36.iml")));
    }
    race.ShowModal();
    return {race.BonusScore1, race.BonusScore2};
}
