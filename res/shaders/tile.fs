#version 330

// Ground: colours every point by the tile under it, the tile's cell of the tile sheet lit by
// the day colour, and fades the distance into a haze of the day colour so that the far plane
// never shows as an edge.
//
// Far away a pixel covers many texels, and then many tiles: sampling one texel or one tile
// there would shimmer as the player moves, so the picture turns smoothly into each cell's
// mean colour, and then into the mean of the cells under the pixel.

in vec3 worldPos;

uniform sampler2D tilemap;    // one texel per tile, the tile id in red
uniform sampler2D tilesheet;  // square cells, `cols` to a row
uniform int cols;
uniform vec2 size;            // tiles per edge of the world
uniform vec3 campos;
uniform vec4 fragColor;       // the day colour; its fourth component is not an opacity
uniform int flip;             // set: cells are drawn upside down

out vec4 finalColor;

const float TILE = 4.0;           // world units per tile edge
const float CENTRE_TILE = 512.0;  // the tile whose north-west corner is the origin
// A cell's mean colour is taken over a grid of this many texels squared: finer where a pixel
// covers one tile, coarser where it covers several and the means of four tiles are blended.
const int CELL_MEAN_SAMPLES = 4, AREA_MEAN_SAMPLES = 2;
// Texels per pixel over which the picture turns into the cell's mean colour, and tiles per
// pixel over which it turns into the mean of the tiles under the pixel.
const float DETAIL_SHARP = 1.0, DETAIL_GONE = 3.0;
const float AREA_START = 0.5, AREA_FULL = 1.5;
// World units from the camera where the haze begins and where it hides the ground, a little
// short of the far plane; at the far plane's distance the hidden ground ends on a circle,
// rather than on the square edge of the outer ring.
const float HAZE_START = 40.0, HAZE_FULL = 950.0, GROUND_END = 1000.0;
// Banks between land and liquid are darker the steeper they are.
const float BANK_SHADE = 0.7, BANK_STEEP = 0.4, BANK_FLAT = 0.95;
// Seen from beneath, the ground is the dark earth it is made of.
const vec3 UNDERSIDE = vec3(0.2, 0.15, 0.1);

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

// Sheet texels per cell edge, and the number of cells to a row. Kept in floats: integer
// division is slow on software renderers.
float cellsize, columns;

vec2 cellorigin(int id)
{
    float row = floor((float(id) + 0.5)/columns);
    return vec2(float(id) - row*columns, row)*cellsize;
}

vec3 cellmean(int id, int samples)
{
    vec2 origin = cellorigin(id);
    float step = cellsize/float(samples);
    vec3 sum = vec3(0.0);
    for (int j = 0; j < samples; j++)
        for (int i = 0; i < samples; i++)
            sum += texelFetch(tilesheet, ivec2(origin + (vec2(i, j) + 0.5)*step), 0).rgb;
    return sum/float(samples*samples);
}

// The cell's own texel, with gradients taken from the continuous world position, so the
// level of detail does not jump where the position within the cell wraps at tile borders,
// and kept half a texel inside the cell so that filtering never reaches into a neighbour.
vec3 celldetail(int id, vec2 xz, vec2 ddx, vec2 ddy)
{
    vec2 within = vec2(fract(xz.x/TILE), 1.0 - fract(xz.y/TILE));  // the cell's top row is north
    if (flip != 0) within.y = 1.0 - within.y;
    vec2 sheet = vec2(textureSize(tilesheet, 0));
    vec2 texel = cellorigin(id) + clamp(within*cellsize, 0.5, cellsize - 0.5);
    float scale = cellsize/TILE;
    return textureGrad(tilesheet, texel/sheet, ddx*scale/sheet, ddy*scale/sheet).rgb;
}

// The mean colour of the tiles under a pixel, from four points of its footprint.
vec3 areamean(vec2 xz, vec2 ddx, vec2 ddy)
{
    vec2 a = 0.25*(ddx + ddy), b = 0.25*(ddx - ddy);
    return 0.25*(cellmean(tileid(tileat(xz + a)), AREA_MEAN_SAMPLES)
               + cellmean(tileid(tileat(xz - a)), AREA_MEAN_SAMPLES)
               + cellmean(tileid(tileat(xz + b)), AREA_MEAN_SAMPLES)
               + cellmean(tileid(tileat(xz - b)), AREA_MEAN_SAMPLES));
}

void main()
{
    // Derivatives first, while every pixel of the quad is still running.
    vec2 ddx = dFdx(worldPos.xz), ddy = dFdy(worldPos.xz);
    vec3 normal = cross(dFdx(worldPos), dFdy(worldPos));
    float upright = abs(normal.y)/max(length(normal), 1e-20);  // 1 on level ground
    float distant = distance(worldPos, campos);
    if (distant > GROUND_END) discard;

    columns = float(max(cols, 1));
    cellsize = floor(float(textureSize(tilesheet, 0).x)/columns);

    float texels = max(length(ddx), length(ddy))*cellsize/TILE;
    float meanweight = smoothstep(DETAIL_SHARP, DETAIL_GONE, texels);
    float areaweight = smoothstep(AREA_START, AREA_FULL, texels/cellsize);
    int id = tileid(tileat(worldPos.xz));
    vec3 colour = vec3(0.0);
    if (meanweight < 1.0) colour = celldetail(id, worldPos.xz, ddx, ddy);
    if (meanweight > 0.0 && areaweight < 1.0) colour = mix(colour, cellmean(id, CELL_MEAN_SAMPLES), meanweight);
    if (areaweight > 0.0) colour = mix(colour, areamean(worldPos.xz, ddx, ddy), areaweight);

    colour *= mix(BANK_SHADE, 1.0, smoothstep(BANK_STEEP, BANK_FLAT, upright));
    if (!gl_FrontFacing) colour = UNDERSIDE;

    // Thickens quickly at first and settles gently into the full haze, which leaves no edge.
    float depth = clamp((distant - HAZE_START)/(HAZE_FULL - HAZE_START), 0.0, 1.0);
    float haze = depth*(2.0 - depth);
    finalColor = vec4(mix(colour*fragColor.rgb, fragColor.rgb, haze), 1.0);
}
