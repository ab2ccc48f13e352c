// gameicon: draws the desktop icon of the game from its own art.
//
//   gameicon <resource dir> <icon.png out> <size>
//
// The wanderer of "defaultplayer/player.png" stands on a strip of the grass tile of
// "images/tilesheet.png" under a piece of "images/sky.png", on a 32 x 32 pixel-art square
// with rounded corners, enlarged without smoothing to size x size.
#include <raylib.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int ART = 32;                  // side of the icon before enlarging
constexpr int GROUNDTOP = 22;            // first row of grass
constexpr int TILE = 16;                 // tile side in the sheet
constexpr int GRASSID = 1;               // the grass tile: sheet cell (1, 0)
constexpr int SPRITEX = 2, SPRITEW = 16; // the full sprite stands right of two world texels
constexpr int SKYX = 300, SKYY = 28;     // a piece of the sky with a cloud's edge in it
constexpr int CORNER = 3;                // radius of the rounded corners

[[noreturn]] void fail(const std::string& why)
{
    std::fprintf(stderr, "gameicon: %s\n", why.c_str());
    std::exit(1);
}

Image readimage(const std::string& path)
{
    Image image = LoadImage(path.c_str());
    if (!image.data) fail("cannot read " + path);
    ImageFormat(&image, PIXELFORMAT_UNCOMPRESSED_R8G8B8A8);
    return image;
}

// Outside the quarter circles that round the square's corners.
bool cutcorner(int x, int y)
{
    int dx = x < CORNER ? CORNER - x : (x >= ART - CORNER ? x - (ART - CORNER - 1) : 0);
    int dy = y < CORNER ? CORNER - y : (y >= ART - CORNER ? y - (ART - CORNER - 1) : 0);
    return dx * dx + dy * dy > CORNER * CORNER;
}

Image drawicon(const std::string& resdir)
{
    Image sky = readimage(resdir + "/images/sky.png");
    Image sheet = readimage(resdir + "/images/tilesheet.png");
    Image player = readimage(resdir + "/defaultplayer/player.png");
    if (sky.width < SKYX + ART || sky.height < SKYY + GROUNDTOP) fail("sky.png is too small for the icon");
    if (sheet.width < (GRASSID + 1) * TILE || sheet.height < TILE) fail("tilesheet.png is too small for the icon");
    if (player.width < SPRITEX + SPRITEW || player.height < ART) fail("player.png is too small for the icon");

    Image icon = GenImageColor(ART, ART, BLANK);
    ImageDraw(&icon, sky, {(float)SKYX, (float)SKYY, ART, GROUNDTOP}, {0, 0, ART, GROUNDTOP}, WHITE);
    for (int x = 0; x < ART; x += TILE)
        ImageDraw(&icon, sheet, {(float)GRASSID * TILE, 0, TILE, ART - GROUNDTOP},
                  {(float)x, GROUNDTOP, TILE, ART - GROUNDTOP}, WHITE);
    ImageDraw(&icon, player, {SPRITEX, 0, SPRITEW, ART}, {(ART - SPRITEW) / 2.0f, 0, SPRITEW, ART}, WHITE);
    for (int y = 0; y < ART; y++)
        for (int x = 0; x < ART; x++)
            if (cutcorner(x, y)) ImageDrawPixel(&icon, x, y, BLANK);
    UnloadImage(sky);
    UnloadImage(sheet);
    UnloadImage(player);
    return icon;
}

}  // namespace

int main(int argc, char** argv)
{
    int size = argc == 4 ? std::atoi(argv[3]) : 0;
    if (size < ART) {
        std::fprintf(stderr, "usage: gameicon <resource dir> <icon.png out> <size, at least 32>\n");
        return 2;
    }
    SetTraceLogLevel(LOG_WARNING);
    Image icon = drawicon(argv[1]);
    ImageResizeNN(&icon, size, size);
    if (!ExportImage(icon, argv[2])) fail(std::string("cannot write ") + argv[2]);
    UnloadImage(icon);
    return 0;
}
