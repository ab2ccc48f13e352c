// The biome table, the climate classes that index it and the chunk population byte.
#include "game/scenes/world/_update.h"
#include "game/scenes/world/biome.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

struct Row {
    biome function;
    const char* name;
    uint8_t even;  // id at even columns
    uint8_t odd;   // id at odd columns
};

// In table order: heat class by heat class, driest first.
const Row TABLE[BIOMES] = {
    {colddesert, "colddesert", 8, 8},       {permafrost, "permafrost", 8, 8},
    {snowyhills, "snowyhills", 8, 8},       {glaciers, "glaciers", 7, 7},
    {arctictundra, "arctictundra", 8, 9},   {tundra, "tundra", 9, 9},
    {alpinetundra, "alpinetundra", 9, 8},   {taiga, "taiga", 9, 8},
    {rockydesert, "rockydesert", 11, 11},   {openshrubland, "openshrubland", 18, 18},
    {borealforest, "borealforest", 9, 10},  {tempebroad, "tempebroad", 10, 10},
    {semi_arid, "semi_arid", 18, 18},       {grassland, "grassland", 1, 1},
    {temperatecone, "temperatecone", 1, 10}, {woodland, "woodland", 1, 1},
    {desert, "desert", 18, 18},             {savanna, "savanna", 18, 18},
    {mediterranean, "mediterranean", 1, 1}, {rainforest, "rainforest", 1, 1},
    {saline, "saline", 16, 16},             {tropicalsavanna, "tropicalsavanna", 1, 1},
    {tropical, "tropical", 1, 1},           {tropicalrain, "tropicalrain", 1, 1},
    {scorched, "scorched", 5, 5},           {lumen, "lumen", 5, 5},
    {badlands, "badlands", 16, 16},         {mangrove, "mangrove", 1, 1},
    {boiling, "boiling", 51, 51},           {moltenruins, "moltenruins", 51, 254},
    {ruins, "ruins", 19, 19},               {mist, "mist", 6, 6},
};

TEST(Biomes, EachEntryGivesItsIdsWhateverTheRowAndPopulation)
{
    const int32_t columns[] = {0, 1, 2, 63, 64, -1, -2, INT_MIN, INT_MAX};
    const int32_t rows[] = {0, 5, -7, 1023, INT_MIN, INT_MAX};
    const uint8_t populations[] = {0, 1, 200, 255};
    for (int i = 0; i < BIOMES; i++) {
        SCOPED_TRACE(TABLE[i].name);
        EXPECT_EQ(genbiome[i], TABLE[i].function) << "entry " << i;
        for (int32_t x : columns)
            for (int32_t z : rows)
                for (uint8_t population : populations)
                    ASSERT_EQ(TABLE[i].function(x, z, population), (x & 1) ? TABLE[i].odd : TABLE[i].even)
                        << "x " << x << " z " << z << " population " << int(population);
    }
}

TEST(Biomes, TheClimatePicksTheEntry)
{
    const struct {
        float heat, humidity;
        int index;
    } cases[] = {
        {-1, -1, 0},
        {-1, 0.99f, 3},
        {-0.9999f, -0.9999f, 0},
        {-0.75f, -1, 4},
        {0, 0, 18},
        {0.25f, -0.5f, 21},
        {0.74f, 0.49f, 26},
        {0.75f, -0.5f, 29},     // molten ruins
        {0.999f, 0.999f, 31},
        // Classes come from double arithmetic: in float, 2 * h + 2 rounds up to 3 here.
        {0, 0.49999997f, 18},
        {0.24999999f, -1, 16},
        // Humidity of exactly 1 is the driest entry of the next heat class...
        {0.5f, 1, 28},
        // ...and heat of exactly 1 stays inside the table.
        {1, -1, 31},
        {1, 1, 31},
        {0.875f, 1, 31},
    };
    for (const auto& c : cases)
        EXPECT_EQ(biomeindex(c.heat, c.humidity), c.index) << "heat " << c.heat << " humidity " << c.humidity;
}

TEST(Biomes, PopulationIsTheNoiseTruncated)
{
    const struct {
        float noise;
        int byte;
    } cases[] = {{0, 0}, {0.9f, 0}, {-0.9f, 0}, {0.99999994f, 0}, {-0.99999994f, 0}, {1, 1}, {-1, 255}};
    for (const auto& c : cases) EXPECT_EQ(populationbyte(c.noise), c.byte) << c.noise;
}

}  // namespace
