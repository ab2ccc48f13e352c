// Every file the game reads, broken one at a time, under the real program: missing, empty,
// cut short, random bytes, pictures of another size or format, a shader that does not
// compile, a model that names vertices it lacks, settings it cannot write. Each case runs
// the game in a working directory of its own whose res/ links to the real resources but for
// the one broken file, plays it in the world and in the main menu, ends it with Left Alt + F4
// and asks: status 0 (the sanitizer build aborts on any report), "save.cfg" whole, and
// exactly the console lines the broken file calls for.
#include "harness.h"
#include "pngfile.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <filesystem>
#include <functional>
#include <grp.h>
#include <gtest/gtest.h>
#include <map>
#include <pwd.h>
#include <random>
#include <sstream>
#include <stdexcept>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace harness;
namespace fs = std::filesystem;

namespace {

// Read at static initialisation, so not through harness::RESOURCES.
const std::string RES = std::string(VELLMORAN_REPO) + "/res";

const char XDOTOOL[] = "/usr/bin/xdotool";
const char SETPRIV[] = "/usr/bin/setpriv";
// Line-buffered standard output, so that the main menu's lines can be counted while it runs.
const char LINEBUFFERED[] = "/usr/libexec/coreutils/libstdbuf.so";

const int WORLDSECONDS = 2;       // in the world before the way to the main menu
const int MENUSKYFRAMES = 30;     // sky frames of the main menu, one every 6 frames
const int MAPSIDE = 1024;
const uintmax_t TILEMAPBYTES = 54 + MAPSIDE * MAPSIDE * 3;

// The settings every case starts from (unless it breaks them), and the file the game writes
// from them: nothing of them may be lost.
const std::string SETTINGS = "gr.internalres=false\n";

// The game's own start-up lines at warning and error level. Every case expects these and
// its own line, each once, in any order.
const std::vector<std::string> BANNER = {"be warned that", "ERRORS MIGHT OCCUR!!!", "gl version: 3"};

// Who runs the game: root, whom permissions do not stop, or an unprivileged user kept out
// of save.cfg or out of the whole working directory.
enum class Runner { Root, SettingsLocked, DirectoryLocked };

// Writes the broken file at path; original is the real one (for files under res/).
typedef std::function<void(const std::string& path, const std::string& original)> Maker;

struct HostileCase {
    std::string name;
    // Relative to the working directory. Without an extension it names a shader pair:
    // both files are left out of the links and written by make, at path + ".vs" and ".fs".
    std::string file;
    Maker make;
    std::string gameline;        // the game's own line about it, whole; empty when it says nothing
    std::string libraryphrase;   // part of raylib's line about it, when raylib reports it
    std::string savedafter = savedsettings(false);
    Runner runner = Runner::Root;
};

std::ostream& operator<<(std::ostream& out, const HostileCase& c) { return out << c.name; }

// ---- Broken files ------------------------------------------------------------------------

std::string randombytes(size_t count, unsigned seed)
{
    std::mt19937 engine(seed);
    std::string bytes(count, '\0');
    for (char& byte : bytes) byte = static_cast<char>(engine() & 0xff);
    return bytes;
}

// Every broken file is written where no link to the real resources stands: a write through
// a link would break the real file.
std::string fresh(const std::string& path)
{
    if (fs::is_symlink(path)) throw std::logic_error(path + " links to a real resource");
    return path;
}

void put(const std::string& path, const std::string& content) { writefile(fresh(path), content); }

void truncated(const std::string& path, const std::string& original)
{
    std::string bytes = readfile(original);
    put(path, bytes.substr(0, bytes.size() / 2));
}

void scrambled(const std::string& path, const std::string& original)
{
    put(path, randombytes(fs::file_size(original), 7));
}

void empty(const std::string& path, const std::string&) { put(path, ""); }
void missing(const std::string&, const std::string&) {}

Maker text(const std::string& content)
{
    return [content](const std::string& path, const std::string&) { put(path, content); };
}

// The real picture changed with raylib's CPU image functions.
Maker picture(const std::function<void(Image&)>& change)
{
    return [change](const std::string& path, const std::string& original) {
        Image image = LoadImage(original.c_str());
        change(image);
        ExportImage(image, fresh(path).c_str());
        UnloadImage(image);
    };
}

Maker resized(int width, int height)
{
    return picture([width, height](Image& image) { ImageResizeNN(&image, width, height); });
}

Maker formatted(int format)
{
    return picture([format](Image& image) { ImageFormat(&image, format); });
}

// The real model cut after its first object.
void onemesh(const std::string& path, const std::string& original)
{
    std::string model = readfile(original);
    size_t second = model.find("\no ", model.find("\no ") + 1);
    put(path, model.substr(0, second + 1));
}

const char NOSHADER[] = "#version 330\nthis is not a shader {\n";

// ---- The table ---------------------------------------------------------------------------

std::string skippedanimation(const char* file, const char* problem)
{
    return std::string(file) + ": " + problem + "; its animation is skipped";
}

// What the game or raylib says about each picture cut short or replaced by noise.
struct PictureReport {
    std::string gameline, libraryphrase;
};

const std::map<std::string, PictureReport>& picturereports()
{
    static const std::string UNREADABLE = "IMAGE: Failed to load image data";
    static const std::map<std::string, PictureReport> reports = {
        {"defaultplayer/player.png", {"", UNREADABLE}},
        {"fonts/dos.png", {"", "FONT: [res/fonts/dos.fnt] Failed to load texture, reverted to default font"}},
        {"images/coolworld.png",
         {"painted map res/images/coolworld.png is not a picture that can be decoded: the world is generated instead", ""}},
        {"images/menubar.png", {"", UNREADABLE}},
        {"images/playercursor.png", {"", UNREADABLE}},
        {"images/sky.png", {skippedanimation("res/images/sky.png", "the sky could not be read"), ""}},
        {"images/tilesheet.png", {skippedanimation("res/images/tilesheet.png", "the tile sheet could not be read"), ""}},
        {"images/tilesheetl4.png", {"res/images/tilesheetl4.png cannot be read: tilemap.bmp is black", ""}},
    };
    return reports;
}

// Read only high above the ground, out of a program's reach: brokenfiles_test climbs there.
const std::vector<std::string> ALTITUDESHEETS = {"images/tilesheetl1.png", "images/tilesheetl2.png",
                                                 "images/tilesheetl3.png"};

std::vector<std::string> picturesunderres()
{
    std::vector<std::string> listed;
    for (const auto& entry : fs::recursive_directory_iterator(RES))
        if (entry.path().extension() == ".png") listed.push_back(fs::relative(entry.path(), RES).string());
    std::sort(listed.begin(), listed.end());
    return listed;
}

// Two cases for every picture under res/ a program reads.
std::vector<HostileCase> pictures()
{
    std::vector<HostileCase> cases;
    for (const std::string& picture : picturesunderres()) {
        auto report = picturereports().find(picture);
        if (report == picturereports().end()) continue;
        std::string file = "res/" + picture;
        cases.push_back({file + " cut short", file, truncated, report->second.gameline, report->second.libraryphrase});
        cases.push_back({file + " random bytes", file, scrambled, report->second.gameline, report->second.libraryphrase});
    }
    return cases;
}

std::vector<HostileCase> shaders()
{
    std::vector<HostileCase> cases;
    for (const char* pair : {"screen", "tile", "toolbar"}) {
        std::string base = std::string("res/shaders/") + pair;
        auto both = [](const std::string& content) {
            return [content](const std::string& path, const std::string&) {
                put(path + ".vs", content);
                put(path + ".fs", content);
            };
        };
        cases.push_back({base + " pair empty", base, both(""), "", "FILEIO: [" + base + ".fs] Failed to read text file"});
        cases.push_back({base + " pair not compiling", base, both(NOSHADER), "", "Failed to compile vertex shader code"});
    }
    return cases;
}

std::vector<HostileCase> models()
{
    const std::string MODEL = "res/models/world.obj";
    const std::string REFUSED = "model " + MODEL + " cannot be used: ";
    return {
        {"world.obj empty", MODEL, empty, "", "MODEL: [res/models/world.obj] Unable to read obj file"},
        {"world.obj one mesh", MODEL, onemesh, MODEL + " has 1 of the ground's 3 meshes: only that one is drawn", ""},
        {"world.obj a face of missing vertices", MODEL, text("o a\nv 0 0 0\nv 1 0 0\nf 1 2 3\n"),
         REFUSED + "line 4 names vertex 3 of 2; nothing of it is drawn", ""},
        {"world.obj starting with a zero byte", MODEL, text(std::string("\0o a\nv 0 0 0\n", 13)),
         REFUSED + "it starts with a zero byte; nothing of it is drawn", ""},
        // Noise holds no face: raylib makes one empty mesh of it.
        {"world.obj random bytes", MODEL, scrambled, MODEL + " has 1 of the ground's 3 meshes: only that one is drawn", ""},
    };
}

std::vector<HostileCase> sheetsandsky()
{
    const char* SKY = "res/images/sky.png";
    const char* SHEET = "res/images/tilesheet.png";
    const char* PALETTE = "res/images/tilesheetl4.png";
    return {
        {"sky.png 10 rows", SKY, resized(512, 10), skippedanimation(SKY, "the sky has fewer than 81 rows"), ""},
        {"sky.png RGBA", SKY, formatted(PIXELFORMAT_UNCOMPRESSED_R8G8B8A8),
         std::string(SKY) + " is not 8-bit RGB: converted for its animation", ""},
        // A sheet narrower than a row of tiles paints nothing, and says nothing.
        {"tilesheet.png 8 px wide", SHEET, resized(8, 8), "", ""},
        {"tilesheet.png grayscale", SHEET, formatted(PIXELFORMAT_UNCOMPRESSED_GRAYSCALE),
         std::string(SHEET) + " is not 8-bit RGBA: converted for its animation", ""},
        {"tilesheetl4.png 8 px wide", PALETTE, resized(8, 8),
         std::string(PALETTE) + " has 64 pixels: tiles from id 64 on are black in tilemap.bmp", ""},
        {"tilesheetl4.png grayscale", PALETTE, formatted(PIXELFORMAT_UNCOMPRESSED_GRAYSCALE),
         std::string(PALETTE) + " is not 8-bit RGBA and was converted", ""},
    };
}

std::vector<HostileCase> paintedmaps()
{
    const std::string MAP = "res/images/coolworld.png";
    auto refused = [MAP](const std::string& problem) {
        return "painted map " + MAP + " " + problem + ": the world is generated instead";
    };
    auto sixteenbit = [](const std::string& path, const std::string&) {
        put(path, sixteenbitpng(std::vector<uint8_t>(MAPSIDE * MAPSIDE, 1), MAPSIDE));
    };
    return {
        {"coolworld.png missing", MAP, missing, refused("is missing"), ""},
        {"coolworld.png not a picture", MAP, text("painted by hand, honestly\n"), refused("is not a picture that can be decoded"), ""},
        {"coolworld.png 512 x 512", MAP, resized(512, 512),
         refused("is 512 x 512 in pixel format 1, where a map is 1024 x 1024 with 8-bit pixels or 256 x 1024 RGBA"), ""},
        {"coolworld.png 16-bit", MAP, sixteenbit, refused("has 16-bit samples where tile ids need 8 bits"), ""},
    };
}

std::vector<HostileCase> others()
{
    const std::string MENUFONT = "res/fonts/dos.fnt", DEBUGFONT = "res/fonts/kipsynth.ttf";
    auto refusedfont = [](const std::string& file, const std::string& problem) {
        return "font " + file + " cannot be used: " + problem + "; raylib's default font stands in";
    };
    return {
        // Not JSON: the player stays nameless, and nothing is said.
        {"player.json binary", "res/defaultplayer/player.json", text(randombytes(300, 11)), "", ""},
        // A GIF cut short keeps the frames before the cut, and nothing is said.
        {"sky.gif cut short", "res/images/sky.gif", truncated, "", ""},
        {"sky.gif random bytes", "res/images/sky.gif", scrambled, "", "IMAGE: Data is not valid to load texture"},
        {"dos.fnt empty", MENUFONT, empty, "", "FONT: [res/fonts/dos.fnt] Failed to load font texture -> Using default font"},
        {"dos.fnt cut short", MENUFONT, truncated, refusedfont(MENUFONT, "it ends before its 190 glyph lines do"), ""},
        {"dos.fnt random bytes", MENUFONT, scrambled, refusedfont(MENUFONT, "its second line has no lineHeight"), ""},
        {"kipsynth.ttf cut short", DEBUGFONT, truncated, refusedfont(DEBUGFONT, "its glyf table runs past the end of the file"), ""},
        {"kipsynth.ttf random bytes", DEBUGFONT, scrambled, refusedfont(DEBUGFONT, "it is not a TrueType font"), ""},
    };
}

std::vector<HostileCase> settings()
{
    const std::string KEPT = "could not save the settings to save.cfg (Permission denied); the previous file is kept";
    auto tenmegabytes = [](const std::string& path, const std::string&) {
        std::string line = randombytes(10 << 20, 13);
        std::replace(line.begin(), line.end(), '\n', ' ');
        put(path, line);
    };
    HostileCase huge = {"save.cfg 10 MB without a line feed", "save.cfg", tenmegabytes, "", ""};
    huge.savedafter = savedsettings(true);
    // A zero byte is part of a key or value like any other: "true" followed by one is not
    // "true", and a key after two is no key the game knows.
    HostileCase zeros = {"save.cfg with zero bytes", "save.cfg",
                         text(std::string("gr.internalres=true\0junk\n\0\0health.sleep=true\n", 45)), "", ""};
    HostileCase locked = {"save.cfg not writable", "save.cfg", missing, KEPT, ""};
    locked.savedafter = SETTINGS;
    locked.runner = Runner::SettingsLocked;
    HostileCase directory = {"working directory not writable", "save.cfg", missing, KEPT, ""};
    directory.savedafter = SETTINGS;
    directory.runner = Runner::DirectoryLocked;
    return {huge, zeros, locked, directory};
}

std::vector<HostileCase> allcases()
{
    std::vector<HostileCase> all;
    for (const auto& group : {pictures(), shaders(), models(), sheetsandsky(), paintedmaps(), others(), settings()})
        all.insert(all.end(), group.begin(), group.end());
    return all;
}

// ---- Running the game --------------------------------------------------------------------

// A res/ of links to the real resources, file by file, but for the broken ones.
void linkresources(const std::string& dir, const std::string& broken)
{
    fs::create_directories(dir + "/res");
    for (const auto& entry : fs::recursive_directory_iterator(RES)) {
        fs::path file = fs::path("res") / fs::relative(entry.path(), RES);
        fs::path inside = fs::path(dir) / file;
        if (entry.is_directory()) fs::create_directories(inside);
        else if (file != broken && fs::path(file).replace_extension() != broken) fs::create_symlink(entry.path(), inside);
    }
}

struct Account {
    uid_t user;
    gid_t group;
};

Account unprivileged()
{
    return {getpwnam("nobody")->pw_uid, getgrnam("nogroup")->gr_gid};
}

// The working directory as the case wants it, its broken file made, and the command that
// runs the game there.
std::vector<std::string> preparedirectory(const std::string& dir, const HostileCase& c)
{
    chmod(dir.c_str(), 0755);
    linkresources(dir, c.file);
    writefile(dir + "/save.cfg", SETTINGS);
    c.make(dir + "/" + c.file, RES + "/" + fs::path(c.file).lexically_relative("res").string());
    if (c.runner == Runner::Root) return {GAME_BINARY};
    Account nobody = unprivileged();
    if (c.runner == Runner::SettingsLocked) {
        EXPECT_EQ(chown(dir.c_str(), nobody.user, nobody.group), 0);
        chmod((dir + "/save.cfg").c_str(), 0444);
    } else {
        EXPECT_EQ(chown((dir + "/save.cfg").c_str(), nobody.user, nobody.group), 0);
    }
    return {SETPRIV, "--reuid=nobody", "--regid=nogroup", "--clear-groups", GAME_BINARY};
}

// What the game has written so far, read without moving the file position it writes at.
std::string outputsofar(const Program& game)
{
    std::string output;
    char buffer[1 << 16];
    ssize_t n;
    while ((n = pread(game.output, buffer, sizeof buffer, static_cast<off_t>(output.size()))) > 0)
        output.append(buffer, static_cast<size_t>(n));
    return output;
}

// Whether the game has ended, without collecting its status: that is waitprogram's.
bool ended(const Program& game)
{
    siginfo_t info = {};
    return waitid(P_PID, static_cast<id_t>(game.pid), &info, WEXITED | WNOHANG | WNOWAIT) != 0 || info.si_pid != 0;
}

int countof(const std::string& text, const std::string& part)
{
    int count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) count++;
    return count;
}

