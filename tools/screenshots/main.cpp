// screenshots: the README's pictures of the world, drawn by the game itself.
//
//   screenshots <resource dir> <output dir>
//
// Starts the game on the given resources in a scratch working directory (so that nothing
// the game writes lands in the repository), lets the world run a few hundred frames so
// that the animated tiles and the sky have ticked, and then, for each view, places the
// camera, lets the game draw and writes its off-screen target, enlarged without smoothing,
// as a PNG. Needs a display.
#include "game/game.h"
#include "game/scenes/world/_render.h"
#include "game/scenes/world/_update.h"
#include "game/scenes/world/world.h"
#include "globals.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

const int WARMUP = 300;        // frames before the first picture: five texture ticks
const int FRAMESPERVIEW = 3;   // frames drawn from each placed camera
const int ENLARGE = 2;         // picture pixels per pixel of the target
const float TILEUNITS = 4;
const float EYE = 2.61f;       // the camera of a player standing on ground

// A camera over the centre of tile (column, row), `height` above a standing player's eye,
// heading `heading` degrees from east (+x) toward north (+z), looking `down` degrees below
// the horizon. A view with a height of 0 stands on the ground and walks as the game does;
// a raised one is put back before every frame, so it hovers.
struct view {
    const char* file;
    int column, row;
    float height, heading, down;
    bool thirdperson;
};

const view VIEWS[] = {
    {"thirdperson.png", 512, 512, 0, 0, 8, true},  // the ruined town's green, east toward the river Vell
    {"coast.png", 901, 507, 2, -20, 10, false},    // the harbour of Saltmere: a jetty and the spit across the bay
    {"lava.png", 812, 815, 10, 125, 12, false},    // Mount Cinder from its south-eastern flank
};

[[noreturn]] void fail(const std::string& message)
{
    std::fprintf(stderr, "screenshots: %s\n", message.c_str());
    std::exit(1);
}

void startgame(const std::string& resdir)
{
    char scratch[] = "/tmp/vellmoran-screenshots-XXXXXX";
    if (!mkdtemp(scratch) || chdir(scratch) != 0) fail("cannot make a scratch directory");
    if (symlink(resdir.c_str(), "res") != 0) fail("cannot link " + resdir);
    init();
}

void place(const view& v)
{
    float heading = v.heading * DEG2RAD, down = v.down * DEG2RAD;
    Vector3 eye = {(v.column - 512) * TILEUNITS + TILEUNITS / 2, EYE + v.height,
                   (511 - v.row) * TILEUNITS + TILEUNITS / 2};
    Vector3 look = {std::cos(down) * std::cos(heading), -std::sin(down), std::cos(down) * std::sin(heading)};
    world.camera.position = eye;
    world.camera.target = {eye.x + look.x, eye.y + look.y, eye.z + look.z};
    yaccel = 0;
    thirdperson = v.thirdperson;
}

void save(const std::string& path)
{
    Image picture = LoadImageFromTexture(rndr.texture);
    ImageFlipVertical(&picture);  // render textures read back bottom row first
    ImageResizeNN(&picture, picture.width * ENLARGE, picture.height * ENLARGE);
    bool written = ExportImage(picture, path.c_str());
    UnloadImage(picture);
    if (!written) fail("cannot write " + path);
    std::printf("screenshots: %s\n", path.c_str());
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: screenshots <resource dir> <output dir>\n");
        return 2;
    }
    std::string resdir = std::filesystem::absolute(argv[1]).string();
    std::string outdir = std::filesystem::absolute(argv[2]).string();
    std::error_code error;
    std::filesystem::create_directories(outdir, error);
    if (error) fail("cannot create " + outdir + ": " + error.message());

    startgame(resdir);
    for (int i = 0; i < WARMUP; i++) render();
    save(outdir + "/start.png");
    for (const view& v : VIEWS) {
        place(v);
        for (int i = 0; i < FRAMESPERVIEW; i++) {
            if (v.height > 0) place(v);
            render();
        }
        save(outdir + "/" + v.file);
    }
    CloseWindow();
    return 0;
}
