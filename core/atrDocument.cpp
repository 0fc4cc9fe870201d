#include "core/atrDocument.h"

#include "core/platformErrors.h"
#include "formula/leadingInteger.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#include <unordered_map>

namespace gyrelune {
namespace {

constexpr char endOfFile = 26; // Ctrl-Z

// Lines of a text file; reading past the end gives empty lines.
class LineReader {
  public:
    explicit LineReader(std::string_view bytes) : rest_(bytes.substr(0, bytes.find(endOfFile))) {}

    bool eof() const { return rest_.empty(); }

    // A CR is either part of a CR LF ending or a lone CR; both are dropped.
    std::string next() {
        const std::size_t end = rest_.find('\n');
        const std::string_view raw = rest_.substr(0, end);
        rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
        std::string line;
        line.reserve(raw.size());
        for (const char c : raw)
            if (c != '\r') line += c;
        return line;
    }
    std::string nextText() {
        std::string line = next();
        return isValidUtf8(line) ? line : windows1250ToUtf8(line);
    }
    std::int32_t nextInteger() { return leadingInteger(next()); }
    std::uint8_t nextByte() { return std::uint8_t(nextInteger() & 0xFF); }

    std::size_t linesLeft() const {
        const auto breaks = std::size_t(std::count(rest_.begin(), rest_.end(), '\n'));
        return breaks + (!rest_.empty() && rest_.back() != '\n' ? 1 : 0);
    }
    // A count cut to the entries of `linesEach` lines that begin within the file.
    std::size_t boundedCount(std::int32_t count, std::size_t linesEach) const {
        const std::size_t fits = (linesLeft() + linesEach - 1) / linesEach;
        return std::min(std::size_t(count), fits);
    }

  private:
    std::string_view rest_;
};

void readParameters(LineReader& reader, AtrDocument& document, std::size_t count) {
    std::unordered_map<std::string, std::size_t> indexOfName;
    for (std::size_t k = 0; k < count; ++k) {
        StoredParameter parameter;
        parameter.name = reader.nextText();
        parameter.minimumText = reader.nextText();
        parameter.maximumText = reader.nextText();
        parameter.valueText = reader.nextText();
        const auto [entry, isNew] =
            indexOfName.try_emplace(parameter.name, document.parameters.size());
        if (isNew)
            document.parameters.push_back(std::move(parameter));
        else
            document.parameters[entry->second] = std::move(parameter);
    }
}

void readPicturePart(LineReader& reader, AtrDocument& document) {
    if (reader.eof()) return;
    std::string gain = reader.nextText();
    const std::int32_t width = reader.nextInteger(), height = reader.nextInteger();
    // Blank lines after the parameters are no picture part.
    if (width <= 0 || height <= 0) return;
    document.hasPicturePart = true;
    document.gainText = std::move(gain);
    document.pictureWidth = width;
    document.pictureHeight = height;
}

// Empty when the file is within the bounds, else the reason it is refused.
std::string boundsError(std::string_view bytes) {
    if (bytes.size() > maximumDocumentBytes)
        return "File too large (a document holds at most " +
               std::to_string(maximumDocumentBytes >> 20) + " MB)";
    const std::string_view content = bytes.substr(0, bytes.find(endOfFile));
    const auto lines = std::size_t(std::count(content.begin(), content.end(), '\n')) +
                       (!content.empty() && content.back() != '\n' ? 1 : 0);
    if (lines > maximumDocumentLines)
        return "Too many lines (a document holds at most " + std::to_string(maximumDocumentLines) +
               ")";
    return {};
}

void appendLine(std::string& out, std::string_view line) {
    out += line;
    out += "\r\n";
}

// A line break or Ctrl-Z inside a text would shift or end every line after it.
void appendTextLine(std::string& out, std::string_view text) {
    for (const char c : text)
        out += c == '\r' || c == '\n' || c == endOfFile ? ' ' : c;
    out += "\r\n";
}

void appendInteger(std::string& out, long value) {
    appendLine(out, std::to_string(value));
}

} // namespace

ReadResult parseAtrDocument(std::string_view bytes) {
    ReadResult result;
    if (std::string error = boundsError(bytes); !error.empty()) {
        result.error = std::move(error);
        return result;
    }
    AtrDocument& document = result.document;
    LineReader reader(bytes);
    for (std::string& text : document.texts)
        text = reader.nextText();
    result.stage = ReadStage::texts;

    const std::int32_t stopCount = reader.nextInteger();
    if (stopCount < 0) {
        result.error = RangeCheckError().what();
        return result;
    }
    document.colourStops.resize(reader.boundedCount(stopCount, 3));
    for (ColourStop& stop : document.colourStops) {
        stop.red = reader.nextByte();
        stop.green = reader.nextByte();
        stop.blue = reader.nextByte();
    }
    const std::int32_t red = reader.nextByte(), green = reader.nextByte(), blue = reader.nextByte();
    document.background = red + 256 * green + 65536 * blue;
    result.stage = ReadStage::background;

    if (!reader.eof()) {
        document.hasParameterPart = true;
        const std::int32_t parameterCount = reader.nextInteger();
        if (parameterCount < 0) {
            result.error = RangeCheckError().what();
            return result;
        }
        readParameters(reader, document, reader.boundedCount(parameterCount, 4));
        readPicturePart(reader, document);
    }
    result.stage = ReadStage::complete;
    return result;
}

bool readDocumentBytes(const std::string& fileName, std::string& bytes, std::string& error) {
    bytes.clear();
    const int fd = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = inOutErrorMessage(errno);
        return false;
    }
    char buffer[65536];
    while (bytes.size() <= maximumDocumentBytes) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            error = inOutErrorMessage(errno);
            ::close(fd);
            return false;
        }
        if (got == 0) break;
        bytes.append(buffer, std::size_t(got));
    }
    ::close(fd);
    return true;
}

ReadResult readAtrDocument(const std::string& fileName) {
    std::string bytes;
    ReadResult failed;
    if (!readDocumentBytes(fileName, bytes, failed.error)) return failed;
    return parseAtrDocument(bytes);
}

std::string formatAtrDocument(const AtrDocument& document) {
    std::string out;
    for (const std::string& text : document.texts)
        appendTextLine(out, text);
    appendInteger(out, long(document.colourStops.size()));
    for (const ColourStop& stop : document.colourStops) {
        appendInteger(out, stop.red);
        appendInteger(out, stop.green);
        appendInteger(out, stop.blue);
    }
    appendInteger(out, document.background & 0xFF);
    appendInteger(out, document.background >> 8 & 0xFF);
    appendInteger(out, document.background >> 16 & 0xFF);
    appendInteger(out, long(document.parameters.size()));
    for (const StoredParameter& parameter : document.parameters) {
        appendTextLine(out, parameter.name);
        appendTextLine(out, parameter.minimumText);
        appendTextLine(out, parameter.maximumText);
        appendTextLine(out, parameter.valueText);
    }
    if (document.hasPicturePart) {
        appendTextLine(out, document.gainText);
        appendInteger(out, document.pictureWidth);
        appendInteger(out, document.pictureHeight);
    }
    return out;
}

} // namespace gyrelune
