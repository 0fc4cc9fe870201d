// Saving a document without ever leaving a truncated one behind.
#include "core/atrDocument.h"

#include "core/platformErrors.h"
#include "render/fileReplacement.h"

namespace gyrelune {

void writeAtrDocument(const std::string& fileName, const AtrDocument& document) {
    FileReplacement file(fileName);
    file.write(formatAtrDocument(document));
    const FileReplacement::Failure failure = file.commit();
    if (failure.stage == FileReplacement::Stage::notRegular)
        throw std::runtime_error("Not a regular file: " + fileName);
    if (failure) throw InOutError(failure.error, fileName);
}

} // namespace gyrelune
