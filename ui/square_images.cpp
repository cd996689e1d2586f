#include "ui/square_images.h"

#include <FL/Fl_RGB_Image.H>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

// How the images are rendered fast, and why the bytes are those of the plain model.
//
// The model shades each of 4 x 4 sub-samples per pixel by summing 69 light samples. Where every sample
// reaches the surface that sum is linear in the normal: sum of (N . L) e / 69 = N . (sum of L) e / 69, so
// one dot product with the summed light vector replaces 69 of them. Only the soft shadow around a piece
// needs the samples one by one, and there only where a quick bound cannot tell that all or none of them
// pass the piece. The light field (per sub-sample: the diffuse sum before intensity, on the piece or not,
// specular or not) depends on the square size, piece diameter and heights only, so the images that differ
// in colour or intensity alone are painted from one field.
//
// Summing in another order moves a mean by about 1e-13, which changes a byte only when the mean lies that
// close to an integer before the ceiling. Every such pixel is rendered again by the model's own per-sample
// sums in the model's order, so every byte equals the plain model's at every size.

namespace {

constexpr double PI = 3.14159265358979323846;

// Colour rows (red, green, blue): the square, the highlighted square, pieces of side 0, pieces of side 1.
constexpr int ColourRows[4][3] = {{255, 204, 153}, {215, 164, 113}, {163, 80, 29}, {255, 240, 227}};

// Shading parameters chosen by the image's indices.
constexpr double CushionHeight[2] = {-0.2, 0.4};           // by raised: sunken or raised cushion
constexpr double PieceHeight = 0.5;                         // the same whether raised or not
constexpr double LightIntensity[2][2] = {{0.8, 0.8},        // [raised][lit]: a pressed square is not
                                         {0.8, 0.9}};       // brightened by the pointer
constexpr double SpecularBoost = 0.1;                       // added to a piece where it mirrors the light

constexpr int SUB_SAMPLES = 4;  // per pixel and axis
constexpr int PIXEL_SUB_SAMPLES = SUB_SAMPLES * SUB_SAMPLES;
constexpr int MAX_LIGHT_SAMPLES = 81;

// A mean closer than this to an integer is rendered again in the model's order: the fast sums differ
// from the model's by at most about 1e-13 (69 terms of about 1, times a colour of at most 255), far
// below it, and at the sizes of the zoom no mean of the 24 images comes this close to an integer.
constexpr double CEILING_GUARD = 1e-7;
// Slack of the shadow bound against the rounding of the per-sample test (about 1e-15 there).
constexpr double SHADOW_BOUND_SLACK = 1e-9;

struct Vector3 {
    double x, y, z;
};

double dot(const Vector3& a, const Vector3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

bool isUsedSample(int i, int j) { return i * i + j * j <= 24; }

// The used light samples in the model's summing order (i outer, j inner), with what the fast path derives
// from them: their sum, and the spread of the points where their rays from one spot meet a plane above
// it, which bounds the shadow test.
struct LightDisc {
    Vector3 samples[MAX_LIGHT_SAMPLES];
    int count = 0;
    Vector3 sum{0, 0, 0};
    Vector3 centre{0, 0, 0};   // the centre sample, also the direction of the specular test
    double slopeX = 0, slopeY = 0;  // the centre ray's horizontal offset per unit of height
    double slopeSpread = 0;         // the largest distance of another ray's offset per height from it
};

// describeLight() reads lightSamples, which must be built.
LightDisc describeLight() {
    LightDisc light;
    for (int i = -4; i <= 4; ++i)
        for (int j = -4; j <= 4; ++j) {
            if (!isUsedSample(i, j)) continue;
            const double* s = lightSamples[i + 4][j + 4];
            light.samples[light.count++] = {s[0], s[1], s[2]};
            light.sum = {light.sum.x + s[0], light.sum.y + s[1], light.sum.z + s[2]};
        }
    const double* c = lightSamples[4][4];
    light.centre = {c[0], c[1], c[2]};
    light.slopeX = c[0] / c[2];
    light.slopeY = c[1] / c[2];
    for (int s = 0; s < light.count; ++s) {
        const Vector3& l = light.samples[s];
        light.slopeSpread = std::max(light.slopeSpread, std::hypot(l.x / l.z - light.slopeX, l.y / l.z - light.slopeY));
    }
    return light;
}

// Square geometry: one kind of image, before colour and intensity. Sub-sample columns and rows are
// numbered 4x + l and 4y + k; their coordinates are kept per column and per row, computed by the same
// expressions as at each sub-sample, so every value is the same to the last bit.
struct SubSampleAxis {
    double quarter;  // quarter pixels from the image centre (X or Y)
    double square;   // the square's coordinate (u, or v growing upwards)
    double root;     // sqrt(1 - square^2), a factor of the cushion's height and slope
    double piece;    // the piece's coordinate (pu or pv)
};

struct SquareGeometry {
    int n, R;
    double a, f;     // cushion and piece heights
    bool hasPiece;
    std::vector<SubSampleAxis> columns, rows;
};

SquareGeometry describeSquare(int n, double a, bool hasPiece, int R, double f) {
    SquareGeometry g{n, R, a, f, hasPiece, {}, {}};
    // With n and R of different parity the piece is moved half a pixel up and left, so that its disc
    // covers whole pixels.
    const double off = ((n ^ R) & 1) ? 2 : 0;
    for (int index = 0; index < SUB_SAMPLES * n; ++index) {
        const int pixel = index / SUB_SAMPLES, sub = index % SUB_SAMPLES;
        const double quarter = 4.0 * pixel + sub - 2 * n + 0.5;
        const double u = quarter / (2 * n), v = -quarter / (2 * n);
        const double pu = hasPiece ? (quarter + off) / (2 * R) : 0, pv = hasPiece ? -(quarter + off) / (2 * R) : 0;
        g.columns.push_back({quarter, u, std::sqrt(1 - u * u), pu});
        g.rows.push_back({quarter, v, std::sqrt(1 - v * v), pv});
    }
    return g;
}

// The model at one sub-sample, shared by the fast path and the exact one.

// cushionNormal() is the unit normal of h(u, v) = a * sqrt(1 - u^2) * sqrt(1 - v^2); its slope grows
// steeply towards the edges, which gives the square its rim.
Vector3 cushionNormal(double a, const SubSampleAxis& column, const SubSampleAxis& row) {
    const double p = a * column.square * row.root / column.root;
    const double q = a * row.square * column.root / row.root;
    const double length = std::sqrt(1 + p * p + q * q);
    return {p / length, q / length, 1 / length};
}

// rayRise() is the height from the cushion at this sub-sample up to the piece's top.
double rayRise(const SquareGeometry& g, const SubSampleAxis& column, const SubSampleAxis& row) {
    return g.a - g.a * column.root * row.root + g.f;
}

// rayPassesPiece() tells whether the ray towards one light sample passes outside the piece's disc when it
// reaches the height of the piece's top: only then does that sample light the square here.
bool rayPassesPiece(double pu, double pv, double rise, const Vector3& light) {
    const double t = rise / light.z;
    const double du = pu + t * light.x, dv = pv + t * light.y;
    return du * du + dv * dv >= 1;
}

double pieceRadiusSquared(const SubSampleAxis& column, const SubSampleAxis& row) {
    return column.piece * column.piece + row.piece * row.piece;
}

// pieceNormal() is the normal of the half-ellipsoid of height f over the piece's unit disc.
Vector3 pieceNormal(double f, const SubSampleAxis& column, const SubSampleAxis& row, double r2) {
    const double w = std::sqrt(1 - r2);
    const double P = f * column.piece / w, Q = f * row.piece / w;
    const double length = std::sqrt(1 + P * P + Q * Q);
    return {P / length, Q / length, 1 / length};
}

// mirrorsLight() tells whether the piece, with this normal, mirrors the centre of the light towards the
// viewer closely enough for the specular highlight.
bool mirrorsLight(const Vector3& normal, const LightDisc& light) {
    const Vector3 mirror{2 * normal.z * normal.x, 2 * normal.z * normal.y, 2 * normal.z * normal.z - 1};
    return dot(mirror, light.centre) > specularCosine;
}

// The exact path: the model's per-sample sums in the model's order, for the pixels whose byte the fast
// sums cannot settle.

// exactBrightness() sums the diffuse light of every sample that reaches the sub-sample, one by one.
// Negative dot products count as they are: the model has no self-shadowing.
double exactBrightness(const SquareGeometry& g, const LightDisc& light, const SubSampleAxis& column,
                       const SubSampleAxis& row, double e) {
    const double r2 = g.hasPiece ? pieceRadiusSquared(column, row) : 1;
    double sum = 0;
    if (r2 < 1) {
        const Vector3 normal = pieceNormal(g.f, column, row, r2);
        for (int s = 0; s < light.count; ++s) sum += dot(normal, light.samples[s]) * e / light.count;
        return ambientLight + sum + (mirrorsLight(normal, light) ? SpecularBoost : 0);
    }
    const Vector3 normal = cushionNormal(g.a, column, row);
    const double rise = rayRise(g, column, row);
    for (int s = 0; s < light.count; ++s)
        if (!g.hasPiece || rayPassesPiece(column.piece, row.piece, rise, light.samples[s]))
            sum += dot(normal, light.samples[s]) * e / light.count;
    return ambientLight + sum;
}

// What differs between images over the same geometry.
struct Paint {
    const int* back;
    const int* piece;
    double e;
};

// exactPixelSums() sums colour times brightness over the pixel's 16 sub-samples, rows k outer.
void exactPixelSums(const SquareGeometry& g, const LightDisc& light, const Paint& paint, int x, int y,
                    double sums[3]) {
    sums[0] = sums[1] = sums[2] = 0;
    for (int k = 0; k < SUB_SAMPLES; ++k)
        for (int l = 0; l < SUB_SAMPLES; ++l) {
            const SubSampleAxis& column = g.columns[SUB_SAMPLES * x + l];
            const SubSampleAxis& row = g.rows[SUB_SAMPLES * y + k];
            const bool onPiece = g.hasPiece && pieceRadiusSquared(column, row) < 1;
            const int* colour = onPiece ? paint.piece : paint.back;
            const double brightness = exactBrightness(g, light, column, row, paint.e);
            for (int c = 0; c < 3; ++c) sums[c] += colour[c] * brightness;
        }
}

// The fast path.

// What the light does at one sub-sample before intensity and colour: brightness = ambientLight +
// diffuse * e / 69, plus the specular boost where `specular` is set.
struct SubSampleLight {
    double diffuse;
    bool onPiece;
    bool specular;
};

// shadedDiffuse() is the diffuse sum at a cushion sub-sample around the piece. The rays of all samples
// meet the plane of the piece's top within slopeSpread * rise of the centre ray's point; when that circle
// lies wholly outside the piece's disc every sample counts, wholly inside none does. Only in between are
// the samples tested one by one, as the model does.
double shadedDiffuse(const Vector3& normal, double pu, double pv, double rise, const LightDisc& light) {
    const double cu = pu + rise * light.slopeX, cv = pv + rise * light.slopeY;
    const double distance = std::sqrt(cu * cu + cv * cv);
    const double reach = std::abs(rise) * light.slopeSpread + SHADOW_BOUND_SLACK;
    if (distance >= 1 + reach) return dot(normal, light.sum);
    if (distance <= 1 - reach) return 0;
    double diffuse = 0;
    for (int s = 0; s < light.count; ++s)
        if (rayPassesPiece(pu, pv, rise, light.samples[s])) diffuse += dot(normal, light.samples[s]);
    return diffuse;
}

SubSampleLight lightAt(const SquareGeometry& g, const LightDisc& light, const SubSampleAxis& column,
                       const SubSampleAxis& row) {
    const double r2 = g.hasPiece ? pieceRadiusSquared(column, row) : 1;
    if (r2 < 1) {
        const Vector3 normal = pieceNormal(g.f, column, row, r2);
        return {dot(normal, light.sum), true, mirrorsLight(normal, light)};
    }
    const Vector3 normal = cushionNormal(g.a, column, row);
    if (!g.hasPiece) return {dot(normal, light.sum), false, false};
    return {shadedDiffuse(normal, column.piece, row.piece, rayRise(g, column, row), light), false, false};
}

// lightField() holds the light of every sub-sample, pixel by pixel (rows of pixels top to bottom), and
// within a pixel in the model's order (k outer, l inner).
std::vector<SubSampleLight> lightField(const SquareGeometry& g, const LightDisc& light) {
    std::vector<SubSampleLight> field;
    field.reserve(static_cast<size_t>(g.n) * g.n * PIXEL_SUB_SAMPLES);
    for (int y = 0; y < g.n; ++y)
        for (int x = 0; x < g.n; ++x)
            for (int k = 0; k < SUB_SAMPLES; ++k)
                for (int l = 0; l < SUB_SAMPLES; ++l)
                    field.push_back(lightAt(g, light, g.columns[SUB_SAMPLES * x + l], g.rows[SUB_SAMPLES * y + k]));
    return field;
}

// settledByFastSums() tells whether a mean gives the same ceiling however its terms are summed: it is
// above the limit of 255, or not within CEILING_GUARD of an integer.
bool settledByFastSums(double mean) {
    return mean > 255 + CEILING_GUARD || std::abs(mean - std::round(mean)) >= CEILING_GUARD;
}

// storePixel() writes the ceiling of each channel's mean; raised, lit squares exceed 255 and are limited
// to it.
void storePixel(const double sums[3], unsigned char* pixel) {
    for (int c = 0; c < 3; ++c) {
        const double value = std::ceil(sums[c] / PIXEL_SUB_SAMPLES);
        pixel[c] = static_cast<unsigned char>(std::clamp(value, 0.0, 255.0));
    }
}

// paintImage() turns a light field into the n x n RGB bytes of one image: each pixel averages its 16
// sub-samples' colour times brightness, and a pixel that the fast sums cannot settle is summed again
// exactly.
unsigned char* paintImage(const SquareGeometry& g, const LightDisc& light,
                          const std::vector<SubSampleLight>& field, const Paint& paint) {
    unsigned char* pixels = new unsigned char[static_cast<size_t>(g.n) * g.n * 3];
    const double scale = paint.e / light.count;
    const SubSampleLight* sub = field.data();
    for (int y = 0; y < g.n; ++y)
        for (int x = 0; x < g.n; ++x) {
            double sums[3] = {0, 0, 0};
            for (int s = 0; s < PIXEL_SUB_SAMPLES; ++s, ++sub) {
                const double brightness = ambientLight + sub->diffuse * scale + (sub->specular ? SpecularBoost : 0);
                const int* colour = sub->onPiece ? paint.piece : paint.back;
                for (int c = 0; c < 3; ++c) sums[c] += colour[c] * brightness;
            }
            bool settled = true;
            for (int c = 0; c < 3; ++c) settled = settled && settledByFastSums(sums[c] / PIXEL_SUB_SAMPLES);
            if (!settled) exactPixelSums(g, light, paint, x, y, sums);
            storePixel(sums, pixels + 3 * (static_cast<size_t>(y) * g.n + x));
        }
    return pixels;
}

Fl_RGB_Image* renderOne(const SquareGeometry& g, const Paint& paint) {
    const LightDisc light = describeLight();
    unsigned char* pixels = paintImage(g, light, lightField(g, light), paint);
    return new Fl_RGB_Image(pixels, g.n, g.n, 3, 0);
}

}  // namespace

Fl_RGB_Image* squareImages[3][2][2][2];
unsigned char* squareImageBuffers[3][2][2][2];

namespace {
int renderedSize = SQUARE_SIZE;
}  // namespace

extern const double ambientLight = 1 - LightIntensity[0][0] * std::sin(PI / 3);
extern const double specularCosine = std::cos(5 * PI / 64);

double (*lightSamples)[9][3] = nullptr;
int lightSampleCount = 0;

// buildLightSamples() spreads the samples over a disc of angular radius 5 pi / 64 around the direction
// at elevation 60 degrees and azimuth 135 degrees (upper left); step pi / 64 in both angles. Building
// again recounts from 0, so the divisor of the light sum stays the number of samples.
void buildLightSamples() {
    if (!lightSamples) lightSamples = new double[9][9][3];
    lightSampleCount = 0;
    for (int i = -4; i <= 4; ++i)
        for (int j = -4; j <= 4; ++j) {
            if (!isUsedSample(i, j)) continue;
            const double elevation = PI / 3 + j * PI / 64, azimuth = 3 * PI / 4 + i * PI / 64;
            double* sample = lightSamples[i + 4][j + 4];
            sample[0] = std::cos(elevation) * std::cos(azimuth);
            sample[1] = std::cos(elevation) * std::sin(azimuth);
            sample[2] = std::sin(elevation);
            ++lightSampleCount;
        }
}

void releaseLightSamples() {
    delete[] lightSamples;
    lightSamples = nullptr;
}

void renderSquareImages(int n, int R) {
    buildLightSamples();
    buildSquareImages(n, R);
    releaseLightSamples();
}

int squareImageSize() { return renderedSize; }

// renderEmptySquare() shades the bare cushion under all light samples.
Fl_RGB_Image* renderEmptySquare(int n, double a, int backRed, int backGreen, int backBlue, double e) {
    const int back[3] = {backRed, backGreen, backBlue};
    return renderOne(describeSquare(n, a, false, 0, 0), {back, back, e});
}

// renderPieceSquare() puts a piece of diameter R and height f on the cushion. Around the piece a light
// sample counts only if its ray passes outside the piece's disc at the height of the piece's top, which
// casts a soft shadow towards the lower right. On the piece every sample counts, and a small highlight
// is added where the piece mirrors the centre of the light towards the viewer.
Fl_RGB_Image* renderPieceSquare(int n, double a, int backRed, int backGreen, int backBlue, int R, double f,
                                int pieceRed, int pieceGreen, int pieceBlue, double e) {
    const int back[3] = {backRed, backGreen, backBlue};
    const int piece[3] = {pieceRed, pieceGreen, pieceBlue};
    return renderOne(describeSquare(n, a, true, R, f), {back, piece, e});
}

namespace {

// renderScene() paints every image of one geometry, empty or with a piece, sunken or raised, from one
// light field: the highlighted images differ in their background colour only, the pieces of both sides
// in their colour, the lit ones in intensity. The sunken images look the same lit or not (the same
// intensity), so the lit one is a copy.
void renderScene(const SquareGeometry& g, const LightDisc& light, bool piece, int raised,
                 unsigned char* buffers[3][2][2][2]) {
    const std::vector<SubSampleLight> field = lightField(g, light);
    const size_t bytes = static_cast<size_t>(g.n) * g.n * 3;
    for (int content = piece ? 1 : 0; content < (piece ? 3 : 1); ++content)
        for (int highlighted = 0; highlighted < 2; ++highlighted)
            for (int lit = 0; lit < 2; ++lit) {
                const double e = LightIntensity[raised][lit];
                unsigned char*& buffer = buffers[content][raised][highlighted][lit];
                if (lit == 1 && e == LightIntensity[raised][0]) {
                    buffer = new unsigned char[bytes];
                    std::memcpy(buffer, buffers[content][raised][highlighted][0], bytes);
                    continue;
                }
                buffer = paintImage(g, light, field, {ColourRows[highlighted], ColourRows[content + 1], e});
            }
}

}  // namespace

// buildSquareImages() renders all 24 images, one light field per cushion height and per kind (empty or
// with a piece). Images rendered before are freed with their buffers once the new ones are in place.
void buildSquareImages(int n, int R) {
    const LightDisc light = describeLight();
    unsigned char* buffers[3][2][2][2];
    for (int raised = 0; raised < 2; ++raised) {
        const double a = CushionHeight[raised];
        renderScene(describeSquare(n, a, false, R, PieceHeight), light, false, raised, buffers);
        renderScene(describeSquare(n, a, true, R, PieceHeight), light, true, raised, buffers);
    }
    for (int content = 0; content < 3; ++content)
        for (int raised = 0; raised < 2; ++raised)
            for (int highlighted = 0; highlighted < 2; ++highlighted)
                for (int lit = 0; lit < 2; ++lit) {
                    Fl_RGB_Image*& slot = squareImages[content][raised][highlighted][lit];
                    unsigned char*& buffer = squareImageBuffers[content][raised][highlighted][lit];
                    delete slot;
                    delete[] buffer;
                    buffer = buffers[content][raised][highlighted][lit];
                    slot = new Fl_RGB_Image(buffer, n, n, 3, 0);
                }
    renderedSize = n;
}
