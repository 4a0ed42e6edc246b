#pragma once
// The key lookups shared by every data and settings file: plain substring searches over the
// whole text, never a line-by-line parse. Their quirks (a key found inside a longer key, a
// section found inside an earlier header) are part of the file format users rely on.
#include <string>
#include <string_view>

namespace fb {

// How a value ends and whether a section ends at the next "[".
enum class LookupRule {
    Standard,  // value ends at a byte 0x00-0x1F; a key after the next "[" belongs to a later section
    Pfc,       // the PFC program's design files: value ends at 0x00-0x0D; no section end
};

// Value of the first occurrence of `key` anywhere in `text`; "" when absent.
std::string GetKeyValue(std::string_view text, std::string_view key);

// Value of `key` in the section found by the first occurrence of `section`; "" when absent.
std::string GetSectionValue(std::string_view text, std::string_view section, std::string_view key,
                            LookupRule rule = LookupRule::Standard);

}  // namespace fb
