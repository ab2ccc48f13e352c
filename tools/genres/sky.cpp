// Skies: a tileable cloud picture for the world, a looping GIF for the main menu.
#include "sky.h"

#include "pixelart.h"

#include <fcntl.h>
#include <gif_lib.h>

#include <algorithm>
#include <cmath>

namespace {

// The world's sky: the width is a multiple of 4 and modest, since the game repaints bands of
// it from noise while it runs.
constexpr int SKYWIDTH = 512;
constexpr int SKYROWS = 100;
// The day's clear and cloud colours, which the game's own sky painter starts from.
const Color CLEAR = {64, 142, 139, 255};
const Color CLOUD = {245, 245, 245, 255};
constexpr int CLOUDSHADES = 6;

// The menu sky.
constexpr int MENUWIDTH = 360;
constexpr int MENUHEIGHT = 240;
constexpr int MENUFRAMES = 16;
constexpr int FRAMEDELAY = 10;  // hundredths of a second; the game ignores it
constexpr int GRADIENTSTEPS = 24;
constexpr int CLOUDSTEPS = 8;
constexpr int STARSHADES = 4;
constexpr int STARS = 70;
constexpr uint32_t MENUSEED = 0x5e7e11;

float smoothstep(float edge0, float edge1, float x)
{
    float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3 - 2 * t);
}

Color eveninggradient(float height)  // 0 at the top of the picture, 1 at the horizon
{
    static const Color stops[] = {rgb(0x141a3c), rgb(0x2a2f66), rgb(0x5a4a8a), rgb(0xb8708a), rgb(0xf0a870)};
    float position = std::clamp(height, 0.0f, 1.0f) * 4;
    int low = std::min((int)position, 3);
    return mixcolor(stops[low], stops[low + 1], position - low);
}

Color eveningcloud(float height)  // lit from below by the sunset
{
    return mixcolor(rgb(0x6a5a8a), rgb(0xf8c0a0), height);
}

// The two cloud shapes the menu sky breathes between, one value per pixel each.
struct cloudshapes {
    std::vector<float> first, second;
};

cloudshapes menuclouds()
{
    cloudshapes shapes;
    for (int y = 0; y < MENUHEIGHT; y++)
        for (int x = 0; x < MENUWIDTH; x++) {
            // Flattened threefold: clouds lie in wide bands near the horizon.
            float flat = y * 2.5f;
            shapes.first.push_back(fractalnoise(MENUSEED, x, flat, MENUWIDTH, MENUHEIGHT * 5 / 2, 4, 4));
            shapes.second.push_back(fractalnoise(MENUSEED + 1, x, flat, MENUWIDTH, MENUHEIGHT * 5 / 2, 4, 4));
        }
    return shapes;
}

// One frame: the clouds swell from the first shape to the second and back within the loop;
// each star twinkles with its own phase.
std::vector<GifByteType> menuframe(const cloudshapes& shapes, int frame)
{
    float phase = 0.5f - 0.5f * std::cos(2 * PI * frame / MENUFRAMES);
    std::vector<GifByteType> pixels((size_t)MENUWIDTH * MENUHEIGHT);
    for (int y = 0; y < MENUHEIGHT; y++)
        for (int x = 0; x < MENUWIDTH; x++) {
            size_t i = (size_t)y * MENUWIDTH + x;
            float height = (float)y / MENUHEIGHT;
            float shape = shapes.first[i] + (shapes.second[i] - shapes.first[i]) * phase;
            float cover = smoothstep(0.48f, 0.72f, shape) * (0.35f + 0.65f * height);
            int step = std::min(GRADIENTSTEPS - 1, (int)(height * GRADIENTSTEPS + bayer(x, y)));
            int cloud = std::min(CLOUDSTEPS - 1, (int)(cover * (CLOUDSTEPS - 1) + bayer(x + 2, y + 1)));
            pixels[i] = (GifByteType)(step * CLOUDSTEPS + cloud);
        }
    for (int star = 0; star < STARS; star++) {
        int x = randomint(MENUSEED, star * 3, MENUWIDTH), y = randomint(MENUSEED, star * 3 + 1, MENUHEIGHT / 2);
        GifByteType& pixel = pixels[(size_t)y * MENUWIDTH + x];
        if (pixel % CLOUDSTEPS > 1) continue;  // hidden behind a cloud
        float twinkle = 0.5f + 0.5f * std::sin(2 * PI * (frame / (float)MENUFRAMES + random01(MENUSEED, star, 9)));
        pixel = (GifByteType)(GRADIENTSTEPS * CLOUDSTEPS + std::min(STARSHADES - 1, (int)(twinkle * STARSHADES)));
    }
    return pixels;
}

