// make_icon: renders the program's icon, a raised square with a side-0 piece, with the same shading
// code as the board squares, and writes it as a PNG file. Run at build time; needs no display.
#include <FL/Fl_RGB_Image.H>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "ui/square_images.h"

namespace {

uint32_t crc32(const unsigned char* data, size_t length, uint32_t crc = 0) {
    crc = ~crc;
    for (size_t i = 0; i < length; ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void putBigEndian(std::vector<unsigned char>& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<unsigned char>(v >> shift));
}

void putChunk(std::vector<unsigned char>& file, const char* type, const std::vector<unsigned char>& data) {
    putBigEndian(file, static_cast<uint32_t>(data.size()));
    std::vector<unsigned char> body(type, type + 4);
    body.insert(body.end(), data.begin(), data.end());
    file.insert(file.end(), body.begin(), body.end());
    putBigEndian(file, crc32(body.data(), body.size()));
}

// encodePng() writes an 8-bit RGB PNG whose zlib stream uses stored (uncompressed) blocks: small
// images need no compressor.
std::vector<unsigned char> encodePng(const unsigned char* rgb, int width, int height) {
    std::vector<unsigned char> raw;
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);  // filter: none
        raw.insert(raw.end(), rgb + y * width * 3, rgb + (y + 1) * width * 3);
    }
    std::vector<unsigned char> zlib = {0x78, 0x01};
    for (size_t pos = 0; pos < raw.size() || pos == 0;) {
        const size_t length = std::min<size_t>(65535, raw.size() - pos);
        const bool last = pos + length == raw.size();
        zlib.push_back(last ? 1 : 0);
        zlib.push_back(length & 0xFF);
        zlib.push_back(length >> 8);
        zlib.push_back(~length & 0xFF);
        zlib.push_back((~length >> 8) & 0xFF);
        zlib.insert(zlib.end(), raw.begin() + pos, raw.begin() + pos + length);
        pos += length;
        if (last) break;
    }
    uint32_t a = 1, b = 0;
    for (unsigned char c : raw) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    putBigEndian(zlib, (b << 16) | a);

    std::vector<unsigned char> file = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<unsigned char> header;
    putBigEndian(header, static_cast<uint32_t>(width));
    putBigEndian(header, static_cast<uint32_t>(height));
    header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, no filter, no interlace
    putChunk(file, "IHDR", header);
    putChunk(file, "IDAT", zlib);
    putChunk(file, "IEND", {});
    return file;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_icon SIZE OUTPUT.png\n");
        return 2;
    }
    const int size = std::stoi(argv[1]);
    buildLightSamples();
    // The proportions of a board square (piece 24 of 31 pixels), raised, in the square's colour.
    const int diameter = size * 24 / 31 + ((size * 24 / 31) % 2 != size % 2);
    Fl_RGB_Image* image = renderPieceSquare(size, 0.4, 255, 204, 153, diameter, 0.5, 163, 80, 29, 0.8);
    releaseLightSamples();
    // The image does not own its pixel buffer: both are released here.
    const unsigned char* pixels = reinterpret_cast<const unsigned char*>(image->data()[0]);
    const std::vector<unsigned char> png = encodePng(pixels, image->w(), image->h());
    delete image;
    delete[] pixels;
    std::FILE* out = std::fopen(argv[2], "wb");
    if (!out || std::fwrite(png.data(), 1, png.size(), out) != png.size() || std::fclose(out) != 0) {
        std::fprintf(stderr, "make_icon: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
