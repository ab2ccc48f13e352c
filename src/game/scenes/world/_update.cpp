// _update: the world scene's update step. See _update.h.
#include "_update.h"

#include "world.h"

void map::update() {}
