// Replays the document fuzzer's seeds and the inputs it found and keeps.
#include "coreTestSupport.h"
#include "fuzz/core/documentFuzzCheck.h"

#include <gtest/gtest.h>

namespace gyrelune {
namespace {

TEST(DocumentFuzzRegression, FoundInputsPassTheChecks) {
    int replayed = 0;
    for (const char* directory : {GYRELUNE_FUZZ_DIR "/corpus", GYRELUNE_FUZZ_DIR "/found"}) {
        if (!std::filesystem::exists(directory)) continue;
        for (const auto& entry : std::filesystem::directory_iterator(directory)) {
            const std::string bytes = test::readBytes(entry.path().string());
            checkDocumentBytes(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
            ++replayed;
        }
    }
    EXPECT_GT(replayed, 0);
}

TEST(DocumentFuzzRegression, AHugeCountInAShortFileStaysSmall) {
    const std::string bytes = "\n\n\n\n\n\n\n\n\n2000000000\n1\n2\n3\n0\n0\n0\n2000000000\na\n";
    checkDocumentBytes(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

} // namespace
} // namespace gyrelune
