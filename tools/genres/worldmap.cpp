// Painted world map: the designed world of vellmoran, written as "coolworld.png".
//
// The world is painted in layers on the 1024 x 1024 grid of tile ids. Each layer places
// landscape features by hand (the tables below, in tiles: column first, row 0 at the north
// edge) and roughens them with seeded value noise, so that coasts, forests and rivers look
// grown rather than drawn:
//   climate      sea and land, and the ground by latitude: glaciers and snow in the north,
//                grass, meadows and forest in the middle, steppe, sand and salt in the south;
//   relief       mountain ranges, and the volcano with its lava, ash, basalt and steam;
//   water        lakes, the swamp, and rivers from the hills to the sea;
//   settlements  ruined towns with plazas, broken walls, floors and fields;
//   roads        straight roads between the towns, bridges where they cross water.
// The player starts at tile (512, 512), on the green of the ruined town of Vellmoran, with
// the river Vell and its bridge a dozen tiles east, a wood to the north-west, fields to the
// south, a stone circle to the west and Mirror Lake to the north-east.
#include "worldmap.h"

#include "pixelart.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

constexpr int SIDE = 1024;  // tiles per edge of the world

// Tile ids of the catalogue that the map uses.
constexpr uint8_t EARTH = 0, GRASS = 1, MEADOW = 2, FARMLAND = 3, STEPPE = 4, SCORCHED = 5;
constexpr uint8_t MIST = 6, GLACIER = 7, SNOW = 8, TUNDRA = 9, FOREST = 10, ROCK = 11, GRAVEL = 12;
constexpr uint8_t MOUNTAIN = 13, SNOWYPINES = 14, JUNGLE = 15, SALT = 16, MUD = 17, SAND = 18;
constexpr uint8_t RUINS = 19, RUINEDWALL = 20, PLAZA = 21, WOODFLOOR = 22, DUNES = 23, BEACH = 24;
constexpr uint8_t ICE = 25, ASH = 26, OBSIDIAN = 27, ROAD_NS = 28, ROAD_EW = 29, ROAD_CROSSING = 30;
constexpr uint8_t ROAD_BEND_SE = 31, ROAD_T_EWS = 44, ROAD_END = 45, BASALT = 51, BRIDGE_NS = 246;
constexpr uint8_t BRIDGE_EW = 247, BRIDGE_CROSSING = 248, JETTY = 249, ROPEBRIDGE = 250;
constexpr uint8_t SWAMPWATER = 251, DEEPWATER = 252, COLDWATER = 253, LAVA = 254, WATER = 255;
constexpr uint8_t FIRST_LIQUID = SWAMPWATER;

// Seeds of the independent noise fields.
enum seed : uint32_t {
    COASTSEED = 101, WARPSEED, LATITUDESEED, HUMIDITYSEED, DETAILSEED, RELIEFSEED, VOLCANOSEED,
    SHORESEED, MEANDERSEED, SWAMPSEED, HOUSESEED, DESERTSEED,
};

struct point {
    double c, r;  // tile column and row
};

// The grid being painted, and which of its tiles are road.
std::vector<uint8_t> grid;
std::vector<bool> road;

bool inside(int c, int r) { return c >= 0 && r >= 0 && c < SIDE && r < SIDE; }
uint8_t& tile(int c, int r) { return grid[(size_t)r * SIDE + c]; }
bool isliquid(uint8_t id) { return id >= FIRST_LIQUID; }
bool isliquidat(int c, int r) { return inside(c, r) && isliquid(tile(c, r)); }

// Smooth noise in [0, 1] over the world; `cells` is the coarsest grain across the world.
double noise(uint32_t seed, double c, double r, int cells, int octaves)
{
    return fractalnoise(seed, (float)c, (float)r, SIDE, SIDE, cells, octaves);
}

// Uniform in [0, 1), fixed per tile and seed: the speckle of single tiles.
double speckle(uint32_t seed, int c, int r) { return random01(seed, c, r); }

double distance(point a, point b) { return std::hypot(a.c - b.c, a.r - b.r); }

double distancetosegment(point p, point a, point b)
{
    double dc = b.c - a.c, dr = b.r - a.r;
    double length2 = dc * dc + dr * dr;
    double t = length2 > 0 ? std::clamp(((p.c - a.c) * dc + (p.r - a.r) * dr) / length2, 0.0, 1.0) : 0.0;
    return distance(p, {a.c + t * dc, a.r + t * dr});
}

template <size_t N>
double distancetopath(point p, const std::array<point, N>& path)
{
    double best = distancetosegment(p, path[0], path[1]);
    for (size_t i = 1; i + 1 < N; i++) best = std::min(best, distancetosegment(p, path[i], path[i + 1]));
    return best;
}

