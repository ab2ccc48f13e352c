// biome: the 32 biomes that fill the generated world, and the table that picks them.
//
// Every 64 x 64-tile chunk of a generated world has one climate: a heat class (0 coldest to
// 7 hottest) and a humidity class (0 driest to 3 wettest). The biome at index
// heat * 4 + humidity of `genbiome` decides the tile id of every tile in the chunk. Biomes
// are pure: the id depends only on the tile's column, so striped biomes run in stripes
// along the rows. The row `z` and the chunk's `population` are passed for biomes that
// may want them one day.
#pragma once

#include <cstdint>

typedef uint8_t (*biome)(int32_t x, int32_t z, uint8_t population);

const int HEATCLASSES = 8;
const int HUMIDITYCLASSES = 4;
const int BIOMES = HEATCLASSES * HUMIDITYCLASSES;

extern biome genbiome[BIOMES];

// Heat class 0
uint8_t colddesert(int32_t x, int32_t z, uint8_t population);
uint8_t permafrost(int32_t x, int32_t z, uint8_t population);
uint8_t snowyhills(int32_t x, int32_t z, uint8_t population);
uint8_t glaciers(int32_t x, int32_t z, uint8_t population);
// Heat class 1
uint8_t arctictundra(int32_t x, int32_t z, uint8_t population);
uint8_t tundra(int32_t x, int32_t z, uint8_t population);
uint8_t alpinetundra(int32_t x, int32_t z, uint8_t population);
uint8_t taiga(int32_t x, int32_t z, uint8_t population);
// Heat class 2
uint8_t rockydesert(int32_t x, int32_t z, uint8_t population);
uint8_t openshrubland(int32_t x, int32_t z, uint8_t population);
uint8_t borealforest(int32_t x, int32_t z, uint8_t population);
uint8_t tempebroad(int32_t x, int32_t z, uint8_t population);
// Heat class 3
uint8_t semi_arid(int32_t x, int32_t z, uint8_t population);
uint8_t grassland(int32_t x, int32_t z, uint8_t population);
uint8_t temperatecone(int32_t x, int32_t z, uint8_t population);
uint8_t woodland(int32_t x, int32_t z, uint8_t population);
// Heat class 4
uint8_t desert(int32_t x, int32_t z, uint8_t population);
uint8_t savanna(int32_t x, int32_t z, uint8_t population);
uint8_t mediterranean(int32_t x, int32_t z, uint8_t population);
uint8_t rainforest(int32_t x, int32_t z, uint8_t population);
// Heat class 5
uint8_t saline(int32_t x, int32_t z, uint8_t population);
uint8_t tropicalsavanna(int32_t x, int32_t z, uint8_t population);
uint8_t tropical(int32_t x, int32_t z, uint8_t population);
uint8_t tropicalrain(int32_t x, int32_t z, uint8_t population);
// Heat class 6
uint8_t scorched(int32_t x, int32_t z, uint8_t population);
uint8_t lumen(int32_t x, int32_t z, uint8_t population);
uint8_t badlands(int32_t x, int32_t z, uint8_t population);
uint8_t mangrove(int32_t x, int32_t z, uint8_t population);
// Heat class 7
uint8_t boiling(int32_t x, int32_t z, uint8_t population);
uint8_t moltenruins(int32_t x, int32_t z, uint8_t population);
uint8_t ruins(int32_t x, int32_t z, uint8_t population);
uint8_t mist(int32_t x, int32_t z, uint8_t population);
