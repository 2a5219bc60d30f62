// The page reads the frame count to time its screenshots and to measure the
// frame rate; the storage copy is written only when the save has replaced
// score.dat in the player's folder (the working folder).
#include "web_frame.h"

#include <emscripten.h>

#include "storage_watch.h"

namespace plat {

static const char SCORE_FILE[] = "score.dat";

void WebFrameShown()
{
    static unsigned frames;
    static FileStamp scoreSeen = StampOf(SCORE_FILE);
    frames++;
    EM_ASM({
        Module.frogpondFrames = $0;
        if ($0 == 1) Module.frogpondFirstFrameMs = performance.now();
    }, frames);
    if (FileChangedSince(SCORE_FILE, scoreSeen)) {
        EM_ASM({
            FS.syncfs(false, function(error) {
                if (Module.frogpondStored) Module.frogpondStored(error);
            });
        });
    }
}

}  // namespace plat
