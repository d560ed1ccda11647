// SPDX-License-Identifier: GPL-3.0-or-later
// bench_picture_anchor FILE WIDTH HEIGHT RUNS: the reference for a picture from its file to the
// image fitted into a panel, without Qt: the picture decoded with its format's own library and
// shrunk to WIDTH x HEIGHT by area averaging (AreaAverage), row by row as the library gives them.
// A JPEG is decoded by libjpeg-turbo at the smallest of the scales 1/8, 1/4, 1/2 and 1 at which it
// still covers the size, a PNG by libpng and the first frame of a GIF by giflib at their own size.
// Prints the microseconds of each of RUNS runs on one line, after a run not counted (the file is
// read then); the file's format is told by its first bytes.
#include "AreaAverage.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <gif_lib.h>
#include <jpeglib.h>
#include <memory>
#include <png.h>
#include <string>
#include <vector>

namespace {

[[noreturn]] void fail(const std::string &why)
{
    std::fprintf(stderr, "bench_picture_anchor: %s\n", why.c_str());
    std::exit(1);
}

using File = std::unique_ptr<FILE, decltype(&std::fclose)>;

File openFile(const char *path)
{
    File file(std::fopen(path, "rb"), &std::fclose);
    if (!file)
        fail(std::string("cannot open ") + path);
    return file;
}

std::vector<std::uint8_t> jpeg(const char *path, int width, int height)
{
    File file = openFile(path);
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, file.get());
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_EXT_BGRX;
    info.scale_num = 1;
    for (info.scale_denom = 8; info.scale_denom > 1; info.scale_denom /= 2) {
        jpeg_calc_output_dimensions(&info);
        if (int(info.output_width) >= width && int(info.output_height) >= height)
            break;
    }
    jpeg_start_decompress(&info);
    AreaAverage shrunk(int(info.output_width), int(info.output_height), width, height);
    std::vector<std::uint8_t> row(std::size_t(info.output_width) * 4);
    JSAMPROW rows[1] = {row.data()};
    while (info.output_scanline < info.output_height) {
        jpeg_read_scanlines(&info, rows, 1);
        shrunk.addRow(row.data());
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return shrunk.result();
}

void pngError(png_structp, png_const_charp message)
{
    fail(std::string("libpng: ") + message);
}

void pngWarning(png_structp, png_const_charp) {}

std::vector<std::uint8_t> png(const char *path, int width, int height)
{
    File file = openFile(path);
    png_structp reader = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, pngError, pngWarning);
    png_infop info = png_create_info_struct(reader);
    png_init_io(reader, file.get());
    png_read_info(reader, info);
    // Whatever the PNG holds, rows of 8-bit blue, green, red and alpha (opaque where it has none).
    png_set_expand(reader);
    png_set_strip_16(reader);
    png_set_gray_to_rgb(reader);
    png_set_bgr(reader);
    png_set_filler(reader, 0xff, PNG_FILLER_AFTER);
    const int passes = png_set_interlace_handling(reader);
    png_read_update_info(reader, info);
    const int sourceWidth = int(png_get_image_width(reader, info));
    const int sourceHeight = int(png_get_image_height(reader, info));
    AreaAverage shrunk(sourceWidth, sourceHeight, width, height);
    const std::size_t stride = std::size_t(sourceWidth) * 4;
    if (passes == 1) {
        std::vector<std::uint8_t> row(stride);
        for (int y = 0; y < sourceHeight; ++y) {
            png_read_row(reader, row.data(), nullptr);
            shrunk.addRow(row.data());
        }
    } else {
        // An interlaced picture is whole only after its last pass.
        std::vector<std::uint8_t> picture(stride * sourceHeight);
        std::vector<png_bytep> rows;
        for (int y = 0; y < sourceHeight; ++y)
            rows.push_back(picture.data() + stride * y);
        png_read_image(reader, rows.data());
        for (png_bytep row : rows)
            shrunk.addRow(row);
    }
    png_read_end(reader, nullptr);
    png_destroy_read_struct(&reader, &info, nullptr);
    return shrunk.result();
}

