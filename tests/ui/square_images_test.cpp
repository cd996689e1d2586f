// The rendered square images: the known pixel values, the piece's coverage, the relations between the
// 24 images that the board relies on, and the light samples.
#include "ui/square_images.h"

#include <FL/Fl_RGB_Image.H>
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <memory>
#include <set>
#include <utility>
#include <vector>

namespace {

constexpr int N = SQUARE_SIZE;
constexpr double PI = 3.14159265358979323846;

const unsigned char* pixelAt(const Fl_RGB_Image* image, int x, int y) {
    return reinterpret_cast<const unsigned char*>(image->array) + 3 * (y * image->w() + x);
}

Fl_RGB_Image* imageAt(int content, int raised, int highlighted, int lit) {
    return squareImages[content][raised][highlighted][lit];
}

bool samePixels(const Fl_RGB_Image* a, const Fl_RGB_Image* b) {
    for (int i = 0; i < N * N * 3; ++i)
        if (a->array[i] != b->array[i]) return false;
    return true;
}

class SquareImagesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (squareImages[0][0][0][0]) return;
        buildLightSamples();
        const auto start = std::chrono::steady_clock::now();
        buildSquareImages();
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        std::printf("rendering the 24 square images took %.1f ms\n", ms);
    }
};

// Pixel values of a few images, each known to one unit: the last bits of sqrt, sin and cos may tip a
// value lying next to an integer across the ceiling.
struct PixelCase {
    int content, raised, highlighted, lit;
    int x, y;
    int red, green, blue;
};

const PixelCase pixelCases[] = {
    {0, 0, 0, 0, 15, 15, 254, 204, 153},   // sunken square, centre
    {0, 0, 0, 0, 0, 0, 215, 172, 129},     // top-left rim turned away from the light
    {0, 0, 0, 0, 30, 30, 255, 219, 165},   // bottom-right rim facing it; red limited to 255
    {0, 0, 0, 0, 30, 0, 244, 196, 147},    // top-right and bottom-left are mirror images
    {0, 0, 0, 0, 0, 30, 244, 196, 147},
    {0, 1, 0, 0, 0, 0, 255, 220, 165},     // raised: the rims swap their light
    {0, 1, 0, 0, 30, 30, 172, 138, 103},
    {0, 1, 0, 1, 15, 15, 255, 221, 166},   // raised and lit
    {1, 0, 0, 0, 15, 15, 161, 79, 29},     // piece of side 0
    {2, 1, 0, 1, 15, 15, 255, 255, 243},   // piece of side 1, raised and lit
};

TEST_F(SquareImagesTest, KnownPixelValues) {
    int offByOne = 0;
    for (const PixelCase& c : pixelCases) {
        SCOPED_TRACE(::testing::Message() << "image [" << c.content << "][" << c.raised << "][" << c.highlighted
                                          << "][" << c.lit << "] pixel (" << c.x << ", " << c.y << ")");
        const unsigned char* p = pixelAt(imageAt(c.content, c.raised, c.highlighted, c.lit), c.x, c.y);
        const int expected[3] = {c.red, c.green, c.blue};
        for (int ch = 0; ch < 3; ++ch) {
            EXPECT_NEAR(p[ch], expected[ch], 1) << "channel " << ch;
            if (p[ch] != expected[ch]) ++offByOne;
        }
    }
    // Only a value that lies next to an integer before the ceiling may come out one off; a systematic
    // difference (another rounding, a shifted sub-sample grid) moves many of them.
    EXPECT_LE(offByOne, 3);
}

TEST_F(SquareImagesTest, EveryImageIsAPackedRgbSquareOverItsOwnBuffer) {
    std::set<const unsigned char*> buffers;
    for (int content = 0; content < 3; ++content)
        for (int raised = 0; raised < 2; ++raised)
            for (int highlighted = 0; highlighted < 2; ++highlighted)
                for (int lit = 0; lit < 2; ++lit) {
                    const Fl_RGB_Image* image = imageAt(content, raised, highlighted, lit);
                    ASSERT_NE(image, nullptr);
                    EXPECT_EQ(image->w(), N);
                    EXPECT_EQ(image->h(), N);
                    EXPECT_EQ(image->d(), 3);
                    EXPECT_EQ(image->ld(), 0);
                    const unsigned char* buffer = squareImageBuffers[content][raised][highlighted][lit];
                    EXPECT_EQ(reinterpret_cast<const unsigned char*>(image->array), buffer);
                    buffers.insert(buffer);
                }
    EXPECT_EQ(buffers.size(), 24u);
}

