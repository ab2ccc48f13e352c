// Switching scenes: which scene and page each request leads to.
#include "game/scenes/mainmenu.h"
#include "game/scenes/scenes.h"
#include "game/scenes/world/_render.h"
#include "globals.h"

#include <gtest/gtest.h>

namespace {

struct SwitchCase {
    int16_t requested;
    scene* from;
    scene* expected;
    int16_t* expectedpage;
};

TEST(SceneSwitch, RequestsAndWhereTheyLead)
{
    const SwitchCase cases[] = {
        {0, &world, &menum, &pagem},
        {1, &menum, &world, &page},
        {1, &world, &world, &page},  // switching to the active scene still resets the pages
        {0, &menum, &menum, &pagem},
    };
    for (const SwitchCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "nextscene " << c.requested);
        current = c.from;
        pagem = 3;
        page = 2;
        p = nullptr;
        nextscene = c.requested;
        changescene = true;
        switchscene();
        EXPECT_EQ(current, c.expected);
        EXPECT_EQ(pagem, 0);
        EXPECT_EQ(page, -1);
        EXPECT_EQ(p, c.expectedpage);
        EXPECT_FALSE(changescene);
    }
}

TEST(SceneSwitch, AnUnknownSceneStaysPending)
{
    for (int16_t requested : {2, -1, 300}) {
        current = &world;
        page = 2;
        p = &page;
        nextscene = requested;
        changescene = true;
        for (int frame = 0; frame < 3; frame++) switchscene();
        EXPECT_TRUE(changescene);
        EXPECT_EQ(current, &world);
        EXPECT_EQ(page, 2);
    }
}

TEST(SceneSwitch, NothingHappensWithoutARequest)
{
    current = &world;
    nextscene = 0;
    changescene = false;
    switchscene();
    EXPECT_EQ(current, &world);
}

}  // namespace
