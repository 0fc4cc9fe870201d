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

void describe(jpeg_compress_struct& info, const JpegLayout& layout) {
    info.image_width = JDIMENSION(layout.width);
    info.image_height = JDIMENSION(layout.height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, layout.quality, TRUE);
    if (layout.fullChroma)
        for (int c = 0; c < 3; ++c)
            info.comp_info[c].h_samp_factor = info.comp_info[c].v_samp_factor = 1;
    if (layout.dotsPerInch > 0) {
        info.density_unit = 1;
        info.X_density = info.Y_density = UINT16(layout.dotsPerInch);
    }
}

// Holds no object with a destructor, so the long jump out of libjpeg is safe.
bool compress(std::FILE* file, const JpegLayout& layout, JpegRowFiller fill, void* context,
              std::uint8_t* row, ErrorManager& errors) {
    jpeg_compress_struct info;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = jumpOnError;
    if (setjmp(errors.jump)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    describe(info, layout);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        fill(context, int(info.next_scanline), row);
        JSAMPROW rows[1] = {row};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

void pictureRow(void* context, int y, std::uint8_t* rgb) {
    const PixelBuffer& picture = *static_cast<const PixelBuffer*>(context);
    const std::uint8_t* bgr = picture.row(y);
    for (int x = 0; x < picture.width(); ++x, bgr += 3, rgb += 3) {
        rgb[0] = bgr[2];
        rgb[1] = bgr[1];
        rgb[2] = bgr[0];
    }
}

} // namespace

std::string writeJpegRows(std::FILE* file, const JpegLayout& layout, JpegRowFiller fill,
                          void* context, std::uint8_t* row) {
    ErrorManager errors{};
    if (!compress(file, layout, fill, context, row, errors)) return errors.message;
    return {};
}

std::string JpegEncoder::write(const PixelBuffer& picture, std::FILE* file) {
    row_.resize(std::size_t(picture.width()) * 3 + 3);
    JpegLayout layout;
    layout.width = picture.width();
    layout.height = picture.height();
    return writeJpegRows(file, layout, pictureRow, const_cast<PixelBuffer*>(&picture), row_.data());
}

} // namespace gyrelune
