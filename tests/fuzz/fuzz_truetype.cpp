// Fuzzing the check of a TrueType font with arbitrary file contents. A font the check lets
// through is then rasterised the way the game loads it: that must not crash either.
#include "game/loadcheck.h"

#include <cstdint>
#include <raylib.h>
#include <string>

static const int FONTSIZE = 32;      // the debug font's size in pixels
static const int PRINTABLES = 95;    // from the space on

// raylib replaces the bitmap of a space that has an outline by an empty picture without
// freeing it: a few hundred bytes once per such font, raylib's and not the check's.
extern "C" const char* __lsan_default_suppressions() { return "leak:LoadFontData\n"; }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    SetTraceLogLevel(LOG_NONE);
    std::string bytes(reinterpret_cast<const char*>(data), size);
    if (!truetypeproblem(bytes).empty()) return 0;
    int count = 0;
    GlyphInfo* glyphs = LoadFontData(data, static_cast<int>(size), FONTSIZE, nullptr, PRINTABLES, FONT_DEFAULT, &count);
    UnloadFontData(glyphs, count);
    return 0;
}