template <size_t N>
double pathlength(const std::array<point, N>& path)
{
    double total = 0;
    for (size_t i = 0; i + 1 < N; i++) total += distance(path[i], path[i + 1]);
    return total;
}

// Calls paint(c, r, d) for every tile of the world within `reach` tiles of the centre, with d
// the tile's distance from it in units of `reach` (0 at the centre, 1 at the reach).
template <typename F>
void around(point centre, double reach, F paint)
{
    int c0 = std::max(0, (int)std::floor(centre.c - reach)), c1 = std::min(SIDE - 1, (int)std::ceil(centre.c + reach));
    int r0 = std::max(0, (int)std::floor(centre.r - reach)), r1 = std::min(SIDE - 1, (int)std::ceil(centre.r + reach));
    for (int r = r0; r <= r1; r++)
        for (int c = c0; c <= c1; c++) {
            double d = distance({(double)c, (double)r}, centre) / reach;
            if (d <= 1) paint(c, r, d);
        }
}

// ---------------------------------------------------------------------------------------
// Climate: sea, coast and the ground by latitude.

constexpr point CONTINENT_CENTRE = {512, 512};
constexpr double CONTINENT_RADIUS = 425;   // tiles from the centre to the mean coast
constexpr double CONTINENT_SQUARENESS = 3; // exponent of the coast's superellipse: a broad land
constexpr double COAST_WARP = 150;         // tiles the coast's outline is pushed about by
constexpr double COAST_ROUGHNESS = 0.16;   // small bays and capes, in continent radii
constexpr int SEA_MARGIN = 40;             // tiles along the world's edge that are always sea
constexpr double DEEP_SEA = -0.035;        // landness below which the sea is deep
constexpr double BEACH_BAND = 0.012;       // landness above sea level that is shore

// Gulfs cut into the coast, and islands raised from the sea: centre and radius.
struct blob {
    point centre;
    double radius;
};
constexpr std::array<blob, 3> GULFS = {{{{40, 610}, 125}, {{620, 1020}, 105}, {{1010, 320}, 95}}};
constexpr std::array<blob, 4> ISLANDS = {{{{140, 890}, 45}, {{925, 125}, 34}, {{990, 720}, 26}, {{330, 70}, 30}}};
constexpr double ISLAND_HEIGHT = 0.7;

// Rows where the north's glaciers, snow and tundra end and the south's steppe and desert begin.
constexpr double GLACIER_END = 165, SNOW_END = 285, TUNDRA_END = 345;
constexpr double STEPPE_START = 690, DESERT_START = 765;
constexpr double LATITUDE_WOBBLE = 160;    // rows the climate bands wander by

// The hot humid south-west coast, where the woods are jungle, down into the desert's latitudes.
constexpr blob JUNGLE_COAST = {{165, 745}, 135};
constexpr double JUNGLE_WARP = 70;
constexpr double JUNGLE_NORTH = 560;  // no jungle north of this latitude

// Open country around the towns, where the woods were cut long ago: centre and radius.
constexpr std::array<blob, 4> CLEARINGS = {{{{516, 518}, 40}, {{194, 510}, 30}, {{884, 510}, 30}, {{300, 540}, 30}}};
constexpr double CLEARING_DRYNESS = 0.3;  // how much a clearing lowers the humidity at its centre

// A tile's position pushed about by slow noise, so that shapes drawn with circles and lines
// come out with ragged, natural outlines; `cells` sets the grain of the pushing, as for noise.
point warped(int c, int r, double amount, int cells = 8)
{
    return {c + amount * 2 * (noise(WARPSEED, c, r, cells, 3) - 0.5),
            r + amount * 2 * (noise(WARPSEED + 1, c, r, cells, 3) - 0.5)};
}

// How far a point lies inside a blob: 1 at its centre, 0 at its rim and beyond.
double within(point p, const blob& b) { return std::max(0.0, 1 - distance(p, b.centre) / b.radius); }

double landness(int c, int r)
{
    point p = warped(c, r, COAST_WARP);
    double dc = std::abs(p.c - CONTINENT_CENTRE.c) / CONTINENT_RADIUS;
    double dr = std::abs(p.r - CONTINENT_CENTRE.r) / CONTINENT_RADIUS;
    double shape = 1 - std::pow(std::pow(dc, CONTINENT_SQUARENESS) + std::pow(dr, CONTINENT_SQUARENESS),
                                1 / CONTINENT_SQUARENESS);
    double land = shape + COAST_ROUGHNESS * 2 * (noise(COASTSEED, c, r, 24, 5) - 0.5);
    for (const blob& gulf : GULFS) land -= within(p, gulf);
    for (const blob& island : ISLANDS) land += within(p, island) * ISLAND_HEIGHT;
    int edge = std::min({c, r, SIDE - 1 - c, SIDE - 1 - r});
    if (edge < SEA_MARGIN) land = std::min(land, DEEP_SEA * (1 + SEA_MARGIN - edge));
    return land;
}

