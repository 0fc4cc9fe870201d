// Replays the document fuzzer's seeds and the inputs it found and keeps.
#include "core/atrDocument.h"
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
    const ReadResult read = parseAtrDocument(bytes);
    // Eight lines are left after the count: three stops begin within the file.
    ASSERT_EQ(read.document.colourStops.size(), 3u);
    EXPECT_LE(read.document.colourStops.capacity(), 3u);
    EXPECT_EQ(read.document.colourStops[0], (ColourStop{1, 2, 3}));
    EXPECT_TRUE(read.document.parameters.empty());
    checkDocumentBytes(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

} // namespace
} // namespace gyrelune
