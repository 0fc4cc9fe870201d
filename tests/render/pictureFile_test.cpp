// Picture files, read back with real decoders.

#include "render/fileReplacement.h"
#include "render/pictureFile.h"
#include "render/renderThread.h"
#include "renderTestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <csetjmp>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using namespace gyrelune;
using namespace gyrelune::test;

namespace {

struct DecodedJpeg {
    bool ok = false;
    int width = 0, height = 0, components = 0;
    J_COLOR_SPACE colourSpace = JCS_UNKNOWN;
    bool progressive = false, jfif = false;
    std::array<std::array<int, 64>, 2> quant{}; // natural order
    std::vector<std::uint8_t> rgb;
};

struct JumpingErrors {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void jumpBack(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JumpingErrors*>(info->err)->jump, 1);
}

DecodedJpeg decodeJpeg(const QByteArray& bytes) {
    DecodedJpeg d;
    jpeg_decompress_struct info;
    JumpingErrors errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = jumpBack;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        d.ok = false;
        return d;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()),
                 (unsigned long)bytes.size());
    jpeg_read_header(&info, TRUE);
    d.components = info.num_components;
    d.colourSpace = info.jpeg_color_space;
    d.progressive = info.progressive_mode;
    d.jfif = info.saw_JFIF_marker;
    for (int t = 0; t < 2; ++t)
        for (int i = 0; t < NUM_QUANT_TBLS && info.quant_tbl_ptrs[t] && i < 64; ++i)
            d.quant[t][i] = info.quant_tbl_ptrs[t]->quantval[i];
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    d.width = int(info.output_width);
    d.height = int(info.output_height);
    d.rgb.resize(std::size_t(d.width) * d.height * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = d.rgb.data() + std::size_t(info.output_scanline) * d.width * 3;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    d.ok = true;
    return d;
}

// libjpeg's example tables (natural order), scaled as quality 90 scales them.
std::array<int, 64> scaledForQuality90(const std::array<int, 64>& base) {
    std::array<int, 64> out{};
    for (int i = 0; i < 64; ++i)
        out[i] = std::clamp((base[i] * 20 + 50) / 100, 1, 255);
    return out;
}
const std::array<int, 64> luminance = {
    16, 11, 10, 16, 24,  40,  51,  61,  12, 12, 14, 19, 26,  58,  60,  55,
    14, 13, 16, 24, 40,  57,  69,  56,  14, 17, 22, 29, 51,  87,  80,  62,
    18, 22, 37, 56, 68,  109, 103, 77,  24, 35, 55, 64, 81,  104, 113, 92,
    49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99};
const std::array<int, 64> chrominance = {
    17, 18, 24, 47, 99, 99, 99, 99, 18, 21, 26, 66, 99, 99, 99, 99, 24, 26, 56, 99, 99, 99,
    99, 99, 47, 66, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99,
    99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99};

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class PictureFiles : public testing::Test {
  protected:
    QTemporaryDir dir;
    RandomGenerator random;
    RenderCore core{random};
    std::vector<std::pair<std::string, std::string>> failures;

    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        Settings s;
        s.background = packColour(40, 80, 120);
        drawNow(core, s, 64, 48);
        core.setPictureWriter(pictureFileWriter());
        core.setSaveFailedHandler([this](const std::string& name, const std::string& reason) {
            failures.emplace_back(name, reason);
        });
    }
    std::string path(const char* name) const { return dir.filePath(name).toStdString(); }
    void save(const std::string& name) {
        core.requestSave(name);
        core.savePicture();
        EXPECT_FALSE(core.saveRequested());
    }
    QStringList entries() const {
        return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }
};

TEST_F(PictureFiles, JpegIsBaselineColourJfifOfQuality90) {
    save(path("picture.jpg"));
    EXPECT_TRUE(failures.empty());
    const QByteArray bytes = readAll(dir.filePath("picture.jpg"));
    ASSERT_FALSE(bytes.isEmpty());
    EXPECT_TRUE(bytes.contains(QByteArray("\xFF\xC0", 2)));  // baseline frame
    EXPECT_FALSE(bytes.contains(QByteArray("\xFF\xC2", 2))); // no progressive frame
    const DecodedJpeg d = decodeJpeg(bytes);
    ASSERT_TRUE(d.ok);
    EXPECT_EQ(d.width, 64);
    EXPECT_EQ(d.height, 48);
    EXPECT_EQ(d.components, 3);
    EXPECT_EQ(d.colourSpace, JCS_YCbCr);
    EXPECT_TRUE(d.jfif);
    EXPECT_FALSE(d.progressive);
    EXPECT_EQ(d.quant[0], scaledForQuality90(luminance));
    EXPECT_EQ(d.quant[1], scaledForQuality90(chrominance));
    const std::uint8_t* centre = &d.rgb[(24 * 64 + 32) * 3];
    EXPECT_NEAR(centre[0], 40, 3);
    EXPECT_NEAR(centre[1], 80, 3);
    EXPECT_NEAR(centre[2], 120, 3);
    EXPECT_EQ(entries(), QStringList{"picture.jpg"});
}

