// _render: the world scene's draw step. See _render.h.
#include "_render.h"

#include "world.h"

int flip = 0;
float playerrotx = 0;
float playerroty = 150;
int texturesupdt = 120;
float y = -0.1f;
bool drawnworld = true;
float yaccel = 0;
int16_t ptx = 0, ptz = 0;
uint8_t currenttile = 0;
int16_t page = -1;
bool f1 = true;
bool f3 = false;

void map::render() {}