// The darkest byte of all images, in the blue of side 0's piece in its own shadow: it comes from a mean of
// about 10.2, far from an integer, so it is exact. Negative light terms are summed as they are; dropping
// them would lift it.
TEST_F(SquareImagesTest, DarkestValueIsEleven) {
    int darkest = 255;
    for (int content = 0; content < 3; ++content)
        for (int raised = 0; raised < 2; ++raised)
            for (int highlighted = 0; highlighted < 2; ++highlighted)
                for (int lit = 0; lit < 2; ++lit) {
                    const Fl_RGB_Image* image = imageAt(content, raised, highlighted, lit);
                    for (int i = 0; i < N * N * 3; ++i) darkest = std::min<int>(darkest, image->array[i]);
                }
    EXPECT_EQ(darkest, 11);
}

// A pressed square shows the sunken look without the pointer's brightening; a raised square gets it.
TEST_F(SquareImagesTest, OnlyRaisedImagesAreBrightenedWhenLit) {
    for (int content = 0; content < 3; ++content)
        for (int highlighted = 0; highlighted < 2; ++highlighted) {
            SCOPED_TRACE(::testing::Message() << "content " << content << " highlighted " << highlighted);
            EXPECT_TRUE(samePixels(imageAt(content, 0, highlighted, 0), imageAt(content, 0, highlighted, 1)));
            EXPECT_FALSE(samePixels(imageAt(content, 1, highlighted, 0), imageAt(content, 1, highlighted, 1)));
            const unsigned char* plain = pixelAt(imageAt(content, 1, highlighted, 0), 15, 15);
            const unsigned char* lit = pixelAt(imageAt(content, 1, highlighted, 1), 15, 15);
            for (int c = 0; c < 3; ++c) EXPECT_GE(lit[c], plain[c]);
        }
}

// The parameter sets of the piece images, rendered again with a black and with a white piece: a pixel
// wholly on the piece comes out black, a pixel the piece does not touch comes out the same in both.
struct CoverageRender {
    std::unique_ptr<unsigned char[]> blackPixels, whitePixels;
    std::unique_ptr<Fl_RGB_Image> black, white;
};

CoverageRender renderCoverage(int raised, int highlighted, int lit) {
    const double a = raised ? 0.4 : -0.2, e = raised && lit ? 0.9 : 0.8;
    const int back[2][3] = {{255, 204, 153}, {215, 164, 113}};
    const int* b = back[highlighted];
    CoverageRender r;
    r.black.reset(renderPieceSquare(N, a, b[0], b[1], b[2], PIECE_DIAMETER, 0.5, 0, 0, 0, e));
    r.white.reset(renderPieceSquare(N, a, b[0], b[1], b[2], PIECE_DIAMETER, 0.5, 255, 255, 255, e));
    r.blackPixels.reset(const_cast<unsigned char*>(reinterpret_cast<const unsigned char*>(r.black->array)));
    r.whitePixels.reset(const_cast<unsigned char*>(reinterpret_cast<const unsigned char*>(r.white->array)));
    return r;
}

bool fullyCovered(const CoverageRender& r, int x, int y) {
    const unsigned char* p = pixelAt(r.black.get(), x, y);
    return p[0] == 0 && p[1] == 0 && p[2] == 0;
}

bool untouched(const CoverageRender& r, int x, int y) {
    const unsigned char* b = pixelAt(r.black.get(), x, y);
    const unsigned char* w = pixelAt(r.white.get(), x, y);
    return b[0] == w[0] && b[1] == w[1] && b[2] == w[2];
}

TEST_F(SquareImagesTest, PieceCoversColumnsThreeToTwentySixOfTheMiddleRow) {
    for (int raised = 0; raised < 2; ++raised)
        for (int highlighted = 0; highlighted < 2; ++highlighted)
            for (int lit = 0; lit < 2; ++lit) {
                SCOPED_TRACE(::testing::Message() << "raised " << raised << " highlighted " << highlighted
                                                  << " lit " << lit);
                const CoverageRender r = renderCoverage(raised, highlighted, lit);
                for (int x = 0; x < N; ++x) {
                    if (x >= 3 && x <= 26)
                        EXPECT_TRUE(fullyCovered(r, x, 15)) << "column " << x;
                    else
                        EXPECT_TRUE(untouched(r, x, 15)) << "column " << x;
                }
            }
}

// The piece image is the background image of its kind with the piece drawn in: in the middle row the
// pixels off the piece equal those of the other side's piece image.
TEST_F(SquareImagesTest, PieceImagesOfBothSidesShareTheirBackground) {
    for (int raised = 0; raised < 2; ++raised)
        for (int highlighted = 0; highlighted < 2; ++highlighted)
            for (int lit = 0; lit < 2; ++lit)
                for (int x : {0, 1, 2, 27, 28, 29, 30}) {
                    const unsigned char* one = pixelAt(imageAt(1, raised, highlighted, lit), x, 15);
                    const unsigned char* two = pixelAt(imageAt(2, raised, highlighted, lit), x, 15);
                    for (int c = 0; c < 3; ++c) EXPECT_EQ(one[c], two[c]) << "column " << x;
                }
}

