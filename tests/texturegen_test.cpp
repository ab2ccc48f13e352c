// The animated tiles and the sky: colour rules, which pixels each pass paints, the road
// verges, the sky's bands and day colour, and determinism.
#include "game/scenes/world/_render.h"
#include "game/scenes/world/_texturegen.h"
#include "game/scenes/world/world.h"
#include "harness.h"

#include <gtest/gtest.h>
#include <vector>

using namespace harness;

namespace {

std::string describe(Color c)
{
    return std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b);
}

bool samergb(Color a, Color b) { return a.r == b.r && a.g == b.g && a.b == b.b; }

TEST(TextureColours, Grass)
{
    struct {
        float v;
        Color expected;
    } cases[] = {
        {1.5f, {111, 255, 122, 255}}, {0.98f, {111, 255, 122, 255}}, {0.54f, {83, 205, 91, 255}},
        {0.1f, {55, 156, 60, 255}},   {0.05f, {37, 133, 39, 255}},   {0.0f, {20, 110, 18, 255}},
        {-0.3f, {20, 110, 18, 255}},
    };
    for (const auto& c : cases) EXPECT_TRUE(samergb(grasscolor(c.v), c.expected)) << c.v << ": " << describe(grasscolor(c.v));
}

TEST(TextureColours, FourStops)
{
    struct {
        float n;
        const gradient* stops;
        Color expected;
    } cases[] = {
        {-1.0f, &water, {100, 150, 200, 255}}, {0.09f, &water, {100, 150, 200, 255}},
        {0.1f, &water, {100, 150, 200, 255}},  {0.38f, &water, {162, 205, 255, 255}},
        {0.48f, &water, {208, 230, 255, 255}}, {0.58f, &water, {255, 255, 255, 255}},
        {0.98f, &water, {162, 205, 255, 255}}, {2.0f, &water, {162, 205, 255, 255}},
        {0.0f, &lava, {130, 26, 0, 255}},      {0.58f, &lava, {255, 180, 180, 255}},
        {0.99f, &lava, {223, 66, 0, 255}},
    };
    for (const auto& c : cases) {
        Color got = stopcolor(c.n, *c.stops);
        EXPECT_TRUE(samergb(got, c.expected)) << c.n << ": " << describe(got);
    }
}

// A 256 x 256 sheet of one colour, with marked pixels in the first road tile.
Image fixturesheet()
{
    Image image = GenImageColor(256, 256, {10, 20, 30, 255});
    ImageDrawPixel(&image, 12 * 16 + 0, 16 + 0, {0, 255, 0, 255});   // a verge
    ImageDrawPixel(&image, 12 * 16 + 1, 16 + 0, {0, 255, 1, 255});   // almost a verge
    ImageDrawPixel(&image, 12 * 16 + 2, 16 + 0, {77, 77, 77, 254});  // a verge painted before
    ImageDrawPixel(&image, 16 + 3, 5, {10, 20, 30, 200});            // grass with its own alpha
    return image;
}

Color sheetcolor(int x, int y)
{
    const unsigned char* pixel = static_cast<unsigned char*>(sheet.data) + (y * sheet.width + x) * 4;
    return {pixel[0], pixel[1], pixel[2], pixel[3]};
}

class TexturePasses : public ::testing::Test {
protected:
    void SetUp() override
    {
        startgame(fixtureresources({{"shaders", RESOURCES + "/shaders"}}));
        UnloadImage(sheet);
        sheet = fixturesheet();
    }
};

TEST_F(TexturePasses, PaintOnlyTheirTilesAndTheRoadVerges)
{
    updatetextures();
    int changedgrass = 0, changedwater = 0, changedlava = 0;
    for (int py = 0; py < 256; py++) {
        for (int px = 0; px < 256; px++) {
            Color now = sheetcolor(px, py);
            bool untouched = samergb(now, {10, 20, 30, 255}) && now.a == 255;
            if (px >= 16 && px < 32 && py < 16) {
                changedgrass += !samergb(now, {10, 20, 30, 255});
                EXPECT_EQ(now.a, px == 19 && py == 5 ? 200 : 255) << "grass keeps its alpha";
            } else if (px >= 240 && py >= 240) {
                changedwater += !untouched;
                EXPECT_EQ(now.a, 255);
            } else if (px >= 224 && px < 240 && py >= 240) {
                changedlava += !untouched;
            } else if (py == 16 && px >= 192 && px <= 194) {
                continue;  // the marked road pixels, checked below
            } else {
                ASSERT_TRUE(untouched) << "pixel " << px << ", " << py << " is " << describe(now);
            }
        }
    }
    EXPECT_EQ(changedgrass, 256);
    EXPECT_EQ(changedwater, 256);
    EXPECT_EQ(changedlava, 256);

    Color verge = sheetcolor(192, 16), almost = sheetcolor(193, 16), painted = sheetcolor(194, 16);
    EXPECT_FALSE(samergb(verge, {0, 255, 0, 255}));
    EXPECT_EQ(verge.a, 254);
    EXPECT_TRUE(samergb(almost, {0, 255, 1, 255}));
    EXPECT_EQ(almost.a, 255);
    EXPECT_FALSE(samergb(painted, {77, 77, 77, 255}));
    EXPECT_EQ(painted.a, 254);
    // The verge takes the colour of the grass pixel at the same place in its tile.
    EXPECT_TRUE(samergb(verge, sheetcolor(16, 0)));
}

