// _update: the world scene's update step and the building of the tile grid. See _update.h.
#include "_update.h"

#include "../../../term.h"
#include "../../io.h"
#include "_render.h"
#include "biome.h"
#include "world.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <x86intrin.h>

float sped = 0;
bool thirdperson = false;

static const int DEFAULTSEED = 1337;
FastNoiseLite heatnoise(DEFAULTSEED);
FastNoiseLite humiditynoise(DEFAULTSEED);
FastNoiseLite populationnoise(DEFAULTSEED);

static const int CHUNK = 64;  // side of a chunk in tiles: one climate per chunk
static const char PAINTEDMAP[] = "res/images/coolworld.png";

// Whether a grid has been built; until then the grid's bytes mean nothing.
static bool built = false;

// Climate fields: seeds follow the world number, three per world.
struct climatefield {
    FastNoiseLite* noise;
    int seedoffset;
    int octaves;
    float frequency;
};

void setupterrainnoise(int16_t worldnumber)
{
    const climatefield fields[] = {
        {&humiditynoise, 1, 3, 0.4f},
        {&heatnoise, 2, 1, 0.1f},
        {&populationnoise, 0, 1, 0.1f},
    };
    for (const climatefield& field : fields) *field.noise = FastNoiseLite(worldnumber * 3 + field.seedoffset);
    for (const climatefield& field : fields) {
        field.noise->SetFractalType(FastNoiseLite::FractalType_None);
        field.noise->SetFractalOctaves(field.octaves);
        field.noise->SetFrequency(field.frequency);
        field.noise->SetNoiseType(FastNoiseLite::NoiseType_Value);
        field.noise->SetDomainWarpType(FastNoiseLite::DomainWarpType_BasicGrid);
    }
}

// Noise from -1 to 1 spread evenly over the classes, in double precision so that a value a
// hair below a class boundary stays below it. Noise of exactly 1 would reach one class past
// the last; such a climate takes the last entry of the table.
uint8_t biomeindex(float heat, float humidity)
{
    int heatclass = static_cast<int>((heat + 1.0) * (HEATCLASSES / 2));
    int humidityclass = static_cast<int>((humidity + 1.0) * (HUMIDITYCLASSES / 2));
    return static_cast<uint8_t>(std::clamp(heatclass * HUMIDITYCLASSES + humidityclass, 0, BIOMES - 1));
}

uint8_t populationbyte(float population) { return static_cast<uint8_t>(static_cast<int>(population)); }

// One row of a chunk: a biome call per tile.
static void fillrow(uint8_t* row, int from, int to, int tz, biome fill, uint8_t population)
{
    for (int tx = from; tx < to; tx++) row[tx] = fill(tx, tz, population);
}

// Fills every whole chunk of the grid, in tiles and in the grid image. Each band of chunks
// is written to tiles alone, then copied to the image while it is still in the cache: one
// store per biome call instead of two makes the whole grid a fifth faster.
static void generatechunks(uint8_t* tiles, int size)
{
    uint8_t* image = static_cast<uint8_t*>(tilemaptx.data);
    int chunks = size / CHUNK;
    for (int cz = 0; cz < chunks; cz++) {
        for (int cx = 0; cx < chunks; cx++) {
            float x = static_cast<float>(cx), z = static_cast<float>(cz);
            biome fill = genbiome[biomeindex(heatnoise.GetNoise(x, z), humiditynoise.GetNoise(x, z))];
            uint8_t population = populationbyte(populationnoise.GetNoise(x, z));
            for (int tz = cz * CHUNK; tz < (cz + 1) * CHUNK; tz++)
                fillrow(tiles + static_cast<size_t>(tz) * size, cx * CHUNK, (cx + 1) * CHUNK, tz, fill, population);
        }
        for (int tz = cz * CHUNK; tz < (cz + 1) * CHUNK; tz++) {
            size_t row = static_cast<size_t>(tz) * size;
            memcpy(image + row, tiles + row, static_cast<size_t>(chunks) * CHUNK);
        }
    }
}

