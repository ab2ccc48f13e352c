// config: the player's settings and "save.cfg". See config.h.
#include "config.h"

#include "term.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

const char savefile[] = "save.cfg";

// Nothing connects to the item server; its address is only kept in the file.
static const char DEFAULT_ITEMSERVER[] = "localhost:64001";

config::config()
{
    firstlaunch = true;
    healthsleep = false;
    healthbreak = false;
    internalres = true;
    scale = true;
    viewdistance = 1;
    fov = 80;
    resolution = 1;
    itemserver = DEFAULT_ITEMSERVER;
    load();
}

static bool parsebool(const std::string& value) { return value == "true"; }

// strtol's rules: leading spaces and a sign, stops at the first non-digit, no digits give 0.
static long parselong(const std::string& value) { return strtol(value.c_str(), nullptr, 10); }

// The low 16 bits of the number, as a signed value.
static int16_t parseshort(const std::string& value)
{
    return static_cast<int16_t>(static_cast<uint16_t>(parselong(value)));
}

static void readline(config& c, const std::string& line)
{
    if (line.empty() || line[0] == '#') return;
    size_t eq = line.find('=');
    if (eq == std::string::npos) return;
    std::string key = line.substr(0, eq);
    std::string value = line.substr(eq + 1);

    if (key == "health.sleep") c.healthsleep = parsebool(value);
    else if (key == "health.break") c.healthbreak = parsebool(value);
    else if (key == "gr.internalres") c.internalres = parsebool(value);
    else if (key == "gr.crtmode") c.crtmode = parsebool(value);
    else if (key == "gr.distance") c.viewdistance = parseshort(value);
    else if (key == "gr.fov") c.fov = parseshort(value);
    else if (key == "gr.resolution") c.resolution = parseshort(value);
    else if (key == "gr.scale") c.scale = static_cast<int32_t>(static_cast<uint32_t>(parselong(value))) != 0;
    else if (key == "svr.item") c.itemserver = value;
    c.scale = true;
}

void config::load()
{
    FILE* file = fopen(savefile, "r");
    if (!file) return;
    read(file);
    fclose(file);
}

void config::read(FILE* file)
{
    firstlaunch = false;
    char* buffer = nullptr;
    size_t capacity = 0;
    ssize_t length;
    while ((length = getline(&buffer, &capacity, file)) != -1) {
        if (length > 0 && buffer[length - 1] == '\n') length--;
        readline(*this, std::string(buffer, static_cast<size_t>(length)));
    }
    free(buffer);
}

static std::string settingstext(const config& c)
{
    auto boolean = [](bool b) { return b ? "true" : "false"; };
    char numbers[128];
    snprintf(numbers, sizeof numbers, "gr.distance=%d\ngr.fov=%d\ngr.resolution=%d\n",
             c.viewdistance, c.fov, c.resolution);
    std::string text = "# health options\n# sleep warning, auto-close and not allowing to open game\n";
    text += std::string("health.sleep=") + boolean(c.healthsleep) + "\n";
    text += "# break warning, freezes game for 30 minutes every 2 hours\n";
    text += std::string("health.break=") + boolean(c.healthbreak) + "\n";
    text += numbers;
    text += std::string("gr.internalres=") + boolean(c.internalres) + "\n";
    text += std::string("gr.scale=") + (c.scale ? "1" : "0") + "\n";
    text += "svr.item=" + c.itemserver + "\n";
    return text;
}

static void keptwarning(const char* why)
{
    warning("could not save the settings to %s (%s); the previous file is kept", savefile, why);
}

// Writes the whole text to fd and closes it; false when any step failed.
static bool writeall(int fd, const std::string& text)
{
    FILE* file = fdopen(fd, "w");
    if (!file) {
        close(fd);
        return false;
    }
    bool written = fwrite(text.data(), 1, text.size(), file) == text.size() && fflush(file) == 0 &&
                   fsync(fileno(file)) == 0;
    return fclose(file) == 0 && written;
}

// Writes to a temporary file beside save.cfg and renames it over the old one, so that a
// failure half-way never costs the player their settings.
void config::save()
{
    if (access(savefile, F_OK) == 0 && access(savefile, W_OK) != 0) {
        keptwarning(strerror(errno));
        return;
    }
    std::string temporary = std::string(savefile) + ".XXXXXX";
    int fd = mkstemp(&temporary[0]);
    if (fd < 0) {
        keptwarning(strerror(errno));
        return;
    }
    mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
    if (!writeall(fd, settingstext(*this)) || rename(temporary.c_str(), savefile) != 0) {
        int failure = errno;
        unlink(temporary.c_str());
        keptwarning(strerror(failure));
    }
}
