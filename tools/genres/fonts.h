// Fonts: the console font for menus and debug text, and the TrueType font.
#pragma once

#include <string>

// Writes resdir + "/fonts/dos.fnt" (a text BMFont descriptor) and its page "dos.png": the 8 x 16
// glyphs of printable ASCII and Latin-1 taken from a GNU Unifont ".hex" file.
void writeconsolefont(const std::string& resdir, const std::string& unifonthex);
// Copies a TrueType font to resdir + "/fonts/kipsynth.ttf".
void writetruetypefont(const std::string& resdir, const std::string& truetype);
