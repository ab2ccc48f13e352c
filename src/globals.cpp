// globals: the scene and configuration objects. See globals.h.
#include "globals.h"

map world;
mainmenu menum;
config cfg;
const char NAME[] = "vellmoran";
const char VERSION[] = "0.03g";
