#version 330

// Ground: carries the ground rings along with the camera a whole tile at a time, so the
// surface never swims under the player, and sinks liquid tiles below solid ground so that
// a wading player stands in them.

in vec3 vertexPosition;
in vec2 vertexTexCoord;  // x: the share of a liquid's depth this vertex sinks by

uniform mat4 mvp;
uniform mat4 modelmat;
uniform vec3 campos;
uniform sampler2D tilemap;  // one texel per tile, the tile id in red
uniform vec2 size;          // tiles per edge of the world

out vec3 worldPos;

const float TILE = 4.0;           // world units per tile edge
const float CENTRE_TILE = 512.0;  // the tile whose north-west corner is the origin
const int FIRST_LIQUID = 251;
const float LIQUID_DEPTH = 1.0;   // how far liquids lie below solid ground
// A vertex on a tile edge touches the tiles on both sides; probing this far around it finds them.
const float PROBE = 0.01;

// Column grows with x, row toward -z.
ivec2 tileat(vec2 xz)
{
    return ivec2(CENTRE_TILE + floor(xz.x/TILE), CENTRE_TILE - 1.0 - floor(xz.y/TILE));
}

// Beyond the world's edge the edge tiles go on.
int tileid(ivec2 t)
{
    ivec2 last = min(ivec2(size), textureSize(tilemap, 0)) - 1;
    return int(texelFetch(tilemap, clamp(t, ivec2(0), last), 0).r*255.0 + 0.5);
}

void main()
{
    vec2 anchor = floor(campos.xz/TILE)*TILE;
    vec4 world = modelmat*vec4(vertexPosition + vec3(anchor.x, 0.0, anchor.y), 1.0);

    // Every vertex touching a liquid tile sinks, so a liquid tile is level to its edges and
    // the banks lie in the solid tiles around it.
    bool liquid = false;
    for (int i = 0; i < 4; i++)
    {
        vec2 probe = world.xz + PROBE*vec2((i & 1) == 0 ? -1.0 : 1.0, (i & 2) == 0 ? -1.0 : 1.0);
        liquid = liquid || tileid(tileat(probe)) >= FIRST_LIQUID;
    }
    if (liquid) world.y -= LIQUID_DEPTH*vertexTexCoord.x;

    worldPos = world.xyz;
    gl_Position = mvp*world;
}
