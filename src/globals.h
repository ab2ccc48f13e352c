// globals: the game's scene and configuration objects and its name.
//
// They are constructed before main runs, in this order: the world (which reads the player
// definition), the main menu, the configuration (defaults, then a first load of save.cfg),
// the name and the version.
#pragma once

#include "config.h"
#include "game/scenes/mainmenu.h"
#include "game/scenes/world/world.h"

extern map world;
extern mainmenu menum;
extern config cfg;
extern const char NAME[];
extern const char VERSION[];
