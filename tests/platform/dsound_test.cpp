// Our DirectSound on the silent output: creation checks, the two lock
// regions, duplicates sharing samples, status and timing of play, loss.
#include <gtest/gtest.h>

#include <windows.h>
#include <dsound.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "seam.h"
#include "sound_output.h"
#include "window_focus.h"

namespace {

WAVEFORMATEX Pcm(int channels, DWORD rate, int bits)
{
    WAVEFORMATEX format = {};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = (WORD)channels;
    format.nSamplesPerSec = rate;
    format.wBitsPerSample = (WORD)bits;
    format.nBlockAlign = (WORD)(channels * bits / 8);
    format.nAvgBytesPerSec = rate * format.nBlockAlign;
    return format;
}

class DirectSoundTest : public testing::Test {
protected:
    void SetUp() override
    {
        seam::Reset();
        ASSERT_EQ(DirectSoundCreate(NULL, &ds_, NULL), DS_OK);
    }
    void TearDown() override
    {
        for (LPDIRECTSOUNDBUFFER buffer : buffers_) {
            buffer->Release();
        }
        ds_->Release();
        EXPECT_EQ(seam::LiveSoundBuffers(), 0);
    }

    HRESULT Create(WAVEFORMATEX format, DWORD bytes, LPDIRECTSOUNDBUFFER* out)
    {
        DSBUFFERDESC desc = {};
        desc.dwSize = sizeof desc;
        desc.dwFlags = DSBCAPS_STATIC;
        desc.dwBufferBytes = bytes;
        desc.lpwfxFormat = &format;
        HRESULT result = ds_->CreateSoundBuffer(&desc, out, NULL);
        if (result == DS_OK) {
            buffers_.push_back(*out);
        }
        return result;
    }

    // A buffer of 16-bit mono samples at 8,000 Hz holding `samples`.
    LPDIRECTSOUNDBUFFER Filled(const std::vector<short>& samples)
    {
        LPDIRECTSOUNDBUFFER buffer = NULL;
        EXPECT_EQ(Create(Pcm(1, 8000, 16), (DWORD)samples.size() * 2, &buffer), DS_OK);
        LPVOID p1, p2;
        DWORD n1, n2;
        EXPECT_EQ(buffer->Lock(0, (DWORD)samples.size() * 2, &p1, &n1, &p2, &n2, 0), DS_OK);
        memcpy(p1, samples.data(), n1);
        EXPECT_EQ(buffer->Unlock(p1, n1, p2, n2), DS_OK);
        return buffer;
    }

