#include "studio/stateFile.h"

#include "render/fileReplacement.h"

#include <zlib.h>

#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <memory>
#include <sstream>

namespace gyrelune {
namespace {

constexpr const char* magic = "Gyrelune density state";
constexpr int version = 1;
constexpr std::size_t chunkCells = 1 << 16;

std::string orbitsText(const OrbitSet& orbits) {
    std::string text;
    for (const OrbitPiece& p : orbits) {
        if (!text.empty()) text += ",";
        text += std::to_string(p.begin) + "-" + std::to_string(p.end) + "/" +
                std::to_string(p.shardIndex) + ":" + std::to_string(p.shardCount);
    }
    return text;
}

bool parseOrbits(const std::string& text, OrbitSet& orbits) {
    orbits.clear();
    std::istringstream in(text);
    std::string item;
    while (std::getline(in, item, ',')) {
        unsigned long long begin, end;
        unsigned index, count;
        char tail;
        if (std::sscanf(item.c_str(), "%llu-%llu/%u:%u%c", &begin, &end, &index, &count, &tail) !=
                4 ||
            count == 0 || index >= count || end < begin)
            return false;
        orbits.push_back({begin, end, index, count});
    }
    return true;
}

std::string headerText(const AccumulationHeader& h) {
    char buffer[512];
    std::snprintf(buffer, sizeof buffer,
                  "%s %d\ndocument: %016" PRIx64 "\nsize: %dx%d\nsupersample: %d\nseed: %" PRIu64
                  "\norbit-length: %u\ntransient: %u\nview: %a %a %a\ndepth: %a %a\nwindow-pixel: "
                  "%a\ngain: %d\n"
                  "background: %d\n",
                  magic, version, h.documentHash, h.width, h.height, h.supersample, h.seed,
                  h.orbitLength, h.transient, h.view.zoom, h.view.centreX, h.view.centreY,
                  h.depth.low, h.depth.high, h.cellsPerWindowPixel, h.gain, h.background);
    return std::string(buffer) + "orbits: " + orbitsText(h.orbits) +
           "\npoints: " + std::to_string(h.points()) + "\n\n";
}

// The header's lines after the first, in their order, each "key: value".
bool parseHeader(const std::vector<std::string>& lines, AccumulationHeader& h) {
    const char* keys[] = {"document",   "size",   "supersample", "seed",         "orbit-length",
                          "transient",  "view",   "depth",       "window-pixel", "gain",
                          "background", "orbits", "points"};
    if (lines.size() != std::size(keys)) return false;
    std::vector<std::string> v;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string prefix = std::string(keys[i]) + ": ";
        if (lines[i].compare(0, prefix.size(), prefix) != 0) return false;
        v.push_back(lines[i].substr(prefix.size()));
    }
    char tail;
    unsigned long long seed;
    if (std::sscanf(v[0].c_str(), "%" SCNx64 "%c", &h.documentHash, &tail) != 1 ||
        std::sscanf(v[1].c_str(), "%dx%d%c", &h.width, &h.height, &tail) != 2 ||
        std::sscanf(v[2].c_str(), "%d%c", &h.supersample, &tail) != 1 ||
        std::sscanf(v[3].c_str(), "%llu%c", &seed, &tail) != 1 ||
        std::sscanf(v[4].c_str(), "%u%c", &h.orbitLength, &tail) != 1 ||
        std::sscanf(v[5].c_str(), "%u%c", &h.transient, &tail) != 1 ||
        std::sscanf(v[6].c_str(), "%la %la %la%c", &h.view.zoom, &h.view.centreX, &h.view.centreY,
                    &tail) != 3 ||
        std::sscanf(v[7].c_str(), "%la %la%c", &h.depth.low, &h.depth.high, &tail) != 2 ||
        std::sscanf(v[8].c_str(), "%la%c", &h.cellsPerWindowPixel, &tail) != 1 ||
        std::sscanf(v[9].c_str(), "%d%c", &h.gain, &tail) != 1 ||
        std::sscanf(v[10].c_str(), "%d%c", &h.background, &tail) != 1 ||
        !parseOrbits(v[11], h.orbits))
        return false;
    h.seed = seed;
    if (h.width < 1 || h.height < 1 || h.supersample < 1 || h.supersample > 64) return false;
    return (long long)h.width * h.supersample <= 1 << 30 &&
           (long long)h.height * h.supersample <= 1 << 30;
}

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

std::string systemReason(int error) {
    return std::strerror(error);
}

class CheckedWriter {
  public:
    explicit CheckedWriter(std::FILE* f) : file_(f) {}
    bool put(const void* bytes, std::size_t n) {
        crc_ = crc32(crc_, static_cast<const Bytef*>(bytes), uInt(n));
        return std::fwrite(bytes, 1, n, file_) == n;
    }
    uLong crc() const { return crc_; }

  private:
    std::FILE* file_;
    uLong crc_ = crc32(0, nullptr, 0);
};

bool writeCells(const Accumulation& grid, CheckedWriter& out) {
    z_stream z{};
    if (deflateInit(&z, 6) != Z_OK) return false;
    std::vector<unsigned char> buffer(1 << 20);
    const std::size_t total = grid.cells.size();
    bool ok = true;
    for (std::size_t first = 0; ok;) {
        const std::size_t n = std::min(chunkCells, total - first);
        // Cells are four 32-bit numbers; the machine is little-endian.
        z.next_in = reinterpret_cast<Bytef*>(const_cast<DensityCell*>(grid.cells.data() + first));
        z.avail_in = uInt(n * sizeof(DensityCell));
        first += n;
        const int flush = first == total ? Z_FINISH : Z_NO_FLUSH;
        int result;
        do {
            z.next_out = buffer.data();
            z.avail_out = uInt(buffer.size());
            result = deflate(&z, flush);
            if (result == Z_STREAM_ERROR) ok = false;
            ok = ok && out.put(buffer.data(), buffer.size() - z.avail_out);
        } while (ok && z.avail_out == 0);
        if (flush == Z_FINISH) break;
    }
    deflateEnd(&z);
    return ok;
}

} // namespace

