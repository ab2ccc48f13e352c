// The tile catalogue: one design per tile id, grouped as the sheet is (16 ids to a row).
#include "tiles.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace {

using painter = std::function<void(tile&, uint32_t seed)>;

constexpr uint32_t MEAN = 0x1000000;  // no atlas colour of its own: the picture's mean

struct design {
    int id;
    uint32_t atlas;  // 0xRRGGBB, or MEAN
    painter paint;
};

ramp shades(std::initializer_list<uint32_t> colours)
{
    ramp r;
    for (uint32_t c : colours) r.shades.push_back(rgb(c));
    return r;
}

// Materials, dark to light.
const ramp EARTH = shades({0x4e3422, 0x62432b, 0x765434, 0x8a6541, 0x9e7750});
const ramp DUST = shades({0x6b5640, 0x7d674e, 0x8f785d, 0xa1896b, 0xb39b7c});
const ramp SOIL = shades({0x3a2617, 0x4b321f, 0x5d3f28, 0x6f4d32, 0x825c3d});
const ramp GRASS = shades({0x2c6e26, 0x37822f, 0x439538, 0x52a542, 0x66b850});
const ramp LUSH = shades({0x2f7a2c, 0x3b8f35, 0x49a33f, 0x5bb64b, 0x74c85c});
const ramp STEPPE = shades({0x7f7440, 0x938849, 0xa79b55, 0xbaae63, 0xcbc075});
const ramp SCORCH = shades({0x1b1210, 0x261916, 0x33221b, 0x432d22, 0x55392a});
const ramp MIST = shades({0x9fa3b8, 0xafb3c6, 0xbfc2d3, 0xcfd1df, 0xdfe0ea});
const ramp GLACIER = shades({0x4f8fbe, 0x6aa8d2, 0x89c0e2, 0xaad6ee, 0xd2ecf7});
const ramp SNOW = shades({0xc3d0e4, 0xd3ddee, 0xe2e9f5, 0xeff3fa, 0xfbfcfe});
const ramp TUNDRA = shades({0x59553a, 0x6b6544, 0x7d764f, 0x8f865b, 0xa09769});
const ramp LEAVES = shades({0x123a18, 0x1a4d20, 0x24632a, 0x317a36, 0x439245});
const ramp ROCK = shades({0x4f4e53, 0x646367, 0x7a787a, 0x908d8c, 0xa8a49f});
const ramp GRAVEL = shades({0x77716a, 0x8a847b, 0x9d968c, 0xafa89d, 0xc1baae});
const ramp DARKROCK = shades({0x26221f, 0x36302b, 0x48403a, 0x5c5149, 0x73665b});
const ramp PINE = shades({0x14302b, 0x1c4137, 0x265444, 0x326852, 0x417c61});
const ramp JUNGLE = shades({0x0a4216, 0x0f5a22, 0x177530, 0x23903c, 0x3aab4a});
const ramp SALT = shades({0xcbbfb8, 0xd9cfc8, 0xe6ded8, 0xf1ebe6, 0xfaf7f3});
const ramp MUD = shades({0x33251a, 0x412f21, 0x503a29, 0x5f4532, 0x6e513c});
const ramp SAND = shades({0xc4a265, 0xd3b475, 0xdfc385, 0xe9d197, 0xf2dfae});
const ramp RUINSTONE = shades({0x7d7468, 0x978d7f, 0xb0a695, 0xc6bcaa, 0xdbd2c0});
const ramp PLAZA = shades({0x77716b, 0x8b847c, 0x9f978d, 0xb1a99e, 0xc4bcb0});
const ramp WOOD = shades({0x4a2f18, 0x5f3d20, 0x764d2a, 0x8c5e35, 0xa37042});
const ramp DUNE = shades({0xb98a4c, 0xcc9c5a, 0xdcad69, 0xe9be7c, 0xf4d095});
const ramp WETSAND = shades({0x8f7c5a, 0x9e8a66, 0xad9973, 0xbca881, 0xcbb891});
const ramp ICE = shades({0x8cc3df, 0xa2d2e9, 0xb8def0, 0xcde9f5, 0xe3f3fa});
const ramp ASH = shades({0x48464a, 0x575559, 0x676468, 0x777476, 0x898585});
const ramp OBSIDIAN = shades({0x110c17, 0x1a1424, 0x251c33, 0x322645, 0x44345c});
const ramp ROAD = shades({0x6e573f, 0x806649, 0x917555, 0xa18462, 0xb09370});
const ramp BASALT = shades({0x353b46, 0x434a57, 0x515a69, 0x606a7b, 0x717c8e});
const ramp BRIDGEWOOD = shades({0x4b2e16, 0x60401f, 0x77512a, 0x8d6135, 0xa37341});
const ramp SWAMP = shades({0x29351f, 0x334126, 0x3d4d2d, 0x485a35, 0x53673e});
const ramp DEEP = shades({0x0c2645, 0x102f55, 0x153964, 0x1a4474, 0x214f84});
const ramp COLDWATER = shades({0x3a8bb2, 0x4e9dc3, 0x66b1d4, 0x82c5e2, 0xa2d8ee});
const ramp WATER = shades({0x3a73b3, 0x4681c0, 0x5490cb, 0x63a0d6, 0x76b0df});
const ramp LAVACRUST = shades({0x1f0a05, 0x2e0f07, 0x421509, 0x571c0b});

const Color WATERSHADOW = rgb(0x1d3a5c);

void grassy(tile& t, uint32_t s)
{
    ground(t, GRASS, s, 3, 0.8f);
    tufts(t, GRASS[0], GRASS[4], 4, s + 1);
}

// Rows of plants on soil: each row a band `spacing` wide, plants every `step` pixels.
void cropfield(tile& t, uint32_t s, const ramp& soil, Color dark, Color light, int spacing, int step)
{
    ground(t, soil, s, 6, 0.6f);
    for (int y = 0; y < TILE; y++)
        for (int x = 0; x < TILE; x++) {
            int across = y % spacing, along = (x + (y / spacing) * 2) % step;
            if (across == 0) t.at(x, y) = scalecolor(t.at(x, y), 0.75f);
            else if (across <= spacing / 2 && along != step - 1)
                t.at(x, y) = (across == 1 && along == 0) ? light : mixcolor(dark, light, random01(s, x, y) * 0.6f);
        }
}

// A straight stretch of thick ruined wall along a row (or a column when `vertical`).
void wall(tile& t, uint32_t s, bool vertical, int from, int to)
{
    for (int k = from; k < to; k += 4) {
        int length = std::min(4, to - k);
        int height = 6 - randomint(s, k, 3);  // broken stretches are lower, narrower
        if (vertical) block(t, 5, k, height, length, RUINSTONE, hash(s, k));
        else block(t, k, 5, length, height, RUINSTONE, hash(s, k));
    }
}

// Roads: pure-green verges around a band of packed earth with two wheel ruts. Every road
// runs along the middle of the tile's edges it leaves by, so neighbouring roads meet.
constexpr float MIDDLE = TILE / 2.0f;
constexpr float ROADHALFWIDTH = 4;

struct stretch {
    float x0, y0, x1, y1, halfwidth;
};

float distancetostretch(const stretch& r, float px, float py)
{
    float dx = r.x1 - r.x0, dy = r.y1 - r.y0;
    float length2 = dx * dx + dy * dy;
    float u = length2 > 0 ? std::clamp(((px - r.x0) * dx + (py - r.y0) * dy) / length2, 0.0f, 1.0f) : 0.0f;
    return std::hypot(px - r.x0 - u * dx, py - r.y0 - u * dy);
}

void road(tile& t, uint32_t s, std::initializer_list<stretch> stretches, bool bend = false)
{
    ground(t, ROAD, s, 5, 0.7f);
    for (int y = 0; y < TILE; y++)
        for (int x = 0; x < TILE; x++) {
            float px = x + 0.5f, py = y + 0.5f, inside = -1e9f;
            for (const stretch& r : stretches) inside = std::max(inside, r.halfwidth - distancetostretch(r, px, py));
            // The bend is a quarter circle around the tile's south-east corner.
            if (bend) inside = std::max(inside, ROADHALFWIDTH - std::fabs(std::hypot(TILE - px, TILE - py) - MIDDLE));
            // The verge nibbles at the road's edge here and there.
            if (inside <= 0 || (inside < 1 && random01(s, x, y) < 0.3f)) t.at(x, y) = VERGE;
            else if (inside < 1) t.at(x, y) = ROAD[0];
            else if (std::fabs(inside - ROADHALFWIDTH / 2) < 0.5f) t.at(x, y) = mixcolor(t.at(x, y), ROAD[0], 0.6f);  // ruts
        }
    for (int i = 0; i < 4; i++) {  // pebbles on the road
        int x = randomint(s, i * 2 + 7, TILE), y = randomint(s, i * 2 + 8, TILE);
        if (!samecolor(t.at(x, y), VERGE)) t.at(x, y) = ROAD[4];
    }
}

constexpr float FAR = 40;  // a road stretch running on past the tile's edge
const stretch NORTHSOUTH = {MIDDLE, -FAR, MIDDLE, TILE + FAR, ROADHALFWIDTH};
const stretch EASTWEST = {-FAR, MIDDLE, TILE + FAR, MIDDLE, ROADHALFWIDTH};
const stretch SOUTHHALF = {MIDDLE, MIDDLE, MIDDLE, TILE + FAR, ROADHALFWIDTH};
const stretch TURNINGCIRCLE = {MIDDLE, MIDDLE - 1, MIDDLE, MIDDLE - 1, ROADHALFWIDTH + 1};

// Bridges: a plank deck between rails, with the water's shadow beyond the rails.
void bridge(tile& t, uint32_t s, bool northsouth)
{
    fillrect(t, 0, 0, TILE, TILE, WATERSHADOW);
    tile deck = blanktile();
    planks(deck, BRIDGEWOOD, !northsouth, 3, s);
    for (int y = 0; y < TILE; y++)
        for (int x = 0; x < TILE; x++) {
            int across = northsouth ? x : y;
            if (across >= 2 && across <= 13) t.at(x, y) = deck.at(x, y);
            if (across == 2 || across == 13) t.at(x, y) = BRIDGEWOOD[0];
            if (across == 1 || across == 14) {
                int along = northsouth ? y : x;
                t.at(x, y) = (along % 5 == 0) ? BRIDGEWOOD[1] : mixcolor(WATERSHADOW, BRIDGEWOOD[0], 0.5f);
            }
        }
}

