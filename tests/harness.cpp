// The test harness. See harness.h.
#include "harness.h"

#include "game/game.h"
#include "game/scenes/scenes.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <stdexcept>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace harness {

const std::string REPO = VELLMORAN_REPO;
const std::string RESOURCES = REPO + "/res";
const std::string TESTDATA = REPO + "/tests/data";

// raylib 6.0 keeps its automation event types private; these are their values.
enum {
    EVENT_KEY_UP = 1,
    EVENT_KEY_DOWN = 2,
    EVENT_MOUSE_BUTTON_UP = 5,
    EVENT_MOUSE_BUTTON_DOWN = 6,
    EVENT_MOUSE_POSITION = 7,
};

static void play(unsigned type, int a, int b = 0)
{
    AutomationEvent event = {};
    event.type = type;
    event.params[0] = a;
    event.params[1] = b;
    PlayAutomationEvent(event);
}

std::string scratchdir()
{
    char name[] = "/tmp/vellmoran-test-XXXXXX";
    if (!mkdtemp(name)) throw std::runtime_error("mkdtemp failed");
    if (chdir(name) != 0) throw std::runtime_error("chdir failed");
    return name;
}

std::string fixtureresources(const std::vector<std::pair<std::string, std::string>>& links)
{
    char name[] = "/tmp/vellmoran-res-XXXXXX";
    if (!mkdtemp(name)) throw std::runtime_error("mkdtemp failed");
    for (const auto& [path, shown] : links) {
        std::filesystem::path link = std::filesystem::path(name) / path;
        std::filesystem::create_directories(link.parent_path());
        if (symlink(shown.c_str(), link.c_str()) != 0)
            throw std::runtime_error("cannot link " + link.string());
    }
    return name;
}

void startgame(const std::string& resdir, const std::string& savecfg)
{
    static bool started = false;
    if (started) throw std::logic_error("one game per process: run window tests through ctest");
    started = true;
    scratchdir();
    if (symlink(resdir.c_str(), "res") != 0) throw std::runtime_error("cannot link res");
    if (!savecfg.empty()) writefile("save.cfg", savecfg);
    init();
}

void runframes(int count)
{
    for (int i = 0; i < count; i++) render();
}

void runupdates(int count)
{
    for (int i = 0; i < count; i++) {
        current->update();
        PollInputEvents();
    }
}

void keydown(int key) { play(EVENT_KEY_DOWN, key); }
void keyup(int key) { play(EVENT_KEY_UP, key); }

void tap(int key)
{
    keydown(key);
    runframes();
    keyup(key);
    runframes();
}

void mousemove(int x, int y) { play(EVENT_MOUSE_POSITION, x, y); }
void mousedown(int button) { play(EVENT_MOUSE_BUTTON_DOWN, button); }
void mouseup(int button) { play(EVENT_MOUSE_BUTTON_UP, button); }

void click(int x, int y)
{
    mousemove(x, y);
    mousedown();
    runframes();
    mouseup();
    runframes();
}

Image target()
{
    Image image = LoadImageFromTexture(rndr.texture);
    ImageFlipVertical(&image);  // render textures read back bottom row first
    return image;
}

Color targetpixel(int x, int y)
{
    Image image = target();
    Color colour = GetImageColor(image, x, y);
    UnloadImage(image);
    return colour;
}

// What fn writes to the file descriptor fd (a standard stream, flushed through stream).
static std::string capture(int fd, FILE* stream, const std::function<void()>& fn)
{
    fflush(stream);
    FILE* capture = tmpfile();
    int saved = dup(fd);
    dup2(fileno(capture), fd);
    fn();
    fflush(stream);
    dup2(saved, fd);
    close(saved);
    std::string text;
    rewind(capture);
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, capture)) > 0) text.append(buffer, n);
    fclose(capture);
    return text;
}

std::string capturestdout(const std::function<void()>& fn) { return capture(STDOUT_FILENO, stdout, fn); }
std::string capturestderr(const std::function<void()>& fn) { return capture(STDERR_FILENO, stderr, fn); }

std::string savedsettings(bool internalres)
{
    return std::string("# health options\n# sleep warning, auto-close and not allowing to open game\n"
                       "health.sleep=false\n"
                       "# break warning, freezes game for 30 minutes every 2 hours\n"
                       "health.break=false\n"
                       "gr.distance=1\n"
                       "gr.fov=80\n"
                       "gr.resolution=1\n"
                       "gr.internalres=") +
           (internalres ? "true" : "false") +
           "\n"
           "gr.scale=1\n"
           "svr.item=localhost:64001\n";
}

