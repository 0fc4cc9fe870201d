// Frame files through libavcodec's PNG encoder and decoder.
#include "render/fileReplacement.h"
#include "studio/film/filmOutput.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libswscale/swscale.h>
}

#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>

namespace gyrelune {
namespace {

struct CodecDeleter {
    void operator()(AVCodecContext* c) const { avcodec_free_context(&c); }
    void operator()(AVFrame* f) const { av_frame_free(&f); }
    void operator()(AVPacket* p) const { av_packet_free(&p); }
};
template <typename T> using Owned = std::unique_ptr<T, CodecDeleter>;

Owned<AVCodecContext> openCodec(const AVCodec* codec, int width, int height) {
    if (!codec) throw FilmError("this FFmpeg has no PNG codec");
    Owned<AVCodecContext> context(avcodec_alloc_context3(codec));
    context->width = width;
    context->height = height;
    context->pix_fmt = AV_PIX_FMT_RGB24;
    context->time_base = AVRational{1, 1};
    if (avcodec_open2(context.get(), codec, nullptr) < 0)
        throw FilmError("cannot open the PNG codec");
    return context;
}

std::string encodePng(const RgbFrame& picture) {
    auto encoder = openCodec(avcodec_find_encoder(AV_CODEC_ID_PNG), picture.width, picture.height);
    Owned<AVFrame> frame(av_frame_alloc());
    Owned<AVPacket> packet(av_packet_alloc());
    frame->format = AV_PIX_FMT_RGB24;
    frame->width = picture.width;
    frame->height = picture.height;
    if (av_frame_get_buffer(frame.get(), 0) < 0) throw FilmError("out of memory");
    for (int y = 0; y < picture.height; ++y)
        std::memcpy(frame->data[0] + std::ptrdiff_t(y) * frame->linesize[0],
                    &picture.pixels[std::size_t(y) * 3 * picture.width],
                    3 * std::size_t(picture.width));
    if (avcodec_send_frame(encoder.get(), frame.get()) < 0 ||
        avcodec_receive_packet(encoder.get(), packet.get()) < 0)
        throw FilmError("cannot encode a PNG frame");
    return std::string(reinterpret_cast<const char*>(packet->data), std::size_t(packet->size));
}

RgbFrame toRgb(const AVFrame& decoded) {
    RgbFrame picture{decoded.width, decoded.height,
                     std::vector<std::uint8_t>(3 * std::size_t(decoded.width) * decoded.height)};
    SwsContext* scaler =
        sws_getContext(decoded.width, decoded.height, AVPixelFormat(decoded.format), decoded.width,
                       decoded.height, AV_PIX_FMT_RGB24, SWS_POINT, nullptr, nullptr, nullptr);
    if (!scaler) throw FilmError("cannot convert the frame to RGB");
    std::uint8_t* target[1] = {picture.pixels.data()};
    const int stride[1] = {3 * decoded.width};
    sws_scale(scaler, decoded.data, decoded.linesize, 0, decoded.height, target, stride);
    sws_freeContext(scaler);
    return picture;
}

} // namespace

void writeFramePng(const std::string& fileName, const RgbFrame& frame) {
    const std::string bytes = encodePng(frame);
    FileReplacement file(fileName);
    if (!file.failure() && file.write(bytes) && !file.commit()) return;
    throw FilmError("cannot write '" + fileName + "': " + file.failure().reason());
}

RgbFrame readFramePng(const std::string& fileName) {
    std::ifstream in(fileName, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    if (!in.good() && !in.eof()) throw FilmError("cannot read '" + fileName + "'");
    auto decoder = openCodec(avcodec_find_decoder(AV_CODEC_ID_PNG), 0, 0);
    Owned<AVPacket> packet(av_packet_alloc());
    Owned<AVFrame> frame(av_frame_alloc());
    if (av_new_packet(packet.get(), int(bytes.size())) < 0) throw FilmError("out of memory");
    std::memcpy(packet->data, bytes.data(), bytes.size());
    if (avcodec_send_packet(decoder.get(), packet.get()) < 0 ||
        avcodec_receive_frame(decoder.get(), frame.get()) < 0)
        throw FilmError("'" + fileName + "' is not a PNG picture");
    return toRgb(*frame);
}

} // namespace gyrelune
