// paintmap, run as a player runs it: the picture of the world the game saves goes back to the
// painted map it came from, every palette colour to its tile id, and pictures that cannot be
// a map are refused with nothing written.
#include "game/io.h"
#include "globals.h"
#include "harness.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <raylib.h>
#include <vector>

using namespace harness;

namespace {

const std::string PAINTMAP = PAINTMAP_BINARY;
const std::string PALETTESHEET = std::string(VELLMORAN_REPO) + "/res/images/tilesheetl4.png";
const int SIDE = 1024;
const std::string OLDMAP = "the old map\n";  // what lies at the output path before a run

typedef std::vector<uint8_t> Grid;

ProgramRun paintmap(const std::string& picture, const std::string& sheet, const std::string& out)
{
    return runprogram({PAINTMAP, picture, sheet, out}, ".");
}

// The bytes of a painted map, which must be a 1024 x 1024 grayscale picture.
Grid mapbytes(const std::string& path)
{
    Image map = LoadImage(path.c_str());
    EXPECT_EQ(map.width, SIDE);
    EXPECT_EQ(map.height, SIDE);
    EXPECT_EQ(map.format, PIXELFORMAT_UNCOMPRESSED_GRAYSCALE);
    Grid bytes;
    if (map.data && map.format == PIXELFORMAT_UNCOMPRESSED_GRAYSCALE)
        bytes.assign(static_cast<uint8_t*>(map.data), static_cast<uint8_t*>(map.data) + SIDE * SIDE);
    UnloadImage(map);
    return bytes;
}

// The 256 colours of the tile ids: the first pixels of the game's l4 sheet.
std::vector<Color> palette()
{
    Image sheet = LoadImage(PALETTESHEET.c_str());
    ImageFormat(&sheet, PIXELFORMAT_UNCOMPRESSED_R8G8B8A8);
    std::vector<Color> colours(static_cast<Color*>(sheet.data), static_cast<Color*>(sheet.data) + 256);
    UnloadImage(sheet);
    return colours;
}

bool inpalette(Color c, const std::vector<Color>& colours)
{
    for (Color p : colours)
        if (p.r == c.r && p.g == c.g && p.b == c.b) return true;
    return false;
}

// A colour no tile id has.
Color strangecolour(const std::vector<Color>& colours)
{
    Color c = {255, 0, 255, 255};
    while (inpalette(c, colours)) c.g++;
    return c;
}

// Every id in every row, shifted from row to row so no two rows are alike.
Grid everyid()
{
    Grid grid(SIDE * SIDE);
    for (int k = 0; k < SIDE * SIDE; k++) grid[k] = static_cast<uint8_t>(k % SIDE * 3 + k / SIDE * 5);
    return grid;
}

// The grid in its palette colours, as a picture of the given format.
Image paintedpicture(const Grid& grid, int format)
{
    std::vector<Color> colours = palette();
    Image picture = GenImageColor(SIDE, SIDE, BLACK);
    Color* pixels = static_cast<Color*>(picture.data);
    for (int k = 0; k < SIDE * SIDE; k++) pixels[k] = colours[grid[k]];
    ImageFormat(&picture, format);
    return picture;
}

// ---- Back to the map ----------------------------------------------------------------------

// The game's own picture of its world, saved when it closes, gives back its painted map.
TEST(PaintMap, TheSavedPictureOfTheWorldGivesBackItsMapExactly)
{
    startgame();
    runframes();
    capturestdout([] { world.close(); });
    ProgramRun run = paintmap("tilemap.bmp", PALETTESHEET, "coolworld.png");
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find("wrote coolworld.png"), std::string::npos) << run.output;
    Grid original = mapbytes(RESOURCES + "/images/coolworld.png");
    ASSERT_EQ(original.size(), static_cast<size_t>(SIDE * SIDE));
    EXPECT_TRUE(mapbytes("coolworld.png") == original);
}

struct PictureKind {
    const char* what;
    const char* file;
    int format;  // the picture's pixel format, for PNG files
};

