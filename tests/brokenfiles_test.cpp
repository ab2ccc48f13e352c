// Broken files the program tests cannot reach or cannot see: the tile sheets read only high
// above the ground, and a screen shader that does not compile, whose window the program
// tests cannot look at.
#include "game/scenes/world/_render.h"
#include "game/scenes/world/_texturegen.h"
#include "game/scenes/world/world.h"
#include "globals.h"
#include "harness.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <functional>

using namespace harness;
namespace fs = std::filesystem;

namespace {

// A resource directory of links to every real resource but the files listed, which the
// test writes itself.
std::string resourceswithout(const std::vector<std::string>& broken)
{
    std::vector<std::pair<std::string, std::string>> links;
    for (const auto& entry : fs::recursive_directory_iterator(RESOURCES)) {
        std::string file = fs::relative(entry.path(), RESOURCES).string();
        if (entry.is_regular_file() && std::find(broken.begin(), broken.end(), file) == broken.end())
            links.emplace_back(file, entry.path().string());
    }
    return fixtureresources(links);
}

int countof(const std::string& text, const std::string& part)
{
    int count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) count++;
    return count;
}

// ---- Altitude sheets ---------------------------------------------------------------------

struct AltitudeSheet {
    const char* name;
    const char* file;  // under res/
    float level;       // the height from which the sheet is used
    std::function<void(const std::string& path, const std::string& original)> make;
    const char* line;  // what the game says when it climbs onto it, once; nullptr for nothing
};

std::ostream& operator<<(std::ostream& out, const AltitudeSheet& c) { return out << c.name; }

void cutshort(const std::string& path, const std::string& original)
{
    std::string bytes = readfile(original);
    writefile(path, bytes.substr(0, bytes.size() / 2));
}

void noise(const std::string& path, const std::string& original)
{
    std::string bytes = readfile(original);
    for (size_t i = 0; i < bytes.size(); i++) bytes[i] = static_cast<char>(i * 2654435761u >> 13);
    writefile(path, bytes);
}

void eightwide(const std::string& path, const std::string& original)
{
    Image image = LoadImage(original.c_str());
    ImageResizeNN(&image, 8, 8);
    ExportImage(image, path.c_str());
    UnloadImage(image);
}

void grayscale(const std::string& path, const std::string& original)
{
    Image image = LoadImage(original.c_str());
    ImageFormat(&image, PIXELFORMAT_UNCOMPRESSED_GRAYSCALE);
    ExportImage(image, path.c_str());
    UnloadImage(image);
}

class BrokenAltitudeSheet : public testing::TestWithParam<AltitudeSheet> {};

// Climbing onto a broken sheet, some ticks of the texture clock and some frames there, and
// back down: no crash, the sheet's line once, and the base sheet again below.
TEST_P(BrokenAltitudeSheet, ClimbingOntoItKeepsTheGameRunning)
{
    const AltitudeSheet& c = GetParam();
    std::string res = resourceswithout({c.file});
    c.make(res + "/" + c.file, RESOURCES + "/" + c.file);
    startgame(res);
    runframes(3);

    // The feet are put at a height before an update, the camera at the next one.
    auto climb = [](float before, float after) {
        world.player.y = before;
        world.camera.position.y = world.camera.target.y = after + 1.6f;
        yaccel = 0;
        runupdates();
    };
    std::string file = std::string("res/") + c.file;
    std::string output = capturestdout([&] {
        climb(c.level - 0.5f, c.level + 0.4f);
        for (int i = 0; i < 130; i++) climb(c.level + 0.4f, c.level + 0.4f);  // two ticks up there
        runframes(5);
    });
    EXPECT_STREQ(sheetfile, file.c_str());
    if (c.line) {
        EXPECT_EQ(countof(output, c.line), 1) << output;
    } else {
        EXPECT_EQ(output.find(file), std::string::npos) << output;
    }

    climb(c.level + 0.5f, c.level - 0.4f);
    EXPECT_STRNE(sheetfile, file.c_str());
    EXPECT_EQ(sheet.format, PIXELFORMAT_UNCOMPRESSED_R8G8B8A8);
    EXPECT_GT(sheet.width, 0) << "the sheet below is readable again";
    runframes(5);
}

INSTANTIATE_TEST_SUITE_P(
    Sheets, BrokenAltitudeSheet,
    testing::Values(
        AltitudeSheet{"l1_cut_short", "images/tilesheetl1.png", 150, cutshort,
                      "res/images/tilesheetl1.png: the tile sheet could not be read; its animation is skipped"},
        AltitudeSheet{"l2_noise", "images/tilesheetl2.png", 200, noise,
                      "res/images/tilesheetl2.png: the tile sheet could not be read; its animation is skipped"},
        AltitudeSheet{"l3_cut_short", "images/tilesheetl3.png", 280, cutshort,
                      "res/images/tilesheetl3.png: the tile sheet could not be read; its animation is skipped"},
        AltitudeSheet{"l1_eight_wide", "images/tilesheetl1.png", 150, eightwide, nullptr},
        AltitudeSheet{"l2_grayscale", "images/tilesheetl2.png", 200, grayscale,
                      "res/images/tilesheetl2.png is not 8-bit RGBA: converted for its animation"}),
    [](const testing::TestParamInfo<AltitudeSheet>& info) { return std::string(info.param.name); });

// ---- Screen shader -----------------------------------------------------------------------

bool samecolour(Color a, Color b) { return a.r == b.r && a.g == b.g && a.b == b.b; }

// raylib gives a shader without a program for a pair that does not compile; the game
// presents its picture through the default shader instead, so the window shows the target.
TEST(BrokenScreenShader, TheWindowStillShowsThePicture)
{
    std::string res = resourceswithout({"shaders/screen.vs", "shaders/screen.fs"});
    writefile(res + "/shaders/screen.vs", "#version 330\nthis is not a shader {\n");
    writefile(res + "/shaders/screen.fs", "#version 330\nthis is not a shader {\n");
    startgame(res);
    SetWindowSize(360, 240);  // the target's size: one window pixel per target pixel
    runframes(3);
    // The presented frame: Mesa's software renderer keeps it in the back buffer after the
    // swap. (Through the real screen shader the two differ by its effect; through a shader
    // without a program the window stays black.)
    Image screen = LoadImageFromScreen();
    Image picture = target();
    ASSERT_EQ(screen.width, 360);
    for (int y : {5, 120, 235}) {
        for (int x : {5, 180, 355}) {
            Color shown = GetImageColor(screen, x, y), drawn = GetImageColor(picture, x, y);
            EXPECT_TRUE(samecolour(shown, drawn)) << x << ", " << y << ": shown " << int(shown.r) << "," << int(shown.g)
                                                  << "," << int(shown.b) << ", drawn " << int(drawn.r) << ","
                                                  << int(drawn.g) << "," << int(drawn.b);
        }
    }
    UnloadImage(screen);
    UnloadImage(picture);
}

}  // namespace