std::vector<design> catalogue()
{
    std::vector<design> d = {
        // Row 0: the main kinds of ground.
        {0, 0x8a6541, [](tile& t, uint32_t s) { ground(t, EARTH, s, 4); speckles(t, {EARTH[4], EARTH[0], GRAVEL[3]}, 9, s + 1); }},
        {1, 0x4fa040, [](tile& t, uint32_t s) { grassy(t, s); }},
        {2, 0x6cb84e, [](tile& t, uint32_t s) {
             ground(t, LUSH, s, 3, 0.8f);
             flowers(t, rgb(0xf4f1e8), rgb(0xf2c53d), 2, s + 1);
             flowers(t, rgb(0xe86aa0), rgb(0xfbe27a), 2, s + 2);
             flowers(t, rgb(0x9a6ae0), rgb(0xf7f1c4), 1, s + 3);
             flowers(t, rgb(0xf6d23a), rgb(0xc9792a), 1, s + 4);
         }},
        {3, 0x9a6b3c, [](tile& t, uint32_t s) {
             ground(t, SOIL, s, 6, 0.6f);
             furrows(t, SOIL[0], SOIL[4], 4, false);
             for (int x = 0; x < TILE; x += 3)
                 for (int y = 2; y < TILE; y += 4) t.at((x + y) % TILE, y) = GRASS[3];
         }},
        {4, 0xb5a95c, [](tile& t, uint32_t s) { ground(t, STEPPE, s, 4, 0.9f); tufts(t, STEPPE[0], STEPPE[4], 6, s + 1); }},
        {5, 0x3b261d, [](tile& t, uint32_t s) {
             ground(t, SCORCH, s, 5);
             cracks(t, rgb(0x0d0706), 3, 7, s + 1, rgb(0x7a2614));
             speckles(t, {ASH[3], ASH[1]}, 6, s + 2);
         }},
        {6, 0xc9cbdc, [](tile& t, uint32_t s) { ground(t, MIST, s, 2, 1.2f); speckles(t, {MIST[4]}, 10, s + 1); }},
        {7, 0x8ccdeb, [](tile& t, uint32_t s) {
             ground(t, GLACIER, s, 3, 0.9f);
             cracks(t, GLACIER[0], 2, 14, s + 1);
             furrows(t, GLACIER[1], GLACIER[4], 8, false, 3);
             speckles(t, {rgb(0xf2f9fd)}, 8, s + 2);
         }},
        {8, 0xf2f5fb, [](tile& t, uint32_t s) { ground(t, SNOW, s, 3, 0.7f, 0.15f); speckles(t, {rgb(0xffffff), SNOW[0]}, 6, s + 1); }},
        {9, 0x8a7e55, [](tile& t, uint32_t s) {
             ground(t, TUNDRA, s, 5);
             speckles(t, {rgb(0xcdb87c), rgb(0xa4563a), rgb(0x6f7e4c), rgb(0xdfe6ee)}, 16, s + 1);
             tufts(t, TUNDRA[0], TUNDRA[4], 2, s + 2);
         }},
        {10, 0x1f5a26, [](tile& t, uint32_t s) { fillrect(t, 0, 0, TILE, TILE, rgb(0x0c2410)); crowns(t, LEAVES, 3, 3.8f, s); }},
        {11, 0x85827f, [](tile& t, uint32_t s) { cobbles(t, ROCK, ROCK[0], 3, s, false, 0.6f); cracks(t, ROCK[0], 2, 5, s + 1); }},
        {12, 0xa49d91, [](tile& t, uint32_t s) { ground(t, GRAVEL, s, 6, 0.5f); lumps(t, GRAVEL, 14, 0.7f, 1.3f, s + 1, 0.8f); }},
        {13, 0x4a413a, [](tile& t, uint32_t s) {
             cobbles(t, DARKROCK, rgb(0x161311), 2, s, false, 0.8f);
             cracks(t, rgb(0x161311), 2, 6, s + 1);
             speckles(t, {DARKROCK[4]}, 5, s + 2);
         }},
        {14, 0x5d7f78, [](tile& t, uint32_t s) { ground(t, SNOW, s, 3, 0.6f, 0.1f); conifers(t, PINE, 5, 3.4f, s + 1, true); }},
        {15, 0x1d8a3a, [](tile& t, uint32_t s) {
             fillrect(t, 0, 0, TILE, TILE, rgb(0x062b0e));
             crowns(t, JUNGLE, 4, 3.1f, s, 0.5f);
             speckles(t, {rgb(0x9ad04a), rgb(0x5fc04a)}, 6, s + 1);
         }},

        // Row 1: more ground, and the roads.
        {16, 0xeae3dc, [](tile& t, uint32_t s) { cobbles(t, SALT, rgb(0xc9b3a8), 3, s, false, 0.55f); speckles(t, {rgb(0xffffff)}, 8, s + 1); }},
        {17, 0x56402d, [](tile& t, uint32_t s) {
             ground(t, MUD, s, 4, 1.1f);
             lump(t, 10.5f, 10.5f, 2.6f, shades({0x3c3528, 0x4f4636, 0x625845}), s + 1, 0.85f, 0.2f);
             speckles(t, {rgb(0x8a7560)}, 7, s + 2);
         }},
        {18, 0xe3c787, [](tile& t, uint32_t s) { ground(t, SAND, s, 3, 0.8f); speckles(t, {SAND[0], SAND[4]}, 8, s + 1); }},
        {19, 0x9c8870, [](tile& t, uint32_t s) {
             ground(t, DUST, s, 4);
             block(t, 1, 2, 5, 3, RUINSTONE, s + 1);
             block(t, 9, 8, 4, 5, RUINSTONE, s + 2);
             block(t, 3, 11, 3, 2, RUINSTONE, s + 3);
             speckles(t, {RUINSTONE[3], RUINSTONE[1]}, 8, s + 4);
             tufts(t, GRASS[1], GRASS[3], 2, s + 5);
         }},
        {20, 0x8c7d6a, [](tile& t, uint32_t s) { ground(t, DUST, s, 4); wall(t, s, false, 0, 10); wall(t, s + 1, false, 13, 16); speckles(t, {RUINSTONE[2]}, 6, s + 2); }},
        {21, 0xa49b90, [](tile& t, uint32_t s) { cobbles(t, PLAZA, rgb(0x55504a), 4, s); }},
        {22, 0x7f5530, [](tile& t, uint32_t s) { planks(t, WOOD, false, 4, s); }},
        {23, 0xe2b36e, [](tile& t, uint32_t s) {
             // Ridges every 8 rows, swaying once across the tile: a long lit slope up to the
             // crest, then the short shadowed lee side.
             for (int y = 0; y < TILE; y++)
                 for (int x = 0; x < TILE; x++) {
                     float across = std::fmod(y + 2.5f * std::sin(x * 0.3927f) + 16, 8.0f) / 8;
                     float value = across < 0.7f ? 0.35f + across : 0.1f;
                     t.at(x, y) = DUNE.at(value + (random01(s, x, y) - 0.5f) * 0.15f, x, y);
                 }
         }},
        {24, 0xb3a07a, [](tile& t, uint32_t s) {
             ground(t, WETSAND, s, 3, 0.8f);
             for (int x = 0; x < TILE; x++) t.at(x, (int)(11 + 1.5f * std::sin(x * 0.3927f))) = rgb(0xe8ecef);
             speckles(t, {WETSAND[4], rgb(0xd8d4c8)}, 6, s + 1);
         }},
        {25, 0xbfe2f1, [](tile& t, uint32_t s) { ground(t, ICE, s, 2, 0.6f); cracks(t, rgb(0xf4fafd), 2, 8, s + 1); speckles(t, {ICE[0]}, 4, s + 2); }},
        {26, 0x6b686b, [](tile& t, uint32_t s) { ground(t, ASH, s, 5, 0.9f); speckles(t, {rgb(0x343234), rgb(0xa29e9b)}, 10, s + 1); }},
        {27, 0x221a2e, [](tile& t, uint32_t s) { cobbles(t, OBSIDIAN, rgb(0x08050c), 3, s, false, 0.5f); speckles(t, {rgb(0xc9b8e8), rgb(0x7a68a0)}, 6, s + 1); }},
        {28, 0xc8402c, [](tile& t, uint32_t s) { road(t, s, {NORTHSOUTH}); }},
        {29, 0xc8412e, [](tile& t, uint32_t s) { road(t, s, {EASTWEST}); }},
        {30, 0xc84230, [](tile& t, uint32_t s) { road(t, s, {NORTHSOUTH, EASTWEST}); }},
        {31, 0xc84332, [](tile& t, uint32_t s) { road(t, s, {}, true); }},

        // Row 2: grass and meadow variants; two more roads.
        {32, MEAN, [](tile& t, uint32_t s) { grassy(t, s); lumps(t, ROCK, 3, 1.0f, 1.6f, s + 1); }},
        {33, MEAN, [](tile& t, uint32_t s) { grassy(t, s); flowers(t, rgb(0xf7d83a), rgb(0xe09a1c), 5, s + 1); }},
        {34, MEAN, [](tile& t, uint32_t s) { grassy(t, s); flowers(t, rgb(0xe0302a), rgb(0x2a1410), 5, s + 1); }},
        {35, MEAN, [](tile& t, uint32_t s) { grassy(t, s); flowers(t, rgb(0x5a6ae0), rgb(0xc8d0f8), 5, s + 1); }},
        {36, MEAN, [](tile& t, uint32_t s) { grassy(t, s); flowers(t, rgb(0xfbfbf6), rgb(0xf5cf3a), 6, s + 1); }},
        {37, MEAN, [](tile& t, uint32_t s) { ground(t, LUSH, s, 3, 0.6f, 0.1f); tufts(t, LUSH[1], rgb(0x9ad46a), 12, s + 1); }},
        {38, MEAN, [](tile& t, uint32_t s) {
             ground(t, GRASS, s, 3, 0.6f, -0.1f);
             for (int y = 0; y < TILE; y += 3)
                 for (int x = (y / 3) % 2; x < TILE; x += 4) { t.wrapped(x, y) = GRASS[4]; t.wrapped(x + 1, y) = GRASS[3]; t.wrapped(x, y + 1) = GRASS[3]; }
             flowers(t, rgb(0xf0e8f0), rgb(0xd87ab0), 2, s + 1);
         }},
        {39, MEAN, [](tile& t, uint32_t s) { grassy(t, s); lump(t, 8, 8, 5, LEAVES, s + 1, 0.6f, 0.25f); }},
        {40, MEAN, [](tile& t, uint32_t s) { grassy(t, s); lump(t, 7.5f, 7.5f, 4.5f, ROCK, s + 1, 0.6f, 0.12f); }},
        {41, MEAN, [](tile& t, uint32_t s) {
             grassy(t, s);
             for (int i = 0; i < 10; i++) {
                 float a = i * 0.6283f;
                 int x = (int)(8 + 5 * std::cos(a)), y = (int)(8 + 5 * std::sin(a));
                 t.wrapped(x + 1, y + 1) = GRASS[0];
                 t.wrapped(x, y) = (i & 1) ? rgb(0xf1ead8) : rgb(0xc0402a);
             }
         }},
        {42, MEAN, [](tile& t, uint32_t s) { grassy(t, s); lump(t, 8, 8, 5, EARTH, s + 1, 0.95f, 0.35f); }},
        {43, MEAN, [](tile& t, uint32_t s) { grassy(t, s); for (int i = 0; i < 3; i++) lump(t, 3 + i * 5.0f, 4 + (i * 7) % 9, 1.8f, SOIL, s + i, 0.7f, 0.2f); }},
        {44, 0xc84434, [](tile& t, uint32_t s) { road(t, s, {EASTWEST, SOUTHHALF}); }},
        {45, 0xc84536, [](tile& t, uint32_t s) { road(t, s, {SOUTHHALF, TURNINGCIRCLE}); block(t, 7, 5, 2, 2, RUINSTONE, s + 9); }},
        {46, MEAN, [](tile& t, uint32_t s) {
             grassy(t, s);
             for (int y = 0; y < TILE; y++) { int c = 7 + (int)std::lround(1.5 * std::sin(y * 0.3927)); fillrect(t, c - 1, y, 3, 1, EARTH[2 + (y & 1)]); }
         }},
        {47, MEAN, [](tile& t, uint32_t s) {
             grassy(t, s);
             for (int x = 0; x < TILE; x++) { int c = 7 + (int)std::lround(1.5 * std::sin(x * 0.3927)); fillrect(t, x, c - 1, 1, 3, EARTH[2 + (x & 1)]); }
         }},

        // Row 3 on: variants in the same style.
        {48, MEAN, [](tile& t, uint32_t s) { grassy(t, s); for (int i = 0; i < 4; i++) block(t, 2 + (i % 2) * 7, 1 + i * 4, 4, 3, PLAZA, s + i); }},
        {49, MEAN, [](tile& t, uint32_t s) { ground(t, EARTH, s); lump(t, 8, 8, 5, shades({0x3d5f80, 0x4d749a, 0x6590b4, 0x8ab0cf}), s + 1, 0.8f, 0.3f); }},
        {50, MEAN, [](tile& t, uint32_t s) {
             ground(t, STEPPE, s, 6, 0.5f, 0.2f);
             furrows(t, STEPPE[1], STEPPE[4], 2, true);
             lump(t, 5, 5, 3, shades({0x9b7a2c, 0xbf9a3c, 0xdcb958, 0xf0d47a}), s + 1, 0.6f, 0.1f);
             lump(t, 12, 12, 2.5f, shades({0x9b7a2c, 0xbf9a3c, 0xdcb958, 0xf0d47a}), s + 2, 0.6f, 0.1f);
         }},
        {51, 0x545d6c, [](tile& t, uint32_t s) { cobbles(t, BASALT, rgb(0x111317), 2, s, true, 1.0f); }},

        // Volcanic country.
        {52, MEAN, [](tile& t, uint32_t s) { ground(t, LAVACRUST, s, 4); cracks(t, rgb(0xe0561a), 2, 6, s + 1, rgb(0x8a2a0c)); }},
        {53, MEAN, [](tile& t, uint32_t s) { ground(t, shades({0x8f8a2a, 0xb3ad34, 0xd6cf4a, 0xeee872}), s, 5); lumps(t, ASH, 2, 1, 1.5f, s + 1); }},
        {54, MEAN, [](tile& t, uint32_t s) { ground(t, ASH, s, 5, 0.6f); lumps(t, DARKROCK, 4, 1.2f, 2.2f, s + 1); }},
        {55, MEAN, [](tile& t, uint32_t s) { ground(t, shades({0x9a968c, 0xaea99e, 0xc1bcb0, 0xd3cec2}), s, 6); speckles(t, {rgb(0x6f6a62)}, 24, s + 1); }},
        {56, MEAN, [](tile& t, uint32_t s) { ground(t, shades({0x5a2418, 0x6e2e1e, 0x833826, 0x98442e, 0xab5236}), s, 5); speckles(t, {DARKROCK[1]}, 8, s + 1); }},
        {57, MEAN, [](tile& t, uint32_t s) { ground(t, ASH, s, 4); lump(t, 8, 8, 2, DARKROCK, s + 1, 0.6f); lump(t, 6, 5, 3.5f, MIST, s + 2, 1.0f, 0.4f); }},
        {58, MEAN, [](tile& t, uint32_t s) { ground(t, ASH, s, 4); for (int i = 0; i < 3; i++) lump(t, 3 + i * 5.0f, 3 + (i * 11) % 12, 1.5f, SCORCH, s + i, 0.6f); }},
        {59, MEAN, [](tile& t, uint32_t s) { ground(t, ASH, s, 4, 0.8f, -0.15f); speckles(t, {rgb(0xff8a2a), rgb(0xd2401a), rgb(0xffd060)}, 10, s + 1); }},
        {60, MEAN, [](tile& t, uint32_t s) { ground(t, ASH, s, 4); lumps(t, OBSIDIAN, 4, 0.8f, 1.6f, s + 1); speckles(t, {rgb(0xd0c0f0)}, 3, s + 2); }},
        {61, MEAN, [](tile& t, uint32_t s) { ground(t, SCORCH, s, 4); lumps(t, shades({0x4a1c12, 0x6a2a1a, 0x8a3a24, 0xa84c30}), 9, 0.8f, 1.6f, s + 1); }},
        {62, MEAN, [](tile& t, uint32_t s) {
             for (int y = 0; y < TILE; y++)
                 for (int x = 0; x < TILE; x++) {
                     float ring = std::hypot(x - 4.0f, y - 4.0f) + 2 * latticenoise(s, x / 4.0f, y / 4.0f, 4, 4);
                     t.at(x, y) = shades({0xc8632a, 0xdc8a3e, 0xe9b46a, 0xf2dcae})[(int)ring % 4];
                 }
             lump(t, 4, 4, 1.6f, COLDWATER, s + 1, 0.8f);
         }},
        {63, MEAN, [](tile& t, uint32_t s) { cobbles(t, shades({0x9e7a55, 0xb08b63, 0xc19c72, 0xd0ad84}), rgb(0x5a4230), 3, s, false, 0.7f); }},

        // Floors and roofs.
        {64, MEAN, [](tile& t, uint32_t s) { cobbles(t, PLAZA, rgb(0x4a4540), 2, s); }},
        {65, MEAN, [](tile& t, uint32_t s) { bricks(t, shades({0x6e2a1e, 0x8a3626, 0xa44430, 0xbd5840}), rgb(0xb8ab98), 8, 4, s); }},
        {66, MEAN, [](tile& t, uint32_t s) { bricks(t, shades({0x9a7a34, 0xb8963f, 0xd2b04e, 0xe4c86a}), rgb(0x6e6254), 8, 4, s); }},
        {67, MEAN, [](tile& t, uint32_t) { glazed(t, rgb(0x2f62b8), rgb(0x4a86d8), rgb(0xd8dce4), 4); }},
        {68, MEAN, [](tile& t, uint32_t) { glazed(t, rgb(0x1f7a4a), rgb(0x37a064), rgb(0xd8dce4), 4); }},
        {69, MEAN, [](tile& t, uint32_t) { glazed(t, rgb(0x1e1e24), rgb(0xe8e6e0), rgb(0x8a8a8a), 8); }},
        {70, MEAN, [](tile& t, uint32_t s) {
             static const uint32_t stones[] = {0xc04a2a, 0xe0b040, 0x3a70b0, 0xe8e0d0, 0x4a8a4a, 0x8a4a8a};
             for (int y = 0; y < TILE; y++)
                 for (int x = 0; x < TILE; x++)
                     t.at(x, y) = (x % 2 == 1 && y % 2 == 1) ? rgb(0x6a6058) : scalecolor(rgb(stones[randomint(s, x / 2 + 8 * (y / 2), 6)]), 0.8f + 0.2f * ((x + y) % 2 == 0));
         }},
        {71, MEAN, [](tile& t, uint32_t s) { glazed(t, rgb(0xb85a34), rgb(0xa04c2c), rgb(0x7a6a5a), 8); speckles(t, {rgb(0x8a3a20)}, 6, s); }},
        {72, MEAN, [](tile& t, uint32_t s) { bricks(t, shades({0x2a3038, 0x363e48, 0x434c58, 0x525c6a}), rgb(0x1a1e24), 4, 3, s); }},
        {73, MEAN, [](tile& t, uint32_t s) { bricks(t, shades({0x7a2418, 0x9a3220, 0xb8432c, 0xd05a3c}), rgb(0x4a160e), 4, 4, s); }},
        {74, MEAN, [](tile& t, uint32_t s) { ground(t, shades({0x7a6030, 0x957838, 0xb09246, 0xc8aa5a, 0xdcc070}), s, 8, 0.8f); furrows(t, rgb(0x5a4420), rgb(0xd8be6a), 3, false); }},
        {75, MEAN, [](tile& t, uint32_t s) {
             for (int y = 0; y < TILE; y++)
                 for (int x = 0; x < TILE; x++) {
                     int u = (x + y) % 8, v = ((x - y) % 8 + 8) % 8;
                     bool gap = ((x / 4 + y / 4) & 1) ? u == 0 : v == 0;
                     t.at(x, y) = gap ? rgb(0xb0a490) : shades({0x7a3020, 0x943c28, 0xac4a32})[randomint(s, x / 4 + 4 * (y / 4), 3)];
                 }
         }},
        {76, MEAN, [](tile& t, uint32_t s) { cobbles(t, shades({0xb08a5a, 0xc49c68, 0xd6b07a, 0xe4c290}), rgb(0x7a5e3e), 2, s); }},
        {77, MEAN, [](tile& t, uint32_t s) { glazed(t, rgb(0xf0eeea), rgb(0xe2dfd8), rgb(0xa8a49c), 8); cracks(t, rgb(0xb8b4ae), 2, 7, s); }},
        {78, MEAN, [](tile& t, uint32_t s) { cobbles(t, shades({0x2e2c2c, 0x3c3a3a, 0x4c4948, 0x5c5856}), rgb(0x141212), 2, s); speckles(t, {rgb(0x8a8480), rgb(0xd0a090)}, 12, s + 1); }},
        {79, MEAN, [](tile& t, uint32_t s) { cobbles(t, PLAZA, rgb(0x3a5a2a), 3, s); speckles(t, {GRASS[1], GRASS[3], GRASS[2]}, 24, s + 1); }},

        // Fields and crops, in rows running east-west.
        {80, MEAN, [](tile& t, uint32_t s) { cropfield(t, s, SOIL, rgb(0xb8902c), rgb(0xf0d270), 3, 16); }},
        {81, MEAN, [](tile& t, uint32_t s) { cropfield(t, s, SOIL, rgb(0xb0aa6a), rgb(0xe8e2a8), 3, 16); }},
        {82, MEAN, [](tile& t, uint32_t s) { cropfield(t, s, SOIL, rgb(0x2a7a2a), rgb(0xe8d050), 4, 3); }},
        {83, MEAN, [](tile& t, uint32_t s) { ground(t, SOIL, s, 6, 0.6f); for (int y = 2; y < TILE; y += 5) for (int x = 1 + y % 3; x < TILE; x += 5) lump(t, x, y, 1.8f, shades({0x3a7a5a, 0x52986e, 0x72b48a, 0x9ad0a8}), s + x + y, 0.7f); }},
        {84, MEAN, [](tile& t, uint32_t s) { cropfield(t, s, DUST, rgb(0x2a5a22), rgb(0x6a9a3a), 4, 4); speckles(t, {rgb(0x5a2a6a), rgb(0x7a3a8a)}, 8, s + 1); }},
        {85, MEAN, [](tile& t, uint32_t s) { cropfield(t, s, GRASS, rgb(0x6a4ab0), rgb(0xa88ae0), 4, 16); }},
        {86, MEAN, [](tile& t, uint32_t s) { ground(t, GRASS, s); for (int y = 2; y < TILE; y += 5) for (int x = 2 + y % 4; x < TILE; x += 5) flowers(t, rgb(0xf4c820), rgb(0x5a3418), 1, hash(s, x, y)), t.wrapped(x, y) = rgb(0xf4c820); }},
        {87, MEAN, [](tile& t, uint32_t s) { grassy(t, s); furrows(t, GRASS[0], GRASS[3], 4, false); lumps(t, shades({0xa04a10, 0xd06a18, 0xf08a2a, 0xffb050}), 4, 1.4f, 2.0f, s + 1); }},
        {88, MEAN, [](tile& t, uint32_t s) { ripples(t, shades({0x5a7a6a, 0x6a8c78, 0x7a9e88}), rgb(0x9ab8a8), s); for (int y = 1; y < TILE; y += 3) for (int x = y % 2; x < TILE; x += 2) t.at(x, y) = GRASS[4]; }},
        {89, MEAN, [](tile& t, uint32_t s) { ground(t, SOIL, s, 6, 0.6f); furrows(t, SOIL[0], SOIL[4], 4, false); speckles(t, {GRASS[2], GRASS[3]}, 20, s + 1); }},
        {90, MEAN, [](tile& t, uint32_t s) { grassy(t, s); for (int i = 0; i < 4; i++) lump(t, 4 + (i % 2) * 8, 4 + (i / 2) * 8, 2.8f, LEAVES, s + i, 0.6f, 0.2f); speckles(t, {rgb(0xd03020)}, 3, s + 9); }},
        {91, MEAN, [](tile& t, uint32_t s) { ground(t, SOIL, s, 8, 0.5f, -0.1f); furrows(t, SOIL[0], SOIL[3], 3, true); }},
        {92, MEAN, [](tile& t, uint32_t s) { ground(t, STEPPE, s, 6, 0.5f, 0.1f); furrows(t, STEPPE[0], STEPPE[4], 3, false, 1); speckles(t, {rgb(0xe8d8a0)}, 16, s + 1); }},
        {93, MEAN, [](tile& t, uint32_t s) { cropfield(t, s, GRASS, rgb(0x3a5ab8), rgb(0x8aa8e8), 3, 16); }},
        {94, MEAN, [](tile& t, uint32_t s) { ground(t, SOIL, s); for (int y = 0; y < TILE; y += 5) for (int x = 0; x < TILE; x += 2) lump(t, x, y + 2.5f, 2.1f, LEAVES, s + x * 16 + y, 0.8f, 0.1f); }},
        {95, MEAN, [](tile& t, uint32_t s) { grassy(t, s); lumps(t, LEAVES, 4, 2, 2.6f, s + 1); speckles(t, {rgb(0xc01a3a), rgb(0x3a1a6a)}, 10, s + 2); }},

        // Woods of other kinds.
        {96, MEAN, [](tile& t, uint32_t s) { fillrect(t, 0, 0, TILE, TILE, rgb(0x2a4a1e)); crowns(t, shades({0x3a6a28, 0x4e8434, 0x66a040, 0x84bc58, 0xa6d47a}), 3, 3.4f, s); speckles(t, {rgb(0xf0f0ea), rgb(0x202020)}, 5, s + 1); }},
        {97, MEAN, [](tile& t, uint32_t s) { fillrect(t, 0, 0, TILE, TILE, rgb(0x3a2414)); crowns(t, shades({0x7a3a10, 0x9a4e16, 0xbc6a1e, 0xdc8a2c, 0xf0aa48}), 3, 3.6f, s); }},
        {98, MEAN, [](tile& t, uint32_t s) { fillrect(t, 0, 0, TILE, TILE, rgb(0x301410)); crowns(t, shades({0x6a1410, 0x8a1e16, 0xaa2c1e, 0xc8402a, 0xe05c3c}), 3, 3.6f, s); }},
        {99, MEAN, [](tile& t, uint32_t s) { fillrect(t, 0, 0, TILE, TILE, rgb(0x3a3010)); crowns(t, shades({0x8a7010, 0xaa8e18, 0xccae24, 0xe6ca3a, 0xf6e070}), 3, 3.6f, s); }},
        {100, MEAN, [](tile& t, uint32_t s) {
             ground(t, DUST, s);
             for (int i = 0; i < 3; i++) {
                 int x = 3 + i * 5, y = 3 + (i * 7) % 11;
                 for (int k = -3; k <= 3; k++) { t.wrapped(x + k, y + k / 2) = rgb(0x3a3430); t.wrapped(x + k / 2, y - k) = rgb(0x4a433e); }
                 t.wrapped(x, y) = rgb(0x6a625a);
             }
         }},
        {101, MEAN, [](tile& t, uint32_t s) { ground(t, shades({0x2a2416, 0x3a301c, 0x4a3c24}), s); conifers(t, PINE, 6, 3.4f, s + 1); }},
        {102, MEAN, [](tile& t, uint32_t s) { grassy(t, s); lump(t, 4.5f, 5, 3.8f, LEAVES, s + 1, 0.55f, 0.25f); lump(t, 12, 12, 3.2f, LEAVES, s + 2, 0.55f, 0.25f); }},
        {103, MEAN, [](tile& t, uint32_t s) { ground(t, STEPPE, s); lumps(t, shades({0x3a4a1e, 0x4e6228, 0x667c34, 0x7e9444}), 6, 1.2f, 2.0f, s + 1); }},
        {104, MEAN, [](tile& t, uint32_t s) { grassy(t, s); for (int i = 0; i < 8; i++) lump(t, 8 + 8 * std::cos(i * 0.785f), 8 + 8 * std::sin(i * 0.785f), 3.2f, LEAVES, s + i, 0.55f, 0.25f); }},
        {105, MEAN, [](tile& t, uint32_t s) {
             fillrect(t, 0, 0, TILE, TILE, rgb(0x1e3a16));
             for (int i = 0; i < 6; i++) {
                 int x = randomint(s, i, TILE), y = randomint(s, i + 20, TILE);
                 for (int k = 0; k < 5; k++) { t.wrapped(x + k, y - k) = rgb(0x4a8a2e); t.wrapped(x + k + 1, y - k) = rgb(0x6aaa3e); t.wrapped(x + k - 1, y - k + 1) = rgb(0x2e6420); }
             }
         }},
        {106, MEAN, [](tile& t, uint32_t s) {
             ground(t, EARTH, s);
             tufts(t, GRASS[1], GRASS[3], 3, s + 1);
             for (int i = 0; i < 3; i++) { float x = 3.5f + i * 4.5f, y = 4 + (i * 5) % 10; lump(t, x, y, 2, WOOD, s + i, 0.6f); t.wrapped((int)x, (int)y) = rgb(0xc8a070); }
         }},
        {107, MEAN, [](tile& t, uint32_t s) {
             ground(t, SAND, s, 3, 0.6f);
             for (int i = 0; i < 2; i++) {
                 int cx = 4 + i * 8, cy = 5 + i * 6;
                 for (int a = 0; a < 6; a++)
                     for (int r = 0; r < 5; r++) t.wrapped(cx + (int)std::lround(r * std::cos(a * 1.047f)), cy + (int)std::lround(r * std::sin(a * 1.047f))) = r < 3 ? rgb(0x3a8a2a) : rgb(0x5aaa3a);
                 t.wrapped(cx, cy) = rgb(0x6a4a2a);
             }
         }},
        {108, MEAN, [](tile& t, uint32_t s) { ground(t, shades({0x3a5a1a, 0x4a6e22}), s); for (int x = 1; x < TILE; x += 3) for (int y = 0; y < TILE; y++) t.at(x, y) = (y + x) % 5 == 0 ? rgb(0x5a7a2a) : rgb(0x8ab84a); }},
        {109, MEAN, [](tile& t, uint32_t s) { ground(t, shades({0x2a3a2a, 0x3a4a34}), s); lumps(t, shades({0x4a1a5a, 0x6a2a7a, 0x8a3e9a, 0xb05ac0}), 4, 2.2f, 3.0f, s + 1); speckles(t, {rgb(0xf0e8f0)}, 6, s + 2); }},
        {110, MEAN, [](tile& t, uint32_t s) { grassy(t, s); crowns(t, shades({0xb05a7a, 0xcc7496, 0xe294b0, 0xf2b8cc, 0xfcd8e4}), 2, 4.2f, s + 1); }},
        {111, MEAN, [](tile& t, uint32_t s) { grassy(t, s); crowns(t, shades({0x5a7a2a, 0x72923a, 0x8caa4a, 0xa8c260, 0xc2d880}), 2, 4.6f, s + 1); furrows(t, rgb(0x5a7a2a), rgb(0xb8d070), 3, true); }},

        // Snow and ice.
        {112, MEAN, [](tile& t, uint32_t s) { ground(t, SNOW, s, 3, 0.7f, 0.1f); lumps(t, ROCK, 3, 1.2f, 2.0f, s + 1); }},
        {113, MEAN, [](tile& t, uint32_t) {
             for (int y = 0; y < TILE; y++)
                 for (int x = 0; x < TILE; x++) t.at(x, y) = SNOW.at(0.55f + 0.45f * std::sin((x + 3 * std::sin(y * 0.3927f)) * 0.785f), x, y);
            
         }},
        {114, MEAN, [](tile& t, uint32_t s) { ground(t, SNOW, s, 3, 0.6f, 0.1f); conifers(t, PINE, 1, 5.0f, s + 3, true); }},
        {115, MEAN, [](tile& t, uint32_t s) { ground(t, SNOW, s, 3, 0.6f, 0.1f); lump(t, 8, 8, 5.5f, ICE, s + 1, 0.9f, 0.2f); cracks(t, rgb(0xf8fcff), 1, 5, s + 2); }},
        {116, MEAN, [](tile& t, uint32_t s) { ground(t, shades({0x6a9ab8, 0x7eaecb, 0x94c2dc}), s, 2, 0.6f); cracks(t, rgb(0xe8f4fa), 3, 8, s + 1); }},
        {117, MEAN, [](tile& t, uint32_t s) { ground(t, GLACIER, s, 3, 0.6f); for (int i = 0; i < 4; i++) block(t, randomint(s, i, 12), randomint(s, i + 9, 12), 4, 3, ICE, s + i); }},
        {118, MEAN, [](tile& t, uint32_t s) { ground(t, SNOW, s, 3, 0.6f, 0.1f); for (int y = 0; y < TILE; y += 4) { t.at(6, y) = SNOW[0]; t.at(6, y + 1) = SNOW[0]; t.at(9, y + 2) = SNOW[0]; t.at(9, y + 3) = SNOW[0]; } }},
        {119, MEAN, [](tile& t, uint32_t s) { ground(t, SNOW, s, 3, 0.6f); tufts(t, TUNDRA[1], TUNDRA[3], 6, s + 1); }},
        {120, MEAN, [](tile& t, uint32_t s) { cobbles(t, TUNDRA, rgb(0xc8d0d8), 2, s, false, 0.6f); }},
        {121, MEAN, [](tile& t, uint32_t s) { ground(t, shades({0x4a2a4a, 0x5e365c, 0x744470, 0x8a5486}), s, 5); speckles(t, {rgb(0xe8eef4), rgb(0xc8d4e0)}, 20, s + 1); }},
        {122, MEAN, [](tile& t, uint32_t s) { ground(t, SNOW, s, 3, 0.6f, 0.1f); for (int k = 0; k < 8; k++) t.wrapped(2 + k * 2, 3 + k + (k & 1)) = SNOW[0]; }},
        {123, MEAN, [](tile& t, uint32_t s) { ground(t, GLACIER, s, 3, 0.6f, 0.2f); for (int y = 0; y < TILE; y++) { int c = 7 + (int)(2 * std::sin(y * 0.3927f)); fillrect(t, c, y, 3, 1, rgb(0x143c66)); t.at(c - 1, y) = rgb(0xeaf6fc); } }},
        {124, MEAN, [](tile& t, uint32_t s) { ground(t, SNOW, s, 4, 0.5f); lumps(t, ROCK, 10, 0.7f, 1.2f, s + 1); }},
        {125, MEAN, [](tile& t, uint32_t s) {
             ground(t, SNOW, s, 3, 0.6f, 0.1f);
             lump(t, 8, 9, 4, SNOW, s + 1, 0.8f);
             lump(t, 8, 8, 2.5f, SNOW, s + 2, 0.85f);
             t.at(7, 7) = rgb(0x202020); t.at(9, 7) = rgb(0x202020); t.at(8, 8) = rgb(0xf08020);
         }},
        {126, MEAN, [](tile& t, uint32_t s) { bricks(t, ICE, rgb(0x8ab8d0), 8, 4, s); }},
        {127, MEAN, [](tile& t, uint32_t s) {
             ground(t, SNOW, s, 3, 0.6f, 0.1f);
             for (int k = 0; k < 9; k++) { t.at(3 + k, 6 + k / 3) = rgb(0xf0e6c8); t.at(3 + k, 7 + k / 3) = rgb(0xb8ac90); t.at(4 + k, 11 - k / 3) = rgb(0xe8dcbc); }
         }},

        // Rock and mountain.
        {128, MEAN, [](tile& t, uint32_t s) { ground(t, GRAVEL, s, 5, 0.6f); lump(t, 5, 5, 3.5f, ROCK, s + 1, 0.6f, 0.15f); lump(t, 12, 11, 3, ROCK, s + 2, 0.6f, 0.15f); }},
        {129, MEAN, [](tile& t, uint32_t s) { ground(t, ROCK, s, 6, 0.5f); lumps(t, ROCK, 16, 0.6f, 1.2f, s + 1, 0.75f); }},
        {130, MEAN, [](tile& t, uint32_t s) { cobbles(t, DARKROCK, rgb(0x100e0c), 2, s, false, 0.6f); for (int x = 0; x < TILE; x++) { int e = 9 + (int)(1.5f * std::sin(x * 0.785f)); shaderect(t, x, e, 1, TILE - e, 0.45f); t.at(x, e - 1) = DARKROCK[4]; } }},
        {131, MEAN, [](tile& t, uint32_t s) { cobbles(t, ROCK, ROCK[0], 3, s, false, 0.6f); speckles(t, {rgb(0x4a7a2a), rgb(0x6a9a3a), rgb(0x3a6a22)}, 30, s + 1); }},
        {132, MEAN, [](tile& t, uint32_t s) { ground(t, shades({0x9a7a78, 0xb08e8a, 0xc4a29c, 0xd6b8b0}), s, 6); speckles(t, {rgb(0x2a2424), rgb(0xf0e8e4), rgb(0x7a6a68)}, 30, s + 1); }},
        {133, MEAN, [](tile& t, uint32_t s) { ground(t, shades({0xd8d6d2, 0xe6e4e0, 0xf2f0ec}), s, 3, 0.5f); cracks(t, rgb(0x8a8e96), 2, 10, s + 1); }},
        {134, MEAN, [](tile& t, uint32_t s) { for (int y = 0; y < TILE; y++) for (int x = 0; x < TILE; x++) t.at(x, y) = shades({0xa0542a, 0xbc6a34, 0xd08444, 0xe0a060, 0xc87840})[(int)(y + 1.5f * std::sin(x * 0.4f) + 4 * latticenoise(s, x / 8.0f, y / 8.0f, 2, 2) + 8) / 3 % 5]; }},
        {135, MEAN, [](tile& t, uint32_t s) { cobbles(t, shades({0xa8a69c, 0xbab8ae, 0xcac8be, 0xd8d6cc}), rgb(0x3a3a34), 2, s, false, 1.3f); }},
        {136, MEAN, [](tile& t, uint32_t s) { ground(t, ROCK, s, 5, 0.6f); for (int i = 0; i < 3; i++) lump(t, 5 + i * 3.0f, 6 + (i % 2) * 4.0f, 1.8f, shades({0x4a1a6a, 0x6a2a9a, 0x9a4ac8, 0xc890f0}), s + i, 0.6f); }},
        {137, MEAN, [](tile& t, uint32_t s) { cobbles(t, ROCK, ROCK[0], 3, s, false, 0.6f); cracks(t, rgb(0x3ab08a), 2, 9, s + 1, rgb(0x2a7a5a)); }},
        {138, MEAN, [](tile& t, uint32_t s) { cobbles(t, ROCK, ROCK[0], 3, s, false, 0.6f); speckles(t, {rgb(0x9a4a1a), rgb(0xb85a24), rgb(0x6a2a10)}, 26, s + 1); }},
        {139, MEAN, [](tile& t, uint32_t s) { cobbles(t, DARKROCK, DARKROCK[0], 3, s, false, 0.6f); cracks(t, rgb(0xf8d038), 2, 8, s + 1, rgb(0x9a7a20)); }},
        {140, MEAN, [](tile& t, uint32_t s) { ground(t, ROCK, s, 5, 0.6f); for (int y = 6; y < 10; y++) for (int x = 0; x < TILE; x++) t.at(x, y) = random01(s, x, y) < 0.15f ? rgb(0x5a5a64) : rgb(0x141416); }},
        {141, MEAN, [](tile& t, uint32_t s) { cobbles(t, DARKROCK, rgb(0x100e0c), 2, s, false, 0.6f); lump(t, 8, 8, 4.5f, shades({0x020202, 0x0a0908, 0x14110f}), s + 1, 1.0f, 0.2f); }},
        {142, MEAN, [](tile& t, uint32_t s) { ground(t, GRAVEL, s, 6, 0.5f); block(t, 1, 1, 6, 5, PLAZA, s + 1); block(t, 8, 2, 6, 4, PLAZA, s + 2); block(t, 3, 9, 8, 5, PLAZA, s + 3); }},
        {143, MEAN, [](tile& t, uint32_t s) { grassy(t, s); block(t, 6, 5, 4, 6, ROCK, s + 1); shaderect(t, 10, 8, 4, 4, 0.7f); }},

        // Ruins and settlements.
        {144, MEAN, [](tile& t, uint32_t s) { ground(t, DUST, s); lump(t, 4.5f, 4.5f, 2.6f, RUINSTONE, s + 1, 0.6f); lump(t, 11.5f, 11.5f, 2.6f, RUINSTONE, s + 2, 0.6f); for (int k = 0; k < 5; k++) block(t, 8 + k, 2 + k / 2, 2, 2, RUINSTONE, s + k); }},
        {145, MEAN, [](tile& t, uint32_t s) { ground(t, DUST, s); lumps(t, RUINSTONE, 10, 0.9f, 1.8f, s + 1); }},
        {146, MEAN, [](tile& t, uint32_t s) {
             glazed(t, rgb(0x3a70a0), rgb(0xd0b070), rgb(0x8a7a66), 4);
             for (int y = 0; y < TILE; y++) for (int x = 0; x < TILE; x++) if (latticenoise(s, x / 4.0f, y / 4.0f, 4, 4) < 0.42f) t.at(x, y) = DUST.at(0.5f, x, y);
         }},
        {147, MEAN, [](tile& t, uint32_t s) { grassy(t, s); block(t, 2, 6, 12, 4, RUINSTONE, s + 1); lump(t, 12, 8, 2.2f, RUINSTONE, s + 2, 0.6f); }},
        {148, MEAN, [](tile& t, uint32_t s) { ground(t, DUST, s); wall(t, s, true, 0, 11); wall(t, s + 1, true, 14, 16); speckles(t, {RUINSTONE[2]}, 6, s + 2); }},
        {149, MEAN, [](tile& t, uint32_t s) { ground(t, DUST, s); wall(t, s, false, 5, 16); wall(t, s + 1, true, 0, 5); }},
        {150, MEAN, [](tile& t, uint32_t s) { ground(t, DUST, s); block(t, 2, 5, 4, 5, RUINSTONE, s + 1); block(t, 10, 5, 4, 5, RUINSTONE, s + 2); }},
        {151, MEAN, [](tile& t, uint32_t s) { ground(t, DUST, s); wall(t, s, false, 0, 16); speckles(t, {LEAVES[2], LEAVES[3], LEAVES[4], GRASS[2]}, 34, s + 1); }},
        {152, MEAN, [](tile& t, uint32_t) { for (int y = 0; y < TILE; y++) for (int x = 0; x < TILE; x++) t.at(x, y) = PLAZA.at(0.9f - (y % 4) * 0.25f, x, y); }},
        {153, MEAN, [](tile& t, uint32_t s) { ground(t, PLAZA, s, 4, 0.5f); lump(t, 8, 8, 5, RUINSTONE, s + 1, 0.6f); lump(t, 8, 8, 3, shades({0x0a1424, 0x14243a, 0x1e3450}), s + 2, 1.0f); }},
        {154, MEAN, [](tile& t, uint32_t s) {
             ground(t, EARTH, s);
             for (int i = 0; i < 8; i++) lump(t, 8 + 4 * std::cos(i * 0.785f), 8 + 4 * std::sin(i * 0.785f), 1.1f, ROCK, s + i, 0.8f);
             lump(t, 8, 8, 2.4f, shades({0xa02a0a, 0xe0601a, 0xffa030, 0xffe080}), s + 9, 1.0f);
         }},
        {155, MEAN, [](tile& t, uint32_t s) { grassy(t, s); for (int i = 0; i < 4; i++) { block(t, 2 + (i % 2) * 7, 1 + (i / 2) * 8, 3, 2, ROCK, s + i); fillrect(t, 2 + (i % 2) * 7, 4 + (i / 2) * 8, 3, 3, EARTH[2]); } }},
        {156, MEAN, [](tile& t, uint32_t s) { cobbles(t, PLAZA, rgb(0x4a4540), 3, s); block(t, 4, 5, 8, 6, RUINSTONE, s + 1); speckles(t, {rgb(0x8a1a1a)}, 2, s + 2); }},
        {157, MEAN, [](tile& t, uint32_t s) { ground(t, DUST, s); lumps(t, shades({0x7a3a1e, 0x9a4e2a, 0xb86a3c, 0xd08a58}), 5, 1.0f, 2.0f, s + 1); }},
        {158, MEAN, [](tile& t, uint32_t s) {
             cobbles(t, PLAZA, rgb(0x4a4540), 4, s);
             static const uint32_t awnings[] = {0xc83a2a, 0x3a7ac8, 0xe8b83a};
             for (int i = 0; i < 3; i++) for (int y = 1 + i * 5; y < 5 + i * 5; y++) for (int x = 1; x < 15; x++) t.at(x, y) = ((x / 2) & 1) ? rgb(awnings[i]) : rgb(0xf0ece0);
         }},
        {159, MEAN, [](tile& t, uint32_t s) { ground(t, DUST, s); for (int i = 0; i < 12; i++) block(t, 7 + (int)(5.5f * std::cos(i * 0.5236f)), 7 + (int)(5.5f * std::sin(i * 0.5236f)), 2, 2, RUINSTONE, s + i); }},

        // Shores and wetlands.
        {160, MEAN, [](tile& t, uint32_t s) { ground(t, WETSAND, s); lumps(t, GRAVEL, 12, 0.8f, 1.4f, s + 1, 0.75f); }},
        {161, MEAN, [](tile& t, uint32_t s) { ground(t, SAND, s, 3, 0.6f); speckles(t, {rgb(0xf4e8e0), rgb(0xe8b8a8), rgb(0xfaf4ee)}, 10, s + 1); }},
        {162, MEAN, [](tile& t, uint32_t s) { ground(t, MUD, s); for (int i = 0; i < 9; i++) { int x = randomint(s, i, TILE), y = randomint(s, i + 30, TILE); for (int k = 0; k < 4; k++) t.wrapped(x + k / 3, y - k) = k == 3 ? rgb(0x7a5a2a) : rgb(0x6a8a3a); } }},
        {163, MEAN, [](tile& t, uint32_t s) { ground(t, WETSAND, s, 3, 0.6f); furrows(t, WETSAND[0], WETSAND[4], 3, false); }},
        {164, MEAN, [](tile& t, uint32_t s) { cobbles(t, ROCK, ROCK[0], 3, s); speckles(t, {rgb(0x2a4a1a), rgb(0x3a5e22), rgb(0x5a4a1a)}, 30, s + 1); }},
        {165, MEAN, [](tile& t, uint32_t s) { ground(t, SAND, s, 3, 0.6f); for (int k = 0; k < 12; k++) { t.at(2 + k, 5 + k / 3) = rgb(0xb8a890); t.at(2 + k, 6 + k / 3) = rgb(0x8a7a64); } }},
        {166, MEAN, [](tile& t, uint32_t s) { cobbles(t, ROCK, ROCK[0], 2, s); lump(t, 8, 8, 3, COLDWATER, s + 1, 0.9f, 0.3f); speckles(t, {rgb(0xe05a2a)}, 2, s + 2); }},
        {167, MEAN, [](tile& t, uint32_t s) { ground(t, MUD, s); for (int i = 0; i < 4; i++) { int x = randomint(s, i, TILE), y = randomint(s, i + 9, TILE); for (int k = -3; k <= 3; k++) { t.wrapped(x + k, y + std::abs(k)) = rgb(0x5a4028); t.wrapped(x + k, y + std::abs(k) + 1) = rgb(0x3a2818); } } crowns(t, LEAVES, 1, 3, s + 1); }},
        {168, MEAN, [](tile& t, uint32_t s) { ground(t, shades({0x5a6a2a, 0x728236, 0x8c9a44, 0xa4b056, 0xc2a040}), s, 6); speckles(t, {rgb(0xa03a2a)}, 8, s + 1); }},
        {169, MEAN, [](tile& t, uint32_t s) { ground(t, shades({0x1e140e, 0x2a1c12, 0x362418}), s); for (int i = 0; i < 3; i++) block(t, 1 + i * 5, 3 + (i % 2) * 5, 3, 5, shades({0x3a2818, 0x4a3420, 0x5e442a}), s + i); }},
        {170, MEAN, [](tile& t, uint32_t s) { ground(t, SWAMP, s); tufts(t, rgb(0x4a6a2a), rgb(0x8aa24a), 10, s + 1); }},
        {171, MEAN, [](tile& t, uint32_t s) { ground(t, SWAMP, s); for (int i = 0; i < 7; i++) { int x = randomint(s, i, TILE), y = randomint(s, i + 40, TILE); t.wrapped(x, y) = rgb(0x5a3a1a); t.wrapped(x, y + 1) = rgb(0x5a3a1a); t.wrapped(x + 1, y + 2) = rgb(0x6a8a3a); } }},
        {172, MEAN, [](tile& t, uint32_t s) { ground(t, shades({0x8a7460, 0x9a8470, 0xaa9480}), s, 3, 0.6f); lumps(t, shades({0x6a5a4a, 0x7a6a5a}), 3, 1.6f, 2.2f, s + 1, 0.85f); }},
        {173, MEAN, [](tile& t, uint32_t s) { ground(t, shades({0x9a6a4a, 0xac7a56, 0xbe8c64, 0xcc9c74}), s, 3, 0.6f); speckles(t, {rgb(0x8a5a3a)}, 8, s + 1); }},
        {174, MEAN, [](tile& t, uint32_t s) { cobbles(t, shades({0x8a7a62, 0x9c8c72, 0xae9e82}), rgb(0x4a3e30), 4, s, false, 0.6f); }},
        {175, MEAN, [](tile& t, uint32_t s) { ground(t, WETSAND, s, 3, 0.6f, 0.1f); for (int k = 0; k < 5; k++) { int x = 3 + k * 2, y = 12 - k * 2; t.at(x, y) = WETSAND[0]; t.at(x - 1, y - 1) = WETSAND[0]; t.at(x + 1, y - 1) = WETSAND[0]; } }},

        // Jungle and savanna.
        {176, MEAN, [](tile& t, uint32_t s) { fillrect(t, 0, 0, TILE, TILE, rgb(0x0e3a14)); crowns(t, shades({0x1a6a2a, 0x248238, 0x349a44, 0x4ab252, 0x6ac864}), 3, 3.8f, s, 0.5f); }},
        {177, MEAN, [](tile& t, uint32_t s) { fillrect(t, 0, 0, TILE, TILE, rgb(0x062b0e)); crowns(t, JUNGLE, 4, 3.1f, s, 0.5f); flowers(t, rgb(0xf03a5a), rgb(0xf8e050), 4, s + 1); }},
        {178, MEAN, [](tile& t, uint32_t s) { cobbles(t, RUINSTONE, rgb(0x4a4236), 3, s); cracks(t, rgb(0x2a7a2a), 3, 9, s + 1, rgb(0x1a5a1a)); }},
        {179, MEAN, [](tile& t, uint32_t s) { ground(t, GRASS, s); for (int i = 0; i < 2; i++) { int cx = 4 + i * 8, cy = 4 + i * 8; for (int a = 0; a < 7; a++) for (int r = 0; r < 6; r++) t.wrapped(cx + (int)std::lround(r * std::cos(a * 0.897f)), cy + (int)std::lround(r * std::sin(a * 0.897f))) = r < 4 ? rgb(0x2a7a1a) : rgb(0x4a9a2a); } }},
        {180, MEAN, [](tile& t, uint32_t s) { fillrect(t, 0, 0, TILE, TILE, rgb(0x0a2a10)); for (int i = 0; i < 4; i++) lump(t, 4 + (i % 2) * 8, 4 + (i / 2) * 8, 3.6f, shades({0x1a6a22, 0x2a8a30, 0x3aa840}), s + i, 0.5f, 0.3f); furrows(t, rgb(0x0a3a12), rgb(0x4ab850), 4, true, 2); }},
        {181, MEAN, [](tile& t, uint32_t s) { ground(t, shades({0x3a2a14, 0x4e3a1a, 0x624a22, 0x7a5e2c}), s, 6); speckles(t, {rgb(0x9a6a2a), rgb(0x6a7a2a), rgb(0xb07a3a)}, 24, s + 1); }},
        {182, MEAN, [](tile& t, uint32_t s) { ground(t, GRASS, s); for (int i = 0; i < 2; i++) lump(t, 4 + i * 8, 5 + i * 6, 3.6f, shades({0x4a8a1a, 0x6aa82a, 0x8ac43a}), s + i, 0.6f, 0.4f); speckles(t, {rgb(0xe8d040)}, 3, s + 3); }},
        {183, MEAN, [](tile& t, uint32_t s) { fillrect(t, 0, 0, TILE, TILE, rgb(0x062b0e)); crowns(t, JUNGLE, 3, 3.4f, s, 0.5f); flowers(t, rgb(0xe8a0e8), rgb(0xfaf0fa), 4, s + 1); }},
        {184, MEAN, [](tile& t, uint32_t s) { ground(t, shades({0x1a4a1a, 0x245a22}), s); for (int i = 0; i < 4; i++) lump(t, randomint(s, i, TILE), randomint(s, i + 5, TILE), 2.4f, shades({0x8a1a1a, 0xb02a2a, 0xd84a3a}), s + i, 0.6f, 0.3f); }},
        {185, MEAN, [](tile& t, uint32_t s) { ground(t, MUD, s, 3); tufts(t, JUNGLE[1], JUNGLE[3], 4, s + 1); speckles(t, {rgb(0x8a7560)}, 5, s + 2); }},
        {186, MEAN, [](tile& t, uint32_t s) { ground(t, STEPPE, s); lump(t, 6, 6, 3, shades({0x7a4a2a, 0x9a5e34, 0xba7644, 0xd49058}), s + 1, 0.6f); lump(t, 12, 12, 2, shades({0x7a4a2a, 0x9a5e34, 0xba7644, 0xd49058}), s + 2, 0.6f); }},
        {187, MEAN, [](tile& t, uint32_t s) { ground(t, shades({0xa08a3a, 0xb89e44, 0xcdb252, 0xdec462}), s, 4); tufts(t, rgb(0x8a7430), rgb(0xe8d070), 8, s + 1); }},
        {188, MEAN, [](tile& t, uint32_t s) { ground(t, STEPPE, s); lump(t, 8, 7, 5.5f, shades({0x2a4a1a, 0x3a5e22, 0x4e742c, 0x648a38}), s + 1, 0.55f, 0.1f); }},
        {189, MEAN, [](tile& t, uint32_t s) { ground(t, STEPPE, s); lump(t, 8, 8, 3.2f, shades({0x6a5a4a, 0x8a7864, 0xa8957e}), s + 1, 0.55f); crowns(t, shades({0x4a6a22, 0x5e7e2a}), 2, 1.5f, s + 2); }},
        {190, MEAN, [](tile& t, uint32_t s) { ground(t, shades({0x8a3a1a, 0x9e4622, 0xb2542a, 0xc46434}), s, 5); speckles(t, {rgb(0x6a2a12)}, 8, s + 1); }},
        {191, MEAN, [](tile& t, uint32_t s) { ground(t, DUST, s); for (int i = 0; i < 3; i++) { int x = 3 + i * 5, y = 3 + (i * 7) % 10; lump(t, x, y, 1.6f, shades({0x2a5a2a, 0x3a7a3a, 0x5a9a4a}), s + i, 0.6f); t.wrapped(x, y) = rgb(0xf0d050); } }},

        // Deserts.
        {192, MEAN, [](tile& t, uint32_t s) { ground(t, SAND, s); for (int y = 3; y < 13; y++) t.at(8, y) = rgb(0x3a7a3a); for (int y = 5; y < 8; y++) { t.at(5, y) = rgb(0x3a7a3a); t.at(11, y + 2) = rgb(0x3a7a3a); } fillrect(t, 5, 8, 3, 1, rgb(0x2a5a2a)); fillrect(t, 9, 10, 3, 1, rgb(0x2a5a2a)); shaderect(t, 9, 4, 1, 9, 0.75f); }},
        {193, MEAN, [](tile& t, uint32_t s) { ground(t, SAND, s); lumps(t, shades({0x8a5a3a, 0xa46e46, 0xbe8454, 0xd49c68}), 4, 1.4f, 2.6f, s + 1); }},
        {194, MEAN, [](tile& t, uint32_t s) { ground(t, shades({0xb0582e, 0xc46836, 0xd47a42, 0xe28e52, 0xeea466}), s, 3, 0.8f); }},
        {195, MEAN, [](tile& t, uint32_t s) { ground(t, SAND, s, 3, 0.5f); furrows(t, SAND[0], SAND[4], 2, false); }},
        {196, MEAN, [](tile& t, uint32_t s) { ground(t, SAND, s, 3, 0.5f, -0.2f); lumps(t, shades({0x3a2e26, 0x4e4034, 0x625244}), 14, 0.6f, 1.0f, s + 1, 0.8f); }},
        {197, MEAN, [](tile& t, uint32_t s) { ground(t, SAND, s); cobbles(t, shades({0xa05a2e, 0xb86c38, 0xcc8044}), rgb(0x6a3a1e), 2, s + 1); for (int i = 0; i < 3; i++) lump(t, 2 + i * 6, 13, 1.5f, SAND, s + i, 0.9f); }},
        {198, MEAN, [](tile& t, uint32_t s) { ground(t, SAND, s); lump(t, 8, 8, 3, shades({0xb8b0a0, 0xd8d0c0, 0xf4eee2}), s + 1, 0.7f); t.at(7, 8) = rgb(0x2a2420); t.at(9, 8) = rgb(0x2a2420); t.at(8, 10) = rgb(0x4a4238); }},
        {199, MEAN, [](tile& t, uint32_t s) { ground(t, SAND, s); lump(t, 8, 8, 4.5f, GRASS, s + 1, 0.85f, 0.3f); tufts(t, GRASS[1], GRASS[4], 3, s + 2); }},
        {200, MEAN, [](tile& t, uint32_t s) { ground(t, DUST, s); for (int i = 0; i < 3; i++) lump(t, 3 + i * 5.0f, 4 + (i * 9) % 11, 2.0f, shades({0x6a5430, 0x8a7040, 0xa88c54}), s + i, 0.6f, 0.5f); }},
        {201, MEAN, [](tile& t, uint32_t s) { cobbles(t, shades({0xc2a27a, 0xd0b088, 0xdcbe98}), rgb(0x7a6046), 3, s, false, 0.6f); }},
        {202, MEAN, [](tile& t, uint32_t s) { ground(t, SALT, s, 4, 0.5f); for (int i = 0; i < 6; i++) block(t, randomint(s, i, 14), randomint(s, i + 11, 14), 2, 2, shades({0xc8c4d0, 0xe8e4f0, 0xffffff}), s + i); }},
        {203, MEAN, [](tile& t, uint32_t) { for (int y = 0; y < TILE; y++) for (int x = 0; x < TILE; x++) t.at(x, y) = SALT.at(0.6f + 0.4f * std::sin((y + 2 * std::sin(x * 0.3927f)) * 0.785f), x, y); }},
        {204, MEAN, [](tile& t, uint32_t s) { for (int y = 0; y < TILE; y++) for (int x = 0; x < TILE; x++) t.at(x, y) = shades({0x8a3a22, 0xa44a2a, 0xbe6036, 0xd67a46, 0xb05030})[(int)(y / 3 + latticenoise(s, x / 4.0f, y / 4.0f, 4, 4) * 1.5f) % 5]; }},
        {205, MEAN, [](tile& t, uint32_t s) { ground(t, SAND, s, 3, 0.5f); for (int y = 1; y < TILE; y += 3) { t.at(6 + (y & 2), y) = SAND[0]; t.at(10 - (y & 2), y + 1) = SAND[0]; } }},
        {206, MEAN, [](tile& t, uint32_t s) { ground(t, SAND, s); flowers(t, rgb(0xe85a9a), rgb(0xf8e860), 3, s + 1); flowers(t, rgb(0xf8a030), rgb(0xfaf0c0), 2, s + 2); }},
        {207, MEAN, [](tile& t, uint32_t s) { ground(t, shades({0x1e1c1e, 0x2a272a, 0x363236, 0x443f43}), s, 3, 0.8f); speckles(t, {rgb(0x6a6470)}, 10, s + 1); }},

        // Built ground.
        {208, MEAN, [](tile& t, uint32_t s) { planks(t, shades({0x24160c, 0x321f12, 0x422a18, 0x52361f}), false, 4, s); }},
        {209, MEAN, [](tile& t, uint32_t s) { planks(t, shades({0x8a6a44, 0xa48052, 0xbc9662, 0xd2ac76}), true, 4, s); }},
        {210, MEAN, [](tile& t, uint32_t s) { tile other = blanktile(); planks(t, WOOD, true, 2, s); planks(other, WOOD, false, 2, s + 1); for (int y = 0; y < TILE; y++) for (int x = 0; x < TILE; x++) if (((x / 8) + (y / 8)) & 1) t.at(x, y) = other.at(x, y); }},
        {211, MEAN, [](tile& t, uint32_t s) { fillrect(t, 0, 0, TILE, TILE, rgb(0x8a1a22)); fillrect(t, 2, 2, 12, 12, rgb(0xa8242c)); fillrect(t, 3, 3, 10, 10, rgb(0x8a1a22)); speckles(t, {rgb(0xe8b840)}, 8, s); }},
        {212, MEAN, [](tile& t, uint32_t) { fillrect(t, 0, 0, TILE, TILE, rgb(0x1a2a6a)); fillrect(t, 2, 2, 12, 12, rgb(0x2a3e8a)); for (int k = 4; k < 12; k++) { t.at(k, k) = rgb(0xe8d8a0); t.at(15 - k, k) = rgb(0xe8d8a0); } }},
        {213, MEAN, [](tile& t, uint32_t s) { ground(t, STEPPE, s, 6, 0.5f); for (int i = 0; i < 4; i++) { int x = 1 + (i % 2) * 8, y = 1 + (i / 2) * 8; block(t, x, y, 6, 5, shades({0xa08030, 0xc4a040, 0xe0c060, 0xf0d888}), s + i); furrows(t, rgb(0xa08030), rgb(0xf0d888), 2, true); } }},
        {214, MEAN, [](tile& t, uint32_t s) { ground(t, PLAZA, s, 4, 0.5f); for (int i = 0; i < 3; i++) { int x = 1 + i * 5, y = 2 + (i % 2) * 6; block(t, x, y, 5, 5, WOOD, s + i); t.at(x + 1, y + 1) = WOOD[0]; t.at(x + 3, y + 3) = WOOD[0]; t.at(x + 2, y + 2) = WOOD[0]; } }},
        {215, MEAN, [](tile& t, uint32_t s) { ground(t, PLAZA, s, 4, 0.5f); for (int i = 0; i < 4; i++) { float x = 4.5f + (i % 2) * 7, y = 4.5f + (i / 2) * 7; lump(t, x, y, 3, WOOD, s + i, 0.6f); lump(t, x, y, 1.4f, shades({0x3a2410, 0x5a3a1e}), s + i + 9, 1.0f); } }},
        {216, MEAN, [](tile& t, uint32_t s) { grassy(t, s); for (int y = 3; y < 13; y++) for (int x = 3; x < 13; x++) t.at(x, y) = (x < 8) ? rgb(0xe8dcc0) : rgb(0xb8ac90); fillrect(t, 7, 3, 2, 10, rgb(0x8a6a40)); shaderect(t, 13, 4, 1, 10, 0.6f); shaderect(t, 4, 13, 10, 1, 0.6f); }},
        {217, MEAN, [](tile& t, uint32_t s) { bricks(t, shades({0x5a4028, 0x6e5032, 0x84603e, 0x98724a}), rgb(0x2a1e12), 3, 3, s); }},
        {218, MEAN, [](tile& t, uint32_t s) { ground(t, SOIL, s, 6, 0.6f); for (int y = 0; y < TILE; y += 6) { fillrect(t, 0, y, TILE, 1, WOOD[2]); for (int x = 1; x < TILE; x += 3) lump(t, x, y + 3, 1.2f, shades({0x2a6a22, 0x3a8a2a, 0x5aaa3a}), s + x + y, 0.8f); } }},
        {219, MEAN, [](tile& t, uint32_t s) { grassy(t, s); for (int x = 0; x < TILE; x++) { t.at(x, 6) = WOOD[3]; t.at(x, 9) = WOOD[3]; t.at(x, 10) = scalecolor(t.at(x, 10), 0.7f); } for (int x = 1; x < TILE; x += 5) { fillrect(t, x, 5, 2, 6, WOOD[1]); t.at(x, 5) = WOOD[4]; } }},
        {220, MEAN, [](tile& t, uint32_t s) { grassy(t, s); for (int x = -2; x < TILE + 2; x += 3) lump(t, x, 8, 3.2f, LEAVES, s + x + 2, 0.6f, 0.1f); }},
        {221, MEAN, [](tile& t, uint32_t s) { grassy(t, s); block(t, 3, 6, 10, 3, WOOD, s + 1); fillrect(t, 7, 9, 2, 4, WOOD[1]); fillrect(t, 11, 6, 2, 3, WOOD[3]); }},
        {222, MEAN, [](tile& t, uint32_t s) { ground(t, MUD, s, 4); for (int y = 0; y < TILE; y++) { t.at(4, y) = MUD[0]; t.at(11, y) = MUD[0]; t.at(5, y) = MUD[4]; t.at(12, y) = MUD[4]; } }},
        {223, MEAN, [](tile& t, uint32_t s) { grassy(t, s); block(t, 3, 3, 2, 8, ROCK, s + 1); block(t, 11, 3, 2, 8, ROCK, s + 2); block(t, 2, 5, 12, 4, ROCK, s + 3); }},

        // Rune ground, craters and other wonders.
        {240, MEAN, [](tile& t, uint32_t s) {
             cobbles(t, DARKROCK, rgb(0x161311), 3, s);
             for (int i = 0; i < 32; i++) t.wrapped(8 + (int)std::lround(6 * std::cos(i * 0.19635f)), 8 + (int)std::lround(6 * std::sin(i * 0.19635f))) = rgb(0x60e8f0);
             for (int k = -3; k <= 3; k++) { t.at(8 + k, 8) = rgb(0x60e8f0); t.at(8, 8 + k) = rgb(0x60e8f0); }
         }},
        {241, MEAN, [](tile& t, uint32_t s) { ground(t, shades({0x0e2a2a, 0x143a36, 0x1a4a44}), s); speckles(t, {rgb(0x7af0c8), rgb(0xc8fff0), rgb(0x3ac8a0)}, 24, s + 1); }},
        {242, MEAN, [](tile& t, uint32_t s) { ground(t, DUST, s); for (int y = 0; y < TILE; y++) for (int x = 0; x < TILE; x++) { float d = std::hypot(x - 7.5f, y - 7.5f); if (d < 6.5f) t.at(x, y) = DUST.at(0.5f + (x + y - 15) / 30.0f + (d > 5.5f ? 0.4f : 0), x, y); } }},
        {243, MEAN, [](tile& t, uint32_t s) { ground(t, ASH, s); lump(t, 8, 8, 3.5f, shades({0x1a1614, 0x2e2824, 0x4a3e36, 0x7a6a5a}), s + 1, 0.5f, 0.2f); speckles(t, {rgb(0xb07a4a)}, 4, s + 2); }},
        {244, MEAN, [](tile& t, uint32_t s) { ground(t, ROCK, s, 5, 0.6f); for (int i = 0; i < 4; i++) lump(t, 4 + (i % 2) * 7, 4 + (i / 2) * 7, 1.8f, shades({0x2a8a9a, 0x4ab8c8, 0x8ae8f0, 0xd8ffff}), s + i, 0.6f); }},
        {245, MEAN, [](tile& t, uint32_t s) {
             cobbles(t, PLAZA, rgb(0x4a4540), 4, s);
             for (int k = 0; k < 8; k++) { t.at(8 + k / 2, 4 + k) = rgb(0xd8b040); t.at(8 - k / 2, 4 + k) = rgb(0xd8b040); t.at(4 + k, 8) = rgb(0xd8b040); }
         }},

        // Bridges.
        {246, 0x5a3418, [](tile& t, uint32_t s) { bridge(t, s, true); }},
        {247, 0x5a3519, [](tile& t, uint32_t s) { bridge(t, s, false); }},
        {248, 0x5a361a, [](tile& t, uint32_t s) {
             planks(t, BRIDGEWOOD, false, 3, s);
             for (int k = 0; k < TILE; k++) { t.at(k, 0) = BRIDGEWOOD[0]; t.at(k, TILE - 1) = BRIDGEWOOD[0]; t.at(0, k) = BRIDGEWOOD[0]; t.at(TILE - 1, k) = BRIDGEWOOD[0]; }
             for (int c : {0, TILE - 2}) for (int r : {0, TILE - 2}) fillrect(t, c, r, 2, 2, BRIDGEWOOD[4]);
         }},
        {249, 0x6a4020, [](tile& t, uint32_t s) {
             fillrect(t, 0, 0, TILE, TILE, WATERSHADOW);
             tile deck = blanktile();
             planks(deck, BRIDGEWOOD, false, 2, s);
             for (int y = 0; y < TILE; y++) for (int x = 3; x < 13; x++) t.at(x, y) = deck.at(x, y);
             for (int y : {1, 8, 14}) { lump(t, 2.5f, y + 0.5f, 1.3f, WOOD, s + y, 0.8f); lump(t, 13.5f, y + 0.5f, 1.3f, WOOD, s + y + 1, 0.8f); }
         }},
        {250, 0x7a5a34, [](tile& t, uint32_t s) {
             fillrect(t, 0, 0, TILE, TILE, WATERSHADOW);
             for (int y = 0; y < TILE; y++) {
                 if (y % 3 != 2) fillrect(t, 5, y, 6, 1, BRIDGEWOOD[2 + randomint(s, y, 3)]);
                 t.at(4, y) = rgb(0xc8a870);
                 t.at(11, y) = rgb(0xc8a870);
             }
         }},

        // Liquids.
        {251, 0x4c5e34, [](tile& t, uint32_t s) {
             ripples(t, SWAMP, SWAMP[4], s);
             speckles(t, {rgb(0x7aa03a), rgb(0x5a8a2a)}, 12, s + 1);
             lump(t, 11, 5, 2, shades({0x2e6a22, 0x3e8a2c, 0x5aa83a}), s + 2, 0.8f);
         }},
        {252, 0x1a4878, [](tile& t, uint32_t s) { ripples(t, DEEP, DEEP[4], s); }},
        {253, 0x6ab8dc, [](tile& t, uint32_t s) { ripples(t, COLDWATER, rgb(0xf0fafc), s); speckles(t, {rgb(0xe8f6fa)}, 6, s + 1); }},
        {254, 0xf05a14, [](tile& t, uint32_t s) {
             for (int y = 0; y < TILE; y++)
                 for (int x = 0; x < TILE; x++) t.at(x, y) = shades({0x8a1a04, 0xc83a08, 0xf06a14, 0xffa030, 0xffd870}).at(fractalnoise(s, x, y, TILE, TILE, 3, 2) * 1.4f - 0.2f, x, y);
             for (int i = 0; i < 4; i++) lump(t, randomint(s, i, TILE), randomint(s, i + 7, TILE), 1.8f, LAVACRUST, s + i, 0.9f, 0.3f);
         }},
        {255, 0x3c7cc4, [](tile& t, uint32_t s) { ripples(t, WATER, rgb(0xc8e2f6), s); }},
    };
    // Glazed tiles of sixteen other colours: a hue wheel, each with its lighter partner.
    for (int k = 0; k < 16; k++) {
        Color base = ColorFromHSV(k * 22.5f, 0.6f, 0.75f), light = ColorFromHSV(k * 22.5f, 0.4f, 0.9f);
        int size = k % 2 ? 8 : 4;
        d.push_back({224 + k, MEAN, [base, light, size](tile& t, uint32_t) { glazed(t, base, light, rgb(0x3a3632), size); }});
    }
    return d;
}

}  // namespace

