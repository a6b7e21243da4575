// The number reader and the exponent, fixed and result texts.
#include "eval/NumberText.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <cmath>
#include <cstdlib>

namespace zul {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Powers of ten that long double holds exactly (5^27 < 2^64).
constexpr int kExactPow10 = 27;
const std::array<Extended, kExactPow10 + 1>& Pow10Table() {
    static const std::array<Extended, kExactPow10 + 1> table = [] {
        std::array<Extended, kExactPow10 + 1> t{};
        t[0] = 1;
        for (int i = 1; i <= kExactPow10; ++i) t[i] = t[i - 1] * 10;
        return t;
    }();
    return table;
}

}  // namespace

bool ReadNumber(std::string_view s, Extended& value) {
    std::size_t i = 0, n = s.size();
    while (i < n && s[i] == ' ') ++i;
    bool negative = false;
    if (i < n && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    const std::size_t intBegin = i;
    while (i < n && IsDigit(s[i])) ++i;
    const std::size_t intEnd = i;
    std::size_t fracBegin = i, fracEnd = i;
    bool point = false;
    if (i < n && s[i] == '.') {
        point = true;
        fracBegin = ++i;
        while (i < n && IsDigit(s[i])) ++i;
        fracEnd = i;
    }
    if (intEnd == intBegin && !point) return false;  // "", "+", "-"
    long exponent = 0;
    if (i < n && (s[i] == 'E' || s[i] == 'e')) {
        ++i;
        bool expNegative = false;
        if (i < n && (s[i] == '+' || s[i] == '-')) expNegative = s[i++] == '-';
        if (i == n || !IsDigit(s[i])) return false;
        while (i < n && IsDigit(s[i])) {
            if (exponent < 1000000) exponent = exponent * 10 + (s[i] - '0');
            ++i;
        }
        if (expNegative) exponent = -exponent;
    }
    if (i != n) return false;

    // Significant digits without leading zeros; e10 is the power of ten of the last digit.
    std::string digits;
    digits.reserve(intEnd - intBegin + fracEnd - fracBegin);
    for (std::size_t k = intBegin; k < intEnd; ++k)
        if (!digits.empty() || s[k] != '0') digits.push_back(s[k]);
    long e10 = exponent;
    for (std::size_t k = fracBegin; k < fracEnd; ++k) {
        if (!digits.empty() || s[k] != '0') digits.push_back(s[k]);
        --e10;
    }
    while (!digits.empty() && digits.back() == '0') {  // trailing zeros only shift the exponent
        digits.pop_back();
        ++e10;
    }
    if (digits.empty()) {
        value = negative ? -0.0L : 0.0L;
        return true;
    }
    Extended v;
    if (digits.size() <= 19 && e10 >= -kExactPow10 && e10 <= kExactPow10) {
        // One rounding of two exact operands: correctly rounded.
        std::uint64_t m = 0;
        for (char c : digits) m = m * 10 + static_cast<std::uint64_t>(c - '0');
        const Extended mant = static_cast<Extended>(m);
        v = e10 >= 0 ? mant * Pow10Table()[e10] : mant / Pow10Table()[-e10];
    } else {
        std::string buf = digits;
        buf += 'e';
        buf += std::to_string(e10);
        auto res = std::from_chars(buf.data(), buf.data() + buf.size(), v);
        if (res.ec == std::errc::result_out_of_range) {
            const long order = e10 + static_cast<long>(digits.size()) - 1;
            if (order > 0) return false;  // beyond the Extended range: not a number
            v = 0;                        // below the smallest value: reads as 0
        } else if (res.ec != std::errc()) {
            return false;
        }
    }
    value = negative ? -v : v;
    return true;
}

namespace {

// The magnitude rounded to 18 significant digits: digits[0..17] and the decimal exponent
// of digits[0]. Zero gives "000000000000000000" and exponent 0.
struct Digits18 {
    char d[18];
    int exponent;
};

void FillDigits(Digits18& r, std::uint64_t n) {
    for (int k = 17; k >= 0; --k) {
        r.d[k] = static_cast<char>('0' + n % 10);
        n /= 10;
    }
}

// Fast exact path: for decimal exponents where 10^(17-E) is exact, v * 10^(17-E) carries a
// single rounding error below 1/64, so its nearest integer is the correctly rounded
// 18-digit value unless the fraction lies within that error of one half.
bool FastDigits18(Extended magnitude, Digits18& r) {
    int e = static_cast<int>(std::floor(static_cast<double>(std::ilogb(magnitude)) * 0.30102999566398119521));
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int scale = 17 - e;
        if (scale < -kExactPow10 || scale > kExactPow10) return false;
        const Extended y = scale >= 0 ? magnitude * Pow10Table()[scale] : magnitude / Pow10Table()[-scale];
        if (y < 1e17L) {
            --e;
            continue;
        }
        if (y >= 1e18L) {
            ++e;
            continue;
        }
        const Extended whole = std::floor(y);
        const Extended frac = y - whole;
        if (std::fabs(frac - 0.5L) < 0.03125L) return false;
        std::uint64_t n = static_cast<std::uint64_t>(whole) + (frac > 0.5L ? 1 : 0);
        if (n >= 1000000000000000000ULL) {
            n /= 10;
            ++e;
        }
        FillDigits(r, n);
        r.exponent = e;
        return true;
    }
    return false;
}

Digits18 ToDigits18(Extended magnitude) {
    Digits18 r{};
    if (magnitude == 0) {
        for (char& c : r.d) c = '0';
        r.exponent = 0;
        return r;
    }
    if (FastDigits18(magnitude, r)) return r;
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, 17);
    // buf: d.ddddddddddddddddde[+-]x...
    r.d[0] = buf[0];
    for (int k = 0; k < 17; ++k) r.d[k + 1] = buf[k + 2];
    const char* e = buf + 19;  // 'e'
    int exp = 0;
    std::from_chars(e + 2, res.ptr, exp);
    r.exponent = e[1] == '-' ? -exp : exp;
    return r;
}

