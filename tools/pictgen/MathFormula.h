// Formulas of the calculator read from their template text ("X1/(3600*pi*(X2/1000)^2/4)")
// into a tree shaped for reading: one fraction per product, powers of 1/2 and 1/4 as roots,
// repeated factors as powers, numbers in front.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zul::pictgen {

struct Expr {
    enum class Kind { Number, Symbol, Sum, Product, Power, Root, Function, Factorial, Negate, BigSum };
    Kind kind = Kind::Number;
    std::string text;          // Number: digits as written; Symbol: display name; Function: its name
    std::vector<Expr> a;       // Sum: terms; Product: numerator; Power: base, exponent; others: operand
    std::vector<Expr> b;       // Product: denominator
    std::vector<bool> minus;   // Sum: true where the term is subtracted
    int rootIndex = 2;         // Root: 2 or 4

    bool operator==(const Expr& other) const;
};

// Turns an identifier of the template ("X1", "{Ro-Voda}", "pi", or a name of the picture's
// own such as "p") into the symbol's display name: "d", "ρ_в", "π". Subscripts follow "_".
using SymbolNamer = std::function<std::string(std::string_view identifier)>;

// Reads a template in the evaluator's syntax: numbers (also 1E+08), + - * / ^ !, brackets,
// the functions sin, cos, ln and lg, and SUM (drawn as a large sigma). Nothing when the
// text does not parse.
std::optional<Expr> ParseFormula(std::string_view text, const SymbolNamer& namer);

// The tree on one line, brackets showing its shape: a fraction "[a·b / c]", a root "√(x)"
// or "∜(x)", a power "x^(y)", a sum "(a + b − c)".
std::string Describe(const Expr& e);

}  // namespace zul::pictgen
