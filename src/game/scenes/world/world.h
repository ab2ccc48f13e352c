// world: the world scene, its state and its lifecycle, and the world-wide objects it loads.
//
// One instance, `world`, lives for the whole run. Its constructor (before main) reads the
// player definition and prepares an empty tile grid; `init` loads every asset once the
// window exists; the first update builds the grid (see _update); `close` saves a picture
// of the grid as "tilemap.bmp" and releases everything on the GPU, before the window
// closes; the destructor frees what lives in main memory.
#pragma once

#include "../entity.h"
#include "../scenes.h"

#include <cstdint>
#include <raylib.h>
#include <vector>

class map : public scene {
public:
    Color skycolor;
    uint8_t* tiles;                  // size x size tile ids, row by row; tile (x, z) is z * size + x
    std::vector<uint8_t> buildings;
    int32_t data[4];
    bool mustupdate;                 // the next update rebuilds the tile grid
    int16_t size;                    // side of the world in tiles
    int16_t world = 0;               // world number, seeds the climate
    bool paused = false;
    std::vector<entity> entities;
    entity player;
    playerstats stats;
    Camera3D camera;                 // first person
    Camera3D third;                  // third person, behind camera

    map();
    ~map();
    void init() override;
    void render() override;
    void update() override;
    void close() override;
    void updatechunks();             // builds the tile grid, see _update
    void move();                     // the player's walk over the grid, see _update
    void followthird();              // the third-person camera, see _update
};

extern Model worldmodel;      // the ground
extern Image tilemaptx;       // the tile grid as an image, one byte per tile once built
extern Material tilemat;      // draws the ground through the tile shader
extern Texture2D tilesheet;   // the tile sheet of the player's altitude
extern float daycol[4];       // the day's light colour
extern char daytime;          // part of the day, 0 to 5
extern float hourcycle;       // progress through the part of the day, 0 to 1
extern float worldSizeV[2];   // the world's side in tiles, for the tile shader
// Uniform locations in the tile shader
extern int tilemaploc, sheetloc, modelloc, sizeloc, fragcolorloc, camloc, colsloc, fliploc;
// Uniform locations in the status-bar shader
extern int timeloc, healthloc, staminaloc, manaloc, energyloc, fatigueloc, radioloc, xploc;
extern Matrix model;          // the ground's transform
extern Material basicmat;
extern Texture2D tilemapp;    // the tile grid on the GPU, one texel per tile
extern Image sheet;           // CPU copy of tilesheet, painted by the animated tiles
extern Image skybox;          // the sky picture
extern Texture skytexture;
extern Texture playercursor;
extern Texture toolbar;       // the status bar
extern Shader toolbarshader;
extern Font debugfont;
extern Font menufont;         // loaded by the game's start-up, shared by the menus and the debug text
extern Camera3D* cameras[2];  // first and third person
extern std::vector<menupage*> menu;  // the pause page, then the shared option pages

// Looks up the tile shader's uniform locations; again whenever the shader is reloaded.
void locatetileuniforms();
