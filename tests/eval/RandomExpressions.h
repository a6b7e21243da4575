// Random well-formed expressions from a fixed seed, each with a conventional tree evaluation
// written for the tests only: usual precedence, unary minus looser than "^" and tighter than
// "*" and "/", "^" from left to right (a sign right after "^" belongs to the exponent), "!" on
// the operand before it, functions of their parenthesised argument.
#pragma once

#include <cmath>
#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "eval/EvalContext.h"
#include "eval/Extended.h"

namespace zul::test {

struct Node;
using NodePtr = std::shared_ptr<const Node>;

struct Node {
    enum Kind { Number, Negate, Add, Subtract, Multiply, Divide, Power, Factorial, Function };
    Kind kind = Number;
    Extended value = 0;  // Number (constants too)
    int code = 0;        // Function: 1 arcsin ... 18 cosec
    std::vector<NodePtr> kids;
};

struct Expression {
    std::string text;
    NodePtr tree;
};

inline NodePtr MakeNode(Node::Kind kind, std::vector<NodePtr> kids, int code = 0) {
    auto n = std::make_shared<Node>();
    n->kind = kind;
    n->code = code;
    n->kids = std::move(kids);
    return n;
}

inline NodePtr MakeNumber(Extended v) {
    auto n = std::make_shared<Node>();
    n->value = v;
    return n;
}

// Evaluates a tree in Extended. With a scale, every node's value is multiplied by a random
// factor within 1 +- scale: the spread of such runs tells an ill-conditioned expression.
// NaN stands for "no value" (outside a domain, beyond the sensible range).
class TreeEvaluator {
public:
    explicit TreeEvaluator(AngleUnit unit, Extended scale = 0, std::uint64_t seed = 1)
        : unit_(unit), scale_(scale), rng_(seed) {}

    Extended Evaluate(const Node& n) {
        const Extended v = Jitter(Raw(n));
        const bool sensible = std::fabs(v) < 1e100L && (v == 0 || std::fabs(v) > 1e-100L);
        return std::isfinite(v) && sensible ? v : NAN;
    }

private:
    static constexpr Extended kPi = 3.1415926535897932385L;

    Extended Jitter(Extended v) {
        if (scale_ == 0) return v;
        return v * (1 + scale_ * (2 * Extended(rng_() >> 11) / 9007199254740992.0L - 1));
    }

    Extended ToRadians(Extended x) const {
        if (unit_ == AngleUnit::Degrees) return x * kPi / 180;
        if (unit_ == AngleUnit::Grads) return x * 0.9L * kPi / 180;
        return x;
    }
    Extended FromRadians(Extended r) const {
        if (unit_ == AngleUnit::Degrees) return r * 180 / kPi;
        if (unit_ == AngleUnit::Grads) return r * 200 / kPi;
        return r;
    }

    Extended Raw(const Node& n) {
        if (n.kind == Node::Number) return n.value;
        const Extended a = Evaluate(*n.kids[0]);
        if (std::isnan(a)) return NAN;
        switch (n.kind) {
            case Node::Negate: return -a;
            case Node::Factorial: return FactorialOf(a);
            case Node::Function: return FunctionOf(n.code, a);
            default: break;
        }
        const Extended b = Evaluate(*n.kids[1]);
        if (std::isnan(b)) return NAN;
        switch (n.kind) {
            case Node::Add: return a + b;
            case Node::Subtract: return a - b;
            case Node::Multiply: return a * b;
            case Node::Divide: return b == 0 ? NAN : a / b;
            default: return PowerOf(a, b);
        }
    }

    static Extended PowerOf(Extended x, Extended y) {
        if (x > 0) return std::pow(x, y);
        if (x == 0) return y > 0 ? 0 : NAN;
        if (y != std::nearbyint(y)) return NAN;
        const Extended magnitude = std::pow(-x, y);
        return std::fmod(y, 2) == 0 ? magnitude : -magnitude;
    }

    static Extended FactorialOf(Extended x) {
        if (!(x >= 0) || x > 170) return NAN;
        Extended product = 1;
        for (Extended k = 2; k <= std::nearbyint(x); k += 1) product *= k;
        return product;
    }

    // The hyperbolic functions and arcctg are written as the differences they are computed
    // from, so that the jitter shows where such a difference cancels (sh near 0, arcctg of a
    // large argument).
    Extended FunctionOf(int code, Extended x) {
        const Extended r = ToRadians(x);
        if (code >= 5 && code != 13 && code != 14 && code != 15 && code != 16 && std::fabs(r) > 1e15L)
            return NAN;
        switch (code) {
            case 1: return std::fabs(x) < 1 ? FromRadians(std::asin(x)) : NAN;
            case 2: return std::fabs(x) <= 1 ? FromRadians(std::acos(x)) : NAN;
            case 3: return FromRadians(std::atan(x));
            case 4: return FromRadians(Jitter(kPi / 2) - Jitter(std::atan(x)));
            case 5: return std::sin(r);
            case 6: return std::cos(r);
            case 7: return std::tan(r);
            case 8: return 1 / std::tan(r);
            case 9: return (Jitter(std::exp(r)) - Jitter(std::exp(-r))) / 2;
            case 10: return (Jitter(std::exp(r)) + Jitter(std::exp(-r))) / 2;
            case 11: return FunctionOf(9, x) / FunctionOf(10, x);
            case 12: return FunctionOf(10, x) / FunctionOf(9, x);
            case 13: return x > 0 ? std::log10(x) : NAN;
            case 14: return x > 0 ? std::log(x) : NAN;
            case 15: return std::exp(x);
            case 16: return std::fabs(x);
            case 17: return 1 / std::cos(r);
            default: return 1 / std::sin(r);
        }
    }

