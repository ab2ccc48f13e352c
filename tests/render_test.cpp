// The world's draw step: the ground seen from above shows each tile's cell of the sheet in
// the day colour, on the very first frame and right after the map is rebuilt; the sky slice
// the view angles pick; the status bar, the debug text and F1; and the uniforms the pass
// hands the tile and status-bar shaders, read back from the driver.
#include "game/game.h"
#include "game/scenes/world/_render.h"
#include "game/scenes/world/_update.h"
#include "game/scenes/world/world.h"
#include "globals.h"
#include "harness.h"

#include <GLFW/glfw3.h>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <stdexcept>
#include <vector>

using namespace harness;

namespace {

const int SIDE = 1024;  // tiles to the world's edge
const int CELL = 16;    // pixels to a tile-sheet cell's edge
const int SHEETCELLS = 16;
const uint8_t BACKGROUND = 100;  // the tile id everywhere a case does not paint its own
const Color BARCOLOUR = {255, 0, 255, 255};
const int VIEWW = 360, VIEWH = 240;
const int TOLERANCE = 2;  // rounding of the day colour's product to 8 bits

// ---- Fixture resources ------------------------------------------------------------------

std::string fixturedir()
{
    char name[] = "/tmp/vellmoran-render-XXXXXX";
    if (!mkdtemp(name)) throw std::runtime_error("mkdtemp failed");
    return name;
}

// The flat colour of cell id in the fixture sheet: every id its own colour, none of them
// the pure green the grass pass repaints.
Color cellcolour(int id)
{
    return {static_cast<unsigned char>((id * 53 + 40) % 256), static_cast<unsigned char>((id * 97 + 80) % 250),
            static_cast<unsigned char>((id * 29 + 120) % 256), 255};
}

void writesheet(const std::string& path)
{
    Image sheet = GenImageColor(CELL * SHEETCELLS, CELL * SHEETCELLS, BLANK);
    for (int id = 0; id < SHEETCELLS * SHEETCELLS; id++)
        ImageDrawRectangle(&sheet, (id % SHEETCELLS) * CELL, (id / SHEETCELLS) * CELL, CELL, CELL, cellcolour(id));
    ASSERT_TRUE(ExportImage(sheet, path.c_str()));
    UnloadImage(sheet);
}

struct Tile {
    int column, row;
    uint8_t id;
};

// A grayscale map of BACKGROUND with each of tiles painted in.
void writemap(const std::string& path, const std::vector<Tile>& tiles)
{
    std::vector<uint8_t> grid(static_cast<size_t>(SIDE) * SIDE, BACKGROUND);
    for (const Tile& tile : tiles) grid[static_cast<size_t>(tile.row) * SIDE + tile.column] = tile.id;
    Image image = {grid.data(), SIDE, SIDE, 1, PIXELFORMAT_UNCOMPRESSED_GRAYSCALE};
    ASSERT_TRUE(ExportImage(image, path.c_str()));
}

// A sky whose every column and row has a colour of its own.
void writesky(const std::string& path, int width, int height)
{
    Image sky = GenImageColor(width, height, BLACK);
    for (int y = 0; y < height; y++)
        for (int x = 0; x < width; x++)
            ImageDrawPixel(&sky, x, y, {static_cast<unsigned char>(x % 256), static_cast<unsigned char>(y * 2),
                                        static_cast<unsigned char>(x / 256 * 128), 255});
    ImageFormat(&sky, PIXELFORMAT_UNCOMPRESSED_R8G8B8);
    ASSERT_TRUE(ExportImage(sky, path.c_str()));
    UnloadImage(sky);
}

struct Fixture {
    std::string files;  // the fixture's own files
    std::string res;    // the resource directory the game reads
};

// The game's shaders, fonts, player and ground model, with a sheet of flat known colours,
// a painted map of the given tiles, a flat magenta status bar and a sky of distinct pixels.
Fixture groundfixture(const std::vector<Tile>& tiles, bool withmodel = true)
{
    Fixture fixture;
    fixture.files = fixturedir();
    writesheet(fixture.files + "/tilesheet.png");
    writemap(fixture.files + "/coolworld.png", tiles);
    Image bar = GenImageColor(VIEWW, 50, BARCOLOUR);
    EXPECT_TRUE(ExportImage(bar, (fixture.files + "/menubar.png").c_str()));
    UnloadImage(bar);
    writesky(fixture.files + "/sky.png", 400, 100);
    std::vector<std::pair<std::string, std::string>> links = {
        {"shaders", RESOURCES + "/shaders"},
        {"fonts", RESOURCES + "/fonts"},
        {"defaultplayer", RESOURCES + "/defaultplayer"},
        {"images/tilesheet.png", fixture.files + "/tilesheet.png"},
        {"images/coolworld.png", fixture.files + "/coolworld.png"},
        {"images/menubar.png", fixture.files + "/menubar.png"},
        {"images/sky.png", fixture.files + "/sky.png"},
    };
    if (withmodel) links.push_back({"models/world.obj", RESOURCES + "/models/world.obj"});
    fixture.res = fixtureresources(links);
    return fixture;
}

// ---- Looking at the ground --------------------------------------------------------------

const float ABOVE = 10;          // the camera's height over the ground's surface
const float SURFACE = 1;         // the height of solid ground
const float TILEUNITS = 4;

// The world position of the centre of tile (column, row): columns grow with x and rows
// toward -z, and tile (512, 512) spans x 0 to 4 and z -4 to 0.
Vector3 tilecentre(int column, int row)
{
    return {(column - 512) * TILEUNITS + TILEUNITS / 2, SURFACE, (511 - row) * TILEUNITS + TILEUNITS / 2};
}

// The first-person camera straight above the centre of the tile, looking down.
void lookdownat(int column, int row)
{
    Vector3 centre = tilecentre(column, row);
    world.camera.position = {centre.x, centre.y + ABOVE, centre.z};
    world.camera.target = {centre.x, centre.y, centre.z - 0.01f};
}

bool near(Color seen, Color expected)
{
    return std::abs(seen.r - expected.r) <= TOLERANCE && std::abs(seen.g - expected.g) <= TOLERANCE &&
           std::abs(seen.b - expected.b) <= TOLERANCE && seen.a == expected.a;
}

std::string describe(Color c)
{
    return std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b) + "," + std::to_string(c.a);
}

