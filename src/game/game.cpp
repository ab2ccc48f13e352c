// game: start-up, the frame step and shutdown. See game.h.
#include "game.h"

#include "../globals.h"
#include "../term.h"
#include "loadcheck.h"
#include "scenes/mainmenu.h"
#include "scenes/world/_render.h"
#include "scenes/world/world.h"

#include <cstdio>
#include <cstdlib>
#include <rlgl.h>

int16_t renderw = 360, renderh = 240;
int scale;
float winwidth, winheight;
float prevresx, prevresy;
float relresx, relresy;
RenderTexture2D rndr;
Shader shd;
Color clra = {255, 0, 0, 255};
int16_t col = 1;
bool quit;

static const int START_WIDTH = 380;
static const int START_HEIGHT = 240;

// raylib only logs a failed window; everything that touches the graphics context after
// that would crash, so the game stops here with one line that says why.
static void requirewindow()
{
    if (IsWindowReady()) return;
    error("no window could be opened: %s needs an X display with OpenGL 3.3 (is DISPLAY set?)", NAME);
    fflush(stdout);
    exit(EXIT_FAILURE);
}

// raylib gives a shader without a program when a file of the pair does not compile, and
// nothing is presented through it; the default shader presents the target unchanged.
static Shader loadscreenshader()
{
    Shader shader = LoadShader("res/shaders/screen.vs", "res/shaders/screen.fs");
    if (shader.id != 0) return shader;
    UnloadShader(shader);
    return {rlGetShaderIdDefault(), rlGetShaderLocsDefault()};
}

void init()
{
    p = &page;
    pagem = 0;
    page = -1;
    startup(NAME, VERSION);
    cfg.load();
    SetConfigFlags(FLAG_WINDOW_RESIZABLE);
    InitWindow(START_WIDTH, START_HEIGHT, NAME);
    requirewindow();
    SetTargetFPS(GetMonitorRefreshRate(GetCurrentMonitor()));
    winwidth = GetScreenWidth();
    winheight = GetScreenHeight();
    scale = cfg.scale ? 1 : 0;
    renderw = static_cast<int16_t>(renderw * scale);
    renderh = static_cast<int16_t>(renderh * scale);
    prevresx = winwidth;
    prevresy = winheight;
    relresx = winwidth / renderw;
    relresy = winheight / renderh;
    menum.init();
    world.init();
    error("gl version: %i", rlGetVersion());
    shd = loadscreenshader();
    SetExitKey(KEY_NULL);
    rndr = LoadRenderTexture(renderw, renderh);
    menufont = loadcheckedfont("res/fonts/dos.fnt");
    SetTextureFilter(menufont.texture, TEXTURE_FILTER_POINT);
}

// The target follows the window in window-resolution mode and whenever the mode changes.
static void checktarget(bool previnternal)
{
    bool resized = prevresx != winwidth || (!cfg.internalres && prevresy != winheight);
    if (!resized && cfg.internalres == previnternal) return;
    UnloadRenderTexture(rndr);
    if (cfg.internalres) rndr = LoadRenderTexture(renderw, renderh);
    else rndr = LoadRenderTexture(static_cast<int>(winwidth), static_cast<int>(winheight));
    prevresx = winwidth;
    prevresy = winheight;
}

// Update: the scene's step, then everything that must follow it before drawing.
void updateframe()
{
    bool previnternal = cfg.internalres;
    current->update();
    SetTraceLogLevel(LOG_ERROR);
    checktarget(previnternal);
    switchscene();
    updateclra();
}

void drawframe()
{
    BeginTextureMode(rndr);
    ClearBackground(clra);
    current->render();
    EndTextureMode();
}

// The target stretched over the whole window, flipped the right way up.
void presentframe()
{
    BeginDrawing();
    BeginShaderMode(shd);
    Rectangle source = {0, 0, static_cast<float>(rndr.texture.width), -static_cast<float>(rndr.texture.height)};
    Rectangle window = {0, 0, static_cast<float>(GetScreenWidth()), static_cast<float>(GetScreenHeight())};
    DrawTexturePro(rndr.texture, source, window, {0, 0}, 0, WHITE);
    EndShaderMode();
    EndDrawing();
}

void render()
{
    winwidth = GetScreenWidth();
    winheight = GetScreenHeight();
    if (IsKeyDown(KEY_LEFT_ALT) && IsKeyDown(KEY_F4)) {
        quit = true;
        return;
    }
    updateframe();
    drawframe();
    presentframe();
}

void close()
{
    world.close();
    menum.close();
    CloseWindow();
    cfg.save();
}

// One step of the colour cycle: the rising channel climbs while the falling one drops;
// when the rising channel is full the cycle moves on to the next pair.
void updateclra()
{
    unsigned char* channels[] = {&clra.r, &clra.g, &clra.b};
    if (col < 0 || col > 2) return;
    unsigned char& rising = *channels[col];
    unsigned char& falling = *channels[(col + 2) % 3];
    if (rising == 255) {
        falling = 0;
        col = static_cast<int16_t>((col + 1) % 3);
        return;
    }
    rising++;
    if (falling > 0) falling--;
}
