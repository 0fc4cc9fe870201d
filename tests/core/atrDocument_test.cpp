#include "core/atrDocument.h"
#include "core/documentOpen.h"
#include "core/documentWarnings.h"
#include "core/headlessSession.h"
#include "core/platformErrors.h"
#include "coreTestSupport.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace gyrelune {
namespace {

const char* const defaultDocument = "sin(x*y*4.36/pi)+y*0.453+0.45\r\n"
                                    "1.795*cos(x)-1.5324*sin(x*1.65/pi)\r\n"
                                    "1.93*cos(y*x)+0.49*sin(x)\r\n"
                                    "111.78418\r\n"
                                    "0.290\r\n"
                                    "-0.362\r\n"
                                    "0\r\n0\r\n0\r\n"
                                    "4\r\n"
                                    "255\r\n0\r\n0\r\n"
                                    "255\r\n255\r\n0\r\n"
                                    "0\r\n255\r\n0\r\n"
                                    "0\r\n0\r\n255\r\n"
                                    "0\r\n0\r\n0\r\n"
                                    "0\r\n";

AtrDocument savedDocument(HeadlessSession& session, RenderCore& core) {
    return documentToSave(session.wiring(), core.submitted().colours, core.submitted().background);
}

TEST(AtrDocument, DefaultSetUpAfterOneDrawIsTheTwentySixLineExample) {
    HeadlessSession session;
    RenderCore core;
    DirectDrawServices services(core, 64, 64);
    session.draw(services);
    test::ScratchDirectory dir;
    const std::string name = dir.file("default.atr");
    writeAtrDocument(name, savedDocument(session, core));
    EXPECT_EQ(test::readBytes(name), defaultDocument);

    const ReadResult read = readAtrDocument(name);
    ASSERT_EQ(read.stage, ReadStage::complete);
    EXPECT_EQ(read.document.texts[0], "sin(x*y*4.36/pi)+y*0.453+0.45");
    EXPECT_EQ(read.document.colourStops, defaultColourStops());
    EXPECT_EQ(read.document.background, 0);
    EXPECT_TRUE(read.document.parameters.empty());
    EXPECT_EQ(formatAtrDocument(read.document), defaultDocument);
}

// Gain and picture size follow the parameters, where a reader of the plain
// format never looks; without them gain and size stay as they are.
TEST(AtrDocument, PicturePartIsOptionalAndInvisibleToPlainReaders) {
    AtrDocument withPicture = parseAtrDocument(defaultDocument).document;
    EXPECT_FALSE(withPicture.hasPicturePart);
    withPicture.hasPicturePart = true;
    withPicture.gainText = "4000";
    withPicture.pictureWidth = 800;
    withPicture.pictureHeight = 600;
    const std::string bytes = formatAtrDocument(withPicture);
    EXPECT_EQ(bytes, std::string(defaultDocument) + "4000\r\n800\r\n600\r\n");
    EXPECT_EQ(parseAtrDocument(bytes).document, withPicture);
    EXPECT_FALSE(
        parseAtrDocument(std::string(defaultDocument) + "\r\n\r\n").document.hasPicturePart);

    HeadlessSession session;
    const auto gain = [&session] { return session.mainFields[6].text(); };
    std::pair<int, int> size;
    SessionWiring wiring = session.wiring();
    wiring.setPictureSize = [&size](int width, int height) { size = {width, height}; };
    applyOpenedDocument(parseAtrDocument(defaultDocument), wiring, {});
    EXPECT_EQ(gain(), "1500");
    EXPECT_EQ(size, std::make_pair(0, 0));
    applyOpenedDocument(parseAtrDocument(bytes), wiring, {});
    EXPECT_EQ(gain(), "4000");
    EXPECT_EQ(size, std::make_pair(800, 600));
}

TEST(AtrDocument, SavedBeforeTheFirstDrawHoldsNoColours) {
    HeadlessSession session;
    RenderCore core;
    const std::string bytes = formatAtrDocument(savedDocument(session, core));
    EXPECT_NE(bytes.find("\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"), std::string::npos);
    const ReadResult read = parseAtrDocument(bytes);
    EXPECT_TRUE(read.document.colourStops.empty());
}

TEST(AtrDocument, ParametersRoundTripInListOrder) {
    AtrDocument document;
    document.texts = {"a*x", "b", "z", "100", "0", "0", "10", "20", "30"};
    document.colourStops = {{1, 2, 3}, {250, 251, 252}};
    document.background = 0x030201;
    document.hasParameterPart = true;
    document.parameters = {{"a", "-2", "2", "0.5"}, {"b", "0", "1", "1/3"}};
    const std::string bytes = formatAtrDocument(document);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 14 + 3 * 2 + 4 * 2);
    EXPECT_EQ(bytes.substr(bytes.size() - 5), "1/3\r\n");
    EXPECT_EQ(parseAtrDocument(bytes).document, document);
}

