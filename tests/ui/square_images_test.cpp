// The rendered square images: the known pixel values, the piece's coverage, the relations between the
// 24 images that the board relies on, and the light samples.
#include "ui/square_images.h"

#include <FL/Fl_RGB_Image.H>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "tests/ui/square_images_model.h"

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

// The program renders fast (summed light, shared light fields); the model rendered the plain way, one
// light sample at a time (square_images_model.h), must give the same bytes.
const square_model::Light modelLight = square_model::modelLight();

square_model::Image modelImage(int n, int R, int content, int raised, int highlighted, int lit) {
    return square_model::render(modelLight, square_model::sceneOf(n, R, content, raised, highlighted, lit));
}

// largestDifference() is the largest difference of a byte between an image and the model's, and counts
// the bytes that differ at all.
int largestDifference(const Fl_RGB_Image* image, const square_model::Image& model, int& differing) {
    const unsigned char* bytes = reinterpret_cast<const unsigned char*>(image->array);
    int largest = 0;
    differing = 0;
    for (size_t i = 0; i < model.rgb.size(); ++i) {
        const int difference = std::abs(bytes[i] - model.rgb[i]);
        largest = std::max(largest, difference);
        differing += difference != 0;
    }
    return largest;
}

TEST_F(SquareImagesTest, EveryImageIsTheModelsByteForByte) {
    for (int content = 0; content < 3; ++content)
        for (int raised = 0; raised < 2; ++raised)
            for (int highlighted = 0; highlighted < 2; ++highlighted)
                for (int lit = 0; lit < 2; ++lit) {
                    const square_model::Image model =
                        modelImage(N, PIECE_DIAMETER, content, raised, highlighted, lit);
                    int differing = 0;
                    const int largest = largestDifference(imageAt(content, raised, highlighted, lit), model, differing);
                    EXPECT_EQ(differing, 0) << "image [" << content << "][" << raised << "][" << highlighted << "]["
                                            << lit << "], largest difference " << largest;
                }
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

// The renderer sums in another order than the model, which moves a mean in its last bits; only a mean
// within rounding of an integer can then come out one off, and such a pixel is summed again the model's
// way. A mean is put on that edge by its intensity: the model's mean is linear in e, so the e at which it
// meets the integer above today's value follows from the means at e = 0 and e = 1. Around that e, one
// step of the last bit moves the mean by about 1e-14, less than the two orders of summing differ by, so
// a few steps each way cross the integer where they disagree. The pixels: on the piece in its
// highlight and off it, in the piece's half shadow, on an empty cushion.
struct EdgeCase {
    bool piece;
    double a;
    int x, y, channel;
};

const EdgeCase edgeCases[] = {
    {true, -0.2, 10, 11, 0}, {true, 0.4, 11, 10, 1}, {true, 0.4, 5, 15, 2},  {true, -0.2, 15, 20, 1},
    {true, -0.2, 27, 22, 2}, {true, 0.4, 26, 26, 0}, {true, 0.4, 24, 27, 1}, {false, 0.4, 0, 0, 1},
    {false, -0.2, 20, 9, 2}, {false, 0.4, 30, 15, 0},
};

// intensityOnTheEdge() is the e at which the model's mean of the case's channel is an integer.
double intensityOnTheEdge(const EdgeCase& c, square_model::Scene scene) {
    double dark[3], bright[3];
    scene.e = 0;
    square_model::pixelSums(modelLight, scene, c.x, c.y, dark);
    scene.e = 1;
    square_model::pixelSums(modelLight, scene, c.x, c.y, bright);
    const double m0 = dark[c.channel] / 16, slope = bright[c.channel] / 16 - m0;
    EXPECT_GT(slope, 1) << "a pixel that the light reaches";
    return (std::ceil(m0 + slope * 0.8) - m0) / slope;
}

TEST(SquareImageEdges, AMeanOnAnIntegerComesOutAsTheModels) {
    if (!lightSamples) buildLightSamples();
    const int* back = square_model::ColourRows[0];
    const int* piece = square_model::ColourRows[2];
    constexpr int STEPS = 8;  // last-bit steps of e each way
    for (const EdgeCase& c : edgeCases) {
        square_model::Scene scene{N, c.piece ? PIECE_DIAMETER : 0, c.a, 0.5, 0, back, piece};
        const double edge = intensityOnTheEdge(c, scene);
        scene.e = edge;
        for (int step = 0; step < STEPS; ++step) scene.e = std::nextafter(scene.e, 0.0);
        for (int step = -STEPS; step <= STEPS; ++step, scene.e = std::nextafter(scene.e, 1.0)) {
            const std::unique_ptr<Fl_RGB_Image> image(
                c.piece ? renderPieceSquare(N, c.a, back[0], back[1], back[2], PIECE_DIAMETER, 0.5, piece[0], piece[1],
                                            piece[2], scene.e)
                        : renderEmptySquare(N, c.a, back[0], back[1], back[2], scene.e));
            const std::unique_ptr<const unsigned char[]> pixels(reinterpret_cast<const unsigned char*>(image->array));
            double sums[3];
            square_model::pixelSums(modelLight, scene, c.x, c.y, sums);
            const unsigned char* p = pixelAt(image.get(), c.x, c.y);
            for (int ch = 0; ch < 3; ++ch)
                EXPECT_EQ(p[ch], std::min(255.0, std::ceil(sums[ch] / 16)))
                    << "pixel (" << c.x << ", " << c.y << ") channel " << ch << " at e = " << scene.e;
        }
    }
}

// Other square sizes and piece diameters, of equal and different parity (the piece moves half a pixel
// for the latter): the 24 images that buildSquareImages() renders must follow the model to one unit, and
// the piece must cover the same pixels.
struct SizeCase {
    int n, R;
    bool everyImage;  // otherwise one image of each light field and intensity, where the model is slow
};

const SizeCase sizeCases[] = {{39, 30, true}, {47, 37, true}, {62, 48, true}, {124, 96, false}};

// One image of each kind the renderer shares work between: empty or with a piece, sunken (lit a copy),
// raised, raised and lit; [content][raised][highlighted][lit].
const int oneOfEachShading[][4] = {{0, 0, 1, 1}, {0, 1, 0, 0}, {0, 1, 1, 1}, {1, 0, 0, 1}, {2, 1, 1, 0}, {1, 1, 0, 1}};

// ImagesAtSize renders the 24 images at another size for one test and puts the images of the default
// size back afterwards, for the tests that follow in the same process.
struct ImagesAtSize {
    ImagesAtSize(int n, int R) {
        if (!lightSamples) buildLightSamples();
        buildSquareImages(n, R);
    }
    ~ImagesAtSize() { buildSquareImages(); }
};

class SquareImagesAtSize : public ::testing::TestWithParam<SizeCase> {};

void expectCloseToModel(const SizeCase& size, int content, int raised, int highlighted, int lit) {
    SCOPED_TRACE(::testing::Message() << "image [" << content << "][" << raised << "][" << highlighted << "]["
                                      << lit << "]");
    const Fl_RGB_Image* image = imageAt(content, raised, highlighted, lit);
    ASSERT_EQ(image->w(), size.n);
    ASSERT_EQ(image->h(), size.n);
    int differing = 0;
    const int largest =
        largestDifference(image, modelImage(size.n, size.R, content, raised, highlighted, lit), differing);
    EXPECT_LE(largest, 1) << differing << " bytes differ";
}

TEST_P(SquareImagesAtSize, ImagesFollowTheModelToOneUnit) {
    const SizeCase size = GetParam();
    const ImagesAtSize images(size.n, size.R);
    EXPECT_EQ(squareImageSize(), size.n);
    if (!size.everyImage) {
        for (const int* i : oneOfEachShading) expectCloseToModel(size, i[0], i[1], i[2], i[3]);
        return;
    }
    for (int content = 0; content < 3; ++content)
        for (int raised = 0; raised < 2; ++raised)
            for (int highlighted = 0; highlighted < 2; ++highlighted)
                for (int lit = 0; lit < 2; ++lit) expectCloseToModel(size, content, raised, highlighted, lit);
}

// A pixel is wholly on the piece when a black piece makes it black, untouched when a black and a white
// piece give the same bytes, and partly covered otherwise; the model counts its sub-samples on the piece.
// Without directed light (intensity 0) every sub-sample gets the ambient light at least, so a white piece
// raises each byte of a pixel it touches by 255 * ambientLight / 16 (about 5) or more over a black one,
// and the grey background keeps every byte far below the limit of 255.
TEST_P(SquareImagesAtSize, PieceCoversTheModelsPixels) {
    const SizeCase size = GetParam();
    if (!lightSamples) buildLightSamples();
    const int grey[3] = {100, 100, 100}, black[3] = {0, 0, 0};
    const std::unique_ptr<Fl_RGB_Image> onBlack(renderPieceSquare(size.n, 0.4, 100, 100, 100, size.R, 0.5, 0, 0, 0, 0));
    const std::unique_ptr<Fl_RGB_Image> onWhite(
        renderPieceSquare(size.n, 0.4, 100, 100, 100, size.R, 0.5, 255, 255, 255, 0));
    const std::unique_ptr<const unsigned char[]> blackPixels(reinterpret_cast<const unsigned char*>(onBlack->array));
    const std::unique_ptr<const unsigned char[]> whitePixels(reinterpret_cast<const unsigned char*>(onWhite->array));
    const square_model::Image model = square_model::render(modelLight, {size.n, size.R, 0.4, 0.5, 0, grey, black});
    int whole = 0, partly = 0;
    for (int y = 0; y < size.n; ++y)
        for (int x = 0; x < size.n; ++x) {
            const unsigned char* b = blackPixels.get() + 3 * (y * size.n + x);
            const unsigned char* w = whitePixels.get() + 3 * (y * size.n + x);
            const bool isWhole = b[0] == 0 && b[1] == 0 && b[2] == 0;
            const bool isUntouched = b[0] == w[0] && b[1] == w[1] && b[2] == w[2];
            const int covered = model.pieceSubSamples[y * size.n + x];
            EXPECT_EQ(isWhole, covered == 16) << x << ", " << y;
            EXPECT_EQ(isUntouched, covered == 0) << x << ", " << y;
            whole += covered == 16;
            partly += covered > 0 && covered < 16;
        }
    // A disc of diameter R covers about pi R^2 / 4 pixels.
    EXPECT_NEAR(whole + partly / 2.0, PI * size.R * size.R / 4, size.R);
}

INSTANTIATE_TEST_SUITE_P(Sizes, SquareImagesAtSize, ::testing::ValuesIn(sizeCases),
                         [](const ::testing::TestParamInfo<SizeCase>& info) {
                             return std::to_string(info.param.n) + "_" + std::to_string(info.param.R);
                         });

TEST(SquareImageConstants, AmbientLightAndSpecularCosine) {
    EXPECT_DOUBLE_EQ(ambientLight, 0.3071796769724491);
    EXPECT_DOUBLE_EQ(specularCosine, 0.970031253194544);
}

}  // namespace
