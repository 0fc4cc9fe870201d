#include "core/documentWarnings.h"

#include "formula/leadingInteger.h"
#include "formula/nonFinite.h"

#include <algorithm>
#include <cctype>
#include <cstdint>

namespace gyrelune {
namespace {

constexpr std::size_t shownWarnings = 5;
constexpr char endOfFile = 26; // Ctrl-Z ends the document, as the reader has it

// The document's lines as the reader splits them: LF ends a line, CRs are dropped.
class Lines {
  public:
    explicit Lines(std::string_view content) : rest_(content) {}
    bool eof() const { return rest_.empty(); }
    std::size_t number() const { return number_; }
    // Past the end: an empty line, as the reader has it, not counted.
    std::string next() {
        if (rest_.empty()) return {};
        const std::size_t end = rest_.find('\n');
        std::string line(rest_.substr(0, end));
        rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
        line.erase(std::remove(line.begin(), line.end(), '\r'), line.end());
        ++number_;
        return line;
    }

  private:
    std::string_view rest_;
    std::size_t number_ = 0;
};

// The first few warnings, then one line saying that more follow.
class Report {
  public:
    void add(std::string text) {
        if (warnings_.size() < shownWarnings)
            warnings_.push_back(std::move(text));
        else if (!full())
            warnings_.push_back("and more after those");
    }
    bool full() const { return warnings_.size() > shownWarnings; }
    std::vector<std::string> take() { return std::move(warnings_); }

  private:
    std::vector<std::string> warnings_;
};

std::string quoted(const std::string& text) {
    return "'" + (text.size() > 40 ? text.substr(0, 40) + "..." : text) + "'";
}

bool isControl(unsigned char c) {
    return (c < 0x20 && c != '\t' && c != '\n' && c != '\r' && c != endOfFile) || c == 0x7F;
}

// Blanks, a sign, then decimal digits or "$", "x", "0x" and hexadecimal ones.
bool isWholeNumber(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return false;
    text.remove_prefix(first);
    if (text.front() == '+' || text.front() == '-') text.remove_prefix(1);
    bool hex = false;
    if (text.starts_with("0x") || text.starts_with("0X")) {
        hex = true;
        text.remove_prefix(2);
    } else if (!text.empty() &&
               (text.front() == '$' || text.front() == 'x' || text.front() == 'X')) {
        hex = true;
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return !text.empty() && std::all_of(text.begin(), text.end(), [hex](unsigned char c) {
        return std::isdigit(c) || (hex && std::isxdigit(c));
    });
}

void checkField(Lines& lines, Report& report) {
    const std::string text = lines.next();
    if (spellsNonFinite(text))
        report.add("line " + std::to_string(lines.number()) + ": " + quoted(text) +
                   " is NaN or infinity, which no field holds");
}

// The number as the reader takes it (0 for anything that is not one).
std::int32_t checkInteger(Lines& lines, Report& report) {
    const std::string text = lines.next();
    if (!text.empty() && !isWholeNumber(text))
        report.add("line " + std::to_string(lines.number()) + ": " + quoted(text) +
                   " is not a whole number");
    return leadingInteger(text);
}

void checkLayout(std::string_view content, Report& report) {
    Lines lines(content);
    for (int i = 0; i < 9; ++i)
        checkField(lines, report);
    if (lines.eof()) {
        report.add("the document ends after line " + std::to_string(lines.number()) +
                   ", before its colours");
        return;
    }
    const std::int64_t stops = checkInteger(lines, report);
    if (stops < 0) return; // the reader stops there and says so
    for (std::int64_t i = 0; i < 3 * stops + 3 && !lines.eof() && !report.full(); ++i)
        checkInteger(lines, report);
    if (lines.eof()) return;
    const std::int32_t parameters = checkInteger(lines, report);
    for (std::int32_t i = 0; i < parameters && !lines.eof() && !report.full(); ++i) {
        lines.next(); // the name
        for (int field = 0; field < 3; ++field)
            checkField(lines, report);
    }
}

} // namespace

std::vector<std::string> documentWarnings(std::string_view bytes) {
    Report report;
    if (bytes.empty()) {
        report.add("the document is empty");
        return report.take();
    }
    const std::string_view content = bytes.substr(0, bytes.find(endOfFile));
    if (std::any_of(content.begin(), content.end(), isControl)) {
        report.add("the document is not text: it holds NUL or other control bytes");
        return report.take();
    }
    if (content.find('\n') == std::string_view::npos &&
        content.find('\r') < content.find_last_not_of('\r'))
        report.add("its lines end with a lone CR, so the document reads as a single line");
    checkLayout(content, report);
    return report.take();
}

} // namespace gyrelune
