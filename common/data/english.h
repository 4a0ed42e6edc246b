#pragma once
// English texts of the captions that Qt-free code holds (the field catalogues, the core group,
// the design's result captions), keyed by the Russian text byte for byte. The windows use it
// for an English interface, and the command-line tools can use it for their English reports.
// Texts written only by window code are translated in translations/magnetics_en.ts instead.
#include <string>
#include <vector>

namespace fb {

// The English text of `russian`, or nullptr when there is none (yet).
const char* EnglishText(const std::string& russian);

// A Russian text of a program's own table (a field catalogue) with its English.
struct EnglishPair {
    std::string russian;
    std::string english;
};
using EnglishSource = std::vector<EnglishPair> (*)();

// Adds a table of pairs to EnglishText. Each catalogue adds its own from a namespace-scope
// initialiser, so a program holds the pairs of the catalogues it links; the pairs are read once,
// at the first lookup. Returns true, for that initialiser.
bool AddEnglishSource(EnglishSource source);

// The language of the texts Qt-free code writes for people (plots, messages, CLI reports):
// Russian until a program chooses English (the interface language, a CLI's --lang).
bool EnglishTexts();
void SetEnglishTexts(bool english);

// `russian` as it is, or its English when English is chosen and known.
std::string Localized(const std::string& russian);

// A text composed at run time ("69 витков, провод 0.375 x 1") in the chosen language: whole
// when it has an English text, else each run of Russian words that has one.
std::string LocalizedRuns(const std::string& russian);

// A report of "  Caption:   value" lines: each caption and value through LocalizedRuns, the
// values kept in their column.
std::string LocalizedReport(const std::string& report);

}  // namespace fb
