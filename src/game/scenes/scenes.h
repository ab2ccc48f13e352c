// scenes: the scene interface and switching between the two scenes.
//
// The game has two long-lived scenes, the main menu and the world. `current` points at the
// one the frame loop updates and draws. Any code may ask for a switch by setting
// `nextscene` and `changescene`; the frame loop performs it at a fixed point of the frame.
#pragma once

#include <cstdint>

class scene {
public:
    virtual void init() = 0;    // load the scene's resources, once at start-up
    virtual void render() = 0;  // draw into the off-screen target
    virtual void update() = 0;  // read input and advance one frame
    virtual void close() = 0;   // finish at shutdown, before the window closes
};

extern scene* current;
extern bool changescene;
extern int16_t nextscene;  // 0 main menu, 1 world
extern int16_t* p;         // the page index of the active scene (pagem or page)

// Performs a requested switch; an unknown nextscene leaves the request pending.
void switchscene();
