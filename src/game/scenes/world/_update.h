// _update: the world scene's update step, and the building of the tile grid.
//
// The grid comes from one of two sources, chosen by `drawnworld` (see _render):
//  - the painted map "res/images/coolworld.png", whose bytes are the tile ids: a grayscale
//    picture of one pixel per tile, an RGBA picture a quarter as wide holding four tiles per
//    pixel, or a colour picture of one pixel per tile whose first channel is the tile id;
//  - generation: 64 x 64-tile chunks, each filled by the biome its climate picks (see biome)
//    from three noise fields sampled once per chunk.
// A painted map that cannot be used is reported and leaves the grid as it was; when there
// is no grid yet the world is generated instead, so there is always a world to walk.
#pragma once

#include "../../../libs/simplex.h"

#include <cstdint>
#include <raylib.h>
#include <string>

extern float sped;         // horizontal speed of this update, shown by the debug text
extern bool thirdperson;  // the view is drawn from the camera behind the player

// The climate: heat, humidity and population, sampled at chunk coordinates.
extern FastNoiseLite heatnoise;
extern FastNoiseLite humiditynoise;
extern FastNoiseLite populationnoise;

// Makes the three climate fields of world number worldnumber.
void setupterrainnoise(int16_t worldnumber);

// The biome table entry of a climate: heat and humidity each in -1 to 1.
uint8_t biomeindex(float heat, float humidity);

// A painted map's file, decoded: an image in one of the map's layouts for a world of
// size x size tiles, or an empty image and the problem, in words.
Image decodepaintedmap(const unsigned char* file, int length, int size, std::string& problem);

// Turns a grid image of an accepted layout into one byte per tile.
void onebytepertile(Image& image, int size);

// The population a chunk hands its biome: the noise value truncated to an integer.
uint8_t populationbyte(float population);