Program startprogram(const std::vector<std::string>& argv, const std::string& cwd,
                     const std::vector<std::string>& environment)
{
    char outname[] = "/tmp/vellmoran-output-XXXXXX";
    int out = mkstemp(outname);
    unlink(outname);
    pid_t pid = fork();
    if (pid == 0) {
        dup2(out, STDOUT_FILENO);
        dup2(out, STDERR_FILENO);
        if (chdir(cwd.c_str()) != 0) _exit(127);
        // The graphics driver unloads itself when the window closes, and what it still holds
        // then cannot be traced to any code; leaks are checked in the in-process tests.
        setenv("ASAN_OPTIONS", "detect_leaks=0", 1);
        for (const std::string& setting : environment) {
            size_t eq = setting.find('=');
            if (eq == std::string::npos) unsetenv(setting.c_str());
            else setenv(setting.substr(0, eq).c_str(), setting.substr(eq + 1).c_str(), 1);
        }
        std::vector<char*> args;
        for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        execv(args[0], args.data());
        _exit(127);
    }
    return {pid, out};
}

ProgramRun waitprogram(Program program, int timeoutseconds)
{
    ProgramRun run = {-1, ""};
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeoutseconds);
    int status = 0;
    while (waitpid(program.pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(program.pid, SIGKILL);
            waitpid(program.pid, nullptr, 0);
            status = -1;  // not a normal exit
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    if (status != -1 && WIFEXITED(status)) run.status = WEXITSTATUS(status);
    lseek(program.output, 0, SEEK_SET);
    char buffer[4096];
    ssize_t n;
    while ((n = read(program.output, buffer, sizeof buffer)) > 0) run.output.append(buffer, static_cast<size_t>(n));
    close(program.output);
    return run;
}

ProgramRun runprogram(const std::vector<std::string>& argv, const std::string& cwd,
                      const std::vector<std::string>& environment, int timeoutseconds)
{
    return waitprogram(startprogram(argv, cwd, environment), timeoutseconds);
}

PrivateDisplay::PrivateDisplay()
{
    // Xvfb picks a free display number and writes it to the pipe once it accepts clients.
    // Without -noreset it resets whenever its last client leaves, and a client connecting
    // during the reset is turned away.
    int ready[2];
    if (pipe(ready) != 0) throw std::runtime_error("pipe failed");
    server = fork();
    if (server == 0) {
        close(ready[0]);
        int devnull = open("/dev/null", O_WRONLY);
        dup2(devnull, STDOUT_FILENO);
        dup2(devnull, STDERR_FILENO);
        std::string fd = std::to_string(ready[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1920x1080x24", "-nolisten", "tcp",
               "-noreset", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(ready[1]);
    // The number arrives in pieces; closing the pipe before its line ends kills the server.
    std::string number;
    char c;
    while (read(ready[0], &c, 1) == 1 && c != '\n') number += c;
    close(ready[0]);
    if (number.empty()) throw std::runtime_error("Xvfb did not start");
    display = ":" + number;
}

PrivateDisplay::~PrivateDisplay()
{
    kill(server, SIGTERM);
    waitpid(server, nullptr, 0);
}

static const char XDOTOOL[] = "/usr/bin/xdotool";

std::string findwindow(const PrivateDisplay& display, pid_t pid)
{
    ProgramRun search = runprogram({XDOTOOL, "search", "--sync", "--onlyvisible", "--pid", std::to_string(pid)}, "/",
                                   {"DISPLAY=" + display.name()}, 30);
    return search.status == 0 ? search.output.substr(0, search.output.find('\n')) : "";
}

ProgramRun quitwithaltf4(const PrivateDisplay& display, Program program, int timeoutseconds)
{
    const std::string xdotool = XDOTOOL;
    const std::vector<std::string> environment = {"DISPLAY=" + display.name()};
    std::string window = findwindow(display, program.pid);
    if (window.empty()) {
        ProgramRun run = waitprogram(program, 0);
        run.output += "\n(the window never appeared)";
        return run;
    }
    // The keys are held until the program has ended: while it is still loading, a press and
    // a release would arrive in one poll of the input and never be seen.
    runprogram({xdotool, "windowfocus", "--sync", window, "keydown", "Alt_L", "sleep", "0.2", "keydown", "F4"}, "/",
               environment);
    ProgramRun run = waitprogram(program, timeoutseconds);
    runprogram({xdotool, "keyup", "F4", "keyup", "Alt_L"}, "/", environment);
    return run;
}

std::string readfile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void writefile(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
}

}  // namespace harness
