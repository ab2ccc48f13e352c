// _update: the world scene's update step and the building of the tile grid. See _update.h.
#include "_update.h"

#include "../../../term.h"
#include "../../io.h"
#include "_render.h"
#include "_texturegen.h"
#include "biome.h"
#include "world.h"

#include <algorithm>
#include <cmath>
#include <raymath.h>
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

Image decodepaintedmap(const unsigned char* file, int length, int size, std::string& problem)
{
    Image image = {};
    if (sixteenbitpng(file, length)) {
        problem = "has 16-bit samples where tile ids need 8 bits";
        return image;
    }
    image = LoadImageFromMemory(GetFileExtension(PAINTEDMAP), file, length);
    if (!image.data) {
        problem = "is not a picture that can be decoded";
    } else if (!usablemap(image, size)) {
        problem = TextFormat("is %d x %d in pixel format %d, where a map is %d x %d with 8-bit pixels or %d x %d RGBA",
                             image.width, image.height, image.format, size, size, size / 4, size);
        UnloadImage(image);
        image = {};
    }
    return image;
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
    else image = decodepaintedmap(file, length, size, problem);
    UnloadFileData(file);
    if (!problem.empty()) error("painted map %s %s: %s", PAINTEDMAP, problem.c_str(), instead);
    return image;
}

void onebytepertile(Image& image, int size)
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

//----------------------------------------------------------------------------------------
// Movement
//----------------------------------------------------------------------------------------

static const int GRIDSIDE = 1024;
static const int CENTRETILE = 512;       // the tile with a corner at the origin
static const float TILESIZE = 4;         // world units per tile
static const float EDGE = 2047;          // the camera stays a unit inside the grid
static const double EYEHEIGHT = 1.6;     // camera above the feet
static const float STANDING = 1.01f;     // feet on ground or a bridge
static const float WADING = -0.8f;       // feet in liquid
static const float WALK = 0.01f, SPRINT = 0.11f;
static const float AIRBORNEBOOST = 3;
static const float JUMP = 0.1f;
static const float FLOATUP = 0.05f;      // rising against a shore
static const float TURN = 1.9f;          // degrees per update
static const float SKYTILTMIN = 101, SKYTILTMAX = 179;
static const float THIRDPERSONBACK = 6, THIRDPERSONUP = 1;
static const uint8_t FIRSTBRIDGE = 246, LASTBRIDGE = 250, FIRSTLIQUID = 251;

static int prevy;                        // the feet's height before this update, whole units
static Vector3 forward = {1, 0, 0};     // the camera's view direction, unit length

// Tile column and row of a position: columns grow with x, rows toward -z.
static int tilecolumn(float x) { return CENTRETILE + static_cast<int>(x / TILESIZE) - (x < 0); }
static int tilerow(float z) { return CENTRETILE - static_cast<int>(z / TILESIZE) - (z > 0); }

// The tile at a column and row; the border tiles stand in for everything beyond them, so
// nothing outside the grid is ever read.
static uint8_t tileat(const uint8_t* tiles, int column, int row)
{
    column = std::clamp(column, 0, GRIDSIDE - 1);
    row = std::clamp(row, 0, GRIDSIDE - 1);
    return tiles[static_cast<size_t>(row) * GRIDSIDE + column];
}

static float sign(float v) { return static_cast<float>((v > 0) - (v < 0)); }

// The border is impassable: the camera, and its target with it, stay inside the grid.
static void keepinside(Camera3D& camera)
{
    float dx = std::clamp(camera.position.x, -EDGE, EDGE) - camera.position.x;
    float dz = std::clamp(camera.position.z, -EDGE, EDGE) - camera.position.z;
    camera.position.x += dx;
    camera.target.x += dx;
    camera.position.z += dz;
    camera.target.z += dz;
}