// Keeps the first `keep` digits, rounding half up on the next one; returns true when the
// carry ran out of the first digit (the digits are then 1 followed by zeros).
bool RoundDigits(char* d, int keep) {
    if (d[keep] < '5') return false;
    for (int k = keep - 1; k >= 0; --k) {
        if (d[k] != '9') {
            ++d[k];
            return false;
        }
        d[k] = '0';
    }
    d[0] = '1';
    return true;
}

void AppendExponent(std::string& out, int exponent) {
    out += exponent < 0 ? '-' : '+';
    int e = std::abs(exponent) % 10000;  // Extended exponents stay below 5000
    const char digits[4] = {static_cast<char>('0' + e / 1000), static_cast<char>('0' + e / 100 % 10),
                            static_cast<char>('0' + e / 10 % 10), static_cast<char>('0' + e % 10)};
    out.append(digits, 4);
}

}  // namespace

std::string ExponentText(Extended v) {
    const bool negative = v < 0;
    Digits18 g = ToDigits18(negative ? -v : v);
    if (RoundDigits(g.d, 15)) ++g.exponent;
    std::string out;
    out.reserve(23);
    out += negative ? '-' : ' ';
    out += g.d[0];
    out += '.';
    out.append(g.d + 1, 14);
    out += 'E';
    AppendExponent(out, g.exponent);
    return out;
}

std::string FixedText(Extended v) {
    const bool negative = v < 0;
    const Extended magnitude = negative ? -v : v;
    Digits18 g = ToDigits18(magnitude);
    if (magnitude != 0 && g.exponent >= 36) {
        if (RoundDigits(g.d, 2)) ++g.exponent;
        std::string out;
        out += negative ? '-' : ' ';
        out += g.d[0];
        out += '.';
        out += g.d[1];
        out += 'E';
        AppendExponent(out, g.exponent);
        return out;
    }
    // digits: the value's digits from 10^exponent down to 10^-12.
    std::string digits;
    int exponent = g.exponent;
    const int needed = magnitude == 0 ? 0 : exponent + 13;
    if (magnitude == 0 || needed < 0 || (needed == 0 && g.d[0] < '5')) {
        digits = "0";
        exponent = -12;
    } else if (needed == 0) {
        digits = "1";
        exponent = -12;
    } else if (needed >= 18) {
        digits.assign(g.d, 18);
        digits.append(static_cast<std::size_t>(needed - 18), '0');
    } else {
        if (RoundDigits(g.d, needed)) ++exponent;
        digits.assign(g.d, static_cast<std::size_t>(needed));
        if (exponent != g.exponent) digits += '0';
    }
    std::string out;
    if (negative) out += '-';
    if (exponent >= 0) {
        out.append(digits, 0, static_cast<std::size_t>(exponent + 1));
        out += '.';
        out.append(digits, static_cast<std::size_t>(exponent + 1), std::string::npos);
    } else {
        out += "0.";
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += digits;
    }
    return out;
}

std::string TrimResult(std::string_view text) {
    if (text.find('E') != std::string_view::npos) return std::string(text);
    std::string s = Trim(text);
    if (s.find('.') != std::string::npos) {
        std::size_t lead = 0;
        while (lead + 1 < s.size() && s[lead] == '0' && s[lead + 1] != '.') ++lead;
        s.erase(0, lead);
        while (!s.empty() && s.back() == '0') s.pop_back();
        while (!s.empty() && s.back() == '.') s.pop_back();
    } else {
        std::size_t lead = 0;
        while (lead + 1 < s.size() && s[lead] == '0') ++lead;  // "0" stays "0"
        s.erase(0, lead);
    }
    return s;
}

std::string ResultText(Extended v) {
    std::string f = FixedText(v);
    Extended back = 0;
    if (v != 0 && ReadNumber(Trim(f), back) && back == 0) f = ExponentText(v);
    return TrimResult(f);
}

}  // namespace zul
