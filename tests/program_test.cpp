// The real program, driven through the X server like a player would, on an X server of its
// own: keys go to whichever window has the focus, and every new window takes it.
#include "harness.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace harness;

namespace {

// Runs a command of the X tools, which must succeed.
void shell(const std::string& command) { EXPECT_EQ(system(command.c_str()), 0) << command; }

TEST(Program, LeftAltF4ExitsCleanlyAndSavesTheSettings)
{
    std::string dir = scratchdir();
    ASSERT_EQ(symlink(RESOURCES.c_str(), "res"), 0);
    PrivateDisplay display;
    ProgramRun run = quitwithaltf4(display, startprogram({GAME_BINARY}, dir, {"DISPLAY=" + display.name()}));
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find("be warned that"), std::string::npos);
    EXPECT_NE(run.output.find("gl version: 3"), std::string::npos);
    EXPECT_NE(readfile(dir + "/save.cfg").find("gr.internalres=true\n"), std::string::npos);
}

// The player's hands on the X server: keys held for a while and clicks that last several
// frames, so that the game sees every press and every release.
class Hands {
public:
    Hands(const PrivateDisplay& display, const std::string& window, const std::string& artefacts)
        : xdotool("DISPLAY=" + display.name() + " xdotool "), display(display), window(window), artefacts(artefacts)
    {
        shell(xdotool + "windowfocus --sync " + window);
    }
    void hold(const std::string& key, double seconds)
    {
        shell(xdotool + "keydown " + key + " sleep " + std::to_string(seconds) + " keyup " + key + " sleep 0.3");
    }
    void click(int x, int y)
    {
        shell(xdotool + "mousemove --window " + window + " " + std::to_string(x) + " " + std::to_string(y) +
              " sleep 0.2 mousedown 1 sleep 0.2 mouseup 1 sleep 0.4");
    }
    // A picture of the screen after each step, kept with the build's test artefacts.
    void picture(const std::string& step)
    {
        char name[16];
        snprintf(name, sizeof name, "%02d-", ++steps);
        shell("import -display " + display.name() + " -window " + window + " '" + artefacts + "/" + name + step + ".png'");
    }

private:
    std::string xdotool;
    const PrivateDisplay& display;
    std::string window, artefacts;
    int steps = 0;
};

// Window pixels of the buttons of the 380 x 240 window: the mouse maps to design units by
// 360/380 and the hit rectangles are scaled by 380/360 again, so x lands at about design
// x times (380/360) squared, y at design y.
const int ROW_X = 200;
const int PAUSE_OPTIONS_Y = 150, PAUSE_EXIT_Y = 190;
const int GRAPHICS_Y = 50, OPTIONS_BACK_Y = 190;
const int INTERNALRES_Y = 10, GRAPHICS_BACK_Y = 110;
const int CLASSIC_X = 195, CLASSIC_Y = 120, EXIT_X = 317, EXIT_Y = 200;

// Width and height from a BMP file's header.
std::pair<int32_t, int32_t> bmpsize(const std::string& file)
{
    std::string bytes = readfile(file);
    if (bytes.size() < 26 || bytes.compare(0, 2, "BM") != 0) return {0, 0};
    int32_t width, height;
    memcpy(&width, bytes.data() + 18, 4);
    memcpy(&height, bytes.data() + 22, 4);
    return {width, height};
}

// A whole session through the X server: walk, open the pause menu, turn internal resolution
// off on the graphics page, leave for the main menu, come back, leave again and exit.
TEST(Program, APlayedSessionEndsCleanlyAndKeepsItsSettings)
{
    std::string artefacts = std::string(ARTEFACTS_DIR) + "/session";
    std::filesystem::remove_all(artefacts);
    std::filesystem::create_directories(artefacts);
    std::string dir = scratchdir();
    ASSERT_EQ(symlink(RESOURCES.c_str(), "res"), 0);
    PrivateDisplay display;
    Program game = startprogram({GAME_BINARY}, dir, {"DISPLAY=" + display.name()});
    std::string window = findwindow(display, game.pid);
    ASSERT_FALSE(window.empty()) << "the window never appeared";

    Hands hands(display, window, artefacts);
    hands.picture("start");
    hands.hold("w", 1.5);
    hands.picture("walked");
    hands.hold("Escape", 0.2);
    hands.picture("pause-menu");
    hands.click(ROW_X, PAUSE_OPTIONS_Y);
    hands.picture("options");
    hands.click(ROW_X, GRAPHICS_Y);
    hands.picture("graphics");
    hands.click(ROW_X, INTERNALRES_Y);
    hands.picture("internal-res-off");
    hands.click(ROW_X, GRAPHICS_BACK_Y);
    hands.picture("options-again");
    hands.click(ROW_X, OPTIONS_BACK_Y);
    hands.picture("pause-menu-again");
    hands.click(ROW_X, PAUSE_EXIT_Y);
    hands.picture("main-menu");
    hands.click(CLASSIC_X, CLASSIC_Y);
    hands.picture("back-in-the-world");
    hands.hold("Escape", 0.2);
    hands.click(ROW_X, PAUSE_EXIT_Y);
    hands.picture("main-menu-again");
    hands.click(EXIT_X, EXIT_Y);

    ProgramRun run = waitprogram(game, 60);
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find("\x1b[33mbe warned that\x1b[0m\n\x1b[1m\x1b[31mERRORS MIGHT OCCUR!!!\x1b[0m\n"),
              std::string::npos)
        << run.output;
    EXPECT_EQ(readfile(dir + "/save.cfg"), savedsettings(false));
    EXPECT_EQ(bmpsize(dir + "/tilemap.bmp"), std::make_pair(1024, 1024));
}

TEST(Program, WithoutADisplayItStopsWithOneLine)
{
    std::string dir = scratchdir();
    ProgramRun run = runprogram({GAME_BINARY}, dir, {"DISPLAY=:4242", "WAYLAND_DISPLAY"}, 60);
    EXPECT_NE(run.status, 0);
    EXPECT_NE(run.status, -1) << "it crashed or hung: " << run.output;
    EXPECT_NE(run.output.find("no window could be opened"), std::string::npos) << run.output;
}

}  // namespace
