// The game installed like a desktop game: `cmake --install` into a scratch prefix, the tree it
// makes, the launcher playing in the player's own directory on an X server of its own, and
// the Debian package CPack builds of the same tree.
#include "harness.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <raylib.h>
#include <sys/stat.h>

using namespace harness;
namespace fs = std::filesystem;

namespace {

const std::string BUILD = VELLMORAN_BUILD_DIR;
const std::string CMAKE = CMAKE_PROGRAM;
const std::string CPACK = CPACK_PROGRAM;
const int INSTALLSECONDS = 300;
const size_t PICTUREBYTES = 54 + 1024 * 1024 * 3;  // tilemap.bmp: header and 1024 x 1024 pixels

// Every file under dir, by path relative to it, with its contents.
std::map<std::string, std::string> filesunder(const std::string& dir)
{
    std::map<std::string, std::string> files;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(dir))
        if (entry.is_regular_file()) files[fs::relative(entry.path(), dir).string()] = readfile(entry.path().string());
    return files;
}

// Every path under dir with its size and modification time: what changes when one is written.
std::map<std::string, std::string> snapshot(const std::string& dir)
{
    std::map<std::string, std::string> state;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(dir)) {
        struct stat info = {};
        lstat(entry.path().c_str(), &info);
        state[entry.path().string()] = std::to_string(info.st_size) + " " + std::to_string(info.st_mtim.tv_sec) + "." +
                                       std::to_string(info.st_mtim.tv_nsec);
    }
    return state;
}

