#include "audio.h"
#include "dgcerror.h"
#include "sdlaudio.h"
#include "soundlib.h"

#include "wavefixture.h"

#include <gtest/gtest.h>

#include <set>

using namespace sk2::dgc;

namespace {

// An output whose channels play until the test says they have ended.
class ScriptedOutput : public DGCAudioOutput
{
public:
    explicit ScriptedOutput(bool opens)
        : m_opens(opens)
    {}
    bool Open(const std::vector<QByteArray> &waves) override
    {
        count = int(waves.size());
        return m_opens;
    }
    void Close() override {}
    void Play(int sound, bool) override
    {
        playing.insert(sound);
        ++plays;
    }
    bool IsPlaying(int sound) const override { return playing.contains(sound); }
    void Rewind(int sound) override { rewound.insert(sound); }
    void SetPan(int, int pan) override { lastPan = pan; }

    int count = 0;
    int plays = 0;
    int lastPan = 0;
    std::set<int> playing;
    std::set<int> rewound;

private:
    bool m_opens;
};

} // namespace

TEST(Audio, IsPlayingOnlyWhileASoundPlaysOnce)
{
    TDGCSoundLib library;
    library.Add(Wave(10));
    library.Add(Wave(10));
    auto output = std::make_unique<ScriptedOutput>(true);
    ScriptedOutput *channels = output.get();
    TDGCAudio audio(std::move(output));
    audio.SetSoundLibrary(&library);
    audio.Open();
    ASSERT_TRUE(audio.SoundAvailable());
    EXPECT_EQ(channels->count, 2);

    audio.Play(0);
    EXPECT_TRUE(audio.IsPlaying(0));
    audio.PlayLooped(1);
    EXPECT_FALSE(audio.IsPlaying(1)) << "a looping sound never counts as playing";
    audio.Play(1);
    EXPECT_TRUE(audio.IsPlaying(1)) << "played once again, it does";
    channels->playing.erase(0);
    EXPECT_FALSE(audio.IsPlaying(0));

    audio.SetPlayPosition(0, 0);
    EXPECT_TRUE(channels->rewound.contains(0));
    EXPECT_THROW(audio.SetPlayPosition(0, 100), EDGCError);
    audio.SetPan(0, -30000);
    EXPECT_EQ(channels->lastPan, -10000);
    EXPECT_THROW(audio.Play(2), EDGCError);
    EXPECT_THROW(audio.IsPlaying(-1), EDGCError);
}

TEST(Audio, WithoutSoundNothingPlays)
{
    TDGCSoundLib library;
    library.Add(Wave(10));
    auto output = std::make_unique<ScriptedOutput>(false);
    ScriptedOutput *channels = output.get();
    TDGCAudio audio(std::move(output));
    audio.SetSoundLibrary(&library);
    audio.Open();
    EXPECT_FALSE(audio.SoundAvailable());
    audio.Play(0);
    audio.PlayLooped(0);
    EXPECT_EQ(channels->plays, 0);
    EXPECT_FALSE(audio.IsPlaying(0));
}

TEST(Audio, PanTakesDecibelsOffTheFarSide)
{
    const struct
    {
        int pan, left, right;
    } cases[] = {{0, 255, 255}, {-10000, 255, 0}, {10000, 0, 255}, {2000, 26, 255}, {-600, 255, 128}};
    for (const auto &c : cases) {
        int left = -1;
        int right = -1;
        SdlMixerOutput::PanVolumes(c.pan, left, right);
        EXPECT_EQ(left, c.left) << c.pan;
        EXPECT_EQ(right, c.right) << c.pan;
    }
}

TEST(Audio, SdlMixerPlaysOnTheDummyDriver)
{
    // Tests run with SDL_AUDIODRIVER=dummy, which plays in real time without a sound card.
    TDGCSoundLib library;
    library.Add(Wave(22050 * 2));                      // two seconds
    library.Add(QByteArray("RIFF\x04\0\0\0WAVE", 12)); // no format chunk: that sound stays silent
    TDGCAudio audio;
    audio.SetSoundLibrary(&library);
    audio.Open();
    ASSERT_TRUE(audio.SoundAvailable());
    audio.Play(0);
    EXPECT_TRUE(audio.IsPlaying(0));
    audio.PlayLooped(0);
    EXPECT_FALSE(audio.IsPlaying(0));
    audio.Play(1);
    EXPECT_FALSE(audio.IsPlaying(1));
    audio.Close();
    EXPECT_FALSE(audio.SoundAvailable());
    audio.Open(); // a second race opens the mixer again
    EXPECT_TRUE(audio.SoundAvailable());
}