ColorMapObject* menupalette()
{
    GifColorType colours[256] = {};
    for (int step = 0; step < GRADIENTSTEPS; step++)
        for (int cloud = 0; cloud < CLOUDSTEPS; cloud++) {
            float height = (step + 0.5f) / GRADIENTSTEPS;
            Color c = mixcolor(eveninggradient(height), eveningcloud(height), (float)cloud / (CLOUDSTEPS - 1));
            colours[step * CLOUDSTEPS + cloud] = {c.r, c.g, c.b};
        }
    for (int shade = 0; shade < STARSHADES; shade++) {
        Color c = mixcolor(rgb(0x6a70a0), rgb(0xfffff0), (shade + 1.0f) / STARSHADES);
        colours[GRADIENTSTEPS * CLOUDSTEPS + shade] = {c.r, c.g, c.b};
    }
    return GifMakeMapObject(256, colours);
}

void check(int status, GifFileType* gif, const std::string& path)
{
    if (status == GIF_OK) return;
    int error = 0;
    EGifCloseFile(gif, &error);
    fail("cannot write " + path);
}

}  // namespace

void writesky(const std::string& resdir)
{
    ramp clouds;
    for (int shade = 0; shade < CLOUDSHADES; shade++) clouds.shades.push_back(mixcolor(CLEAR, CLOUD, (float)shade / (CLOUDSHADES - 1)));
    canvas sky(SKYWIDTH, SKYROWS);
    for (int y = 0; y < SKYROWS; y++)
        for (int x = 0; x < SKYWIDTH; x++) {
            // Wide, flat clouds: the picture is stretched across the view.
            float n = fractalnoise(0x5c1e5, x, y * 2.0f, SKYWIDTH, SKYROWS * 2, 6, 4);
            sky.at(x, y) = clouds.at(smoothstep(0.46f, 0.74f, n), x, y);
        }
    savepng(sky, resdir + "/images/sky.png", true);
}

void writemenusky(const std::string& resdir)
{
    std::string path = resdir + "/images/sky.gif";
    int error = 0;
    // Opened here rather than by giflib, which would make the file private to its owner.
    int descriptor = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    GifFileType* gif = descriptor < 0 ? nullptr : EGifOpenFileHandle(descriptor, &error);
    if (!gif) fail("cannot write " + path);
    EGifSetGifVersion(gif, true);
    ColorMapObject* palette = menupalette();
    check(EGifPutScreenDesc(gif, MENUWIDTH, MENUHEIGHT, 8, 0, palette), gif, path);
    GifFreeMapObject(palette);

    // Loop for ever.
    static const GifByteType netscape[] = "NETSCAPE2.0";
    static const GifByteType forever[] = {1, 0, 0};
    check(EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE), gif, path);
    check(EGifPutExtensionBlock(gif, 11, netscape), gif, path);
    check(EGifPutExtensionBlock(gif, 3, forever), gif, path);
    check(EGifPutExtensionTrailer(gif), gif, path);

    cloudshapes shapes = menuclouds();
    for (int frame = 0; frame < MENUFRAMES; frame++) {
        GraphicsControlBlock control = {DISPOSE_DO_NOT, false, FRAMEDELAY, NO_TRANSPARENT_COLOR};
        GifByteType extension[4];
        size_t length = EGifGCBToExtension(&control, extension);
        check(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, (int)length, extension), gif, path);
        check(EGifPutImageDesc(gif, 0, 0, MENUWIDTH, MENUHEIGHT, false, nullptr), gif, path);
        std::vector<GifByteType> pixels = menuframe(shapes, frame);
        for (int y = 0; y < MENUHEIGHT; y++) check(EGifPutLine(gif, &pixels[(size_t)y * MENUWIDTH], MENUWIDTH), gif, path);
    }
    if (EGifCloseFile(gif, &error) != GIF_OK) fail("cannot write " + path);
}
