#include "common/data/numbers.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <limits>
#include <system_error>

namespace fb {
namespace {

bool IsCSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the longest prefix of s that is a decimal floating-point number in strtod's
// grammar (no sign, no inf/nan/hex), 0 when there is none.
size_t DecimalLength(std::string_view s) {
    size_t i = 0;
    size_t digits = 0;
    while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
    }
    if (digits == 0) return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        if (j < s.size() && IsDigit(s[j])) {
            while (j < s.size() && IsDigit(s[j])) ++j;
            i = j;
        }
    }
    return i;
}

// Rounds a plain digit string "ddd.ddd..." (no sign) at `decimals` places, half away from
// zero, when the digits beyond that place are known exactly.
std::string RoundDigits(const std::string& exact, int decimals) {
    const size_t point = exact.find('.');
    std::string head = exact.substr(0, point + (decimals > 0 ? decimals + 1 : 0));
    if (decimals == 0) head = exact.substr(0, point);
    const char next = point + decimals + 1 < exact.size() ? exact[point + decimals + 1] : '0';
    if (next >= '5') {
        int k = static_cast<int>(head.size()) - 1;
        for (; k >= 0; --k) {
            if (head[k] == '.') continue;
            if (head[k] == '9') {
                head[k] = '0';
            } else {
                ++head[k];
                break;
            }
        }
        if (k < 0) head.insert(head.begin(), '1');
    }
    return head;
}

}  // namespace

double TextToDouble(std::string_view text) {
    std::string s(text);
    for (char& c : s)
        if (c == ',') c = '.';
    size_t i = 0;
    while (i < s.size() && IsCSpace(s[i])) ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    const std::string_view rest(s.data() + i, s.size() - i);
    const size_t len = DecimalLength(rest);
    if (len == 0) return 0.0;
    // A leading "0x" is read as the number 0 followed by letters, as strtod's
    // decimal grammar would; the hexadecimal form itself is not accepted.
    double value = 0.0;
    const auto res = std::from_chars(rest.data(), rest.data() + len, value, std::chars_format::general);
    if (res.ec == std::errc::result_out_of_range) {
        // Decide overflow from underflow by the exponent's sign and the mantissa.
        const std::string_view num = rest.substr(0, len);
        const size_t e = num.find_first_of("eE");
        const bool negExp = e != std::string_view::npos && e + 1 < num.size() && num[e + 1] == '-';
        value = negExp ? 0.0 : std::numeric_limits<double>::infinity();
    } else if (res.ec != std::errc()) {
        return 0.0;
    }
    return negative ? -value : value;
}

int TextToInt(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && IsCSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long v = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        v = v * 10 + (text[i] - '0');
        if (v > static_cast<long long>(INT_MAX) + 1) v = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative) v = -v;
    if (v > INT_MAX) v = INT_MAX;
    if (v < INT_MIN) v = INT_MIN;
    return static_cast<int>(v);
}

std::string FormatFixed(double value, int decimals) {
    if (std::isnan(value)) return std::signbit(value) ? "-nan" : "nan";
    if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
    const bool negative = std::signbit(value);
    const double mag = std::fabs(value);

    // A window of 20 digits past the rounding digit decides every case but a tie, whose
    // window reads "5000..."; only then is the exact expansion of the double needed.
    char buf[1600];
    const int window = decimals + 21;
    auto res = std::to_chars(buf, buf + sizeof buf, mag, std::chars_format::fixed, window);
    std::string digits(buf, res.ptr);
    const size_t point = digits.find('.');
    const std::string tail = digits.substr(point + decimals + 1);
    if (tail.find_first_not_of('0', 1) == std::string::npos && tail[0] == '5') {
        // A double has at most 1074 fractional binary digits, so as many decimal ones.
        res = std::to_chars(buf, buf + sizeof buf, mag, std::chars_format::fixed, 1100);
        digits.assign(buf, res.ptr);
    }
    std::string out = RoundDigits(digits, decimals);
    return negative ? "-" + out : out;
}

std::string FormatInt(long long value) { return std::to_string(value); }

std::string TidyText(std::string text) {
    if (text.find('.') == std::string::npos) return text;
    while (!text.empty() && text.back() == '0') text.pop_back();
    if (!text.empty() && text.back() == '.') text.pop_back();
    return text;
}

std::string TidyNumber(double value) { return TidyText(F3(value)); }

int TruncToInt(double value) {
    if (std::isnan(value)) return 0;
    if (value >= 2147483647.0) return INT_MAX;
    if (value <= -2147483648.0) return INT_MIN;
    return static_cast<int>(value);
}

bool ShowsNotFinite(const std::string& text) {
    return text.find("inf") != std::string::npos || text.find("nan") != std::string::npos;
}

bool AllFinite(std::initializer_list<double> values) {
    for (const double v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

}  // namespace fb
