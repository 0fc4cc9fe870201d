#include "studio/imageFile.h"

#include "render/fileReplacement.h"
#include "studio/imageEncoders.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <exception>

namespace gyrelune {
namespace {

constexpr int jpegLargestSide = 65500;

std::string lowerCase(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return text;
}

const std::vector<float>& decodedLevels() {
    static const std::vector<float> table = [] {
        std::vector<float> values(65536);
        for (std::size_t level = 0; level < values.size(); ++level) {
            const double v = double(level) / 65535.0;
            values[level] = float(v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4));
        }
        return values;
    }();
    return table;
}

std::uint16_t encodedLevel(float linear) {
    if (!(linear > 0)) return 0; // NaN too
    if (linear >= 1) return 65535;
    const double v =
        linear <= 0.0031308 ? linear * 12.92 : 1.055 * std::pow(linear, 1 / 2.4) - 0.055;
    return std::uint16_t(std::lround(v * 65535.0));
}

std::string encode(ImageFileFormat format, RowSource& rows, FileReplacement& file,
                   const ImageFileOptions& options) {
    if (format == ImageFileFormat::tiff) return encodeTiff(rows, file.descriptor(), options);
    std::FILE* stream = file.stream();
    if (!stream) return file.failure().reason();
    errno = 0;
    std::string reason = format == ImageFileFormat::png    ? encodePng(rows, stream, options)
                         : format == ImageFileFormat::jpeg ? encodeJpeg(rows, stream, options)
                                                           : encodeExr(rows, stream, options);
    // A failed write says more through errno than through the encoder's text.
    if (!reason.empty() && std::ferror(stream) && errno) reason = std::strerror(errno);
    return reason;
}

std::string cannotWrite(const std::string& path, const std::string& reason) {
    return "cannot write '" + path + "': " + reason;
}

} // namespace

ImageFileFormat imageFileFormatOf(const std::string& path) {
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || path.find('/', dot) != std::string::npos)
        return ImageFileFormat::none;
    const std::string extension = lowerCase(path.substr(dot + 1));
    if (extension == "png") return ImageFileFormat::png;
    if (extension == "jpg" || extension == "jpeg") return ImageFileFormat::jpeg;
    if (extension == "tif" || extension == "tiff") return ImageFileFormat::tiff;
    if (extension == "exr") return ImageFileFormat::exr;
    return ImageFileFormat::none;
}

std::string imageFileProblem(const std::string& path, int width, int height,
                             const ImageFileOptions& options) {
    const ImageFileFormat format = imageFileFormatOf(path);
    if (format == ImageFileFormat::none)
        return "unknown picture format '" + path +
               "': the name must end in .png, .jpg, .tif or .exr";
    if (width < 1 || height < 1) return "a picture needs at least one pixel each way";
    if (format == ImageFileFormat::png && options.depth != 8 && options.depth != 16)
        return "a PNG holds 8 or 16 bits per channel, not " + std::to_string(options.depth);
    if (format == ImageFileFormat::jpeg && std::max(width, height) > jpegLargestSide)
        return "a JPEG holds at most " + std::to_string(jpegLargestSide) +
               " pixels a side: choose .png, .tif or .exr";
    if (format == ImageFileFormat::jpeg && (options.jpegQuality < 1 || options.jpegQuality > 100))
        return "the JPEG quality runs from 1 to 100";
    return {};
}

std::string writeImageFile(const std::string& path, const ImageRows& rows,
                           const ImageFileOptions& options) {
    if (std::string problem = imageFileProblem(path, rows.width, rows.height, options);
        !problem.empty())
        return problem;
    FileReplacement file(path);
    if (const FileReplacement::Failure failure = file.failure())
        return cannotWrite(path, failure.reason());
    RowSource source(rows);
    std::string reason;
    try {
        reason = encode(imageFileFormatOf(path), source, file, options);
    } catch (const std::exception& failure) {
        reason = failure.what();
    }
    if (!reason.empty()) return cannotWrite(path, reason); // the file beside goes with `file`
    if (const FileReplacement::Failure failure = file.commit())
        return cannotWrite(path, failure.reason());
    return {};
}

std::string writeImageFile(const std::string& path, const Image16& image,
                           const ImageFileOptions& options) {
    ImageRows rows{image.width, image.height, nullptr, nullptr};
    rows.levels = [&image](int y, std::uint16_t* rgb) {
        std::copy_n(image.row(y), std::size_t(image.width) * 3, rgb);
    };
    return writeImageFile(path, rows, options);
}

std::string writeImageFile(const std::string& path, const ImageFloat& image,
                           const ImageFileOptions& options) {
    ImageRows rows{image.width, image.height, nullptr, nullptr};
    rows.linear = [&image](int y, float* rgb) {
        std::copy_n(image.row(y), std::size_t(image.width) * 3, rgb);
    };
    return writeImageFile(path, rows, options);
}

RowSource::RowSource(const ImageRows& rows) : rows_(rows) {}

const std::uint16_t* RowSource::levels(int y) {
    levels_.resize(std::size_t(rows_.width) * 3);
    if (rows_.levels) {
        rows_.levels(y, levels_.data());
    } else {
        const float* light = linear(y);
        std::transform(light, light + levels_.size(), levels_.begin(), encodedLevel);
    }
    return levels_.data();
}

const float* RowSource::linear(int y) {
    linear_.resize(std::size_t(rows_.width) * 3);
    if (rows_.linear) {
        rows_.linear(y, linear_.data());
    } else {
        const std::uint16_t* display = levels(y);
        const std::vector<float>& table = decodedLevels();
        for (std::size_t i = 0; i < linear_.size(); ++i)
            linear_[i] = table[display[i]];
    }
    return linear_.data();
}

} // namespace gyrelune
