// _texturegen: the animated tiles and the sky. See _texturegen.h.
#include "_texturegen.h"

#include "../../../term.h"
#include "../../io.h"
#include "_render.h"
#include "world.h"

#include <cmath>
#include <raymath.h>
#include <set>
#include <string>
#include <vector>
#include <x86intrin.h>

const char* sheetfile = "res/images/tilesheet.png";
FastNoiseLite texturenoise(1337);
float dragx = 0, dragz = 0;

gradient grass = {{0.0f, {20, 110, 18, 255}}, {0.1f, {55, 156, 60, 255}}, {0.98f, {111, 255, 122, 255}}};
gradient water = {{0.1f, {100, 150, 200, 255}}, {0.38f, {162, 205, 255, 255}},
                  {0.58f, {255, 255, 255, 255}}, {0.98f, {162, 205, 255, 255}}};
gradient lava = {{0.1f, {130, 26, 0, 255}}, {0.38f, {223, 66, 0, 255}},
                 {0.58f, {255, 180, 180, 255}}, {0.98f, {223, 66, 0, 255}}};

int tileX = 1, tileY = 0;
int roadsx[6] = {12, 13, 14, 15, 12, 13};
int roadsz[6] = {1, 1, 1, 1, 2, 2};
float previdx;
bool genpixel;
char buf[32];

static gradient phase(Color cloud, Color sky) { return {{0.0f, cloud}, {0.4f, sky}}; }

gradient daynight[6] = {
    phase({121, 121, 121, 255}, {30, 0, 21, 255}),   // night
    phase({192, 192, 192, 255}, {0, 110, 90, 255}),  // dawn
    phase({245, 245, 245, 255}, {64, 142, 139, 255}),
    phase({140, 140, 140, 255}, {92, 46, 0, 255}),
    phase({121, 121, 121, 255}, {24, 0, 0, 255}),
    phase({24, 24, 24, 255}, {0, 0, 0, 255}),
};

short rows[8][2] = {{0, 11}, {10, 21}, {20, 31}, {30, 41}, {40, 51}, {50, 61}, {60, 71}, {70, 81}};
char row = 0;
bool first = true;

static const int SHEET_TILES = 16;  // tiles per row and rows of tiles in a sheet
static const int SKY_ROWS = 81;     // the bands reach row 80
static const Color BLACK_EDGE = {0, 0, 0, 255};

//----------------------------------------------------------------------------------------
// Colour rules
//----------------------------------------------------------------------------------------

Color grasscolor(float v)
{
    if (v >= 0.98f) return grass.at(0.98f);
    if (v >= 0.1f) return ColorLerp(grass.at(0.1f), grass.at(0.98f), (v - 0.1f) / 0.88f);
    if (v >= 0) return ColorLerp(grass.at(0.0f), grass.at(0.1f), v * 10);
    return grass.at(0.0f);
}

Color stopcolor(float n, const gradient& stops)
{
    if (n >= 0.98f) return stops.at(0.98f);
    if (n >= 0.58f) return ColorLerp(stops.at(0.58f), stops.at(0.98f), (n - 0.58f) / 0.4f);
    if (n >= 0.38f) return ColorLerp(stops.at(0.38f), stops.at(0.58f), (n - 0.38f) / 0.2f);
    if (n >= 0.1f) return ColorLerp(stops.at(0.1f), stops.at(0.38f), (n - 0.1f) / 0.28f);
    return stops.at(0.1f);
}

//----------------------------------------------------------------------------------------
// Images the passes can paint
//----------------------------------------------------------------------------------------

// Reports a problem with a picture once per run, not at every tick.
static void reportonce(bool& reported, const char* file, const char* problem)
{
    if (reported) return;
    reported = true;
    error("%s: %s; its animation is skipped", file, problem);
}

// A picture in another pixel format is converted to the one its pass writes, with one
// line the first time each file needs it.
static void convert(Image& image, int format, const char* file, const char* formatname)
{
    static std::set<std::string> converted;
    ImageFormat(&image, format);
    if (image.format == format && converted.insert(file).second)
        warning("%s is not %s: converted for its animation", file, formatname);
}

// The passes write 4 bytes per pixel into 16 rows of square tiles.
static bool paintablesheet()
{
    static bool unreadable = false, short_ = false;
    if (!sheet.data || sheet.width <= 0 || sheet.height <= 0) {
        reportonce(unreadable, sheetfile, "the tile sheet could not be read");
        return false;
    }
    if (sheet.format != PIXELFORMAT_UNCOMPRESSED_R8G8B8A8) convert(sheet, PIXELFORMAT_UNCOMPRESSED_R8G8B8A8, sheetfile, "8-bit RGBA");
    if (sheet.format != PIXELFORMAT_UNCOMPRESSED_R8G8B8A8) {
        reportonce(unreadable, sheetfile, "the tile sheet cannot be converted to 8-bit RGBA");
        return false;
    }
    if (sheet.height < (sheet.width >> 4) * SHEET_TILES) {
        reportonce(short_, sheetfile, "the tile sheet has fewer than 16 rows of tiles");
        return false;
    }
    return true;
}

