// The world on the real display: building the tile grid from the painted map in each of its
// layouts and from the climate, refusing maps that cannot be used, the assets init loads,
// the picture "tilemap.bmp" that close saves, and memory over many rebuilds.
#include "game/scenes/entity.h"
#include "game/scenes/world/_render.h"
#include "game/scenes/world/_update.h"
#include "game/scenes/world/biome.h"
#include "game/scenes/world/world.h"
#include "globals.h"
#include "harness.h"
#include "pngfile.h"
#include "term.h"
#include "windowclose.h"

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace harness;

namespace {

const int SIDE = 1024;
const int TILES = SIDE * SIDE;
const int CHUNK = 64;
const char MAPFILE[] = "res/images/coolworld.png";
const char PALETTEFILE[] = "res/images/tilesheetl4.png";

typedef std::vector<uint8_t> Grid;

// ---- Fixture resources ------------------------------------------------------------------

// A resource directory of the screen shaders, to which each test adds its own files.
std::string worldresources()
{
    std::string dir = fixtureresources({{"shaders/screen.vs", RESOURCES + "/shaders/screen.vs"},
                                        {"shaders/screen.fs", RESOURCES + "/shaders/screen.fs"}});
    std::filesystem::create_directories(dir + "/images");
    return dir;
}

// A painted world: every column and row differs, and every id occurs. seed tells maps apart.
Grid paintedgrid(int seed)
{
    Grid grid(TILES);
    for (int z = 0; z < SIDE; z++)
        for (int x = 0; x < SIDE; x++) grid[z * SIDE + x] = static_cast<uint8_t>(x * 7 + z * 13 + seed * 101 + ((x ^ z) >> 4));
    return grid;
}

enum class Layout { Gray, QuarterRgba, Rgb, GrayAlpha, Rgba };

// Writes grid as a PNG in the given layout: the byte layouts hold the ids as they are, the
// pixel layouts hold each id in a pixel's first channel, other channels holding noise.
void writemap(const std::string& path, const Grid& grid, Layout layout)
{
    Image image = {nullptr, SIDE, SIDE, 1, PIXELFORMAT_UNCOMPRESSED_GRAYSCALE};
    std::vector<uint8_t> pixels(grid);
    if (layout == Layout::QuarterRgba) {
        image.width = SIDE / 4;
        image.format = PIXELFORMAT_UNCOMPRESSED_R8G8B8A8;
    } else if (layout != Layout::Gray) {
        const struct {
            Layout layout;
            int format, channels;
        } kinds[] = {{Layout::Rgb, PIXELFORMAT_UNCOMPRESSED_R8G8B8, 3},
                     {Layout::GrayAlpha, PIXELFORMAT_UNCOMPRESSED_GRAY_ALPHA, 2},
                     {Layout::Rgba, PIXELFORMAT_UNCOMPRESSED_R8G8B8A8, 4}};
        for (const auto& kind : kinds) {
            if (kind.layout != layout) continue;
            image.format = kind.format;
            pixels.assign(static_cast<size_t>(TILES) * kind.channels, 0);
            for (int i = 0; i < TILES; i++) {
                pixels[i * kind.channels] = grid[i];
                for (int c = 1; c < kind.channels; c++) pixels[i * kind.channels + c] = static_cast<uint8_t>(255 - grid[i] + c * 40);
            }
        }
    }
    image.data = pixels.data();
    ASSERT_TRUE(ExportImage(image, path.c_str()));
}

void writegrayimage(const std::string& path, int width, int height, int format)
{
    Image image = GenImageColor(width, height, {9, 9, 9, 255});
    ImageFormat(&image, format);
    ASSERT_TRUE(ExportImage(image, path.c_str()));
    UnloadImage(image);
}

// ---- The grid the climate gives ---------------------------------------------------------

// The climate field as configured for world number w: value noise, no fractal.
FastNoiseLite climate(int seed, int octaves, float frequency)
{
    FastNoiseLite noise(seed);
    noise.SetFractalType(FastNoiseLite::FractalType_None);
    noise.SetFractalOctaves(octaves);
    noise.SetFrequency(frequency);
    noise.SetNoiseType(FastNoiseLite::NoiseType_Value);
    noise.SetDomainWarpType(FastNoiseLite::DomainWarpType_BasicGrid);
    return noise;
}

struct Climate {
    uint8_t index[16][16];  // [chunk row][chunk column]
    uint8_t population[16][16];
};

Climate climateof(int worldnumber)
{
    FastNoiseLite humidity = climate(worldnumber * 3 + 1, 3, 0.4f);
    FastNoiseLite heat = climate(worldnumber * 3 + 2, 1, 0.1f);
    FastNoiseLite population = climate(worldnumber * 3, 1, 0.1f);
    Climate result;
    for (int cz = 0; cz < 16; cz++)
        for (int cx = 0; cx < 16; cx++) {
            float x = static_cast<float>(cx), z = static_cast<float>(cz);
            result.index[cz][cx] = biomeindex(heat.GetNoise(x, z), humidity.GetNoise(x, z));
            result.population[cz][cx] = populationbyte(population.GetNoise(x, z));
        }
    return result;
}

Grid generatedgrid(const Climate& climate)
{
    Grid grid(TILES);
    for (int z = 0; z < SIDE; z++)
        for (int x = 0; x < SIDE; x++) {
            int cz = z / CHUNK, cx = x / CHUNK;
            grid[z * SIDE + x] = genbiome[climate.index[cz][cx]](x, z, climate.population[cz][cx]);
        }
    return grid;
}

// ---- Checks -----------------------------------------------------------------------------

// Where two grids first differ, or -1.
long firstdifference(const uint8_t* a, const uint8_t* b)
{
    for (long i = 0; i < TILES; i++)
        if (a[i] != b[i]) return i;
    return -1;
}

// tiles, the grid image and the texture all hold grid, one byte per tile.
void expectgrid(const Grid& grid)
{
    EXPECT_EQ(firstdifference(world.tiles, grid.data()), -1) << "tiles";
    ASSERT_EQ(tilemaptx.width, SIDE);
    ASSERT_EQ(tilemaptx.height, SIDE);
    ASSERT_EQ(tilemaptx.format, PIXELFORMAT_UNCOMPRESSED_GRAYSCALE);
    EXPECT_EQ(firstdifference(static_cast<uint8_t*>(tilemaptx.data), grid.data()), -1) << "tilemaptx";
    Image texture = LoadImageFromTexture(tilemapp);
    ASSERT_EQ(texture.width, SIDE);
    ASSERT_EQ(texture.height, SIDE);
    ASSERT_EQ(texture.format, PIXELFORMAT_UNCOMPRESSED_GRAYSCALE);
    EXPECT_EQ(firstdifference(static_cast<uint8_t*>(texture.data), grid.data()), -1) << "tilemapp";
    UnloadImage(texture);
}

// The console output of one rebuild, with the debugging channel on.
std::string rebuild()
{
    world.mustupdate = true;
    level.setvalue(4);
    std::string output = capturestdout([] { runframes(); });
    level.setvalue(1);
    EXPECT_FALSE(world.mustupdate);
    return output;
}

int countof(const std::string& text, const std::string& part)
{
    int count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) count++;
    return count;
}