std::string writeStateFile(const Accumulation& grid, const std::string& fileName) {
    static_assert(sizeof(DensityCell) == 16);
    FileReplacement file(fileName);
    std::FILE* stream = file.failure() ? nullptr : file.stream();
    if (!stream) return "cannot create it beside its place: " + file.failure().reason();
    CheckedWriter out(stream);
    const std::string header = headerText(grid.header);
    bool ok = out.put(header.data(), header.size()) && writeCells(grid, out);
    char trailer[32];
    std::snprintf(trailer, sizeof trailer, "crc32: %08lx\n", out.crc());
    ok = ok && std::fputs(trailer, stream) >= 0;
    if (!ok) return "cannot write it: " + systemReason(errno);
    if (const FileReplacement::Failure failure = file.commit())
        return "cannot put it in place: " + failure.reason();
    return {};
}

namespace {

class CheckedReader {
  public:
    explicit CheckedReader(std::FILE* f) : file_(f) {}
    // A line without its end; false at the end of the file or beyond 64 KiB.
    bool line(std::string& text) {
        text.clear();
        for (int c; (c = std::fgetc(file_)) != EOF;) {
            const unsigned char byte = static_cast<unsigned char>(c);
            crc_ = crc32(crc_, &byte, 1);
            if (c == '\n') return true;
            if (text.size() > 65536) return false;
            text += char(c);
        }
        return false;
    }
    std::size_t get(unsigned char* bytes, std::size_t n, bool counted) {
        const std::size_t got = std::fread(bytes, 1, n, file_);
        if (counted) crc_ = crc32(crc_, bytes, uInt(got));
        return got;
    }
    void unget(std::size_t n) { std::fseek(file_, -long(n), SEEK_CUR); }
    uLong crc() const { return crc_; }

  private:
    std::FILE* file_;
    uLong crc_ = crc32(0, nullptr, 0);
};

std::string readHeader(CheckedReader& in, AccumulationHeader& header) {
    std::string first;
    if (!in.line(first) || first.compare(0, std::strlen(magic), magic) != 0)
        return "it is not a Gyrelune state file";
    if (first != std::string(magic) + " " + std::to_string(version))
        return "it is a state file of another version (" + first.substr(std::strlen(magic) + 1) +
               "; this program reads " + std::to_string(version) + ")";
    std::vector<std::string> lines;
    for (std::string line; in.line(line) && !line.empty();)
        lines.push_back(line);
    if (!parseHeader(lines, header)) return "its header is damaged";
    header.orbits = canonicalOrbits(header.orbits);
    return {};
}

std::string readCells(CheckedReader& in, Accumulation& grid) {
    z_stream z{};
    if (inflateInit(&z) != Z_OK) return "out of memory";
    std::vector<unsigned char> buffer(1 << 20);
    z.next_out = reinterpret_cast<Bytef*>(grid.cells.data());
    const std::size_t wanted = grid.cells.size() * sizeof(DensityCell);
    std::size_t produced = 0;
    int result = Z_OK;
    while (result != Z_STREAM_END) {
        const std::size_t got = in.get(buffer.data(), buffer.size(), false);
        if (got == 0) break;
        z.next_in = buffer.data();
        z.avail_in = uInt(got);
        while (z.avail_in > 0 && result != Z_STREAM_END) {
            const std::size_t room = std::min<std::size_t>(wanted - produced, 1u << 30);
            unsigned char spill;
            if (room == 0) z.next_out = &spill; // only the stream's end may follow
            z.avail_out = room == 0 ? 1 : uInt(room);
            result = inflate(&z, Z_NO_FLUSH);
            if (room == 0 && z.avail_out == 0) result = Z_DATA_ERROR; // more cells than the size
            if (room != 0) produced += room - z.avail_out;
            if (result != Z_OK && result != Z_STREAM_END) break;
        }
        if (result != Z_OK && result != Z_STREAM_END) break;
        // Only what the stream took counts towards the checksum; the rest is the trailer.
        const std::size_t used = got - z.avail_in;
        in.unget(got);
        in.get(buffer.data(), used, true);
    }
    inflateEnd(&z);
    if (result != Z_STREAM_END || produced != wanted) return "its grid is damaged or cut short";
    return {};
}

} // namespace

std::string readStateHeader(const std::string& fileName, AccumulationHeader& header) {
    File file(std::fopen(fileName.c_str(), "rb"));
    if (!file) return "cannot open it: " + systemReason(errno);
    CheckedReader in(file.get());
    return readHeader(in, header);
}

std::string readStateFile(const std::string& fileName, Accumulation& grid) {
    File file(std::fopen(fileName.c_str(), "rb"));
    if (!file) return "cannot open it: " + systemReason(errno);
    CheckedReader in(file.get());
    if (std::string problem = readHeader(in, grid.header); !problem.empty()) return problem;
    grid.allocate();
    if (std::string problem = readCells(in, grid); !problem.empty()) return problem;
    const uLong crc = in.crc();
    std::string trailer;
    char expected[32];
    std::snprintf(expected, sizeof expected, "crc32: %08lx", crc);
    if (!in.line(trailer) || trailer != expected || std::fgetc(file.get()) != EOF)
        return "its checksum does not match: the file is damaged";
    return {};
}

} // namespace gyrelune
