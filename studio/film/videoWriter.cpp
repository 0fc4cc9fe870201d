// The encoder and muxer of a film file; the file's name beside the target is
// what libavformat opens, because fast start reads the file back by its name.
#include "studio/film/filmOutput.h"
#include "studio/film/gifPalette.h"

#include "render/fileReplacement.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace gyrelune {
namespace {

std::string avError(int code) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return text;
}

void check(int code, const char* what) {
    if (code < 0) throw FilmError(std::string(what) + ": " + avError(code));
}

struct Muxing {
    const char* format;
    const char* encoder;
    AVPixelFormat pixels;
};

Muxing muxingOf(FilmFormat format) {
    switch (format) {
    case FilmFormat::mp4:
        return {"mp4", "libx264", AV_PIX_FMT_YUV420P};
    case FilmFormat::webm:
        return {"webm", "libvpx-vp9", AV_PIX_FMT_YUV420P};
    default:
        return {"gif", "gif", AV_PIX_FMT_PAL8};
    }
}

// A name beside target that no one else uses, created empty.
std::string createBeside(const std::string& target) {
    const std::size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    std::string pattern = folder + "." + name + ".XXXXXX";
    const int descriptor = ::mkstemp(pattern.data());
    if (descriptor < 0)
        throw FilmError("cannot create a file beside '" + target + "': " + std::strerror(errno));
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(descriptor, 0666 & ~mask);
    ::close(descriptor);
    return pattern;
}

void syncAndRename(const std::string& temporary, const std::string& destination,
                   const std::string& target) {
    const int descriptor = ::open(temporary.c_str(), O_RDONLY);
    if (descriptor < 0 || ::fsync(descriptor) != 0 ||
        std::rename(temporary.c_str(), destination.c_str()) != 0) {
        const int error = errno;
        if (descriptor >= 0) ::close(descriptor);
        throw FilmError("cannot write '" + target + "': " + std::strerror(error));
    }
    ::close(descriptor);
}

} // namespace

struct VideoWriter::State {
    std::string target, temporary;
    std::string destination; // target, or the file a link there leads to
    FilmFormat format;
    AVFormatContext* muxer = nullptr;
    AVCodecContext* encoder = nullptr;
    AVStream* stream = nullptr;
    SwsContext* scaler = nullptr;
    AVFrame* frame = nullptr;
    AVPacket* packet = nullptr;
    std::int64_t nextPts = 0;
    bool finished = false;

    ~State() {
        sws_freeContext(scaler);
        av_frame_free(&frame);
        av_packet_free(&packet);
        avcodec_free_context(&encoder);
        if (muxer) {
            if (muxer->pb) avio_closep(&muxer->pb);
            avformat_free_context(muxer);
        }
        if (!finished && !temporary.empty()) std::remove(temporary.c_str());
    }

    void openEncoder(const VideoSettings& settings) {
        const Muxing muxing = muxingOf(format);
        const AVCodec* codec = avcodec_find_encoder_by_name(muxing.encoder);
        if (!codec)
            throw FilmError(std::string("this FFmpeg has no ") + muxing.encoder + " encoder");
        encoder = avcodec_alloc_context3(codec);
        encoder->width = settings.width;
        encoder->height = settings.height;
        encoder->time_base = AVRational{1, settings.fps};
        encoder->framerate = AVRational{settings.fps, 1};
        encoder->pix_fmt = muxing.pixels;
        encoder->gop_size = std::max(1, settings.fps * 2);
        if (format != FilmFormat::gif) {
            encoder->color_range = AVCOL_RANGE_MPEG;
            encoder->colorspace = AVCOL_SPC_SMPTE170M;
            encoder->color_primaries = AVCOL_PRI_BT709;
            encoder->color_trc = AVCOL_TRC_IEC61966_2_1;
        }
        if (muxer->oformat->flags & AVFMT_GLOBALHEADER)
            encoder->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
        AVDictionary* options = nullptr;
        const int quality = std::clamp(settings.quality, 0, 100);
        if (format == FilmFormat::mp4) {
            av_dict_set(&options, "preset", "medium", 0);
            av_dict_set_int(&options, "crf", std::lround(12 + (100 - quality) * 0.39), 0);
        } else if (format == FilmFormat::webm) {
            av_dict_set_int(&options, "crf", std::lround(8 + (100 - quality) * 0.55), 0);
            av_dict_set(&options, "b", "0", 0);
            av_dict_set(&options, "row-mt", "1", 0);
            av_dict_set(&options, "deadline", "good", 0);
            av_dict_set(&options, "cpu-used", "2", 0);
        }
        const int opened = avcodec_open2(encoder, codec, &options);
        av_dict_free(&options);
        check(opened, "cannot open the encoder");
    }

    void openMuxer(const VideoSettings& settings) {
        check(avformat_alloc_output_context2(&muxer, nullptr, muxingOf(format).format,
                                             temporary.c_str()),
              "cannot start the film file");
        openEncoder(settings);
        stream = avformat_new_stream(muxer, nullptr);
        if (!stream) throw FilmError("cannot start the film file: out of memory");
        stream->time_base = encoder->time_base;
        stream->avg_frame_rate = encoder->framerate;
        check(avcodec_parameters_from_context(stream->codecpar, encoder), "cannot start the film");
        check(avio_open(&muxer->pb, temporary.c_str(), AVIO_FLAG_WRITE),
              ("cannot write '" + target + "'").c_str());
        AVDictionary* options = nullptr;
        if (format == FilmFormat::mp4) av_dict_set(&options, "movflags", "+faststart", 0);
        const int written = avformat_write_header(muxer, &options);
        av_dict_free(&options);
        check(written, ("cannot write '" + target + "'").c_str());
    }

