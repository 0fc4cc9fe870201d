#include "render/fileReplacement.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace gyrelune {
namespace {

std::string resolvedTarget(const std::string& fileName) {
    struct stat info;
    if (::lstat(fileName.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return fileName;
    char resolved[PATH_MAX];
    return ::realpath(fileName.c_str(), resolved) ? std::string(resolved) : fileName;
}

std::string directoryOf(const std::string& target) {
    const std::size_t slash = target.rfind('/');
    return slash == std::string::npos ? "" : target.substr(0, slash + 1);
}

// A short name of its own, so that a long target name cannot make it fail;
// O_EXCL never reuses an existing file. With flags 0 the name is only made up.
int createBeside(const std::string& target, std::string& name, int flags) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = directoryOf(target) + ".gyrelune-" + std::to_string(::getpid()) + "-" +
               std::to_string(counter++) + ".tmp";
        if (!flags) return 0;
        const int fd = ::open(name.c_str(), flags | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// A file in the target's directory that has no name yet, or -1 where the file
// system cannot make one.
int createUnnamed(const std::string& target) {
#ifdef O_TMPFILE
    const std::string directory = directoryOf(target);
    return ::open(directory.empty() ? "." : directory.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC,
                  0666);
#else
    (void)target;
    return -1;
#endif
}

} // namespace

std::string FileReplacement::Failure::reason() const {
    if (stage == Stage::notRegular) return "not a regular file (a device, FIFO or socket)";
    return std::strerror(error);
}

FileReplacement::Failure replaceableTarget(const std::string& target, std::string& resolved) {
    resolved = resolvedTarget(target);
    struct stat existing;
    if (::stat(resolved.c_str(), &existing) != 0) return {};
    if (S_ISDIR(existing.st_mode)) return {FileReplacement::Stage::create, EISDIR};
    if (!S_ISREG(existing.st_mode)) return {FileReplacement::Stage::notRegular, 0};
    // A file that could not be truncated in place must not be replaced either.
    if (::access(resolved.c_str(), W_OK) != 0) return {FileReplacement::Stage::create, errno};
    return {};
}

FileReplacement::FileReplacement(const std::string& target) {
    if (const Failure refused = replaceableTarget(target, target_)) {
        failure_ = refused;
        return;
    }
    struct stat existing;
    const bool exists = ::stat(target_.c_str(), &existing) == 0;
    descriptor_ = createUnnamed(target_);
    unnamed_ = descriptor_ >= 0;
    if (!unnamed_) descriptor_ = createBeside(target_, temporary_, O_WRONLY);
    if (descriptor_ < 0) {
        fail(Stage::create, errno);
        return;
    }
    if (exists && ::fchmod(descriptor_, existing.st_mode & 07777) != 0) fail(Stage::create, errno);
}

FileReplacement::~FileReplacement() {
    discard();
}

void FileReplacement::fail(Stage stage, int error) {
    if (!failure_) failure_ = {stage, error};
}

void FileReplacement::discard() {
    if (stream_)
        std::fclose(stream_);
    else if (descriptor_ >= 0)
        ::close(descriptor_);
    stream_ = nullptr;
    descriptor_ = -1;
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
    temporary_.clear();
}

std::FILE* FileReplacement::stream() {
    if (!stream_ && descriptor_ >= 0 && !failure_) {
        stream_ = ::fdopen(descriptor_, "wb");
        if (!stream_) fail(Stage::write, errno);
    }
    return failure_ ? nullptr : stream_;
}

bool FileReplacement::write(std::string_view bytes) {
    if (failure_) return false;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = ::write(descriptor_, bytes.data() + done, bytes.size() - done);
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote <= 0) {
            fail(Stage::write, wrote == 0 ? EIO : errno);
            return false;
        }
        done += std::size_t(wrote);
    }
    return true;
}

// Gives the unnamed file a name beside the target, just before the rename.
bool FileReplacement::link() {
    const std::string path = "/proc/self/fd/" + std::to_string(descriptor_);
    for (int attempt = 0; attempt < 100; ++attempt) {
        createBeside(target_, temporary_, 0);
        if (::linkat(AT_FDCWD, path.c_str(), AT_FDCWD, temporary_.c_str(), AT_SYMLINK_FOLLOW) == 0)
            return true;
        if (errno != EEXIST) break;
    }
    temporary_.clear();
    return false;
}

FileReplacement::Failure FileReplacement::commit() {
    if (failure_) {
        discard();
        return failure_;
    }
    errno = 0;
    if (stream_ && (std::fflush(stream_) != 0 || std::ferror(stream_)))
        fail(Stage::write, errno ? errno : EIO);
    if (!failure_ && ::fsync(descriptor_) != 0) fail(Stage::write, errno);
    if (!failure_ && unnamed_ && !link()) fail(Stage::replace, errno);
    const int closed = stream_ ? std::fclose(stream_) : ::close(descriptor_);
    if (closed != 0) fail(Stage::write, errno);
    stream_ = nullptr;
    descriptor_ = -1;
    if (!failure_ && ::rename(temporary_.c_str(), target_.c_str()) != 0)
        fail(Stage::replace, errno);
    if (!failure_) temporary_.clear(); // renamed: nothing left to remove
    discard();
    return failure_;
}

} // namespace gyrelune
