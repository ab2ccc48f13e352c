// mainmenu: the main menu scene.
#pragma once

#include "scenes.h"

class mainmenu : public scene {
public:
    void init() override;
    void render() override;
    void update() override;
    void close() override;
};

extern int16_t pagem;  // the main menu's shown page