TEST(AtrDocument, LineEndingsAndEndOfFileMark) {
    const ReadResult read =
        parseAtrDocument("lf\ncrlf\r\nlone\rcr\n\n\n\n\n\n\n2\n1\n2\n3\n4\n5\n6\n7\n8\n9\x1a"
                         "0\nignored\n");
    EXPECT_EQ(read.document.texts[0], "lf");
    EXPECT_EQ(read.document.texts[1], "crlf");
    EXPECT_EQ(read.document.texts[2], "lonecr");
    ASSERT_EQ(read.document.colourStops.size(), 2u);
    EXPECT_EQ(read.document.colourStops[1], (ColourStop{4, 5, 6}));
    EXPECT_EQ(read.document.background, 7 + 256 * 8 + 65536 * 9);
    EXPECT_FALSE(read.document.hasParameterPart); // Ctrl-Z ends the file
    EXPECT_EQ(read.stage, ReadStage::complete);
}

TEST(AtrDocument, MissingLinesReadAsEmpty) {
    ReadResult read = parseAtrDocument("x*y\r\n");
    EXPECT_EQ(read.stage, ReadStage::complete);
    EXPECT_EQ(read.document.texts[0], "x*y");
    EXPECT_EQ(read.document.texts[8], "");
    EXPECT_TRUE(read.document.colourStops.empty());
    EXPECT_EQ(read.document.background, 0);
    EXPECT_FALSE(read.document.hasParameterPart);

    // Stops are cut short by the end of the file; what is missing reads as 0.
    read = parseAtrDocument("\n\n\n\n\n\n\n\n\n3\n10\n20\n30\n40");
    ASSERT_EQ(read.document.colourStops.size(), 2u);
    EXPECT_EQ(read.document.colourStops[1], (ColourStop{40, 0, 0}));
}

TEST(AtrDocument, IntegerLinesKeepTheirLeadingIntegerAndLowEightBits) {
    const ReadResult read = parseAtrDocument(
        "\n\n\n\n\n\n\n\n\n1 stop\n256\n-1\n  $1F0x\n511\n12abc\n\n1\nq\n-3\n4\n5\n");
    ASSERT_EQ(read.document.colourStops.size(), 1u);
    EXPECT_EQ(read.document.colourStops[0], (ColourStop{0, 255, 0xF0}));
    EXPECT_EQ(read.document.background, 255 + 256 * 12);
    ASSERT_EQ(read.document.parameters.size(), 1u);
    EXPECT_EQ(read.document.parameters[0], (StoredParameter{"q", "-3", "4", "5"}));
}

TEST(AtrDocument, NegativeCountsStopTheReadWithARangeError) {
    ReadResult read = parseAtrDocument("a\nb\nc\nd\ne\nf\ng\nh\ni\n-1\n");
    EXPECT_EQ(read.stage, ReadStage::texts);
    EXPECT_EQ(read.error, "Range check error");
    EXPECT_EQ(read.document.texts[8], "i");

    read = parseAtrDocument("\n\n\n\n\n\n\n\n\n1\n1\n2\n3\n4\n5\n6\n-2\n");
    EXPECT_EQ(read.stage, ReadStage::background);
    EXPECT_EQ(read.error, "Range check error");
    EXPECT_EQ(read.document.colourStops.size(), 1u);
}

TEST(AtrDocument, HugeCountsInAShortFileAreBounded) {
    ReadResult read = parseAtrDocument("\n\n\n\n\n\n\n\n\n2000000000\n1\n2\n3\n4\n");
    EXPECT_EQ(read.document.colourStops.size(), 2u);
    EXPECT_EQ(read.document.background, 0);
    EXPECT_FALSE(read.document.hasParameterPart);

    read = parseAtrDocument("\n\n\n\n\n\n\n\n\n0\n0\n0\n0\n2000000000\nname\n");
    EXPECT_EQ(read.stage, ReadStage::complete);
    ASSERT_EQ(read.document.parameters.size(), 1u);
    EXPECT_EQ(read.document.parameters[0], (StoredParameter{"name", "", "", ""}));
}

TEST(AtrDocument, ARepeatedNameKeepsItsFirstPlaceWithTheLaterTexts) {
    const ReadResult read = parseAtrDocument("\n\n\n\n\n\n\n\n\n0\n0\n0\n0\n4\n"
                                             "a\n-2\n2\n1\nb\n0\n1\n0\na\n-3\n3\n2\na\n-4\n4\n3\n");
    ASSERT_EQ(read.document.parameters.size(), 2u);
    EXPECT_EQ(read.document.parameters[0], (StoredParameter{"a", "-4", "4", "3"}));
    EXPECT_EQ(read.document.parameters[1].name, "b");
}

TEST(AtrDocument, OversizedFilesAreRefusedWhole) {
    ReadResult read = parseAtrDocument(std::string(maximumDocumentLines + 1, '\n'));
    EXPECT_EQ(read.stage, ReadStage::nothing);
    EXPECT_EQ(read.error, "Too many lines (a document holds at most 1048576)");
    read = parseAtrDocument(std::string(maximumDocumentBytes + 1, 'x'));
    EXPECT_EQ(read.error, "File too large (a document holds at most 16 MB)");
    EXPECT_EQ(parseAtrDocument(std::string(maximumDocumentLines, '\n')).stage, ReadStage::complete);
}

