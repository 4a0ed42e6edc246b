#pragma once
// How windings sit on the coil former, layer by layer, and the leakage inductance that follows.
#include <vector>

namespace fb {

// One winding as wound: `strands` parallel wires of insulated diameter diz (mm) laid as one
// bundle. The bundle is taken as square-packed, diz·√strands wide and high (exact for 1, 4, 9
// strands; a fair mean for others).
struct LayerBuild {
    int turnsPerLayer = 0;  // 0: not even one turn fits across the width
    int layers = 0;
    double bundle_mm = 0;  // bundle width and height
    double build_mm = 0;   // layers·bundle
    bool fits = false;     // at least one turn per layer
};

// Turns per layer across width_mm (the former width less both end margins), then the layers.
LayerBuild BuildLayers(double turns, double strands, double diz_mm, double width_mm);

// Leakage inductance (µH) referred to the primary, from the energy of the window field between
// the windings: L = μ0·N²·MLT/(M²·bw)·(Σh/3 + Σt), with h the build heights of all windings,
// t the insulation between them, bw the winding width, M the number of primary–secondary
// interfaces (1 sequential, 2 for a primary split around the secondaries). Snelling, "Soft
// Ferrites", 2nd ed., §11.3; McLyman, "Transformer and Inductor Design Handbook", 4th ed., ch. 17.
// Holds for full-width layers (the field along the layers); sparse or partial layers make it low.
double LeakageInductance(double primaryTurns, double mlt_mm, double width_mm, const std::vector<double>& heights_mm,
                         double insulation_mm, int interfaces);

}  // namespace fb
