#include "render/jpegEncoder.h"
#include "studio/imageEncoders.h"

namespace gyrelune {
namespace {

void levelsRow(void* context, int y, std::uint8_t* rgb) {
    RowSource& rows = *static_cast<RowSource*>(context);
    const std::uint16_t* levels = rows.levels(y);
    const std::size_t count = std::size_t(rows.width()) * 3;
    for (std::size_t i = 0; i < count; ++i)
        rgb[i] = std::uint8_t((unsigned(levels[i]) * 255 + 32767) / 65535);
}

} // namespace

std::string encodeJpeg(RowSource& rows, std::FILE* file, const ImageFileOptions& options) {
    std::vector<std::uint8_t> row(std::size_t(rows.width()) * 3);
    JpegLayout layout;
    layout.width = rows.width();
    layout.height = rows.height();
    layout.quality = options.jpegQuality;
    layout.fullChroma = true;
    if (options.dotsPerInch > 0) layout.dotsPerInch = int(options.dotsPerInch + 0.5);
    return writeJpegRows(file, layout, levelsRow, &rows, row.data());
}

} // namespace gyrelune
