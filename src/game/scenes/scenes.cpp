// scenes: scene switching, menu items and pages, menu input and drawing, and the option
// pages. See scenes.h.
#include "scenes.h"

#include "../../globals.h"
#include "../../term.h"
#include "../game.h"
#include "mainmenu.h"
#include "world/_render.h"

//----------------------------------------------------------------------------------------
// Scene switching
//----------------------------------------------------------------------------------------

scene* current = &world;
bool changescene = false;
int16_t nextscene = 0;
int16_t* p = &page;

// Entering a scene always shows the main menu's first page and the world without its menu.
static void enter(scene* next, int16_t* pageindex)
{
    pagem = 0;
    page = -1;
    p = pageindex;
    changescene = false;
    current = next;
}

void switchscene()
{
    if (!changescene) return;
    if (nextscene == 0) enter(&menum, &pagem);
    else if (nextscene == 1) enter(&world, &page);
}

//----------------------------------------------------------------------------------------
// Items and pages
//----------------------------------------------------------------------------------------

menuitem::menuitem(int32_t x, int32_t y, int32_t w, int32_t h, uint8_t ID) : x(x), y(y), w(w), h(h), ID(ID) {}

menutext::menutext(int32_t x, int32_t y, int32_t w, int32_t h, uint8_t ID, std::string text)
    : menuitem(x, y, w, h, ID), text(std::move(text))
{
}

menubutton::menubutton(int32_t x, int32_t y, int32_t w, int32_t h, uint8_t ID, std::string text, void (*process)())
    : menutext(x, y, w, h, ID, std::move(text)), hover(false), down(false), process(process)
{
}

menucolor::menucolor(int32_t x, int32_t y, int32_t w, int32_t h, uint8_t ID, Color* value)
    : menuitem(x, y, w, h, ID), value(value)
{
}

menupage::menupage(std::vector<menuitem*> items, uint8_t ID) : items(std::move(items)), ID(ID) {}

Color TRUE = {0, 255, 0, 100};
Color FALSE = {255, 0, 0, 100};

//----------------------------------------------------------------------------------------
// Menu input
//----------------------------------------------------------------------------------------

// The button's hit rectangle is its design rectangle scaled by the window's shape at start.
static bool inside(const menuitem& item, int mx, int my)
{
    int x = static_cast<int>(item.x * relresx), w = static_cast<int>(item.w * relresx);
    int y = static_cast<int>(item.y * relresy), h = static_cast<int>(item.h * relresy);
    return x < mx && mx < x + w && y < my && my < y + h;
}

void menuinput(std::vector<menupage*>& pages, int16_t& index)
{
    int16_t pagebefore = index;
    float scalex, scaley;
    if (cfg.internalres) {
        scalex = GetScreenWidth() / static_cast<float>(renderw);
        scaley = GetScreenHeight() / static_cast<float>(renderh);
    } else {
        scalex = GetScreenWidth() / 360.0f;
        scaley = GetScreenHeight() / 240.0f;
    }
    int mx = static_cast<int>(GetMouseX() / scalex);
    int my = static_cast<int>(GetMouseY() / scaley);

    if (index < 0 || static_cast<size_t>(index) >= pages.size()) return;
    for (menuitem* item : pages[index]->items) {
        menubutton* button = dynamic_cast<menubutton*>(item);
        if (!button) continue;
        if (inside(*button, mx, my)) {
            if (IsMouseButtonReleased(MOUSE_BUTTON_LEFT)) button->process();
            button->down = IsMouseButtonDown(MOUSE_BUTTON_LEFT);
            button->hover = !button->down;
        } else {
            button->hover = false;
            button->down = false;
        }
        if (index != pagebefore) return;  // the action opened another page
    }
}

//----------------------------------------------------------------------------------------
// Menu drawing
//----------------------------------------------------------------------------------------

// How one of the two menus shows its items.
struct menulook {
    float sx, sy;             // design units to target pixels
    Color button[3];          // button rectangle when idle, hovered, pressed
    Color label[3];           // button label when idle, hovered, pressed
    Vector2 (*place)(const menulook&, int x, int y, int w, int h, size_t length);
    float fontsize, spacing;
};

