// world: the world scene, its state and its lifecycle.
#pragma once

#include "../scenes.h"

#include <raylib.h>

class map : public scene {
public:
    void init() override;
    void render() override;
    void update() override;
    void close() override;
};

extern Font menufont;  // loaded by the game's start-up, shared by the menus and the debug text
