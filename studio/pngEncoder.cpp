#include "studio/imageEncoders.h"

#include <csetjmp>
#include <png.h>

namespace gyrelune {
namespace {

struct PngWriter {
    png_structp png = nullptr;
    png_infop info = nullptr;
    std::string message;
    ~PngWriter() { png_destroy_write_struct(&png, &info); }
};

[[noreturn]] void jumpOnError(png_structp png, png_const_charp message) {
    static_cast<PngWriter*>(png_get_error_ptr(png))->message = message;
    png_longjmp(png, 1);
}

void ignoreWarning(png_structp, png_const_charp) {}

void describe(PngWriter& writer, int width, int height, const ImageFileOptions& options) {
    png_set_IHDR(writer.png, writer.info, png_uint_32(width), png_uint_32(height), options.depth,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_set_sRGB_gAMA_and_cHRM(writer.png, writer.info, PNG_sRGB_INTENT_PERCEPTUAL);
    if (options.dotsPerInch > 0) {
        const auto perMetre = png_uint_32(options.dotsPerInch / 0.0254 + 0.5);
        png_set_pHYs(writer.png, writer.info, perMetre, perMetre, PNG_RESOLUTION_METER);
    }
}

// PNG stores 16-bit samples most significant byte first.
void pack(const std::uint16_t* levels, png_bytep bytes, std::size_t count, int depth) {
    for (std::size_t i = 0; i < count; ++i) {
        if (depth == 8) {
            bytes[i] = png_byte((unsigned(levels[i]) * 255 + 32767) / 65535);
        } else {
            bytes[2 * i] = png_byte(levels[i] >> 8);
            bytes[2 * i + 1] = png_byte(levels[i] & 0xff);
        }
    }
}

// Only objects made before setjmp live in this frame, so the jump skips no destructor.
bool compress(PngWriter& writer, RowSource& rows, std::FILE* file, const ImageFileOptions& options,
              std::vector<png_byte>& bytes) {
    if (setjmp(png_jmpbuf(writer.png))) return false;
    png_init_io(writer.png, file);
    describe(writer, rows.width(), rows.height(), options);
    png_write_info(writer.png, writer.info);
    const std::size_t count = std::size_t(rows.width()) * 3;
    for (int y = 0; y < rows.height(); ++y) {
        pack(rows.levels(y), bytes.data(), count, options.depth);
        png_write_row(writer.png, bytes.data());
    }
    png_write_end(writer.png, writer.info);
    return true;
}

} // namespace

std::string encodePng(RowSource& rows, std::FILE* file, const ImageFileOptions& options) {
    PngWriter writer;
    writer.png =
        png_create_write_struct(PNG_LIBPNG_VER_STRING, &writer, jumpOnError, ignoreWarning);
    if (writer.png) writer.info = png_create_info_struct(writer.png);
    if (!writer.info) return "out of memory";
    std::vector<png_byte> bytes(std::size_t(rows.width()) * 3 * std::size_t(options.depth / 8));
    if (!compress(writer, rows, file, options, bytes)) return writer.message;
    return {};
}

} // namespace gyrelune
