// term: the console log. See term.h.
#include "term.h"

#include <cstdarg>
#include <cstdio>
#include <string>

ErrorLevel level(1);

// Prints prefix + info + suffix as one format, so that one call writes one whole line.
static void logline(const char* prefix, const char* info, const char* suffix, va_list args)
{
    std::string format = prefix;
    format += info;
    format += suffix;
    vfprintf(stdout, format.c_str(), args);
}

#define RESET "\x1b[0m\n"

// Each log function tests its threshold, then prints its line.
#define LOG_FUNCTION(name, shown, prefix, suffix) \
    void name(const char* info, ...)              \
    {                                             \
        if (!(shown)) return;                     \
        va_list args;                             \
        va_start(args, info);                     \
        logline(prefix, info, suffix, args);      \
        va_end(args);                             \
    }

LOG_FUNCTION(echo, level.value == 4, "", "\n")
LOG_FUNCTION(warning, level.value >= 1, "\x1b[33m", RESET)
LOG_FUNCTION(error, level.value >= 0, "\x1b[1m\x1b[31m", RESET)
LOG_FUNCTION(success, level.value >= 2, "\x1b[32m", RESET)
LOG_FUNCTION(message, level.value >= 3, "\x1b[1m\x1b[37m", RESET)
LOG_FUNCTION(fatal, true, "\x1b[1m\x1b[37m\x1b[41m", RESET)

void startup(const char* game, const char* version)
{
    echo("%s %s", game, version);
    warning("be warned that");
    error("ERRORS MIGHT OCCUR!!!");
    success("but dont worry");
    message("this is not an error");
}
