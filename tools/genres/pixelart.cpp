// Pixel-art toolkit: hash, periodic noise, colours, dithered ramps and the canvas.
#include "pixelart.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

uint32_t hash(uint32_t a, uint32_t b, uint32_t c, uint32_t d)
{
    // Each word is folded in with a multiply-xorshift round (the "lowbias32" mixer).
    uint32_t h = 0x9e3779b9u;
    for (uint32_t word : {a, b, c, d}) {
        h ^= word + 0x7f4a7c15u + (h << 6) + (h >> 2);
        h ^= h >> 16;
        h *= 0x7feb352du;
        h ^= h >> 15;
        h *= 0x846ca68bu;
        h ^= h >> 16;
    }
    return h;
}

float random01(uint32_t seed, int x, int y)
{
    return (hash(seed, (uint32_t)x, (uint32_t)y) >> 8) * (1.0f / 16777216.0f);
}

int randomint(uint32_t seed, int x, int below)
{
    return (int)(random01(seed, x, 0x5151) * below);
}

static int wrapindex(int i, int n) { return ((i % n) + n) % n; }

float latticenoise(uint32_t seed, float u, float v, int wrapu, int wrapv)
{
    float fu = std::floor(u), fv = std::floor(v);
    int iu = (int)fu, iv = (int)fv;
    float tu = u - fu, tv = v - fv;
    tu = tu * tu * (3 - 2 * tu);
    tv = tv * tv * (3 - 2 * tv);
    auto corner = [&](int du, int dv) {
        return random01(seed, wrapindex(iu + du, wrapu), wrapindex(iv + dv, wrapv));
    };
    float top = corner(0, 0) + (corner(1, 0) - corner(0, 0)) * tu;
    float bottom = corner(0, 1) + (corner(1, 1) - corner(0, 1)) * tu;
    return top + (bottom - top) * tv;
}

float fractalnoise(uint32_t seed, float x, float y, int width, int height, int cells, int octaves)
{
    float sum = 0, weight = 0, amplitude = 1;
    for (int octave = 0; octave < octaves; octave++) {
        int cellsu = cells << octave;
        // Keep the cells square where the picture is not: as many rows of cells as fit.
        int cellsv = std::max(1, (int)std::lround((double)cellsu * height / width));
        float u = x * cellsu / width, v = y * cellsv / height;
        sum += amplitude * latticenoise(hash(seed, octave), u, v, cellsu, cellsv);
        weight += amplitude;
        amplitude *= 0.5f;
    }
    return sum / weight;
}

float bayer(int x, int y)
{
    static const int matrix[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    return (matrix[y & 3][x & 3] + 0.5f) / 16.0f;
}

Color rgb(uint32_t hex)
{
    return {(unsigned char)(hex >> 16), (unsigned char)(hex >> 8), (unsigned char)hex, 255};
}

static unsigned char channel(float value)
{
    return (unsigned char)std::clamp((int)std::lround(value), 0, 255);
}

Color mixcolor(Color a, Color b, float t)
{
    return {channel(a.r + (b.r - a.r) * t), channel(a.g + (b.g - a.g) * t),
            channel(a.b + (b.b - a.b) * t), channel(a.a + (b.a - a.a) * t)};
}

Color scalecolor(Color c, float factor)
{
    return {channel(c.r * factor), channel(c.g * factor), channel(c.b * factor), c.a};
}

bool samecolor(Color a, Color b) { return a.r == b.r && a.g == b.g && a.b == b.b && a.a == b.a; }

Color ramp::at(float value, int x, int y) const
{
    float position = std::clamp(value, 0.0f, 1.0f) * (shades.size() - 1);
    int low = (int)position;
    float fraction = position - low;
    return (*this)[fraction > bayer(x, y) ? low + 1 : low];
}

Color ramp::operator[](int index) const
{
    return shades[std::clamp(index, 0, (int)shades.size() - 1)];
}

canvas::canvas(int w, int h, Color fill) : width(w), height(h), pixels((size_t)w * h, fill) {}

Color& canvas::at(int x, int y) { return pixels[(size_t)y * width + x]; }
Color canvas::at(int x, int y) const { return pixels[(size_t)y * width + x]; }
Color& canvas::wrapped(int x, int y) { return at(wrapindex(x, width), wrapindex(y, height)); }

void canvas::blit(const canvas& source, int x, int y)
{
    for (int sy = 0; sy < source.height; sy++)
        for (int sx = 0; sx < source.width; sx++)
            if (inside(x + sx, y + sy)) at(x + sx, y + sy) = source.at(sx, sy);
}

Image canvas::image() const
{
    Image result = GenImageColor(width, height, BLANK);
    std::memcpy(result.data, pixels.data(), pixels.size() * sizeof(Color));
    return result;
}

void fail(const std::string& message)
{
    std::fprintf(stderr, "genres: %s\n", message.c_str());
    std::exit(1);
}

void saveimage(const Image& image, const std::string& path)
{
    if (!ExportImage(image, path.c_str())) fail("cannot write " + path);
}

void savepng(const canvas& picture, const std::string& path, bool rgbonly)
{
    Image image = picture.image();
    if (rgbonly) ImageFormat(&image, PIXELFORMAT_UNCOMPRESSED_R8G8B8);
    saveimage(image, path);
    UnloadImage(image);
}