// The row a tile's climate belongs to: its own row, wandering by noise.
double latitude(int c, int r) { return r + LATITUDE_WOBBLE * 2 * (noise(LATITUDESEED, c, r, 4, 4) - 0.5); }

double humidity(int c, int r)
{
    double humid = noise(HUMIDITYSEED, c, r, 10, 4);
    for (const blob& clearing : CLEARINGS) humid -= CLEARING_DRYNESS * within({(double)c, (double)r}, clearing);
    return humid;
}

// The ground of each climate. humid and detail are noise in [0, 1]: humidity grows woods,
// detail sprinkles the odd patch of another ground.
uint8_t northground(double lat, double humid, double detail)
{
    if (lat < GLACIER_END) return detail > 0.72 ? ICE : detail < 0.2 ? SNOW : GLACIER;
    if (lat < SNOW_END) return humid > 0.56 ? SNOWYPINES : detail > 0.85 ? GRAVEL : SNOW;
    if (humid > 0.64) return SNOWYPINES;
    return detail > 0.8 ? SNOW : detail < 0.08 ? GRAVEL : TUNDRA;
}

bool injungle(int c, int r, double lat)
{
    return lat > JUNGLE_NORTH && within(warped(c, r, JUNGLE_WARP), JUNGLE_COAST) > 0;
}

uint8_t jungleground(double humid, double detail)
{
    if (humid > 0.45) return JUNGLE;
    return detail > 0.85 ? MUD : GRASS;
}

uint8_t temperateground(double humid, double detail)
{
    if (humid > 0.57) return FOREST;
    if (humid > 0.55) return detail > 0.5 ? FOREST : GRASS;
    if (humid < 0.36) return detail > 0.6 ? MEADOW : GRASS;
    return detail > 0.93 ? MEADOW : GRASS;
}

uint8_t southground(double lat, double humid, double detail, double desert)
{
    if (lat < DESERT_START) return humid > 0.6 ? GRASS : detail > 0.85 ? EARTH : STEPPE;
    if (desert > 0.6) return DUNES;
    return detail > 0.9 ? EARTH : SAND;
}

uint8_t seaat(double land, int r, double detail)
{
    bool frozen = r < GLACIER_END && detail > 0.78 && land > DEEP_SEA * 3;
    if (frozen) return ICE;
    return land < DEEP_SEA ? DEEPWATER : WATER;
}

void paintclimate()
{
    for (int r = 0; r < SIDE; r++)
        for (int c = 0; c < SIDE; c++) {
            double land = landness(c, r), detail = noise(DETAILSEED, c, r, 64, 2);
            double lat = latitude(c, r), humid = humidity(c, r);
            uint8_t& t = tile(c, r);
            if (land < 0)
                t = seaat(land, r, detail);
            else if (land < BEACH_BAND)
                t = lat < TUNDRA_END ? GRAVEL : lat < STEPPE_START ? BEACH : SAND;
            else if (lat < TUNDRA_END)
                t = northground(lat, humid, detail);
            else if (injungle(c, r, lat))
                t = jungleground(humid, detail);
            else if (lat < STEPPE_START)
                t = temperateground(humid, detail);
            else
                t = southground(lat, humid, detail, noise(DESERTSEED, c, r, 24, 3));
        }
}

// ---------------------------------------------------------------------------------------
// Relief: mountain ranges and the volcano.

struct range {
    std::array<point, 4> ridge;
    double halfwidth;
};
constexpr std::array<range, 4> RANGES = {{
    {{{{150, 335}, {260, 300}, {380, 318}, {470, 292}}}, 24},  // the Spine, across the north-west
    {{{{610, 175}, {690, 215}, {760, 240}, {830, 225}}}, 17},  // the Teeth, in the glaciers
    {{{{265, 680}, {300, 745}, {292, 810}, {270, 880}}}, 15},  // the Dry Hills, between jungle and desert
    {{{{432, 470}, {446, 458}, {458, 447}, {470, 440}}}, 6},   // Greyback, a ridge north-west of the start
}};
constexpr double SNOWLINE = TUNDRA_END;  // ranges north of it wear snow on their peaks