    AngleUnit unit_;
    Extended scale_;
    std::mt19937_64 rng_;
};

// Numbers with a point, a comma or an "E" exponent; pi, e and g; + - * / ^ !; unary minus at
// the start, after an operator, after "^" and after "("; the eighteen functions, whose
// arguments are kept inside their domains.
class ExpressionGenerator {
public:
    ExpressionGenerator(std::uint64_t seed, AngleUnit unit) : rng_(seed), unit_(unit) {}

    Expression Next() { return Sum(1 + Below(3)); }

private:
    int Below(int n) { return static_cast<int>(rng_() % static_cast<std::uint64_t>(n)); }
    bool Chance(int percent) { return Below(100) < percent; }

    static Expression Join(const Expression& a, char op, const Expression& b) {
        static const std::string ops = "+-*/^";
        const Node::Kind kinds[] = {Node::Add, Node::Subtract, Node::Multiply, Node::Divide, Node::Power};
        return {a.text + op + b.text, MakeNode(kinds[ops.find(op)], {a.tree, b.tree})};
    }

    Expression Sum(int depth) {
        Expression e = Product(depth);
        for (int n = Below(3); n > 0; --n) e = Join(e, Chance(50) ? '+' : '-', Product(depth));
        return e;
    }

    Expression Product(int depth) {
        Expression e = Unary(depth);
        for (int n = Below(3); n > 0; --n) e = Join(e, Chance(50) ? '*' : '/', Unary(depth));
        return e;
    }

    Expression Unary(int depth) {
        Expression e = PowerChain(depth);
        if (Chance(20)) e = {"-" + e.text, MakeNode(Node::Negate, {e.tree})};
        return e;
    }

    Expression PowerChain(int depth) {
        Expression e = Postfix(depth);
        if (!Chance(15)) return e;
        for (int n = 1 + Below(2); n > 0; --n) {
            static const char* const kSmall[] = {"2", "3", "0.5", "1.5", "2,5", "4"};
            static const Extended kSmallValues[] = {2, 3, 0.5L, 1.5L, 2.5L, 4};
            Expression y;
            if (Chance(60)) {
                const int k = Below(6);
                y = {kSmall[k], MakeNumber(kSmallValues[k])};
            } else {
                y = Postfix(depth - 1);
            }
            if (Chance(25)) y = {"-" + y.text, MakeNode(Node::Negate, {y.tree})};
            e = Join(e, '^', y);
        }
        return e;
    }

    Expression Postfix(int depth) {
        Expression e = Primary(depth);
        if (Chance(8)) e = {e.text + "!", MakeNode(Node::Factorial, {e.tree})};
        return e;
    }

    Expression Primary(int depth) {
        const int roll = Below(100);
        if (depth <= 0 || roll < 40) return NumberLiteral();
        if (roll < 55) return ConstantName();
        if (roll < 80) return Call(depth);
        const Expression inner = Sum(depth - 1);
        return {"(" + inner.text + ")", inner.tree};
    }

    Expression NumberLiteral() {
        const int whole = Below(Chance(70) ? 10 : 1000);
        const int fraction = Below(1000);
        const Extended value = whole + fraction / 1000.0L;
        const std::string fractionText = std::to_string(1000 + fraction).substr(1);
        switch (Below(6)) {
            case 0: case 1: return {std::to_string(whole), MakeNumber(whole)};
            case 2: return {std::to_string(whole) + "." + fractionText, MakeNumber(value)};
            case 3: return {std::to_string(whole) + "," + fractionText, MakeNumber(value)};
            case 4: return {"." + fractionText, MakeNumber(fraction / 1000.0L)};
            default: {
                const int exponent = Below(7) - 3;
                const std::string sign = exponent < 0 ? "-" : (Chance(50) ? "+" : "");
                return {std::to_string(whole) + "." + fractionText + "E" + sign + std::to_string(std::abs(exponent)),
                        MakeNumber(value * std::pow(10.0L, exponent))};
            }
        }
    }

    Expression ConstantName() {
        static const char* const kPiNames[] = {"pi", "Pi", "PI", "pI"};
        switch (Below(4)) {
            case 0: case 1: return {kPiNames[Below(4)], MakeNumber(3.1415926535897932385L)};
            case 2: return {"e", MakeNumber(std::exp(1.0L))};
            default: return {"g", MakeNumber(9.80665L)};
        }
    }

    Expression Call(int depth) {
        static const char* const kNames[] = {"arcsin", "arccos", "arctg", "arcctg", "sin", "cos",
                                             "tg", "ctg", "sh", "ch", "tgh", "ctgh",
                                             "lg", "ln", "exp", "abs", "sec", "cosec"};
        const int code = 1 + Below(18);
        Expression arg = Sum(depth - 1);
        const Extended x = TreeEvaluator(unit_).Evaluate(*arg.tree);
        const bool inverseSine = code == 1 || code == 2;
        const bool logarithm = code == 13 || code == 14;
        if ((inverseSine && !(std::fabs(x) < 1)) || (logarithm && !(x > 0)) || (code == 15 && !(x < 50))) {
            const int k = 1 + Below(98);
            arg = {"0." + std::to_string(100 + k).substr(1), MakeNumber(k / 100.0L)};
            if (inverseSine && Chance(50)) arg = {"-" + arg.text, MakeNode(Node::Negate, {arg.tree})};
        }
        return {std::string(kNames[code - 1]) + "(" + arg.text + ")", MakeNode(Node::Function, {arg.tree}, code)};
    }

    std::mt19937_64 rng_;
    AngleUnit unit_;
};

}  // namespace zul::test
