#pragma once

// TDGCAudio: plays the sounds of a sound library, one channel per sound. SoundAvailable tells whether
// the audio output opened without error; when it did not, nothing plays and nothing waits.
// IsPlaying is true only while a sound plays once: a sound playing in a loop reports false.
//
// The sound itself comes out of a DGCAudioOutput: SDL_mixer in the game (sdlaudio.h), a scripted one
// in tests.

#include <QByteArray>

#include <memory>
#include <vector>

namespace sk2::dgc {

class TDGCSoundLib;

class DGCAudioOutput
{
public:
    virtual ~DGCAudioOutput() = default;
    // Opens the output with one channel per sound; false when audio cannot be used. A sound that
    // cannot be decoded stays silent.
    virtual bool Open(const std::vector<QByteArray> &waves) = 0;
    virtual void Close() = 0;
    virtual void Play(int sound, bool looped) = 0;
    // Whether the sound's channel is playing, once or looped.
    virtual bool IsPlaying(int sound) const = 0;
    // Moves the play position back to the start of the sound.
    virtual void Rewind(int sound) = 0;
    // -10000 full left to 10000 full right, in hundredths of a decibel taken off the other side.
    virtual void SetPan(int sound, int pan) = 0;
};

// A machine without a sound card: the output never opens and nothing plays. Races run silently on it
// in tests, benchmarks and the screenshot program.
class NoAudioOutput final : public DGCAudioOutput
{
public:
    bool Open(const std::vector<QByteArray> &) override { return false; }
    void Close() override {}
    void Play(int, bool) override {}
    bool IsPlaying(int) const override { return false; }
    void Rewind(int) override {}
    void SetPan(int, int) override {}
};

class TDGCAudio
{
public:
    // Without an output the SDL_mixer output is used.
    explicit TDGCAudio(std::unique_ptr<DGCAudioOutput> output = nullptr);
    ~TDGCAudio();

    void SetSoundLibrary(const TDGCSoundLib *library) { m_library = library; }
    const TDGCSoundLib *SoundLibrary() const { return m_library; }

    // Opens the output with the library's sounds (again when already open).
    void Open();
    void Close();
    bool SoundAvailable() const { return m_available; }
    int Count() const { return int(m_looped.size()); }

    // Each raises EDGCError for a sound the library does not hold; without SoundAvailable they do
    // nothing (and IsPlaying is false).
    void Play(int sound);
    void PlayLooped(int sound);
    bool IsPlaying(int sound) const;
    // Only position 0, the start of the sound, can be set.
    void SetPlayPosition(int sound, int position);
    void SetPan(int sound, int pan);

private:
    void Check(int sound) const;

    std::unique_ptr<DGCAudioOutput> m_output;
    const TDGCSoundLib *m_library = nullptr;
    bool m_available = false;
    std::vector<bool> m_looped;
};

} // namespace sk2::dgc
