// The resources under res/: every file the game reads is there and loads with the type and
// size the game relies on; the tile sheets keep the promises the animated-tile painters and
// the saved world map depend on; the status-bar shader fills its tubes where the bar image
// draws them; and the generator writes the same bytes on every run.
#include "harness.h"

#include <gtest/gtest.h>
#include <rlgl.h>
#include <yyjson.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <set>
#include <vector>

using namespace harness;

namespace {

constexpr int TILEPIXELS = 16;
constexpr int SHEETPIXELS = 256;
const Color VERGE = {0, 255, 0, 255};
const std::vector<int> ROADS = {28, 29, 30, 31, 44, 45};
const std::vector<std::string> SHEETS = {"tilesheet", "tilesheetl1", "tilesheetl2", "tilesheetl3", "tilesheetl4"};

// The files the generator writes.
const std::vector<std::string> GENERATED = {
    "images/tilesheet.png", "images/tilesheetl1.png", "images/tilesheetl2.png", "images/tilesheetl3.png",
    "images/tilesheetl4.png", "images/sky.png", "images/sky.gif", "images/menubar.png",
    "images/playercursor.png", "images/coolworld.png", "models/world.obj", "defaultplayer/player.png",
    "fonts/dos.fnt", "fonts/dos.png", "fonts/kipsynth.ttf",
};

std::string resource(const std::string& path) { return RESOURCES + "/" + path; }

bool same(Color a, Color b) { return a.r == b.r && a.g == b.g && a.b == b.b && a.a == b.a; }
bool samergb(Color a, Color b) { return a.r == b.r && a.g == b.g && a.b == b.b; }

std::string describe(Color c)
{
    return std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b) + "," + std::to_string(c.a);
}

Color pixel(const Image& image, int x, int y) { return ((const Color*)image.data)[y * image.width + x]; }

// A sheet as the game loads it: the test fails when it is not 8-bit RGBA of 16 x 16 tiles.
Image loadsheet(const std::string& name)
{
    Image sheet = LoadImage(resource("images/" + name + ".png").c_str());
    EXPECT_EQ(sheet.format, PIXELFORMAT_UNCOMPRESSED_R8G8B8A8) << name;
    EXPECT_EQ(sheet.width, SHEETPIXELS) << name;
    EXPECT_EQ(sheet.height, SHEETPIXELS) << name;
    if (sheet.format != PIXELFORMAT_UNCOMPRESSED_R8G8B8A8 || sheet.width != SHEETPIXELS || sheet.height != SHEETPIXELS) {
        UnloadImage(sheet);
        return Image{};
    }
    return sheet;
}

template <typename Visit>
void eachpixelofcell(const Image& sheet, int id, Visit visit)
{
    for (int y = 0; y < TILEPIXELS; y++)
        for (int x = 0; x < TILEPIXELS; x++)
            visit(pixel(sheet, (id % 16) * TILEPIXELS + x, (id / 16) * TILEPIXELS + y));
}

Color meanofcell(const Image& sheet, int id)
{
    double sum[3] = {0, 0, 0};
    eachpixelofcell(sheet, id, [&](Color c) {
        sum[0] += c.r;
        sum[1] += c.g;
        sum[2] += c.b;
    });
    int n = TILEPIXELS * TILEPIXELS;
    return {(unsigned char)(sum[0] / n), (unsigned char)(sum[1] / n), (unsigned char)(sum[2] / n), 255};
}

double distance(Color a, Color b) { return std::sqrt(std::pow(a.r - b.r, 2) + std::pow(a.g - b.g, 2) + std::pow(a.b - b.b, 2)); }

// Fonts, textures and shaders need a graphics context; one hidden window serves the process.
void openwindow()
{
    if (IsWindowReady()) return;
    SetConfigFlags(FLAG_WINDOW_HIDDEN);
    InitWindow(64, 64, "resources");
    ASSERT_TRUE(IsWindowReady());
}

}  // namespace

TEST(Resources, EveryFileTheGameReadsIsThere)
{
    std::vector<std::string> all = GENERATED;
    for (const char* written : {"shaders/screen.vs", "shaders/screen.fs", "shaders/toolbar.vs", "shaders/toolbar.fs",
                                "shaders/tile.vs", "shaders/tile.fs", "defaultplayer/player.json",
                                "fonts/LICENSE-unifont.txt", "fonts/LICENSE-dejavu.txt"})
        all.push_back(written);
    for (const std::string& path : all) {
        SCOPED_TRACE(path);
        ASSERT_TRUE(std::filesystem::is_regular_file(resource(path)));
        EXPECT_GT(std::filesystem::file_size(resource(path)), 0u);
    }
}

