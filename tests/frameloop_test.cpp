// The frame loop on the real display: start-up state, the background colour cycle, quitting,
// Escape, and the off-screen target's size.
#include "game/game.h"
#include "game/scenes/mainmenu.h"
#include "game/scenes/world/_render.h"
#include "globals.h"
#include "harness.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace harness;

namespace {

bool same(Color a, Color b) { return a.r == b.r && a.g == b.g && a.b == b.b && a.a == b.a; }

std::string describe(Color c)
{
    return std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b) + "," + std::to_string(c.a);
}

TEST(FrameLoop, StartsInTheWorldWithItsMenuClosed)
{
    startgame();
    EXPECT_EQ(current, &world);
    EXPECT_EQ(page, -1);
    EXPECT_EQ(p, &page);
    EXPECT_EQ(GetScreenWidth(), 380);
    EXPECT_EQ(GetScreenHeight(), 240);
    EXPECT_FLOAT_EQ(relresx, 380.0f / 360.0f);
    EXPECT_FLOAT_EQ(relresy, 1.0f);
    EXPECT_EQ(rndr.texture.width, 360);
    EXPECT_EQ(rndr.texture.height, 240);
    runframes();
    EXPECT_EQ(current, &world);
    EXPECT_EQ(page, -1);
}

TEST(FrameLoop, TheBackgroundCyclesThroughTheColours)
{
    // With nothing but the shaders the main menu stands on the bare background.
    startgame(fixtureresources({{"shaders", RESOURCES + "/shaders"}}));
    nextscene = 0;
    changescene = true;
    struct {
        int frames;
        Color colour;
        int16_t phase;
    } checkpoints[] = {{1, {254, 1, 0, 255}, 1}, {255, {0, 255, 0, 255}, 1}, {768, {255, 0, 0, 255}, 1}};
    int done = 0;
    for (const auto& checkpoint : checkpoints) {
        runframes(checkpoint.frames - done);
        done = checkpoint.frames;
        SCOPED_TRACE(checkpoint.frames);
        EXPECT_TRUE(same(clra, checkpoint.colour)) << describe(clra);
        EXPECT_EQ(col, checkpoint.phase);
        EXPECT_TRUE(same(targetpixel(2, 2), checkpoint.colour)) << describe(targetpixel(2, 2));
        EXPECT_TRUE(same(targetpixel(357, 237), checkpoint.colour));
    }
}

TEST(FrameLoop, LeftAltF4EndsTheRunBeforeTheFrameIsDrawn)
{
    startgame();
    runframes(3);
    Color before = clra;
    keydown(KEY_LEFT_ALT);
    runframes();
    EXPECT_FALSE(quit);
    keydown(KEY_F4);
    runframes();
    EXPECT_TRUE(quit);
    EXPECT_TRUE(same(clra, {static_cast<unsigned char>(before.r - 1), static_cast<unsigned char>(before.g + 1), 0, 255}))
        << "only the frame with Alt alone may have stepped the colour: " << describe(clra);
}

TEST(FrameLoop, EscapeNeverClosesTheWindow)
{
    startgame();
    for (int i = 0; i < 5; i++) tap(KEY_ESCAPE);
    EXPECT_FALSE(WindowShouldClose());
    EXPECT_FALSE(quit);
}

TEST(FrameLoop, InternalResolutionKeepsTheTargetWhenTheWindowResizes)
{
    startgame();
    SetWindowSize(800, 600);
    runframes();
    EXPECT_EQ(GetScreenWidth(), 800);
    EXPECT_EQ(rndr.texture.width, 360);
    EXPECT_EQ(rndr.texture.height, 240);
}

TEST(FrameLoop, WindowResolutionFollowsTheWindowFromTheFirstResize)
{
    startgame(RESOURCES, "gr.internalres=false\n");
    EXPECT_FALSE(cfg.internalres);
    runframes(2);
    EXPECT_EQ(rndr.texture.width, 360) << "the target starts at the internal size in either mode";
    EXPECT_EQ(rndr.texture.height, 240);
    SetWindowSize(640, 480);
    runframes();
    EXPECT_EQ(rndr.texture.width, 640);
    EXPECT_EQ(rndr.texture.height, 480);
    SetWindowSize(640, 400);  // a change of height alone counts too
    runframes();
    EXPECT_EQ(rndr.texture.height, 400);
}

}  // namespace
