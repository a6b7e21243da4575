// Reading a template into a formula tree and putting it into the shape a handbook prints.
#include "MathFormula.h"

#include <algorithm>
#include <cctype>

namespace zul::pictgen {

bool Expr::operator==(const Expr& o) const {
    return kind == o.kind && text == o.text && a == o.a && b == o.b && minus == o.minus && rootIndex == o.rootIndex;
}

namespace {

Expr Number(std::string text) {
    Expr e;
    e.kind = Expr::Kind::Number;
    e.text = std::move(text);
    return e;
}

Expr Wrap(Expr::Kind kind, Expr operand) {
    Expr e;
    e.kind = kind;
    e.a.push_back(std::move(operand));
    return e;
}

bool IsNumber(const Expr& e, std::string_view text) { return e.kind == Expr::Kind::Number && e.text == text; }

// Numbers first, then π, then everything else in its written order.
int FactorRank(const Expr& e) {
    if (e.kind == Expr::Kind::Number) return 0;
    if (e.kind == Expr::Kind::Power && e.a[0].kind == Expr::Kind::Number && e.a[1].kind == Expr::Kind::Number) return 0;
    if (e.kind == Expr::Kind::Symbol && e.text == "π") return 1;
    return 2;
}

// x·x·x -> x³, keeping the place of the first x.
std::vector<Expr> GatherPowers(std::vector<Expr> factors) {
    std::vector<Expr> out;
    std::vector<int> counts;
    for (Expr& f : factors) {
        auto it = std::find(out.begin(), out.end(), f);
        if (it != out.end() && !IsNumber(f, "1")) {
            ++counts[static_cast<std::size_t>(it - out.begin())];
        } else {
            out.push_back(std::move(f));
            counts.push_back(1);
        }
    }
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (counts[i] < 2) continue;
        Expr p;
        p.kind = Expr::Kind::Power;
        p.a = {std::move(out[i]), Number(std::to_string(counts[i]))};
        out[i] = std::move(p);
    }
    std::stable_sort(out.begin(), out.end(), [](const Expr& l, const Expr& r) { return FactorRank(l) < FactorRank(r); });
    return out;
}

Expr MakeProduct(std::vector<Expr> num, std::vector<Expr> den) {
    num = GatherPowers(std::move(num));
    den = GatherPowers(std::move(den));
    if (num.empty()) num.push_back(Number("1"));
    if (den.empty() && num.size() == 1) return std::move(num[0]);
    Expr e;
    e.kind = Expr::Kind::Product;
    e.a = std::move(num);
    e.b = std::move(den);
    return e;
}

// Adds a factor to a product under construction; a product inside brackets merges into it
// (a/(b/c) -> a·c/b).
void AddFactor(Expr f, bool divide, std::vector<Expr>& num, std::vector<Expr>& den) {
    if (f.kind == Expr::Kind::Product) {
        auto& up = divide ? den : num;
        auto& down = divide ? num : den;
        for (Expr& x : f.a) up.push_back(std::move(x));
        for (Expr& x : f.b) down.push_back(std::move(x));
        return;
    }
    if (IsNumber(f, "1")) return;
    (divide ? den : num).push_back(std::move(f));
}

class Parser {
public:
    Parser(std::string_view text, const SymbolNamer& namer) : s_(text), namer_(namer) {}