enum { IDLE, HOVERED, PRESSED };
static const Color OTHER_ITEM = {50, 50, 0, 100};
static const Color PRESSED_BUTTON = {180, 150, 150, 100};

// The main menu's labels are bigger on its first page; each character is taken to be as
// wide as the font size, so the centring is approximate.
static int mainsize() { return pagem == 0 ? 24 : 17; }

static Vector2 mainlabel(const menulook& look, int x, int y, int w, int h, size_t length)
{
    int k = pagem == 0 ? 24 : 15;
    return {x + w / 2 - length * look.sx * mainsize() / 2, y + h / 2 - k * look.sy / 2};
}

static Vector2 worldlabel(const menulook& look, int x, int y, int w, int h, size_t length)
{
    return {x + w / 2 - 8.5f * look.sx * length, y + h / 2 - 7.5f * look.sy};
}

static void drawlabel(const menulook& look, const menutext& item, Rectangle r, Color tint)
{
    int x = static_cast<int>(r.x), y = static_cast<int>(r.y), w = static_cast<int>(r.width), h = static_cast<int>(r.height);
    Vector2 position = look.place(look, x, y, w, h, item.text.size());
    echo("textPos %f %f", position.x, position.y);
    echo("x %i y %i w %i h %i", x, y, w, h);
    DrawTextEx(menufont, item.text.c_str(), position, look.fontsize, look.spacing, tint);
}

static void drawpage(const menulook& look, const menupage& page)
{
    for (const menuitem* item : page.items) {
        int x = static_cast<int>(item->x * look.sx), w = static_cast<int>(item->w * look.sx);
        int y = static_cast<int>(item->y * look.sy), h = static_cast<int>(item->h * look.sy);
        Rectangle r = {static_cast<float>(x), static_cast<float>(y), static_cast<float>(w), static_cast<float>(h)};
        if (const menubutton* button = dynamic_cast<const menubutton*>(item)) {
            int state = button->down ? PRESSED : button->hover ? HOVERED : IDLE;
            DrawRectangle(x, y, w, h, look.button[state]);
            drawlabel(look, *button, r, look.label[state]);
        } else if (const menutext* text = dynamic_cast<const menutext*>(item)) {
            drawlabel(look, *text, r, WHITE);
        } else if (const menucolor* swatch = dynamic_cast<const menucolor*>(item)) {
            DrawRectangle(x, y, w, h, *swatch->value);
        } else {
            DrawRectangle(x, y, w, h, OTHER_ITEM);
        }
    }
}

// Window-resolution mode draws in design units scaled to the window.
static void menuscale(float& sx, float& sy)
{
    if (cfg.internalres) {
        sx = relresx;
        sy = relresy;
    } else {
        sx = GetScreenWidth() / 360.0f;
        sy = GetScreenHeight() / 240.0f;
    }
}

void rendermenum()
{
    menulook look = {};
    menuscale(look.sx, look.sy);
    Rectangle source = {0, 0, static_cast<float>(skybg.width), static_cast<float>(skybg.height)};
    Rectangle area = {0, 0, look.sx * renderw, look.sy * renderh};
    DrawTexturePro(skytx, source, area, {0, 0}, 0, WHITE);

    // In the main menu a button's rectangle shows only while it is pressed.
    look.button[IDLE] = {50, 50, 0, 0};
    look.button[HOVERED] = {100, 100, 0, 0};
    look.button[PRESSED] = PRESSED_BUTTON;
    look.label[IDLE] = {255, 150, 0, 255};
    look.label[HOVERED] = {255, 150, 100, 255};
    look.label[PRESSED] = WHITE;
    look.place = mainlabel;
    look.fontsize = look.sx * mainsize();
    look.spacing = 3 * look.sx;
    if (pagem >= 0 && static_cast<size_t>(pagem) < memum.size()) drawpage(look, *memum[pagem]);
}