// The cell's colour lit by the day colour the frame was drawn in.
Color lit(uint8_t id)
{
    Color cell = cellcolour(id);
    auto channel = [](unsigned char c, float light) { return static_cast<unsigned char>(std::lround(c * light)); };
    return {channel(cell.r, daycol[0]), channel(cell.g, daycol[1]), channel(cell.b, daycol[2]), 255};
}

// The four points around the view's centre, each well inside the tile under the camera
// (at 10 units and 80 degrees of view a pixel spans about 0.07 units of ground).
void expecttileinview(uint8_t id)
{
    Image view = target();
    const int OFFSET = 12;
    for (int dy : {-OFFSET, OFFSET})
        for (int dx : {-OFFSET, OFFSET}) {
            Color seen = GetImageColor(view, VIEWW / 2 + dx, VIEWH / 2 + dy);
            EXPECT_TRUE(near(seen, lit(id))) << "id " << int(id) << " at offset " << dx << "," << dy << ": saw "
                                             << describe(seen) << ", expected " << describe(lit(id));
        }
    UnloadImage(view);
}

// Tiles in each quadrant around the origin, next to it and far out, and the grid's corners.
// No id is one the animated tiles repaint (grass, roads, water, lava).
const std::vector<Tile> CASES = {
    {512, 512, 3},  {511, 512, 12},  {511, 511, 40},  {512, 511, 77},   // around the origin
    {700, 300, 130}, {300, 300, 161}, {300, 700, 200}, {700, 700, 222},  // each quadrant, far out
    {0, 0, 2},      {1023, 0, 90},   {0, 1023, 180},  {1023, 1023, 245}, // the grid's corners
};

TEST(Ground, EveryTileShowsItsCellInTheDayColourFromTheFirstFrame)
{
    startgame(groundfixture(CASES).res);
    for (size_t i = 0; i < CASES.size(); i++) {
        const Tile& tile = CASES[i];
        SCOPED_TRACE(testing::Message() << "tile " << tile.column << "," << tile.row << (i == 0 ? " (first frame)" : ""));
        lookdownat(tile.column, tile.row);
        runframes();
        expecttileinview(tile.id);
    }
}

TEST(Ground, TheFrameRightAfterARebuildShowsTheNewMap)
{
    const Tile before = {520, 505, 60}, after = {520, 505, 170};
    Fixture fixture = groundfixture({before});
    startgame(fixture.res);
    lookdownat(before.column, before.row);
    runframes(3);
    expecttileinview(before.id);

    writemap(fixture.files + "/coolworld.png", {after});
    world.mustupdate = true;
    runframes();
    expecttileinview(after.id);
}

TEST(Ground, AWorldWithoutItsGroundModelStillDrawsItsFrames)
{
    startgame(groundfixture({}, false).res);
    EXPECT_EQ(worldmodel.meshCount, 0);
    runframes(2);
    EXPECT_TRUE(near(targetpixel(VIEWW / 2, VIEWH - 1), BARCOLOUR)) << "the rest of the pass ran";
}

