// game: start-up, the frame step and shutdown, and the frame-wide globals.
//
// Every frame the current scene is updated and drawn into the off-screen target `rndr` at
// the internal resolution (or at window size), which is then stretched over the window
// through the screen shader.
#pragma once

#include <cstdint>
#include <raylib.h>

extern int16_t renderw, renderh;       // internal render size
extern int scale;                      // the configuration's scale flag as 0 or 1
extern float winwidth, winheight;      // window size, read every frame
extern float prevresx, prevresy;       // window size last seen by the target check
extern float relresx, relresy;         // window size at creation over the render size
extern RenderTexture2D rndr;           // the off-screen target every scene draws into
extern Shader shd;                     // the screen shader
extern Color clra;                     // background colour the target is cleared to
extern int16_t col;                    // phase of the background colour cycle
extern bool quit;                      // the player asked to end the game

void init();
void render();  // one frame: the three steps below, unless the player quits
void close();
void updateclra();

void updateframe();   // the scene's update, the target's size, a scene switch, the colour
void drawframe();     // the scene into the off-screen target
void presentframe();  // the target over the window
