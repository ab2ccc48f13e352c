// _render: the world scene's draw step. See _render.h.
#include "_render.h"

#include "world.h"

int16_t page = -1;
bool drawnworld = true;

void map::render() {}