    void allocateFrame(const VideoSettings& settings) {
        frame = av_frame_alloc();
        packet = av_packet_alloc();
        if (!frame || !packet) throw FilmError("out of memory");
        frame->format = encoder->pix_fmt;
        frame->width = settings.width;
        frame->height = settings.height;
        check(av_frame_get_buffer(frame, 0), "cannot allocate a frame");
        if (format != FilmFormat::gif) {
            scaler = sws_getContext(settings.width, settings.height, AV_PIX_FMT_RGB24,
                                    settings.width, settings.height, encoder->pix_fmt,
                                    SWS_BICUBIC | SWS_ACCURATE_RND, nullptr, nullptr, nullptr);
            if (!scaler) throw FilmError("cannot convert the frames to YUV");
        }
    }

    // Sends frame (or null: the end) and writes every packet the encoder gives.
    void encode(AVFrame* input) {
        check(avcodec_send_frame(encoder, input), "cannot encode a frame");
        for (;;) {
            const int received = avcodec_receive_packet(encoder, packet);
            if (received == AVERROR(EAGAIN) || received == AVERROR_EOF) return;
            check(received, "cannot encode a frame");
            av_packet_rescale_ts(packet, encoder->time_base, stream->time_base);
            packet->stream_index = stream->index;
            check(av_interleaved_write_frame(muxer, packet),
                  ("cannot write '" + target + "'").c_str());
        }
    }
};

VideoWriter::VideoWriter(const std::string& target, FilmFormat format,
                         const VideoSettings& settings)
    : state_(std::make_unique<State>()) {
    if (format == FilmFormat::frameFolder) throw FilmError("a frame folder is not a video file");
    if (const std::string problem = filmSizeProblem(format, settings.width, settings.height);
        !problem.empty())
        throw FilmError(problem);
    av_log_set_level(AV_LOG_ERROR);
    state_->target = target;
    if (const FileReplacement::Failure refused = replaceableTarget(target, state_->destination))
        throw FilmError("cannot write '" + target + "': " + refused.reason());
    state_->format = format;
    state_->temporary = createBeside(state_->destination);
    state_->openMuxer(settings);
    state_->allocateFrame(settings);
}

VideoWriter::~VideoWriter() = default;

void VideoWriter::addFrame(const RgbFrame& picture) {
    State& s = *state_;
    if (picture.width != s.encoder->width || picture.height != s.encoder->height)
        throw FilmError("a frame of " + std::to_string(picture.width) + "x" +
                        std::to_string(picture.height) + " in a film of " +
                        std::to_string(s.encoder->width) + "x" + std::to_string(s.encoder->height));
    check(av_frame_make_writable(s.frame), "cannot encode a frame");
    if (s.format == FilmFormat::gif) {
        toPaletteFrame(picture, s.frame->data[0], s.frame->linesize[0],
                       reinterpret_cast<std::uint32_t*>(s.frame->data[1]));
    } else {
        const std::uint8_t* source[1] = {picture.pixels.data()};
        const int stride[1] = {3 * picture.width};
        sws_scale(s.scaler, source, stride, 0, picture.height, s.frame->data, s.frame->linesize);
    }
    s.frame->pts = s.nextPts++;
    s.encode(s.frame);
}

void VideoWriter::finish() {
    State& s = *state_;
    s.encode(nullptr);
    check(av_write_trailer(s.muxer), ("cannot write '" + s.target + "'").c_str());
    check(avio_closep(&s.muxer->pb), ("cannot write '" + s.target + "'").c_str());
    syncAndRename(s.temporary, s.destination, s.target);
    s.finished = true;
}

FilmFormat filmFormatOf(const std::string& output) {
    auto endsWith = [&output](const char* ending) {
        const std::size_t length = std::strlen(ending);
        if (output.size() <= length) return false;
        std::string tail = output.substr(output.size() - length);
        std::transform(tail.begin(), tail.end(), tail.begin(),
                       [](unsigned char c) { return char(std::tolower(c)); });
        return tail == ending;
    };
    if (endsWith(".mp4")) return FilmFormat::mp4;
    if (endsWith(".webm")) return FilmFormat::webm;
    if (endsWith(".gif")) return FilmFormat::gif;
    return FilmFormat::frameFolder;
}

std::string filmSizeProblem(FilmFormat format, int width, int height) {
    if (width < 2 || height < 2) return "a film needs at least 2x2 pixels";
    if ((format == FilmFormat::mp4 || format == FilmFormat::webm) && (width % 2 || height % 2))
        return "an .mp4 or .webm film needs an even width and height";
    if (format == FilmFormat::gif && (width > 65535 || height > 65535))
        return "a .gif is at most 65535 pixels wide and high";
    return {};
}

} // namespace gyrelune