// Walking, sprinting, jumping, gravity, wading, shores and bridges: the camera moves over
// the tile grid by fixed amounts per update; the player's feet follow it.
void map::move()
{
    ptx = static_cast<int16_t>(tilecolumn(player.x));
    ptz = static_cast<int16_t>(tilerow(player.z));
    currenttile = tileat(tiles, ptx, ptz);

    bool sprinting = IsKeyDown(KEY_LEFT_SHIFT) || IsKeyDown(KEY_RIGHT_SHIFT);
    bool jumping = IsKeyDown(KEY_SPACE);
    float movespeed = sprinting ? SPRINT : WALK;
    float jumpboost = yaccel != 0 ? AIRBORNEBOOST : 1;  // airborne, the player goes three times as fast
    float mx = (IsKeyDown(KEY_W) - IsKeyDown(KEY_S)) * movespeed * jumpboost;
    float my = (IsKeyDown(KEY_D) - IsKeyDown(KEY_A)) * movespeed * jumpboost;

    float feet = player.y;
    bool bridge = currenttile >= FIRSTBRIDGE && currenttile <= LASTBRIDGE;
    bool liquid = currenttile >= FIRSTLIQUID || (bridge && feet < 1.0f);  // under a bridge is in the water
    bool onground = liquid ? feet <= WADING : feet <= 1.0f;
    if (onground) {
        yaccel = (liquid ? WADING : STANDING) - feet;  // the next move puts the feet on the surface
    } else {
        // Gravity: the pull fades to nothing as the fall nears its terminal speed of 0.9.
        double speed = 1 + yaccel * 1.1111111111111112;
        yaccel = static_cast<float>(yaccel - 0.005 * speed * speed);
    }
    if (feet <= -0.79f) {
        mx *= 1.0f / (1 + 6 * liquid);
        my *= 1.0f / (1 + 6 * liquid);
    }
    float totalspeed = std::sqrt(mx * mx + my * my);
    sped = sprinting ? totalspeed * 0.5f : totalspeed;

    // The tile one unit beyond this update's motion.
    float tcos = std::cos(player.yaw), tsin = std::sin(player.yaw);
    float amx = mx + sign(mx), amy = my + sign(my);
    float targetx = player.x + tcos * amx - tsin * amy;
    float targetz = player.z + tsin * amx + tcos * amy;
    uint8_t targettile = tileat(tiles, tilecolumn(targetx), tilerow(targetz));
    if (targettile != currenttile) echo("currenttile %i targettile %i", currenttile, targettile);

    if (targettile <= LASTBRIDGE && feet >= STANDING && feet + yaccel < STANDING) yaccel = STANDING - feet;  // landing
    float camx = (IsKeyDown(KEY_RIGHT) - IsKeyDown(KEY_LEFT)) * TURN;
    float camy = (IsKeyDown(KEY_DOWN) - IsKeyDown(KEY_UP)) * TURN;
    if (targettile < LASTBRIDGE && currenttile >= FIRSTBRIDGE && feet < 1.0f) {
        // Facing the shore from the water: float up against it before climbing out.
        mx = my = 0;
        yaccel = currenttile >= FIRSTLIQUID ? FLOATUP : 0;
    }
    if (currenttile <= LASTBRIDGE && feet >= 1.0f && feet <= 1.02f) yaccel = jumping ? JUMP : 0;

    UpdateCameraPro(&camera, {mx, my, yaccel}, {camx, camy, 0}, 0);
    keepinside(camera);

    playerrotx += camx;
    if ((playerroty > SKYTILTMAX && camy > 0) || (playerroty < SKYTILTMIN && camy < 0)) camy = 0;
    playerroty += camy * 0.5f;
    prevy = static_cast<int>(feet);

    player.x = camera.position.x;
    player.y = static_cast<float>(camera.position.y - EYEHEIGHT);
    player.z = camera.position.z;
    Vector3 view = Vector3Subtract(camera.target, camera.position);
    if (Vector3Length(view) > 0) forward = Vector3Normalize(view);
    player.yaw = std::atan2(forward.z, forward.x);
}

// The camera behind the player, and the key that looks through it.
void map::followthird()
{
    float len = Vector3Length(forward);
    third.position = Vector3Add(Vector3Subtract(camera.position, Vector3Scale(forward, THIRDPERSONBACK / len)),
                                {0, THIRDPERSONUP, 0});
    third.target = camera.target;
    if (IsKeyPressed(KEY_F5)) thirdperson = !thirdperson;
}

//----------------------------------------------------------------------------------------
// Controls, tile sheets and the clock
//----------------------------------------------------------------------------------------

static const char TILESHADER_VS[] = "res/shaders/tile.vs";
static const char TILESHADER_FS[] = "res/shaders/tile.fs";
static const int TICKINTERVAL = 60;  // updates between texture ticks, less one
static const int DAYPARTS = 6;

// F11: a fresh tile shader from disk, and a rebuild of the world from the painted map.
static void reload(map& world)
{
    world.mustupdate = true;
    UnloadShader(tilemat.shader);
    tilemat.shader = LoadShader(TILESHADER_VS, TILESHADER_FS);
    locatetileuniforms();
}

static void toggleoverlays()
{
    if (IsKeyReleased(KEY_F1)) {
        fatal("f1 %i", f1);
        f1 = !f1;
    }
    if (IsKeyReleased(KEY_F3)) {
        fatal("f3 %i", f3);
        f3 = !f3;
    }
}

// Higher up the ground is drawn from ever coarser sheets; crossing a level's height in
// either direction switches to the sheet of the level entered, at most one per update.
struct sheetlevel {
    float height;
    const char* above;
    const char* below;
};

static const sheetlevel SHEETLEVELS[] = {
    {150, "res/images/tilesheetl1.png", "res/images/tilesheet.png"},
    {200, "res/images/tilesheetl2.png", "res/images/tilesheetl1.png"},
    {280, "res/images/tilesheetl3.png", "res/images/tilesheetl2.png"},
    {360, "res/images/tilesheetl4.png", "res/images/tilesheetl3.png"},
};

static void usesheet(const char* file)
{
    UnloadTexture(tilesheet);
    UnloadImage(sheet);
    tilesheet = LoadTexture(file);
    sheet = LoadImageFromTexture(tilesheet);
    sheetfile = file;
    updatetextures();
}

static void sheetbyaltitude(float feet)
{
    for (const sheetlevel& level : SHEETLEVELS) {
        if (feet >= level.height && prevy <= level.height - 1) return usesheet(level.above);
        if (feet < level.height && prevy >= level.height) return usesheet(level.below);
    }
}

// Every 61st update the tiles and the sky are repainted and the day moves on.
static void ticktextures()
{
    if (texturesupdt++ < TICKINTERVAL) return;
    texturesupdt = 0;
    y = static_cast<float>(y + 0.1);
    updatetextures();
    hourcycle = static_cast<float>(hourcycle + 0.001);
    if (hourcycle >= 1.0f) {
        hourcycle = 0;
        daytime = static_cast<char>((daytime + 1) % DAYPARTS);
    }
}

void map::update()
{
    if (IsKeyPressed(KEY_F11)) reload(*this);
    if (mustupdate) {
        updatechunks();
        mustupdate = false;
    }
    toggleoverlays();
    if (IsKeyPressed(KEY_ESCAPE)) page = page != -1 ? -1 : 0;
    if (page != -1) menuinput(menu, page);
    move();
    sheetbyaltitude(player.y);
    ticktextures();
    followthird();
}
