// libFuzzer entry: arbitrary bytes as an attractor document.
#include "fuzz/core/documentFuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    gyrelune::checkDocumentBytes(data, size);
    return 0;
}
