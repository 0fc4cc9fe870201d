// Picture files: JPEG through libjpeg, BMP (and PNG for the headless
// renderer) through QImage's writer; written beside the target and renamed
// over it only when complete.

#include "render/jpegEncoder.h"
#include "render/renderCore.h"

#include <QFile>
#include <QImageWriter>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace gyrelune {
namespace {

enum class PictureFormat { none, jpeg, bmp, png };

// Chosen by the exact last four characters of a name longer than four.
PictureFormat formatOf(const std::string& name, bool allowPng) {
    if (name.size() <= 4) return PictureFormat::none;
    const std::string ending = name.substr(name.size() - 4);
    if (ending == ".jpg") return PictureFormat::jpeg;
    if (ending == ".bmp") return PictureFormat::bmp;
    if (ending == ".png" && allowPng) return PictureFormat::png;
    return PictureFormat::none;
}

std::string systemError(const char* what) {
    return std::string(what) + ": " + std::strerror(errno);
}

// Opens a new file beside target; created with the usual permissions (umask applies).
std::FILE* openBeside(const std::string& target, std::string& path, std::string& reason) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        path =
            target + "." + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".part";
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno == EEXIST) continue;
        if (fd < 0) break;
        if (std::FILE* file = ::fdopen(fd, "wb")) return file;
        reason = systemError("cannot open the file");
        ::close(fd);
        ::unlink(path.c_str());
        return nullptr;
    }
    reason = systemError("cannot create a file beside it");
    return nullptr;
}

std::string writeWithQt(const QImage& picture, std::FILE* file, const char* format) {
    QFile device;
    if (!device.open(file, QIODevice::WriteOnly, QFileDevice::DontCloseHandle))
        return device.errorString().toStdString();
    QImageWriter writer(&device, format);
    if (!writer.write(picture)) return writer.errorString().toStdString();
    device.close();
    return {};
}

} // namespace

std::string RenderCore::writePicture(const std::string& fileName, bool allowPng) {
    const PictureFormat format = formatOf(fileName, allowPng);
    if (format == PictureFormat::none)
        return allowPng ? "the name does not end in \".jpg\", \".bmp\" or \".png\""
                        : "the name does not end in \".jpg\" or \".bmp\"";
    std::string partPath, reason;
    std::FILE* file = openBeside(fileName, partPath, reason);
    if (!file) return reason;
    try {
        if (format == PictureFormat::jpeg) {
            if (!jpegEncoder_) jpegEncoder_ = std::make_unique<JpegEncoder>();
            reason = jpegEncoder_->write(picture_, file);
        } else {
            reason = writeWithQt(picture_, file, format == PictureFormat::bmp ? "bmp" : "png");
        }
    } catch (const std::exception& failure) {
        reason = failure.what();
    }
    if (reason.empty() && (std::fflush(file) != 0 || std::ferror(file)))
        reason = systemError("cannot write");
    if (std::fclose(file) != 0 && reason.empty()) reason = systemError("cannot write");
    if (reason.empty() && std::rename(partPath.c_str(), fileName.c_str()) != 0)
        reason = systemError("cannot replace the file");
    if (!reason.empty()) ::unlink(partPath.c_str());
    return reason;
}

// A failed save is given up (and reported) rather than retried on every pass.
void RenderCore::savePicture() {
    std::string name;
    {
        std::lock_guard lock(saveNameMutex_);
        name = saveFileName_;
        saveRequested.store(false, std::memory_order_relaxed);
    }
    const std::string reason = writePicture(name);
    if (!reason.empty() && onSaveFailed) onSaveFailed(name, reason);
}

} // namespace gyrelune
