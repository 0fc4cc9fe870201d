#pragma once
// A file written beside its target and renamed over it only once complete, so
// that no reader ever finds it half-written. The new file takes the
// permissions of the file it replaces (a new one: 0666 less the umask) and is
// flushed to the disk before the rename; a symbolic link as the target has
// the file it points to replaced. Pictures and documents are saved this way.

#include <cstdio>
#include <string>

namespace gyrelune {

class FileReplacement {
  public:
    // Where a failure stopped the replacement; the target is untouched then.
    enum class Stage { none, create, write, replace };
    struct Failure {
        Stage stage = Stage::none;
        int error = 0; // errno
        explicit operator bool() const { return stage != Stage::none; }
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
    bool write(const std::string& bytes);
    // Flushes, closes and renames over the target; the failure, if any.
    Failure commit();

  private:
    void fail(Stage stage, int error);
    void discard();

    std::string target_, temporary_;
    int descriptor_ = -1;
    std::FILE* stream_ = nullptr;
    Failure failure_;
};

} // namespace gyrelune