bool executable(const std::string& path)
{
    struct stat info = {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && (info.st_mode & 0111) == 0111;
}

void install(const std::string& prefix)
{
    ProgramRun run = runprogram({CMAKE, "--install", BUILD, "--prefix", prefix}, "/", {}, INSTALLSECONDS);
    ASSERT_EQ(run.status, 0) << run.output;
}

// The game's directory the launcher makes when XDG_DATA_HOME is not set.
std::string owndirectory(const std::string& home) { return home + "/.local/share/vellmoran"; }

// Starting without a display: the launcher sets up the player's directory, then the game
// stops at once with its own line, which shows that the launcher started it.
const char NODISPLAY[] = "no window could be opened";

ProgramRun startwithoutdisplay(const std::string& launcher, const std::string& home, const std::string& cwd,
                               const char* datahome = nullptr)
{
    std::string data = datahome ? std::string("XDG_DATA_HOME=") + datahome : "XDG_DATA_HOME";
    return runprogram({launcher}, cwd, {"DISPLAY=:4242", "WAYLAND_DISPLAY", "HOME=" + home, data}, 60);
}

// A prefix with a space in it, as folder names often have; installed afresh for each test.
class Installed : public testing::Test {
protected:
    void SetUp() override
    {
        root = scratchdir();
        prefix = root + "/my games";
        install(prefix);
        launcher = prefix + "/bin/vellmoran";
        resources = prefix + "/share/games/vellmoran/res";
    }
    // An installed tree and its package take some room: kept only to look into a failure.
    void TearDown() override
    {
        if (HasFailure()) return;
        fs::current_path("/");
        fs::remove_all(root);
    }
    std::string root, prefix, launcher, resources;
};

// ---- The tree -------------------------------------------------------------------------------

TEST_F(Installed, HoldsTheGameItsLauncherAndThePaintingTool)
{
    EXPECT_TRUE(executable(prefix + "/libexec/vellmoran/vellmoran"));
    EXPECT_EQ(readfile(prefix + "/libexec/vellmoran/vellmoran").substr(0, 4), "\x7f" "ELF");
    EXPECT_TRUE(executable(launcher));
    EXPECT_EQ(readfile(launcher).rfind("#!/bin/sh\n", 0), 0u);
    ProgramRun paintmap = runprogram({prefix + "/bin/vellmoran-paintmap"}, root);
    EXPECT_EQ(paintmap.status, 2);
    EXPECT_EQ(paintmap.output.rfind("usage: vellmoran-paintmap <picture> ", 0), 0u) << paintmap.output;
}

TEST_F(Installed, HoldsEveryResourceFileAsTheGameHasIt)
{
    std::map<std::string, std::string> installed = filesunder(resources), original = filesunder(RESOURCES);
    for (const auto& [path, contents] : original) {
        auto found = installed.find(path);
        if (found == installed.end()) ADD_FAILURE() << path << " is not installed";
        else EXPECT_TRUE(found->second == contents) << path << " differs";
    }
    EXPECT_EQ(installed.size(), original.size());
    // What the game reads, in case res/ itself lacked a file.
    for (const char* path : {"shaders/screen.vs", "shaders/screen.fs", "shaders/tile.vs", "shaders/tile.fs",
                             "shaders/toolbar.vs", "shaders/toolbar.fs", "fonts/dos.fnt", "fonts/dos.png",
                             "fonts/kipsynth.ttf", "images/sky.gif", "images/sky.png", "images/menubar.png",
                             "images/playercursor.png", "images/tilesheet.png", "images/tilesheetl1.png",
                             "images/tilesheetl2.png", "images/tilesheetl3.png", "images/tilesheetl4.png",
                             "images/coolworld.png", "models/world.obj", "defaultplayer/player.json",
                             "defaultplayer/player.png"})
        EXPECT_EQ(installed.count(path), 1u) << path;
}

TEST_F(Installed, HasAValidDesktopEntryStartingTheLauncher)
{
    std::string entry = prefix + "/share/applications/vellmoran.desktop";
    ProgramRun check = runprogram({"/usr/bin/desktop-file-validate", entry}, root);
    EXPECT_EQ(check.status, 0) << check.output;
    EXPECT_EQ(check.output, "");
    std::string text = readfile(entry);
    EXPECT_NE(text.find("\nExec=\"" + launcher + "\"\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\nIcon=vellmoran\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\nCategories=Game;"), std::string::npos) << text;
}

TEST_F(Installed, HasIconsOfThePlayersSprite)
{
    Image sprite = LoadImage((RESOURCES + "/defaultplayer/player.png").c_str());
    Color cloak = GetImageColor(sprite, 0, 0);  // the sprite's own cloak colour
    UnloadImage(sprite);
    for (int size : {64, 256}) {
        std::string path = prefix + "/share/icons/hicolor/" + std::to_string(size) + "x" + std::to_string(size) + "/apps/vellmoran.png";
        Image icon = LoadImage(path.c_str());
        ASSERT_NE(icon.data, nullptr) << path;
        EXPECT_EQ(icon.width, size);
        EXPECT_EQ(icon.height, size);
        int cloakpixels = 0;
        for (int y = 0; y < size; y++)
            for (int x = 0; x < size; x++) {
                Color c = GetImageColor(icon, x, y);
                cloakpixels += c.r == cloak.r && c.g == cloak.g && c.b == cloak.b && c.a == 255;
            }
        EXPECT_GT(cloakpixels, size * size / 20) << path;  // the wanderer fills a good part of it
        EXPECT_EQ(GetImageColor(icon, 0, 0).a, 0) << path;  // rounded corners
        UnloadImage(icon);
    }
}

// ---- The launcher -----------------------------------------------------------------------------

// A real run through the X server: the game plays in ~/.local/share/vellmoran, writes its
// files there, and leaves the installed tree and the directory it was started from alone.
TEST_F(Installed, TheLauncherPlaysInThePlayersOwnDirectory)
{
    std::string home = root + "/home", elsewhere = root + "/elsewhere";
    fs::create_directories(home);
    fs::create_directories(elsewhere);
    std::map<std::string, std::string> before = snapshot(prefix);
    PrivateDisplay display;
    Program game = startprogram({launcher}, elsewhere, {"DISPLAY=" + display.name(), "HOME=" + home, "XDG_DATA_HOME"});
    ProgramRun run = quitwithaltf4(display, game);

    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find("be warned that"), std::string::npos) << run.output;
    std::string own = owndirectory(home);
    EXPECT_NE(readfile(own + "/save.cfg").find("gr.internalres="), std::string::npos);
    std::string picture = readfile(own + "/tilemap.bmp");
    ASSERT_EQ(picture.size(), PICTUREBYTES);
    EXPECT_EQ(picture.substr(18, 8), std::string("\0\4\0\0\0\4\0\0", 8));  // 1024 wide, 1024 high
    EXPECT_TRUE(fs::is_symlink(own + "/res"));
    EXPECT_EQ(fs::read_symlink(own + "/res"), fs::canonical(resources));
    EXPECT_TRUE(fs::is_empty(elsewhere));
    EXPECT_TRUE(snapshot(prefix) == before) << "the game wrote into its installed tree";
}

