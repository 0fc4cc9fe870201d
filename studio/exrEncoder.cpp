#include "studio/imageEncoders.h"

#include <ImfChannelList.h>
#include <ImfCompression.h>
#include <ImfFrameBuffer.h>
#include <ImfHeader.h>
#include <ImfIO.h>
#include <ImfOutputFile.h>
#include <ImfStandardAttributes.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace gyrelune {
namespace {

// OpenEXR seeks back to write its offset table, so it gets a seekable stdio stream.
class StdioStream : public Imf::OStream {
  public:
    explicit StdioStream(std::FILE* file) : Imf::OStream("picture"), file_(file) {}
    void write(const char data[], int count) override {
        if (std::fwrite(data, 1, std::size_t(count), file_) != std::size_t(count)) fail();
    }
    std::uint64_t tellp() override { return std::uint64_t(::ftello(file_)); }
    void seekp(std::uint64_t position) override {
        if (::fseeko(file_, off_t(position), SEEK_SET) != 0) fail();
    }

  private:
    [[noreturn]] void fail() { throw std::runtime_error(std::strerror(errno ? errno : EIO)); }
    std::FILE* file_;
};

Imf::Header header(int width, int height, const ImageFileOptions& options) {
    Imf::Header result(width, height);
    for (const char* name : {"R", "G", "B"})
        result.channels().insert(name, Imf::Channel(Imf::FLOAT));
    result.compression() = Imf::ZIP_COMPRESSION;
    if (options.dotsPerInch > 0) Imf::addXDensity(result, float(options.dotsPerInch));
    return result;
}

// Rows go to the library a band at a time.
constexpr int bandRows = 64;

} // namespace

std::string encodeExr(RowSource& rows, std::FILE* file, const ImageFileOptions& options) {
    StdioStream stream(file);
    Imf::OutputFile output(stream, header(rows.width(), rows.height(), options), 1);
    const std::size_t rowSamples = std::size_t(rows.width()) * 3;
    std::vector<float> band(rowSamples * bandRows);
    for (int top = 0; top < rows.height(); top += bandRows) {
        const int count = std::min(bandRows, rows.height() - top);
        for (int y = 0; y < count; ++y)
            std::copy_n(rows.linear(top + y), rowSamples,
                        band.data() + std::size_t(y) * rowSamples);
        Imf::FrameBuffer frame;
        const char* names[3] = {"R", "G", "B"};
        for (int c = 0; c < 3; ++c)
            frame.insert(names[c],
                         Imf::Slice::Make(Imf::FLOAT, band.data() + c, IMATH_NAMESPACE::V2i(0, top),
                                          rows.width(), count, 3 * sizeof(float),
                                          rowSamples * sizeof(float)));
        output.setFrameBuffer(frame);
        output.writePixels(count);
    }
    return {};
}

} // namespace gyrelune
