#include "JpegImage.h"

#include <csetjmp>
#include <cstdio>
#include <fstream>
#include <iterator>

#include <jpeglib.h>

namespace qs {
namespace {

// libjpeg's default error handler ends the process; ours jumps back to the decoder instead.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

void OnError(j_common_ptr info) {
    auto* err = reinterpret_cast<ErrorManager*>(info->err);
    std::longjmp(err->jump, 1);
}

void OnMessage(j_common_ptr) {}

// Kept apart from DecodeJpegData so no C++ object with a destructor lives across setjmp.
bool DecodeInto(jpeg_decompress_struct& info, ErrorManager& err, const std::uint8_t* data, std::size_t size,
                JpegImage& out) {
    if (setjmp(err.jump) != 0) {
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) {
        return false;
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    out.width = static_cast<int>(info.output_width);
    out.height = static_cast<int>(info.output_height);
    const std::size_t stride = static_cast<std::size_t>(out.width) * 3;
    out.rgb.resize(stride * static_cast<std::size_t>(out.height));
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = out.rgb.data() + stride * info.output_scanline;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    return true;
}

} // namespace

bool DecodeJpegData(const std::uint8_t* data, std::size_t size, JpegImage& out) {
    out = JpegImage{};
    if (data == nullptr || size == 0) {
        return false;
    }
    jpeg_decompress_struct info{};
    ErrorManager err{};
    info.err = jpeg_std_error(&err.base);
    err.base.error_exit = OnError;
    err.base.output_message = OnMessage;
    const bool ok = DecodeInto(info, err, data, size, out);
    jpeg_destroy_decompress(&info);
    if (!ok) {
        out = JpegImage{};
    }
    return ok;
}

bool DecodeJpegFile(const std::string& path, JpegImage& out) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        out = JpegImage{};
        return false;
    }
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    return DecodeJpegData(bytes.data(), bytes.size(), out);
}

} // namespace qs
