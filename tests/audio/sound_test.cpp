// Sound objects and the sound table on the headless platform: voice cycling,
// music that is not restarted, stops that rewind, lost buffers, ids outside
// the table, failed voices and failed set-up.
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "audio/sound.h"
#include "audio/wave.h"
#include "seam.h"
#include "support/game_env.h"

namespace {

SndObj* Sound(int id)
{
    for (int i = 0; i < SOUND_COUNT; i++) {
        if (SOUND_TABLE[i].id == id) {
            return g_sounds[i];
        }
    }
    return nullptr;
}

DWORD Status(LPDIRECTSOUNDBUFFER buffer)
{
    DWORD status = 0;
    EXPECT_EQ(buffer->GetStatus(&status), DS_OK);
    return status;
}

bool Audible(const std::vector<short>& samples)
{
    for (short s : samples) {
        if (s > 300 || s < -300) {
            return true;
        }
    }
    return false;
}

class SoundTable : public testing::Test {
protected:
    void SetUp() override
    {
        window_ = StartDisplay();
        ASSERT_NE(window_, nullptr);
        ASSERT_TRUE(InitializeSound(window_));
    }
    void TearDown() override { ReleaseSound(); }

    HWND window_ = NULL;
};

TEST_F(SoundTable, SetUpOpensTheDeviceAndCreatesEveryObject)
{
    EXPECT_TRUE(HasDebugLine("DirectSoundCreate OK\n"));
    EXPECT_TRUE(HasDebugLine("DirectSound SetCooperativeLevel OK\n"));
    for (int i = 0; i < SOUND_COUNT; i++) {
        ASSERT_NE(g_sounds[i], nullptr) << SOUND_TABLE[i].resource;
        EXPECT_EQ(g_sounds[i]->voiceCount, SOUND_TABLE[i].voices);
    }
    EXPECT_EQ(seam::LiveSoundBuffers(), 8 * 10 + 4);
    ReleaseSound();
    EXPECT_EQ(seam::LiveSoundBuffers(), 0);
    EXPECT_EQ(g_ds, nullptr);
}

TEST_F(SoundTable, ElevenQuickCursorPlaysReuseTheFirstVoice)
{
    SndObj* cursor = Sound(SOUND_CURSOR);
    for (int i = 0; i < 10; i++) {
        ASSERT_TRUE(PlaySound(SOUND_CURSOR));
    }
    EXPECT_EQ(cursor->currentVoice, 9);
    seam::AdvanceTicks(5);
    DWORD firstAt = seam::SoundPlayPosition(cursor->voices[0]);
    EXPECT_GT(firstAt, 0u);
    ASSERT_TRUE(PlaySound(SOUND_CURSOR));
    EXPECT_EQ(cursor->currentVoice, 0);
    EXPECT_EQ(seam::SoundPlayPosition(cursor->voices[0]), 0u);
    for (int i = 0; i < 10; i++) {
        EXPECT_TRUE(Status(cursor->voices[i]) & DSBSTATUS_PLAYING) << i;
    }
}

TEST_F(SoundTable, AnEffectEndsOnTimeAndPlaysAgainFromItsStart)
{
    SndObj* cursor = Sound(SOUND_CURSOR);
    ASSERT_TRUE(PlaySound(SOUND_CURSOR));
    seam::AdvanceTicks(14);
    EXPECT_TRUE(Status(cursor->voices[0]) & DSBSTATUS_PLAYING);
    seam::AdvanceTicks(2);
    EXPECT_FALSE(Status(cursor->voices[0]) & DSBSTATUS_PLAYING);
    ASSERT_TRUE(PlaySound(SOUND_CURSOR));
    EXPECT_EQ(cursor->currentVoice, 0);
    EXPECT_EQ(seam::SoundPlayPosition(cursor->voices[0]), 0u);
}

TEST_F(SoundTable, PlayingMusicIsLeftAloneAndAStopRewindsIt)
{
    SndObj* title = Sound(SOUND_TITLE);
    ASSERT_TRUE(PlaySound(SOUND_TITLE));
    seam::AdvanceTicks(1000);
    DWORD at = seam::SoundPlayPosition(title->voices[0]);
    EXPECT_NEAR((double)at, 22050.0 * 2, 4.0);
    EXPECT_FALSE(PlaySound(SOUND_TITLE));
    EXPECT_TRUE(HasDebugLine("Could not get free buffer for SndObj!\n"));
    EXPECT_EQ(seam::SoundPlayPosition(title->voices[0]), at);
    EXPECT_EQ(Status(title->voices[0]), (DWORD)(DSBSTATUS_PLAYING | DSBSTATUS_LOOPING));

    seam::AdvanceTicks(28000);
    EXPECT_TRUE(Status(title->voices[0]) & DSBSTATUS_PLAYING);

    EXPECT_TRUE(StopSound(SOUND_TITLE));
    EXPECT_EQ(Status(title->voices[0]), 0u);
    EXPECT_EQ(seam::SoundPlayPosition(title->voices[0]), 0u);
    EXPECT_TRUE(PlaySound(SOUND_TITLE));
    EXPECT_EQ(seam::SoundPlayPosition(title->voices[0]), 0u);
}

TEST_F(SoundTable, TheNeverPlayedPiecesPlayOnceLikeEffects)
{
    for (int id : {SOUND_STAGE, SOUND_SCORE}) {
        ASSERT_TRUE(PlaySound(id));
        EXPECT_EQ(Status(Sound(id)->voices[0]), (DWORD)DSBSTATUS_PLAYING);
    }
    seam::AdvanceTicks(21400);
    EXPECT_EQ(Status(Sound(SOUND_STAGE)->voices[0]), 0u);
    EXPECT_EQ(Status(Sound(SOUND_SCORE)->voices[0]), 0u);
}

TEST_F(SoundTable, IdsOutsideTheTableDoNothing)
{
    for (int id : {0, 7, 8, 9, 16, 255, -1}) {
        EXPECT_FALSE(PlaySound(id)) << id;
        EXPECT_FALSE(StopSound(id)) << id;
    }
    EXPECT_FALSE(Audible(seam::RenderSound(50)));
}

TEST_F(SoundTable, ALostVoiceIsRestoredAndRefilledWhenChosen)
{
    SndObj* clear = Sound(SOUND_CLEAR);
    seam::LoseSoundBuffer(clear->voices[0]);
    EXPECT_TRUE(Status(clear->voices[0]) & DSBSTATUS_BUFFERLOST);
    EXPECT_EQ(clear->voices[0]->Play(0, 0, 0), DSERR_BUFFERLOST);
    ASSERT_TRUE(PlaySound(SOUND_CLEAR));
    EXPECT_EQ(Status(clear->voices[0]), (DWORD)DSBSTATUS_PLAYING);
    EXPECT_TRUE(Audible(seam::RenderSound(500)));
}

TEST_F(SoundTable, AVoiceThatCannotBeRestoredIsNotPlayed)
{
    SndObj* croak = Sound(SOUND_CROAK);
    seam::LoseSoundBuffer(croak->voices[0]);
    seam::FailCall("IDirectSoundBuffer::Restore", DSERR_BUFFERLOST);
    EXPECT_FALSE(PlaySound(SOUND_CROAK));
    EXPECT_TRUE(HasDebugLine("Could not get free buffer for SndObj!\n"));
    EXPECT_FALSE(Audible(seam::RenderSound(100)));
}

TEST_F(SoundTable, ObjectsOnlyLoopWithOneVoice)
{
    EXPECT_FALSE(PlaySndObj(Sound(SOUND_CURSOR), DSBPLAY_LOOPING));
    EXPECT_FALSE(PlaySndObj(NULL, 0));
    EXPECT_FALSE(StopSndObj(NULL));
    EXPECT_EQ(GetFreeSndObjBuffer(NULL), nullptr);
}

TEST_F(SoundTable, AnObjectWhoseFirstVoiceFailedStaysSilent)
{
    seam::FailCall("IDirectSound::CreateSoundBuffer", DSERR_OUTOFMEMORY);
    SndObj* music = CreateSndObj(g_ds, "PROLOG", 1);
    ASSERT_NE(music, nullptr);
    EXPECT_EQ(music->voices[0], nullptr);
    EXPECT_TRUE(HasDebugLine("Could not load sound buffer!\n"));
    EXPECT_FALSE(PlaySndObj(music, DSBPLAY_LOOPING));
    EXPECT_TRUE(HasDebugLine("Could not get free buffer for SndObj!\n"));
    EXPECT_TRUE(StopSndObj(music));
    DestroySndObj(music);
}

TEST_F(SoundTable, AFailedLaterVoiceDiscardsTheObject)
{
    int before = seam::LiveSoundBuffers();
    seam::FailCall("IDirectSound::DuplicateSoundBuffer", DSERR_OUTOFMEMORY);
    seam::FailCall("IDirectSound::CreateSoundBuffer", DSERR_OUTOFMEMORY, 3);
    EXPECT_EQ(CreateSndObj(g_ds, "CURSOR", 10), nullptr);
    EXPECT_TRUE(HasDebugLine("Could not create SndObj object\n"));
    EXPECT_EQ(seam::LiveSoundBuffers(), before);
}

TEST_F(SoundTable, FailedDuplicatesAreLoadedOnTheirOwn)
{
    seam::FailCall("IDirectSound::DuplicateSoundBuffer", DSERR_OUTOFMEMORY);
    SndObj* croak = CreateSndObj(g_ds, "CROAK", 3);
    ASSERT_NE(croak, nullptr);
    for (int i = 0; i < 3; i++) {
        EXPECT_NE(croak->voices[i], nullptr);
    }
    DestroySndObj(croak);
    EXPECT_EQ(CreateSndObj(g_ds, "NOSUCH", 2), nullptr);
    EXPECT_TRUE(HasDebugLine("Could not create SndObj object\n"));
}

TEST_F(SoundTable, AFailedFillReleasesTheNewBuffer)
{
    int before = seam::LiveSoundBuffers();
    seam::FailCall("IDirectSoundBuffer::Lock", DSERR_BUFFERLOST);
    EXPECT_EQ(LoadWaveBuffer(g_ds, "CROAK"), nullptr);
    std::vector<std::string> expected = {"Could not fill sound buffer!\n", "Could not load sound buffer!\n"};
    const std::vector<std::string>& lines = seam::DebugLines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(std::vector<std::string>(lines.end() - 2, lines.end()), expected);
    EXPECT_EQ(seam::LiveSoundBuffers(), before);
    EXPECT_FALSE(FillWaveBuffer(NULL, (BYTE*)"x", 1));
}

class SoundSetUp : public testing::Test {
protected:
    void SetUp() override { window_ = StartDisplay(); }
    void TearDown() override { ReleaseSound(); }
    HWND window_ = NULL;
};

TEST_F(SoundSetUp, NoDeviceShowsAnErrorBox)
{
    seam::FailCall("DirectSoundCreate", DSERR_NODRIVER);
    EXPECT_FALSE(InitializeSound(window_));
    ASSERT_EQ(seam::MessageBoxes().size(), 1u);
    EXPECT_EQ(seam::MessageBoxes()[0].caption, "ERROR");
    EXPECT_EQ(seam::MessageBoxes()[0].text, "DirectSoundCreate Failed");
    EXPECT_EQ(g_ds, nullptr);
}

TEST_F(SoundSetUp, RefusedCooperativeLevelReleasesDirectSound)
{
    seam::FailCall("IDirectSound::SetCooperativeLevel", DSERR_ALLOCATED);
    EXPECT_FALSE(InitializeSound(window_));
    ASSERT_EQ(seam::MessageBoxes().size(), 1u);
    EXPECT_EQ(seam::MessageBoxes()[0].caption, "ERROR");
    EXPECT_EQ(seam::MessageBoxes()[0].text, "DirectSound SetCooperativeLevel Failed");
    EXPECT_TRUE(HasDebugLine("DirectSoundCreate OK\n"));
    EXPECT_FALSE(HasDebugLine("DirectSound SetCooperativeLevel OK\n"));
    EXPECT_EQ(g_ds, nullptr);
    EXPECT_EQ(seam::LiveSoundBuffers(), 0);
}

TEST_F(SoundSetUp, WinMainEndsWhenSoundCannotStart)
{
    ResetGame();
    seam::FailCall("DirectSoundCreate", DSERR_NODRIVER);
    EXPECT_EQ(WinMain(GetModuleHandleA(NULL), NULL, NULL, SW_SHOWDEFAULT), 0);
    EXPECT_TRUE(HasDebugLine("InitializeSound ERROR\n"));
}

}  // namespace