void paintranges()
{
    for (const range& m : RANGES) {
        around(m.ridge[0], pathlength(m.ridge) + m.halfwidth * 2, [&](int c, int r, double) {
            if (isliquidat(c, r)) return;
            // The range swells and narrows along its ridge, and spurs run off its flanks.
            double width = m.halfwidth * (0.4 + 1.2 * noise(RELIEFSEED, c, r, 16, 2));
            double d = distancetopath(warped(c, r, m.halfwidth * 1.5, 48), m.ridge) / width;
            d += 0.6 * (noise(RELIEFSEED + 1, c, r, 64, 3) - 0.5);
            bool cold = latitude(c, r) < SNOWLINE;
            if (d < 0.22 && cold) tile(c, r) = SNOW;
            else if (d < 0.4) tile(c, r) = MOUNTAIN;
            else if (d < 0.72) tile(c, r) = ROCK;
            else if (d < 1 && speckle(RELIEFSEED, c, r) < 1.2 - d) tile(c, r) = GRAVEL;
        });
    }
}

// Mount Cinder, the volcano of the south-east: a crater of lava ringed with obsidian, flanks
// of basalt and ash, scorched plains around, and lava flows running to the sea.
constexpr point VOLCANO = {800, 800};
constexpr double CRATER = 9, OBSIDIAN_RING = 14, BASALT_FLANK = 38, ASH_FIELD = 62, SCORCHED_PLAIN = 92;
constexpr double VOLCANO_LOBES = 0.5;  // how far the flanks' outline strays from a circle
constexpr std::array<std::array<point, 4>, 3> LAVA_FLOWS = {{
    {{{800, 800}, {845, 826}, {885, 842}, {960, 860}}},  // east, into the sea
    {{{800, 800}, {793, 850}, {806, 900}, {800, 990}}},  // south, into the sea
    {{{800, 800}, {770, 806}, {748, 820}, {736, 824}}},  // west, ending in a pool
}};
constexpr double LAVA_FLOW_HALFWIDTH = 1.2, CRUST_HALFWIDTH = 2.6;
constexpr double LAVA_FLOW_WIGGLE = 5;    // tiles a flow wanders off its course
constexpr double STEAM_REACH = 9;         // tiles of steam around the mouth of a flow in the sea
constexpr point LAVA_POOL = {734, 825};
constexpr double LAVA_POOL_RADIUS = 5;
constexpr std::array<blob, 2> STEAM_VENTS = {{{{772, 768}, 7}, {{826, 778}, 5}}};  // fumaroles on the flanks

// Steam rises on the shore where a lava flow runs into the sea.
template <size_t N>
void paintsteam(const std::array<point, N>& flow)
{
    for (size_t i = 0; i + 1 < N; i++)
        for (double s = 0; s < 1; s += 1 / distance(flow[i], flow[i + 1])) {
            point p = {flow[i].c + (flow[i + 1].c - flow[i].c) * s, flow[i].r + (flow[i + 1].r - flow[i].r) * s};
            uint8_t t = tile((int)p.c, (int)p.r);
            if (t != DEEPWATER && t != WATER) continue;
            around(p, STEAM_REACH, [](int c, int r, double d) {
                bool shore = !isliquidat(c, r) && tile(c, r) != LAVA;
                if (shore && speckle(VOLCANOSEED + 5, c, r) > d * d) tile(c, r) = MIST;
            });
            return;
        }
}

void paintvolcano()
{
    around(VOLCANO, SCORCHED_PLAIN * 1.6, [](int c, int r, double) {
        if (isliquidat(c, r)) return;
        // Round at the crater, ever more lobed further down the flanks.
        double lobes = 1 + VOLCANO_LOBES * 2 * (noise(VOLCANOSEED, c, r, 16, 4) - 0.5);
        double d = distance({(double)c, (double)r}, VOLCANO) * lobes;
        double grain = 0.6 * noise(VOLCANOSEED + 4, c, r, 96, 2) + 0.4 * speckle(VOLCANOSEED, c, r);
        uint8_t& t = tile(c, r);
        if (d < CRATER) t = LAVA;
        else if (d < OBSIDIAN_RING) t = grain < 0.6 ? OBSIDIAN : BASALT;
        else if (d < BASALT_FLANK) t = grain < 0.5 ? BASALT : grain < 0.68 ? ASH : OBSIDIAN;
        else if (d < ASH_FIELD) t = grain < 0.48 ? ASH : grain < 0.62 ? SCORCHED : BASALT;
        else if (d < SCORCHED_PLAIN && speckle(VOLCANOSEED, c, r) < 2 * (SCORCHED_PLAIN - d) / (SCORCHED_PLAIN - ASH_FIELD))
            t = SCORCHED;
    });
    for (const auto& flow : LAVA_FLOWS) {
        around(flow[0], pathlength(flow) + CRUST_HALFWIDTH + LAVA_FLOW_WIGGLE, [&](int c, int r, double) {
            if (isliquidat(c, r)) return;
            double d = distancetopath(warped(c, r, LAVA_FLOW_WIGGLE, 64), flow);
            if (d < LAVA_FLOW_HALFWIDTH) tile(c, r) = LAVA;
            else if (d < CRUST_HALFWIDTH) tile(c, r) = speckle(VOLCANOSEED + 2, c, r) < 0.8 ? BASALT : OBSIDIAN;
        });
        paintsteam(flow);
    }
    around(LAVA_POOL, LAVA_POOL_RADIUS + 2, [](int c, int r, double d) {
        tile(c, r) = d * (LAVA_POOL_RADIUS + 2) < LAVA_POOL_RADIUS ? LAVA : OBSIDIAN;
    });
    for (const blob& vent : STEAM_VENTS)
        around(vent.centre, vent.radius, [](int c, int r, double d) {
            if (speckle(VOLCANOSEED + 3, c, r) > d) tile(c, r) = MIST;
        });
}

