// _render: the world scene's draw step, and the world-state globals it shows.
//
// The sky is drawn flat behind everything, scrolled by the view angles; then, in 3D, the
// ground through the tile shader, a marker cube at the origin and the player's sprite;
// then the status bar, the debug text and the pause menu.
#pragma once

#include <cstdint>
#include <raylib.h>
#include <string>

extern int flip;            // the tile shader's flip flag, 0 in every frame
extern float playerrotx;    // every turn summed, degrees: scrolls the sky sideways
extern float playerroty;    // half of every look up or down, held near 101 to 179: scrolls it up and down
extern int texturesupdt;    // updates since the last texture tick
extern float y;             // the texture clock, advanced at every tick
extern bool drawnworld;     // the world is the painted map rather than generated
extern float yaccel;        // vertical speed of the camera, units per update, up positive
extern int16_t ptx, ptz;    // the player's tile column and row
extern uint8_t currenttile; // the id of the player's tile
extern int16_t page;        // the world's open menu page, -1 when closed
extern bool f1;             // the status bar (and with f3 the debug text) is shown
extern bool f3;             // the debug text is shown while the status bar is

const int GROUNDMESHES = 3;  // the ground rings of the ground model, nearest first

// The part of the sky picture, width x height pixels, behind the view: a full turn scrolls
// it one width sideways, one step of playerroty one row up or down.
Rectangle skysource(float width, float height);

// Where the status bar, barheight pixels high, lies in the target: at the foot of the fixed
// 360 x 240 view, or across the whole screenwidth x screenheight window in whole multiples
// of its internal height.
Rectangle bardestination(float barheight, int screenwidth, int screenheight);

// The four lines of the debug text at fps frames per second.
std::string debugtext(int fps);
