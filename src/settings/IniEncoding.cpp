// Windows-1251 <-> UTF-8 conversion for the INI files.
#include "settings/IniEncoding.h"

#include <array>
#include <cstdint>

namespace zul {
namespace {

// Code points of the bytes 0x80..0xFF of Windows-1251.
constexpr std::array<char32_t, 128> kHighHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039, 0x040A,
    0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0098, 0x2122,
    0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6,
    0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456,
    0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, 0x0410,
    0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, 0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D,
    0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429, 0x042A,
    0x042B, 0x042C, 0x042D, 0x042E, 0x042F, 0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F, 0x0440, 0x0441, 0x0442, 0x0443, 0x0444,
    0x0445, 0x0446, 0x0447, 0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

constexpr std::string_view kBom = "\xEF\xBB\xBF";

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Length of the valid UTF-8 sequence starting at i, 0 when the byte there starts none.
std::size_t Utf8SequenceLength(std::string_view s, std::size_t i, char32_t& code) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    if (b0 < 0x80) {
        code = b0;
        return 1;
    }
    std::size_t len = 0;
    char32_t min = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        len = 2, code = b0 & 0x1F, min = 0x80;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        len = 3, code = b0 & 0x0F, min = 0x800;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        len = 4, code = b0 & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (i + len > s.size()) return 0;
    for (std::size_t k = 1; k < len; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80) return 0;
        code = (code << 6) | (b & 0x3F);
    }
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    if (code < min || code > 0x10FFFF || surrogate) return 0;
    return len;
}

bool HasNonAscii(std::string_view s) {
    for (char c : s)
        if (static_cast<unsigned char>(c) >= 0x80) return true;
    return false;
}

// Valid sequences kept; a stray byte is taken as a Windows-1251 byte (so a file with a
// byte order mark and a few broken bytes still reads, and nothing is dropped).
std::string RepairUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    char32_t code = 0;
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t len = Utf8SequenceLength(bytes, i, code);
        if (len == 0) {
            const auto b = static_cast<unsigned char>(bytes[i++]);
            AppendUtf8(out, kHighHalf[b - 0x80]);
        } else {
            out.append(bytes.substr(i, len));
            i += len;
        }
    }
    return out;
}

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
    char32_t code = 0;
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t len = Utf8SequenceLength(bytes, i, code);
        if (len == 0) return false;
        i += len;
    }
    return true;
}

std::string Windows1251ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        AppendUtf8(out, b < 0x80 ? char32_t{b} : kHighHalf[b - 0x80]);
    }
    return out;
}

bool Utf8ToWindows1251(std::string_view text, std::string& out) {
    out.clear();
    out.reserve(text.size());
    char32_t code = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t len = Utf8SequenceLength(text, i, code);
        if (len == 0) {  // a stray byte: keep it as it is
            out += text[i++];
            continue;
        }
        i += len;
        if (code < 0x80) {
            out += static_cast<char>(code);
            continue;
        }
        std::size_t k = 0;
        while (k < kHighHalf.size() && kHighHalf[k] != code) ++k;
        if (k == kHighHalf.size()) return false;
        out += static_cast<char>(0x80 + k);
    }
    return true;
}

std::string DecodeIniBytes(std::string_view bytes, IniEncoding* detected) {
    IniEncoding encoding = IniEncoding::Windows1251;
    if (bytes.substr(0, kBom.size()) == kBom) {
        bytes.remove_prefix(kBom.size());
        encoding = IniEncoding::Utf8;
    } else if (HasNonAscii(bytes) && IsValidUtf8(bytes)) {
        encoding = IniEncoding::Utf8;
    }
    if (detected) *detected = encoding;
    if (encoding == IniEncoding::Utf8) return RepairUtf8(bytes);
    return Windows1251ToUtf8(bytes);
}

std::string EncodeIniText(std::string_view text, IniEncoding* chosen) {
    std::string cp1251;
    // Windows-1251 bytes that happen to be valid UTF-8, or begin as the byte order mark
    // does, would be read back as UTF-8.
    const bool fits = Utf8ToWindows1251(text, cp1251) && !(HasNonAscii(cp1251) && IsValidUtf8(cp1251)) &&
                      cp1251.substr(0, kBom.size()) != kBom;
    if (fits) {
        if (chosen) *chosen = IniEncoding::Windows1251;
        return cp1251;
    }
    if (chosen) *chosen = IniEncoding::Utf8;
    std::string utf8 = IsValidUtf8(text) ? std::string(text) : RepairUtf8(text);
    // A text that begins with the byte order mark's character keeps it behind a mark of
    // its own, since the reader drops one.
    if (utf8.substr(0, kBom.size()) == kBom) utf8.insert(0, kBom);
    return utf8;
}

}  // namespace zul
