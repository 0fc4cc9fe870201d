#include "formula/leadingInteger.h"

namespace gyrelune {
namespace {

int digitValue(char c, bool hex) {
    if (c >= '0' && c <= '9') return c - '0';
    if (!hex) return -1;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

} // namespace

std::int32_t leadingInteger(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    bool hex = false;
    if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
        hex = true;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' &&
               (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    const long long limit = negative ? 2147483648LL : 2147483647LL;
    long long value = 0;
    for (int d; i < text.size() && (d = digitValue(text[i], hex)) >= 0; ++i) {
        value = value * (hex ? 16 : 10) + d;
        if (value > limit) value = limit;
    }
    if (i < text.size()) return std::int32_t(value > 2147483647LL ? 2147483647LL : value);
    return std::int32_t(negative ? -value : value);
}

} // namespace gyrelune
