// Long play: 20,000 frames of the real frame loop with seeded random input (walking,
// sprinting, jumping, looking, F5, F11, Escape, clicks in the menus, scene switches, the
// resolution toggle and window resizes). Nothing may crash, the sanitizer must stay quiet,
// no error line may appear, and resident memory must settle.
#include "game/game.h"
#include "game/scenes/mainmenu.h"
#include "game/scenes/world/_render.h"
#include "globals.h"
#include "harness.h"

#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <unistd.h>

using namespace harness;

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer holds freed memory back to catch late uses of it; a smaller hold lets
// resident memory settle within the run while recent frees are still watched.
extern "C" const char* __asan_default_options() { return "quarantine_size_mb=32"; }
const bool SANITIZED = true;
#else
const bool SANITIZED = false;
#endif

namespace {

const int FRAMES = 20000;
const int SETTLED = 5000;  // frames before the first memory reading
const unsigned SEED = 20261211;

long residentkilobytes()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * sysconf(_SC_PAGESIZE) / 1024;
}

// The player's hands: keys held or let go, taps, and clicks, drawn from one seeded stream.
class Player {
public:
    explicit Player(unsigned seed) : random(seed) {}

    void act()
    {
        if (chance(0.03)) toggle(MOVES[pick(sizeof MOVES / sizeof *MOVES)]);
        if (chance(0.01)) pressfor(KEY_SPACE);
        if (chance(0.002)) pressfor(KEY_F5);
        if (chance(0.0005)) pressfor(KEY_F11);
        if (chance(0.004)) pressfor(KEY_ESCAPE);
        if (chance(0.0005)) SetWindowSize(300 + pick(700), 200 + pick(500));
        if (menushown() && chance(0.05)) clickanywhere();
        release();
    }

private:
    static constexpr int MOVES[] = {KEY_W,     KEY_A,     KEY_S,    KEY_D,  KEY_LEFT_SHIFT,
                                    KEY_RIGHT, KEY_LEFT,  KEY_UP,   KEY_DOWN};
    std::mt19937 random;
    bool held[512] = {};
    int pressed = -1;  // a key tapped last frame, let go this frame
    bool buttondown = false;

    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(random) < p; }
    int pick(size_t n) { return static_cast<int>(random() % n); }

    void toggle(int key)
    {
        held[key] = !held[key];
        held[key] ? keydown(key) : keyup(key);
    }

    void pressfor(int key)
    {
        if (held[key] || pressed != -1) return;
        keydown(key);
        pressed = key;
    }

    void release()
    {
        if (pressed != -1 && !held[pressed]) {
            keyup(pressed);
            pressed = -1;
        }
        if (buttondown && chance(0.5)) {
            mouseup();
            buttondown = false;
        }
    }

    static bool menushown() { return current == &menum || page != -1; }

    // Anywhere in the window but where a click would end the game or cover the screen:
    // "exit" on the main menu's first page and "fullscreen" on the graphics page.
    void clickanywhere()
    {
        int x = pick(GetScreenWidth()), y = pick(GetScreenHeight());
        float designx = x * 360.0f / GetScreenWidth(), designy = y * 240.0f / GetScreenHeight();
        bool onexit = current == &menum && pagem == 0 && designy > 170;
        bool onfullscreen = *p == 2 && designy > 35 && designy < 65;
        if (onexit || onfullscreen || designx < 0) return;
        mousemove(x, y);
        mousedown();
        buttondown = true;
    }
};

constexpr int Player::MOVES[];

// It takes minutes, and its point is the sanitizer's watch over them.
TEST(Soak, TwentyThousandFramesOfRandomPlay)
{
    if (!SANITIZED) GTEST_SKIP() << "the long play runs in the sanitizer build";
    startgame();
    Player player(SEED);
    long settled = 0;
    std::string output = capturestdout([&] {
        for (int frame = 0; frame < FRAMES; frame++) {
            player.act();
            runframes();
            if (frame + 1 == SETTLED) settled = residentkilobytes();
        }
    });
    long end = residentkilobytes();
    EXPECT_FALSE(quit);
    EXPECT_EQ(output.find("\x1b[1m\x1b[31m"), std::string::npos) << "an error line: " << output.substr(output.find("\x1b[1m\x1b[31m"), 200);
    EXPECT_EQ(output.find("ERROR:"), std::string::npos) << "raylib reported an error";
    EXPECT_LT(end, settled * 105 / 100) << settled << " kB after " << SETTLED << " frames, " << end << " kB at the end";
    EXPECT_GT(end, settled * 95 / 100);
}

}  // namespace
