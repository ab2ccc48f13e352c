// scenes: the scene interface and switching, the menu items and pages both scenes show,
// the mouse handling and drawing of menus, and the four option pages both scenes share.
//
// The game has two long-lived scenes, the main menu and the world. `current` points at the
// one the frame loop updates and draws. Any code may ask for a switch by setting
// `nextscene` and `changescene`; the frame loop performs it at a fixed point of the frame.
//
// Menu items are laid out in a design space of 360 x 240 units and scaled when drawn and
// when hit-tested. Each scene keeps a list of pages and the index of the page shown;
// indexes 1 to 4 of both lists are the shared option pages, whose buttons write the new
// index through `p`, so they act on whichever scene is active.
#pragma once

#include <cstdint>
#include <raylib.h>
#include <string>
#include <vector>

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

class menuitem {
public:
    int32_t x, y, w, h;  // design units
    uint8_t ID;
    menuitem(int32_t x, int32_t y, int32_t w, int32_t h, uint8_t ID);
    virtual ~menuitem() = default;
};

// Text centred in its rectangle.
class menutext : public menuitem {
public:
    std::string text;
    menutext(int32_t x, int32_t y, int32_t w, int32_t h, uint8_t ID, std::string text);
};

// A clickable button: its action runs when the left button is released over it.
class menubutton : public menutext {
public:
    bool hover;
    bool down;
    void (*process)();
    menubutton(int32_t x, int32_t y, int32_t w, int32_t h, uint8_t ID, std::string text, void (*process)());
};

// A filled rectangle in the colour `value` points at.
class menucolor : public menuitem {
public:
    Color* value;
    menucolor(int32_t x, int32_t y, int32_t w, int32_t h, uint8_t ID, Color* value);
};

class menupage {
public:
    std::vector<menuitem*> items;  // in drawing order; the page does not own them
    uint8_t ID;
    menupage(std::vector<menuitem*> items, uint8_t ID);
};

extern Color TRUE;   // swatch colour of a setting that is on
extern Color FALSE;  // and off

// The mouse over a page list's shown page: hover and press state, and the action of a
// button the left button is released over.
void menuinput(std::vector<menupage*>& pages, int16_t& index);

void rendermenum();  // the main menu over its sky
void rendermenu();   // the world's pause menu, when one of its pages is open

extern menupage options;
extern menupage graphics;
extern menupage sound;
extern menupage controls;
extern bool vsync;  // the frame-rate cap is on
