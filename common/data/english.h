#pragma once
// English texts of the captions that Qt-free code holds (the field catalogues, the core group,
// the design's result captions), keyed by the Russian text byte for byte. The windows use it
// for an English interface, and the command-line tools can use it for their English reports.
// Texts written only by window code are translated in translations/magnetics_en.ts instead.
#include <functional>
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

// A whole text with numbered places "{1}", "{2}"…: the English template of `russian` when
// English is chosen and one exists, else `russian` itself, its places filled with `args` in one
// pass (a value holding "{2}" stays as it is). Numbers come formatted by the caller
// (common/data/numbers), never by the locale.
std::string Phrase(const std::string& russian, const std::vector<std::string>& args);

// Every entry of the table, Russian and English, for the tests that walk it.
void ForEachEnglishText(const std::function<void(const char* russian, const char* english)>& visit);

// The piece-by-piece fallback for a text composed at run time that has no entry of its own
// ("69 витков, провод 0.375 x 1"): whole when `whole` knows it, else each run of Russian words
// (words apart by spaces and commas) by its longest leading words `whole` knows, the rest as it
// is; a name in double quotes (a file, a core) stays as it is. `whole` gives the English of a
// text or false. The windows' Translated shares it.
using WholeEnglish = std::function<bool(const std::string& russian, std::string& english)>;
std::string EnglishRuns(const std::string& russian, const WholeEnglish& whole);

// A text composed at run time in the chosen language: EnglishRuns over this table.
std::string LocalizedRuns(const std::string& russian);

// A winding's name ("Первичная", "Вторичная 2", "Первичная 1/2") in the chosen language.
std::string LocalizedWindingName(const std::string& name);

// A report of "  Caption:   value" lines: each caption and value through LocalizedRuns, the
// values kept in their column.
std::string LocalizedReport(const std::string& report);

}  // namespace fb
