// The game's sounds made in the browser from their scores, which travel in
// the page's data file instead of the much larger waves.
#ifndef PLATFORM_WEB_SOUNDS_H
#define PLATFORM_WEB_SOUNDS_H

namespace plat {

// Synthesises every WAVE resource into the space the resource table keeps
// for it; a score that cannot be read or differs in length leaves that sound
// silent and says so on stderr.
void MakeSounds();

}  // namespace plat

#endif