// ---- The sky ----------------------------------------------------------------------------

TEST(SkySource, TheTurnTheLookAndTheRenderWidthPickTheSlice)
{
    const float W = 512, H = 100;
    struct {
        float rotx, roty;
        int16_t width;
        Rectangle expected;
    } cases[] = {
        {0, 150, 360, {0, 50, W / 3, 50}},           // the start: row 50, half the height
        {-90, 150, 360, {0.75f * W, 50, W / 3, 50}}, // a quarter turn left is three quarters round
        {720, 150, 360, {0, 50, W / 3, 50}},         // two whole turns are none
        {450, 150, 360, {0.25f * W, 50, W / 3, 50}},
        {-810, 150, 360, {0.75f * W, 50, W / 3, 50}},
        {0, 101, 360, {0, 1, W / 3, 50}},
        {0, 179, 360, {0, 79, W / 3, 50}},
        {0, -30, 360, {0, 70, W / 3, 50}},           // a negative look wraps from the bottom
        {0, 150, 399, {0, 50, W / 3, 50}},           // the render width counts in whole hundreds
        {0, 150, 640, {0, 50, W / 6, 50}},
    };
    int16_t savedwidth = renderw;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "playerrotx " << c.rotx << ", playerroty " << c.roty << ", renderw " << c.width);
        playerrotx = c.rotx;
        playerroty = c.roty;
        renderw = c.width;
        Rectangle source = skysource(W, H);
        EXPECT_NEAR(source.x, c.expected.x, 0.001);
        EXPECT_NEAR(source.y, c.expected.y, 0.001);
        EXPECT_FLOAT_EQ(source.width, c.expected.width);
        EXPECT_FLOAT_EQ(source.height, c.expected.height);
    }
    renderw = savedwidth;
}

// Looking straight up, the whole view above the bar is sky: its top row shows the sky
// picture from the slice's corner on, whatever the sky generator has painted into it by then.
TEST(Sky, TheViewShowsTheSliceTheTurnPicks)
{
    startgame(groundfixture({}).res);
    for (float rotx : {0.0f, 90.0f, -90.0f, 400.0f}) {
        SCOPED_TRACE(testing::Message() << "playerrotx " << rotx);
        playerrotx = rotx;
        Vector3 eye = tilecentre(512, 512);
        world.camera.position = {eye.x, eye.y + ABOVE, eye.z};
        world.camera.target = {eye.x, eye.y + ABOVE + 100, eye.z - 0.01f};
        runframes();
        Image sky = LoadImageFromTexture(skytexture);
        Rectangle slice = skysource(static_cast<float>(sky.width), static_cast<float>(sky.height));
        float across = slice.width / (VIEWW * relresx);  // sky pixels per view pixel
        Image view = target();
        for (int x : {0, 50, 180, 359}) {
            int column = static_cast<int>(slice.x + (x + 0.5f) * across);
            bool found = false;
            Color seen = GetImageColor(view, x, 0);
            // Either neighbour may win where a view pixel's centre lies on a sky pixel's edge.
            for (int dc = -1; dc <= 1; dc++) found |= near(seen, GetImageColor(sky, (column + dc + sky.width) % sky.width, static_cast<int>(slice.y)));
            EXPECT_TRUE(found) << "view x " << x << " shows " << describe(seen) << " where sky column " << column;
        }
        UnloadImage(view);
        UnloadImage(sky);
    }
}

// ---- The status bar and the debug text --------------------------------------------------

TEST(BarDestination, FixedViewOrWholeMultiplesOfTheWindow)
{
    struct {
        bool internalres;
        float barheight;
        int screenw, screenh;
        Rectangle expected;
    } cases[] = {
        {true, 50, 380, 240, {0, 190, 360, 50}},
        {true, 50, 1920, 1080, {0, 190, 360, 50}},   // the fixed view whatever the window
        {true, 40, 380, 240, {0, 200, 360, 40}},     // the bar's own height
        {false, 50, 1920, 1080, {0, 880, 1920, 200}},
        {false, 50, 1920, 1000, {0, 800, 1920, 200}}, // 1000 / 240 is 4 as well
        {false, 50, 380, 240, {0, 190, 380, 50}},
        {false, 50, 640, 479, {0, 429, 640, 50}},     // below twice the internal height
    };
    bool savedmode = cfg.internalres;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.internalres ? "internal " : "window ") << c.screenw << "x" << c.screenh);
        cfg.internalres = c.internalres;
        Rectangle bar = bardestination(c.barheight, c.screenw, c.screenh);
        EXPECT_FLOAT_EQ(bar.x, c.expected.x);
        EXPECT_FLOAT_EQ(bar.y, c.expected.y);
        EXPECT_FLOAT_EQ(bar.width, c.expected.width);
        EXPECT_FLOAT_EQ(bar.height, c.expected.height);
    }
    cfg.internalres = savedmode;
}

