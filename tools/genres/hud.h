// The status bar and the cursor.
#pragma once

#include <string>

// Writes resdir + "/images/menubar.png": the 360 x 50 status bar, a frame with seven gauge
// slots (health, stamina, mana, energy, fatigue, radioactivity, xp), each an icon, a short
// label and an empty glass tube that the toolbar shader fills. The tube layout is repeated
// in res/shaders/toolbar.fs.
void writemenubar(const std::string& resdir);
// Writes resdir + "/images/playercursor.png": a small pointer.
void writecursor(const std::string& resdir);
