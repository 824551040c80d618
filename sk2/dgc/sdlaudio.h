#pragma once

// The audio output of the game: SDL_mixer, one mixing channel per sound. Opening fails (and the race
// runs silently) when the machine has no usable audio device.

#include "audio.h"

struct Mix_Chunk;

namespace sk2::dgc {

class SdlMixerOutput : public DGCAudioOutput
{
public:
    ~SdlMixerOutput() override;

    bool Open(const std::vector<QByteArray> &waves) override;
    void Close() override;
    void Play(int sound, bool looped) override;
    bool IsPlaying(int sound) const override;
    void Rewind(int sound) override;
    void SetPan(int sound, int pan) override;

    // The pan as SDL_mixer's left and right volumes (0..255).
    static void PanVolumes(int pan, int &left, int &right);

private:
    bool m_open = false;
    std::vector<Mix_Chunk *> m_chunks;
    std::vector<bool> m_looped;
};

} // namespace sk2::dgc
