#pragma once
// Copper resistance at temperature and the temperature rise of a ferrite part in still air.
#include <string>

namespace fb {

constexpr double kRho20 = 1.724e-8;   // Ω·m, annealed copper at 20 °C (IEC 60028)
constexpr double kAlphaCu = 0.00393;  // 1/K, its temperature coefficient near 20 °C

// Copper resistivity at T (°C), linear in T: good within about ±1 % from −50 to 200 °C.
double CopperResistivity(double T);

// DC resistance (Ω) of `turns` turns of mean length mlt (mm) of `strands` parallel wires of
// bare diameter d (mm) at resistivity rho.
double DcResistance(double turns, double mlt_mm, double strands, double d_mm, double rho);

// Temperature rise (K) of a ferrite transformer or choke in natural convection from the total
// loss P (W) and the outer surface A (cm²): ΔT = (P[mW]/A[cm²])^0.833, Magnetics Inc., "Ferrite
// Cores" catalogue, section "Transformer design: temperature rise". An empirical fit for still
// air, no forced cooling, from about 10 to 600 mW/cm² (ΔT roughly 7 to 200 K); InRange() says
// whether the surface loss density is inside that.
struct ConvectionRise {
    double deltaT = 0;
    double density = 0;  // mW/cm²
    bool InRange() const { return density >= 10 && density <= 600; }
};
ConvectionRise TemperatureRise(double P_W, double surface_cm2);

}  // namespace fb
