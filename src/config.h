// config: the player's settings and the file "save.cfg" that keeps them between runs.
//
// The file is made of key=value lines. `cfg` is filled with defaults and loaded before
// main runs, loaded once more at start-up and written back when the game ends.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

// Constant-initialised: cfg's constructor reads it during static construction.
extern const char savefile[];

class config {
public:
    bool healthsleep;
    bool healthbreak;
    bool internalres;   // draw at the fixed internal resolution rather than at window size
    bool scale;         // always true once loaded
    bool crtmode;       // read from the file, never written back
    int16_t viewdistance;
    int16_t fov;        // vertical field of view of the world camera, degrees
    int16_t resolution;
    std::string itemserver;
    bool firstlaunch;   // no file could be opened yet

    config();
    void load();
    void save();
    void read(FILE* file);  // the lines of an open settings file, as load reads them
};
