// Saving a document without ever leaving a truncated one behind.
#include "core/atrDocument.h"

#include "core/platformErrors.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace gyrelune {
namespace {

// Writing through a symbolic link replaces the file it points to.
std::string resolvedTarget(const std::string& fileName) {
    struct stat info;
    if (::lstat(fileName.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return fileName;
    char resolved[PATH_MAX];
    return ::realpath(fileName.c_str(), resolved) ? std::string(resolved) : fileName;
}

// A new file in the target's directory, with a short name of its own so that
// a long target name cannot make it fail; O_EXCL never reuses an existing file.
int createTemporary(const std::string& target, std::string& name) {
    static std::atomic<unsigned> counter{0};
    const std::size_t slash = target.rfind('/');
    const std::string directory = slash == std::string::npos ? "" : target.substr(0, slash + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = directory + ".atr-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) +
               ".tmp";
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

bool writeAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote <= 0) {
            if (wrote == 0) errno = EIO;
            return false;
        }
        done += std::size_t(wrote);
    }
    return true;
}

} // namespace

void writeAtrDocument(const std::string& fileName, const AtrDocument& document) {
    const std::string target = resolvedTarget(fileName);
    struct stat existing;
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) throw InOutError(EISDIR);
    // A file that could not be truncated in place must not be replaced either.
    if (exists && ::access(target.c_str(), W_OK) != 0) throw InOutError(errno);

    std::string temporary;
    const int fd = createTemporary(target, temporary);
    if (fd < 0) throw InOutError(errno);
    const auto fail = [&](int error) {
        ::close(fd);
        ::unlink(temporary.c_str());
        throw InOutError(error);
    };
    if (exists && ::fchmod(fd, existing.st_mode & 07777) != 0) fail(errno);
    if (!writeAll(fd, formatAtrDocument(document)) || ::fsync(fd) != 0) fail(errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        throw InOutError(error);
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        throw InOutError(error);
    }
}

} // namespace gyrelune
