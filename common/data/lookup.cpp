#include "common/data/lookup.h"

namespace fb {
namespace {

// The value after the first "=" at or after p, up to the first control byte, trimmed of
// spaces (0x20 only). With no "=" after the key the value starts at the beginning of the
// text, as the design-file reader does.
std::string ExtractValue(std::string_view text, size_t p, unsigned char lastControl) {
    const size_t eq = text.find('=', p);
    size_t start = eq == std::string_view::npos ? 0 : eq + 1;
    size_t end = start;
    while (end < text.size() && static_cast<unsigned char>(text[end]) > lastControl) ++end;
    while (start < end && text[start] == ' ') ++start;
    while (end > start && text[end - 1] == ' ') --end;
    return std::string(text.substr(start, end - start));
}

}  // namespace

std::string GetKeyValue(std::string_view text, std::string_view key) {
    const size_t p = text.find(key);
    if (p == std::string_view::npos) return {};
    return ExtractValue(text, p, 0x1F);
}

std::string GetSectionValue(std::string_view text, std::string_view section, std::string_view key, LookupRule rule) {
    const size_t s = text.find(section);
    if (s == std::string_view::npos) return {};
    const size_t p = text.find(key, s);
    if (p == std::string_view::npos) return {};
    if (rule == LookupRule::Standard) {
        const size_t e = text.find('[', s);
        if (e != std::string_view::npos && e > 0 && p > e) return {};
        return ExtractValue(text, p, 0x1F);
    }
    return ExtractValue(text, p, 0x0D);
}

}  // namespace fb
