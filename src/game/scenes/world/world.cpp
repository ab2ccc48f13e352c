// world: the world scene's lifecycle. See world.h.
#include "world.h"

Font menufont;

void map::init() {}

void map::close() {}