// ---------------------------------------------------------------------------------------
// Water: lakes, the swamp and rivers.

struct lake {
    point centre;
    double radiusc, radiusr;
    uint8_t surface, shore;  // the lake's own tile, and the tile of its rim
};
constexpr std::array<lake, 8> LAKES = {{
    {{551, 476}, 13, 8, WATER, BEACH},        // Mirror Lake, north-east of the start
    {{300, 565}, 22, 14, WATER, BEACH},       // Westmere, on the Westrun
    {{445, 200}, 26, 15, ICE, COLDWATER},     // the Frozen Lake, in the glaciers
    {{335, 262}, 7, 5, COLDWATER, GRAVEL},    // a tarn in the Spine
    {{662, 395}, 16, 11, WATER, GRASS},       // Hollow Lake, in the eastern woods
    {{502, 829}, 6, 5, WATER, JUNGLE},        // the oasis pool of Sandmere
    {{880, 650}, 10, 7, WATER, BEACH},        // a lagoon behind the east coast
    {{420, 862}, 58, 30, SALT, SAND},         // the White Pan, a dry salt lake in the desert
}};
constexpr double SHORE_WIDTH = 0.25;  // of a lake's radius

void paintlakes()
{
    for (const lake& l : LAKES) {
        double reach = std::max(l.radiusc, l.radiusr) * (1 + SHORE_WIDTH) * 1.3;
        around(l.centre, reach, [&](int c, int r, double) {
            double dc = (c - l.centre.c) / l.radiusc, dr = (r - l.centre.r) / l.radiusr;
            double d = std::sqrt(dc * dc + dr * dr) + 0.45 * (noise(SHORESEED, c, r, 80, 2) - 0.5);
            if (d < 1) tile(c, r) = l.surface;
            else if (d < 1 + SHORE_WIDTH && !isliquidat(c, r)) tile(c, r) = l.shore;
        });
    }
}

// The Fens, where the Vell spreads into pools of swamp water among mud and reeds.
constexpr point SWAMP = {596, 612};
constexpr double SWAMP_RADIUS = 44;

void paintswamp()
{
    around(SWAMP, SWAMP_RADIUS, [](int c, int r, double d) {
        double wet = noise(SWAMPSEED, c, r, 90, 3) + 0.35 * (0.5 - d);
        uint8_t& t = tile(c, r);
        if (wet > 0.54) t = SWAMPWATER;
        else if (wet > 0.5) t = MUD;
        else if (wet > 0.44 && speckle(SWAMPSEED, c, r) < 0.4) t = MUD;
    });
}

struct river {
    std::array<point, 6> course;  // source to mouth
    double sourcewidth, mouthwidth;
};
constexpr std::array<river, 5> RIVERS = {{
    // the Vell: from the Spine past Vellmoran, through the Fens, east to the sea
    {{{{470, 318}, {505, 410}, {526, 470}, {526, 545}, {596, 612}, {966, 598}}}, 1.6, 4.5},
    // the Westrun: from the Spine through Westmere to the western gulf
    {{{{252, 338}, {275, 430}, {285, 505}, {300, 565}, {250, 622}, {105, 640}}}, 1.6, 4.0},
    // the Rime: a glacier stream from the Teeth across the north road to the Frozen Lake
    {{{{640, 205}, {600, 248}, {560, 262}, {516, 262}, {480, 240}, {450, 205}}}, 1.2, 2.0},
    // the Hollow: from Hollow Lake down to the Vell
    {{{{662, 395}, {690, 450}, {700, 500}, {690, 560}, {672, 596}, {660, 604}}}, 1.6, 2.4},
    // the Northrun: from the Spine's north flank to the northern sea
    {{{{352, 296}, {340, 250}, {322, 200}, {312, 150}, {322, 100}, {330, 20}}}, 1.4, 3.0},
}};
constexpr double MEANDER = 9;             // tiles a river swings by either side of its course
constexpr double MEANDER_WAVELENGTH = 40; // tiles along the course per swing
constexpr double RIVER_STEP = 0.25;       // tiles between painted points along a course
constexpr int MEANDER_PERIOD = 1 << 12;   // swings before the meander pattern repeats: never

