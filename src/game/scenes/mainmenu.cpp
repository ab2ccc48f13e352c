// mainmenu: the main menu scene. See mainmenu.h.
#include "mainmenu.h"

#include "../../term.h"
#include "../game.h"

Image skybg;
Texture2D skytx;
int frames = 0;
int frame = 0;
int delay = 6;
int counter = 0;
unsigned int nextFrameDataOffset = 0;
int16_t pagem = 0;

static void playclassic()
{
    changescene = true;
    nextscene = 1;
}

static void showoptions() { *p = 1; }
static void exitgame() { quit = true; }

static menubutton classicbutton(120, 100, 110, 40, 0, "classic", playclassic);
static menubutton optionsbutton(20, 180, 190, 40, 1, "options", showoptions);
static menubutton exitbutton(230, 180, 110, 40, 2, "exit", exitgame);
static menupage mainpage({&classicbutton, &optionsbutton, &exitbutton}, 0);

std::vector<menupage*> memum = {&mainpage, &options, &graphics, &sound, &controls};

void mainmenu::init()
{
    frames = 0;
    skybg = LoadImageAnim("res/images/sky.gif", &frames);
    skytx = LoadTextureFromImage(skybg);
}

// The GIF's own frame delays are ignored: the sky moves on every `delay` updates.
static void animatesky()
{
    counter++;
    if (counter < delay) return;
    frame++;
    if (frame >= frames) frame = 0;
    nextFrameDataOffset = static_cast<unsigned int>(frame * skybg.width * skybg.height * 4);
    if (IsTextureValid(skytx) && skybg.data)
        UpdateTexture(skytx, static_cast<unsigned char*>(skybg.data) + nextFrameDataOffset);
    fatal("frame %i", frame);
    counter = 0;
}

void mainmenu::update()
{
    animatesky();
    menuinput(memum, pagem);
}

void mainmenu::render() { rendermenum(); }

// The sky texture goes while the graphics context still exists; the image at exit.
void mainmenu::close() { UnloadTexture(skytx); }

mainmenu::~mainmenu() { UnloadImage(skybg); }
