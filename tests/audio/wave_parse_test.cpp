// The RIFF walk of wave resources: format sizes, skipped and padded chunks,
// data-only walks, chunks that run past the resource, and the real resources.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "audio/wave.h"
#include "seam.h"
#include "support/game_env.h"

namespace {

struct Chunk {
    std::string id;
    std::string content;
};

void Put32(std::string& out, uint32_t v)
{
    for (int i = 0; i < 4; i++) {
        out += (char)(v >> (8 * i));
    }
}

std::string Format(int length)
{
    std::string fmt;
    const unsigned char pcm[18] = {1, 0, 2, 0, 0x44, 0xAC, 0, 0, 0x10, 0xB1, 2, 0, 4, 0, 16, 0, 0, 0};
    fmt.assign((const char*)pcm, std::min(length, 18));
    fmt.resize(length, '\0');
    return fmt;
}

// A RIFF WAVE file of the chunks; `lengthDelta` makes L lie.
std::string Riff(const std::vector<Chunk>& chunks, int lengthDelta = 0)
{
    std::string body = "WAVE";
    for (const Chunk& chunk : chunks) {
        body += chunk.id;
        Put32(body, (uint32_t)chunk.content.size());
        body += chunk.content;
        if (chunk.content.size() % 2) {
            body += '\0';
        }
    }
    std::string file = "RIFF";
    Put32(file, (uint32_t)(body.size() + lengthDelta));
    return file + body;
}

struct Parsed {
    BOOL ok;
    size_t formatAt;
    size_t dataAt;
    DWORD size;
};

Parsed Parse(std::string& file, bool wantFormat = true)
{
    WAVEFORMATEX* format = (WAVEFORMATEX*)1;
    BYTE* data = (BYTE*)1;
    DWORD size = 99;
    BYTE* base = (BYTE*)file.data();
    BOOL ok = ParseWaveResource(base, (DWORD)file.size(), wantFormat ? &format : NULL, &data, &size);
    Parsed parsed = {ok, 0, data == NULL ? 0 : (size_t)(data - base), size};
    if (wantFormat) {
        parsed.formatAt = format == NULL ? 0 : (size_t)((BYTE*)format - base);
    }
    return parsed;
}

class WaveParse : public testing::Test {
protected:
    void SetUp() override { ResetGame(); }
};

TEST_F(WaveParse, FormatChunksOf16And18AreTakenAnd12Fails)
{
    for (int length : {16, 18}) {
        std::string file = Riff({{"fmt ", Format(length)}, {"data", "abcd"}});
        Parsed p = Parse(file);
        EXPECT_TRUE(p.ok) << length;
        EXPECT_EQ(p.formatAt, 20u);
        EXPECT_EQ(p.dataAt, 20u + length + 8);
        EXPECT_EQ(p.size, 4u);
    }
    std::string shortFormat = Riff({{"fmt ", Format(12)}, {"data", "abcd"}});
    Parsed p = Parse(shortFormat);
    EXPECT_FALSE(p.ok);
    EXPECT_EQ(p.formatAt, 0u);
    EXPECT_EQ(p.dataAt, 0u);
    EXPECT_EQ(p.size, 0u);
    EXPECT_TRUE(HasDebugLine("Could not parse wave resource!\n"));
}

TEST_F(WaveParse, OtherChunksAndOddLengthsAreSkippedWithTheirPadByte)
{
    std::string plain = Riff({{"fmt ", Format(16)}, {"data", "abcdef"}});
    Parsed base = Parse(plain);
    ASSERT_TRUE(base.ok);

    std::string withFact = Riff({{"fmt ", Format(16)}, {"fact", "wxyz"}, {"data", "abcdef"}, {"LIST", "INFOx"}});
    Parsed p = Parse(withFact);
    EXPECT_TRUE(p.ok);
    EXPECT_EQ(p.formatAt, base.formatAt);
    EXPECT_EQ(p.dataAt, base.dataAt + 12);
    EXPECT_EQ(p.size, 6u);
    EXPECT_EQ(withFact.substr(p.dataAt, 6), "abcdef");

    std::string odd = Riff({{"LIST", "odd"}, {"fmt ", Format(16)}, {"data", "abcdef"}});
    p = Parse(odd);
    EXPECT_TRUE(p.ok);
    EXPECT_EQ(p.formatAt, 12u + 8 + 4 + 8);
    EXPECT_EQ(odd.substr(p.dataAt, 6), "abcdef");

    std::string dataFirst = Riff({{"data", "abc"}, {"fmt ", Format(18)}});
    p = Parse(dataFirst);
    EXPECT_TRUE(p.ok);
    EXPECT_EQ(p.dataAt, 20u);
    EXPECT_EQ(p.size, 3u);
    EXPECT_EQ(p.formatAt, 20u + 4 + 8);
}

TEST_F(WaveParse, DataOnlyWalkStopsAtTheFirstDataChunk)
{
    // No format chunk at all, and a broken chunk after the data.
    std::string file = Riff({{"data", "abcd"}, {"fmt ", Format(4)}});
    Parsed p = Parse(file, false);
    EXPECT_TRUE(p.ok);
    EXPECT_EQ(p.dataAt, 20u);
    EXPECT_EQ(p.size, 4u);

    std::string noData = Riff({{"fmt ", Format(16)}});
    EXPECT_FALSE(Parse(noData, false).ok);
}

TEST_F(WaveParse, ChunksThatRunPastTheResourceFail)
{
    std::string file = Riff({{"fmt ", Format(16)}, {"data", "abcdefgh"}});
    std::string overrun = file;
    overrun[40] = 9;  // the data chunk's length, one byte past the end
    EXPECT_FALSE(Parse(overrun).ok);

    std::string longL = Riff({{"fmt ", Format(16)}, {"data", "abcd"}}, 2);
    EXPECT_FALSE(Parse(longL).ok);

    std::string hugeChunk = Riff({{"LIST", "ab"}, {"fmt ", Format(16)}, {"data", "abcd"}});
    hugeChunk[16] = hugeChunk[17] = hugeChunk[18] = hugeChunk[19] = (char)0xFF;
    EXPECT_FALSE(Parse(hugeChunk).ok);

    // L claims a chunk whose header is cut off by the end of the resource.
    std::string cut = Riff({{"fmt ", Format(16)}}, 0) + "da";
    cut[4] += 2;
    EXPECT_FALSE(Parse(cut).ok);

    std::string notWave = file;
    notWave[8] = 'X';
    EXPECT_FALSE(Parse(notWave).ok);
    std::string tiny = "RIFF";
    EXPECT_FALSE(Parse(tiny).ok);
    EXPECT_TRUE(HasDebugLine("Could not parse wave resource!\n"));
}

TEST_F(WaveParse, MissingResourceWritesItsNameInThreeParts)
{
    BYTE* data;
    DWORD size;
    EXPECT_FALSE(GetWaveResource(NULL, "NOSUCH", NULL, &data, &size));
    std::vector<std::string> expected = {"Sound Resource not find! - ", "NOSUCH", " -\n", "Could not get wave resource!\n"};
    EXPECT_EQ(seam::DebugLines(), expected);
}

struct WaveRow {
    const char* name;
    int channels;
    DWORD rate;
    int bits;
    DWORD bytes;
};

const WaveRow WAVES[] = {
    {"CSWITCH", 2, 44100, 16, 87856}, {"PSWITCH", 2, 44100, 16, 18300}, {"VALVE", 2, 44100, 16, 81008},
    {"CURSOR", 1, 8000, 16, 240},     {"CLEAR", 2, 22050, 8, 218112},   {"CROAK", 2, 44100, 16, 41008},
    {"GAME1", 2, 22050, 8, 705712},   {"GAME2", 2, 22050, 8, 847010},   {"TITLE", 2, 22050, 8, 1235264},
    {"STAGE", 2, 44100, 16, 3682404}, {"SCORE", 2, 44100, 16, 3764040}, {"PROLOG", 2, 22050, 8, 1646156},
};

TEST_F(WaveParse, EveryResourceHasItsFormatAndLength)
{
    for (const WaveRow& row : WAVES) {
        WAVEFORMATEX* format;
        BYTE* data;
        DWORD size;
        ASSERT_TRUE(GetWaveResource(NULL, row.name, &format, &data, &size)) << row.name;
        EXPECT_EQ(format->wFormatTag, WAVE_FORMAT_PCM) << row.name;
        EXPECT_EQ(format->nChannels, row.channels) << row.name;
        EXPECT_EQ(format->nSamplesPerSec, row.rate) << row.name;
        EXPECT_EQ(format->wBitsPerSample, row.bits) << row.name;
        EXPECT_EQ(format->nBlockAlign, row.channels * row.bits / 8) << row.name;
        EXPECT_EQ(size, row.bytes) << row.name;
    }
}

}  // namespace
