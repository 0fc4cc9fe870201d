// Saving a document without ever leaving a truncated one behind.
#include "core/atrDocument.h"

#include "core/platformErrors.h"
#include "render/fileReplacement.h"

namespace gyrelune {

void writeAtrDocument(const std::string& fileName, const AtrDocument& document) {
    FileReplacement file(fileName);
    file.write(formatAtrDocument(document));
    if (const FileReplacement::Failure failure = file.commit()) throw InOutError(failure.error);
}

} // namespace gyrelune
