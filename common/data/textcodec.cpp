#include "common/data/textcodec.h"

#include <array>
#include <cstdint>

namespace fb {
namespace {

// Unicode code points of the bytes 0x80..0xFF of Windows-1251.
constexpr std::array<char32_t, 128> kHigh = {
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

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

int EncodeCp1251(char32_t c) {
    if (c < 0x80) return static_cast<int>(c);
    for (size_t k = 0; k < kHigh.size(); ++k)
        if (kHigh[k] == c) return static_cast<int>(0x80 + k);
    return -1;
}

// Lower case of ASCII and the Cyrillic letters of Windows-1251.
char32_t FoldCase(char32_t c) {
    if (c >= 'A' && c <= 'Z') return c + 32;
    if (c >= 0x0410 && c <= 0x042F) return c + 32;
    if (c >= 0x0400 && c <= 0x040F) return c + 80;
    if (c == 0x0490) return 0x0491;
    return c;
}

}  // namespace

bool NextCodePoint(std::string_view s, size_t& i, char32_t& c) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    int len = 0;
    if (b0 < 0x80) {
        c = b0;
        len = 1;
    } else if ((b0 & 0xE0) == 0xC0) {
        c = b0 & 0x1F;
        len = 2;
    } else if ((b0 & 0xF0) == 0xE0) {
        c = b0 & 0x0F;
        len = 3;
    } else if ((b0 & 0xF8) == 0xF0) {
        c = b0 & 0x07;
        len = 4;
    } else
        return false;
    if (i + len > s.size()) return false;
    for (int k = 1; k < len; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80) return false;
        c = (c << 6) | (b & 0x3F);
    }
    i += len;
    return true;
}

std::string Cp1251ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x80)
            out += ch;
        else
            AppendUtf8(out, kHigh[b - 0x80]);
    }
    return out;
}

bool Utf8ToCp1251(std::string_view utf8, std::string& out, std::string* bad) {
    out.clear();
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        const size_t start = i;
        char32_t c = 0;
        if (!NextCodePoint(utf8, i, c)) {
            if (bad) *bad = "\\x" + std::to_string(static_cast<unsigned char>(utf8[start]));
            return false;
        }
        const int b = EncodeCp1251(c);
        if (b < 0) {
            if (bad) *bad = std::string(utf8.substr(start, i - start));
            return false;
        }
        out += static_cast<char>(b);
    }
    return true;
}

bool IsCp1251Encodable(std::string_view utf8) {
    std::string ignored;
    return Utf8ToCp1251(utf8, ignored);
}

bool StartsWithIgnoreCase(std::string_view text, std::string_view prefix) {
    size_t i = 0, j = 0;
    while (j < prefix.size()) {
        if (i >= text.size()) return false;
        char32_t a = 0, b = 0;
        const size_t i0 = i, j0 = j;
        const bool okA = NextCodePoint(text, i, a);
        const bool okB = NextCodePoint(prefix, j, b);
        if (!okA || !okB) {
            // Malformed bytes compare as themselves.
            if (!okA) i = i0 + 1, a = 0x110000 + static_cast<unsigned char>(text[i0]);
            if (!okB) j = j0 + 1, b = 0x110000 + static_cast<unsigned char>(prefix[j0]);
        }
        if (FoldCase(a) != FoldCase(b)) return false;
    }
    return true;
}

int CompareIgnoreCase(std::string_view a, std::string_view b) {
    // Each character becomes a key: twice its folded code point, "ё" one above "е".
    auto key = [](std::string_view s, size_t& i) -> char32_t {
        char32_t c = 0;
        const size_t i0 = i;
        if (!NextCodePoint(s, i, c)) {
            i = i0 + 1;  // a malformed byte sorts after every character, as itself
            return (0x110000 + static_cast<unsigned char>(s[i0])) * 2;
        }
        c = FoldCase(c);
        return c == 0x0451 ? 0x0435 * 2 + 1 : c * 2;
    };
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const char32_t ka = key(a, i), kb = key(b, j);
        if (ka != kb) return ka < kb ? -1 : 1;
    }
    if (i < a.size()) return 1;
    return j < b.size() ? -1 : 0;
}

std::string CommaToPoint(std::string_view text) {
    std::string s(text);
    for (char& c : s)
        if (c == ',') c = '.';
    return s;
}

}  // namespace fb