TEST(Resources, TileSheetsAreOpaqueRgbaWithEveryCellDrawn)
{
    for (const std::string& name : SHEETS) {
        SCOPED_TRACE(name);
        Image sheet = loadsheet(name);
        ASSERT_NE(sheet.data, nullptr);
        for (int id = 0; id < 256; id++) {
            SCOPED_TRACE(id);
            std::set<uint32_t> colours;
            int translucent = 0;
            eachpixelofcell(sheet, id, [&](Color c) {
                colours.insert((uint32_t)c.r << 16 | c.g << 8 | c.b);
                translucent += c.a != 255;
            });
            // Alpha 254 would mark a painted road pixel to the grass painter; the ground is opaque.
            EXPECT_EQ(translucent, 0);
            // Full detail draws a picture in every cell; far levels may merge a cell into one colour.
            if (name == "tilesheet") {
                EXPECT_GE(colours.size(), 3u);
            }
        }
        UnloadImage(sheet);
    }
}

TEST(Resources, OnlyRoadVergesArePureGreen)
{
    for (const std::string& name : SHEETS) {
        SCOPED_TRACE(name);
        Image sheet = loadsheet(name);
        ASSERT_NE(sheet.data, nullptr);
        for (int id = 0; id < 256; id++) {
            bool road = std::find(ROADS.begin(), ROADS.end(), id) != ROADS.end();
            int verge = 0;
            eachpixelofcell(sheet, id, [&](Color c) { verge += same(c, VERGE); });
            if (road) {
                // Grass on both sides and the road between them.
                EXPECT_GE(verge, 32) << "road " << id;
                EXPECT_LE(verge, TILEPIXELS * TILEPIXELS - 32) << "road " << id;
            } else {
                EXPECT_EQ(verge, 0) << "tile " << id;
            }
        }
        UnloadImage(sheet);
    }
}

TEST(Resources, TheMapPaletteHasADistinctAtlasColourForEveryTile)
{
    Image sheet = loadsheet("tilesheetl4");
    ASSERT_NE(sheet.data, nullptr);
    std::set<uint32_t> seen;
    for (int id = 0; id < 256; id++) {
        Color c = pixel(sheet, id, 0);
        EXPECT_TRUE(seen.insert((uint32_t)c.r << 16 | c.g << 8 | c.b).second) << "tile " << id << " repeats " << describe(c);
    }
    // The landscape's main kinds in the colours an atlas gives them.
    struct {
        int id;
        const char* kind;
        bool (*looks)(Color);
    } atlas[] = {
        {255, "water: blue", [](Color c) { return c.b > c.r + 60 && c.b > c.g; }},
        {252, "deep water: darker blue", [](Color c) { return c.b > c.r + 60 && c.b < 160; }},
        {254, "lava: glowing red-orange", [](Color c) { return c.r > 200 && c.g < 120 && c.b < 60; }},
        {1, "grass: green", [](Color c) { return c.g > c.r + 40 && c.g > c.b + 40; }},
        {10, "forest: dark green", [](Color c) { return c.g > c.r && c.g > c.b && c.g < 120; }},
        {8, "snow: white", [](Color c) { return c.r > 225 && c.g > 225 && c.b > 225; }},
        {18, "sand: pale yellow", [](Color c) { return c.r > 190 && c.g > 160 && c.b < c.g - 30; }},
        {13, "mountain: dark", [](Color c) { return c.r + c.g + c.b < 300; }},
        {28, "road: red", [](Color c) { return c.r > 150 && c.g < 100 && c.b < 100; }},
    };
    for (const auto& kind : atlas) EXPECT_TRUE(kind.looks(pixel(sheet, kind.id, 0))) << kind.kind << ": " << describe(pixel(sheet, kind.id, 0));
    UnloadImage(sheet);
}

