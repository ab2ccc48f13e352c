// term: the console log.
//
// printf-style functions that write one coloured line each to standard output. Each has a
// fixed verbosity threshold; the single global `level` decides which of them print. This is
// the game's only error channel: failures are logged and the game carries on.
#pragma once

struct ErrorLevel {
    int value;
    constexpr ErrorLevel(int v) : value(v) {}
    void setvalue(int v) { value = v; }
};

// Constant-initialised, so logging works during static construction too.
extern ErrorLevel level;

#if defined(__GNUC__)
#define LOG_FORMAT __attribute__((format(printf, 1, 2)))
#else
#define LOG_FORMAT
#endif

void echo(const char* info, ...) LOG_FORMAT;     // debugging channel, only at exactly 4
void warning(const char* info, ...) LOG_FORMAT;  // yellow, 1 and above
void error(const char* info, ...) LOG_FORMAT;    // bold red, 0 and above
void success(const char* info, ...) LOG_FORMAT;  // green, 2 and above
void message(const char* info, ...) LOG_FORMAT;  // bold white, 3 and above
void fatal(const char* info, ...) LOG_FORMAT;    // bold white on red, always; does not end the game

// The start-up banner.
void startup(const char* game, const char* version);
