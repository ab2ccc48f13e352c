// Tile sheets: the catalogue drawn as the five sheets the game swaps by altitude.
#pragma once

#include <string>

// Writes resdir + "/images/tilesheet.png" (full detail) and "tilesheetl1.png" to
// "tilesheetl4.png" (the same tiles seen from ever higher: coarser and hazier). The top row
// of pixels of the last one is the palette of the saved world map: pixel t is tile t's colour.
void writetilesheets(const std::string& resdir);
