#pragma once
// What the core record does not hold but a winding build-up, copper loss and temperature need:
// the coil former, the mean turn, the outer surface and the mass of one assembled core set.
#include <cstddef>
#include <string>
#include <string_view>

namespace fb {

struct CoreGeometry {
    double bobbinWidth = 0;   // winding width of the coil former along the leg, mm
    double bobbinHeight = 0;  // build height available on the coil former, mm
    double mlt = 0;           // mean length of one turn, mm
    double surface = 0;       // outer surface of the assembled core set, cm²
    double mass = 0;          // mass of the core set, g
    bool estimated = false;   // true when derived from Ae, An and le rather than read from data
    bool HasBobbin() const { return bobbinWidth > 0 && bobbinHeight > 0; }  // toroids have none
};

// Beside the catalogue and the user file in the cores folder, same [name] / key = value format.
constexpr const char* kGeometryName = "CoreGeometry.txt";
constexpr const char* kUserGeometryName = "UserCoreGeometry.txt";

// The geometry of the section headed exactly "[name]" in `text`; false when there is none or
// it lacks a mean turn. Keys: width, height, mlt, surface, mass.
bool ReadCoreGeometry(std::string_view text, const std::string& name, CoreGeometry& out);

// Estimate from the core record alone (Ae, An mm², le mm), flagged estimated. The rule, checked
// on the 171 core pairs of the shipped catalogue (median error / 10th-90th percentile):
// - window of one side An with the median aspect of the catalogue's coil-former windows,
//   height along the leg / width = 2.9: Hw = sqrt(2.9 An), Ww = sqrt(An / 2.9);
// - coil former: the wall and clearance rule fitted to 61 makers' E formers,
//   width = Hw - 0.449 Hw^0.562, height = Ww - 0.517 Ww^0.559 (0 / -18..+44 %, -3 / -40..+21 %);
// - mean turn around a square leg of side sqrt(Ae) at the middle of the window:
//   4 sqrt(Ae) + pi Ww (+3 / -7..+15 %);
// - surface 9.71 Ve^(2/3) cm² with Ve = Ae le in cm³ (0 / -17..+13 %);
// - mass Ve x 4.8 g/cm³, MnZn ferrite (low by up to 30 % against makers' set weights).
// Valid for gapped-pair shapes (E, EI, ER, ETD, EFD, EP, PQ, RM); a ring's turn is shorter.
CoreGeometry EstimateCoreGeometry(double Ae, double An, double le);

// Geometry of a core typed in by its dimensions (mm, as in the add-core form: A overall width,
// B between the outer legs, C depth, D centre leg, H height of one half, h window height of one
// half, I thickness of the I piece), by the rules the catalogue's rows were made with: the
// former rule above on the window 2h (EI: h) by (B - D)/2, the turn at the middle of the window
// around a rectangular C x D leg (shapes 0 and 1) or a round one of diameter D, the bounding box
// A x C x 2H (EI: A x C x (H + I)), and Ve x 4.8 g/cm³. Not flagged estimated.
CoreGeometry GeometryFromDims(int shape, double A, double B, double C, double D, double H, double h, double I,
                              double Ae, double le);

// "[name]" CR LF "width = " ... "mass = " ... CR LF CR LF, numbers "%.3f" tidied, locale-free.
std::string GeometryRecordText(const std::string& name, const CoreGeometry& g);

// The geometry record of a core added by its dimensions; "" for one added by its data (its
// geometry is estimated when read) or dimensions that give no window.
struct AddCoreRequest;
struct AddCoreResult;
std::string UserGeometryRecord(const AddCoreRequest& request, const AddCoreResult& prepared);

// Appends a geometry record to the user geometry file of `coresFolder`, replacing the file
// whole. The caller holds the cores folder lock (the same append as the core record's).
bool AppendUserGeometry(const std::string& coresFolder, const std::string& record);

// The geometry files of a data root, read whole: the shipped one and the user's.
class CCoreGeometry {
public:
    // Returns false when the shipped file is missing (every core is then estimated).
    bool Load(const std::string& dataRoot);
    // The read geometry of `name`, or the estimate from the record's figures.
    CoreGeometry For(const std::string& name, double Ae, double An, double le) const;

private:
    std::string m_text;  // shipped file followed by the user's
};

}  // namespace fb
