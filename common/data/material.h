#pragma once
// One ferrite material: its flux limits, permeability and specific-loss table, with the
// two piecewise power-law lookups the designs use.
#include <string>
#include <vector>

namespace fb {

constexpr const char* kMaterialsFolder = "Ferrites_Materials";
constexpr const char* kDefaultMaterial = "N87 Epcos";
constexpr int kMaxFluxPoints = 9;
constexpr int kMaxFrequencies = 19;

class CMaterial {
public:
    // Reads dataRoot/Ferrites_Materials/<name>.txt. False when the file does not open (nothing
    // changes) or when Bmax, Bmmax or mu is missing (the new table stays, as do the limits not
    // yet read). Points beyond 9 flux densities or 19 frequencies are ignored: the table
    // has no room for them.
    bool Load(const std::string& dataRoot, const std::string& name, std::size_t bufferSize);

    // Specific loss, mW/cm³, at f (kHz) and AC flux amplitude B (T).
    double LossDensity(double f, double B) const;
    // AC flux amplitude (T) at which the loss at f reaches Pallow (mW/cm³), capped at Bmmax.
    double MaxFluxForLoss(double f, double Pallow) const;

    // The lookups need two frequencies and two flux densities.
    bool Usable() const { return nF >= 2 && nB >= 2; }
    double LastFrequency() const { return nF > 0 ? table[nF][0] : 0.0; }

    double Bv(int j) const { return table[0][j]; }
    double Fv(int i) const { return table[i][0]; }
    double Pv(int i, int j) const { return table[i][j]; }

    std::string name;
    int nB = 0;
    int nF = 0;
    // Row 0: B[1..9] (T); rows 1..19: F[i] (kHz) in column 0, P[i][1..9] (mW/cm³).
    double table[20][10] = {};
    double Bmax = 0, Bmmax = 0, mu = 0;

private:
    int FrequencyRow(double f) const;
    double Pf(int r, int k, double f) const;
    double FluxExponent(int r, int c, double f) const;
};

// The ordinary "*.txt" files of dataRoot/Ferrites_Materials without extension, sorted
// ignoring letter case.
std::vector<std::string> ListMaterials(const std::string& dataRoot);

struct MaterialChoice {
    int index = -1;        // the combo box entry to select
    std::string loadName;  // the name to load
};

// Start-up and loading a design: the wanted name ("N87 Epcos" when empty) selects the first
// entry that begins with it ignoring case; when none does, the first entry.
MaterialChoice SelectInitial(const std::vector<std::string>& materials, std::string wanted);

}  // namespace fb

namespace fb {

// Loads the chosen material. When the wanted name is only the beginning of an entry's name
// (a settings file holding "N87" while the list shows "N87 Epcos"), no file has that name;
// the entry the combo box shows is loaded instead, so the data in use match what it shows.
bool LoadChosenMaterial(CMaterial& material, const std::string& dataRoot, const std::vector<std::string>& materials,
                        const MaterialChoice& choice, std::size_t bufferSize);

}  // namespace fb
