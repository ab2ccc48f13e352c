// Fuzzing the painted map's check and conversion: the first byte picks a small world side
// (so that valid pictures are within reach), the rest is the file. An accepted map must come
// out as one byte per tile for every tile.
#include "game/scenes/world/_update.h"

#include <cstdint>
#include <cstdlib>
#include <raylib.h>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1) return 0;
    SetTraceLogLevel(LOG_NONE);
    int side = 4 * (1 + data[0] % 16);
    std::string problem;
    Image image = decodepaintedmap(data + 1, static_cast<int>(size - 1), side, problem);
    if (!image.data) return 0;
    onebytepertile(image, side);
    if (image.width != side || image.height != side || image.format != PIXELFORMAT_UNCOMPRESSED_GRAYSCALE) abort();
    const uint8_t* tiles = static_cast<const uint8_t*>(image.data);
    std::vector<uint8_t> grid(tiles, tiles + side * side);  // the sanitizer checks every byte is there
    UnloadImage(image);
    return 0;
}