// The pause menu lies over the world on a translucent blue layer; its labels are always
// white and of one size, and the rectangles show the state.
void rendermenu()
{
    if (page == -1) return;
    menulook look = {};
    menuscale(look.sx, look.sy);
    static const Color LAYER = {0, 60, 180, 100};
    if (cfg.internalres)
        DrawRectangle(0, 0, static_cast<int>(renderw * relresx), static_cast<int>(renderh * relresy), LAYER);
    else
        DrawRectangle(0, 0, GetScreenWidth(), GetScreenHeight(), LAYER);
    look.button[IDLE] = {50, 50, 0, 100};
    look.button[HOVERED] = {100, 100, 0, 100};
    look.button[PRESSED] = PRESSED_BUTTON;
    look.label[IDLE] = look.label[HOVERED] = look.label[PRESSED] = WHITE;
    look.place = worldlabel;
    look.fontsize = 17 * look.sx;
    look.spacing = 2 * look.sy;
    if (page >= 0 && static_cast<size_t>(page) < menu.size()) drawpage(look, *menu[page]);
}

//----------------------------------------------------------------------------------------
// Option pages
//----------------------------------------------------------------------------------------

bool vsync = true;

static void nothing() {}
static void showfirstpage() { *p = 0; }
static void showoptions() { *p = 1; }
static void showgraphics() { *p = 2; }
static void showsound() { *p = 3; }
static void showcontrols() { *p = 4; }

// The toggles' swatches, by their place in the graphics page.
static void showstate(size_t swatch, bool on)
{
    static_cast<menucolor*>(graphics.items[swatch])->value = on ? &TRUE : &FALSE;
}

static void toggleinternalres()
{
    cfg.internalres = !cfg.internalres;
    showstate(0, cfg.internalres);
}

static void togglevsync()
{
    SetTargetFPS(vsync ? 100000 : GetMonitorRefreshRate(GetCurrentMonitor()));
    vsync = !vsync;
    showstate(2, vsync);
}

static void togglefullscreen()
{
    ToggleFullscreen();
    showstate(4, IsWindowFullscreen());
}

static menubutton graphicsbutton(0, 40, 360, 20, 1, "graphics", showgraphics);
static menubutton soundbutton(0, 70, 360, 20, 2, "sound", showsound);
static menubutton controlsbutton(0, 100, 360, 20, 1, "controls", showcontrols);
static menubutton optionsback(0, 180, 360, 20, 2, "back", showfirstpage);
menupage options({&graphicsbutton, &soundbutton, &controlsbutton, &optionsback}, 1);

static menucolor internalresstate(0, 0, 360, 20, 0, &TRUE);
static menubutton internalresbutton(0, 0, 360, 20, 1, "internal res", toggleinternalres);
static menucolor vsyncstate(0, 20, 360, 20, 0, &TRUE);
static menubutton vsyncbutton(0, 20, 360, 20, 1, "vsync", togglevsync);
static menucolor fullscreenstate(0, 40, 360, 20, 0, &FALSE);
static menubutton fullscreenbutton(0, 40, 360, 20, 1, "fullscreen", togglefullscreen);
static menutext reslabel(0, 70, 140, 20, 2, "res");
static menubutton smallerres(100, 70, 16, 20, 3, "<", nothing);
static menutext resvalue(120, 70, 180, 20, 4, "360x240");
static menubutton largerres(310, 70, 16, 20, 4, ">", nothing);
static menubutton graphicsback(0, 100, 360, 20, 1, "back", showoptions);
menupage graphics({&internalresstate, &internalresbutton, &vsyncstate, &vsyncbutton, &fullscreenstate,
                   &fullscreenbutton, &reslabel, &smallerres, &resvalue, &largerres, &graphicsback},
                  2);

static menubutton musicbutton(0, 40, 360, 20, 1, "music", nothing);
static menubutton sfxbutton(0, 70, 360, 20, 2, "sfx", nothing);
static menubutton soundback(0, 100, 360, 20, 1, "back", showoptions);
menupage sound({&musicbutton, &sfxbutton, &soundback}, 3);

static menubutton controlsback(0, 40, 360, 20, 1, "back", showoptions);
menupage controls({&controlsback}, 4);
