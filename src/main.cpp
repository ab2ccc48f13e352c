// main: the entry point. Starts the game, runs one frame at a time until the window is
// asked to close or the player quits, then shuts everything down.
#include "game/game.h"

#include <raylib.h>

int main(int, char**)
{
    init();
    while (!WindowShouldClose() && !quit) render();
    close();
    return 0;
}
