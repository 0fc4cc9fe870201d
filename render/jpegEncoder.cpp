#include "render/jpegEncoder.h"

#include <csetjmp>
#include <jpeglib.h>

namespace gyrelune {
namespace {

// libjpeg's own error exit ends the process; this one jumps back instead.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void jumpOnError(j_common_ptr info) {
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->jump, 1);
}

void toRgb(const std::uint8_t* bgr, std::uint8_t* rgb, int width) {
    for (int x = 0; x < width; ++x, bgr += 3, rgb += 3) {
        rgb[0] = bgr[2];
        rgb[1] = bgr[1];
        rgb[2] = bgr[0];
    }
}

// Holds no object with a destructor, so the long jump out of libjpeg is safe.
bool compress(const PixelBuffer& picture, std::FILE* file, std::uint8_t* row,
              ErrorManager& errors) {
    jpeg_compress_struct info;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = jumpOnError;
    if (setjmp(errors.jump)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = JDIMENSION(picture.width());
    info.image_height = JDIMENSION(picture.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 90, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        toRgb(picture.row(int(info.next_scanline)), row, picture.width());
        JSAMPROW rows[1] = {row};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

} // namespace

std::string JpegEncoder::write(const PixelBuffer& picture, std::FILE* file) {
    row_.resize(std::size_t(picture.width()) * 3 + 3);
    ErrorManager errors{};
    if (!compress(picture, file, row_.data(), errors)) return errors.message;
    return {};
}

} // namespace gyrelune
