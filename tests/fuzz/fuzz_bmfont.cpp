// Fuzzing the check of a bitmap font descriptor with arbitrary file contents. The check
// reads the descriptor from a file and the sizes of its page pictures, so each input is
// written to font.fnt beside a small page picture, page.png, in the working directory.
#include "game/loadcheck.h"

#include <cstdint>
#include <cstdio>
#include <raylib.h>

static const int PAGESIDE = 16;

static bool writepage()
{
    Image page = GenImageColor(PAGESIDE, PAGESIDE, WHITE);
    bool written = ExportImage(page, "page.png");
    UnloadImage(page);
    return written;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    SetTraceLogLevel(LOG_NONE);
    static const bool paged = writepage();
    if (!paged) return 0;
    FILE* file = fopen("font.fnt", "wb");
    if (!file) return 0;
    fwrite(data, 1, size, file);
    fclose(file);
    bmfontproblem("font.fnt");
    return 0;
}