std::vector<std::uint8_t> gif(const char *path, int width, int height)
{
    int error = 0;
    GifFileType *file = DGifOpenFileName(path, &error);
    if (file == nullptr)
        fail(GifErrorString(error));
    int transparent = NO_TRANSPARENT_COLOR;
    GifRecordType record = UNDEFINED_RECORD_TYPE;
    while (DGifGetRecordType(file, &record) == GIF_OK && record == EXTENSION_RECORD_TYPE) {
        int code = 0;
        GifByteType *block = nullptr;
        if (DGifGetExtension(file, &code, &block) != GIF_OK)
            fail("broken extension");
        GraphicsControlBlock control{};
        if (code == GRAPHICS_EXT_FUNC_CODE && block != nullptr &&
            DGifExtensionToGCB(block[0], block + 1, &control) == GIF_OK)
            transparent = control.TransparentColor;
        while (block != nullptr) {
            if (DGifGetExtensionNext(file, &block) != GIF_OK)
                fail("broken extension");
        }
    }
    if (record != IMAGE_DESC_RECORD_TYPE || DGifGetImageDesc(file) != GIF_OK)
        fail("no picture in the GIF");
    const GifImageDesc &frame = file->Image;
    const ColorMapObject *colours = frame.ColorMap != nullptr ? frame.ColorMap : file->SColorMap;
    if (colours == nullptr)
        fail("no colours in the GIF");
    // The frame's colours as rows of blue, green, red and alpha take them; outside the frame and
    // where it is transparent, the canvas is transparent.
    std::uint8_t palette[256][4] = {};
    for (int i = 0; i < colours->ColorCount && i < 256; ++i) {
        const GifColorType &colour = colours->Colors[i];
        palette[i][0] = colour.Blue;
        palette[i][1] = colour.Green;
        palette[i][2] = colour.Red;
        palette[i][3] = 0xff;
    }
    if (transparent >= 0 && transparent < 256)
        std::memset(palette[transparent], 0, 4);
    const int canvasWidth = file->SWidth;
    const int canvasHeight = file->SHeight;
    if (frame.Left < 0 || frame.Top < 0 || frame.Left + frame.Width > canvasWidth ||
        frame.Top + frame.Height > canvasHeight)
        fail("the frame leaves the canvas");
    std::vector<GifPixelType> indices(std::size_t(frame.Width) * frame.Height);
    // An interlaced frame comes in four passes over its rows.
    const int starts[] = {0, 4, 2, 1};
    const int steps[] = {8, 8, 4, 2};
    const int passes = frame.Interlace ? 4 : 1;
    for (int pass = 0; pass < passes; ++pass) {
        const int start = frame.Interlace ? starts[pass] : 0;
        const int step = frame.Interlace ? steps[pass] : 1;
        for (int y = start; y < frame.Height; y += step) {
            if (DGifGetLine(file, indices.data() + std::size_t(y) * frame.Width, frame.Width) != GIF_OK)
                fail("broken picture data");
        }
    }
    DGifCloseFile(file, &error);
    AreaAverage shrunk(canvasWidth, canvasHeight, width, height);
    std::vector<std::uint8_t> row(std::size_t(canvasWidth) * 4, 0);
    for (int y = 0; y < canvasHeight; ++y) {
        const bool inFrame = y >= frame.Top && y < frame.Top + frame.Height;
        if (inFrame) {
            const GifPixelType *index = indices.data() + std::size_t(y - frame.Top) * frame.Width;
            std::uint8_t *pixel = row.data() + std::size_t(frame.Left) * 4;
            for (int x = 0; x < frame.Width; ++x, pixel += 4)
                std::memcpy(pixel, palette[index[x]], 4);
        } else {
            std::fill(row.begin(), row.end(), 0);
        }
        shrunk.addRow(row.data());
    }
    return shrunk.result();
}

using Decoder = std::vector<std::uint8_t> (*)(const char *, int, int);

Decoder decoderFor(const char *path)
{
    std::ifstream file(path, std::ios::binary);
    char start[8] = {};
    file.read(start, sizeof start);
    if (std::memcmp(start, "\xff\xd8\xff", 3) == 0)
        return jpeg;
    if (std::memcmp(start, "\x89PNG\r\n\x1a\n", 8) == 0)
        return png;
    if (std::memcmp(start, "GIF8", 4) == 0)
        return gif;
    fail(std::string("not a JPEG, PNG or GIF: ") + path);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: bench_picture_anchor FILE WIDTH HEIGHT RUNS\n");
        return 2;
    }
    const char *path = argv[1];
    const int width = std::atoi(argv[2]);
    const int height = std::atoi(argv[3]);
    const int runs = std::atoi(argv[4]);
    const Decoder decode = decoderFor(path);
    decode(path, width, height);
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        const std::vector<std::uint8_t> image = decode(path, width, height);
        const auto micro =
            std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
        if (image.size() != std::size_t(width) * height * 4)
            fail("the picture came out at another size");
        std::printf("%s%lld", i == 0 ? "" : " ", static_cast<long long>(micro.count()));
    }
    std::printf("\n");
    return 0;
}
