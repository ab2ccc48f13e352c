// The test harness: the real game in a real raylib window on the display.
//
// A window test starts the game once per process (ctest runs every test in its own process)
// in a scratch working directory whose "res" points at the resources under test. Input goes
// through raylib's automation events, which write the same input state the game reads:
// an event queued before frame() is seen by that frame's update exactly like a key or button
// the player pressed. Pixels are read back from the off-screen target.
#pragma once

#include <functional>
#include <vector>
#include <raylib.h>
#include <string>
#include <sys/types.h>

namespace harness {

// Repository paths, fixed at build time.
extern const std::string REPO;
extern const std::string RESOURCES;   // the game's resources, REPO/res
extern const std::string TESTDATA;    // REPO/tests/data

// A fresh empty working directory; the process changes into it.
std::string scratchdir();

// A resource directory of links: each entry maps a path inside it to the file or directory
// it shows, e.g. {"images/sky.gif", TESTDATA + "/gif/one-frame.gif"}.
std::string fixtureresources(const std::vector<std::pair<std::string, std::string>>& links);

// Starts the game like main does, in a scratch directory whose "res" is a link to resdir.
// A save.cfg with the given text is written first when savecfg is not empty.
void startgame(const std::string& resdir = RESOURCES, const std::string& savecfg = "");

void runframes(int count = 1);  // runs the game's frame step
// Runs only the current scene's update and the input polling that ends a frame: for long
// walks, where drawing every frame would only cost time.
void runupdates(int count = 1);

// Input for the next frame.
void keydown(int key);
void keyup(int key);
void tap(int key);  // down for one frame, then up for one frame
void mousemove(int x, int y);
void mousedown(int button = MOUSE_BUTTON_LEFT);
void mouseup(int button = MOUSE_BUTTON_LEFT);
void click(int x, int y);  // move, press for a frame, release for a frame

// The off-screen target as the game drew it, top row first. Caller unloads.
Image target();
Color targetpixel(int x, int y);

// What fn writes to standard output, or to standard error.
std::string capturestdout(const std::function<void()>& fn);
std::string capturestderr(const std::function<void()>& fn);

// The text the game saves to save.cfg with the default settings, but for internal resolution.
std::string savedsettings(bool internalres = true);

struct ProgramRun {
    int status;          // exit status, or -1 when it did not exit normally or in time
    std::string output;  // standard output and standard error together
};

// A program started in the background.
struct Program {
    pid_t pid;
    int output;  // file descriptor of its captured output
};

// Starts a program in cwd with extra environment settings ("NAME=value", or "NAME" alone to
// remove it).
Program startprogram(const std::vector<std::string>& argv, const std::string& cwd,
                     const std::vector<std::string>& environment = {});
// Waits at most timeoutseconds for it to end, then kills it.
ProgramRun waitprogram(Program program, int timeoutseconds = 60);
// Both in one.
ProgramRun runprogram(const std::vector<std::string>& argv, const std::string& cwd,
                      const std::vector<std::string>& environment = {}, int timeoutseconds = 60);

// An X server of a test's own, so that no other test's window can take the keyboard focus
// from the program it drives. Stopped when the object goes.
class PrivateDisplay {
public:
    PrivateDisplay();
    ~PrivateDisplay();
    const std::string& name() const { return display; }  // e.g. ":93"
private:
    pid_t server;
    std::string display;
};

// The window of process pid on display, once it is on the screen; empty when none appears.
std::string findwindow(const PrivateDisplay& display, pid_t pid);

// Ends a program the way a player does, with Left Alt + F4 through the X server of display,
// and waits at most timeoutseconds for it. Its window is found by the program's process.
ProgramRun quitwithaltf4(const PrivateDisplay& display, Program program, int timeoutseconds = 60);

std::string readfile(const std::string& path);
void writefile(const std::string& path, const std::string& text);

}  // namespace harness
