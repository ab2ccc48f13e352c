// The painted world map in res/: the promises the world makes to a player who walks it.
// Every biome's tile is somewhere, the start is ground with the town's sights close by and
// open country beyond, bridges span water, every road tile shows the roads it joins, and
// the sea runs all around the edge, where the ground beyond the map continues its border.
#include "harness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <set>
#include <vector>

using namespace harness;

namespace {

constexpr int SIDE = 1024;
constexpr int START = 512;  // the player starts on tile (START, START)
constexpr int FIRST_BRIDGE = 246, FIRST_LIQUID = 251;
constexpr int PLAZA = 21;

// The painted map, one tile id per byte, row 0 first; empty when it cannot be read.
class PaintedMap : public testing::Test {
protected:
    std::vector<uint8_t> tiles;

    void SetUp() override
    {
        Image map = LoadImage((RESOURCES + "/images/coolworld.png").c_str());
        bool usable = map.width == SIDE && map.height == SIDE && map.format == PIXELFORMAT_UNCOMPRESSED_GRAYSCALE;
        if (usable) tiles.assign((uint8_t*)map.data, (uint8_t*)map.data + SIDE * SIDE);
        UnloadImage(map);
        ASSERT_TRUE(usable) << "res/images/coolworld.png is missing or not a 1024 x 1024 grayscale map";
    }

    bool inside(int c, int r) const { return c >= 0 && r >= 0 && c < SIDE && r < SIDE; }
    int at(int c, int r) const { return tiles[(size_t)r * SIDE + c]; }
};

bool isliquid(int id) { return id >= FIRST_LIQUID; }

// Tiles a road may lead into: roads, bridges (not the jetty) and plazas.
bool joinsroads(int id)
{
    static const std::set<int> joining = {28, 29, 30, 31, 44, 45, 246, 247, 248, 250, PLAZA};
    return joining.count(id) > 0;
}

enum side { NORTH = 1, EAST = 2, SOUTH = 4, WEST = 8 };
const int DC[] = {0, 1, 0, -1}, DR[] = {-1, 0, 1, 0};  // north, east, south, west

}  // namespace

TEST_F(PaintedMap, EveryBiomeTileIsSomewhere)
{
    const struct {
        int id;
        const char* name;
    } biomes[] = {{1, "grass"},   {5, "scorched earth"}, {6, "mist"},  {7, "glacier"}, {8, "snow"},
                  {9, "tundra"},  {10, "forest"},        {11, "rock"}, {16, "salt"},   {18, "sand"},
                  {19, "ruins"},  {51, "basalt"},        {254, "lava"}};
    std::set<int> present(tiles.begin(), tiles.end());
    for (const auto& biome : biomes)
        EXPECT_TRUE(present.count(biome.id)) << biome.name << " (" << biome.id << ") is missing";
}

TEST_F(PaintedMap, ThePlayerStartsOnGround)
{
    // The player stands on the corner the four tiles around the origin share.
    for (int r = START - 1; r <= START; r++)
        for (int c = START - 1; c <= START; c++) EXPECT_LT(at(c, r), FIRST_BRIDGE) << "tile (" << c << ", " << r << ")";
}

TEST_F(PaintedMap, TheTownsSightsAreCloseToTheStart)
{
    const struct {
        const char* sight;
        std::set<int> ids;
        int within;  // tiles from the start, in either direction
    } sights[] = {
        {"a road", {28, 29, 30, 31, 44, 45}, 4},
        {"the town's plaza", {PLAZA}, 6},
        {"ruined houses", {19, 20}, 12},
        {"the river", {255}, 16},
        {"a bridge", {246, 247, 248}, 16},
        {"fields", {3}, 24},
        {"a wood", {10}, 24},
    };
    for (const auto& s : sights) {
        bool found = false;
        for (int r = START - s.within; r <= START + s.within && !found; r++)
            for (int c = START - s.within; c <= START + s.within && !found; c++) found = s.ids.count(at(c, r)) > 0;
        EXPECT_TRUE(found) << "no " << s.sight << " within " << s.within << " tiles of the start";
    }
}

TEST_F(PaintedMap, AWalkLeadsFromTheStartFarIntoTheWorld)
{
    // Ground and bridges, four-connected: the player walks from the start without wading.
    std::vector<bool> reached((size_t)SIDE * SIDE, false);
    std::deque<std::pair<int, int>> frontier = {{START, START}};
    reached[(size_t)START * SIDE + START] = true;
    int farthest = 0;
    while (!frontier.empty()) {
        auto [c, r] = frontier.front();
        frontier.pop_front();
        farthest = std::max({farthest, std::abs(c - START), std::abs(r - START)});
        for (int d = 0; d < 4; d++) {
            int nc = c + DC[d], nr = r + DR[d];
            if (!inside(nc, nr) || reached[(size_t)nr * SIDE + nc] || isliquid(at(nc, nr))) continue;
            reached[(size_t)nr * SIDE + nc] = true;
            frontier.push_back({nc, nr});
        }
    }
    EXPECT_GE(farthest, 300) << "the start is walled in: the farthest walkable tile is " << farthest << " tiles away";
}

TEST_F(PaintedMap, BridgesSpanWater)
{
    int bridges = 0;
    for (int r = 0; r < SIDE; r++)
        for (int c = 0; c < SIDE; c++) {
            if (at(c, r) < FIRST_BRIDGE || isliquid(at(c, r))) continue;
            bridges++;
            bool water = false;
            for (int d = 0; d < 4; d++)
                water = water || (inside(c + DC[d], r + DR[d]) && isliquid(at(c + DC[d], r + DR[d])));
            EXPECT_TRUE(water) << "bridge " << at(c, r) << " at (" << c << ", " << r << ") touches no water";
        }
    EXPECT_GT(bridges, 0);
}

TEST_F(PaintedMap, EveryRoadTileJoinsTheRoadsItShows)
{
    // The sides each road and bridge picture leads out of.
    const struct {
        int id;
        int sides;
    } shapes[] = {{28, NORTH | SOUTH}, {29, EAST | WEST},         {30, NORTH | EAST | SOUTH | WEST},
                  {31, SOUTH | EAST},  {44, EAST | WEST | SOUTH}, {246, NORTH | SOUTH}, {247, EAST | WEST}};
    int roads = 0;
    for (int r = 0; r < SIDE; r++)
        for (int c = 0; c < SIDE; c++)
            for (const auto& shape : shapes) {
                if (at(c, r) != shape.id) continue;
                roads++;
                int joined = 0;
                for (int d = 0; d < 4; d++)
                    if (inside(c + DC[d], r + DR[d]) && joinsroads(at(c + DC[d], r + DR[d]))) joined |= 1 << d;
                // A bridge's sides run along the water, where nothing joins it.
                int expected = shape.id >= FIRST_BRIDGE ? joined & shape.sides : joined;
                EXPECT_EQ(expected, shape.sides) << "tile " << shape.id << " at (" << c << ", " << r << ")";
            }
    EXPECT_GT(roads, 0);
}

TEST_F(PaintedMap, TheSeaRunsAllAroundTheEdge)
{
    for (int i = 0; i < SIDE; i++) {
        EXPECT_TRUE(isliquid(at(i, 0))) << "north edge, column " << i;
        EXPECT_TRUE(isliquid(at(i, SIDE - 1))) << "south edge, column " << i;
        EXPECT_TRUE(isliquid(at(0, i))) << "west edge, row " << i;
        EXPECT_TRUE(isliquid(at(SIDE - 1, i))) << "east edge, row " << i;
    }
}
