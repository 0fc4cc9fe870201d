#pragma once
// A file written beside its target and renamed over it only once complete, so
// that no reader ever finds it half-written. The new file takes the
// permissions of the file it replaces (a new one: 0666 less the umask) and is
// flushed to the disk before the rename; a symbolic link as the target has
// the file it points to replaced. A target that is (or links to) a device, a
// FIFO or a socket is refused: renaming over it would destroy the node. Where
// the file system allows, the new file has no name until it is complete
// (O_TMPFILE), so an interrupted program leaves nothing behind; elsewhere the
// file beside the target is named and removed on failure. Pictures, documents,
// posters and films are saved this way.

#include <cstdio>
#include <string>
#include <string_view>

namespace gyrelune {

class FileReplacement {
  public:
    // Where a failure stopped the replacement; the target is untouched then.
    // notRegular: the target is a device, FIFO or socket (error is 0 then).
    enum class Stage { none, notRegular, create, write, replace };
    struct Failure {
        Stage stage = Stage::none;
        int error = 0; // errno
        explicit operator bool() const { return stage != Stage::none; }
        // The system's reason (strerror), or "not a regular file ...".
        std::string reason() const;
    };

    // Creates the file beside target; check failure() before writing.
    explicit FileReplacement(const std::string& target);
    ~FileReplacement(); // removes the file beside the target unless committed
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    Failure failure() const { return failure_; }
    int descriptor() const { return descriptor_; }
    // A stdio stream on the descriptor, owned here; null (and a write failure) if none can be made.
    std::FILE* stream();
    // Writes all of bytes; false (and a write failure) on an error.
    bool write(std::string_view bytes);
    // Flushes, closes and renames over the target; the failure, if any.
    Failure commit();

  private:
    void fail(Stage stage, int error);
    void discard();

    bool link();

    std::string target_, temporary_;
    bool unnamed_ = false; // O_TMPFILE: no name (temporary_ empty) until linked
    int descriptor_ = -1;
    std::FILE* stream_ = nullptr;
    Failure failure_;
};

// What a replacement of target writes (the file a link leads to) in resolved;
// a failure when that is a directory, a device, a FIFO or a socket, or a file
// that may not be written. For writers that must name their own file beside it.
FileReplacement::Failure replaceableTarget(const std::string& target, std::string& resolved);

} // namespace gyrelune
