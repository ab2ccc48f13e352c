// _render: the world scene's draw step. See _render.h.
#include "_render.h"

#include "../../../globals.h"
#include "../../game.h"
#include "_update.h"
#include "world.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <rlgl.h>

int flip = 0;
float playerrotx = 0;
float playerroty = 150;
int texturesupdt = 120;
float y = -0.1f;
bool drawnworld = true;
float yaccel = 0;
int16_t ptx = 0, ptz = 0;
uint8_t currenttile = 0;
int16_t page = -1;
bool f1 = true;
bool f3 = false;

static const float DEGREESHARE = 0.0027777778f;  // one degree as a share of a full turn
static const int SKYSLICEWIDTH = 100;   // the view shows the sky's width over the whole hundreds of render width
static const int SHEETCOLUMNS = 16;     // tiles to a row of the tile sheet
static const Vector3 ORIGIN = {0, 0, 0};   // a white cube marks the world's origin
static const float MARKERSIZE = 1;
static const Rectangle SPRITETEXELS = {0, 0, 1, 2};  // the part of the player's picture shown in the world
static const float SPRITELIFT = 1;                   // the sprite's centre above the feet
static const Vector2 SPRITESIZE = {1, 2};
// The status bar's place in the fixed view, and its height in internal pixels.
static const float VIEWWIDTH = 360, VIEWHEIGHT = 240;
static const int BARROWS = 50;
static const float TEXTSIZE = 17, TEXTSPACING = 2;  // the debug text, before scaling to the window

// DrawMesh binds only a material's own maps, each on the texture unit of its slot, and points
// the shader location of that slot at that unit. SetShaderValueTexture binds nothing until
// the next batch flush, which comes after the ground has been drawn: a sampler set that way
// alone would read last frame's texture, or one deleted since. So the tile map and the
// sheet ride in two slots of the material for the ground's draws, with those slots'
// locations aimed at the tile shader's samplers.
static const int TILEMAPSLOT = MATERIAL_MAP_METALNESS, SHEETSLOT = MATERIAL_MAP_NORMAL;

Rectangle skysource(float width, float height)
{
    float yaw = fmodf(playerrotx, 360);
    if (yaw < 0) yaw += 360;
    float offsetx = static_cast<float>(fmod(DEGREESHARE * width * yaw, width));
    float offsety = static_cast<float>(fmod(playerroty, height));
    if (offsetx < 0) offsetx += width;
    if (offsety < 0) offsety += height;
    int parts = renderw / SKYSLICEWIDTH;
    return {offsetx, offsety, width / static_cast<float>(parts), height * 0.5f};
}

static Rectangle viewarea()
{
    if (cfg.internalres) return {0, 0, renderw * relresx, renderh * relresy};
    return {0, 0, static_cast<float>(GetScreenWidth()), static_cast<float>(GetScreenHeight())};
}

// The sky keeps the default repeat wrapping: a slice reaching past an edge goes on from the
// opposite one.
static void drawsky()
{
    Rectangle source = skysource(static_cast<float>(skytexture.width), static_cast<float>(skytexture.height));
    DrawTexturePro(skytexture, source, viewarea(), {0, 0}, 0, WHITE);
}

static void settileuniforms(Vector3 campos)
{
    Shader shader = tilemat.shader;
    int cols = SHEETCOLUMNS;
    SetShaderValue(shader, fliploc, &flip, SHADER_UNIFORM_INT);
    SetShaderValueTexture(shader, tilemaploc, tilemapp);
    SetShaderValueTexture(shader, sheetloc, tilesheet);
    SetShaderValue(shader, colsloc, &cols, SHADER_UNIFORM_INT);
    SetShaderValue(shader, sizeloc, worldSizeV, SHADER_UNIFORM_VEC2);
    SetShaderValue(shader, camloc, &campos, SHADER_UNIFORM_VEC3);
    SetShaderValueMatrix(shader, modelloc, model);
}

