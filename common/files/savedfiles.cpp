#include "common/files/savedfiles.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "common/data/english.h"
#include "common/data/textcodec.h"

namespace fb {
namespace {

namespace fs = std::filesystem;

bool EndsWithIgnoreAsciiCase(const std::string& name, const std::string& ext) {
    if (name.size() < ext.size()) return false;
    return std::equal(ext.begin(), ext.end(), name.end() - static_cast<std::ptrdiff_t>(ext.size()), [](char a, char b) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
        return lower(a) == lower(b);
    });
}

// Strict UTF-8: the dialogs hand names through Qt and back, which only keeps valid text.
bool IsUtf8(const std::string& s) {
    // The least code point each sequence length may carry: anything below is an overlong form.
    static constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    for (size_t i = 0; i < s.size();) {
        const size_t start = i;
        char32_t c = 0;
        if (!NextCodePoint(s, i, c)) return false;
        if (c < kLeast[i - start] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
    }
    return true;
}

void ReplaceAll(std::string& s, char from, char to) { std::replace(s.begin(), s.end(), from, to); }

}  // namespace

std::vector<std::string> ListSavedFiles(const std::string& folder, const std::vector<std::string>& extensions) {
    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : fs::path(folder), ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.empty() || name[0] == '.' || !IsUtf8(name)) continue;
        const bool matches = std::any_of(extensions.begin(), extensions.end(),
                                         [&](const std::string& ext) { return EndsWithIgnoreAsciiCase(name, ext); });
        std::error_code typeError;
        if (matches && it->is_regular_file(typeError)) names.push_back(name);
    }
    // Names that differ only in letter case (Linux folders can hold both)
    // keep a fixed order by their bytes.
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const int c = CompareIgnoreCase(a, b);
        return c != 0 ? c < 0 : a < b;
    });
    return names;
}

std::string WithSavedExtension(const std::string& name) {
    return name.find(kSavedExtension) == std::string::npos ? name + kSavedExtension : name;
}

std::string SavedNameProblem(const std::string& name) {
    if (name.find_first_of("/\\") != std::string::npos)
        return Localized(
            "Имя файла не может содержать символы \"/\" и \"\\\": файл сохраняется только в папку программы.");
    if (!name.empty() && name[0] == '.')
        return Localized("Имя файла не может начинаться с точки: такой файл скрыт и не будет показан в списке.");
    return {};
}

std::string SavedFilePath(const std::string& folder, const std::string& name) {
    if (!name.empty() && name[0] == '/') return name;
    return JoinPath(folder, name);
}

std::string FlybackSaveName(const FlybackNameParts& p) {
    // Only the core and material part loses its slashes; a slash typed elsewhere stays.
    std::string name = p.core + ", " + p.mater + ", ";
    ReplaceAll(name, '/', 'x');
    name += p.zazor + "мм, " + p.Fconv + "кГц, " + p.Umin + "В, (" + p.Umirror + "В)";
    for (size_t k = 0; k < p.U2.size(); ++k)
        if (!p.U2[k].empty()) name += ", " + p.U2[k] + "Вx" + p.I2[k] + "А";  // Cyrillic В, Latin x
    return name + kSavedExtension;
}

std::string PfcSaveName(const PfcNameParts& p) {
    std::string name = p.core;
    ReplaceAll(name, '/', 'x');  // Latin x; the "Вх" below is Cyrillic В and Cyrillic х
    name += " " + p.Fr + "кГц, " + p.Umax + "В, " + p.U2max + "Вх" + p.P2 + "Вт";
    ReplaceAll(name, '.', ',');
    return name + kSavedExtension;
}

Message SaveFailedMessage(const WriteResult& written) {
    return Warning(Phrase("{1}.\nИсходные данные не сохранены.", {written.error}));
}

}  // namespace fb
