// The square images' shading model rendered the plain way: every sub-sample of every pixel sums its 69
// light samples one by one, with the shadow test per sample. It keeps its own light samples and
// constants, computed from their formulas, and knows nothing of the program's renderer: the tests hold
// the program's images against it, and the benchmark measures the program's renderer beside it.
#pragma once

#include <algorithm>
#include <cmath>
#include <vector>

namespace square_model {

constexpr double PI = 3.14159265358979323846;

// The light: the 69 used samples of the 9 x 9 grid, i outer and j inner, the order of the sums.
struct Light {
    double samples[81][3];
    int count = 0;
    double ambient = 1 - 0.8 * std::sin(PI / 3);
    double specularCosine = std::cos(5 * PI / 64);
    const double* centre = nullptr;  // sample (0, 0)
};

inline Light modelLight() {
    Light light;
    for (int i = -4; i <= 4; ++i)
        for (int j = -4; j <= 4; ++j) {
            if (i * i + j * j > 24) continue;
            const double elevation = PI / 3 + j * PI / 64, azimuth = 3 * PI / 4 + i * PI / 64;
            double* s = light.samples[light.count];
            s[0] = std::cos(elevation) * std::cos(azimuth);
            s[1] = std::cos(elevation) * std::sin(azimuth);
            s[2] = std::sin(elevation);
            if (i == 0 && j == 0) light.centre = s;
            ++light.count;
        }
    return light;
}

// One image's parameters: R 0 for an empty square.
struct Scene {
    int n, R;
    double a, f, e;
    const int* back;
    const int* piece;
};

// An image and, per pixel, how many of its 16 sub-samples fall on the piece.
struct Image {
    std::vector<unsigned char> rgb;
    std::vector<int> pieceSubSamples;
};

inline double dot(const double* a, const double* b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

// shade() is the brightness of one sub-sample at (X, Y) quarter pixels from the centre, and whether it
// falls on the piece.
inline double shade(const Light& light, const Scene& s, double X, double Y, bool& onPiece) {
    const double u = X / (2 * s.n), v = -Y / (2 * s.n);
    const double off = ((s.n ^ s.R) & 1) ? 2 : 0;
    const double pu = s.R ? (X + off) / (2 * s.R) : 0, pv = s.R ? -(Y + off) / (2 * s.R) : 0;
    const double r2 = pu * pu + pv * pv;
    onPiece = s.R && r2 < 1;
    double sum = 0;
    if (onPiece) {
        const double w = std::sqrt(1 - r2);
        const double P = s.f * pu / w, Q = s.f * pv / w;
        const double length = std::sqrt(1 + P * P + Q * Q);
        const double normal[3] = {P / length, Q / length, 1 / length};
        for (int k = 0; k < light.count; ++k) sum += dot(normal, light.samples[k]) * s.e / light.count;
        const double mirror[3] = {2 * normal[2] * normal[0], 2 * normal[2] * normal[1],
                                  2 * normal[2] * normal[2] - 1};
        double brightness = light.ambient + sum;
        if (dot(mirror, light.centre) > light.specularCosine) brightness += 0.1;
        return brightness;
    }
    const double p = s.a * u * std::sqrt(1 - v * v) / std::sqrt(1 - u * u);
    const double q = s.a * v * std::sqrt(1 - u * u) / std::sqrt(1 - v * v);
    const double length = std::sqrt(1 + p * p + q * q);
    const double normal[3] = {p / length, q / length, 1 / length};
    const double h = s.a * std::sqrt(1 - u * u) * std::sqrt(1 - v * v);
    for (int k = 0; k < light.count; ++k) {
        const double* L = light.samples[k];
        if (s.R) {
            const double t = (s.a - h + s.f) / L[2];
            const double du = pu + t * L[0], dv = pv + t * L[1];
            if (du * du + dv * dv < 1) continue;
        }
        sum += dot(normal, L) * s.e / light.count;
    }
    return light.ambient + sum;
}

// pixelSums() sums colour times brightness over the 16 sub-samples of pixel (x, y), rows k outer, and
// returns how many fall on the piece. The byte of a channel is the ceiling of its sum / 16.
inline int pixelSums(const Light& light, const Scene& s, int x, int y, double sums[3]) {
    int onPieceCount = 0;
    sums[0] = sums[1] = sums[2] = 0;
    for (int k = 0; k < 4; ++k)
        for (int l = 0; l < 4; ++l) {
            bool onPiece = false;
            const double brightness = shade(light, s, 4.0 * x + l - 2 * s.n + 0.5, 4.0 * y + k - 2 * s.n + 0.5, onPiece);
            const int* colour = onPiece ? s.piece : s.back;
            for (int c = 0; c < 3; ++c) sums[c] += colour[c] * brightness;
            onPieceCount += onPiece;
        }
    return onPieceCount;
}

inline Image render(const Light& light, const Scene& s) {
    Image image;
    image.rgb.resize(static_cast<size_t>(s.n) * s.n * 3);
    image.pieceSubSamples.resize(static_cast<size_t>(s.n) * s.n);
    for (int y = 0; y < s.n; ++y)
        for (int x = 0; x < s.n; ++x) {
            double sums[3];
            image.pieceSubSamples[y * s.n + x] = pixelSums(light, s, x, y, sums);
            for (int c = 0; c < 3; ++c)
                image.rgb[3 * (y * s.n + x) + c] = static_cast<unsigned char>(std::min(255.0, std::ceil(sums[c] / 16)));
        }
    return image;
}

// The colour rows and the parameters chosen by an image's indices.
constexpr int ColourRows[4][3] = {{255, 204, 153}, {215, 164, 113}, {163, 80, 29}, {255, 240, 227}};

inline Scene sceneOf(int n, int R, int content, int raised, int highlighted, int lit) {
    return {n, content ? R : 0, raised ? 0.4 : -0.2, 0.5, raised && lit ? 0.9 : 0.8, ColourRows[highlighted],
            ColourRows[content + 1]};
}

}  // namespace square_model