// ---- The painted map --------------------------------------------------------------------

TEST(PaintedMap, EachLayoutGivesItsGrid)
{
    std::string res = worldresources();
    writemap(res + "/images/coolworld.png", paintedgrid(0), Layout::Gray);
    startgame(res);
    std::string first = rebuild();
    EXPECT_NE(first.find("size: 1'024, format: 1\n"), std::string::npos) << first;
    expectgrid(paintedgrid(0));

    // Each layout in turn, each with a map of its own, read again from disk like a reload.
    const struct {
        const char* what;
        Layout layout;
        const char* logged;
    } layouts[] = {
        {"RGBA, four tiles a pixel", Layout::QuarterRgba, "size: 256, format: 7\n"},
        {"grayscale", Layout::Gray, "size: 1'024, format: 1\n"},
        {"RGB", Layout::Rgb, "size: 1'024, format: 4\n"},
        {"gray and alpha", Layout::GrayAlpha, "size: 1'024, format: 2\n"},
        {"RGBA, one tile a pixel", Layout::Rgba, "size: 1'024, format: 7\n"},
    };
    int seed = 1;
    for (const auto& layout : layouts) {
        SCOPED_TRACE(layout.what);
        writemap(MAPFILE, paintedgrid(seed), layout.layout);
        std::string output = rebuild();
        EXPECT_NE(output.find(layout.logged), std::string::npos) << output;
        EXPECT_EQ(output.find("painted map"), std::string::npos) << output;
        expectgrid(paintedgrid(seed));
        seed++;
    }
}

