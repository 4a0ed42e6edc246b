#include "common/data/material.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cmath>

#include "common/data/corebase.h"
#include "common/data/lookup.h"
#include "common/data/numbers.h"
#include "common/data/textcodec.h"
#include "common/data/textfile.h"

namespace fb {

bool CMaterial::Load(const std::string& dataRoot, const std::string& materialName, std::size_t bufferSize) {
    const std::string path = JoinPath(JoinPath(dataRoot, kMaterialsFolder), materialName + ".txt");
    const ReadResult file = ReadTextFile(path, bufferSize);
    if (!file.ok) return false;
    const std::string& text = file.text;
    name = materialName;
    for (auto& row : table)
        for (double& cell : row) cell = 0;

    std::string fluxTexts[kMaxFluxPoints + 1];
    nB = 0;
    for (int j = 1; j <= kMaxFluxPoints; ++j) {
        const std::string v = GetSectionValue(text, "Flux density", "B" + FormatInt(j));
        if (v.empty()) break;
        fluxTexts[j] = v;
        table[0][j] = TextToDouble(CommaToPoint(v)) / 1000;
        nB = j;
    }
    nF = 0;
    for (int i = 1; i <= kMaxFrequencies; ++i) {
        const std::string v = GetSectionValue(text, "Frequencies", "F" + FormatInt(i));
        if (v.empty()) break;
        table[i][0] = TextToDouble(CommaToPoint(v));
        const std::string section = "F_" + CommaToPoint(v);
        for (int j = 1; j <= nB; ++j)
            table[i][j] = TextToDouble(CommaToPoint(GetSectionValue(text, section, "B_" + fluxTexts[j])));
        nF = i;
    }

    const char* keys[3] = {"Bmax", "Bmmax", "mu"};
    double* fields[3] = {&Bmax, &Bmmax, &mu};
    for (int k = 0; k < 3; ++k) {
        const std::string v = GetKeyValue(text, keys[k]);
        if (v.empty()) return false;
        *fields[k] = TextToDouble(CommaToPoint(v));
    }
    return true;
}

int CMaterial::FrequencyRow(double f) const {
    if (f < Fv(1)) return 1;
    for (int i = 2; i <= nF; ++i)
        if (f < Fv(i)) return i - 1;
    return nF - 1;
}

double CMaterial::Pf(int r, int k, double f) const {
    const double LF = std::log(Fv(r + 1) / Fv(r));
    const double a = std::log(Pv(r + 1, k) / Pv(r, k)) / LF;
    return Pv(r, k) * std::pow(f / Fv(r), a);
}

double CMaterial::FluxExponent(int r, int c, double f) const {
    return std::log(Pf(r, c + 1, f) / Pf(r, c, f)) / std::log(Bv(c + 1) / Bv(c));
}

double CMaterial::LossDensity(double f, double B) const {
    if (!Usable()) return 0;
    const int r = FrequencyRow(f);
    int c = nB - 1;
    if (B < Bv(1)) {
        c = 1;
    } else {
        for (int j = 2; j <= nB; ++j)
            if (B < Bv(j)) {
                c = j - 1;
                break;
            }
    }
    const double b = FluxExponent(r, c, f);
    return Pf(r, c, f) * std::pow(B / Bv(c), b);
}

double CMaterial::MaxFluxForLoss(double f, double Pallow) const {
    if (!Usable()) return 0;
    const int r = FrequencyRow(f);
    int k = nB;
    if (Pallow < Pv(r, 1)) {
        k = 1;
    } else {
        for (int j = 2; j <= nB; ++j)
            if (Pallow < Pv(r, j)) {
                k = j;
                break;
            }
    }
    int c = k - 1;
    if (Pv(r + 1, c + 1) == 0) c = c - 1;
    if (c < 1) c = 1;
    auto solve = [&](int col) { return Bv(col) * std::pow(Pallow / Pf(r, col, f), 1 / FluxExponent(r, col, f)); };
    double Bres = solve(c);
    while (Bres < Bv(c) && c > 1) {
        c = c - 1;
        Bres = solve(c);
    }
    if (Bres > Bmmax) Bres = Bmmax;
    return Bres;
}

std::vector<std::string> ListMaterials(const std::string& dataRoot) {
    std::vector<std::string> names;
    const std::string folder = JoinPath(dataRoot, kMaterialsFolder);
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return names;
    while (const dirent* e = ::readdir(dir)) {
        const std::string file = e->d_name;
        if (file.size() <= 4 || file.compare(file.size() - 4, 4, ".txt") != 0) continue;
        if (file[0] == '.') continue;  // hidden files are not materials
        struct stat st {};
        if (::stat(JoinPath(folder, file).c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
        names.push_back(file.substr(0, file.size() - 4));
    }
    ::closedir(dir);
    // Sorted ignoring case; ties by byte order keep the order stable across file systems.
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const int c = CompareIgnoreCase(a, b);
        return c != 0 ? c < 0 : a < b;
    });
    return names;
}

MaterialChoice SelectInitial(const std::vector<std::string>& materials, std::string wanted) {
    MaterialChoice choice;
    if (wanted.empty()) wanted = kDefaultMaterial;
    if (materials.empty()) return choice;
    if (FindEntryStartingWith(materials, wanted) < 0) wanted = materials.front();
    choice.index = FindEntryStartingWith(materials, wanted);
    choice.loadName = wanted;
    return choice;
}

}  // namespace fb

namespace fb {

bool LoadChosenMaterial(CMaterial& material, const std::string& dataRoot, const std::vector<std::string>& materials,
                        const MaterialChoice& choice, std::size_t bufferSize) {
    if (material.Load(dataRoot, choice.loadName, bufferSize)) return true;
    if (choice.index < 0 || choice.index >= static_cast<int>(materials.size())) return false;
    if (materials[choice.index] == choice.loadName) return false;
    return material.Load(dataRoot, materials[choice.index], bufferSize);
}

}  // namespace fb
