// The main menu scene on the real display: hit testing, clicks, page navigation, the
// graphics toggles, the animated sky and the ways out of the menu.
#include "game/game.h"
#include "game/scenes/mainmenu.h"
#include "game/scenes/scenes.h"
#include "game/scenes/world/_render.h"
#include "globals.h"
#include "harness.h"

#include <gtest/gtest.h>

using namespace harness;

namespace {

// Window pixels of the buttons on the main page, with the 380 x 240 start window.
const int CLASSIC_Y = 120;
const int OPTIONS_X = 100, OPTIONS_Y = 200;
const int EXIT_X = 300, EXIT_Y = 200;

// The graphics page's rows (design y 0, 20, 40, 100 x 20 high; relresy is 1).
const int ROW_X = 190;
const int INTERNALRES_Y = 10, VSYNC_Y = 30, BACK_Y = 110;

void startmainmenu(const std::string& gif = TESTDATA + "/gif/four-frames.gif", const std::string& savecfg = "")
{
    startgame(fixtureresources({{"shaders", RESOURCES + "/shaders"}, {"images/sky.gif", gif}}), savecfg);
    nextscene = 0;
    changescene = true;
    runframes();
    ASSERT_EQ(current, &menum);
}

menubutton& button(menupage& page, size_t index) { return *dynamic_cast<menubutton*>(page.items[index]); }
menucolor& swatch(size_t index) { return *dynamic_cast<menucolor*>(graphics.items[index]); }

TEST(MainMenu, HitTestingUsesStrictEdgesOfTheScaledRectangle)
{
    startmainmenu();
    // "classic" is at design x 120, width 110: scaled by 380/360 it covers mapped x 126 to
    // 242, both outside; the mouse maps to design units by the same factor.
    struct {
        int x, y;
        bool hovered;
    } cases[] = {
        {134, CLASSIC_Y, false},  // maps to 126, the left edge
        {135, CLASSIC_Y, true},   // 127
        {255, CLASSIC_Y, true},   // 241
        {256, CLASSIC_Y, false},  // 242, the right edge
        {180, 100, false},        // the top edge
        {180, 101, true},
        {180, 139, true},
        {180, 140, false},        // the bottom edge
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
        mousemove(c.x, c.y);
        runframes();
        EXPECT_EQ(button(*memum[0], 0).hover, c.hovered);
        EXPECT_FALSE(button(*memum[0], 0).down);
    }
}

TEST(MainMenu, PressingShowsThePressedStateAndReleasingRunsTheActionOnce)
{
    startmainmenu();
    click(OPTIONS_X, OPTIONS_Y);
    ASSERT_EQ(pagem, 1);
    click(ROW_X, 50);  // "graphics"
    ASSERT_EQ(pagem, 2);

    menubutton& vsyncbutton = button(graphics, 3);
    mousemove(ROW_X, VSYNC_Y);
    mousedown();
    runframes();
    EXPECT_TRUE(vsyncbutton.down);
    EXPECT_FALSE(vsyncbutton.hover);
    EXPECT_TRUE(vsync) << "a press alone runs nothing";
    mouseup();
    runframes();
    EXPECT_FALSE(vsync) << "the release ran the action";
    EXPECT_TRUE(vsyncbutton.hover);
    runframes(3);
    EXPECT_FALSE(vsync) << "and only once";
}

TEST(MainMenu, OnlyAReleaseOverTheButtonCounts)
{
    startmainmenu();
    // Pressed over "options" but released elsewhere: nothing.
    mousemove(OPTIONS_X, OPTIONS_Y);
    mousedown();
    runframes();
    mousemove(OPTIONS_X, 20);
    mouseup();
    runframes();
    EXPECT_EQ(pagem, 0);
    // Pressed outside and released over it: the action runs.
    mousedown();
    runframes();
    mousemove(OPTIONS_X, OPTIONS_Y);
    mouseup();
    runframes();
    EXPECT_EQ(pagem, 1);
}

TEST(MainMenu, AnActionThatChangesThePageStopsTheStep)
{
    startmainmenu();
    // "graphics" on the options page lies at design y 40, where the graphics page has its
    // "fullscreen" button: the click must not reach that one in the same frame.
    click(OPTIONS_X, OPTIONS_Y);
    mousemove(ROW_X, 50);
    mousedown();
    runframes();
    mouseup();
    runframes();
    EXPECT_EQ(pagem, 2);
    EXPECT_FALSE(IsWindowFullscreen());
    EXPECT_FALSE(button(graphics, 5).hover) << "the new page reacts from the next frame";
    runframes();
    EXPECT_TRUE(button(graphics, 5).hover);
}

TEST(MainMenu, OptionsGraphicsBackBackReturnsToTheMainPage)
{
    startmainmenu();
    click(OPTIONS_X, OPTIONS_Y);
    EXPECT_EQ(pagem, 1);
    click(ROW_X, 50);
    EXPECT_EQ(pagem, 2);
    click(ROW_X, BACK_Y);
    EXPECT_EQ(pagem, 1);
    click(ROW_X, 190);
    EXPECT_EQ(pagem, 0);
    EXPECT_EQ(p, &pagem);
}

TEST(MainMenu, VsyncTogglesTheCapAndItsSwatch)
{
    startmainmenu();
    click(OPTIONS_X, OPTIONS_Y);
    click(ROW_X, 50);
    EXPECT_EQ(swatch(2).value, &TRUE);
    click(ROW_X, VSYNC_Y);
    EXPECT_FALSE(vsync);
    EXPECT_EQ(swatch(2).value, &FALSE);
    click(ROW_X, VSYNC_Y);
    EXPECT_TRUE(vsync);
    EXPECT_EQ(swatch(2).value, &TRUE);
}

TEST(MainMenu, InternalResolutionSwitchesTheTargetInTheSameFrame)
{
    startmainmenu();
    SetWindowSize(500, 300);
    runframes();
    // The window changed shape, but hit rectangles keep the start window's scale.
    click(OPTIONS_X * 500 / 380, OPTIONS_Y * 300 / 240);
    ASSERT_EQ(pagem, 1);
    click(ROW_X * 500 / 380, 50 * 300 / 240);
    ASSERT_EQ(pagem, 2);
    mousemove(ROW_X * 500 / 380, INTERNALRES_Y * 300 / 240);
    mousedown();
    runframes();
    mouseup();
    runframes();
    EXPECT_FALSE(cfg.internalres);
    EXPECT_EQ(swatch(0).value, &FALSE);
    EXPECT_EQ(rndr.texture.width, 500) << "the target takes the window's size in the frame of the click";
    EXPECT_EQ(rndr.texture.height, 300);
    cfg.save();
    EXPECT_NE(readfile("save.cfg").find("gr.internalres=false\n"), std::string::npos);
}

TEST(MainMenu, TheSwatchStartsGreenEvenWhenTheFileSaidOff)
{
    startmainmenu(TESTDATA + "/gif/four-frames.gif", "gr.internalres=false\n");
    EXPECT_FALSE(cfg.internalres);
    EXPECT_EQ(swatch(0).value, &TRUE);
    // In window-resolution mode the mouse maps to design units by the window's size.
    click(OPTIONS_X, OPTIONS_Y);
    click(ROW_X, 50);
    ASSERT_EQ(pagem, 2);
    click(ROW_X, INTERNALRES_Y);
    EXPECT_TRUE(cfg.internalres);
    EXPECT_EQ(swatch(0).value, &TRUE);
}

TEST(MainMenu, TheButtonsThatDoNothingStillReact)
{
    startmainmenu();
    click(OPTIONS_X, OPTIONS_Y);
    click(ROW_X, 50);
    config before = cfg;
    for (int x : {115, 335}) {  // "<" and ">"
        mousemove(x * 380 / 360, 80);
        runframes();
        EXPECT_TRUE(button(graphics, x < 200 ? 7 : 9).hover);
        click(x * 380 / 360, 80);
    }
    EXPECT_EQ(pagem, 2);
    EXPECT_EQ(cfg.internalres, before.internalres);
    EXPECT_EQ(dynamic_cast<menutext*>(graphics.items[8])->text, "360x240");
}

TEST(MainMenu, TheSkyAdvancesEverySixthUpdate)
{
    startmainmenu();  // the switch frame drew the menu but did not update it
    std::string output = capturestdout([] { runframes(6 * 5); });
    EXPECT_EQ(output, "\x1b[1m\x1b[37m\x1b[41mframe 1\x1b[0m\n"
                      "\x1b[1m\x1b[37m\x1b[41mframe 2\x1b[0m\n"
                      "\x1b[1m\x1b[37m\x1b[41mframe 3\x1b[0m\n"
                      "\x1b[1m\x1b[37m\x1b[41mframe 0\x1b[0m\n"
                      "\x1b[1m\x1b[37m\x1b[41mframe 1\x1b[0m\n");
    EXPECT_EQ(frames, 4);
    EXPECT_EQ(nextFrameDataOffset, 1u * 36 * 24 * 4);
    // The shown frame is the one the texture holds: frame 1 is #405060.
    Color sky = targetpixel(180, 60);
    EXPECT_EQ(sky.r, 0x40);
    EXPECT_EQ(sky.g, 0x50);
    EXPECT_EQ(sky.b, 0x60);
}

TEST(MainMenu, AOneFrameSkyStillLogsItsFrame)
{
    startmainmenu(TESTDATA + "/gif/one-frame.gif");
    std::string output = capturestdout([] { runframes(12); });
    EXPECT_EQ(output, "\x1b[1m\x1b[37m\x1b[41mframe 0\x1b[0m\n\x1b[1m\x1b[37m\x1b[41mframe 0\x1b[0m\n");
}

TEST(MainMenu, AMissingSkyLeavesTheBackgroundAndStillLogs)
{
    startmainmenu(TESTDATA + "/gif/no-such.gif");
    EXPECT_EQ(frames, 0);
    std::string output = capturestdout([] { runframes(6); });
    EXPECT_EQ(output, "\x1b[1m\x1b[37m\x1b[41mframe 0\x1b[0m\n");
    Color corner = targetpixel(1, 1);
    EXPECT_EQ(corner.r, clra.r);
    EXPECT_EQ(corner.g, clra.g);
}

TEST(MainMenu, PressedButtonsShowTheirRectangleIdleOnesOnlyTheirLabel)
{
    startmainmenu(TESTDATA + "/gif/one-frame.gif");  // a black sky
    // A target pixel inside "classic" (126 to 242 by 100 to 140) above its label.
    const int x = 238, y = 103;
    mousemove(static_cast<int>(x * (380.0f / 360)), y);
    runframes();
    EXPECT_TRUE(button(*memum[0], 0).hover);
    Color hovered = targetpixel(x, y);
    EXPECT_EQ(hovered.r, 0);
    mousedown();
    runframes();
    Color pressed = targetpixel(x, y);
    EXPECT_NEAR(pressed.r, 180 * 100 / 255, 2);
    EXPECT_NEAR(pressed.b, 150 * 100 / 255, 2);
}

TEST(MainMenu, ClassicGoesBackToTheWorldWithItsMenuClosed)
{
    startmainmenu();
    click(180, CLASSIC_Y);
    EXPECT_EQ(current, &world);
    EXPECT_EQ(page, -1);
    EXPECT_EQ(p, &page);
}

TEST(MainMenu, ExitEndsTheRun)
{
    startmainmenu();
    click(EXIT_X, EXIT_Y);
    EXPECT_TRUE(quit);
}

}  // namespace