// The sky writes 3 bytes per pixel into at least 81 rows.
static bool paintablesky()
{
    static const char* SKY_FILE = "res/images/sky.png";
    static bool unreadable = false, short_ = false;
    if (!skybox.data || skybox.width <= 0 || skybox.height <= 0) {
        reportonce(unreadable, SKY_FILE, "the sky could not be read");
        return false;
    }
    if (skybox.format != PIXELFORMAT_UNCOMPRESSED_R8G8B8) convert(skybox, PIXELFORMAT_UNCOMPRESSED_R8G8B8, SKY_FILE, "8-bit RGB");
    if (skybox.format != PIXELFORMAT_UNCOMPRESSED_R8G8B8) {
        reportonce(unreadable, SKY_FILE, "the sky cannot be converted to 8-bit RGB");
        return false;
    }
    if (skybox.height < SKY_ROWS) {
        reportonce(short_, SKY_FILE, "the sky has fewer than 81 rows");
        return false;
    }
    return true;
}

//----------------------------------------------------------------------------------------
// Tile passes
//----------------------------------------------------------------------------------------

static unsigned char* sheetpixel(int tilex, int tilez, int size, int x, int z)
{
    size_t column = static_cast<size_t>(tilex) * size + x, line = static_cast<size_t>(tilez) * size + z;
    return static_cast<unsigned char*>(sheet.data) + (line * sheet.width + column) * 4;
}

static void writecolor(unsigned char* pixel, Color c)
{
    pixel[0] = c.r;
    pixel[1] = c.g;
    pixel[2] = c.b;
}

// A road pixel takes the grass colour where the picture has pure green, or where an
// earlier tick painted it (alpha 254), since its green is gone by then.
static bool isverge(const unsigned char* pixel)
{
    return (pixel[0] == 0 && pixel[1] == 255 && pixel[2] == 0) || pixel[3] == 254;
}

void grassnoise(FastNoiseLite& noise)
{
    noise.SetFractalType(FastNoiseLite::FractalType_None);
    noise.SetFractalOctaves(0);
    noise.SetFrequency(1.0f);
    noise.SetNoiseType(FastNoiseLite::NoiseType_Value);
    noise.SetDomainWarpType(FastNoiseLite::DomainWarpType_BasicGrid);
}

void waternoise(FastNoiseLite& noise)
{
    noise.SetFractalType(FastNoiseLite::FractalType_PingPong);
    noise.SetFractalOctaves(2);
    noise.SetFrequency(0.22f);
    noise.SetNoiseType(FastNoiseLite::NoiseType_OpenSimplex2S);
    noise.SetFractalLacunarity(2.0f);
    noise.SetFractalGain(0.5f);
    noise.SetFractalPingPongStrength(1.339f);
    noise.SetDomainWarpType(FastNoiseLite::DomainWarpType_BasicGrid);
}

void lavanoise(FastNoiseLite& noise)
{
    noise.SetFrequency(0.1f);
    noise.SetNoiseType(FastNoiseLite::NoiseType_Perlin);
    noise.SetFractalType(FastNoiseLite::FractalType_PingPong);
}

void skynoise(FastNoiseLite& noise)
{
    noise.SetFrequency(0.5f);
    noise.SetFractalOctaves(4);
}

static void grasspass(int size)
{
    grassnoise(texturenoise);

    // Sampling every other pixel and averaging streaks the grass along the columns.
    previdx = texturenoise.GetNoise(0.0f, y, 0.0f);
    genpixel = true;
    for (int x = 0; x < size; x++) {
        for (int z = 0; z < size; z++) {
            if (genpixel) previdx = Lerp(previdx, texturenoise.GetNoise(static_cast<float>(x), y, z + dragz), 0.5f);
            Color c = grasscolor(previdx);
            writecolor(sheetpixel(tileX, tileY, size, x, z), c);
            for (int road = 0; road < 6; road++) {
                unsigned char* pixel = sheetpixel(roadsx[road], roadsz[road], size, x, z);
                if (!isverge(pixel)) continue;
                writecolor(pixel, c);
                pixel[3] = 254;
            }
            genpixel = !genpixel;
        }
    }
}

static void liquidpass(int size, const gradient& stops, int tilex, int tilez)
{
    for (int x = 0; x < size; x++) {
        for (int z = 0; z < size; z++) {
            float n = texturenoise.GetNoise(x + dragx, y * 4, z + dragz);
            unsigned char* pixel = sheetpixel(tilex, tilez, size, x, z);
            writecolor(pixel, stopcolor(n, stops));
            pixel[3] = 255;
        }
    }
}

static void waterpass(int size)
{
    waternoise(texturenoise);
    liquidpass(size, water, 15, 15);
}

