// Painted world map: writes the designed 1024 x 1024 tile map "coolworld.png".
#pragma once

#include <string>

// Writes resdir + "/images/coolworld.png": one byte per tile, tile ids of the
// tile catalogue, image row 0 at the north (+z) edge of the world.
void writeworldmap(const std::string& resdir);
