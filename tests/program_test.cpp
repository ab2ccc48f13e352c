// The real program, driven through the X server like a player would, on an X server of its
// own: keys go to whichever window has the focus, and every new window takes it.
#include "harness.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace harness;

namespace {

// What a shell command prints.
std::string shell(const std::string& command)
{
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    char buffer[256];
    while (fgets(buffer, sizeof buffer, pipe)) output += buffer;
    pclose(pipe);
    return output;
}

// The game's window, found by the process that owns it, once it is on the screen.
std::string windowof(const PrivateDisplay& display, pid_t pid)
{
    std::string found = shell("DISPLAY=" + display.name() + " timeout 30 xdotool search --sync --onlyvisible --pid " +
                              std::to_string(pid) + " | head -n1");
    return found.substr(0, found.find('\n'));
}

TEST(Program, LeftAltF4ExitsCleanlyAndSavesTheSettings)
{
    std::string dir = scratchdir();
    ASSERT_EQ(symlink(RESOURCES.c_str(), "res"), 0);
    PrivateDisplay display;
    Program game = startprogram({GAME_BINARY}, dir, {"DISPLAY=" + display.name()});
    std::string window = windowof(display, game.pid);
    ASSERT_FALSE(window.empty()) << "the window never appeared";
    // The keys are held until the game has ended: while it is still loading, a press and
    // a release would arrive in one poll of the input and never be seen.
    std::string xdotool = "DISPLAY=" + display.name() + " xdotool ";
    shell(xdotool + "windowfocus --sync " + window + " keydown Alt_L sleep 0.2 keydown F4");
    ProgramRun run = waitprogram(game, 60);
    shell(xdotool + "keyup F4 keyup Alt_L");
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find("be warned that"), std::string::npos);
    EXPECT_NE(run.output.find("gl version: 3"), std::string::npos);
    EXPECT_NE(readfile(dir + "/save.cfg").find("gr.internalres=true\n"), std::string::npos);
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
