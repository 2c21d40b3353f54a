// plain-sdl-window WIDTH HEIGHT: the least an SDL program does to show a picture in a window. It
// opens a centred window of that size with SDL's defaults, fills its surface with white, presents
// it, and waits until it is closed. The peer of the program start-up benchmark.
#include <SDL.h>

#include <cstdlib>

namespace {

void Present(SDL_Window* window) {
  SDL_Surface* surface = SDL_GetWindowSurface(window);
  if (surface == nullptr) return;
  SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0xFF, 0xFF, 0xFF));
  SDL_UpdateWindowSurface(window);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  if (SDL_Init(SDL_INIT_VIDEO) != 0) return 1;
  SDL_Window* window =
      SDL_CreateWindow("Plain SDL window", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                       std::atoi(argv[1]), std::atoi(argv[2]), 0);
  if (window == nullptr) return 1;
  Present(window);
  SDL_Event event;
  while (SDL_WaitEvent(&event) != 0 && event.type != SDL_QUIT) {
    if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_EXPOSED) {
      Present(window);
    }
  }
  SDL_Quit();
  return 0;
}
