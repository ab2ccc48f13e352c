// mainmenu: the main menu scene. See mainmenu.h.
#include "mainmenu.h"

int16_t pagem = 0;

void mainmenu::init() {}

void mainmenu::render() {}

void mainmenu::update() {}

void mainmenu::close() {}
