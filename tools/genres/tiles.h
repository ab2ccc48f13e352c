// The tile catalogue: the picture of every tile id, 0 to 255, at full detail, and the colour
// each id has on the map of the world the game saves when it ends.
//
// Ids 0-245 are ground, 246-250 bridges, 251-255 liquids (254 lava, 255 water). The game
// repaints grass (1), water (255), lava (254) and the verges of the road tiles, which are
// drawn here in pure green so it can find them.
#pragma once

#include "tilepaint.h"

constexpr int TILECOUNT = 256;
constexpr Color VERGE = {0, 255, 0, 255};  // road verges, repainted as grass by the game

tile painttile(int id);
bool isroad(int id);
// The colour a tile has on the saved map: an atlas colour for the landscape's main kinds, the
// picture's own mean colour, a little clearer, for the rest. Not yet made distinct.
Color atlascolour(int id);
