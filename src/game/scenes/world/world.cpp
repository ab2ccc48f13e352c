// world: the world scene's lifecycle and the world-wide objects. See world.h.
#include "world.h"

#include "../../../globals.h"
#include "../../../term.h"
#include "../../io.h"
#include "../../loadcheck.h"
#include "_render.h"
#include "_texturegen.h"
#include "_update.h"

#include <algorithm>
#include <cstring>
#include <rlgl.h>
#include <string>
#include <vector>

Model worldmodel;
Image tilemaptx;
Material tilemat;
Texture2D tilesheet;
float daycol[4] = {0.8f, 0.8f, 0.8f, 0.8f};
char daytime = 2;
float hourcycle = 0;
float worldSizeV[2];
int tilemaploc, sheetloc, modelloc, sizeloc, fragcolorloc, camloc, colsloc, fliploc;
int timeloc, healthloc, staminaloc, manaloc, energyloc, fatigueloc, radioloc, xploc;
Matrix model = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
Material basicmat;
Texture2D tilemapp;
Image sheet;
Image skybox;
Texture skytexture;
Texture playercursor;
Texture toolbar;
Shader toolbarshader;
Font debugfont;
Font menufont;
Camera3D* cameras[2];

// The pause menu's first page. The menu does not stop the world: it goes on moving while
// the page is open.
static void closemenu() { page = -1; }
static void nothing() {}
static void showoptions() { page = 1; }
static void leavetomainmenu()
{
    changescene = true;
    nextscene = 0;
}

static menubutton returnbutton(0, 20, 360, 20, 0, "return", closemenu);
static menubutton savebutton(0, 60, 360, 20, 1, "save", nothing);
static menubutton loadbutton(0, 90, 360, 20, 2, "load", nothing);
static menubutton optionsbutton(0, 140, 360, 20, 1, "options", showoptions);
static menubutton exitbutton(0, 180, 360, 20, 2, "exit", leavetomainmenu);
static menupage pausepage({&returnbutton, &savebutton, &loadbutton, &optionsbutton, &exitbutton}, 0);

std::vector<menupage*> menu = {&pausepage, &options, &graphics, &sound, &controls};

static const int16_t WORLDSIZE = 1024;
static const unsigned char UNBUILT = 255;  // what the grid image holds until the grid is built
static const float NEARPLANE = 0.2f, FARPLANE = 1000.0f;
static const double THIRDPERSONZOOM = 0.6666666666666666;  // third person sees 2/3 of the field of view
static const Vector3 FIRSTPERSONSTART = {0, 1.3f, 0};
static const Vector3 THIRDPERSONSTART = {0, 2, 0};
static const Vector3 STARTTARGET = {8, 0, 8};
static const char TILESHEET[] = "res/images/tilesheet.png";
static const char PALETTESHEET[] = "res/images/tilesheetl4.png";  // its first 256 pixels colour tilemap.bmp
static const char TILEMAPPICTURE[] = "tilemap.bmp";
static const char GROUNDMODEL[] = "res/models/world.obj";
static const int PALETTESIZE = 256;

// An image of size x size bytes of UNBUILT, described as RGBA a quarter as wide: four tiles
// to a pixel, the layout the painted map may come in too.
static Image blankgrid(int size)
{
    Image image = {};
    image.data = MemAlloc(static_cast<unsigned>(size * size));
    memset(image.data, UNBUILT, static_cast<size_t>(size) * size);
    image.width = size / 4;
    image.height = size;
    image.mipmaps = 1;
    image.format = PIXELFORMAT_UNCOMPRESSED_R8G8B8A8;
    return image;
}

map::map()
{
    size = WORLDSIZE;
    tiles = new uint8_t[static_cast<size_t>(size) * size];
    tilemaptx = blankgrid(size);
    mustupdate = true;
    data[0] = data[1] = data[2] = 0;
    stats.health = stats.stamina = stats.mana = stats.energy = stats.fatigue = stats.radioactivity = stats.xp = 1.0f;
}

// Only main memory: the graphics context is gone by the time the program ends.
map::~map()
{
    UnloadImage(sheet);
    UnloadImage(skybox);
    UnloadImage(tilemaptx);
    delete[] tiles;
}

void locatetileuniforms()
{
    Shader shader = tilemat.shader;
    tilemaploc = GetShaderLocation(shader, "tilemap");
    sheetloc = GetShaderLocation(shader, "tilesheet");
    modelloc = GetShaderLocation(shader, "modelmat");
    sizeloc = GetShaderLocation(shader, "size");
    fragcolorloc = GetShaderLocation(shader, "fragColor");
    camloc = GetShaderLocation(shader, "campos");
    colsloc = GetShaderLocation(shader, "cols");
    fliploc = GetShaderLocation(shader, "flip");
}

static void locatetoolbaruniforms()
{
    timeloc = GetShaderLocation(toolbarshader, "time");
    healthloc = GetShaderLocation(toolbarshader, "health");
    staminaloc = GetShaderLocation(toolbarshader, "stamina");
    manaloc = GetShaderLocation(toolbarshader, "mana");
    energyloc = GetShaderLocation(toolbarshader, "energy");
    fatigueloc = GetShaderLocation(toolbarshader, "fatigue");
    radioloc = GetShaderLocation(toolbarshader, "radioactivity");
    xploc = GetShaderLocation(toolbarshader, "xp");
}