TEST(DebugText, FourLinesOfWholeNumbers)
{
    struct {
        int fps;
        float x, y, z;
        uint8_t tile;
        int16_t column, row;
        float speed;
        const char* expected;
    } cases[] = {
        {60, 12.5f, 1.6f, -40.2f, 1, 515, 522, 0.11f,
         "60 version:0.03g\nX:12 Y:1 Z:-40\ntile:1 worldx:515 worldz:522\nspeed:6m/s"},
        // Truncated toward zero, without a minus sign on a zero.
        {0, -0.7f, -0.2f, 0.99f, 255, -3, 1023, 0.0f,
         "0 version:0.03g\nX:0 Y:0 Z:0\ntile:255 worldx:-3 worldz:1023\nspeed:0m/s"},
        {144, -2047.9f, -0.8f, 2047.5f, 254, 0, 0, 0.055f,
         "144 version:0.03g\nX:-2047 Y:0 Z:2047\ntile:254 worldx:0 worldz:0\nspeed:3m/s"},
        {30, 3.0f, 1.01f, -4.0f, 0, 512, 513, 0.0157142857f,  // wading: 0.11 / 7
         "30 version:0.03g\nX:3 Y:1 Z:-4\ntile:0 worldx:512 worldz:513\nspeed:0m/s"},
    };
    for (const auto& c : cases) {
        world.player.x = c.x;
        world.player.y = c.y;
        world.player.z = c.z;
        currenttile = c.tile;
        ptx = c.column;
        ptz = c.row;
        sped = c.speed;
        EXPECT_EQ(debugtext(c.fps), c.expected);
    }
}

bool same(Color a, Color b) { return a.r == b.r && a.g == b.g && a.b == b.b && a.a == b.a; }

// Pure white pixels in the debug text's corner: the ground and the bar have none.
int whitepixels(const Image& view)
{
    int count = 0;
    for (int y = 0; y < 80; y++)
        for (int x = 0; x < 250; x++) count += same(GetImageColor(view, x, y), WHITE);
    return count;
}

struct Look {
    bool bartop, barbottom, abovebar, text;
};

Look overlay()
{
    Image view = target();
    Look look = {same(GetImageColor(view, 5, 190), BARCOLOUR) && same(GetImageColor(view, 354, 190), BARCOLOUR),
                 same(GetImageColor(view, 180, 239), BARCOLOUR) && same(GetImageColor(view, 180, 200), BARCOLOUR),
                 same(GetImageColor(view, 180, 189), BARCOLOUR), whitepixels(view) > 100};
    UnloadImage(view);
    return look;
}

TEST(Overlay, TheBarCoversTheLastFiftyRowsAndF1HidesItWithTheText)
{
    startgame(groundfixture({}).res);
    lookdownat(512, 512);
    struct {
        bool f1, f3;
        Look expected;
    } cases[] = {
        {true, false, {true, true, false, false}},  // the start: the bar alone
        {true, true, {true, true, false, true}},
        {false, true, {false, false, false, false}},  // F1 hides the text too
        {false, false, {false, false, false, false}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "f1 " << c.f1 << ", f3 " << c.f3);
        f1 = c.f1;
        f3 = c.f3;
        runframes();
        Look look = overlay();
        EXPECT_EQ(look.bartop, c.expected.bartop) << "row 190";
        EXPECT_EQ(look.barbottom, c.expected.barbottom) << "rows 200 and 239";
        EXPECT_EQ(look.abovebar, c.expected.abovebar) << "row 189";
        EXPECT_EQ(look.text, c.expected.text) << "debug text";
    }
}

TEST(Overlay, ThePauseMenuIsDrawnWhileF1HidesTheBar)
{
    startgame(groundfixture({}).res);
    lookdownat(512, 512);
    f1 = false;
    runframes();
    Color ground = targetpixel(VIEWW / 2 + 12, VIEWH / 2 + 12);
    ASSERT_TRUE(near(ground, lit(BACKGROUND)));
    page = 0;
    runframes();
    EXPECT_FALSE(near(targetpixel(VIEWW / 2 + 12, VIEWH / 2 + 12), ground)) << "the menu's layer lies over the view";
}

