// soundview's wave reader, figures and spectra, and the seam of every looping
// piece as it is embedded in the game.
#include <gtest/gtest.h>

#include <windows.h>

#include <cmath>
#include <string>
#include <vector>

#include "figures.h"
#include "spectrogram.h"
#include "wav_file.h"

namespace {

void Put16(std::string& out, int v)
{
    out += (char)(v & 0xFF);
    out += (char)((v >> 8) & 0xFF);
}

void Put32(std::string& out, uint32_t v)
{
    Put16(out, (int)(v & 0xFFFF));
    Put16(out, (int)(v >> 16));
}

std::string Chunk(const std::string& id, const std::string& content)
{
    std::string out = id;
    Put32(out, (uint32_t)content.size());
    return out + content + (content.size() % 2 ? std::string(1, '\0') : "");
}

std::string Format(int tag, int channels, int rate, int bits, int blockAlign)
{
    std::string f;
    Put16(f, tag);
    Put16(f, channels);
    Put32(f, (uint32_t)rate);
    Put32(f, (uint32_t)(rate * blockAlign));
    Put16(f, blockAlign);
    Put16(f, bits);
    return f;
}

std::string Riff(const std::string& chunks)
{
    std::string out = "RIFF";
    Put32(out, (uint32_t)(4 + chunks.size()));
    return out + "WAVE" + chunks;
}

std::string PcmFile(int channels, int bits, const std::string& data)
{
    return Riff(Chunk("fmt ", Format(1, channels, 8000, bits, channels * bits / 8)) + Chunk("data", data));
}

bool Parse(const std::string& file, Wave& wave, std::string& error)
{
    return ParseWave((const uint8_t*)file.data(), file.size(), wave, error);
}

std::string Refusal(const std::string& file)
{
    Wave wave;
    std::string error;
    EXPECT_FALSE(Parse(file, wave, error));
    return error;
}

TEST(WaveReader, RefusesBadHeadersSayingWhy)
{
    std::string good = PcmFile(2, 16, "abcdefgh");
    std::string notWave = good;
    notWave[8] = 'X';
    std::string wrongAlign = Riff(Chunk("fmt ", Format(1, 2, 8000, 16, 2)) + Chunk("data", "abcd"));
    struct Case {
        std::string file;
        const char* says;
    } cases[] = {
        {"", "not a RIFF WAVE file"},
        {notWave, "not a RIFF WAVE file"},
        {Riff(Chunk("fmt ", Format(1, 2, 8000, 16, 4).substr(0, 12)) + Chunk("data", "abcd")), "too short"},
        {Riff(Chunk("fmt ", Format(3, 2, 8000, 16, 4)) + Chunk("data", "abcd")), "not plain PCM"},
        {Riff(Chunk("fmt ", Format(1, 3, 8000, 16, 6)) + Chunk("data", "abcdef")), "3 channels"},
        {Riff(Chunk("fmt ", Format(1, 1, 8000, 24, 3)) + Chunk("data", "abc")), "24 bits"},
        {Riff(Chunk("fmt ", Format(1, 1, 0, 16, 2)) + Chunk("data", "ab")), "sample rate of 0"},
        {wrongAlign, "block align 2"},
        {Riff(Chunk("fmt ", Format(1, 2, 8000, 16, 4))), "no 'data' chunk"},
        {Riff(Chunk("data", "abcd")), "no 'fmt ' chunk"},
        {PcmFile(2, 16, "abcdef"), "not a whole number of frames"},
        {PcmFile(2, 16, ""), "'data' chunk is empty"},
        {good.substr(0, good.size() - 1), "chunk 'data' runs past the end"},
        {good.substr(0, 40), "ends inside a chunk header"},
    };
    for (const Case& c : cases) {
        std::string said = Refusal(c.file);
        EXPECT_NE(said.find(c.says), std::string::npos) << c.says << ": " << said;
    }
}

TEST(WaveReader, RefusesEveryCutOffCopyOfARealWave)
{
    HRSRC found = FindResourceA(NULL, "CURSOR", "WAVE");
    ASSERT_NE(found, nullptr);
    const char* bytes = (const char*)LockResource(LoadResource(NULL, found));
    std::string whole(bytes, SizeofResource(NULL, found));
    Wave wave;
    std::string error;
    EXPECT_TRUE(Parse(whole, wave, error)) << error;
    for (size_t length = 0; length < whole.size(); length++) {
        EXPECT_FALSE(Parse(whole.substr(0, length), wave, error)) << length;
    }
}

TEST(WaveReader, ReadsBothWidthsToFullScaleAndSkipsOtherChunks)
{
    Wave wave;
    std::string error;
    ASSERT_TRUE(Parse(PcmFile(2, 8, std::string("\x00\x80\xFF\x40", 4)), wave, error)) << error;
    ASSERT_EQ(wave.channels.size(), 2u);
    EXPECT_EQ(wave.channels[0], (std::vector<float>{-1.0f, 127.0f / 128}));
    EXPECT_EQ(wave.channels[1], (std::vector<float>{0.0f, -0.5f}));

    std::string samples;
    for (int v : {-32768, 0, 32767, 16384}) {
        Put16(samples, v);
    }
    std::string withList = Riff(Chunk("LIST", "odd") + Chunk("fmt ", Format(1, 1, 11025, 16, 2)) +
                                Chunk("fact", "abcd") + Chunk("data", samples));
    ASSERT_TRUE(Parse(withList, wave, error)) << error;
    EXPECT_EQ(wave.rate, 11025);
    EXPECT_EQ(wave.bits, 16);
    ASSERT_EQ(wave.channels.size(), 1u);
    EXPECT_EQ(wave.channels[0], (std::vector<float>{-1.0f, 0.0f, 32767.0f / 32768, 0.5f}));
    EXPECT_NEAR(wave.Seconds(), 4.0 / 11025, 1e-12);
}

Wave Sine(double hz, double amplitude, double offset, size_t frames, int rate = 44100)
{
    Wave wave;
    wave.rate = rate;
    wave.bits = 16;
    wave.channels.assign(1, std::vector<float>(frames));
    for (size_t i = 0; i < frames; i++) {
        wave.channels[0][i] = (float)(offset + amplitude * std::sin(2 * M_PI * hz * (double)i / rate));
    }
    return wave;
}

TEST(Figures, LevelsAndOffsetOfKnownSignals)
{
    Figures half = Measure(Sine(441, 0.5, 0.0, 44100));
    EXPECT_NEAR(half.seconds, 1.0, 1e-9);
    EXPECT_NEAR(half.peakDb, -6.02, 0.01);
    EXPECT_NEAR(half.rmsDb, -9.03, 0.01);
    EXPECT_NEAR(half.dcOffset, 0.0, 1e-6);
    EXPECT_EQ(half.clipped, 0u);

    Figures raised = Measure(Sine(441, 0.25, 0.25, 44100));
    EXPECT_NEAR(raised.dcOffset, 0.25, 1e-6);
    EXPECT_NEAR(raised.peakDb, -6.02, 0.01);

    Wave square = Sine(441, 1.0, 0.0, 1000);
    for (float& s : square.channels[0]) {
        s = s >= 0 ? 32767.0f / 32768 : -1.0f;
    }
    square.channels[0][0] = 0.0f;
    Figures full = Measure(square);
    EXPECT_EQ(full.clipped, 999u);
    EXPECT_NEAR(full.peakDb, 0.0, 1e-6);
}

TEST(Figures, ASeamShowsOnlyWhereTheLoopBreaksACycle)
{
    // 441 Hz repeats every 100 samples: whole cycles join like any other step.
    Figures whole = Measure(Sine(441, 0.5, 0.0, 44100));
    double step = 2 * M_PI * 441 / 44100 * 0.5;
    EXPECT_NEAR(whole.loopJump, step, 1e-3);
    EXPECT_NEAR(whole.maxJump, step, 1e-3);
    EXPECT_LE(whole.jump999, whole.maxJump);

    // A quarter of a cycle more ends the file at the crest.
    Figures cut = Measure(Sine(441, 0.5, 0.0, 44125));
    EXPECT_NEAR(cut.loopJump, 0.5, 1e-3);
    EXPECT_GT(cut.loopJump, 5 * cut.maxJump);
}

TEST(Spectrogram, AFullScaleSinePeaksAtItsPitchAndZeroDecibels)
{
    const double hz = 48 * 44100.0 / 2048;  // the centre of a bin
    Spectrogram s = ComputeSpectrogram(Sine(hz, 1.0, 0.0, 44100), 8);
    ASSERT_EQ(s.bins, 1024);
    for (int column = 0; column < 8; column++) {
        EXPECT_NEAR(s.At(column, hz), 0.0, 0.05) << column;
        EXPECT_LT(s.At(column, hz * 1.5), -60.0) << column;
        EXPECT_LT(s.At(column, hz * 3), -60.0) << column;
    }
}

Figures MeasureEmbedded(const char* name)
{
    HRSRC found = FindResourceA(NULL, name, "WAVE");
    EXPECT_NE(found, nullptr) << name;
    Wave wave;
    std::string error;
    const uint8_t* bytes = found ? (const uint8_t*)LockResource(LoadResource(NULL, found)) : nullptr;
    if (bytes == nullptr || !ParseWave(bytes, SizeofResource(NULL, found), wave, error)) {
        ADD_FAILURE() << name << ": " << error;
        Figures unreadable;
        unreadable.loopJump = unreadable.dcOffset = 1;
        return unreadable;
    }
    return Measure(wave);
}

// A piece that loops must join end to start as smoothly as it moves inside,
// and carry no DC offset that thumps as it starts and stops.
TEST(SynthesisedSounds, LoopingPiecesJoinWithoutASeam)
{
    for (const char* name : {"GAME1", "GAME2", "TITLE", "PROLOG", "STAGE", "SCORE"}) {
        Figures f = MeasureEmbedded(name);
        EXPECT_LE(f.loopJump, f.maxJump) << name;
        EXPECT_LE(f.loopJump, f.jump999) << name;
        EXPECT_LT(std::fabs(f.dcOffset), 0.01) << name;
    }
}

// An effect starts and ends in silence: the clear's fanfare once stopped
// on its held chord with a click.
TEST(SynthesisedSounds, EffectsDieAwayToSilence)
{
    for (const char* name : {"CSWITCH", "PSWITCH", "VALVE", "CURSOR", "CLEAR", "CROAK"}) {
        EXPECT_LE(MeasureEmbedded(name).loopJump, 0.01) << name;
    }
}

}  // namespace
