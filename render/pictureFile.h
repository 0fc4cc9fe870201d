#pragma once
// Picture files: JPEG through libjpeg, BMP (and PNG for the headless
// renderer) through QImage's writer, each written beside the target and
// renamed over it only when complete. Failures are reported in the window's
// Hungarian or the command line's English, with the system's reason.

#include "render/jpegEncoder.h"
#include "render/pixelBuffer.h"
#include "render/renderCore.h"

#include <QImage>

#include <string>

namespace gyrelune {

enum class PictureFormat { none, jpeg, bmp, png };

// Chosen by the exact last four characters of a name longer than four;
// ".png" only when allowPng.
PictureFormat pictureFormatOf(const std::string& name, bool allowPng);

enum class MessageLanguage { hungarian, english };

// Returns an empty string on success, else the reason nothing was written.
std::string writePictureFile(const PixelBuffer& picture, const std::string& fileName, bool allowPng,
                             JpegEncoder& encoder,
                             MessageLanguage language = MessageLanguage::hungarian);

// The program's picture saving (".jpg" and ".bmp"), for RenderCore::setPictureWriter.
PictureWriter pictureFileWriter(MessageLanguage language = MessageLanguage::hungarian);

// A read-only QImage over the buffer's memory (no copy): valid while the
// buffer is neither resized nor destroyed.
QImage imageView(const PixelBuffer& picture);

} // namespace gyrelune