    std::optional<Expr> Run() {
        auto e = Sum();
        Skip();
        if (!e || pos_ != s_.size()) return std::nullopt;
        return e;
    }

private:
    void Skip() {
        while (pos_ < s_.size() && s_[pos_] == ' ') ++pos_;
    }
    bool Take(char c) {
        Skip();
        if (pos_ < s_.size() && s_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }
    char Peek() {
        Skip();
        return pos_ < s_.size() ? s_[pos_] : '\0';
    }

    std::optional<Expr> Sum() {
        Expr sum;
        sum.kind = Expr::Kind::Sum;
        bool minus = false;
        for (;;) {
            auto t = Term();
            if (!t) return std::nullopt;
            AddTerm(std::move(*t), minus, sum);
            if (Take('+'))
                minus = false;
            else if (Take('-'))
                minus = true;
            else
                break;
        }
        if (sum.a.size() == 1 && !sum.minus[0]) return std::move(sum.a[0]);
        return sum;
    }

    static void AddTerm(Expr t, bool minus, Expr& sum) {
        if (t.kind == Expr::Kind::Negate) {
            AddTerm(std::move(t.a[0]), !minus, sum);
        } else if (t.kind == Expr::Kind::Sum) {
            for (std::size_t i = 0; i < t.a.size(); ++i) AddTerm(std::move(t.a[i]), minus != t.minus[i], sum);
        } else {
            sum.a.push_back(std::move(t));
            sum.minus.push_back(minus);
        }
    }

    std::optional<Expr> Term() {
        std::vector<Expr> num, den;
        bool divide = false;
        for (;;) {
            auto f = Unary();
            if (!f) return std::nullopt;
            AddFactor(std::move(*f), divide, num, den);
            if (Take('*'))
                divide = false;
            else if (Take('/'))
                divide = true;
            else
                break;
        }
        return MakeProduct(std::move(num), std::move(den));
    }

    std::optional<Expr> Unary() {
        if (Take('-')) {
            auto e = Unary();
            if (!e) return std::nullopt;
            return Wrap(Expr::Kind::Negate, std::move(*e));
        }
        return Power();
    }

    // "^" binds left to right, as the evaluator reads it.
    std::optional<Expr> Power() {
        auto base = Postfix();
        if (!base) return std::nullopt;
        while (Take('^')) {
            const bool negative = Take('-');
            auto exponent = Postfix();
            if (!exponent) return std::nullopt;
            if (negative) *exponent = Wrap(Expr::Kind::Negate, std::move(*exponent));
            base = MakePower(std::move(*base), std::move(*exponent));
        }
        return base;
    }

    static Expr MakePower(Expr base, Expr exponent) {
        if (IsNumber(exponent, "0.5") || IsNumber(exponent, "0.25")) {
            Expr r = Wrap(Expr::Kind::Root, std::move(base));
            r.rootIndex = exponent.text == "0.5" ? 2 : 4;
            return r;
        }
        Expr p;
        p.kind = Expr::Kind::Power;
        p.a = {std::move(base), std::move(exponent)};
        return p;
    }

    std::optional<Expr> Postfix() {
        auto e = Primary();
        while (e && Take('!')) e = Wrap(Expr::Kind::Factorial, std::move(*e));
        return e;
    }

    std::optional<Expr> Primary() {
        const char c = Peek();
        if (c == '(') {
            ++pos_;
            auto e = Sum();
            if (!e || !Take(')')) return std::nullopt;
            return e;
        }
        if (std::isdigit(static_cast<unsigned char>(c)) || c == '.') return NumberToken();
        if (c == '{') {
            const std::size_t close = s_.find('}', pos_);
            if (close == std::string_view::npos) return std::nullopt;
            const std::string_view id = s_.substr(pos_, close - pos_ + 1);
            pos_ = close + 1;
            return SymbolOf(id);
        }
        if (std::isalpha(static_cast<unsigned char>(c)) || c == '_') {
            const std::size_t start = pos_;
            while (pos_ < s_.size() && (std::isalnum(static_cast<unsigned char>(s_[pos_])) || s_[pos_] == '_')) ++pos_;
            const std::string_view id = s_.substr(start, pos_ - start);
            if (id == "SUM") {
                auto e = Power();
                if (!e) return std::nullopt;
                return Wrap(Expr::Kind::BigSum, std::move(*e));
            }
            if (id == "sin" || id == "cos" || id == "ln" || id == "lg") {
                if (!Take('(')) return std::nullopt;
                auto e = Sum();
                if (!e || !Take(')')) return std::nullopt;
                Expr f = Wrap(Expr::Kind::Function, std::move(*e));
                f.text = std::string(id);
                return f;
            }
            return SymbolOf(id);
        }
        return std::nullopt;
    }

    Expr SymbolOf(std::string_view id) {
        Expr e;
        e.kind = Expr::Kind::Symbol;
        e.text = namer_(id);
        return e;
    }

    // "1E+08" -> 10^8, "3.6E+06" -> 3.6·10^6.
    std::optional<Expr> NumberToken() {
        const std::size_t start = pos_;
        while (pos_ < s_.size() && (std::isdigit(static_cast<unsigned char>(s_[pos_])) || s_[pos_] == '.')) ++pos_;
        std::string mantissa(s_.substr(start, pos_ - start));
        if (pos_ < s_.size() && (s_[pos_] == 'E' || s_[pos_] == 'e')) {
            ++pos_;
            std::string sign;
            if (pos_ < s_.size() && (s_[pos_] == '+' || s_[pos_] == '-')) sign = s_[pos_++] == '-' ? "-" : "";
            const std::size_t digits = pos_;
            while (pos_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[pos_]))) ++pos_;
            std::string exponent(s_.substr(digits, pos_ - digits));
            exponent.erase(0, std::min(exponent.find_first_not_of('0'), exponent.size() - 1));
            Expr power = MakePower(Number("10"), sign.empty() ? Number(exponent) : Wrap(Expr::Kind::Negate, Number(exponent)));
            if (mantissa == "1") return power;
            return MakeProduct({Number(mantissa), std::move(power)}, {});
        }
        return Number(mantissa);
    }

    std::string_view s_;
    std::size_t pos_ = 0;
    const SymbolNamer& namer_;
};

}  // namespace

std::optional<Expr> ParseFormula(std::string_view text, const SymbolNamer& namer) {
    return Parser(text, namer).Run();
}

std::string Describe(const Expr& e) {
    auto joined = [](const std::vector<Expr>& list) {
        std::string out;
        for (const Expr& x : list) out += (out.empty() ? "" : "·") + Describe(x);
        return out;
    };
    switch (e.kind) {
        case Expr::Kind::Number:
        case Expr::Kind::Symbol:
            return e.text;
        case Expr::Kind::Sum: {
            std::string out = "(";
            for (std::size_t i = 0; i < e.a.size(); ++i)
                out += (e.minus[i] ? (i ? " − " : "−") : (i ? " + " : "")) + Describe(e.a[i]);
            return out + ")";
        }
        case Expr::Kind::Product:
            return e.b.empty() ? joined(e.a) : "[" + joined(e.a) + " / " + joined(e.b) + "]";
        case Expr::Kind::Power:
            return Describe(e.a[0]) + "^(" + Describe(e.a[1]) + ")";
        case Expr::Kind::Root:
            return (e.rootIndex == 4 ? "∜(" : "√(") + Describe(e.a[0]) + ")";
        case Expr::Kind::Function:
            return e.text + "(" + Describe(e.a[0]) + ")";
        case Expr::Kind::Factorial:
            return Describe(e.a[0]) + "!";
        case Expr::Kind::Negate:
            return "−" + Describe(e.a[0]);
        case Expr::Kind::BigSum:
            return "Σ" + Describe(e.a[0]);
    }
    return {};
}

}  // namespace zul::pictgen