TEST_F(PictureFiles, BmpIsUncompressed24BitAndExactAndReplacesAnOldFileWhole) {
    QFile old(dir.filePath("picture.bmp"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(1 << 20, 'x'));
    old.close();
    plotAt(core, 3, 4, 0);
    plotAt(core, 3, 4, 2);
    plotAt(core, -5, 2, 1);
    save(path("picture.bmp"));
    EXPECT_TRUE(failures.empty());
    const QByteArray bytes = readAll(dir.filePath("picture.bmp"));
    ASSERT_GT(bytes.size(), 54);
    EXPECT_EQ(bytes.left(2), "BM");
    EXPECT_EQ(std::uint8_t(bytes[28]) | std::uint8_t(bytes[29]) << 8, 24);
    EXPECT_EQ(bytes.mid(30, 4), QByteArray(4, '\0'));
    const QImage read(dir.filePath("picture.bmp"));
    ASSERT_EQ(read.size(), QSize(core.picture().width(), core.picture().height()));
    EXPECT_TRUE(read.convertToFormat(QImage::Format_BGR888) == imageView(core.picture()));
    EXPECT_EQ(entries(), QStringList{"picture.bmp"});
}

TEST_F(PictureFiles, PngOnlyWhenAllowed) {
    JpegEncoder encoder;
    EXPECT_EQ(writePictureFile(core.picture(), path("picture.png"), false, encoder),
              "a név nem \".jpg\" vagy \".bmp\" végű");
    EXPECT_TRUE(entries().isEmpty());
    EXPECT_EQ(writePictureFile(core.picture(), path("picture.png"), true, encoder), "");
    EXPECT_TRUE(QImage(dir.filePath("picture.png")).convertToFormat(QImage::Format_BGR888) ==
                imageView(core.picture()));
}

TEST_F(PictureFiles, NamesDecideTheFormatAndEveryRefusalIsReported) {
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    save("a.jpg"); // five characters
    save("b.bmp");
    for (const char* refused : {".jpg", ".bmp", "c.JPG", "d.jpeg", "e.BMP", "f.jpg.txt", ""})
        save(refused);
    QDir::setCurrent(previous);
    EXPECT_EQ(entries(), (QStringList{"a.jpg", "b.bmp"}));
    ASSERT_EQ(failures.size(), 7u);
    EXPECT_EQ(failures[0].first, ".jpg");
    EXPECT_EQ(failures[3].first, "d.jpeg");
    for (const auto& f : failures)
        EXPECT_FALSE(f.second.empty());
}

TEST_F(PictureFiles, UnwritableTargetsAreReportedAndLeaveNothingBehind) {
    save(path("missing/picture.jpg"));
    ASSERT_TRUE(QDir(dir.path()).mkdir("taken.bmp"));
    save(path("taken.bmp")); // a directory cannot be replaced by the file
    ASSERT_EQ(failures.size(), 2u);
    EXPECT_EQ(failures[0].second, "nem hozható létre fájl mellette: No such file or directory");
    EXPECT_EQ(failures[1].first, path("taken.bmp"));
    EXPECT_EQ(entries(), QStringList{"taken.bmp"});
}

// A FIFO (or a link to one) is refused and stays; a full disk names its
// reason; the file being written has no name until it is complete.
TEST_F(PictureFiles, NonRegularTargetsStayAndFailuresSayWhy) {
    ASSERT_EQ(::mkfifo(path("fifo.bmp").c_str(), 0644), 0);
    ASSERT_EQ(::symlink(path("fifo.bmp").c_str(), path("link.jpg").c_str()), 0);
    save(path("fifo.bmp"));
    save(path("link.jpg"));
    rlimit saved;
    ::getrlimit(RLIMIT_FSIZE, &saved);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 100;
    ::setrlimit(RLIMIT_FSIZE, &small);
    save(path("full.bmp"));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    ASSERT_EQ(failures.size(), 3u);
    EXPECT_EQ(failures[0].second, "nem közönséges fájl (eszköz, FIFO vagy socket)");
    EXPECT_EQ(failures[1].second, failures[0].second);
    EXPECT_EQ(failures[2].second, "az írás nem sikerült: File too large");
    struct stat info;
    ASSERT_EQ(::stat(path("fifo.bmp").c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));

    FileReplacement file(path("new.bmp"));
    EXPECT_TRUE(file.write("half"));
    EXPECT_EQ(entries(), QStringList{"link.jpg"}); // QDir lists no FIFO
    EXPECT_FALSE(file.commit());
    EXPECT_EQ(entries(), (QStringList{"link.jpg", "new.bmp"}));
}

TEST_F(PictureFiles, AReplacedPictureKeepsItsPermissions) {
    const std::string name = path("kept.bmp");
    save(name);
    ASSERT_EQ(::chmod(name.c_str(), 0640), 0);
    save(name);
    struct stat info;
    ASSERT_EQ(::stat(name.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_TRUE(failures.empty());
}

TEST(RenderThreadSaving, ForwardsRefusedSavesAsASignal) {
    RenderThread thread;
    thread.core().setUp(10, 10);
    QString name, reason;
    QObject::connect(&thread, &RenderThread::saveFailed, [&](const QString& n, const QString& r) {
        name = n;
        reason = r;
    });
    thread.core().requestSave("picture.gif");
    thread.core().savePicture();
    EXPECT_EQ(name, "picture.gif");
    EXPECT_FALSE(reason.isEmpty());
}

} // namespace
