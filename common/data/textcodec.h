#pragma once
// Text inside the programs is UTF-8: Qt, JSON and the terminal all speak it, and the key
// lookups only search ASCII bytes, which UTF-8 leaves untouched (every byte of a multi-byte
// UTF-8 sequence is 0x80 or above, so it never ends a value either). Windows-1251 exists only
// at the file boundary: decoded once on reading, encoded once on writing.
#include <string>
#include <string_view>

namespace fb {

// Every Windows-1251 byte maps to one character; the one unassigned byte (0x98) maps to
// U+0098 so that reading and writing a file keeps it byte for byte.
std::string Cp1251ToUtf8(std::string_view bytes);

// False when the text holds a character Windows-1251 cannot represent (or bad UTF-8);
// `bad` then names the first such character.
bool Utf8ToCp1251(std::string_view utf8, std::string& out, std::string* bad = nullptr);

// True when every character of the text can be written to a Windows-1251 file.
bool IsCp1251Encodable(std::string_view utf8);

// Prefix test ignoring letter case for ASCII and Cyrillic letters (the lists' searches).
bool StartsWithIgnoreCase(std::string_view text, std::string_view prefix);

// Alphabetical order ignoring letter case (ASCII and Cyrillic), "ё" right after "е" as in the
// alphabet; other characters by code point. Negative, zero or positive like strcmp.
int CompareIgnoreCase(std::string_view a, std::string_view b);

// Decodes one UTF-8 character at i and steps i past it; false on malformed input. It accepts
// overlong forms and surrogates: callers that need strict UTF-8 check the code point.
bool NextCodePoint(std::string_view s, size_t& i, char32_t& c);

// "," -> "." everywhere: the one rewrite the programs apply to typed numbers.
std::string CommaToPoint(std::string_view text);

}  // namespace fb