    LPDIRECTSOUND ds_ = NULL;
    std::vector<LPDIRECTSOUNDBUFFER> buffers_;
};

TEST_F(DirectSoundTest, CreationChecksItsArguments)
{
    LPDIRECTSOUND other = (LPDIRECTSOUND)1;
    EXPECT_EQ(DirectSoundCreate(NULL, NULL, NULL), DSERR_INVALIDPARAM);
    seam::FailCall("DirectSoundCreate", DSERR_NODRIVER);
    EXPECT_EQ(DirectSoundCreate(NULL, &other, NULL), DSERR_NODRIVER);
    EXPECT_EQ(other, nullptr);
    EXPECT_EQ(ds_->SetCooperativeLevel(NULL, DSSCL_PRIORITY), DSERR_INVALIDPARAM);
    EXPECT_EQ(ds_->SetCooperativeLevel((HWND)1, DSSCL_PRIORITY), DS_OK);

    LPDIRECTSOUNDBUFFER buffer = NULL;
    WAVEFORMATEX bad = Pcm(3, 22050, 8);
    EXPECT_EQ(Create(bad, 100, &buffer), DSERR_BADFORMAT);
    bad = Pcm(2, 22050, 12);
    EXPECT_EQ(Create(bad, 100, &buffer), DSERR_BADFORMAT);
    bad = Pcm(2, 50, 8);
    EXPECT_EQ(Create(bad, 100, &buffer), DSERR_BADFORMAT);
    EXPECT_EQ(Create(Pcm(2, 22050, 8), 2, &buffer), DSERR_INVALIDPARAM);
    EXPECT_EQ(ds_->CreateSoundBuffer(NULL, &buffer, NULL), DSERR_INVALIDPARAM);
    for (int channels : {1, 2}) {
        for (int bits : {8, 16}) {
            EXPECT_EQ(Create(Pcm(channels, 11025, bits), 400, &buffer), DS_OK);
        }
    }
}

TEST_F(DirectSoundTest, ALockAcrossTheEndGivesTwoRegions)
{
    LPDIRECTSOUNDBUFFER buffer = NULL;
    ASSERT_EQ(Create(Pcm(1, 8000, 8), 100, &buffer), DS_OK);
    LPVOID p1, p2;
    DWORD n1, n2;
    ASSERT_EQ(buffer->Lock(80, 30, &p1, &n1, &p2, &n2, 0), DS_OK);
    EXPECT_EQ(n1, 20u);
    EXPECT_EQ(n2, 10u);
    memset(p1, 1, n1);
    memset(p2, 2, n2);
    EXPECT_EQ(buffer->Lock(0, 1, &p1, &n1, &p2, &n2, 0), DSERR_INVALIDPARAM);
    ASSERT_EQ(buffer->Unlock(p1, n1, p2, n2), DS_OK);

    ASSERT_EQ(buffer->Lock(0, 0, &p1, &n1, &p2, &n2, DSBLOCK_ENTIREBUFFER), DS_OK);
    EXPECT_EQ(n1, 100u);
    EXPECT_EQ(n2, 0u);
    const BYTE* bytes = (const BYTE*)p1;
    EXPECT_EQ(bytes[0], 2);
    EXPECT_EQ(bytes[9], 2);
    EXPECT_EQ(bytes[10], 0x80);
    EXPECT_EQ(bytes[79], 0x80);
    EXPECT_EQ(bytes[80], 1);
    EXPECT_EQ(bytes[99], 1);
    EXPECT_EQ(buffer->Unlock(p1, n1, NULL, 0), DS_OK);
    EXPECT_EQ(buffer->Unlock(p1, n1, NULL, 0), DSERR_INVALIDPARAM);
    EXPECT_EQ(buffer->Lock(100, 1, &p1, &n1, &p2, &n2, 0), DSERR_INVALIDPARAM);
}

TEST_F(DirectSoundTest, DuplicatesShareSamplesButNotPosition)
{
    LPDIRECTSOUNDBUFFER original = Filled(std::vector<short>(8000, 20000));
    LPDIRECTSOUNDBUFFER copy = NULL;
    ASSERT_EQ(ds_->DuplicateSoundBuffer(original, &copy), DS_OK);
    buffers_.push_back(copy);
    ASSERT_EQ(copy->Play(0, 0, 0), DS_OK);
    seam::AdvanceTicks(250);
    EXPECT_NEAR((double)seam::SoundPlayPosition(copy), 4000.0, 4.0);
    EXPECT_EQ(seam::SoundPlayPosition(original), 0u);
    std::vector<short> out = seam::RenderSound(20);
    EXPECT_NEAR(out[out.size() - 2], 20000, 2);
    EXPECT_EQ(ds_->DuplicateSoundBuffer(NULL, &copy), DSERR_INVALIDPARAM);
}

TEST_F(DirectSoundTest, PlayReportsStatusAndEndsOnTime)
{
    LPDIRECTSOUNDBUFFER buffer = Filled(std::vector<short>(800, 1000));  // 0.1 s
    DWORD status = 99;
    ASSERT_EQ(buffer->GetStatus(&status), DS_OK);
    EXPECT_EQ(status, 0u);
    ASSERT_EQ(buffer->Play(0, 0, 0), DS_OK);
    ASSERT_EQ(buffer->GetStatus(&status), DS_OK);
    EXPECT_EQ(status, (DWORD)DSBSTATUS_PLAYING);
    seam::AdvanceTicks(99);
    buffer->GetStatus(&status);
    EXPECT_EQ(status, (DWORD)DSBSTATUS_PLAYING);
    seam::AdvanceTicks(2);
    buffer->GetStatus(&status);
    EXPECT_EQ(status, 0u);
    EXPECT_EQ(seam::SoundPlayPosition(buffer), 0u);

    ASSERT_EQ(buffer->Play(0, 0, DSBPLAY_LOOPING), DS_OK);
    seam::AdvanceTicks(1050);
    buffer->GetStatus(&status);
    EXPECT_EQ(status, (DWORD)(DSBSTATUS_PLAYING | DSBSTATUS_LOOPING));
    DWORD at = seam::SoundPlayPosition(buffer);
    EXPECT_NEAR((double)at, 800.0, 4.0);
    ASSERT_EQ(buffer->Stop(), DS_OK);
    seam::AdvanceTicks(30);
    EXPECT_EQ(seam::SoundPlayPosition(buffer), at);
    ASSERT_EQ(buffer->SetCurrentPosition(10), DS_OK);
    EXPECT_EQ(seam::SoundPlayPosition(buffer), 10u);
    EXPECT_EQ(buffer->SetCurrentPosition(1600), DSERR_INVALIDPARAM);
}

TEST_F(DirectSoundTest, ALostBufferRefusesPlayAndLockUntilRestored)
{
    LPDIRECTSOUNDBUFFER buffer = Filled(std::vector<short>(800, 1000));
    ASSERT_EQ(buffer->Play(0, 0, DSBPLAY_LOOPING), DS_OK);
    seam::LoseSoundBuffer(buffer);
    DWORD status = 0;
    buffer->GetStatus(&status);
    EXPECT_EQ(status, (DWORD)DSBSTATUS_BUFFERLOST);
    EXPECT_EQ(buffer->Play(0, 0, 0), DSERR_BUFFERLOST);
    LPVOID p1, p2;
    DWORD n1, n2;
    EXPECT_EQ(buffer->Lock(0, 2, &p1, &n1, &p2, &n2, 0), DSERR_BUFFERLOST);
    EXPECT_EQ(buffer->Restore(), DS_OK);
    buffer->GetStatus(&status);
    EXPECT_EQ(status, 0u);
    EXPECT_EQ(buffer->Play(0, 0, 0), DS_OK);
}

}  // namespace