// A highlight changes the background only: every pixel wholly on the piece keeps its value.
TEST_F(SquareImagesTest, HighlightChangesTheBackgroundOnly) {
    for (int content = 1; content < 3; ++content)
        for (int raised = 0; raised < 2; ++raised)
            for (int lit = 0; lit < 2; ++lit) {
                SCOPED_TRACE(::testing::Message() << "content " << content << " raised " << raised << " lit " << lit);
                const CoverageRender r = renderCoverage(raised, 0, lit);
                int covered = 0;
                for (int y = 0; y < N; ++y)
                    for (int x = 0; x < N; ++x) {
                        const unsigned char* plain = pixelAt(imageAt(content, raised, 0, lit), x, y);
                        const unsigned char* marked = pixelAt(imageAt(content, raised, 1, lit), x, y);
                        if (fullyCovered(r, x, y)) {
                            ++covered;
                            for (int c = 0; c < 3; ++c) EXPECT_EQ(plain[c], marked[c]) << x << ", " << y;
                        } else if (untouched(r, x, y)) {
                            EXPECT_GT(plain[2], marked[2]) << x << ", " << y;  // the highlight is darker
                        }
                    }
                EXPECT_GT(covered, 400);  // a disc of diameter 24 covers about 450 pixels
            }
}

// The piece shades the square towards the lower right only: the upper-left corner looks as on an empty
// square, the square right of and below the piece is darker.
TEST_F(SquareImagesTest, ShadowFallsToTheLowerRight) {
    auto brightness = [](const unsigned char* p) { return p[0] + p[1] + p[2]; };
    for (int content = 1; content < 3; ++content)
        for (int raised = 0; raised < 2; ++raised) {
            SCOPED_TRACE(::testing::Message() << "content " << content << " raised " << raised);
            const Fl_RGB_Image* empty = imageAt(0, raised, 0, 0);
            const Fl_RGB_Image* piece = imageAt(content, raised, 0, 0);
            for (auto [x, y] : {std::pair{1, 1}, {4, 4}, {15, 1}, {1, 15}})
                for (int c = 0; c < 3; ++c) EXPECT_EQ(pixelAt(piece, x, y)[c], pixelAt(empty, x, y)[c]);
            for (auto [x, y] : {std::pair{28, 15}, {15, 28}, {25, 25}})
                EXPECT_LT(brightness(pixelAt(piece, x, y)), brightness(pixelAt(empty, x, y))) << x << ", " << y;
        }
}

// Diffuse light alone gives at most ambientLight + e; the specular highlight adds to that on the part of
// the piece that faces the upper left.
TEST_F(SquareImagesTest, SpecularHighlightOnTheUpperLeftOfThePiece) {
    const CoverageRender r = renderCoverage(0, 0, 0);
    const Fl_RGB_Image* image = imageAt(1, 0, 0, 0);
    const double diffuseLimit = std::ceil(163 * (ambientLight + 0.8));
    int highlighted = 0;
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x)
            if (fullyCovered(r, x, y) && pixelAt(image, x, y)[0] > diffuseLimit) {
                ++highlighted;
                EXPECT_LT(x, 15);
                EXPECT_LT(y, 15);
            }
    EXPECT_GT(highlighted, 0);
}

TEST_F(SquareImagesTest, LightSamplesAreUnitVectorsAroundTheUpperLeft) {
    releaseLightSamples();
    EXPECT_EQ(lightSamples, nullptr);
    buildLightSamples();
    ASSERT_NE(lightSamples, nullptr);
    EXPECT_EQ(lightSampleCount, 69);
    for (int i = -4; i <= 4; ++i)
        for (int j = -4; j <= 4; ++j) {
            if (i * i + j * j > 24) continue;
            const double* s = lightSamples[i + 4][j + 4];
            EXPECT_NEAR(s[0] * s[0] + s[1] * s[1] + s[2] * s[2], 1.0, 1e-12);
            EXPECT_LT(s[0], 0);  // from the left
            EXPECT_GT(s[1], 0);  // from above
        }
    const double* centre = lightSamples[4][4];
    EXPECT_DOUBLE_EQ(centre[2], std::sin(PI / 3));
    EXPECT_DOUBLE_EQ(centre[0], -std::cos(PI / 3) * std::sqrt(0.5));
    EXPECT_DOUBLE_EQ(centre[1], std::cos(PI / 3) * std::sqrt(0.5));
    // Elevation grows with j, azimuth with i.
    EXPECT_DOUBLE_EQ(lightSamples[4][8][2], std::sin(PI / 3 + 4 * PI / 64));
    EXPECT_DOUBLE_EQ(lightSamples[8][4][1] / lightSamples[8][4][0], std::tan(3 * PI / 4 + 4 * PI / 64));
}

TEST(SquareImageConstants, AmbientLightAndSpecularCosine) {
    EXPECT_DOUBLE_EQ(ambientLight, 0.3071796769724491);
    EXPECT_DOUBLE_EQ(specularCosine, 0.970031253194544);
}

}  // namespace
