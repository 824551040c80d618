#include "raceflowsound.h"

#include "audio.h"
#include "drivefields.h"

#include <exception>

namespace sk2::race {

void PlaySound(TRaceScene &scene, int n, bool looped)
{
    dgc::TDGCAudio &audio = scene.Audio;
    if (!audio.SoundAvailable())
        return;
    try {
        if (audio.IsPlaying(n))
            return;
        audio.SetPlayPosition(n, 0);
        if (looped)
            audio.PlayLooped(n);
        else
            audio.Play(n);
    } catch (const std::exception &) {
        // A missing or broken sound leaves the race silent, never stopped.
    }
}

bool SoundPlaying(const TRaceScene &scene, int n)
{
    try {
        return scene.Audio.IsPlaying(n);
    } catch (const std::exception &) {
        return false;
    }
}

void SetSoundPan(TRaceScene &scene, int n, int pan)
{
    try {
        scene.Audio.SetPan(n, pan);
    } catch (const std::exception &) {
    }
}

void WaitWhilePlaying(TRaceScene &scene, int n)
{
    if (!scene.Audio.SoundAvailable())
        return;
    while (SoundPlaying(scene, n)) {
        if (scene.ProcessMessages)
            scene.ProcessMessages();
    }
}

} // namespace sk2::race