namespace {

// The loudest sample in a stretch of output.
int Peak(const std::vector<short>& out)
{
    int peak = 0;
    for (short sample : out) {
        peak = std::max(peak, std::abs((int)sample));
    }
    return peak;
}

TEST_F(DirectSoundTest, MusicAndEffectsHaveVolumesOfTheirOwn)
{
    LPDIRECTSOUNDBUFFER music = Filled(std::vector<short>(8000, 10000));
    LPDIRECTSOUNDBUFFER effect = Filled(std::vector<short>(8000, 8000));
    ASSERT_EQ(music->Play(0, 0, DSBPLAY_LOOPING), DS_OK);
    ASSERT_EQ(effect->Play(0, 0, 0), DS_OK);
    seam::AdvanceTicks(10);
    EXPECT_NEAR(Peak(seam::RenderSound(10)), 18000, 40);

    plat::SetSoundVolumes(50, 0);
    EXPECT_NEAR(Peak(seam::RenderSound(10)), 5000, 20) << "looping buffers are the music";
    plat::SetSoundVolumes(0, 100);
    EXPECT_NEAR(Peak(seam::RenderSound(10)), 8000, 20);
    plat::SetSoundVolumes(100, 100);
}

TEST_F(DirectSoundTest, OutOfTheForegroundSoundsAreSilentAndPlayOn)
{
    LPDIRECTSOUNDBUFFER music = Filled(std::vector<short>(8000, 10000));
    ASSERT_EQ(music->Play(0, 0, DSBPLAY_LOOPING), DS_OK);
    seam::AdvanceTicks(10);
    plat::WindowFocusChanged(false, false);
    EXPECT_EQ(Peak(seam::RenderSound(20)), 0);
    seam::AdvanceTicks(250);
    EXPECT_NEAR((double)seam::SoundPlayPosition(music), 4480.0, 16.0) << "it went on playing unheard";
    plat::WindowMinimisedChanged(true);
    plat::WindowFocusChanged(true, false);
    EXPECT_EQ(Peak(seam::RenderSound(20)), 0) << "still minimised";
    plat::WindowMinimisedChanged(false);
    EXPECT_NEAR(Peak(seam::RenderSound(20)), 10000, 20);
}

// The offline mixer's first sound after Play, plus the one block the device
// may already have taken, must stay under 12 ms.
TEST_F(DirectSoundTest, ASoundIsHeardWithinTwelveMillisecondsOfPlay)
{
    LPDIRECTSOUNDBUFFER effect = Filled(std::vector<short>(8000, 16000));
    ASSERT_EQ(effect->Play(0, 0, 0), DS_OK);
    std::vector<short> out = seam::RenderSound(20);
    size_t first = 0;
    while (first < out.size() && std::abs((int)out[first]) < 16000 / 10) {
        first++;
    }
    double frames = (double)(first / 2) + plat::SoundBlockFrames();
    double milliseconds = frames * 1000.0 / plat::SoundOutputRate();
    RecordProperty("latency_ms", std::to_string(milliseconds));
    printf("sound latency: %.2f ms (%zu frames to a tenth of full level, %d in a device block)\n", milliseconds,
           first / 2, plat::SoundBlockFrames());
    EXPECT_LT(milliseconds, 12.0);
}

}  // namespace
