// Ground model: writes "world.obj", the tile grid the tile shader draws.
#pragma once

#include <string>

// Writes resdir + "/models/world.obj": three rings of ground around the
// player, of decreasing detail, out to the far plane.
void writegroundmodel(const std::string& resdir);