// Cold where the course runs through the north, warm water elsewhere.
uint8_t riverwater(int c, int r) { return latitude(c, r) < TUNDRA_END ? COLDWATER : WATER; }

void paintriver(const river& v, uint32_t meanderseed)
{
    double total = pathlength(v.course), travelled = 0;
    for (size_t i = 0; i + 1 < v.course.size(); i++) {
        point a = v.course[i], b = v.course[i + 1];
        double length = distance(a, b);
        for (double s = 0; s < length; s += RIVER_STEP) {
            double along = (travelled + s) / total;
            // The swing fades out at both ends, so the river leaves its source and reaches its
            // mouth where the table says.
            double bends = (travelled + s) / MEANDER_WAVELENGTH;
            double wave = 0.7 * latticenoise(meanderseed, (float)bends, 0, MEANDER_PERIOD, 1) +
                          0.3 * latticenoise(meanderseed + 1, (float)bends * 3, 0, MEANDER_PERIOD, 1);
            double swing = MEANDER * std::sin(along * M_PI) * (wave - 0.5) * 2;
            point p = {a.c + (b.c - a.c) * s / length - (b.r - a.r) / length * swing,
                       a.r + (b.r - a.r) * s / length + (b.c - a.c) / length * swing};
            double halfwidth = (v.sourcewidth + (v.mouthwidth - v.sourcewidth) * along) / 2;
            around(p, halfwidth, [](int c, int r, double) {
                uint8_t& t = tile(c, r);
                if (t == LAVA || t == ICE || isliquid(t)) return;
                t = riverwater(c, r);
            });
        }
        travelled += length;
    }
}

void paintrivers()
{
    for (size_t i = 0; i < RIVERS.size(); i++) paintriver(RIVERS[i], MEANDERSEED + (uint32_t)i);
}

// ---------------------------------------------------------------------------------------
// Settlements: ruined towns.

struct town {
    point plaza;        // centre of the cobbled plaza
    int plazahalf;      // the plaza spans this many tiles either side of its centre
    double radius;      // houses stand within this many tiles of the plaza
    double density;     // share of the building plots inside that radius with a house
    double fields;      // farmland reaches this far out (0: no fields)
    uint8_t floor;      // what is left inside the walls
};
constexpr std::array<town, 7> TOWNS = {{
    {{516, 510}, 2, 24, 0.85, 42, WOODFLOOR},  // Vellmoran, where the player starts
    {{516, 230}, 2, 16, 0.7, 0, WOODFLOOR},    // Frosthold, in the snow
    {{516, 826}, 2, 15, 0.6, 0, SAND},         // Sandmere, the desert oasis
    {{194, 510}, 3, 20, 0.8, 34, WOODFLOOR},   // Westholm, near the western gulf
    {{884, 510}, 3, 20, 0.8, 32, WOODFLOOR},   // Saltmere, the harbour of the east coast
    {{760, 734}, 2, 16, 0.6, 0, BASALT},       // Emberfall, buried by the volcano
    {{200, 762}, 2, 15, 0.6, 0, MUD},          // Mossgate, overgrown by the jungle
}};
constexpr size_t EMBERFALL = 5;  // in TOWNS

// The green of Vellmoran around the start, and the stone circle to its west.
constexpr int GREEN_WEST = 505, GREEN_EAST = 513, GREEN_NORTH = 511, GREEN_SOUTH = 517;
constexpr point STONE_CIRCLE = {490, 518};
constexpr double STONE_CIRCLE_RADIUS = 3.2;
// The Old Wood, north-west of the start.
constexpr point OLD_WOOD = {492, 484};
constexpr double OLD_WOOD_RADIUS = 14;

constexpr int HOUSE_PLOT = 7;                    // tiles between neighbouring house plots
constexpr int FIELD_WIDTH = 7, FIELD_DEPTH = 4;  // tiles of one field

// Ground a building may stand on: not water, road or another building.
bool buildable(int c, int r)
{
    if (!inside(c, r) || road[(size_t)r * SIDE + c]) return false;
    uint8_t t = tile(c, r);
    return !isliquid(t) && t != PLAZA && t != RUINEDWALL && t != WOODFLOOR && t != MOUNTAIN;
}

bool ongreen(int c, int r) { return c >= GREEN_WEST && c <= GREEN_EAST && r >= GREEN_NORTH && r <= GREEN_SOUTH; }

