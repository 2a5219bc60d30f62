// The browser's side of every frame.
#ifndef PLATFORM_WEB_FRAME_H
#define PLATFORM_WEB_FRAME_H

namespace plat {

// After each frame is shown: counts it for the page, and hands a score.dat
// saved since the last frame to the browser's storage.
void WebFrameShown();

}  // namespace plat

#endif