TEST_F(TexturePasses, TheSheetReachesItsTexture)
{
    updatetextures();
    EXPECT_EQ(tilesheet.width, 256);
    EXPECT_EQ(tilesheet.format, PIXELFORMAT_UNCOMPRESSED_R8G8B8A8);
    Image uploaded = LoadImageFromTexture(tilesheet);
    ASSERT_EQ(uploaded.width, 256);
    EXPECT_EQ(memcmp(uploaded.data, sheet.data, 256 * 256 * 4), 0);
    UnloadImage(uploaded);
}

TEST_F(TexturePasses, AGrayscaleSheetIsConvertedAndAShortOneSkipped)
{
    UnloadImage(sheet);
    sheet = GenImageColor(256, 256, {10, 20, 30, 255});
    ImageFormat(&sheet, PIXELFORMAT_UNCOMPRESSED_GRAYSCALE);
    updatetextures();
    EXPECT_EQ(sheet.format, PIXELFORMAT_UNCOMPRESSED_R8G8B8A8);
    EXPECT_NE(sheetcolor(16, 0).r, sheetcolor(0, 0).r) << "the grass was painted";

    UnloadImage(sheet);
    sheet = GenImageColor(256, 100, {10, 20, 30, 255});
    std::string first = capturestdout([] { updatetextures(); });
    std::string second = capturestdout([] { updatetextures(); });
    EXPECT_NE(first.find("fewer than 16 rows of tiles"), std::string::npos) << first;
    EXPECT_EQ(second.find("fewer than 16 rows"), std::string::npos) << "reported once, not at every tick";
    EXPECT_TRUE(samergb(sheetcolor(16, 0), {10, 20, 30, 255}));
}

TEST_F(TexturePasses, ANarrowSheetPaintsNothingButTheSky)
{
    UnloadImage(sheet);
    sheet = GenImageColor(8, 8, {10, 20, 30, 255});
    first = true;
    updatetextures();
    for (int i = 0; i < 8 * 8; i++) EXPECT_TRUE(samergb(sheetcolor(i % 8, i / 8), {10, 20, 30, 255}));
    EXPECT_FALSE(first);
}

class Sky : public ::testing::Test {
protected:
    void SetUp() override
    {
        startgame(fixtureresources({{"shaders", RESOURCES + "/shaders"}}));
        UnloadImage(skybox);
        skybox = GenImageColor(64, 100, {200, 100, 50, 255});
        ImageFormat(&skybox, PIXELFORMAT_UNCOMPRESSED_R8G8B8);
        first = true;
        row = 0;
        daytime = 2;
        hourcycle = 0;
    }
    std::vector<unsigned char> pixels() const
    {
        const unsigned char* data = static_cast<unsigned char*>(skybox.data);
        return {data, data + skybox.width * skybox.height * 3};
    }
    Color at(int x, int z) const
    {
        const unsigned char* p = static_cast<unsigned char*>(skybox.data) + (z * skybox.width + x) * 3;
        return {p[0], p[1], p[2], 255};
    }
};

TEST_F(Sky, TheDayColourIsTheMeanOfCloudAndSky)
{
    gensky(0, 100, 64, 100);  // an empty rectangle still sets the day colour
    EXPECT_FLOAT_EQ(daycol[0], 309 / 512.0f);
    EXPECT_FLOAT_EQ(daycol[1], 387 / 512.0f);
    EXPECT_FLOAT_EQ(daycol[2], 384 / 512.0f);
    EXPECT_FLOAT_EQ(daycol[3], 0.8f);

    daytime = 5;  // the last part of the day blends toward the first
    hourcycle = 0.5f;
    gensky(0, 0, 0, 0);
    EXPECT_FLOAT_EQ(daycol[0], (72 + 15) / 512.0f);
    EXPECT_FLOAT_EQ(daycol[1], (72 + 0) / 512.0f);
    EXPECT_FLOAT_EQ(daycol[2], (72 + 10) / 512.0f);
}