const char MINE[] = "the player's own";  // contents of a file the player put in place of the link

enum class Outcome {
    Linked,   // res is the link to the installed resources, and the game starts
    OwnCopy,  // the player's own res/ is used as it is, and the game starts
    Refused,  // something else is in the way: one line, and the game does not start
};

struct LauncherCase {
    const char* what;
    const char* datahome;  // XDG_DATA_HOME, under the scratch root when it begins with /; nullptr: unset
    const char* own;       // where the game's directory must be, under the scratch root
    void (*prepare)(const std::string& own, const std::string& root);
    Outcome outcome;
};

void PrintTo(const LauncherCase& c, std::ostream* out) { *out << c.what; }

class Launcher : public Installed, public testing::WithParamInterface<LauncherCase> {};

TEST_P(Launcher, SetsUpThePlayersDirectory)
{
    const LauncherCase& c = GetParam();
    std::string home = root + "/home", own = root + "/" + c.own;
    fs::create_directories(home);
    c.prepare(own, root);
    std::string datahome = c.datahome ? (c.datahome[0] == '/' ? root : "") + c.datahome : "";
    ProgramRun run = startwithoutdisplay(launcher, home, root, c.datahome ? datahome.c_str() : nullptr);

    EXPECT_NE(run.status, 0);
    EXPECT_NE(run.status, -1) << run.output;
    EXPECT_EQ(run.output.find(NODISPLAY) != std::string::npos, c.outcome != Outcome::Refused) << run.output;
    switch (c.outcome) {
    case Outcome::Linked:
        EXPECT_TRUE(fs::is_symlink(own + "/res"));
        EXPECT_EQ(fs::read_symlink(own + "/res"), fs::canonical(resources));
        break;
    case Outcome::OwnCopy:
        EXPECT_NE(run.output.find("vellmoran: playing with your own resources in " + own + "/res\n"), std::string::npos)
            << run.output;
        EXPECT_EQ(readfile(own + "/res/images/coolworld.png"), MINE);
        break;
    case Outcome::Refused:
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.output.find("vellmoran: " + own + "/res is in the way"), std::string::npos) << run.output;
        EXPECT_EQ(readfile(own + "/res"), MINE);
        break;
    }
}

void nothing(const std::string&, const std::string&) {}

const char DEFAULTDIR[] = "home/.local/share/vellmoran";

INSTANTIATE_TEST_SUITE_P(
    Directories, Launcher,
    testing::Values(
        LauncherCase{"the first start", nullptr, DEFAULTDIR, nothing, Outcome::Linked},
        LauncherCase{"a data home of the player's choice", "/data", "data/vellmoran", nothing, Outcome::Linked},
        LauncherCase{"a relative data home, which does not count", "relative", DEFAULTDIR, nothing, Outcome::Linked},
        LauncherCase{"a link left by an install elsewhere", nullptr, DEFAULTDIR,
                     [](const std::string& own, const std::string& root) {
                         fs::create_directories(own);
                         fs::create_directory_symlink(root + "/old prefix/share/games/vellmoran/res", own + "/res");
                     },
                     Outcome::Linked},
        LauncherCase{"the player's own copy of res", nullptr, DEFAULTDIR,
                     [](const std::string& own, const std::string&) {
                         fs::create_directories(own + "/res/images");
                         writefile(own + "/res/images/coolworld.png", MINE);
                     },
                     Outcome::OwnCopy},
        LauncherCase{"a file in the way", nullptr, DEFAULTDIR,
                     [](const std::string& own, const std::string&) {
                         fs::create_directories(own);
                         writefile(own + "/res", MINE);
                     },
                     Outcome::Refused}),
    [](const testing::TestParamInfo<LauncherCase>& info) { return "Case" + std::to_string(info.index); });

