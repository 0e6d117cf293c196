// png_decode.cpp: decodePng through libpng, with its long-jump error recovery.
#include "media/png_decode.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <new>

namespace {

// The decoder allocates the whole picture before reading its data, so a header alone could ask
// for gigabytes (a 69-byte file claiming 30000 x 30000 wants 3.6 GB). Sides are held to the
// largest texture GL gives here, and the picture to 64 million pixels (256 MB decoded).
constexpr png_uint_32 kLargestSide = 16384;
constexpr uint64_t kLargestPixelCount = uint64_t(1) << 26;

// Everything the decoding allocates, kept outside the frame that calls setjmp so that the
// long jump back from a libpng error finds every pointer intact and can free it.
struct PngDecoding {
    FILE* file = nullptr;
    png_structp png = nullptr;
    png_infop info = nullptr;
    uint8_t* pixels = nullptr;
    png_bytep* rows = nullptr;
    png_uint_32 width = 0;
    png_uint_32 height = 0;
};

// libpng's default handlers print to the standard error stream; the framework reports
// nothing, so errors only jump back and warnings are dropped.
void silentError(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}

void silentWarning(png_structp, png_const_charp) {}

void freeDecoding(PngDecoding& decoding)
{
    if (decoding.png) {
        png_destroy_read_struct(&decoding.png, decoding.info ? &decoding.info : nullptr, nullptr);
    }
    std::free(decoding.rows);
    delete[] decoding.pixels;
    if (decoding.file) {
        std::fclose(decoding.file);
    }
    decoding = PngDecoding();
}

// Asks for the conversions that turn any PNG into alpha-red-green-blue bytes.
void requestArgb(png_structp png, png_infop info)
{
    int bitDepth = png_get_bit_depth(png, info);
    int colourType = png_get_color_type(png, info);
    if (colourType == PNG_COLOR_TYPE_PALETTE) {
        png_set_palette_to_rgb(png);
    }
    if (colourType == PNG_COLOR_TYPE_GRAY && bitDepth < 8) {
        png_set_expand_gray_1_2_4_to_8(png);
    }
    if (png_get_valid(png, info, PNG_INFO_tRNS)) {
        png_set_tRNS_to_alpha(png);
    }
    if (bitDepth == 16) {
        png_set_strip_16(png);
    }
    if (colourType == PNG_COLOR_TYPE_GRAY || colourType == PNG_COLOR_TYPE_GRAY_ALPHA) {
        png_set_gray_to_rgb(png);
    }
    png_set_filler(png, 0xFF, PNG_FILLER_BEFORE);
    png_set_swap_alpha(png);
    // libpng 1.6 warns when png_read_image has to switch this on by itself.
    png_set_interlace_handling(png);
}

// The libpng calls; returns false when the file is not a PNG or cannot be held in memory.
// A libpng error jumps back to the setjmp here, and the caller frees what was allocated.
bool readPng(PngDecoding& decoding)
{
    png_byte signature[8] = {};
    if (std::fread(signature, 1, sizeof signature, decoding.file) != sizeof signature ||
        png_sig_cmp(signature, 0, sizeof signature) != 0) {
        return false;
    }
    // The linked library's own version: libpng 1.6 refuses to start for any other.
    decoding.png = png_create_read_struct(png_get_libpng_ver(nullptr), nullptr, silentError,
                                          silentWarning);
    if (!decoding.png) {
        return false;
    }
    decoding.info = png_create_info_struct(decoding.png);
    if (!decoding.info) {
        return false;
    }
    if (setjmp(png_jmpbuf(decoding.png))) {
        return false;
    }
    png_set_user_limits(decoding.png, kLargestSide, kLargestSide);
    png_init_io(decoding.png, decoding.file);
    png_set_sig_bytes(decoding.png, sizeof signature);
    png_read_info(decoding.png, decoding.info);
    requestArgb(decoding.png, decoding.info);
    png_read_update_info(decoding.png, decoding.info);
    decoding.width = png_get_image_width(decoding.png, decoding.info);
    decoding.height = png_get_image_height(decoding.png, decoding.info);
    size_t rowBytes = png_get_rowbytes(decoding.png, decoding.info);
    if (rowBytes != size_t(decoding.width) * 4 || decoding.height == 0 ||
        uint64_t(decoding.width) * decoding.height > kLargestPixelCount) {
        return false;
    }
    decoding.pixels = new (std::nothrow) uint8_t[rowBytes * decoding.height];
    decoding.rows = static_cast<png_bytep*>(std::malloc(sizeof(png_bytep) * decoding.height));
    if (!decoding.pixels || !decoding.rows) {
        return false;
    }
    for (png_uint_32 row = 0; row < decoding.height; ++row) {
        decoding.rows[row] = decoding.pixels + size_t(row) * rowBytes;
    }
    png_read_image(decoding.png, decoding.rows);
    return true;
}

} // namespace

std::unique_ptr<uint8_t[]> decodePng(const BWString& fileName, int32_t* width, int32_t* height)
{
    if (width) {
        *width = 0;
    }
    if (height) {
        *height = 0;
    }
    if (!fileName.chars()) {
        return nullptr;
    }
    PngDecoding decoding;
    decoding.file = std::fopen(fileName.chars(), "rb");
    if (!decoding.file || !readPng(decoding)) {
        freeDecoding(decoding);
        return nullptr;
    }
    std::unique_ptr<uint8_t[]> pixels(decoding.pixels);
    decoding.pixels = nullptr;
    if (width) {
        *width = int32_t(decoding.width);
    }
    if (height) {
        *height = int32_t(decoding.height);
    }
    freeDecoding(decoding);
    return pixels;
}