void PrintTo(const PictureKind& kind, std::ostream* out) { *out << kind.what; }

class EveryColour : public testing::TestWithParam<PictureKind> {};

TEST_P(EveryColour, GivesItsTileId)
{
    const PictureKind& kind = GetParam();
    scratchdir();
    Grid grid = everyid();
    Image picture = paintedpicture(grid, kind.format);
    if (std::string(kind.file) == "painted.bmp") {
        ImageFormat(&picture, PIXELFORMAT_UNCOMPRESSED_R8G8B8);
        savebmp(kind.file, static_cast<unsigned char*>(picture.data), SIDE, SIDE);
    } else {
        ASSERT_TRUE(ExportImage(picture, kind.file));
    }
    UnloadImage(picture);
    writefile("coolworld.png", OLDMAP);
    ProgramRun run = paintmap(kind.file, PALETTESHEET, "coolworld.png");
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_TRUE(mapbytes("coolworld.png") == grid);
    EXPECT_FALSE(std::filesystem::exists("coolworld.png.part"));
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, EveryColour,
    testing::Values(PictureKind{"BMP, as the game writes it", "painted.bmp", PIXELFORMAT_UNCOMPRESSED_R8G8B8},
                    PictureKind{"PNG, RGB", "painted.png", PIXELFORMAT_UNCOMPRESSED_R8G8B8},
                    PictureKind{"PNG, RGBA", "painted.png", PIXELFORMAT_UNCOMPRESSED_R8G8B8A8}),
    [](const testing::TestParamInfo<PictureKind>& info) { return "Kind" + std::to_string(info.index); });

// ---- Refused --------------------------------------------------------------------------------

TEST(PaintMap, WithoutItsThreePathsItSaysHowToRunIt)
{
    ProgramRun run = runprogram({PAINTMAP, "tilemap.bmp"}, ".");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.output, "usage: paintmap <picture> <tilesheetl4.png> <coolworld.png out>\n");
}

// Positions and colours not in the palette are listed, the first twenty one by one.
struct UnknownCase {
    const char* what;
    int count;  // pixels painted in a strange colour, along row 7 from column 3
};

void PrintTo(const UnknownCase& c, std::ostream* out) { *out << c.what; }

class UnknownColours : public testing::TestWithParam<UnknownCase> {};

TEST_P(UnknownColours, AreListedWithTheirPositionsAndNothingIsWritten)
{
    const UnknownCase& c = GetParam();
    scratchdir();
    std::vector<Color> colours = palette();
    Color strange = strangecolour(colours);
    Image picture = paintedpicture(everyid(), PIXELFORMAT_UNCOMPRESSED_R8G8B8A8);
    for (int i = 0; i < c.count; i++) ImageDrawPixel(&picture, 3 + i, 7, strange);
    ASSERT_TRUE(ExportImage(picture, "painted.png"));
    UnloadImage(picture);
    writefile("coolworld.png", OLDMAP);

    ProgramRun run = paintmap("painted.png", PALETTESHEET, "coolworld.png");
    EXPECT_EQ(run.status, 1) << run.output;
    EXPECT_NE(run.output.find(std::to_string(c.count) + " pixels of painted.png have a colour that is no tile's"),
              std::string::npos) << run.output;
    char hex[8];
    snprintf(hex, sizeof hex, "#%02x%02x%02x", strange.r, strange.g, strange.b);
    int listed = std::min(c.count, 20);
    for (int i = 0; i < listed; i++)
        EXPECT_NE(run.output.find("column " + std::to_string(3 + i) + ", row 7: " + hex + "\n"), std::string::npos)
            << run.output;
    EXPECT_EQ(run.output.find("column " + std::to_string(3 + listed) + ","), std::string::npos) << run.output;
    std::string more = "  and " + std::to_string(c.count - listed) + " more\n";
    EXPECT_EQ(run.output.find(more) != std::string::npos, c.count > listed) << run.output;
    EXPECT_EQ(readfile("coolworld.png"), OLDMAP);
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, UnknownColours,
    testing::Values(UnknownCase{"one pixel", 1}, UnknownCase{"twenty pixels", 20},
                    UnknownCase{"twenty-five pixels", 25}),
    [](const testing::TestParamInfo<UnknownCase>& info) { return "Case" + std::to_string(info.index); });

