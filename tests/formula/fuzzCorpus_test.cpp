// Replays every input that the formula fuzzer kept.

#include "fuzz/formula/formulaFuzzCheck.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

TEST(FuzzCorpus, EveryKeptInputPasses) {
    namespace fs = std::filesystem;
    int replayed = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(GYRELUNE_FUZZ_CORPUS)) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
        EXPECT_EQ(gyrelune::fuzzcheck::checkFormulaInput(
                      reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()),
                  "")
            << entry.path();
        ++replayed;
    }
    EXPECT_GT(replayed, 0);
}

} // namespace
