#include "studio/imageEncoders.h"

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

void describe(jpeg_compress_struct& info, int width, int height, const ImageFileOptions& options) {
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, options.jpegQuality, TRUE);
    // Thin coloured lines blur under the usual halved chroma: keep it whole.
    for (int c = 0; c < 3; ++c)
        info.comp_info[c].h_samp_factor = info.comp_info[c].v_samp_factor = 1;
    if (options.dotsPerInch > 0) {
        info.density_unit = 1;
        info.X_density = info.Y_density = UINT16(options.dotsPerInch + 0.5);
    }
}

// Holds no object with a destructor, so the long jump out of libjpeg is safe.
bool compress(RowSource& rows, std::FILE* file, const ImageFileOptions& options, JSAMPLE* row,
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
    describe(info, rows.width(), rows.height(), options);
    jpeg_start_compress(&info, TRUE);
    const std::size_t count = std::size_t(rows.width()) * 3;
    while (info.next_scanline < info.image_height) {
        const std::uint16_t* levels = rows.levels(int(info.next_scanline));
        for (std::size_t i = 0; i < count; ++i)
            row[i] = JSAMPLE((unsigned(levels[i]) * 255 + 32767) / 65535);
        JSAMPROW rowList[1] = {row};
        jpeg_write_scanlines(&info, rowList, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

} // namespace

std::string encodeJpeg(RowSource& rows, std::FILE* file, const ImageFileOptions& options) {
    std::vector<JSAMPLE> row(std::size_t(rows.width()) * 3);
    ErrorManager errors{};
    if (!compress(rows, file, options, row.data(), errors)) return errors.message;
    return {};
}

} // namespace gyrelune
