// Brushes for painting 16 x 16 ground tiles seen from above.
//
// The style every tile shares: light falls from the north-west (top-left), so raised things
// are lit on their top-left and cast a short shadow to the south-east; surfaces are shade
// ramps picked with ordered dithering; natural textures repeat seamlessly across the tile's
// edges (anything drawn near an edge continues on the opposite one), so a field of one tile
// shows no grid. Built things (roads, walls, bridges) are drawn edge to edge without wrapping.
#pragma once

#include "pixelart.h"

#include <initializer_list>

constexpr int TILE = 16;  // pixels per tile edge

using tile = canvas;
tile blanktile();

// Fills the tile with noise mapped onto the ramp; `cells` sets the grain (more is finer).
void ground(tile& t, const ramp& shades, uint32_t seed, int cells = 4, float contrast = 1.0f,
            float bias = 0.0f);
// Scattered single pixels, each a colour from the list.
void speckles(tile& t, std::initializer_list<Color> colours, int count, uint32_t seed);
// Rounded lumps (stones, boulders, bushes), lit from the north-west with a drop shadow.
void lumps(tile& t, const ramp& shades, int count, float minradius, float maxradius, uint32_t seed,
           float shadow = 0.7f);
void lump(tile& t, float cx, float cy, float radius, const ramp& shades, uint32_t seed,
          float shadow = 0.7f, float bumpiness = 0.0f);
// Tree crowns seen from above: bumpy lit lumps on a jittered grid covering the tile.
void crowns(tile& t, const ramp& leaves, int perside, float radius, uint32_t seed, float shadow = 0.55f);
// Conifers from above: star-shaped crowns; with `snow` their lit side is white.
void conifers(tile& t, const ramp& needles, int count, float radius, uint32_t seed, bool snow = false);
// Small grass tufts (two blades and a tip).
void tufts(tile& t, Color dark, Color light, int count, uint32_t seed);
// Flowers: a petal colour around a centre pixel.
void flowers(tile& t, Color petal, Color centre, int count, uint32_t seed);
// Thin wandering cracks; with a glow colour, their neighbours are tinted by it.
void cracks(tile& t, Color colour, int count, int length, uint32_t seed, Color glow = BLANK);
// Parallel stripes: every `spacing` pixels a dark line with a lit line after it.
void furrows(tile& t, Color dark, Color light, int spacing, bool vertical, int offset = 0);
// Irregular stones in mortar (periodic Voronoi cells); hexagonal when `hexagonal` is set.
void cobbles(tile& t, const ramp& stone, Color mortar, int cells, uint32_t seed, bool hexagonal = false,
             float mortarwidth = 0.9f);
// Brick courses of w x h bricks, every other course shifted by half a brick.
void bricks(tile& t, const ramp& brick, Color mortar, int w, int h, uint32_t seed);
// Square glazed tiles of `size` pixels, in two alternating colours, with grout lines.
void glazed(tile& t, Color first, Color second, Color grout, int size);
// Boards `width` pixels wide with grain, gaps and nails; `vertical` boards run north-south.
void planks(tile& t, const ramp& wood, bool vertical, int width, uint32_t seed);
// Water surface: stretched noise with short lit ripple dashes.
void ripples(tile& t, const ramp& water, Color glint, uint32_t seed);
// Rectangle helpers for built things (clipped, not wrapped).
void fillrect(tile& t, int x, int y, int w, int h, Color colour);
void shaderect(tile& t, int x, int y, int w, int h, float factor);
// A cut stone block: lit top-left edges, dark bottom-right edges, a drop shadow.
void block(tile& t, int x, int y, int w, int h, const ramp& stone, uint32_t seed);
