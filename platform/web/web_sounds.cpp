// The scores are read from the data file and rendered by the same synthesiser
// that makes the waves of the desktop builds (tools/mksounds).
#include "web_sounds.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>

#include "embedded_resources.h"
#include "score.h"
#include "synth.h"
#include "wave_writer.h"

namespace plat {

static const char SCORE_FOLDER[] = "/share/frogpond/sounds/";

static std::string ScorePath(const char* name)
{
    std::string path = SCORE_FOLDER;
    for (const char* c = name; *c != '\0'; c++) {
        path.push_back((char)tolower((unsigned char)*c));
    }
    return path + ".txt";
}

static void MakeSound(const EmbeddedResource& resource)
{
    Score score;
    if (!ReadScore(ScorePath(resource.name), score)) {
        return;
    }
    std::vector<uint8_t> wave = WaveBytes(RenderScore(score), score.channels, score.rate, score.bits);
    if (wave.size() != resource.size) {
        fprintf(stderr, "frogpond: the sound %s came out %zu bytes long, not %lu\n", resource.name, wave.size(),
                resource.size);
        return;
    }
    // The table's space for a made resource is writable; only its pointer is const.
    memcpy(const_cast<unsigned char*>(resource.data), wave.data(), wave.size());
}

void MakeSounds()
{
    for (int i = 0; i < g_embeddedResourceCount; i++) {
        if (strcmp(g_embeddedResources[i].type, "WAVE") == 0) {
            MakeSound(g_embeddedResources[i]);
        }
    }
}

}  // namespace plat