static void lavapass(int size)
{
    lavanoise(texturenoise);
    liquidpass(size, lava, 14, 15);
}

//----------------------------------------------------------------------------------------
// Sky
//----------------------------------------------------------------------------------------

// The first refresh paints the whole sky three times, so that the averaged pixels settle;
// later ones repaint one band each.
static void refreshsky()
{
    skynoise(texturenoise);
    if (!paintablesky()) {
        gensky(0, 0, 0, 0);
    } else if (first) {
        for (int pass = 0; pass < 3; pass++) gensky(0, 0, skybox.width, skybox.height);
    } else {
        gensky(0, rows[static_cast<int>(row)][0], skybox.width, rows[static_cast<int>(row)][1]);
    }
    row = static_cast<char>((row + 1) % 8);
    first = false;
}

static unsigned char* skypixel(int x, int z)
{
    return static_cast<unsigned char*>(skybox.data) + (static_cast<size_t>(z) * skybox.width + x) * 3;
}

static Color readsky(int x, int z)
{
    const unsigned char* pixel = skypixel(x, z);
    return {pixel[0], pixel[1], pixel[2], 255};
}

// Where each column of the sky picture lies on the circle around the view, so that the
// noise is sampled once around and the picture wraps: worked out again only when the
// picture's width changes, not for every pixel of every tick.
struct skycolumn {
    float cosine, sine;
};

static const std::vector<skycolumn>& skycircle()
{
    static std::vector<skycolumn> columns;
    if (columns.size() != static_cast<size_t>(skybox.width)) {
        columns.resize(skybox.width);
        for (int x = 0; x < skybox.width; x++) {
            float theta = 2 * PI * x / skybox.width;
            columns[x] = {cosf(theta), sinf(theta)};
        }
    }
    return columns;
}

void gensky(int startx, int startz, int width, int height)
{
    int now = daytime, next = daytime == 5 ? 0 : daytime + 1;
    Color sky1 = ColorLerp(daynight[now].at(0.0f), daynight[next].at(0.0f), hourcycle);  // clouds
    Color sky3 = ColorLerp(daynight[now].at(0.4f), daynight[next].at(0.4f), hourcycle);  // clear sky
    daycol[0] = (sky1.r + sky3.r) / 512.0f;
    daycol[1] = (sky1.g + sky3.g) / 512.0f;
    daycol[2] = (sky1.b + sky3.b) / 512.0f;
    if (startz >= height || startx >= width) return;

    // Rows run from the bottom of the sky sphere to its top; columns once around it, so
    // the pattern meets itself at the left and right edges.
    const std::vector<skycolumn>& circle = skycircle();
    for (int z = startz; z < height; z++) {
        float phi = z * PI / 99 - PI / 2;
        float r = 3 * cosf(phi), h = 6 * sinf(phi);
        for (int x = startx; x < width; x++) {
            Color c;
            if (z % 2 == 0 && x % 2 == 0) {
                float m = texturenoise.GetNoise(r * circle[x].cosine, h, r * circle[x].sine, y * 0.02f);
                if (m >= 0.8f) c = sky1;
                else if (m < 0.4f) c = sky3;
                else c = ColorLerp(sky3, sky1, Clamp((m - 0.4f) / 0.4f, 0, 1));
            } else if (z % 2 == 1) {
                Color above = z >= 1 ? readsky(x, z - 1) : BLACK_EDGE;
                Color below = z < height - 1 ? readsky(x, z + 1) : BLACK_EDGE;
                c = ColorLerp(above, below, 0.5f);
            } else {
                Color left = x >= 1 ? readsky(x - 1, z) : BLACK_EDGE;
                Color right = x < width - 1 ? readsky(x + 1, z) : BLACK_EDGE;
                c = ColorLerp(left, right, 0.5f);
            }
            writecolor(skypixel(x, z), c);
        }
    }
}

//----------------------------------------------------------------------------------------
// The texture tick
//----------------------------------------------------------------------------------------

// Sends a repainted image to its texture, remaking the texture when the image no longer
// matches it (after a conversion).
static void upload(Texture2D& texture, const Image& image)
{
    if (!image.data) return;
    if (texture.width == image.width && texture.height == image.height && texture.format == image.format) {
        UpdateTexture(texture, image.data);
        return;
    }
    UnloadTexture(texture);
    texture = LoadTextureFromImage(image);
}

bool painttextures()
{
    bool paintable = paintablesheet();
    int size = paintable ? sheet.width >> 4 : 0;
    grasspass(size);
    waterpass(size);
    lavapass(size);
    refreshsky();
    return paintable;
}

void updatetextures()
{
    dragx += 0.5f;
    dragz += 1.5f;
    unsigned long long start = __rdtsc();
    bool painted = painttextures();
    unsigned long long end = __rdtsc();
    format_number(static_cast<long long>(end - start), buf);
    success("cycles: %s", buf);
    if (painted) upload(tilesheet, sheet);
    upload(skytexture, skybox);
}
