#include "audio.h"

#include "dgcerror.h"
#include "sdlaudio.h"
#include "soundlib.h"

#include <algorithm>

namespace sk2::dgc {

TDGCAudio::TDGCAudio(std::unique_ptr<DGCAudioOutput> output)
    : m_output(output ? std::move(output) : std::make_unique<SdlMixerOutput>())
{}

TDGCAudio::~TDGCAudio()
{
    Close();
}

void TDGCAudio::Open()
{
    Close();
    std::vector<QByteArray> waves;
    if (m_library) {
        for (int n = 0; n < m_library->Count(); ++n)
            waves.push_back(m_library->Sound(n));
    }
    m_looped.assign(waves.size(), false);
    m_available = m_output->Open(waves);
}

void TDGCAudio::Close()
{
    if (m_available)
        m_output->Close();
    m_available = false;
}

void TDGCAudio::Check(int sound) const
{
    if (sound < 0 || sound >= Count())
        throw EDGCError(QStringLiteral("Sound %1 is not in the sound library").arg(sound));
}

void TDGCAudio::Play(int sound)
{
    Check(sound);
    if (!m_available)
        return;
    m_looped[std::size_t(sound)] = false;
    m_output->Play(sound, false);
}

void TDGCAudio::PlayLooped(int sound)
{
    Check(sound);
    if (!m_available)
        return;
    m_looped[std::size_t(sound)] = true;
    m_output->Play(sound, true);
}

bool TDGCAudio::IsPlaying(int sound) const
{
    Check(sound);
    return m_available && !m_looped[std::size_t(sound)] && m_output->IsPlaying(sound);
}

void TDGCAudio::SetPlayPosition(int sound, int position)
{
    Check(sound);
    if (position != 0)
        throw EDGCError(QStringLiteral("Only the start of a sound can be set as its play position"));
    if (m_available)
        m_output->Rewind(sound);
}

void TDGCAudio::SetPan(int sound, int pan)
{
    Check(sound);
    if (m_available)
        m_output->SetPan(sound, std::clamp(pan, -10000, 10000));
}

} // namespace sk2::dgc
