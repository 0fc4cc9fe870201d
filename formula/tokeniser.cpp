#include "formula/tokeniser.h"

#include <cfenv>
#include <cstdlib>

namespace gyrelune::formula_detail {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool endsName(char c) {
    return c == ' ' || c == '+' || c == '-' || c == '*' || c == '/' || c == '(' || c == ')';
}

void makeOperation(Token& t, const char* symbol, std::uint8_t code, std::uint8_t priority) {
    t.isOperation = true;
    t.operation.symbol = std::string(symbol); // moved: GCC 12 -O3 warns falsely on assign
    t.operation.code = code;
    t.operation.priority = priority;
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

} // namespace

Real48 readLiteral(const std::string& s, std::size_t& pos, bool& tooLarge) {
    const std::size_t intStart = pos;
    while (pos < s.size() && isDigit(s[pos]))
        ++pos;
    const std::string intDigits = s.substr(intStart, pos - intStart);
    std::string fracDigits;
    if (pos < s.size() && s[pos] == '.') {
        ++pos;
        const std::size_t fracStart = pos;
        while (pos < s.size() && isDigit(s[pos]))
            ++pos;
        fracDigits = s.substr(fracStart, pos - fracStart);
    }
    // Within 32-bit integer part and nine fraction digits: integer part plus
    // fraction / 10^n in extended, held as a double, then stored.
    long long intValue = 0;
    bool fits = true;
    for (char c : intDigits) {
        intValue = intValue * 10 + (c - '0');
        if (intValue > 2147483647LL) {
            fits = false;
            break;
        }
    }
    if (fits && fracDigits.size() <= 9) {
        long long frac = 0, divisor = 1;
        for (char c : fracDigits) {
            frac = frac * 10 + (c - '0');
            divisor *= 10;
        }
        const double held =
            double(static_cast<long double>(intValue) + static_cast<long double>(frac) / divisor);
        return Real48::fromExtended(held);
    }
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
    auto at = [&](std::size_t i) { return pos + i < s.size() ? s[pos + i] : '\0'; };
    const char c = s[pos];
    std::size_t length = 0;
    switch (c) {
    case '+':
        makeOperation(t, "+", opAdd, 1), length = 1;
        break;
    case '-':
        makeOperation(t, "-", opSub, 1), length = 1;
        break;
    case '*':
        makeOperation(t, "*", opMul, 2), length = 1;
        break;
    case '/':
        makeOperation(t, "/", opDiv, 2), length = 1;
        break;
    case '(':
        makeOperation(t, "(", opNone, 0), length = 1;
        break;
    case ')':
        makeOperation(t, ")", opNone, 0), length = 1;
        break;
    case 'a':
        if (at(1) == 'b' && at(2) == 's') makeOperation(t, "abs", opAbs, 3), length = 3;
        break;
    case 'i':
        if (at(1) == 'n' && at(2) == 't') makeOperation(t, "int", opInt, 3), length = 3;
        break;
    case 's':
        if (at(1) == 'h')
            makeOperation(t, "sh", opSh, 3), length = 2;
        else if (at(1) == 'i' && at(2) == 'n')
            makeOperation(t, "sin", opSin, 3), length = 3;
        else if (at(1) == 'q' && at(2) == 'r') {
            if (at(3) == 't')
                makeOperation(t, "sqrt", opSqrt, 3), length = 4;
            else
                makeOperation(t, "sqr", opSqr, 3), length = 3;
        }
        break;
    case 'c':
        if (at(1) == 'h')
            makeOperation(t, "ch", opCh, 3), length = 2;
        else if (at(1) == 'o' && at(2) == 's')
            makeOperation(t, "cos", opCos, 3), length = 3;
        break;
    case 'l':
        if (at(1) == 'g') makeOperation(t, "lg", opLg, 3), length = 2;
        break;
    case 'p':
        if (at(1) == 'i') {
            t.isOperation = false;
            t.operand.isVariable = false;
            t.operand.value = Real48::fromExtended(3.14159265358979323846264338327950288L);
            pos += 2;
            return true;
        }
        break;
    default:
        if (isDigit(c)) {
            t.isOperation = false;
            t.operand.isVariable = false;
            t.operand.value = readLiteral(s, pos, tooLarge);
            return true;
        }
    }
    if (length > 0) {
        pos += length;
        return true;
    }
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
    return true;
}

} // namespace gyrelune::formula_detail
