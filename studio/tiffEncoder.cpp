#include "studio/imageEncoders.h"

#include <algorithm>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <tiffio.h>
#include <unistd.h>

namespace gyrelune {
namespace {

int keepError(TIFF*, void* message, const char*, const char* format, va_list arguments) {
    char text[512];
    std::vsnprintf(text, sizeof text, format, arguments);
    auto& kept = *static_cast<std::string*>(message);
    if (kept.empty()) kept = text;
    return 1;
}

int ignoreWarning(TIFF*, void*, const char*, const char*, va_list) {
    return 1;
}

// libtiff closes the descriptor it is given: it gets a copy, so the file
// stays open for the flush and rename that follow.
TIFF* openCopy(int descriptor, std::uint64_t bytes, std::string& message) {
    const int copy = ::dup(descriptor);
    if (copy < 0) return nullptr;
    TIFFOpenOptions* options = TIFFOpenOptionsAlloc();
    TIFFOpenOptionsSetErrorHandlerExtR(options, keepError, &message);
    TIFFOpenOptionsSetWarningHandlerExtR(options, ignoreWarning, nullptr);
    // Past 4 GB only BigTIFF can address the strips; keep the classic form below, with room to
    // spare.
    TIFF* tiff = TIFFFdOpenExt(copy, "picture", bytes > (3ULL << 30) ? "w8" : "w", options);
    TIFFOpenOptionsFree(options);
    if (!tiff) ::close(copy);
    return tiff;
}

void describe(TIFF* tiff, int width, int height, const ImageFileOptions& options) {
    TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, std::uint32_t(width));
    TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, std::uint32_t(height));
    TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, 3);
    TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, 16);
    TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB);
    TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    TIFFSetField(tiff, TIFFTAG_ORIENTATION, ORIENTATION_TOPLEFT);
    TIFFSetField(tiff, TIFFTAG_COMPRESSION, COMPRESSION_ADOBE_DEFLATE);
    TIFFSetField(tiff, TIFFTAG_PREDICTOR, PREDICTOR_HORIZONTAL);
    TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, TIFFDefaultStripSize(tiff, 0));
    TIFFSetField(tiff, TIFFTAG_SOFTWARE, "Gyrelune");
    if (options.dotsPerInch > 0) {
        TIFFSetField(tiff, TIFFTAG_RESOLUTIONUNIT, RESUNIT_INCH);
        TIFFSetField(tiff, TIFFTAG_XRESOLUTION, float(options.dotsPerInch));
        TIFFSetField(tiff, TIFFTAG_YRESOLUTION, float(options.dotsPerInch));
    }
}

} // namespace

std::string encodeTiff(RowSource& rows, int descriptor, const ImageFileOptions& options) {
    std::string message;
    const std::uint64_t bytes = std::uint64_t(rows.width()) * std::uint64_t(rows.height()) * 6;
    TIFF* tiff = openCopy(descriptor, bytes, message);
    if (!tiff) return message.empty() ? std::string(std::strerror(errno)) : message;
    describe(tiff, rows.width(), rows.height(), options);
    std::vector<std::uint16_t> row(std::size_t(rows.width()) * 3);
    bool written = true;
    for (int y = 0; y < rows.height() && written; ++y) {
        const std::uint16_t* levels = rows.levels(y);
        std::copy_n(levels, row.size(), row.data()); // libtiff may encode in place
        written = TIFFWriteScanline(tiff, row.data(), std::uint32_t(y), 0) == 1;
    }
    written = TIFFFlush(tiff) == 1 && written;
    TIFFClose(tiff);
    if (!written) return message.empty() ? "the TIFF library failed" : message;
    return {};
}

} // namespace gyrelune
