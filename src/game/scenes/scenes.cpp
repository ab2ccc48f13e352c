// scenes: the scene interface and switching. See scenes.h.
#include "scenes.h"

#include "../../globals.h"
#include "mainmenu.h"
#include "world/_render.h"

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
