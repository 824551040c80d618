#include "sdlaudio.h"

#include "trace.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cmath>

namespace sk2::dgc {

SdlMixerOutput::~SdlMixerOutput()
{
    Close();
}

bool SdlMixerOutput::Open(const std::vector<QByteArray> &waves)
{
    Close();
    // Without this SDL takes over Ctrl+C and the program can no longer be stopped from a terminal.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        Trace(QStringLiteral("No audio: %1").arg(QString::fromUtf8(SDL_GetError())));
        return false;
    }
    if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
        Trace(QStringLiteral("No audio: %1").arg(QString::fromUtf8(Mix_GetError())));
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    m_open = true;
    Mix_AllocateChannels(int(waves.size()));
    for (std::size_t n = 0; n < waves.size(); ++n) {
        SDL_RWops *source = SDL_RWFromConstMem(waves[n].constData(), int(waves[n].size()));
        Mix_Chunk *chunk = source ? Mix_LoadWAV_RW(source, 1) : nullptr;
        if (!chunk)
            Trace(QStringLiteral("Sound %1 cannot be played: %2")
                      .arg(n)
                      .arg(QString::fromUtf8(Mix_GetError())));
        m_chunks.push_back(chunk);
    }
    m_looped.assign(waves.size(), false);
    return true;
}

void SdlMixerOutput::Close()
{
    if (!m_open)
        return;
    Mix_HaltChannel(-1);
    for (Mix_Chunk *chunk : m_chunks) {
        if (chunk)
            Mix_FreeChunk(chunk);
    }
    m_chunks.clear();
    m_looped.clear();
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    m_open = false;
}

void SdlMixerOutput::Play(int sound, bool looped)
{
    if (!m_open || sound < 0 || sound >= int(m_chunks.size()) || !m_chunks[std::size_t(sound)])
        return;
    m_looped[std::size_t(sound)] = looped;
    // Playing on a busy channel starts the sound again from its beginning.
    Mix_PlayChannel(sound, m_chunks[std::size_t(sound)], looped ? -1 : 0);
}

bool SdlMixerOutput::IsPlaying(int sound) const
{
    return m_open && sound >= 0 && sound < int(m_chunks.size()) && Mix_Playing(sound) != 0;
}

void SdlMixerOutput::Rewind(int sound)
{
    if (IsPlaying(sound))
        Play(sound, m_looped[std::size_t(sound)]);
}

void SdlMixerOutput::PanVolumes(int pan, int &left, int &right)
{
    // The pan takes hundredths of a decibel off the far side; -10000 and 10000 silence it.
    const double attenuation = std::abs(pan) >= 10000 ? 0.0 : std::pow(10.0, -std::abs(pan) / 2000.0);
    const int far = int(std::lround(255 * attenuation));
    left = pan > 0 ? far : 255;
    right = pan < 0 ? far : 255;
}

void SdlMixerOutput::SetPan(int sound, int pan)
{
    if (!m_open || sound < 0 || sound >= int(m_chunks.size()))
        return;
    int left = 255;
    int right = 255;
    PanVolumes(pan, left, right);
    Mix_SetPanning(sound, Uint8(left), Uint8(right));
}

} // namespace sk2::dgc