TEST_F(Sky, TheFirstRefreshPaintsAllAndThenBandsFollowFromBandOne)
{
    updatetextures();
    EXPECT_FALSE(first);
    EXPECT_EQ(row, 1);
    std::vector<unsigned char> afterfirst = pixels();
    for (int z = 0; z < 100; z++) EXPECT_FALSE(samergb(at(10, z), {200, 100, 50, 255})) << "row " << z;

    y += 5;  // a later time, so the clouds have moved
    updatetextures();
    std::vector<unsigned char> aftersecond = pixels();
    for (int z = 0; z < 100; z++) {
        bool changed = !std::equal(afterfirst.begin() + z * 64 * 3, afterfirst.begin() + (z + 1) * 64 * 3,
                                   aftersecond.begin() + z * 64 * 3);
        bool inband = z >= 10 && z <= 20;
        if (!inband) {
            EXPECT_FALSE(changed) << "row " << z << " is outside band 1";
        }
    }
    EXPECT_NE(afterfirst, aftersecond) << "band 1 was repainted";

    for (int tick = 0; tick < 16; tick++) {  // two rounds of every band
        y += 5;
        updatetextures();
    }
    std::vector<unsigned char> later = pixels();
    EXPECT_TRUE(std::equal(afterfirst.begin() + 81 * 64 * 3, afterfirst.end(), later.begin() + 81 * 64 * 3))
        << "rows 81 and beyond are painted by the first refresh only";
}

TEST_F(Sky, TheLastColumnAndRowBlendWithBlack)
{
    updatetextures();
    for (int z : {0, 40, 98}) {  // even rows: the odd last column averages its left neighbour and black
        Color edge = at(63, z), left = at(62, z);
        EXPECT_NEAR(edge.r, left.r / 2, 1) << "row " << z;
        EXPECT_NEAR(edge.g, left.g / 2, 1);
    }
    for (int x : {0, 31, 62}) {  // row 99 averages row 98 and black
        EXPECT_NEAR(at(x, 99).r, at(x, 98).r / 2, 1) << "column " << x;
        EXPECT_NEAR(at(x, 99).b, at(x, 98).b / 2, 1);
    }
}

TEST_F(Sky, ARgbaSkyIsConvertedAndAShortOneStillSetsTheDayColour)
{
    ImageFormat(&skybox, PIXELFORMAT_UNCOMPRESSED_R8G8B8A8);
    updatetextures();
    EXPECT_EQ(skybox.format, PIXELFORMAT_UNCOMPRESSED_R8G8B8);
    EXPECT_FALSE(samergb(at(10, 50), {200, 100, 50, 255}));

    UnloadImage(skybox);
    skybox = GenImageColor(64, 10, {200, 100, 50, 255});
    ImageFormat(&skybox, PIXELFORMAT_UNCOMPRESSED_R8G8B8);
    daycol[0] = 0;
    std::string output = capturestdout([] { updatetextures(); });
    EXPECT_NE(output.find("fewer than 81 rows"), std::string::npos) << output;
    EXPECT_FLOAT_EQ(daycol[0], 309 / 512.0f);
    EXPECT_TRUE(samergb(at(10, 5), {200, 100, 50, 255}));
}

// Everything a tick reads or writes, so a run can be repeated from the same start.
struct TextureState {
    Image sheetcopy, skycopy;
    FastNoiseLite noise = texturenoise;
    float dx = dragx, dz = dragz, clock = y;
    char band = row;
    bool firsttime = first;
    TextureState() : sheetcopy(ImageCopy(sheet)), skycopy(ImageCopy(skybox)) {}
    ~TextureState()
    {
        UnloadImage(sheetcopy);
        UnloadImage(skycopy);
    }
    void restore()
    {
        UnloadImage(sheet);
        UnloadImage(skybox);
        sheet = ImageCopy(sheetcopy);
        skybox = ImageCopy(skycopy);
        texturenoise = noise;
        dragx = dx;
        dragz = dz;
        y = clock;
        row = band;
        first = firsttime;
    }
};

std::vector<unsigned char> bytes(const Image& image, int bytesperpixel)
{
    const unsigned char* data = static_cast<unsigned char*>(image.data);
    return {data, data + image.width * image.height * bytesperpixel};
}

TEST_F(Sky, TwoRunsFromTheSameStartGiveTheSameTextures)
{
    UnloadImage(sheet);
    sheet = fixturesheet();
    TextureState start;
    auto run = [] {
        for (int tick = 0; tick < 50; tick++) {
            y += 0.1f;
            updatetextures();
        }
        return std::make_pair(bytes(sheet, 4), bytes(skybox, 3));
    };
    auto one = run();
    start.restore();
    auto two = run();
    EXPECT_TRUE(one.first == two.first);
    EXPECT_TRUE(one.second == two.second);
}

}  // namespace
