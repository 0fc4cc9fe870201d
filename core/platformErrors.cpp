#include "core/platformErrors.h"

#include <cerrno>

namespace gyrelune {

std::string inOutErrorMessage(int errnoValue) {
    switch (errnoValue) {
    case ENOENT:
        return "File not found";
    case ENOTDIR:
    case ENAMETOOLONG:
    case EINVAL:
    case EILSEQ:
    case ELOOP:
        return "Invalid filename";
    case EMFILE:
    case ENFILE:
        return "Too many open files";
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
    case EBUSY:
        return "File access denied";
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return "Disk full";
    default:
        return "I/O error " + std::to_string(errnoValue);
    }
}

InOutError::InOutError(int errnoValue, const std::string& fileName)
    : std::runtime_error(inOutErrorMessage(errnoValue) + (fileName.empty() ? "" : ": " + fileName)),
      errno_(errnoValue) {}

} // namespace gyrelune
