#pragma once
// The attractor document (*.atr): lines in a fixed order, no header or keys.
//   1-9   texts: formulas X, Y, Z; zoom; centre X, Y; angles X, Y, Z
//   10    n, then 3n lines of stop components, then 3 background components
//   then  m, and 4 lines per parameter: name, minimum, maximum, value
//   then  the picture part: the gain text, the picture width and height. A
//         reader of the plain format stops after the parameters and never
//         sees it; a document without it leaves gain and size as they are.
// Written with CR LF and UTF-8 texts. Read with LF or CR LF line ends, a lone
// CR dropped, Ctrl-Z as the end; a line that is not valid UTF-8 is taken as
// Windows-1250. Missing lines read as empty; integer lines by leadingInteger.

#include "render/colourStops.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace gyrelune {

struct StoredParameter {
    std::string name, minimumText, maximumText, valueText;
    friend bool operator==(const StoredParameter&, const StoredParameter&) = default;
};

struct AtrDocument {
    // Index 0-5: formulas X, Y, Z, zoom, centre X, Y; 6-8: rotation angles X, Y, Z.
    std::array<std::string, 9> texts;
    ColourStops colourStops;
    std::int32_t background = 0;
    bool hasParameterPart = false; // false: the file ended after the background
    std::vector<StoredParameter> parameters;
    // The picture part; read only when both sides are positive.
    bool hasPicturePart = false;
    std::string gainText;
    std::int32_t pictureWidth = 0, pictureHeight = 0;
    friend bool operator==(const AtrDocument&, const AtrDocument&) = default;
};

// How far a read got. Each stage includes the ones before it.
enum class ReadStage {
    nothing,    // the file could not be read
    texts,      // lines 1-9; the colour count was negative
    background, // the colours and the background too; the parameter count was negative
    complete,
};

struct ReadResult {
    AtrDocument document; // what was read up to `stage`
    ReadStage stage = ReadStage::nothing;
    std::string error; // the platform's message; empty when complete
};

// No real document comes near these; a larger file is refused as a whole.
inline constexpr std::size_t maximumDocumentBytes = 16 * 1024 * 1024;
inline constexpr std::size_t maximumDocumentLines = 1024 * 1024;

// Counts beyond what the rest of the file can hold are cut to the entries that
// begin within the file, so a damaged count allocates nothing unbounded. A
// name stored again replaces the texts of its first entry in place (the later
// entry wins, as it does when Draw applies the values), so the document holds
// one entry per distinct name.
ReadResult parseAtrDocument(std::string_view bytes);
// Reads at most maximumDocumentBytes + 1 bytes, so a device or an endless
// stream is refused rather than read until memory runs out.
ReadResult readAtrDocument(const std::string& fileName);
// The bytes readAtrDocument parses; false and the platform's message in error
// when the file cannot be read.
bool readDocumentBytes(const std::string& fileName, std::string& bytes, std::string& error);

// The document's bytes, every line ended by CR LF.
std::string formatAtrDocument(const AtrDocument& document);
// Writes beside the target and renames over it only once everything was
// written, so a failed save leaves the old file whole. Throws InOutError.
void writeAtrDocument(const std::string& fileName, const AtrDocument& document);

// Text decoding of one read line: valid UTF-8 as it is, else Windows-1250.
bool isValidUtf8(std::string_view bytes);
std::string windows1250ToUtf8(std::string_view bytes);

} // namespace gyrelune