TEST(Overlay, InWindowResolutionTheBarSpansTheWindow)
{
    startgame(groundfixture({}).res, "gr.internalres=false\n");
    lookdownat(512, 512);
    SetWindowSize(1920, 1080);
    runframes(2);
    ASSERT_EQ(rndr.texture.width, 1920);
    ASSERT_EQ(rndr.texture.height, 1080);
    Image view = target();
    for (int x : {0, 960, 1919}) {
        SCOPED_TRACE(x);
        EXPECT_FALSE(same(GetImageColor(view, x, 879), BARCOLOUR));
        EXPECT_TRUE(same(GetImageColor(view, x, 880), BARCOLOUR));
        EXPECT_TRUE(same(GetImageColor(view, x, 1079), BARCOLOUR));
    }
    UnloadImage(view);
}

// ---- Uniforms, as the driver holds them after a frame -----------------------------------

typedef void (*getuniformfloats)(unsigned program, int location, float* values);
typedef void (*getuniformints)(unsigned program, int location, int* values);

std::vector<float> uniformfloats(const Shader& shader, const char* name, int count)
{
    auto get = reinterpret_cast<getuniformfloats>(glfwGetProcAddress("glGetUniformfv"));
    std::vector<float> values(16, NAN);
    int location = GetShaderLocation(shader, name);
    EXPECT_NE(location, -1) << name;
    if (location != -1) get(shader.id, location, values.data());
    values.resize(count);
    return values;
}

int uniformint(const Shader& shader, const char* name)
{
    auto get = reinterpret_cast<getuniformints>(glfwGetProcAddress("glGetUniformiv"));
    int value = -12345;
    int location = GetShaderLocation(shader, name);
    EXPECT_NE(location, -1) << name;
    if (location != -1) get(shader.id, location, &value);
    return value;
}

TEST(Uniforms, TheStatisticsAndTheClockReachTheBarWhileItIsHidden)
{
    startgame(groundfixture({}).res);
    runframes();
    f1 = false;
    playerstats& stats = world.stats;
    const struct {
        const char* name;
        float* field;
        float value;
    } statistics[] = {
        {"health", &stats.health, 0.11f},  {"stamina", &stats.stamina, 0.22f},
        {"mana", &stats.mana, 0.33f},      {"energy", &stats.energy, 0.44f},
        {"fatigue", &stats.fatigue, 0.55f}, {"radioactivity", &stats.radioactivity, 0.66f},
        {"xp", &stats.xp, 0.77f},
    };
    for (const auto& s : statistics) *s.field = s.value;
    float before = static_cast<float>(GetTime());
    runframes();
    float after = static_cast<float>(GetTime());
    for (const auto& s : statistics) EXPECT_FLOAT_EQ(uniformfloats(toolbarshader, s.name, 1)[0], s.value) << s.name;
    float time = uniformfloats(toolbarshader, "time", 1)[0];
    EXPECT_GE(time, before);
    EXPECT_LE(time, after);
}

TEST(Uniforms, TheTileShaderGetsItsValuesEveryFrameFromTheFirstPersonCamera)
{
    startgame(groundfixture({}).res);
    lookdownat(300, 700);
    world.third.position = {1, 50, 1};
    world.third.target = {0, 0, 0};
    thirdperson = true;
    flip = 1;
    runframes();
    EXPECT_EQ(flip, 0);
    EXPECT_EQ(uniformint(tilemat.shader, "flip"), 0);
    EXPECT_EQ(uniformint(tilemat.shader, "cols"), 16);
    std::vector<float> size = uniformfloats(tilemat.shader, "size", 2);
    EXPECT_FLOAT_EQ(size[0], 1024);
    EXPECT_FLOAT_EQ(size[1], 1024);
    std::vector<float> campos = uniformfloats(tilemat.shader, "campos", 3);
    EXPECT_FLOAT_EQ(campos[0], world.camera.position.x) << "campos is the first-person camera's in third person too";
    EXPECT_FLOAT_EQ(campos[1], world.camera.position.y);
    EXPECT_FLOAT_EQ(campos[2], world.camera.position.z);
    std::vector<float> colour = uniformfloats(tilemat.shader, "fragColor", 4);
    for (int i = 0; i < 4; i++) EXPECT_FLOAT_EQ(colour[i], daycol[i]) << i;
    std::vector<float> modelmat = uniformfloats(tilemat.shader, "modelmat", 16);
    for (int i = 0; i < 16; i++) EXPECT_FLOAT_EQ(modelmat[i], i % 5 == 0 ? 1.0f : 0.0f) << i;
}

}  // namespace
