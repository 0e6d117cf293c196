// test_files.cpp: writers of the PNG, WAV and ".fnt" files the media tests read back.
#include "test_files.h"

#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

TempDir::TempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "pellix-media-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        throw std::runtime_error("no temporary directory");
    }
    root_ = pattern;
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
}

void writeBytes(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
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
        std::vector<png_color> colours;
        for (size_t i = 0; i + 2 < picture.palette.size(); i += 3) {
            colours.push_back({picture.palette[i], picture.palette[i + 1], picture.palette[i + 2]});
        }
        png_set_PLTE(png, info, colours.data(), int(colours.size()));
    }
    if (!picture.transparency.empty()) {
        png_set_tRNS(png, info, picture.transparency.data(), int(picture.transparency.size()),
                     nullptr);
    }
    png_write_info(png, info);
    size_t rowBytes = picture.rows.size() / size_t(picture.height);
    std::vector<png_bytep> rows;
    for (int row = 0; row < picture.height; ++row) {
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
    PngPicture picture;
    picture.width = width;
    picture.height = height;
    picture.colourType = PNG_COLOR_TYPE_RGB_ALPHA;
    for (uint32_t pixel : argb) {
        picture.rows.insert(picture.rows.end(), {uint8_t(pixel >> 16), uint8_t(pixel >> 8),
                                                 uint8_t(pixel), uint8_t(pixel >> 24)});
    }
    writePng(path, picture);
}

namespace {

void append32(std::vector<uint8_t>& bytes, uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8) {
        bytes.push_back(uint8_t(value >> shift));
    }
}

void append16(std::vector<uint8_t>& bytes, uint16_t value)
{
    bytes.push_back(uint8_t(value));
    bytes.push_back(uint8_t(value >> 8));
}

void appendBigEndian(std::vector<uint8_t>& bytes, int32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8) {
        bytes.push_back(uint8_t(uint32_t(value) >> shift));
    }
}

} // namespace

std::vector<uint8_t> wavBytes(const WavFile& wav)
{
    std::vector<uint8_t> body = {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '};
    append32(body, wav.fmtBytes);
    uint16_t blockAlign = uint16_t(wav.channels * wav.bitsPerSample / 8);
    append16(body, wav.formatTag);
    append16(body, wav.channels);
    append32(body, wav.sampleRate);
    append32(body, wav.sampleRate * blockAlign);
    append16(body, blockAlign);
    append16(body, wav.bitsPerSample);
    // "WAVE" and the chunk header come before the format bytes.
    body.resize(12 + wav.fmtBytes + (wav.fmtBytes & 1), 0);
    body.insert(body.end(), wav.between.begin(), wav.between.end());
    body.insert(body.end(), {'d', 'a', 't', 'a'});
    append32(body, uint32_t(wav.data.size()));
    body.insert(body.end(), wav.data.begin(), wav.data.end());
    std::vector<uint8_t> bytes = {'R', 'I', 'F', 'F'};
    append32(bytes, uint32_t(body.size()));
    bytes.insert(bytes.end(), body.begin(), body.end());
    return bytes;
}

std::vector<uint8_t> constantFrames(int frames, int16_t level)
{
    std::vector<uint8_t> bytes;
    for (int i = 0; i < frames * 2; ++i) {
        append16(bytes, uint16_t(level));
    }
    return bytes;
}

std::vector<uint8_t> fntBytes(const FntFile& font)
{
    std::vector<uint8_t> bytes = {'P', 'F', 'N', 'T'};
    appendBigEndian(bytes, font.version);
    appendBigEndian(bytes, 0);
    for (int32_t word : {font.sheetWidth, font.sheetHeight, font.spacing, font.spaceWidth,
                         font.fixedWidth, font.digitWidth}) {
        appendBigEndian(bytes, word);
    }
    for (int32_t right : font.glyphRight) {
        appendBigEndian(bytes, right);
    }
    for (int8_t glyph : font.glyphOf) {
        bytes.push_back(uint8_t(glyph));
    }
    for (uint32_t pixel : font.sheet) {
        appendBigEndian(bytes, int32_t(pixel));
    }
    return bytes;
}

FntFile fontWithGlyphs(const std::string& chars, const std::vector<int32_t>& widths,
                       int32_t sheetHeight, const std::vector<uint32_t>& colours)
{
    FntFile font;
    std::fill(std::begin(font.glyphOf), std::end(font.glyphOf), int8_t(-1));
    int32_t right = 0;
    for (size_t glyph = 0; glyph < chars.size(); ++glyph) {
        right += widths[glyph];
        font.glyphRight[glyph] = right;
        font.glyphOf[static_cast<unsigned char>(chars[glyph])] = int8_t(glyph);
    }
    font.sheetWidth = right;
    font.sheetHeight = sheetHeight;
    for (int32_t y = 0; y < sheetHeight; ++y) {
        size_t glyph = 0;
        for (int32_t x = 0; x < right; ++x) {
            while (x >= font.glyphRight[glyph]) {
                ++glyph;
            }
            font.sheet.push_back(glyph < colours.size() ? colours[glyph] : 0xffffffffu);
        }
    }
    return font;
}
