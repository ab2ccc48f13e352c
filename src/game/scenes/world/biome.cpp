// biome: the 32 biomes and their table. See biome.h.
//
// The numbers the biomes return are tile ids, cells of the tile sheet (id k is column
// k mod 16, row k div 16); the sheets decide what each looks like. Among them 1 is the
// animated grass and 254 the animated lava, the only liquid a biome lays down.
#include "biome.h"

// Two ids alternating column by column: even columns (lowest bit of x clear, so -1 is odd)
// take the first.
static uint8_t striped(int32_t x, uint8_t even, uint8_t odd) { return (x & 1) ? odd : even; }

uint8_t colddesert(int32_t, int32_t, uint8_t) { return 8; }
uint8_t permafrost(int32_t, int32_t, uint8_t) { return 8; }
uint8_t snowyhills(int32_t, int32_t, uint8_t) { return 8; }
uint8_t glaciers(int32_t, int32_t, uint8_t) { return 7; }

uint8_t arctictundra(int32_t x, int32_t, uint8_t) { return striped(x, 8, 9); }
uint8_t tundra(int32_t, int32_t, uint8_t) { return 9; }
uint8_t alpinetundra(int32_t x, int32_t, uint8_t) { return striped(x, 9, 8); }
uint8_t taiga(int32_t x, int32_t, uint8_t) { return striped(x, 9, 8); }

uint8_t rockydesert(int32_t, int32_t, uint8_t) { return 11; }
uint8_t openshrubland(int32_t, int32_t, uint8_t) { return 18; }
uint8_t borealforest(int32_t x, int32_t, uint8_t) { return striped(x, 9, 10); }
uint8_t tempebroad(int32_t, int32_t, uint8_t) { return 10; }

uint8_t semi_arid(int32_t, int32_t, uint8_t) { return 18; }
uint8_t grassland(int32_t, int32_t, uint8_t) { return 1; }
uint8_t temperatecone(int32_t x, int32_t, uint8_t) { return striped(x, 1, 10); }
uint8_t woodland(int32_t, int32_t, uint8_t) { return 1; }

uint8_t desert(int32_t, int32_t, uint8_t) { return 18; }
uint8_t savanna(int32_t, int32_t, uint8_t) { return 18; }
uint8_t mediterranean(int32_t, int32_t, uint8_t) { return 1; }
uint8_t rainforest(int32_t, int32_t, uint8_t) { return 1; }

uint8_t saline(int32_t, int32_t, uint8_t) { return 16; }
uint8_t tropicalsavanna(int32_t, int32_t, uint8_t) { return 1; }
uint8_t tropical(int32_t, int32_t, uint8_t) { return 1; }
uint8_t tropicalrain(int32_t, int32_t, uint8_t) { return 1; }

uint8_t scorched(int32_t, int32_t, uint8_t) { return 5; }
uint8_t lumen(int32_t, int32_t, uint8_t) { return 5; }
uint8_t badlands(int32_t, int32_t, uint8_t) { return 16; }
uint8_t mangrove(int32_t, int32_t, uint8_t) { return 1; }

uint8_t boiling(int32_t, int32_t, uint8_t) { return 51; }
uint8_t moltenruins(int32_t x, int32_t, uint8_t) { return striped(x, 51, 254); }
uint8_t ruins(int32_t, int32_t, uint8_t) { return 19; }
uint8_t mist(int32_t, int32_t, uint8_t) { return 6; }

// Four entries per heat class, coldest first; within a class, driest first.
biome genbiome[BIOMES] = {
    colddesert, permafrost,      snowyhills,    glaciers,
    arctictundra, tundra,        alpinetundra,  taiga,
    rockydesert, openshrubland,  borealforest,  tempebroad,
    semi_arid,  grassland,       temperatecone, woodland,
    desert,     savanna,         mediterranean, rainforest,
    saline,     tropicalsavanna, tropical,      tropicalrain,
    scorched,   lumen,           badlands,      mangrove,
    boiling,    moltenruins,     ruins,         mist,
};
