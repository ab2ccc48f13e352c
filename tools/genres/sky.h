// Skies: the world's sky image and the main menu's animated sky.
#pragma once

#include <string>

// Writes resdir + "/images/sky.png": 8-bit RGB, 100 rows, soft clouds in the day's colours,
// seamless across its left and right edges (and its top and bottom).
void writesky(const std::string& resdir);
// Writes resdir + "/images/sky.gif": a looping evening sky behind the main menu, clouds that
// slowly swell and thin and stars that twinkle, all frames of one size.
void writemenusky(const std::string& resdir);
