// libFuzzer entry: compiles and evaluates arbitrary texts; any disagreement
// aborts so that the input is kept.

#include "fuzz/formula/formulaFuzzCheck.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string failure = gyrelune::fuzzcheck::checkFormulaInput(data, size);
    if (!failure.empty()) {
        std::fprintf(stderr, "formula check failed: %s\n", failure.c_str());
        std::abort();
    }
    return 0;
}
