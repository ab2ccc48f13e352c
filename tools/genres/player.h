// The default player's sprite.
#pragma once

#include <string>

// Writes resdir + "/defaultplayer/player.png". The game draws only texels (0, 0) and (0, 1)
// of it in the world, as the top and bottom halves of the player's billboard, so those two
// are the wanderer's cloak and leggings; beside them stands the full 16 x 32 sprite.
void writeplayer(const std::string& resdir);
