// The browser's side of every frame and of full screen.
#ifndef PLATFORM_WEB_FRAME_H
#define PLATFORM_WEB_FRAME_H

namespace plat {

// After each frame is shown: counts it for the page, and hands a score.dat
// saved since the last frame to the browser's storage.
void WebFrameShown();

// Full screen is the page's: it frames the picture on black at a whole scale.
void WebToggleFullscreen();

}  // namespace plat

#endif
