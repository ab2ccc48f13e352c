// Walking the world on the real display: speeds, gravity and jumps, liquids, shores and
// bridges, the sky angles, the tile under the player, the cameras and the world's edge.
#include "game/scenes/world/_render.h"
#include "game/scenes/world/_update.h"
#include "globals.h"
#include "harness.h"
#include "term.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <raymath.h>

using namespace harness;

namespace {

const int SIDE = 1024;

void filltiles(uint8_t id) { memset(world.tiles, id, SIDE * SIDE); }

// Every column from `from` on holds id.
void fillcolumns(int from, uint8_t id)
{
    for (int row = 0; row < SIDE; row++) memset(world.tiles + row * SIDE + from, id, SIDE - from);
}

// Puts the player's feet at (x, feet, z), looking level along direction (dx, dz).
void place(float x, float feet, float z, float dx, float dz)
{
    world.camera.position = {x, feet + 1.6f, z};
    world.camera.target = {x + dx, feet + 1.6f, z + dz};
    world.player.x = x;
    world.player.y = feet;
    world.player.z = z;
    world.player.yaw = std::atan2(dz, dx);
    yaccel = 0;
}

// Holds the keys for a number of updates, then lets them go.
void hold(std::initializer_list<int> keys, int updates)
{
    for (int key : keys) keydown(key);
    runupdates(updates);
    for (int key : keys) keyup(key);
    runupdates();
}

float horizontal(Vector3 a, Vector3 b) { return std::hypot(a.x - b.x, a.z - b.z); }

// A world of grass around the player standing at rest at the centre.
class Movement : public ::testing::Test {
protected:
    void SetUp() override
    {
        startgame();
        runframes(3);
        filltiles(1);
        page = -1;
    }
};

TEST(MovementStart, TheFeetSettleOnTheGroundAndRest)
{
    startgame();
    EXPECT_EQ(world.player.y, 0);
    const float heights[] = {0.71f, 1.01f, 1.01f, 1.01f};
    for (float height : heights) {
        runframes();
        EXPECT_NEAR(world.player.y, height, 1e-5);
    }
    EXPECT_EQ(yaccel, 0);
}

TEST_F(Movement, WalkingSprintingAndGoingSideways)
{
    struct {
        std::initializer_list<int> keys;
        float distance;
    } cases[] = {
        {{KEY_W}, 1.0f},
        {{KEY_W, KEY_LEFT_SHIFT}, 11.0f},
        {{KEY_S, KEY_RIGHT_SHIFT}, 11.0f},
        {{KEY_W, KEY_D}, std::sqrt(2.0f)},
        {{KEY_A}, 1.0f},
    };
    for (const auto& c : cases) {
        place(0.5f, 1.01f, -0.5f, 1, 0);
        runframes();
        Vector3 start = world.camera.position;
        for (int key : c.keys) keydown(key);
        runupdates(100);
        for (int key : c.keys) keyup(key);
        EXPECT_NEAR(horizontal(world.camera.position, start), c.distance, c.distance * 1e-3) << c.distance;
        EXPECT_NEAR(world.player.y, 1.01f, 1e-5);
        runupdates();
    }
}

TEST_F(Movement, AtRestTheFeetStayOnTheGround)
{
    for (int i = 0; i < 120; i++) {
        runupdates();
        ASSERT_NEAR(world.player.y, 1.01f, 1e-5) << "update " << i;
        ASSERT_EQ(yaccel, 0) << "update " << i;
    }
}

TEST_F(Movement, AJumpLandsExactlyOnTheGround)
{
    place(0.5f, 1.01f, -0.5f, 1, 0);
    runframes();
    keydown(KEY_SPACE);
    runframes();
    keyup(KEY_SPACE);
    runframes();
    EXPECT_GT(world.player.y, 1.05f);
    float highest = 0;
    int updates = 0;
    while (yaccel != 0 && updates++ < 200) {
        highest = std::max(highest, world.player.y);
        runupdates();
    }
    EXPECT_GT(highest, 1.5f);
    EXPECT_LT(updates, 200) << "never landed";
    EXPECT_FLOAT_EQ(world.player.y, 1.01f);
}

TEST_F(Movement, AirborneTheWalkIsThreeTimesAsFast)
{
    place(0.5f, 1.01f, -0.5f, 1, 0);
    runframes();
    keydown(KEY_SPACE);
    runframes();
    keyup(KEY_SPACE);
    Vector3 before = world.camera.position;
    keydown(KEY_W);
    runframes();
    keyup(KEY_W);
    EXPECT_NEAR(horizontal(world.camera.position, before), 0.03f, 1e-5);
}

TEST_F(Movement, LavaSwallowsTheFeetAndSlowsTheWalk)
{
    fillcolumns(514, 254);  // lava from x = 8 on
    place(6.0f, 1.01f, -2.0f, 1, 0);
    runupdates();
    hold({KEY_W, KEY_LEFT_SHIFT}, 40);
    EXPECT_EQ(currenttile, 254);
    runupdates(100);
    EXPECT_FLOAT_EQ(world.player.y, -0.8f);

    Vector3 before = world.camera.position;
    hold({KEY_W}, 100);
    EXPECT_NEAR(horizontal(world.camera.position, before), 1.0f / 7, 1e-3) << "a seventh of the walk";

    // Back toward the shore, a step away: first up against it, then out.
    place(8.5f, world.player.y, -2.0f, -1, 0);
    runupdates();
    keydown(KEY_W);
    int updates = 0;
    while (world.player.y < 1.0f && updates++ < 200) {
        runupdates();
        ASSERT_NEAR(world.camera.position.x, 8.5f, 1e-4) << "no step toward the shore before rising";
    }
    EXPECT_GE(world.player.y, 1.0f);
    runupdates(400);
    keyup(KEY_W);
    runupdates(50);
    EXPECT_LT(world.camera.position.x, 8.0f);
    EXPECT_EQ(currenttile, 1);
    EXPECT_GE(world.player.y, 1.0f) << "standing on the shore";
    EXPECT_LE(world.player.y, 1.02f);
    EXPECT_EQ(yaccel, 0);
}

TEST_F(Movement, ABridgeIsGroundFromAboveAndWaterFromBelow)
{
    fillcolumns(514, 250);  // a rope bridge from x = 8 on
    place(6.0f, 1.01f, -2.0f, 1, 0);
    runframes();
    hold({KEY_W, KEY_LEFT_SHIFT}, 40);
    EXPECT_EQ(currenttile, 250);
    for (int i = 0; i < 60; i++) {
        runupdates();
        ASSERT_NEAR(world.player.y, 1.01f, 1e-5);
    }

    // Wading in water toward the bridge: under it the player stays in the water.
    fillcolumns(512, 255);
    fillcolumns(514, 250);
    place(7.5f, -0.8f, -2.0f, 1, 0);
    runupdates();
    hold({KEY_W}, 500);
    EXPECT_EQ(currenttile, 250);
    EXPECT_FLOAT_EQ(world.player.y, -0.8f);
}

TEST_F(Movement, TheSkyAnglesFollowTheLookButStopNearTheirLimits)
{
    float before = playerrotx;
    hold({KEY_RIGHT}, 10);
    EXPECT_NEAR(playerrotx - before, 19.0f, 1e-3);
    hold({KEY_DOWN}, 100);
    EXPECT_GT(playerroty, 179.0f);
    EXPECT_LE(playerroty, 179.0f + 0.95f);
    hold({KEY_UP}, 200);
    EXPECT_LT(playerroty, 101.0f);
    EXPECT_GE(playerroty, 101.0f - 0.95f);
}

TEST_F(Movement, TheTileUnderThePlayer)
{
    struct {
        float x, z;
        int column, row;
    } cases[] = {
        {-0.5f, -1, 511, 512}, {0, -1, 512, 512}, {3.9f, -1, 512, 512},
        {1, 0, 512, 512},      {1, 0.5f, 512, 511}, {1, -4, 512, 513},
    };
    for (const auto& c : cases) {
        place(c.x, 1.01f, c.z, 1, 0);
        world.tiles[c.row * SIDE + c.column] = 7;
        runframes();
        EXPECT_EQ(ptx, c.column) << c.x;
        EXPECT_EQ(ptz, c.row) << c.z;
        EXPECT_EQ(currenttile, 7);
        world.tiles[c.row * SIDE + c.column] = 1;
    }
}

TEST_F(Movement, TheProbeAheadIsLoggedWhileItSeesAnotherTile)
{
    fillcolumns(513, 9);  // tundra from x = 4 on
    place(3.0f, 1.01f, -2.0f, 1, 0);
    runupdates();
    level.setvalue(4);
    // The probe reaches a unit beyond each step, so it sees the tundra at every step from
    // x 3 to 3.6, and not once the player stands still.
    std::string output = capturestdout([] { hold({KEY_W}, 60); });
    level.setvalue(1);
    std::string probes, expected;
    for (size_t at = 0; (at = output.find("currenttile ", at)) != std::string::npos; at++)
        probes += output.substr(at, output.find('\n', at) + 1 - at);
    for (int i = 0; i < 60; i++) expected += "currenttile 1 targettile 9\n";
    EXPECT_EQ(probes, expected);
}

TEST_F(Movement, F5LooksFromBehindAndAbove)
{
    place(0.5f, 1.01f, -0.5f, 1, 0);
    tap(KEY_F5);
    EXPECT_TRUE(thirdperson);
    Vector3 expected = Vector3Add(Vector3Subtract(world.camera.position, {6, 0, 0}), {0, 1, 0});
    EXPECT_NEAR(Vector3Distance(world.third.position, expected), 0, 1e-4);
    EXPECT_NEAR(Vector3Distance(world.third.target, world.camera.target), 0, 1e-6);
    tap(KEY_F5);
    EXPECT_FALSE(thirdperson);
}

// Walking, sprinting and jumping into the border from every side: the player stays inside
// the grid (and, in the sanitizer build, nothing outside the tiles is read).
TEST_F(Movement, TheBorderIsImpassable)
{
    struct {
        float x, z, dx, dz;
    } sides[] = {{2040, 0, 1, 0}, {-2040, 0, -1, 0}, {0, 2040, 0, 1}, {0, -2040, 0, -1}, {2040, 2040, 1, 1}};
    for (const auto& side : sides) {
        place(side.x, 1.01f, side.z, side.dx, side.dz);
        keydown(KEY_W);
        keydown(KEY_LEFT_SHIFT);
        for (int i = 0; i < 600; i++) {
            if (i % 50 == 0) keydown(KEY_SPACE);
            if (i % 50 == 1) keyup(KEY_SPACE);
            runupdates();
            ASSERT_LT(std::fabs(world.camera.position.x), 2048.0f);
            ASSERT_LT(std::fabs(world.camera.position.z), 2048.0f);
            ASSERT_GE(ptx, 0);
            ASSERT_LT(ptx, SIDE);
            ASSERT_GE(ptz, 0);
            ASSERT_LT(ptz, SIDE);
        }
        keyup(KEY_W);
        keyup(KEY_LEFT_SHIFT);
        runupdates();
    }
}

// The camera motion the walk relies on, as raylib 6.0 provides it.
TEST(CameraMotion, UpdateCameraProTurnsThenMovesOnTheGround)
{
    Camera3D camera = {{0, 2, 0}, {1, 1, 0}, {0, 1, 0}, 80, CAMERA_PERSPECTIVE};  // looking down at 45 degrees
    UpdateCameraPro(&camera, {0, 0, 0}, {90, 0, 0}, 0);
    Vector3 view = Vector3Subtract(camera.target, camera.position);
    EXPECT_NEAR(view.x, 0, 1e-5);
    EXPECT_NEAR(view.z, 1, 1e-5) << "a positive yaw turns right";

    UpdateCameraPro(&camera, {2, 0, 0}, {0, 0, 0}, 0);
    EXPECT_NEAR(camera.position.z, 2, 1e-5) << "forward along the view, flat on the ground";
    EXPECT_NEAR(camera.position.y, 2, 1e-5);
    UpdateCameraPro(&camera, {0, 3, 0}, {0, 0, 0}, 0);
    EXPECT_NEAR(camera.position.x, -3, 1e-5) << "to the right of a view along +z is -x";
    UpdateCameraPro(&camera, {0, 0, 0.5f}, {0, 0, 0}, 0);
    EXPECT_NEAR(camera.position.y, 2.5f, 1e-5) << "straight up";
    view = Vector3Subtract(camera.target, camera.position);
    EXPECT_NEAR(Vector3Length(view), std::sqrt(2.0f), 1e-5) << "the target moves with the position";

    float before = view.y;
    UpdateCameraPro(&camera, {0, 0, 0}, {0, 10, 0}, 0);
    EXPECT_LT(Vector3Subtract(camera.target, camera.position).y, before) << "a positive pitch looks down";
    UpdateCameraPro(&camera, {0, 0, 0}, {0, 170, 0}, 0);
    view = Vector3Subtract(camera.target, camera.position);
    EXPECT_GT(view.z, 0) << "the view never turns over";
    EXPECT_LT(view.y, 0);
}

}  // namespace
