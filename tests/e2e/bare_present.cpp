// The least a game window can do: a 640 x 480 streaming texture updated and
// presented every 1/60 s, paced as the game paces. The yardstick for the
// game's idle CPU (scripts/idle_cpu.sh).
#include <SDL.h>

#include <vector>

int main(int, char**)
{
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        return 1;
    }
    SDL_Window* window = SDL_CreateWindow("bare present", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 640, 480, 0);
    SDL_DisplayMode mode;
    bool vsync = SDL_GetCurrentDisplayMode(0, &mode) == 0 && mode.refresh_rate >= 60;
    SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, vsync ? SDL_RENDERER_PRESENTVSYNC : 0);
    SDL_Texture* texture =
        SDL_CreateTexture(renderer, SDL_PIXELFORMAT_XRGB8888, SDL_TEXTUREACCESS_STREAMING, 640, 480);
    std::vector<Uint32> pixels(640 * 480, 0x204060);
    Uint64 next = SDL_GetTicks64();
    for (bool running = true; running;) {
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
            running = event.type != SDL_QUIT;
        }
        while (SDL_GetTicks64() < next) {
            SDL_Delay(1);
        }
        next += 16;
        SDL_UpdateTexture(texture, NULL, pixels.data(), 640 * 4);
        SDL_RenderCopy(renderer, texture, NULL, NULL);
        SDL_RenderPresent(renderer);
    }
    SDL_Quit();
    return 0;
}