// A house of w x h tiles with its corner at (c, r): broken walls around its floor, rubble
// where walls have fallen. Left out where its ground is taken.
void painthouse(int c, int r, int w, int h, uint8_t floor, uint32_t id)
{
    for (int y = r - 1; y <= r + h; y++)
        for (int x = c - 1; x <= c + w; x++)
            if (!buildable(x, y) || ongreen(x, y)) return;
    for (int y = r; y < r + h; y++)
        for (int x = c; x < c + w; x++) {
            bool wall = x == c || y == r || x == c + w - 1 || y == r + h - 1;
            double fall = speckle(HOUSESEED + id, x, y);
            tile(x, y) = !wall ? floor : fall < 0.62 ? RUINEDWALL : fall < 0.85 ? RUINS : floor;
        }
}

void painttown(const town& t, uint32_t id)
{
    int pc = (int)t.plaza.c, pr = (int)t.plaza.r;
    if (t.fields > 0)
        around(t.plaza, t.fields * 1.3, [&](int c, int r, double) {
            // Fields in blocks, some lying fallow, the outermost ones ragged.
            int bc = c / FIELD_WIDTH, br = r / FIELD_DEPTH;
            point block = {(bc + 0.5) * FIELD_WIDTH, (br + 0.5) * FIELD_DEPTH};
            double reach = distance(block, t.plaza) / t.fields + 0.3 * speckle(HOUSESEED + id + 1, bc, br);
            bool sown = speckle(HOUSESEED + id, bc, br) < 0.6;
            if (reach > 0.55 && reach < 1.15 && sown && buildable(c, r) && tile(c, r) != FOREST) tile(c, r) = FARMLAND;
        });
    // A house may stand on each plot of a grid around the plaza, shifted a little either way.
    int plots = (int)(t.radius / HOUSE_PLOT) + 1;
    for (int gr = -plots; gr <= plots; gr++)
        for (int gc = -plots; gc <= plots; gc++) {
            uint32_t plot = id * 1000 + (uint32_t)((gr + plots) * (2 * plots + 1) + gc + plots);
            if (std::hypot(gc, gr) * HOUSE_PLOT > t.radius || speckle(HOUSESEED, (int)plot, 0) > t.density) continue;
            int w = 3 + (int)(speckle(HOUSESEED, (int)plot, 3) * 3);
            int h = 3 + (int)(speckle(HOUSESEED, (int)plot, 4) * 2);
            int c = pc + gc * HOUSE_PLOT - w / 2 + (int)(speckle(HOUSESEED, (int)plot, 1) * 3) - 1;
            int r = pr + gr * HOUSE_PLOT - h / 2 + (int)(speckle(HOUSESEED, (int)plot, 2) * 3) - 1;
            painthouse(c, r, w, h, t.floor, plot);
        }
    around(t.plaza, t.radius * 1.2, [&](int c, int r, double d) {
        bool rubble = speckle(HOUSESEED + id + 50, c, r) < 0.12 * (1.2 - d);
        if (rubble && buildable(c, r) && !ongreen(c, r)) tile(c, r) = RUINS;
    });
    for (int r = pr - t.plazahalf; r <= pr + t.plazahalf; r++)
        for (int c = pc - t.plazahalf; c <= pc + t.plazahalf; c++) tile(c, r) = PLAZA;
}

void paintstart()
{
    around(OLD_WOOD, OLD_WOOD_RADIUS, [](int c, int r, double d) {
        if (!isliquidat(c, r) && noise(DETAILSEED + 7, c, r, 128, 2) > d * 0.6) tile(c, r) = FOREST;
    });
    for (int r = GREEN_NORTH; r <= GREEN_SOUTH; r++)
        for (int c = GREEN_WEST; c <= GREEN_EAST; c++)
            tile(c, r) = speckle(DETAILSEED, c, r) < 0.2 ? MEADOW : GRASS;
    around(STONE_CIRCLE, STONE_CIRCLE_RADIUS + 1, [](int c, int r, double d) {
        double ring = d * (STONE_CIRCLE_RADIUS + 1);
        tile(c, r) = std::abs(ring - STONE_CIRCLE_RADIUS) < 0.5 && (c + r) % 2 == 0 ? RUINS : MEADOW;
    });
}

void painttowns()
{
    for (size_t i = 0; i < TOWNS.size(); i++) painttown(TOWNS[i], (uint32_t)i);
    paintstart();
    // Emberfall's streets run with lava in every other column, as the molten ruins do.
    const town& ember = TOWNS[EMBERFALL];
    around(ember.plaza, ember.radius * 0.5, [](int c, int r, double) {
        if (tile(c, r) != PLAZA && tile(c, r) != RUINEDWALL) tile(c, r) = c % 2 == 0 ? BASALT : LAVA;
    });
}