// Inputs that cannot make a map: one line saying why, a failure status, nothing written.
struct Refusal {
    const char* what;
    void (*prepare)();   // changes painted.png or sheet.png in the working directory
    const char* output;  // the output path
    const char* line;    // how the one line expected begins, after "paintmap: "
};

void PrintTo(const Refusal& r, std::ostream* out) { *out << r.what; }

void writepicture(int width, int height)
{
    Image picture = paintedpicture(everyid(), PIXELFORMAT_UNCOMPRESSED_R8G8B8A8);
    ImageCrop(&picture, {0, 0, static_cast<float>(width), static_cast<float>(height)});
    ExportImage(picture, "painted.png");
    UnloadImage(picture);
}

// A sheet of the real palette's first `pixels` colours, with `copy` repeating `original`.
void writesheet(int width, int height, int copy = -1, int original = 0)
{
    std::vector<Color> colours = palette();
    Image sheet = GenImageColor(width, height, BLANK);
    for (int k = 0; k < width * height && k < 256; k++)
        ImageDrawPixel(&sheet, k % width, k / width, colours[k == copy ? original : k]);
    ExportImage(sheet, "sheet.png");
    UnloadImage(sheet);
}

class Refused : public testing::TestWithParam<Refusal> {};

TEST_P(Refused, WithOneLineAndTheOldMapKept)
{
    const Refusal& r = GetParam();
    scratchdir();
    writepicture(SIDE, SIDE);
    writesheet(16, 16);
    r.prepare();
    writefile("coolworld.png", OLDMAP);
    std::vector<std::filesystem::path> before(std::filesystem::directory_iterator("."), {});

    ProgramRun run = paintmap("painted.png", "sheet.png", r.output);
    EXPECT_EQ(run.status, 1) << run.output;
    EXPECT_EQ(run.output.rfind(std::string("paintmap: ") + r.line, 0), 0u) << run.output;
    EXPECT_EQ(run.output.find('\n'), run.output.size() - 1) << run.output;
    EXPECT_EQ(readfile("coolworld.png"), OLDMAP);
    std::vector<std::filesystem::path> after(std::filesystem::directory_iterator("."), {});
    EXPECT_EQ(after.size(), before.size());
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, Refused,
    testing::Values(
        Refusal{"no picture", [] { std::filesystem::remove("painted.png"); }, "coolworld.png",
                "cannot read painted.png: No such file or directory"},
        Refusal{"a picture of random bytes", [] { writefile("painted.png", std::string(5000, '\x9c')); }, "coolworld.png",
                "painted.png is not a PNG or BMP picture"},
        Refusal{"a picture a column short", [] { writepicture(SIDE - 1, SIDE); }, "coolworld.png",
                "painted.png is 1023 x 1024 pixels; a map is 1024 x 1024"},
        Refusal{"a picture of half the rows", [] { writepicture(SIDE, SIDE / 2); }, "coolworld.png",
                "painted.png is 1024 x 512 pixels; a map is 1024 x 1024"},
        Refusal{"no palette sheet", [] { std::filesystem::remove("sheet.png"); }, "coolworld.png",
                "cannot read sheet.png: No such file or directory"},
        Refusal{"a palette sheet a pixel short", [] { writesheet(15, 17); }, "coolworld.png",
                "sheet.png has 255 pixels, fewer than the 256 colours of the tile ids"},
        Refusal{"a palette sheet with a colour twice", [] { writesheet(16, 16, 200, 3); }, "coolworld.png",
                "sheet.png gives tile ids 3 and 200 the same colour #"},
        Refusal{"a destination folder that is not there", [] {}, "missing/coolworld.png",
                "cannot write missing/coolworld.png.part: No such file or directory"}),
    [](const testing::TestParamInfo<Refusal>& info) { return "Case" + std::to_string(info.index); });

}  // namespace
