// test_files.cpp: writers of the PNG, WAV and ".fnt" files the media tests read back.
#include "test_files.h"

#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

TempDir::TempDir()
{
    root_ = (std::filesystem::temp_directory_path() / "pellix-media-XXXXXX").string();
    if (!mkdtemp(root_.data())) {
        std::abort();
    }
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
}

void writeBytes(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

std::vector<uint8_t> readBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), {});
}

void writePng(const std::string& path, const PngPicture& picture)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_init_io(png, file);
    png_set_IHDR(png, info, png_uint_32(picture.width), png_uint_32(picture.height),
                 picture.bitDepth, picture.colourType,
                 picture.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (!picture.palette.empty()) {
        png_set_PLTE(png, info, reinterpret_cast<png_const_colorp>(picture.palette.data()),
                     int(picture.palette.size() / 3));
    }
    if (!picture.transparency.empty()) {
        png_set_tRNS(png, info, picture.transparency.data(), int(picture.transparency.size()),
                     nullptr);
    }
    png_write_info(png, info);
    std::vector<png_bytep> rows;
    for (int row = 0; row < picture.height; ++row) {
        size_t rowBytes = picture.rows.size() / size_t(picture.height);
        rows.push_back(const_cast<png_bytep>(picture.rows.data() + size_t(row) * rowBytes));
    }
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    std::fclose(file);
}

void writeArgbPng(const std::string& path, int width, int height,
                  const std::vector<uint32_t>& argb)
{
    PngPicture picture{width, height, PNG_COLOR_TYPE_RGB_ALPHA, 8, false, {}, {}, {}};
    for (uint32_t pixel : argb) {
        picture.rows.insert(picture.rows.end(), {uint8_t(pixel >> 16), uint8_t(pixel >> 8),
                                                 uint8_t(pixel), uint8_t(pixel >> 24)});
    }
    writePng(path, picture);
}

namespace {

// Little-endian unless bigEndian: RIFF words are little-endian, ".fnt" words big-endian.
void append(std::vector<uint8_t>& bytes, uint32_t value, int size, bool bigEndian = false)
{
    for (int i = 0; i < size; ++i) {
        bytes.push_back(uint8_t(value >> (8 * (bigEndian ? size - 1 - i : i))));
    }
}

} // namespace

std::vector<uint8_t> wavBytes(const WavFile& wav)
{
    std::vector<uint8_t> bytes = {'R', 'I', 'F', 'F', 0,   0,   0,   0,
                                  'W', 'A', 'V', 'E', 'f', 'm', 't', ' '};
    append(bytes, wav.fmtBytes, 4);
    uint16_t blockAlign = uint16_t(wav.channels * wav.bitsPerSample / 8);
    append(bytes, wav.formatTag, 2);
    append(bytes, wav.channels, 2);
    append(bytes, wav.sampleRate, 4);
    append(bytes, wav.sampleRate * blockAlign, 4);
    append(bytes, blockAlign, 2);
    append(bytes, wav.bitsPerSample, 2);
    bytes.resize(20 + wav.fmtBytes + (wav.fmtBytes & 1), 0);
    bytes.insert(bytes.end(), wav.between.begin(), wav.between.end());
    bytes.insert(bytes.end(), {'d', 'a', 't', 'a'});
    append(bytes, uint32_t(wav.data.size()), 4);
    bytes.insert(bytes.end(), wav.data.begin(), wav.data.end());
    uint32_t riffSize = uint32_t(bytes.size() - 8);
    for (int i = 0; i < 4; ++i) {
        bytes[size_t(4 + i)] = uint8_t(riffSize >> (8 * i));
    }
    return bytes;
}

std::vector<uint8_t> constantFrames(int frames, int16_t level)
{
    std::vector<uint8_t> bytes;
    for (int i = 0; i < frames * 2; ++i) {
        append(bytes, uint16_t(level), 2);
    }
    return bytes;
}

std::vector<uint8_t> fntBytes(const FntFile& font)
{
    std::vector<uint8_t> bytes = {'P', 'F', 'N', 'T'};
    for (int32_t word : {font.version, 0, font.sheetWidth, font.sheetHeight, font.spacing,
                         font.spaceWidth, font.fixedWidth, font.digitWidth}) {
        append(bytes, uint32_t(word), 4, true);
    }
    for (int32_t right : font.glyphRight) {
        append(bytes, uint32_t(right), 4, true);
    }
    bytes.insert(bytes.end(), font.glyphOf, font.glyphOf + 128);
    for (uint32_t pixel : font.sheet) {
        append(bytes, pixel, 4, true);
    }
    return bytes;
}

FntFile fontWithGlyphs(const std::string& chars, const std::vector<int32_t>& widths,
                       int32_t sheetHeight, const std::vector<uint32_t>& colours)
{
    FntFile font;
    std::fill(std::begin(font.glyphOf), std::end(font.glyphOf), int8_t(-1));
    std::vector<uint32_t> row;
    for (size_t glyph = 0; glyph < chars.size(); ++glyph) {
        font.sheetWidth += widths[glyph];
        font.glyphRight[glyph] = font.sheetWidth;
        font.glyphOf[static_cast<unsigned char>(chars[glyph])] = int8_t(glyph);
        row.insert(row.end(), size_t(widths[glyph]), glyph < colours.size() ? colours[glyph] : ~0u);
    }
    font.sheetHeight = sheetHeight;
    for (int32_t y = 0; y < sheetHeight; ++y) {
        font.sheet.insert(font.sheet.end(), row.begin(), row.end());
    }
    return font;
}
