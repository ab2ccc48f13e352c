// _texturegen: the animated tiles and the sky, painted on the CPU from coherent noise.
//
// Every texture tick repaints the grass tile, the grass verges of the road tiles, the
// water tile and the lava tile of the sheet, refreshes one band of the sky image and
// uploads both. Between ticks the textures stand still, so they animate in steps.
#pragma once

#include "../../../libs/simplex.h"

#include <map>
#include <raylib.h>

typedef std::map<float, Color> gradient;  // colour stops, looked up by their exact keys

extern const char* sheetfile;       // the file the tile sheet came from, for messages
extern FastNoiseLite texturenoise;  // shared by the tile passes and the sky
extern float dragx, dragz;          // drift of the water, lava and grass patterns
extern gradient grass, water, lava;
extern int tileX, tileY;            // the plain grass tile
extern int roadsx[6], roadsz[6];    // the road tiles whose green verges take the grass colour
extern float previdx;               // the grass pass's running noise value
extern bool genpixel;               // the grass pass samples every other pixel
extern char buf[32];                // the last logged cycle count

extern gradient daynight[6];        // cloud (0.0) and clear sky (0.4) colour of each part of the day
extern short rows[8][2];            // the sky's refresh bands: first row, end row
extern char row;                    // the next band
extern bool first;                  // the sky has not been painted yet

void updatetextures();
// The three tile passes and the sky refresh, on the CPU only; false when the sheet could
// not be painted.
bool painttextures();
void gensky(int startx, int startz, int width, int height);

// The noise settings of each pass. The passes share one generator and run in this order,
// each changing only some settings of those the pass before left.
void grassnoise(FastNoiseLite& noise);
void waternoise(FastNoiseLite& noise);
void lavanoise(FastNoiseLite& noise);
void skynoise(FastNoiseLite& noise);

Color grasscolor(float v);                       // the grass colour of a noise value
Color stopcolor(float n, const gradient& stops);  // water and lava: four stops from 0.1 to 0.98
