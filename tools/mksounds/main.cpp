// mksounds ASSET_DIR OUT_DIR NAME...: synthesises each named sound from
// ASSET_DIR/NAME.txt into OUT_DIR/NAME.wav.
#include <cctype>
#include <cstdio>
#include <string>

#include "score.h"
#include "synth.h"
#include "wave_writer.h"

static std::string Lower(std::string text)
{
    for (char& c : text) {
        c = (char)tolower((unsigned char)c);
    }
    return text;
}

int main(int argc, char** argv)
{
    if (argc < 4) {
        fprintf(stderr, "usage: %s ASSET_DIR OUT_DIR NAME...\n", argv[0]);
        return 2;
    }
    for (int i = 3; i < argc; i++) {
        Score score;
        if (!ReadScore(std::string(argv[1]) + "/" + Lower(argv[i]) + ".txt", score)) {
            return 1;
        }
        std::string out = std::string(argv[2]) + "/" + argv[i] + ".wav";
        if (!WriteWave(out, RenderScore(score), score.channels, score.rate, score.bits)) {
            fprintf(stderr, "%s: cannot write %s\n", argv[0], out.c_str());
            return 1;
        }
    }
    return 0;
}