bool isroad(int id) { return (id >= 28 && id <= 31) || id == 44 || id == 45; }

static const std::vector<design>& designs()
{
    static const std::vector<design> all = [] {
        std::vector<design> list = catalogue();
        std::vector<design> byid(TILECOUNT);
        for (design& entry : list) {
            if (byid[entry.id].paint) fail("two designs for tile " + std::to_string(entry.id));
            byid[entry.id] = entry;
        }
        return byid;
    }();
    return all;
}

tile painttile(int id)
{
    const design& entry = designs()[id];
    if (!entry.paint) fail("no design for tile " + std::to_string(id));
    tile t = blanktile();
    entry.paint(t, hash((uint32_t)id, 0x711e5u));
    return t;
}

Color atlascolour(int id)
{
    const design& entry = designs()[id];
    if (entry.atlas != MEAN) return rgb(entry.atlas);
    tile t = painttile(id);
    float sum[3] = {0, 0, 0};
    for (Color c : t.pixels) {
        sum[0] += c.r;
        sum[1] += c.g;
        sum[2] += c.b;
    }
    Color mean = {(unsigned char)(sum[0] / t.pixels.size()), (unsigned char)(sum[1] / t.pixels.size()),
                  (unsigned char)(sum[2] / t.pixels.size()), 255};
    // Away from grey a little: atlas colours are clearer than the ground they stand for.
    unsigned char grey = (unsigned char)((mean.r + mean.g + mean.b) / 3);
    return mixcolor(Color{grey, grey, grey, 255}, mean, 1.25f);
}
