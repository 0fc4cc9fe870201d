#include "render/pictureFile.h"

#include "render/fileReplacement.h"

#include <QCoreApplication>
#include <QFile>
#include <QImageWriter>

#include <cstring>
#include <memory>

namespace gyrelune {
namespace {

std::string writeWithQt(const PixelBuffer& picture, std::FILE* file, const char* format) {
    QFile device;
    if (!device.open(file, QIODevice::WriteOnly, QFileDevice::DontCloseHandle))
        return device.errorString().toStdString();
    QImageWriter writer(&device, format);
    if (!writer.write(imageView(picture))) return writer.errorString().toStdString();
    device.close();
    return {};
}

std::string encode(const PixelBuffer& picture, PictureFormat format, std::FILE* file,
                   JpegEncoder& encoder) {
    try {
        if (format == PictureFormat::jpeg) return encoder.write(picture, file);
        return writeWithQt(picture, file, format == PictureFormat::bmp ? "bmp" : "png");
    } catch (const std::exception& failure) {
        return failure.what();
    }
}

// In the interface's language: the reason ends up in the window's error box.
std::string shown(const char* text) {
    return QCoreApplication::translate("gyrelune::PictureFile", text).toStdString();
}

std::string failureText(FileReplacement::Failure failure) {
    const char* what =
        failure.stage == FileReplacement::Stage::create
            ? QT_TRANSLATE_NOOP("gyrelune::PictureFile", "nem hozható létre fájl mellette")
        : failure.stage == FileReplacement::Stage::write
            ? QT_TRANSLATE_NOOP("gyrelune::PictureFile", "az írás nem sikerült")
            : QT_TRANSLATE_NOOP("gyrelune::PictureFile", "a fájl nem cserélhető le");
    return shown(what) + ": " + std::strerror(failure.error);
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
                             JpegEncoder& encoder) {
    const PictureFormat format = pictureFormatOf(fileName, allowPng);
    if (format == PictureFormat::none)
        return shown(allowPng ? QT_TRANSLATE_NOOP("gyrelune::PictureFile",
                                                  "a név nem \".jpg\", \".bmp\" vagy \".png\" végű")
                              : QT_TRANSLATE_NOOP("gyrelune::PictureFile",
                                                  "a név nem \".jpg\" vagy \".bmp\" végű"));
    FileReplacement file(fileName);
    std::string reason;
    if (std::FILE* stream = file.stream()) reason = encode(picture, format, stream, encoder);
    if (!reason.empty()) return reason; // the file beside the target goes with `file`
    if (const FileReplacement::Failure failure = file.commit()) return failureText(failure);
    return {};
}

PictureWriter pictureFileWriter() {
    auto encoder = std::make_shared<JpegEncoder>();
    return [encoder](const PixelBuffer& picture, const std::string& fileName) {
        return writePictureFile(picture, fileName, false, *encoder);
    };
}

QImage imageView(const PixelBuffer& picture) {
    if (picture.isEmpty()) return QImage();
    return QImage(picture.bits(), picture.width(), picture.height(), qsizetype(picture.stride()),
                  QImage::Format_BGR888);
}

} // namespace gyrelune