// The ground is drawn from the model's first three meshes; a model with fewer draws those
// it has. One that raylib could not read at all has none, and raylib has said why.
static Model loadgroundmodel()
{
    Model model = loadcheckedmodel(GROUNDMODEL);
    if (model.meshCount > 0 && model.meshCount < GROUNDMESHES)
        warning("%s has %d of the ground's %d meshes: only %s drawn", GROUNDMODEL, model.meshCount, GROUNDMESHES,
                model.meshCount == 1 ? "that one is" : "those are");
    return model;
}

static Camera3D perspective(Vector3 position, float fovy)
{
    return {position, STARTTARGET, {0, 1, 0}, fovy, CAMERA_PERSPECTIVE};
}

void map::init()
{
    player.init();
    worldSizeV[0] = worldSizeV[1] = size;
    camera = perspective(FIRSTPERSONSTART, cfg.fov);
    third = perspective(THIRDPERSONSTART, static_cast<float>(cfg.fov * THIRDPERSONZOOM));
    skycolor = WHITE;
    skybox = LoadImage("res/images/sky.png");
    cameras[0] = &camera;
    cameras[1] = &third;
    tilemapp = LoadTextureFromImage(tilemaptx);
    tilemat = LoadMaterialDefault();
    toolbarshader = LoadShader("res/shaders/toolbar.vs", "res/shaders/toolbar.fs");
    playercursor = LoadTexture("res/images/playercursor.png");
    debugfont = loadcheckedfont("res/fonts/kipsynth.ttf");
    toolbar = LoadTexture("res/images/menubar.png");
    rlSetClipPlanes(NEARPLANE, FARPLANE);
    tilesheet = LoadTexture(TILESHEET);
    sheetfile = TILESHEET;
    tilemat.shader = LoadShader("res/shaders/tile.vs", "res/shaders/tile.fs");
    locatetileuniforms();
    locatetoolbaruniforms();
    worldmodel = loadgroundmodel();
    echo("meshcount %i", worldmodel.meshCount);
    echo("materialcount %i", worldmodel.materialCount);
    basicmat = LoadMaterialDefault();
    setupterrainnoise(world);
    sheet = LoadImageFromTexture(tilesheet);
    skytexture = LoadTextureFromImage(skybox);
    updatetextures();
}

// The colours of tilemap.bmp: pixel t of the l4 sheet colours tile id t. A sheet that is
// missing, not RGBA or smaller than 256 pixels still gives a palette, black where it has no
// pixel, and one warning line.
static std::vector<Color> tilepalette(Image& image)
{
    std::vector<Color> palette(PALETTESIZE, BLACK);
    std::string problem;
    if (image.data && image.format != PIXELFORMAT_UNCOMPRESSED_R8G8B8A8) {
        ImageFormat(&image, PIXELFORMAT_UNCOMPRESSED_R8G8B8A8);
        problem = "is not 8-bit RGBA and was converted";
    }
    if (!image.data || image.format != PIXELFORMAT_UNCOMPRESSED_R8G8B8A8) {
        warning("%s cannot be read: %s is black", PALETTESHEET, TILEMAPPICTURE);
        return palette;
    }
    int pixels = image.width * image.height;
    if (pixels < PALETTESIZE) {
        if (!problem.empty()) problem += ", and ";
        problem += TextFormat("has %d pixels: tiles from id %d on are black in %s", pixels, pixels, TILEMAPPICTURE);
    }
    if (!problem.empty()) warning("%s %s", PALETTESHEET, problem.c_str());
    memcpy(palette.data(), image.data, sizeof(Color) * std::min(pixels, PALETTESIZE));
    return palette;
}

static void releasegpu()
{
    UnloadModel(worldmodel);
    UnloadTexture(tilesheet);
    UnloadTexture(tilemapp);
    UnloadTexture(skytexture);
    UnloadTexture(playercursor);
    UnloadTexture(toolbar);
    UnloadMaterial(basicmat);
    UnloadMaterial(tilemat);
    UnloadShader(toolbarshader);
    UnloadFont(debugfont);
    UnloadFont(menufont);
    UnloadTexture(singletex);
}

// Saves the grid as tilemap.bmp in the colours of the l4 sheet, then lets go of the GPU.
void map::close()
{
    size_t count = static_cast<size_t>(size) * size;
    std::vector<unsigned char> picture(count * 3);
    UnloadTexture(tilesheet);
    UnloadImage(sheet);
    tilesheet = LoadTexture(PALETTESHEET);
    sheet = LoadImageFromTexture(tilesheet);
    std::vector<Color> palette = tilepalette(sheet);
    const uint8_t* grid = static_cast<const uint8_t*>(tilemaptx.data);
    for (size_t k = 0; k < count; k++) {
        const Color& colour = palette[grid[k]];
        picture[k * 3] = colour.r;
        picture[k * 3 + 1] = colour.g;
        picture[k * 3 + 2] = colour.b;
    }
    savebmp(TILEMAPPICTURE, picture.data(), size, size);
    releasegpu();
}
