// _render: the world scene's draw step and the world-state globals it shows.
#pragma once

#include <cstdint>

extern int16_t page;       // the world's open menu page, -1 when closed
extern bool drawnworld;    // the world is the painted map rather than generated
