#include "formula/tokeniser.h"
#include "formula/operations.h"

#include <cfenv>
#include <cstdlib>
#include <cstring>

namespace gyrelune::formula_detail {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Blanks and the one-character symbols end a name.
bool endsName(char c) {
    if (c == ' ') return true;
    for (const Operation& op : operationTable)
        if (op.symbol[0] == c && op.symbol[1] == '\0') return true;
    return false;
}

// The longest symbol of the table written at s[pos], or null. Negation is no
// symbol of its own: the compiler makes it out of a "-".
const Operation* operationAt(const std::string& s, std::size_t pos) {
    const Operation* found = nullptr;
    std::size_t foundLength = 0;
    for (const Operation& op : operationTable) {
        const std::size_t length = std::strlen(op.symbol);
        if (op.code != opNeg && length > foundLength && s.compare(pos, length, op.symbol) == 0)
            found = &op, foundLength = length;
    }
    return found;
}

void makeOperation(Token& t, const Operation& op) {
    t.isOperation = true;
    t.operation.symbol = std::string(op.symbol); // moved: GCC 12 -O3 warns falsely on assign
    t.operation.code = op.code;
    t.operation.priority = op.priority;
}

void makeConstant(Token& t, Real48 value) {
    t.isOperation = false;
    t.operand.isVariable = false;
    t.operand.value = value;
}

// A name runs up to a blank, a one-character symbol or the end; the table
// gains an entry for a name it does not hold yet.
void readName(const std::string& s, std::size_t& pos, Token& t, VariableTable& variables) {
    std::size_t end = pos;
    while (end < s.size() && !endsName(s[end]))
        ++end;
    t.isOperation = false;
    t.operand.isVariable = true;
    t.operand.name = s.substr(pos, end - pos);
    pos = end;
    bool known = false;
    for (const Variable& v : variables)
        known = known || v.name == t.operand.name;
    if (!known) variables.push_back({t.operand.name, Real48()});
}

// Reads a decimal text exactly and rounds it once: truncating to 64 bits keeps
// the first dropped bit of the 40-bit rounding intact.
bool readExactly(const std::string& literal, double& out) {
    const int oldMode = std::fegetround();
    std::fesetround(FE_TOWARDZERO);
    const long double v = std::strtold(literal.c_str(), nullptr);
    std::fesetround(oldMode);
    return roundToReal48(v, out);
}

std::string digitsFrom(const std::string& s, std::size_t& pos) {
    const std::size_t start = pos;
    while (pos < s.size() && isDigit(s[pos]))
        ++pos;
    return s.substr(start, pos - start);
}

// Within a 32-bit integer part and nine fraction digits: integer part plus
// fraction / 10^n in extended, held as a double, then stored. False beyond.
bool readSmall(const std::string& intDigits, const std::string& fracDigits, Real48& out) {
    long long intValue = 0;
    for (char c : intDigits) {
        intValue = intValue * 10 + (c - '0');
        if (intValue > 2147483647LL) return false;
    }
    if (fracDigits.size() > 9) return false;
    long long frac = 0, divisor = 1;
    for (char c : fracDigits) {
        frac = frac * 10 + (c - '0');
        divisor *= 10;
    }
    const double held =
        double(static_cast<long double>(intValue) + static_cast<long double>(frac) / divisor);
    out = Real48::fromExtended(held);
    return true;
}

} // namespace

Real48 readLiteral(const std::string& s, std::size_t& pos, bool& tooLarge) {
    const std::string intDigits = digitsFrom(s, pos);
    std::string fracDigits;
    if (pos < s.size() && s[pos] == '.') fracDigits = digitsFrom(s, ++pos);
    Real48 value;
    if (readSmall(intDigits, fracDigits, value)) return value;
    double exact;
    if (readExactly(intDigits + "." + fracDigits + "0", exact))
        return Real48::fromExactDouble(exact);
    tooLarge = true;
    return Real48();
}

bool nextToken(const std::string& s, std::size_t& pos, Token& t, VariableTable& variables,
               bool& tooLarge) {
    while (pos < s.size() && s[pos] == ' ')
        ++pos;
    if (pos >= s.size()) return false;
    t.position = pos;
    if (isDigit(s[pos])) {
        makeConstant(t, readLiteral(s, pos, tooLarge));
    } else if (s.compare(pos, 2, "pi") == 0) {
        makeConstant(t, Real48::fromExtended(3.14159265358979323846264338327950288L));
        pos += 2;
    } else if (const Operation* op = operationAt(s, pos)) {
        makeOperation(t, *op);
        pos += std::strlen(op->symbol);
    } else {
        readName(s, pos, t, variables);
    }
    return true;
}

} // namespace gyrelune::formula_detail
