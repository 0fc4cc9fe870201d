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

// Tokenises text; false when its parentheses do not balance. Marks the first
// literal beyond the 6-byte range in result.
bool readTokens(const std::string& text, std::vector<Token>& tokens, VariableTable& variables,
                CompileResult& result) {
    std::vector<std::size_t> open; // where the pending "(" stand
    bool tooLarge = false;
    std::size_t pos = 0;
    Token t;
    while (nextToken(text, pos, t, variables, tooLarge)) {
        if (tooLarge && result.wellFormed())
            result = {CompileResult::Fault::numberTooLarge, t.position};
        if (t.isOperation && isSymbol(&t, '(')) open.push_back(t.position);
        if (t.isOperation && isSymbol(&t, ')')) {
            if (open.empty()) {
                result = {CompileResult::Fault::unbalancedParentheses, t.position};
                return false;
            }
            open.pop_back();
        }
        tokens.push_back(t);
        t = Token();
    }
    if (open.empty()) return true;
    result = {CompileResult::Fault::unbalancedParentheses, open.back()};
    return false;
}

// Where a queue that evaluates as malformed first goes wrong, found as the
// program's translation finds it: by the number of values each token leaves.
CompileResult operandFault(const PostfixQueue& queue) {
    std::vector<std::size_t> values; // where each value on the stack came from
    for (const Token& t : queue) {
        if (!t.isOperation) {
            values.push_back(t.position);
        } else if (t.operation.code != opNone) {
            const std::size_t needs = operationOf(t.operation.code).operands;
            if (values.size() < needs) return {CompileResult::Fault::missingOperand, t.position};
            values.resize(values.size() - needs);
            values.push_back(t.position);
        }
    }
    const std::size_t extra = values.size() > 1 ? values[1] : 0;
    return {CompileResult::Fault::extraOperand, extra};
}

} // namespace

CompileResult Formula::compile(std::string newText) {
    text = std::move(newText);
    queue_.clear();
    variables_.clear();
    balanced_ = true;
    if (text.size() > maximumFormulaLength) {
        program_.build(queue_, variables_);
        return {CompileResult::Fault::tooLong, maximumFormulaLength};
    }
    std::vector<Token> tokens;
    CompileResult result;
    if (!readTokens(text, tokens, variables_, result)) {
        balanced_ = false;
        program_.build(queue_, variables_);
        return result;
    }
    balanced_ = true;
    toPolish(tokens, queue_);
    program_.build(queue_, variables_);
    EvaluationCode code;
    evaluate(code);
    if (code == EvaluationCode::malformed && result.wellFormed()) result = operandFault(queue_);
    return result;
}

int Formula::findVariable(const std::string& name) const {
    for (std::size_t i = 0; i < variables_.size(); ++i)
        if (variables_[i].name == name) return int(i);
    return -1;
}

void Formula::setVariable(const std::string& name, Real48 value) {
    const int index = findVariable(name);
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
