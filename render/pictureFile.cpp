#include "render/pictureFile.h"

#include "render/fileReplacement.h"

#include <QBuffer>
#include <QImageWriter>

#include <cerrno>
#include <cstring>
#include <memory>

namespace gyrelune {
namespace {

// Encoded in memory first: Qt's writer reports a failed write as "Unknown
// error", while our own write keeps the system's reason.
std::string writeWithQt(const PixelBuffer& picture, FileReplacement& file, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (!writer.write(imageView(picture))) return writer.errorString().toStdString();
    file.write(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    return {};
}

std::string writeJpeg(const PixelBuffer& picture, FileReplacement& file, JpegEncoder& encoder) {
    std::FILE* stream = file.stream();
    if (!stream) return {}; // the failure is the file's
    errno = 0;
    std::string reason = encoder.write(picture, stream);
    if (!reason.empty() && std::ferror(stream) && errno) reason = std::strerror(errno);
    return reason;
}

std::string encode(const PixelBuffer& picture, PictureFormat format, FileReplacement& file,
                   JpegEncoder& encoder) {
    try {
        if (format == PictureFormat::jpeg) return writeJpeg(picture, file, encoder);
        return writeWithQt(picture, file, format == PictureFormat::bmp ? "bmp" : "png");
    } catch (const std::exception& failure) {
        return failure.what();
    }
}

std::string failureText(FileReplacement::Failure failure, MessageLanguage language) {
    using Stage = FileReplacement::Stage;
    const bool english = language == MessageLanguage::english;
    if (failure.stage == Stage::notRegular)
        return english ? "not a regular file (a device, FIFO or socket)"
                       : "nem közönséges fájl (eszköz, FIFO vagy socket)";
    const char* what =
        failure.stage == Stage::create
            ? (english ? "cannot create a file beside it" : "nem hozható létre fájl mellette")
        : failure.stage == Stage::write
            ? (english ? "writing failed" : "az írás nem sikerült")
            : (english ? "cannot replace it" : "a fájl nem cserélhető le");
    return std::string(what) + ": " + std::strerror(failure.error);
}

} // namespace

PictureFormat pictureFormatOf(const std::string& name, bool allowPng) {
    if (name.size() <= 4) return PictureFormat::none;
    const std::string ending = name.substr(name.size() - 4);
    if (ending == ".jpg") return PictureFormat::jpeg;
    if (ending == ".bmp") return PictureFormat::bmp;
    if (ending == ".png" && allowPng) return PictureFormat::png;
    return PictureFormat::none;
}

std::string writePictureFile(const PixelBuffer& picture, const std::string& fileName, bool allowPng,
                             JpegEncoder& encoder, MessageLanguage language) {
    const bool english = language == MessageLanguage::english;
    const PictureFormat format = pictureFormatOf(fileName, allowPng);
    if (format == PictureFormat::none)
        return english    ? (allowPng ? "the name must end in \".jpg\", \".bmp\" or \".png\""
                                      : "the name must end in \".jpg\" or \".bmp\"")
               : allowPng ? "a név nem \".jpg\", \".bmp\" vagy \".png\" végű"
                          : "a név nem \".jpg\" vagy \".bmp\" végű";
    FileReplacement file(fileName);
    std::string reason;
    if (!file.failure()) reason = encode(picture, format, file, encoder);
    if (!reason.empty()) return reason; // the file beside the target goes with `file`
    if (const FileReplacement::Failure failure = file.commit())
        return failureText(failure, language);
    return {};
}

PictureWriter pictureFileWriter(MessageLanguage language) {
    auto encoder = std::make_shared<JpegEncoder>();
    return [encoder, language](const PixelBuffer& picture, const std::string& fileName) {
        return writePictureFile(picture, fileName, false, *encoder, language);
    };
}

QImage imageView(const PixelBuffer& picture) {
    if (picture.isEmpty()) return QImage();
    return QImage(picture.bits(), picture.width(), picture.height(), qsizetype(picture.stride()),
                  QImage::Format_BGR888);
}

} // namespace gyrelune
