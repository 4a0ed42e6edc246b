#pragma once
// Reading and formatting numbers without the process locale: a Russian desktop sets ","
// as decimal separator and Qt applies it to the C library, which would change every text.
#include <initializer_list>
#include <string>
#include <string_view>

namespace fb {

// The programs' reading of a typed number: every "," becomes ".", then the leading decimal
// number is taken with the C atof rules (leading white space, sign, digits, point, exponent);
// anything else, and the "inf", "nan" and hexadecimal forms, give 0. Overflow gives +-inf
// as strtod does.
double TextToDouble(std::string_view text);

// atoi rules: leading white space, sign, digits up to the first non-digit; 0 otherwise.
// Values beyond the int range are clamped (atoi leaves them undefined).
int TextToInt(std::string_view text);

// printf("%.Nf") with correct rounding, an exact binary tie rounding half away from zero
// (310.5 -> "311"), and "inf", "-inf", "nan", "-nan" as the C library on Linux prints them.
std::string FormatFixed(double value, int decimals);

inline std::string F0(double v) { return FormatFixed(v, 0); }
inline std::string F1(double v) { return FormatFixed(v, 1); }
inline std::string F2(double v) { return FormatFixed(v, 2); }
inline std::string F3(double v) { return FormatFixed(v, 3); }

// printf("%i").
std::string FormatInt(long long value);

// "%.3f", then trailing zeros of the fraction and a point left at the end removed
// (0.500 -> "0.5", 1.000 -> "1").
std::string TidyNumber(double value);

// The same tidying applied to a text: only when it holds a decimal point.
std::string TidyText(std::string text);

// The rule both engines apply to the values they show: a result is valid only when every
// value behind it is finite (no infinity, no not-a-number).
bool AllFinite(std::initializer_list<double> values);
// The same rule read from a shown text: "inf", "-nan" and the like show a value that is not.
bool ShowsNotFinite(const std::string& text);

// The integer part of a double as C's (int) cast would give it, clamped to the int range
// so that a huge or not-a-number value never becomes undefined behaviour.
int TruncToInt(double value);

}  // namespace fb