TEST(Resources, BiomeTilesLookDifferentFromTheirNeighbours)
{
    // The tiles the 8 heat x 4 humidity climate grid produces (even and odd columns).
    const int grid[8][4][2] = {
        {{8, 8}, {8, 8}, {8, 8}, {7, 7}},          {{8, 9}, {9, 9}, {9, 8}, {9, 8}},
        {{11, 11}, {18, 18}, {9, 10}, {10, 10}},   {{18, 18}, {1, 1}, {1, 10}, {1, 1}},
        {{18, 18}, {18, 18}, {1, 1}, {1, 1}},      {{16, 16}, {1, 1}, {1, 1}, {1, 1}},
        {{5, 5}, {5, 5}, {16, 16}, {1, 1}},        {{51, 51}, {51, 254}, {19, 19}, {6, 6}},
    };
    Image sheet = loadsheet("tilesheet");
    ASSERT_NE(sheet.data, nullptr);
    std::set<std::pair<int, int>> pairs;
    auto meet = [&](int a, int b) {
        if (a != b) pairs.insert({std::min(a, b), std::max(a, b)});
    };
    for (int heat = 0; heat < 8; heat++)
        for (int humidity = 0; humidity < 4; humidity++)
            for (int id : grid[heat][humidity]) {
                meet(grid[heat][humidity][0], grid[heat][humidity][1]);
                if (humidity < 3)
                    for (int other : grid[heat][humidity + 1]) meet(id, other);
                if (heat < 7)
                    for (int other : grid[heat + 1][humidity]) meet(id, other);
            }
    ASSERT_GE(pairs.size(), 15u);
    for (const auto& [a, b] : pairs)
        EXPECT_GE(distance(meanofcell(sheet, a), meanofcell(sheet, b)), 40.0)
            << "tiles " << a << " and " << b << ": " << describe(meanofcell(sheet, a)) << " and " << describe(meanofcell(sheet, b));
    UnloadImage(sheet);
}

TEST(Resources, TheSkyIsRgbAHundredRowsHighAndWrapsAround)
{
    Image sky = LoadImage(resource("images/sky.png").c_str());
    ASSERT_EQ(sky.format, PIXELFORMAT_UNCOMPRESSED_R8G8B8);
    EXPECT_EQ(sky.height, 100);
    EXPECT_EQ(sky.width % 4, 0);
    ASSERT_GE(sky.width, 100);
    const unsigned char* rgb = (const unsigned char*)sky.data;
    auto step = [&](int a, int b) {
        double sum = 0;
        for (int y = 0; y < sky.height; y++)
            for (int k = 0; k < 3; k++) sum += std::abs(rgb[(y * sky.width + a) * 3 + k] - rgb[(y * sky.width + b) * 3 + k]);
        return sum / sky.height;
    };
    // Across the seam the picture changes no more than between any two neighbouring columns.
    double largest = 0;
    for (int x = 1; x < sky.width; x++) largest = std::max(largest, step(x - 1, x));
    EXPECT_LE(step(sky.width - 1, 0), largest);
    EXPECT_GT(largest, 0.0);  // not one flat colour: there are clouds
    UnloadImage(sky);
}

TEST(Resources, TheMenuSkyIsSeveralFramesOfOneSize)
{
    int frames = 0;
    Image sky = LoadImageAnim(resource("images/sky.gif").c_str(), &frames);
    ASSERT_NE(sky.data, nullptr);
    EXPECT_GE(frames, 8);
    EXPECT_EQ(sky.width, 360);
    EXPECT_EQ(sky.height, 240);
    EXPECT_EQ(sky.format, PIXELFORMAT_UNCOMPRESSED_R8G8B8A8);
    // It moves: consecutive frames differ, and the last leads back to the first.
    size_t framebytes = (size_t)sky.width * sky.height * 4;
    const unsigned char* data = (const unsigned char*)sky.data;
    for (int f = 1; f < frames; f++) EXPECT_NE(memcmp(data + (f - 1) * framebytes, data + f * framebytes, framebytes), 0) << f;
    UnloadImage(sky);
}

