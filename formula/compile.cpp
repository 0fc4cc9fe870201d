// Compiling a formula text into Polish order.
//
// The language, as the tokeniser and the priorities of operationTable make it:
//
//   formula  = [ first { ( "+" | "-" ) product } ]
//   first    = [ "-" ] product          the minus negates the first factor only
//   product  = factor { ( "*" | "/" ) factor }
//   factor   = [ function ] primary     function = abs int sh sin sqrt sqr ch cos lg
//   primary  = number | "pi" | name | "(" formula ")"
//   number   = digit { digit } [ "." { digit } ]
//   name     = a run up to a blank, "+", "-", "*", "/", "(" or ")" that starts
//              with neither a digit, "pi" nor a function (these are read by
//              prefix: sinx is sin x, pie is pi e)
//
// Precedence, loosest first: + and - (1); *, / and negation (2); functions (3).
// Equal priorities group to the left, so 10-4-3 is 3, -x*y is (-x)*y and
// sin x*y is (sin x)*y. A function takes one primary, with no sign and no
// function of its own: sin -x and sin cos x need parentheses.
//
// The texts are read by shunting-yard, not by descent: a minus is a negation
// wherever no operand has come since the latest "(" or the start, and a text
// is accepted when its parentheses balance and its Polish order evaluates once
// without running short of operands or leaving more than one. That accepts a
// few texts outside the grammar, such as ()-x, which reads as -x.

#include "formula/formula.h"
#include "formula/operations.h"
#include "formula/tokeniser.h"

namespace gyrelune {
namespace {
using namespace formula_detail;

bool isSymbol(const Token* t, char c) {
    return t->operation.symbol.size() == 1 && t->operation.symbol[0] == c;
}

Token pop(Token*& top) {
    Token* t = top;
    top = t->next;
    Token out = *t;
    out.next = nullptr;
    return out;
}

// Shunting to Polish order; the operator stack is linked through `next`.
void toPolish(std::vector<Token>& tokens, PostfixQueue& queue) {
    Token* top = nullptr;
    bool operandSeen = false;
    for (Token& t : tokens) {
        if (!t.isOperation) {
            queue.push_back(t);
            operandSeen = true;
        } else if (isSymbol(&t, '(')) {
            t.next = top;
            top = &t;
            operandSeen = false;
        } else if (isSymbol(&t, ')')) {
            while (top && !isSymbol(top, '('))
                queue.push_back(pop(top));
            if (top) pop(top);
        } else {
            if (t.operation.code == opSub && !operandSeen) {
                t.operation.code = opNeg;
                t.operation.priority = operationOf(opNeg).priority;
            }
            while (top && !isSymbol(top, '(') && top->operation.priority >= t.operation.priority)
                queue.push_back(pop(top));
            t.next = top;
            top = &t;
        }
    }
    while (top)
        queue.push_back(pop(top));
}

} // namespace

void Formula::Compile(bool& error) {
    error = false;
    queue_.clear();
    variables_.clear();
    balanced_ = true;
    if (text.size() > maximumFormulaLength) {
        error = true;
        program_.build(queue_, variables_);
        return;
    }
    std::vector<Token> tokens;
    bool tooLarge = false;
    int depth = 0;
    std::size_t pos = 0;
    Token t;
    while (nextToken(text, pos, t, variables_, tooLarge)) {
        if (t.isOperation && isSymbol(&t, '(')) ++depth;
        if (t.isOperation && isSymbol(&t, ')')) --depth;
        tokens.push_back(t);
        t = Token();
        if (depth < 0) break;
    }
    if (depth != 0) error = true;
    balanced_ = !error;
    if (!error) toPolish(tokens, queue_);
    program_.build(queue_, variables_);
    if (error) return;
    std::int32_t code;
    Evaluate(code);
    error = code == 1 || tooLarge;
}

int Formula::FindVariable(const std::string& name) const {
    for (std::size_t i = 0; i < variables_.size(); ++i)
        if (variables_[i].name == name) return int(i);
    return -1;
}

void Formula::SetVariable(const std::string& name, Real48 value) {
    const int index = FindVariable(name);
    if (index >= 0) setVariableAt(index, value);
}

void Formula::replaceVariables(const VariableTable& table) {
    bool sameNames = table.size() == variables_.size();
    for (std::size_t i = 0; sameNames && i < table.size(); ++i)
        sameNames = table[i].name == variables_[i].name;
    variables_ = table;
    if (sameNames)
        program_.setVariables(variables_);
    else
        program_.build(queue_, variables_); // the cells follow the table
}

} // namespace gyrelune
