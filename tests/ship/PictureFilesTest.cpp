// The pictures the build drew: one JPEG per name of the picture table, readable by libjpeg,
// 301 × 179 like the panel that shows them, and each one really drawn.
#include <gtest/gtest.h>

#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

extern "C" {
#include <jpeglib.h>
}

#include "calc/Catalogue.h"
#include "calc/Pictures.h"

namespace zul {
namespace {

struct Decoded {
    bool ok = false;
    std::string error;
    int width = 0, height = 0, components = 0;
    std::vector<unsigned char> pixels;  // rows of RGB
};

struct JpegError {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void OnJpegError(j_common_ptr info) {
    auto* err = reinterpret_cast<JpegError*>(info->err);
    (*info->err->format_message)(info, err->message);
    std::longjmp(err->jump, 1);
}

Decoded DecodeFile(const std::filesystem::path& path) {
    Decoded d;
    std::ifstream in(path, std::ios::binary);
    const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.empty()) {
        d.error = "missing or empty";
        return d;
    }
    jpeg_decompress_struct info{};
    JpegError err{};
    info.err = jpeg_std_error(&err.base);
    err.base.error_exit = OnJpegError;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&info);
        d.error = err.message;
        return d;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    d.width = static_cast<int>(info.output_width);
    d.height = static_cast<int>(info.output_height);
    d.components = info.output_components;
    d.pixels.resize(static_cast<std::size_t>(d.width) * static_cast<std::size_t>(d.height) * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = d.pixels.data() + static_cast<std::size_t>(info.output_scanline) * static_cast<std::size_t>(d.width) * 3;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    d.ok = true;
    return d;
}

std::filesystem::path PicturePath(std::string_view name, int scale = 1) {
    return std::filesystem::path(ZUL_SHIPPED_DATA_DIR) / "Pict" /
           (std::string(name) + (scale == 1 ? ".jpg" : "@2x.jpg"));
}

// Each picture at the panel's size, and at twice that size for dense screens.
TEST(PictureFiles, EveryNameOfTheTableDecodesAtThePanelSizeAndTwiceIt) {
    for (int i = 1; i <= kPictureCount; ++i) {
        for (int scale : {1, 2}) {
            const std::string_view name = PictureName(i);
            SCOPED_TRACE(std::string(name) + " x" + std::to_string(scale));
            const Decoded d = DecodeFile(PicturePath(name, scale));
            ASSERT_TRUE(d.ok) << d.error;
            EXPECT_EQ(d.width, 301 * scale);
            EXPECT_EQ(d.height, 179 * scale);
            EXPECT_EQ(d.components, 3);
        }
    }
}

// A picture that failed to draw comes out as one flat colour: each must have dark ink
// (text, lines) on a light ground, and no two names may share the same image.
TEST(PictureFiles, EachPictureIsDrawnAndDifferent) {
    std::set<std::uint64_t> seen;  // FNV-1a of the pixels
    for (int i = 1; i <= kPictureCount; ++i) {
        const std::string_view name = PictureName(i);
        SCOPED_TRACE(std::string(name));
        const Decoded d = DecodeFile(PicturePath(name));
        ASSERT_TRUE(d.ok) << d.error;
        int dark = 0, light = 0;
        for (std::size_t p = 0; p + 2 < d.pixels.size(); p += 3) {
            const int luma = (d.pixels[p] * 3 + d.pixels[p + 1] * 6 + d.pixels[p + 2]) / 10;
            dark += luma < 90;
            light += luma > 200;
        }
        EXPECT_GT(dark, 300) << "too little ink";
        EXPECT_GT(light, 3000) << "too little light area";
        std::uint64_t hash = 14695981039346656037ull;
        for (unsigned char byte : d.pixels) hash = (hash ^ byte) * 1099511628211ull;
        EXPECT_TRUE(seen.insert(hash).second) << "same image as another name";
    }
}

// Every node of the tree names a picture that is there.
TEST(PictureFiles, EveryNodeFindsItsPicture) {
    for (const CatalogueRow& node : CatalogueRows()) {
        SCOPED_TRACE(node.text);
        EXPECT_TRUE(std::filesystem::is_regular_file(PicturePath(node.picture)));
    }
}

}  // namespace
}  // namespace zul
