// mainmenu: the main menu scene.
//
// An animated sky behind a small menu: "classic" goes back to the world, "options" opens
// the shared option pages and "exit" ends the game. The sky is a GIF whose frames are all
// kept in one image; the shown frame is copied into the texture every sixth update.
#pragma once

#include "scenes.h"

#include <raylib.h>

class mainmenu : public scene {
public:
    void init() override;
    void render() override;
    void update() override;
    void close() override;
    ~mainmenu();
};

extern Image skybg;                          // every frame of the sky, one after another
extern Texture2D skytx;                      // the shown frame
extern int frames;                           // frames in skybg
extern int frame;                            // the shown frame
extern int delay;                            // updates per sky frame
extern int counter;                          // updates since the last frame change
extern unsigned int nextFrameDataOffset;     // byte offset of the shown frame in skybg
extern int16_t pagem;                        // the shown page of memum
extern std::vector<menupage*> memum;         // the main menu's pages