TEST(AtrDocument, WarningsSayWhatTheReaderPassesOver) {
    EXPECT_TRUE(documentWarnings(defaultDocument).empty());
    using Warnings = std::vector<std::string>;
    EXPECT_EQ(documentWarnings(""), Warnings{"the document is empty"});
    EXPECT_EQ(documentWarnings(std::string("x\r\n\0\0", 5)),
              Warnings{"the document is not text: it holds NUL or other control bytes"});
    EXPECT_EQ(documentWarnings("x\ry\rz\r"),
              (Warnings{"its lines end with a lone CR, so the document reads as a single line",
                        "the document ends after line 1, before its colours"}));
    EXPECT_EQ(documentWarnings("x\n\n\nNaN\n0\n0\n0\n0\n0\n1\n2\nred\n0\n0\n0x1F\n0\n"
                               "1\na\n-inf\n1\n1\n"),
              (Warnings{"line 4: 'NaN' is NaN or infinity, which no field holds",
                        "line 12: 'red' is not a whole number",
                        "line 19: '-inf' is NaN or infinity, which no field holds"}));
    std::string many = "x\n\n\n\n\n\n\n\n\n0\n0\n0\n0\n1000\n";
    for (int i = 0; i < 1000; ++i)
        many += "a\n0\n1\nnan\n";
    const Warnings warnings = documentWarnings(many);
    ASSERT_EQ(warnings.size(), 6u);
    EXPECT_EQ(warnings.back(), "and more after those");
}

TEST(AtrDocument, OldDocumentsAreReadInTheirCodePage) {
    // "Fényerő" in Windows-1250, and the same in UTF-8.
    const ReadResult read =
        parseAtrDocument("F\xe9nyer\xf5\r\nF\xc3\xa9nyer\xc5\x91\r\n\x8a\x9a\r\n");
    EXPECT_EQ(read.document.texts[0], "F\xc3\xa9nyer\xc5\x91");
    EXPECT_EQ(read.document.texts[1], "F\xc3\xa9nyer\xc5\x91");
    EXPECT_EQ(read.document.texts[2], "\xc5\xa0\xc5\xa1"); // Š š
    EXPECT_FALSE(isValidUtf8("\xc0\x80"));                 // overlong
    EXPECT_FALSE(isValidUtf8("\xed\xa0\x80"));             // surrogate
    EXPECT_TRUE(isValidUtf8("\xf0\x9f\x99\x82"));
}

TEST(AtrDocument, LineBreaksInsideATextCannotShiftTheLayout) {
    AtrDocument document;
    document.texts[0] = "a\nb\rc\x1a";
    const ReadResult read = parseAtrDocument(formatAtrDocument(document));
    EXPECT_EQ(read.document.texts[0], "a b c ");
    EXPECT_EQ(read.document.texts[1], "");
}

TEST(AtrDocument, UnreadableFilesGiveThePlatformMessage) {
    test::ScratchDirectory dir;
    ReadResult read = readAtrDocument(dir.file("missing.atr"));
    EXPECT_EQ(read.stage, ReadStage::nothing);
    EXPECT_EQ(read.error, "File not found");
    read = readAtrDocument(dir.path().string());
    EXPECT_EQ(read.error, "File access denied");
    EXPECT_EQ(inOutErrorMessage(EIO), "I/O error " + std::to_string(EIO));
}

std::string saveError(const std::string& name, const AtrDocument& document) {
    try {
        writeAtrDocument(name, document);
    } catch (const InOutError& error) {
        return error.what();
    }
    return {};
}

TEST(AtrDocument, AFailedSaveLeavesTheOldFileWholeAndNothingBeside) {
    test::ScratchDirectory dir;
    AtrDocument document;
    document.texts[0] = std::string(200, 'x');
    EXPECT_EQ(saveError(dir.file("no/such/dir.atr"), document),
              "File not found: " + dir.file("no/such/dir.atr"));
    std::filesystem::create_directory(dir.file("sub"));
    EXPECT_EQ(saveError(dir.file("sub"), document), "File access denied: " + dir.file("sub"));

    const std::string name = dir.file("kept.atr");
    test::writeBytes(name, "old");
    // The file size limit makes the write fail half-way.
    rlimit saved;
    ::getrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 100;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const std::string error = saveError(name, document);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_EQ(error, "Disk full: " + name);
    EXPECT_EQ(test::readBytes(name), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
}

TEST(AtrDocument, SavingKeepsTheFileModeAndTakesLongNames) {
    test::ScratchDirectory dir;
    AtrDocument document;
    const std::string name = dir.file(std::string(250, 'n') + ".atr");
    test::writeBytes(name, "old");
    ::chmod(name.c_str(), 0640);
    writeAtrDocument(name, document);
    struct stat info;
    ASSERT_EQ(::stat(name.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(test::readBytes(name), formatAtrDocument(document));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

} // namespace
} // namespace gyrelune