TEST(PaintedMap, AMapThatCannotBeUsedLeavesTheGridAsItWas)
{
    std::string res = worldresources();
    writemap(res + "/images/coolworld.png", paintedgrid(0), Layout::Gray);
    startgame(res);
    runframes();
    expectgrid(paintedgrid(0));

    std::string png = readfile(MAPFILE);
    const struct {
        const char* what;
        std::function<void()> write;
        const char* problem;
    } refused[] = {
        {"missing", [] { std::filesystem::remove(MAPFILE); }, "is missing"},
        {"not a picture", [] { writefile(MAPFILE, "painted by hand, honestly"); }, "is not a picture that can be decoded"},
        {"cut short", [&] { writefile(MAPFILE, png.substr(0, png.size() / 2)); }, "is not a picture that can be decoded"},
        {"too small", [] { writegrayimage(MAPFILE, 512, 512, PIXELFORMAT_UNCOMPRESSED_GRAYSCALE); }, "is 512 x 512"},
        {"a row short", [] { writegrayimage(MAPFILE, SIDE, SIDE - 1, PIXELFORMAT_UNCOMPRESSED_GRAYSCALE); }, "is 1024 x 1023"},
        {"quarter width but RGB", [] { writegrayimage(MAPFILE, SIDE / 4, SIDE, PIXELFORMAT_UNCOMPRESSED_R8G8B8); },
         "is 256 x 1024 in pixel format 4"},
        {"16-bit samples", [] { writefile(MAPFILE, sixteenbitpng(paintedgrid(5), SIDE)); }, "has 16-bit samples"},
    };
    for (const auto& c : refused) {
        SCOPED_TRACE(c.what);
        c.write();
        std::string output = rebuild();
        EXPECT_EQ(countof(output, "painted map"), 1) << output;
        EXPECT_NE(output.find(std::string("painted map ") + MAPFILE + " " + c.problem), std::string::npos) << output;
        EXPECT_NE(output.find("keeps the map it had"), std::string::npos) << output;
        expectgrid(paintedgrid(0));
    }

    // A usable map again is taken up at the next rebuild.
    writemap(MAPFILE, paintedgrid(6), Layout::Gray);
    rebuild();
    expectgrid(paintedgrid(6));
}

TEST(PaintedMap, WithoutAUsableMapTheFirstWorldIsGenerated)
{
    startgame(worldresources());
    std::string output = rebuild();
    EXPECT_EQ(countof(output, "painted map"), 1) << output;
    EXPECT_NE(output.find(std::string("painted map ") + MAPFILE + " is missing: the world is generated instead"),
              std::string::npos)
        << output;
    expectgrid(generatedgrid(climateof(0)));
}

// ---- Generation -------------------------------------------------------------------------

TEST(Generation, EveryChunkIsTheBiomeOfItsClimate)
{
    startgame(worldresources());
    drawnworld = false;
    Climate climate = climateof(0);
    Grid expected = generatedgrid(climate);

    std::string first = rebuild();
    EXPECT_NE(first.find("size: 256, format: 7\n"), std::string::npos) << first;
    expectgrid(expected);
    std::string second = rebuild();
    EXPECT_NE(second.find("size: 1'024, format: 1\n"), std::string::npos) << second;
    expectgrid(expected);

    // Molten ruins: ground and lava, column by column, ground at even columns.
    int molten = 0;
    for (int cz = 0; cz < 16; cz++)
        for (int cx = 0; cx < 16; cx++) {
            if (climate.index[cz][cx] != 29) continue;
            molten++;
            for (int z = cz * CHUNK; z < (cz + 1) * CHUNK; z++)
                for (int x = cx * CHUNK; x < (cx + 1) * CHUNK; x++)
                    ASSERT_EQ(world.tiles[z * SIDE + x], x % 2 == 0 ? 51 : 254) << "tile " << x << ", " << z;
        }
    EXPECT_GT(molten, 0) << "the default world has molten ruins";
}

TEST(Generation, TheWorldNumberSeedsTheClimate)
{
    startgame(worldresources());
    drawnworld = false;
    const int16_t worldnumber = 4;
    setupterrainnoise(worldnumber);
    rebuild();
    Grid expected = generatedgrid(climateof(worldnumber));
    ASSERT_NE(expected, generatedgrid(climateof(0)));
    expectgrid(expected);
}

// ---- Start-up ---------------------------------------------------------------------------

// Shaders that use every uniform the world looks up, so that none is optimised away.
const char VERTEX[] = "#version 330\nin vec3 vertexPosition;\nuniform mat4 mvp;\n"
                      "void main() { gl_Position = mvp * vec4(vertexPosition, 1.0); }\n";
const char TILEFRAGMENT[] =
    "#version 330\nuniform sampler2D tilemap;\nuniform sampler2D tilesheet;\nuniform mat4 modelmat;\n"
    "uniform vec2 size;\nuniform vec4 fragColor;\nuniform vec3 campos;\nuniform int cols;\nuniform int flip;\n"
    "out vec4 colour;\nvoid main() { colour = texture(tilemap, size) + texture(tilesheet, campos.xy) + modelmat[0]"
    " + fragColor + vec4(float(cols + flip)); }\n";
