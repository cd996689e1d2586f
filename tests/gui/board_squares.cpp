// board_squares SHOT.ppm N [ZOOM]: names the image that each board square of a main-window screenshot
// shows. It renders the 24 square images as the program does at the zoom (default 1: squares of 31
// pixels from (6, 6); at zoom Z of round(31 Z) pixels with pieces of round(24 Z) from round(6 Z)) and
// compares every square of the screenshot (a binary PPM of the window's contents) with them, pixel for
// pixel. Prints N lines of N codes "CRHL" (content, raised, highlighted, lit as digits), or "????" where
// no image matches. Sunken images look the same lit or not; they are named with lit 0.
#include <FL/Fl_RGB_Image.H>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "settings/zoom.h"
#include "ui/square_images.h"

namespace {

// The board's squares in the screenshot: their size and the left and top edge of the first one.
int squareSize = SQUARE_SIZE;
int boardOrigin = 6;

struct Picture {
    int width = 0, height = 0;
    std::vector<unsigned char> pixels;  // RGB, rows top to bottom
};

// readToken() skips blanks and comment lines of the PPM header.
std::string readToken(std::istream& in) {
    std::string token;
    while (in >> token) {
        if (token[0] != '#') return token;
        std::string rest;
        std::getline(in, rest);
    }
    return "";
}

bool readPpm(const char* path, Picture& picture) {
    std::ifstream in(path, std::ios::binary);
    if (readToken(in) != "P6") return false;
    picture.width = std::atoi(readToken(in).c_str());
    picture.height = std::atoi(readToken(in).c_str());
    if (readToken(in) != "255") return false;
    in.get();  // the one blank before the pixels
    picture.pixels.resize(static_cast<size_t>(picture.width) * picture.height * 3);
    in.read(reinterpret_cast<char*>(picture.pixels.data()), static_cast<std::streamsize>(picture.pixels.size()));
    return static_cast<bool>(in);
}

bool squareShows(const Picture& shot, int left, int top, const Fl_RGB_Image* image) {
    const unsigned char* wanted = reinterpret_cast<const unsigned char*>(image->array);
    const size_t rowBytes = squareSize * 3;
    for (int y = 0; y < squareSize; ++y) {
        const unsigned char* row = shot.pixels.data() + (static_cast<size_t>(top + y) * shot.width + left) * 3;
        if (std::memcmp(row, wanted + y * rowBytes, rowBytes) != 0) return false;
    }
    return true;
}

std::string nameSquare(const Picture& shot, int r, int c) {
    const int left = squareSize * (c - 1) + boardOrigin, top = squareSize * (r - 1) + boardOrigin;
    for (int content = 0; content < 3; ++content)
        for (int raised = 0; raised < 2; ++raised)
            for (int highlighted = 0; highlighted < 2; ++highlighted)
                for (int lit = 0; lit < 2; ++lit)
                    if (squareShows(shot, left, top, squareImages[content][raised][highlighted][lit]))
                        return std::to_string(content) + std::to_string(raised) + std::to_string(highlighted) +
                               std::to_string(lit);
    return "????";
}

}  // namespace

int main(int argc, char** argv) {
    double zoom = 1;
    if ((argc != 3 && argc != 4) || (argc == 4 && !parseZoom(argv[3], zoom))) {
        std::fprintf(stderr, "usage: board_squares SHOT.ppm N [ZOOM]\n");
        return 2;
    }
    squareSize = zoomedPixels(SQUARE_SIZE, zoom);
    boardOrigin = zoomedPixels(6, zoom);
    Picture shot;
    const int n = std::atoi(argv[2]);
    if (!readPpm(argv[1], shot) || n < 4 || n > 16 || shot.width < squareSize * n + boardOrigin ||
        shot.height < squareSize * n + boardOrigin) {
        std::fprintf(stderr, "board_squares: %s is no screenshot of a board of size %s\n", argv[1], argv[2]);
        return 2;
    }
    renderSquareImages(squareSize, zoomedPixels(PIECE_DIAMETER, zoom));
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) std::printf("%s%c", nameSquare(shot, r, c).c_str(), c == n ? '\n' : ' ');
    return 0;
}
