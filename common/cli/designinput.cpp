#include "common/cli/designinput.h"

#include "common/data/corebase.h"
#include "common/data/english.h"
#include "common/data/material.h"
#include "common/data/textfile.h"
#include "common/files/corefiles.h"

namespace fb::cli {
namespace {

// True when the bytes hold a multi-byte UTF-8 sequence and no byte that breaks UTF-8: Cyrillic
// in Windows-1251 is a run of bytes 0xC0-0xFF, which UTF-8 never allows.
bool LooksLikeUtf8(const std::string& bytes) {
    bool multiByte = false;
    for (size_t i = 0; i < bytes.size();) {
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        const size_t n = c < 0x80 ? 1 : (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 0;
        if (n == 0 || i + n > bytes.size()) return false;
        for (size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) return false;
        multiByte = multiByte || n > 1;
        i += n;
    }
    return multiByte;
}

bool HasControlBytes(const std::string& bytes) {
    for (const char ch : bytes) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if ((c < 0x20 && c != '\t' && c != '\r' && c != '\n' && c != 0) || c == 0x7F) return true;
    }
    return false;
}

}  // namespace

InputCheck CheckDesignBytes(const std::string& path, std::size_t bufferSize) {
    InputCheck check;
    std::string bytes;
    if (!ReadAllBytes(path, bytes)) return check;
    const ReadResult file = ReadTextFile(path, bufferSize);
    if (!file.ok) return check;
    check.read = true;
    check.text = file.text;
    // The reader looks for the section name anywhere in what it read; without it nothing is read.
    if (file.text.find("INI_DATA") == std::string::npos) {
        check.error = Phrase("Файл \"{1}\" не является файлом расчета: в нем нет раздела [INI_DATA].", {path});
        return check;
    }
    const std::size_t limit = bufferSize > 0 ? bufferSize - 1 : 0;
    const std::string seen = bytes.substr(0, limit);
    if (file.truncated)
        check.warnings.push_back(
            Phrase("Файл \"{1}\" длиннее, чем читает программа: прочитаны первые {2} байт из {3}, "
                   "остальное не учтено.",
                   {path, FormatInt(static_cast<long long>(limit)), FormatInt(static_cast<long long>(bytes.size()))}));
    if (seen.find('\0') != std::string::npos)
        check.warnings.push_back(
            Phrase("В файле \"{1}\" есть нулевой байт: все, что после него, не прочитано.", {path}));
    if (HasControlBytes(seen))
        check.warnings.push_back(
            Phrase("Файл \"{1}\" не похож на текст в кодировке Windows-1251: в нем есть "
                   "управляющие символы.",
                   {path}));
    if (LooksLikeUtf8(seen.substr(0, seen.find('\0'))))
        check.warnings.push_back(
            Phrase("Файл \"{1}\" записан, по-видимому, в кодировке UTF-8, а не Windows-1251: "
                   "русские буквы прочитаны неверно.",
                   {path}));
    return check;
}

void CheckCoreFiles(const std::string& dataRoot, InputCheck& check) {
    if (const StartupResult failure = CatalogueFailure(dataRoot)) {
        check.catalogue = failure->Line();
    }
    if (const StartupResult failure = UserCoreFileFailure(dataRoot)) check.warnings.push_back(failure->Line());
}

void ApplyInputCheck(const InputCheck& check, Result& r) {
    if (r.status == kCoreNotListed && !check.catalogue.empty()) {
        r.status = kCannotStart;
        r.error = check.catalogue;
        return;
    }
    std::vector<std::string> warnings = check.warnings;
    if (!check.catalogue.empty()) warnings.insert(warnings.begin(), check.catalogue);
    r.warnings.insert(r.warnings.begin(), warnings.begin(), warnings.end());
}

std::string EmptyCoreWarning(int shape, const std::string& used) {
    return Phrase(
        "В файле расчета не указан сердечник: расчет выполнен для первого сердечника списка формы \"{1}\" — "
        "\"{2}\".",
        {Localized(ShapeCaption(shape)), used});
}

std::string MaterialWarning(const std::vector<std::string>& materials, const std::string& wanted, int index) {
    const std::string name = wanted.empty() ? kDefaultMaterial : wanted;
    if (index < 0 || index >= static_cast<int>(materials.size())) return "";
    if (FindEntryStartingWith(materials, name) >= 0) return "";
    return Phrase(
        "Материала \"{1}\" нет в папке \"Ferrites_Materials\": расчет выполнен с первым материалом списка "
        "— \"{2}\".",
        {name, materials[index]});
}

}  // namespace fb::cli