const char TOOLBARFRAGMENT[] =
    "#version 330\nuniform float time;\nuniform float health;\nuniform float stamina;\nuniform float mana;\n"
    "uniform float energy;\nuniform float fatigue;\nuniform float radioactivity;\nuniform float xp;\n"
    "out vec4 colour;\nvoid main() { colour = vec4(time + health + stamina + mana + energy + fatigue"
    " + radioactivity + xp); }\n";

TEST(Start, InitLoadsThePlayerCamerasAndShaders)
{
    std::string res = worldresources();
    std::filesystem::create_directories(res + "/defaultplayer");
    Image sprite = GenImageColor(4, 8, RED);
    ExportImage(sprite, (res + "/defaultplayer/player.png").c_str());
    UnloadImage(sprite);
    writefile(res + "/shaders/tile.vs", VERTEX);
    writefile(res + "/shaders/tile.fs", TILEFRAGMENT);
    writefile(res + "/shaders/toolbar.vs", VERTEX);
    writefile(res + "/shaders/toolbar.fs", TOOLBARFRAGMENT);
    startgame(res, "gr.fov=70\n");

    ASSERT_EQ(world.player.fs.size(), 1u);
    EXPECT_EQ(world.player.fs[0], &singletex);
    EXPECT_EQ(world.player.frame, 0);
    EXPECT_EQ(singletex.width, 4);
    EXPECT_EQ(singletex.height, 8);

    EXPECT_EQ(cameras[0], &world.camera);
    EXPECT_EQ(cameras[1], &world.third);
    EXPECT_EQ(world.camera.fovy, 70.0f);
    EXPECT_EQ(world.third.fovy, static_cast<float>(70 * 0.6666666666666666));
    EXPECT_EQ(world.camera.position.y, 1.3f);
    EXPECT_EQ(world.third.position.y, 2.0f);

    const int tileuniforms[] = {tilemaploc, sheetloc, modelloc, sizeloc, fragcolorloc, camloc, colsloc, fliploc};
    const int toolbaruniforms[] = {timeloc, healthloc, staminaloc, manaloc, energyloc, fatigueloc, radioloc, xploc};
    for (int location : tileuniforms) EXPECT_GE(location, 0);
    for (int location : toolbaruniforms) EXPECT_GE(location, 0);
    EXPECT_EQ(worldSizeV[0], 1024.0f);
    EXPECT_EQ(worldSizeV[1], 1024.0f);
}

// ---- The saved picture ------------------------------------------------------------------

// The colour a palette sheet gives pixel n.
Color sheetcolour(int n) { return {static_cast<uint8_t>(n), static_cast<uint8_t>(255 - n), static_cast<uint8_t>(n * 7 + 3), 255}; }

struct PaletteCase {
    const char* what;
    int width, height;  // 0: no sheet at all
    int format;
    const char* warning;  // part of the one warning line, or nullptr for none
};

void PrintTo(const PaletteCase& c, std::ostream* out) { *out << c.what; }

class SavedPicture : public testing::TestWithParam<PaletteCase> {};

// "tilemap.bmp": every tile of id t in the colour of pixel t of the l4 sheet, black where
// the sheet has no pixel t; top row first in the world, so last in the file.
void expectsavedpicture(const std::string& path, const Grid& grid, int palettepixels)
{
    std::string bmp = readfile(path);
    ASSERT_EQ(bmp.size(), 54u + TILES * 3u);
    int32_t width, height;
    memcpy(&width, bmp.data() + 18, 4);
    memcpy(&height, bmp.data() + 22, 4);
    EXPECT_EQ(width, SIDE);
    EXPECT_EQ(height, SIDE);
    for (int z = 0; z < SIDE; z++)
        for (int x = 0; x < SIDE; x++) {
            int t = grid[z * SIDE + x];
            Color want = t < palettepixels ? sheetcolour(t) : BLACK;
            const unsigned char* bgr = reinterpret_cast<const unsigned char*>(bmp.data()) + 54 + ((SIDE - 1 - z) * SIDE + x) * 3;
            ASSERT_TRUE(bgr[0] == want.b && bgr[1] == want.g && bgr[2] == want.r)
                << "tile " << x << ", " << z << " id " << t << " is " << int(bgr[2]) << "," << int(bgr[1]) << "," << int(bgr[0]);
        }
}