// Installed for one player under ~/.local, the usual prefix without root: the installed
// resources and the player's own directory are two places.
TEST(HomeInstall, KeepsTheGameApartFromThePlayersFiles)
{
    std::string home = scratchdir() + "/home", prefix = home + "/.local";
    install(prefix);
    ASSERT_FALSE(HasFatalFailure());
    ProgramRun run = startwithoutdisplay(prefix + "/bin/vellmoran", home, home);
    EXPECT_NE(run.output.find(NODISPLAY), std::string::npos) << run.output;
    EXPECT_EQ(run.output.find("your own resources"), std::string::npos) << run.output;
    std::string own = owndirectory(home);
    EXPECT_TRUE(fs::is_symlink(own + "/res"));
    EXPECT_EQ(fs::read_symlink(own + "/res"), fs::canonical(prefix + "/share/games/vellmoran/res"));
}

// ---- The Debian package -----------------------------------------------------------------------

// What dpkg-deb prints for a package and arguments.
std::string dpkgdeb(const std::vector<std::string>& arguments)
{
    std::vector<std::string> argv = {"/usr/bin/dpkg-deb"};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    ProgramRun run = runprogram(argv, "/");
    EXPECT_EQ(run.status, 0) << run.output;
    return run.output;
}

TEST_F(Installed, CPackPackagesTheSameTreeForUsr)
{
    std::string packages = root + "/packages";
    ProgramRun cpack = runprogram({CPACK, "--config", BUILD + "/CPackConfig.cmake", "-G", "DEB", "-B", packages}, root,
                                  {}, INSTALLSECONDS);
    ASSERT_EQ(cpack.status, 0) << cpack.output;
    std::string deb;
    for (const fs::directory_entry& entry : fs::directory_iterator(packages))
        if (entry.path().extension() == ".deb") deb = entry.path().string();
    ASSERT_NE(deb, "") << cpack.output;
    EXPECT_EQ(fs::path(deb).filename().string().rfind("vellmoran_", 0), 0u) << deb;

    EXPECT_EQ(dpkgdeb({"-f", deb, "Package"}), "vellmoran\n");
    EXPECT_EQ(dpkgdeb({"-f", deb, "Section"}), "games\n");
    std::string depends = dpkgdeb({"-f", deb, "Depends"});
    for (const char* library : {"libc6", "libstdc++6", "libx11-6", "libgl1", "libxrandr2", "libxi6", "libxcursor1"})
        EXPECT_NE(depends.find(library), std::string::npos) << library << " is missing from " << depends;

    // The package holds what `cmake --install` puts in a prefix, under /usr.
    std::string unpacked = root + "/unpacked";
    dpkgdeb({"-x", deb, unpacked});
    std::vector<std::string> packaged, installed;
    for (const auto& [path, contents] : filesunder(unpacked + "/usr")) packaged.push_back(path);
    for (const auto& [path, contents] : filesunder(prefix)) installed.push_back(path);
    EXPECT_EQ(packaged, installed);
    EXPECT_NE(readfile(unpacked + "/usr/share/applications/vellmoran.desktop").find("\nExec=\"/usr/bin/vellmoran\"\n"),
              std::string::npos);
    EXPECT_TRUE(executable(unpacked + "/usr/bin/vellmoran"));
    EXPECT_TRUE(executable(unpacked + "/usr/libexec/vellmoran/vellmoran"));
}

}  // namespace