TEST(Resources, TheBarCursorAndPlayerSpriteHaveTheirSizes)
{
    Image bar = LoadImage(resource("images/menubar.png").c_str());
    EXPECT_EQ(bar.width, 360);
    EXPECT_EQ(bar.height, 50);
    UnloadImage(bar);

    Image cursor = LoadImage(resource("images/playercursor.png").c_str());
    ASSERT_EQ(cursor.format, PIXELFORMAT_UNCOMPRESSED_R8G8B8A8);
    EXPECT_LE(cursor.width, 32);
    EXPECT_LE(cursor.height, 32);
    EXPECT_EQ(pixel(cursor, 0, 0).a, 255);  // the pointer's tip is the top-left pixel
    EXPECT_EQ(pixel(cursor, cursor.width - 1, 0).a, 0);
    UnloadImage(cursor);

    // In the world the game draws only texels (0, 0) and (0, 1): they must be the player.
    Image player = LoadImage(resource("defaultplayer/player.png").c_str());
    ASSERT_EQ(player.format, PIXELFORMAT_UNCOMPRESSED_R8G8B8A8);
    ASSERT_GE(player.height, 2);
    EXPECT_EQ(pixel(player, 0, 0).a, 255);
    EXPECT_EQ(pixel(player, 0, 1).a, 255);
    EXPECT_FALSE(samergb(pixel(player, 0, 0), pixel(player, 0, 1)));
    UnloadImage(player);
}

TEST(Resources, ThePlayerDefinitionNamesAndDescribesThePlayer)
{
    std::string text = readfile(resource("defaultplayer/player.json"));
    yyjson_doc* document = yyjson_read(text.data(), text.size(), 0);
    ASSERT_NE(document, nullptr);
    yyjson_val* root = yyjson_doc_get_root(document);
    ASSERT_TRUE(yyjson_is_obj(root));
    EXPECT_TRUE(yyjson_is_str(yyjson_obj_get(root, "name")));
    EXPECT_GT(yyjson_get_len(yyjson_obj_get(root, "name")), 0u);
    EXPECT_TRUE(yyjson_is_str(yyjson_obj_get(root, "description")));
    EXPECT_GT(yyjson_get_len(yyjson_obj_get(root, "description")), 20u);
    EXPECT_TRUE(yyjson_is_bool(yyjson_obj_get(root, "singlesprite")));
    yyjson_doc_free(document);
}

TEST(Resources, TheFontsLoadWithTheirGlyphs)
{
    openwindow();
    Font console = LoadFont(resource("fonts/dos.fnt").c_str());
    EXPECT_NE(console.texture.id, GetFontDefault().texture.id);  // not the fallback font
    EXPECT_EQ(console.baseSize, 16);
    EXPECT_EQ(console.glyphCount, 190);  // printable ASCII and Latin-1 but the soft hyphen
    for (int codepoint : {(int)'A', (int)'g', (int)'~', 0xe9}) {
        SCOPED_TRACE(codepoint);
        int index = GetGlyphIndex(console, codepoint);
        ASSERT_EQ(console.glyphs[index].value, codepoint);
        EXPECT_EQ(console.recs[index].width, 8);
        EXPECT_EQ(console.recs[index].height, 16);
        EXPECT_EQ(console.glyphs[index].advanceX, 8);
        Image glyph = console.glyphs[index].image;
        int inked = 0;
        for (int i = 0; i < glyph.width * glyph.height; i++) inked += GetImageColor(glyph, i % glyph.width, i / glyph.width).a > 0;
        EXPECT_GT(inked, 6);
        EXPECT_LT(inked, 8 * 16 / 2);
    }
    UnloadFont(console);

    Font truetype = LoadFont(resource("fonts/kipsynth.ttf").c_str());
    EXPECT_NE(truetype.texture.id, GetFontDefault().texture.id);
    EXPECT_EQ(truetype.glyphCount, 95);
    UnloadFont(truetype);
}

TEST(Resources, ThePaintedMapAndTheGroundModelLoad)
{
    Image map = LoadImage(resource("images/coolworld.png").c_str());
    EXPECT_EQ(map.format, PIXELFORMAT_UNCOMPRESSED_GRAYSCALE);
    EXPECT_EQ(map.width, 1024);
    EXPECT_EQ(map.height, 1024);
    UnloadImage(map);

    openwindow();
    Model ground = LoadModel(resource("models/world.obj").c_str());
    EXPECT_GE(ground.meshCount, 3);
    UnloadModel(ground);
}

TEST(Resources, TheShadersCompile)
{
    openwindow();
    for (const char* name : {"screen", "toolbar", "tile"}) {
        SCOPED_TRACE(name);
        std::string path = resource(std::string("shaders/") + name);
        Shader shader = LoadShader((path + ".vs").c_str(), (path + ".fs").c_str());
        EXPECT_TRUE(IsShaderValid(shader));
        EXPECT_NE(shader.id, rlGetShaderIdDefault());
        UnloadShader(shader);
    }
}