void writepalette(const std::string& path, const PaletteCase& c)
{
    Image sheet = GenImageColor(c.width, c.height, BLACK);
    for (int n = 0; n < c.width * c.height; n++) ImageDrawPixel(&sheet, n % c.width, n / c.width, sheetcolour(n));
    ImageFormat(&sheet, c.format);
    ASSERT_TRUE(ExportImage(sheet, path.c_str()));
    UnloadImage(sheet);
}

TEST_P(SavedPicture, ColoursEachTileByThePaletteSheet)
{
    const PaletteCase& c = GetParam();
    std::string res = worldresources();
    writemap(res + "/images/coolworld.png", paintedgrid(3), Layout::Gray);
    if (c.width > 0) writepalette(res + "/images/tilesheetl4.png", c);
    startgame(res);
    runframes();
    std::string output = capturestdout([] { world.close(); });

    if (c.warning) {
        EXPECT_EQ(countof(output, PALETTEFILE), 1) << output;
        EXPECT_NE(output.find(c.warning), std::string::npos) << output;
    } else {
        EXPECT_EQ(output, "");
    }
    expectsavedpicture("tilemap.bmp", paintedgrid(3), std::min(c.width * c.height, 256));
}

INSTANTIATE_TEST_SUITE_P(
    PaletteSheets, SavedPicture,
    testing::Values(PaletteCase{"RGBA 16 x 16", 16, 16, PIXELFORMAT_UNCOMPRESSED_R8G8B8A8, nullptr},
                    PaletteCase{"RGBA 64 x 64, first four rows", 64, 64, PIXELFORMAT_UNCOMPRESSED_R8G8B8A8, nullptr},
                    PaletteCase{"RGB", 16, 16, PIXELFORMAT_UNCOMPRESSED_R8G8B8, "is not 8-bit RGBA"},
                    PaletteCase{"32 pixels", 8, 4, PIXELFORMAT_UNCOMPRESSED_R8G8B8A8, "has 32 pixels"},
                    PaletteCase{"RGB and 32 pixels", 8, 4, PIXELFORMAT_UNCOMPRESSED_R8G8B8, "has 32 pixels"},
                    PaletteCase{"missing", 0, 0, 0, "cannot be read"}),
    [](const testing::TestParamInfo<PaletteCase>& info) { return "Sheet" + std::to_string(info.index); });

// The real program, its window closed like a player would (no keys, so no keyboard focus
// to share with other tests): it writes the picture of its world.
TEST(Program, ClosingTheWindowSavesThePictureOfTheWorld)
{
    std::string res = worldresources();
    writemap(res + "/images/coolworld.png", paintedgrid(8), Layout::Gray);
    writepalette(res + "/images/tilesheetl4.png", {"RGBA", 16, 16, PIXELFORMAT_UNCOMPRESSED_R8G8B8A8, nullptr});
    std::string dir = scratchdir();
    ASSERT_EQ(symlink(res.c_str(), "res"), 0);
    Program game = startprogram({GAME_BINARY}, dir);
    // The game reads the request at the end of a frame, so its first update has built the
    // world by the time it ends, however early the request comes.
    bool asked = false;
    for (int attempt = 0; attempt < 600 && !asked; attempt++) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        asked = askwindowtoclose(game.pid);
    }
    ProgramRun run = waitprogram(game, 60);
    ASSERT_TRUE(asked) << "the window never appeared";
    EXPECT_EQ(run.status, 0) << run.output;
    expectsavedpicture(dir + "/tilemap.bmp", paintedgrid(8), 256);
}

// ---- Memory -----------------------------------------------------------------------------

long residentbytes()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

#if defined(__SANITIZE_ADDRESS__)
const int REBUILDS = 100;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
const int REBUILDS = 100;
#else
const int REBUILDS = 300;
#endif
#else
const int REBUILDS = 300;
#endif

TEST(Rebuild, RebuildingAgainAndAgainDoesNotGrowMemory)
{
    std::string res = worldresources();
    // RGB: the layout that takes the most steps to become a grid.
    writemap(res + "/images/coolworld.png", paintedgrid(2), Layout::Rgb);
    startgame(res);
    const int SETTLE = 50;
    long settled = 0;
    for (int i = 0; i < REBUILDS; i++) {
        if (i == SETTLE) settled = residentbytes();
        drawnworld = i % 2 == 0;  // painted and generated in turn
        world.mustupdate = true;
        runframes();
    }
    long end = residentbytes();
    // Each rebuild replaces a 1 MiB image and a 1 MiB texture: a leak of either would add
    // hundreds of MiB; allocator slack stays within a few per cent.
    EXPECT_LT(end, settled + settled / 20) << "settled at " << settled << " bytes, ended at " << end;
}

}  // namespace
