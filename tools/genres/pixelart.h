// Pixel-art toolkit shared by the generator's pictures: a seeded integer hash, value noise that
// repeats with a given period (so tiles and the sky wrap without seams), colour arithmetic,
// colour ramps picked with ordered dithering, and a small colour canvas that writes PNG files.
//
// Nothing here reads the clock or an unseeded source: the same seed gives the same picture.
#pragma once

#include <raylib.h>

#include <cstdint>
#include <string>
#include <vector>

uint32_t hash(uint32_t a, uint32_t b = 0, uint32_t c = 0, uint32_t d = 0);
float random01(uint32_t seed, int x, int y = 0);         // uniform in [0, 1)
int randomint(uint32_t seed, int x, int below);           // uniform in [0, below)

// Smooth value noise in [0, 1] on a lattice of `wrapu` x `wrapv` cells that repeats: u and v
// are in lattice units, so the pattern repeats every wrapu cells in u and wrapv cells in v.
float latticenoise(uint32_t seed, float u, float v, int wrapu, int wrapv);
// Octaves of latticenoise over a picture of `width` x `height` pixels with `cells` lattice
// cells across its width at the first octave; repeats with the picture's size.
float fractalnoise(uint32_t seed, float x, float y, int width, int height, int cells, int octaves);

float bayer(int x, int y);  // ordered-dither threshold of a 4 x 4 Bayer matrix, in (0, 1)

Color rgb(uint32_t hex);                      // 0xRRGGBB, opaque
Color mixcolor(Color a, Color b, float t);    // t 0 gives a, 1 gives b
Color scalecolor(Color c, float factor);      // brightness, clamped
bool samecolor(Color a, Color b);

// A shade ramp from dark to light, picked by a value in [0, 1] with ordered dithering, which
// gives the banded, hand-placed look of pixel art instead of smooth gradients.
struct ramp {
    std::vector<Color> shades;
    Color at(float value, int x, int y) const;
    Color operator[](int index) const;  // clamped to the ramp
};

// A picture of colours, row 0 at the top. Coordinates passed to wrapped accessors are taken
// modulo the size, which keeps the tiles' patterns seamless.
struct canvas {
    int width = 0, height = 0;
    std::vector<Color> pixels;

    canvas(int w, int h, Color fill = BLANK);
    Color& at(int x, int y);
    Color at(int x, int y) const;
    Color& wrapped(int x, int y);
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    void blit(const canvas& source, int x, int y);
    Image image() const;  // RGBA copy owned by the caller
};

// Writes the canvas as an 8-bit RGBA (or, with rgbonly, RGB) PNG; ends the program with a
// message when the file cannot be written.
void savepng(const canvas& picture, const std::string& path, bool rgbonly = false);
void saveimage(const Image& image, const std::string& path);
void fail(const std::string& message);  // prints "genres: message" and exits with status 1