// ---------------------------------------------------------------------------------------
// Roads and bridges.

// A straight road from one tile to another along a row or a column.
struct stretch {
    int c0, r0, c1, r1;
};
constexpr int KINGS_ROW = 510, NORTH_ROAD_COLUMN = 516;
constexpr std::array<stretch, 6> ROADS = {{
    {197, KINGS_ROW, 881, KINGS_ROW},                       // the King's Road, Westholm to Saltmere
    {NORTH_ROAD_COLUMN, 233, NORTH_ROAD_COLUMN, 823},       // the North Road, Frosthold to Sandmere
    {760, KINGS_ROW, 760, 731},                             // the road down to Emberfall
    {200, KINGS_ROW, 200, 759},                             // the road south to Mossgate
    {(int)STONE_CIRCLE.c, KINGS_ROW, (int)STONE_CIRCLE.c, 513},  // a track to the stone circle
    {606, KINGS_ROW, 606, 566},                             // the causeway down to the Fens
}};

// The road tile for each set of connections, indexed by north | east << 1 | south << 2 | west << 3.
// Shapes the catalogue has no tile for are paved as a small cobbled square.
constexpr std::array<uint8_t, 16> ROAD_SHAPES = {
    ROAD_END, ROAD_END, ROAD_END, PLAZA,          // none, n, e, n+e
    ROAD_END, ROAD_NS, ROAD_BEND_SE, PLAZA,       // s, n+s, e+s, n+e+s
    ROAD_END, PLAZA, ROAD_EW, PLAZA,              // w, n+w, e+w, n+e+w
    PLAZA, PLAZA, ROAD_T_EWS, ROAD_CROSSING,      // s+w, n+s+w, e+s+w, all
};

bool connects(int c, int r)
{
    return inside(c, r) && (road[(size_t)r * SIDE + c] || tile(c, r) == PLAZA);
}

uint8_t bridgeover(uint8_t water, bool northsouth, bool eastwest)
{
    if (water == COLDWATER) return ROPEBRIDGE;
    if (northsouth && !eastwest) return BRIDGE_NS;
    if (eastwest && !northsouth) return BRIDGE_EW;
    return BRIDGE_CROSSING;
}

// Marks the roads' tiles before the towns are built, so that no house stands on a road.
void layroads()
{
    for (const stretch& s : ROADS)
        for (int r = std::min(s.r0, s.r1); r <= std::max(s.r0, s.r1); r++)
            for (int c = std::min(s.c0, s.c1); c <= std::max(s.c0, s.c1); c++) road[(size_t)r * SIDE + c] = true;
}

// Gives every road tile the shape of its connections, and a bridge where it crosses water.
void shaperoads()
{
    std::vector<uint8_t> shaped = grid;
    for (int r = 0; r < SIDE; r++)
        for (int c = 0; c < SIDE; c++) {
            if (!road[(size_t)r * SIDE + c] || tile(c, r) == PLAZA) continue;
            bool n = connects(c, r - 1), e = connects(c + 1, r), s = connects(c, r + 1), w = connects(c - 1, r);
            uint8_t& out = shaped[(size_t)r * SIDE + c];
            if (isliquid(tile(c, r))) out = bridgeover(tile(c, r), n || s, e || w);
            else out = ROAD_SHAPES[n | e << 1 | s << 2 | w << 3];
        }
    grid = shaped;
}

// Wooden jetties reaching from the shore into the water: start tile, direction, length.
struct jetty {
    int c, r, dc, dr, length;
};
constexpr std::array<jetty, 4> JETTIES = {{
    {551, 485, 0, -1, 4},   // Mirror Lake, from its south shore
    {905, 505, 1, 0, 9},    // Saltmere harbour
    {905, 515, 1, 0, 7},
    {300, 580, 0, -1, 5},   // Westmere
}};

void paintjetties()
{
    for (const jetty& j : JETTIES)
        for (int i = 0; i < j.length; i++) {
            int c = j.c + j.dc * i, r = j.r + j.dr * i;
            if (isliquidat(c, r)) tile(c, r) = JETTY;
        }
}

void paintworld()
{
    grid.assign((size_t)SIDE * SIDE, DEEPWATER);
    road.assign((size_t)SIDE * SIDE, false);
    paintclimate();
    paintranges();
    paintvolcano();
    paintlakes();
    paintswamp();
    paintrivers();
    layroads();
    painttowns();
    shaperoads();
    paintjetties();
}

}  // namespace

void writeworldmap(const std::string& resdir)
{
    paintworld();
    Image map = {grid.data(), SIDE, SIDE, 1, PIXELFORMAT_UNCOMPRESSED_GRAYSCALE};
    saveimage(map, resdir + "/images/coolworld.png");
    grid = {};
    road = {};
}