const char SKYFRAME[] = "\x1b[41mframe ";  // the main menu's line at every frame of its sky

// Plays the running game: the world for a while, then Escape, "exit" in the pause menu,
// and the main menu until its sky has shown MENUSKYFRAMES frames. False when the main menu
// never came.
bool play(const PrivateDisplay& display, const Program& game)
{
    std::string window = findwindow(display, game.pid);
    if (window.empty()) return false;
    std::this_thread::sleep_for(std::chrono::seconds(WORLDSECONDS));
    // Held for half a second each, so that a frame's poll of the input sees them down.
    runprogram({XDOTOOL, "windowfocus", "--sync", window, "keydown", "Escape", "sleep", "0.5", "keyup", "Escape", "sleep",
                "0.5", "mousemove", "--window", window, "190", "190", "mousedown", "1", "sleep", "0.5", "mouseup", "1"},
               "/", {"DISPLAY=" + display.name()});
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (countof(outputsofar(game), SKYFRAME) < MENUSKYFRAMES) {
        if (std::chrono::steady_clock::now() > deadline || ended(game)) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return true;
}

// The game's own lines at warning and error level, without their colours.
std::vector<std::string> gamelines(const std::string& output)
{
    std::vector<std::string> lines;
    std::istringstream in(output);
    for (std::string line; std::getline(in, line);) {
        for (const std::string colour : {"\x1b[33m", "\x1b[1m\x1b[31m"}) {
            if (line.rfind(colour, 0) == 0) lines.push_back(line.substr(colour.size(), line.rfind("\x1b[0m") - colour.size()));
        }
    }
    return lines;
}

class Hostile : public testing::TestWithParam<HostileCase> {};

TEST_P(Hostile, TheGameRunsEndsCleanlyAndKeepsTheSettings)
{
    const HostileCase& c = GetParam();
    std::string dir = scratchdir();
    std::vector<std::string> command = preparedirectory(dir, c);

    PrivateDisplay display;
    Program game = startprogram(command, dir,
                                {"DISPLAY=" + display.name(), std::string("LD_PRELOAD=") + LINEBUFFERED, "_STDBUF_O=L",
                                 "ASAN_OPTIONS=detect_leaks=0:verify_asan_link_order=0"});
    bool played = play(display, game);
    ProgramRun run = quitwithaltf4(display, game, 60);

    EXPECT_TRUE(played) << "the main menu's sky never moved";
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(readfile(dir + "/save.cfg"), c.savedafter) << "save.cfg is not whole";
    std::vector<std::string> expected = BANNER, said = gamelines(run.output);
    if (!c.gameline.empty()) expected.push_back(c.gameline);
    std::sort(expected.begin(), expected.end());
    std::sort(said.begin(), said.end());
    EXPECT_EQ(said, expected) << run.output;
    if (!c.libraryphrase.empty()) {
        EXPECT_NE(run.output.find(c.libraryphrase), std::string::npos) << run.output;
    }
    if (c.runner == Runner::DirectoryLocked) {
        EXPECT_FALSE(fs::exists(dir + "/tilemap.bmp"));
    } else {
        EXPECT_TRUE(fs::exists(dir + "/tilemap.bmp") && fs::file_size(dir + "/tilemap.bmp") == TILEMAPBYTES);
    }
    if (!HasFailure()) fs::remove_all(dir);
}

// A picture added to res/ gets its cases once its report is known.
TEST(HostileTable, EveryPictureUnderResHasItsCases)
{
    for (const std::string& picture : picturesunderres()) {
        bool altitude = std::find(ALTITUDESHEETS.begin(), ALTITUDESHEETS.end(), picture) != ALTITUDESHEETS.end();
        EXPECT_TRUE(altitude || picturereports().count(picture)) << picture << " has no entry in picturereports()";
    }
}

std::string testname(const testing::TestParamInfo<HostileCase>& info)
{
    std::string name;
    for (char c : info.param.name) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(BrokenFiles, Hostile, testing::ValuesIn(allcases()), testname);

}  // namespace
