// The 24 pre-rendered 31 x 31 images of a board square. A small shading model draws the square as a
// cushion (raised when clickable, sunken otherwise) with an optional piece, a flattened half-ellipsoid,
// lit by an area light of 69 directional samples from the upper left. They are rendered once at start-up
// and shared by every square, which shows one of them at a time as its label image.
#pragma once

class Fl_RGB_Image;

constexpr int SQUARE_SIZE = 31;       // pixels of one board square and of its images
constexpr int PIECE_DIAMETER = 24;     // pixels

// squareImages[content][raised][highlighted][lit]: content 0 empty, 1 piece of side 0, 2 piece of side 1;
// the other three indices are 0 or 1 with the meanings of the square button's fields of the same names.
// RGB, 3 bytes per pixel, rows top to bottom, packed. The images do not own their pixel buffers, which
// are kept in squareImageBuffers; both live until the process ends.
extern Fl_RGB_Image* squareImages[3][2][2][2];
extern unsigned char* squareImageBuffers[3][2][2][2];

// Constant brightness added to every sub-sample: with light intensity 0.8, a flat surface facing the
// viewer comes out at about 1.
extern const double ambientLight;
// Cosine of the angular radius of the light disc; the specular test compares against it.
extern const double specularCosine;

// lightSamples[i + 4][j + 4] for i, j = -4..4: unit vectors towards the light (x right, y up, z towards
// the viewer). Only the 69 entries with i*i + j*j <= 24 are filled and used. Held only while the images
// are being rendered; nullptr otherwise.
extern double (*lightSamples)[9][3];
extern int lightSampleCount;

// Building, in this order at start-up
void buildLightSamples();
// buildSquareImages() renders the 24 images with squares of n pixels and pieces of diameter R, replacing
// (and freeing) any images rendered before: every widget that shows one must be given a new image before
// it is drawn again. The light samples must be built.
void buildSquareImages(int n = SQUARE_SIZE, int R = PIECE_DIAMETER);
void releaseLightSamples();

// renderSquareImages() is the start-up order above: the light samples are built, the 24 images
// rendered under them at size n and piece diameter R, and the samples freed again.
void renderSquareImages(int n = SQUARE_SIZE, int R = PIECE_DIAMETER);

// squareImageSize() is the size n in pixels of the images rendered last (SQUARE_SIZE before any).
int squareImageSize();

// Rendering one image: a new n x n image over a new buffer. a is the cushion height (negative: hollow),
// e the light intensity, R the piece diameter in pixels and f the piece height.
Fl_RGB_Image* renderEmptySquare(int n, double a, int backRed, int backGreen, int backBlue, double e);
Fl_RGB_Image* renderPieceSquare(int n, double a, int backRed, int backGreen, int backBlue, int R, double f,
                                int pieceRed, int pieceGreen, int pieceBlue, double e);