// PNG keeps a picture's bit depth in its header; the decoder would quietly cut 16-bit
// samples down to their high bytes, which are not the tile ids the painter meant.
static bool sixteenbitpng(const unsigned char* file, int length)
{
    static const unsigned char SIGNATURE[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    static const int BITDEPTH = 24;  // signature, chunk length and type, width, height
    return length > BITDEPTH && memcmp(file, SIGNATURE, sizeof SIGNATURE) == 0 && file[BITDEPTH] == 16;
}

// The painted map's layouts: one byte per tile (grayscale, or RGBA a quarter as wide), or
// one 8-bit colour pixel per tile.
static bool usablemap(const Image& image, int size)
{
    if (image.height != size) return false;
    if (image.width == size / 4 && image.format == PIXELFORMAT_UNCOMPRESSED_R8G8B8A8) return true;
    return image.width == size &&
           (image.format == PIXELFORMAT_UNCOMPRESSED_GRAYSCALE || image.format == PIXELFORMAT_UNCOMPRESSED_GRAY_ALPHA ||
            image.format == PIXELFORMAT_UNCOMPRESSED_R8G8B8 || image.format == PIXELFORMAT_UNCOMPRESSED_R8G8B8A8);
}

// The painted map from disk, or an empty image after one error line saying what is wrong
// with the file and what the world does instead.
static Image loadpaintedmap(int size)
{
    const char* instead = built ? "the world keeps the map it had" : "the world is generated instead";
    Image image = {};
    int length = 0;
    unsigned char* file = LoadFileData(PAINTEDMAP, &length);
    std::string problem;
    if (!file) problem = FileExists(PAINTEDMAP) ? "cannot be read" : "is missing";
    else if (sixteenbitpng(file, length)) problem = "has 16-bit samples where tile ids need 8 bits";
    else {
        image = LoadImageFromMemory(GetFileExtension(PAINTEDMAP), file, length);
        if (!image.data) problem = "is not a picture that can be decoded";
        else if (!usablemap(image, size)) {
            problem = TextFormat("is %d x %d in pixel format %d, where a map is %d x %d with 8-bit pixels or %d x %d RGBA",
                                 image.width, image.height, image.format, size, size, size / 4, size);
            UnloadImage(image);
            image = {};
        }
    }
    UnloadFileData(file);
    if (!problem.empty()) error("painted map %s %s: %s", PAINTEDMAP, problem.c_str(), instead);
    return image;
}

// Turns the grid image into one byte per tile, whichever layout it came in.
static void onebytepertile(Image& image, int size)
{
    if (image.format == PIXELFORMAT_UNCOMPRESSED_GRAYSCALE) return;
    int pixelbytes = GetPixelDataSize(1, 1, image.format);
    if (image.width * pixelbytes == size) {
        image.width = size;  // the bytes already are the tiles, four to a pixel
    } else {
        // One pixel per tile: its first channel is the tile id.
        uint8_t* pixels = static_cast<uint8_t*>(image.data);
        uint8_t* bytes = static_cast<uint8_t*>(MemAlloc(static_cast<unsigned>(size * size)));
        for (int i = 0; i < size * size; i++) bytes[i] = pixels[i * pixelbytes];
        MemFree(image.data);
        image.data = bytes;
    }
    image.format = PIXELFORMAT_UNCOMPRESSED_GRAYSCALE;
}

static const char* grouped(long long number, char* buffer)
{
    format_number(number, buffer);
    return buffer;
}

void map::updatechunks()
{
    Image painted = {};
    bool generate = !drawnworld;
    if (drawnworld) {
        painted = loadpaintedmap(size);
        generate = !painted.data && !built;
    }

    // Time-stamp counter readings; the spans between them time the generation.
    uint64_t a = __rdtsc();
    uint64_t b = __rdtsc();
    if (generate && size >= CHUNK) generatechunks(tiles, size);
    uint64_t c = __rdtsc();
    uint64_t d = __rdtsc();
    uint64_t e = __rdtsc();
    uint64_t f = __rdtsc();

    if (painted.data) {
        UnloadImage(tilemaptx);
        tilemaptx = painted;
    }
    char width[32], format[32];
    echo("size: %s, format: %s", grouped(tilemaptx.width, width), grouped(tilemaptx.format, format));
    onebytepertile(tilemaptx, size);
    if (painted.data) memcpy(tiles, tilemaptx.data, static_cast<size_t>(size) * size);
    UnloadTexture(tilemapp);
    tilemapp = LoadTextureFromImage(tilemaptx);
    built = true;

    char total[32], generation[32], set[32];
    success("cycles: %s", grouped(static_cast<long long>(f - a), total));
    success("terrain gen cycles: %s\nset cycles: %s", grouped(static_cast<long long>(c - b), generation),
            grouped(static_cast<long long>(e - d), set));
}

void map::update()
{
    if (mustupdate) {
        updatechunks();
        mustupdate = false;
    }
}
