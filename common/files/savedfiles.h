#pragma once
// The saved designs of a program folder: which files the list dialogs show, and the names the
// programs propose and write. Plain C++, so the rules are tested without a window.
#include <array>
#include <string>
#include <vector>

#include "common/data/message.h"
#include "common/data/textfile.h"

namespace fb {

constexpr const char* kSavedExtension = ".sav";
constexpr const char* kSettingsExtension = ".ini";

// The ordinary files of `folder` ("" = the current folder) whose names end with one of the
// extensions, letter case ignored as the "*.sav" wildcard matches, all sorted together in
// alphabetical order ignoring case. Names only, without the folder. Hidden files (leading ".")
// and names that are not UTF-8 (they could not be opened again from the list) are left out;
// a folder that cannot be read gives an empty list.
std::vector<std::string> ListSavedFiles(const std::string& folder, const std::vector<std::string>& extensions);

// The name that is written: ".sav" appended unless the text ".sav" occurs anywhere in the
// name (case-sensitive, so "a.sav.old" stays and "A.SAV" becomes "A.SAV.sav").
std::string WithSavedExtension(const std::string& name);

// Why a design may not be saved under `name` (as it will be written, extension included):
// a path separator would put it outside the program folder, and a leading dot (as in "..",
// which becomes "...sav") makes a hidden file the lists never show. "" when the name is fine.
std::string SavedNameProblem(const std::string& name);

// A name chosen in a list dialog as a path: relative to `folder` ("" = the current folder),
// or as typed when it is an absolute path.
std::string SavedFilePath(const std::string& folder, const std::string& name);

// The flyback program's proposed name, from the texts as the calculation left them:
// "E 25x13x7, N87 Epcos, 0.25мм, 100кГц, 200В, (124В), 12Вx2А, 14Вx0.02А.sav".
struct FlybackNameParts {
    std::string core, mater, zazor, Fconv, Umin, Umirror;
    std::array<std::string, 5> U2, I2;  // secondaries 1..5: voltage and current texts
};
std::string FlybackSaveName(const FlybackNameParts& p);

template <class Input>
std::string FlybackSaveName(const Input& in) {
    return FlybackSaveName(FlybackNameParts{in.core,
                                            in.mater,
                                            in.zazor,
                                            in.Fconv,
                                            in.Umin,
                                            in.Umirror,
                                            {in.U21, in.U22, in.U23, in.U24, in.U25},
                                            {in.I21, in.I22, in.I23, in.I24, in.I25}});
}

// The PFC program's proposed name: "E 36x18x11 100кГц, 265В, 420Вх100Вт.sav".
struct PfcNameParts {
    std::string core, Fr, Umax, U2max, P2;
};
std::string PfcSaveName(const PfcNameParts& p);

template <class Input>
std::string PfcSaveName(const Input& in) {
    return PfcSaveName(PfcNameParts{in.core, in.Fr, in.Umax, in.U2max, in.P2});
}

// What the user is told when a design could not be written (the old file, if any, is whole).
Message SaveFailedMessage(const WriteResult& written);

}  // namespace fb