TEST(Resources, TheToolbarShaderFillsEachTubeToItsStatistic)
{
    openwindow();
    Shader shader = LoadShader(resource("shaders/toolbar.vs").c_str(), resource("shaders/toolbar.fs").c_str());
    const char* statistics[] = {"health", "stamina", "mana", "energy", "fatigue", "radioactivity", "xp"};
    ASSERT_NE(GetShaderLocation(shader, "time"), -1);
    for (const char* name : statistics) ASSERT_NE(GetShaderLocation(shader, name), -1) << name;

    // Slot i's tube starts 10 px into the slot (slots are 50 px wide from x 5), 40 px long,
    // rows 25 to 32 of the bar.
    struct {
        int slot;
        float value;
        float along;  // where the pixel is probed, as a fraction of the tube's length
        bool filled;
    } cases[] = {
        {0, 1.0f, 0.02f, true}, {0, 1.0f, 0.98f, true}, {1, 0.0f, 0.02f, false}, {2, 0.5f, 0.3f, true},
        {2, 0.5f, 0.7f, false}, {3, 0.75f, 0.7f, true}, {4, 0.25f, 0.35f, false}, {5, 0.9f, 0.5f, true},
        {6, 0.1f, 0.05f, true}, {6, 0.1f, 0.5f, false},
    };
    Texture bar = LoadTexture(resource("images/menubar.png").c_str());
    Image empty = LoadImageFromTexture(bar);
    RenderTexture target = LoadRenderTexture(bar.width, bar.height);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(statistics[c.slot]) + " at " + std::to_string(c.along));
        float zero = 0, time = 0;
        SetShaderValue(shader, GetShaderLocation(shader, "time"), &time, SHADER_UNIFORM_FLOAT);
        for (const char* name : statistics) SetShaderValue(shader, GetShaderLocation(shader, name), &zero, SHADER_UNIFORM_FLOAT);
        SetShaderValue(shader, GetShaderLocation(shader, statistics[c.slot]), &c.value, SHADER_UNIFORM_FLOAT);
        BeginTextureMode(target);
        ClearBackground(BLACK);
        BeginShaderMode(shader);
        DrawTexture(bar, 0, 0, WHITE);
        EndShaderMode();
        EndTextureMode();
        Image drawn = LoadImageFromTexture(target.texture);
        ImageFlipVertical(&drawn);  // render textures read back bottom row first
        int x = 5 + c.slot * 50 + 5 + (int)(c.along * 40), y = 28;
        Color got = GetImageColor(drawn, x, y), glass = GetImageColor(empty, x, y);
        if (c.filled) {
            EXPECT_FALSE(samergb(got, glass)) << describe(got);
            EXPECT_GT(got.r + got.g + got.b, glass.r + glass.g + glass.b + 150) << describe(got);
        } else {
            EXPECT_TRUE(samergb(got, glass)) << describe(got) << " instead of " << describe(glass);
        }
        UnloadImage(drawn);
    }
    UnloadRenderTexture(target);
    UnloadImage(empty);
    UnloadTexture(bar);
    UnloadShader(shader);
}

TEST(Resources, TheGeneratorWritesTheSameBytesEveryRun)
{
    std::string first = scratchdir(), second = scratchdir();
    for (const std::string& dir : {first, second}) {
        ProgramRun run = runprogram({GENRES_BINARY, dir, UNIFONT_HEX, TRUETYPE_FONT}, dir, {}, 600);
        ASSERT_EQ(run.status, 0) << run.output;
    }
    for (const std::string& path : GENERATED) {
        SCOPED_TRACE(path);
        std::string a = readfile(first + "/" + path), b = readfile(second + "/" + path);
        ASSERT_FALSE(a.empty());
        EXPECT_TRUE(a == b);
    }
}

TEST(Resources, TheGeneratorRefusesToRunWithoutItsFonts)
{
    std::string dir = scratchdir();
    ProgramRun usage = runprogram({GENRES_BINARY, dir}, dir);
    EXPECT_EQ(usage.status, 2);
    EXPECT_NE(usage.output.find("usage: genres"), std::string::npos) << usage.output;

    ProgramRun missing = runprogram({GENRES_BINARY, dir, dir + "/no.hex", TRUETYPE_FONT}, dir, {}, 600);
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.output.find("genres: cannot read " + dir + "/no.hex"), std::string::npos) << missing.output;
}
