// loadcheck: resource files whose insides raylib's loaders trust, checked before loading.
//
// raylib reads the lines of a bitmap font descriptor past the end of the file and cuts
// glyphs out of the page picture wherever the descriptor says; it reads a TrueType font's
// tables wherever the table directory points; it copies whatever vertex an OBJ face names,
// and leaves the working directory changed when the model's text cannot be parsed. A
// broken file of these kinds crashes the game, reads memory it does not own, or sends the
// settings to another directory. Each check below says what is wrong with such a file, in
// words, or returns an empty string when raylib's loader can be given it. A missing or
// empty file passes: raylib refuses it safely and reports it in its own log line.
#pragma once

#include <raylib.h>
#include <string>

// A bitmap font descriptor (text .fnt) at path; its page pictures are decoded to learn
// their sizes.
std::string bmfontproblem(const std::string& path);

// The bytes of a TrueType font file.
std::string truetypeproblem(const std::string& bytes);

// The bytes of an OBJ model file.
std::string objproblem(const std::string& bytes);

// LoadFont of a font that passes its check (".fnt" descriptors and TrueType files are
// checked); otherwise one error line and raylib's default font.
Font loadcheckedfont(const char* path);

// LoadModel of an OBJ model that passes its check; otherwise one error line and a model
// without meshes.
Model loadcheckedmodel(const char* path);
