#include "ui/square_images.h"

#include <FL/Fl_RGB_Image.H>

#include <algorithm>
#include <cmath>

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

struct Vector3 {
    double x, y, z;
};

double dot(const Vector3& a, const double* b) { return a.x * b[0] + a.y * b[1] + a.z * b[2]; }

bool isUsedSample(int i, int j) { return i * i + j * j <= 24; }

// Position of a sub-sample in quarter pixels from the image centre, x to the right, y downwards.
struct SubSample {
    double X, Y;
};

// What one sub-sample sees: its brightness and the colour of the surface it hits.
struct Shade {
    double brightness;
    const int* colour;
};

double cushionSurfaceHeight(double a, double u, double v) {
    return a * std::sqrt(1 - u * u) * std::sqrt(1 - v * v);
}

// cushionNormal() is the unit normal of h(u, v) = a * sqrt(1 - u^2) * sqrt(1 - v^2); its slope grows
// steeply towards the edges, which gives the square its rim.
Vector3 cushionNormal(double a, double u, double v) {
    const double su = std::sqrt(1 - u * u), sv = std::sqrt(1 - v * v);
    const double p = a * u * sv / su, q = a * v * su / sv;
    const double length = std::sqrt(1 + p * p + q * q);
    return {p / length, q / length, 1 / length};
}

// lightFrom() sums the diffuse light of every used sample that `visible` lets through. Negative dot
// products count as they are: the model has no self-shadowing.
template <class Visible>
double lightFrom(const Vector3& normal, double e, Visible visible) {
    double sum = 0;
    for (int i = -4; i <= 4; ++i)
        for (int j = -4; j <= 4; ++j) {
            if (!isUsedSample(i, j)) continue;
            const double* light = lightSamples[i + 4][j + 4];
            if (visible(light)) sum += dot(normal, light) * e / lightSampleCount;
        }
    return ambientLight + sum;
}

// renderSquare() averages 4 x 4 sub-samples per pixel into a new n x n RGB image. Each byte is the
// ceiling of the mean; raised, lit squares exceed 255 and are limited to it.
template <class Shader>
Fl_RGB_Image* renderSquare(int n, Shader shade) {
    unsigned char* pixels = new unsigned char[n * n * 3];
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            double sum[3] = {0, 0, 0};
            for (int k = 0; k < SUB_SAMPLES; ++k)
                for (int l = 0; l < SUB_SAMPLES; ++l) {
                    const SubSample s{4.0 * x + l - 2 * n + 0.5, 4.0 * y + k - 2 * n + 0.5};
                    const Shade shadeHere = shade(s);
                    for (int c = 0; c < 3; ++c) sum[c] += shadeHere.colour[c] * shadeHere.brightness;
                }
            unsigned char* pixel = pixels + 3 * (y * n + x);
            for (int c = 0; c < 3; ++c) {
                const double value = std::ceil(sum[c] / (SUB_SAMPLES * SUB_SAMPLES));
                pixel[c] = static_cast<unsigned char>(std::clamp(value, 0.0, 255.0));
            }
        }
    return new Fl_RGB_Image(pixels, n, n, 3, 0);
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
    return renderSquare(n, [&](const SubSample& s) {
        const double u = s.X / (2 * n), v = -s.Y / (2 * n);
        const double brightness = lightFrom(cushionNormal(a, u, v), e, [](const double*) { return true; });
        return Shade{brightness, back};
    });
}

// renderPieceSquare() puts a piece of diameter R and height f on the cushion. Around the piece a light
// sample counts only if its ray passes outside the piece's disc at the height of the piece's top, which
// casts a soft shadow towards the lower right. On the piece every sample counts, and a small highlight
// is added where the piece mirrors the centre of the light towards the viewer.
Fl_RGB_Image* renderPieceSquare(int n, double a, int backRed, int backGreen, int backBlue, int R, double f,
                                int pieceRed, int pieceGreen, int pieceBlue, double e) {
    const int back[3] = {backRed, backGreen, backBlue};
    const int piece[3] = {pieceRed, pieceGreen, pieceBlue};
    // With n and R of different parity the piece is moved half a pixel up and left, so that its disc
    // covers whole pixels.
    const double off = ((n ^ R) & 1) ? 2 : 0;
    const double* centreLight = lightSamples[4][4];
    return renderSquare(n, [&](const SubSample& s) {
        const double pu = (s.X + off) / (2 * R), pv = -(s.Y + off) / (2 * R);
        const double r2 = pu * pu + pv * pv;
        if (r2 >= 1) {
            const double u = s.X / (2 * n), v = -s.Y / (2 * n);
            const double rise = a - cushionSurfaceHeight(a, u, v) + f;
            const double brightness = lightFrom(cushionNormal(a, u, v), e, [&](const double* light) {
                const double t = rise / light[2];
                const double du = pu + t * light[0], dv = pv + t * light[1];
                return du * du + dv * dv >= 1;
            });
            return Shade{brightness, back};
        }
        const double w = std::sqrt(1 - r2);
        const double P = f * pu / w, Q = f * pv / w;
        const double length = std::sqrt(1 + P * P + Q * Q);
        const Vector3 normal{P / length, Q / length, 1 / length};
        double brightness = lightFrom(normal, e, [](const double*) { return true; });
        const Vector3 mirror{2 * normal.z * normal.x, 2 * normal.z * normal.y, 2 * normal.z * normal.z - 1};
        if (dot(mirror, centreLight) > specularCosine) brightness += SpecularBoost;
        return Shade{brightness, piece};
    });
}

// buildSquareImages() renders all 24 images, content outermost and lit innermost. Images rendered before
// are freed with their buffers once the new ones are in place.
void buildSquareImages(int n, int R) {
    for (int content = 0; content < 3; ++content)
        for (int raised = 0; raised < 2; ++raised)
            for (int highlighted = 0; highlighted < 2; ++highlighted)
                for (int lit = 0; lit < 2; ++lit) {
                    const double a = CushionHeight[raised], e = LightIntensity[raised][lit];
                    const int* back = ColourRows[highlighted];
                    const int* piece = ColourRows[content + 1];
                    Fl_RGB_Image* image =
                        content == 0 ? renderEmptySquare(n, a, back[0], back[1], back[2], e)
                                     : renderPieceSquare(n, a, back[0], back[1], back[2], R, PieceHeight,
                                                         piece[0], piece[1], piece[2], e);
                    Fl_RGB_Image*& slot = squareImages[content][raised][highlighted][lit];
                    unsigned char*& buffer = squareImageBuffers[content][raised][highlighted][lit];
                    delete slot;
                    delete[] buffer;
                    slot = image;
                    buffer = const_cast<unsigned char*>(image->array);
                }
    renderedSize = n;
}