// The textures leave the material again after the draws: its unloading would unload them
// with it, and a texture replaced before the next frame must never be bound.
static void drawground()
{
    if (!tilemat.shader.locs) return;  // raylib draws nothing without them
    tilemat.maps[TILEMAPSLOT].texture = tilemapp;
    tilemat.maps[SHEETSLOT].texture = tilesheet;
    tilemat.shader.locs[SHADER_LOC_MAP_DIFFUSE + TILEMAPSLOT] = tilemaploc;
    tilemat.shader.locs[SHADER_LOC_MAP_DIFFUSE + SHEETSLOT] = sheetloc;
    // A model that failed to load has no meshes at all.
    int meshes = std::min(GROUNDMESHES, worldmodel.meshCount);
    for (int i = 0; i < meshes; i++) DrawMesh(worldmodel.meshes[i], tilemat, model);
    tilemat.maps[TILEMAPSLOT].texture = {};
    tilemat.maps[SHEETSLOT].texture = {};
}

Rectangle bardestination(float barheight, int screenwidth, int screenheight)
{
    if (cfg.internalres) return {0, VIEWHEIGHT - barheight, VIEWWIDTH, barheight};
    int k = screenheight / renderh;
    return {0, static_cast<float>(screenheight - BARROWS * k), static_cast<float>(screenwidth),
            static_cast<float>(BARROWS * k)};
}

// Truncated toward zero, and never "-0": a player at x -0.7 stands at 0.
static std::string whole(float value)
{
    char text[64];
    snprintf(text, sizeof text, "%.0f", truncf(value) + 0.0f);
    return text;
}

std::string debugtext(int fps)
{
    const entity& player = world.player;
    return std::to_string(fps) + " version:" + VERSION + "\nX:" + whole(player.x) + " Y:" + whole(player.y) +
           " Z:" + whole(player.z) + "\ntile:" + std::to_string(currenttile) + " worldx:" + std::to_string(ptx) +
           " worldz:" + std::to_string(ptz) + "\nspeed:" + whole(sped * 60.0f) + "m/s";
}

static void settoolbaruniforms(const playerstats& stats)
{
    const struct {
        int location;
        float value;
    } uniforms[] = {
        {timeloc, static_cast<float>(GetTime())}, {healthloc, stats.health}, {staminaloc, stats.stamina},
        {manaloc, stats.mana}, {energyloc, stats.energy}, {fatigueloc, stats.fatigue},
        {radioloc, stats.radioactivity}, {xploc, stats.xp},
    };
    for (const auto& uniform : uniforms) SetShaderValue(toolbarshader, uniform.location, &uniform.value, SHADER_UNIFORM_FLOAT);
}

// The status bar and the debug text; F1 hides both.
static void drawoverlay(const playerstats& stats)
{
    settoolbaruniforms(stats);
    std::string text = debugtext(GetFPS());
    if (!f1) return;
    BeginShaderMode(toolbarshader);
    Rectangle source = {0, 0, static_cast<float>(toolbar.width), static_cast<float>(toolbar.height)};
    Rectangle destination = bardestination(static_cast<float>(toolbar.height), GetScreenWidth(), GetScreenHeight());
    DrawTexturePro(toolbar, source, destination, {0, 0}, 0, WHITE);
    EndShaderMode();
    if (f3) DrawTextEx(menufont, text.c_str(), {0, 0}, TEXTSIZE * relresx, TEXTSPACING * relresy, WHITE);
}

void map::render()
{
    flip = 0;
    Vector3 campos = camera.position;
    drawsky();

    BeginMode3D(*cameras[thirdperson]);
    rlEnableColorBlend();
    settileuniforms(campos);
    rlDisableBackfaceCulling();
    SetShaderValue(tilemat.shader, fragcolorloc, daycol, SHADER_UNIFORM_VEC4);
    drawground();
    DrawCube(ORIGIN, MARKERSIZE, MARKERSIZE, MARKERSIZE, WHITE);
    Vector3 sprite = {player.x, player.y + SPRITELIFT, player.z};
    DrawBillboardRec(camera, *player.fs[player.frame], SPRITETEXELS, sprite, SPRITESIZE, WHITE);
    EndMode3D();

    drawoverlay(stats);
    rendermenu();
}
