#pragma once
// The working state of one DesignFlyback run, shared by the step files (primary side, core
// operating point, windings). Internal to the engine.
#include <optional>
#include <string>

#include "common/data/gapmodel.h"
#include "flyback/design/flyback.h"

namespace fb {

// Numbers of the method, each named once.
constexpr double kEta = 0.9;  // assumed efficiency: the core stores the output power over 0.9
// A bridge rectifier with a smoothing capacitor under load gives about 1.35 x the RMS mains
// voltage (the peak, 1.41 x, less the ripple and the diode drops).
constexpr double kAcToDc = 1.35;
constexpr double kInputRipple = 0.05;  // ripple on the input capacitor, share of Umin
// Input capacitor, µF = Iin (A) x 4282 / ripple (V): the method's hold-up constant.
constexpr double kCapacitorConstant = 4282;
// "Auto" reflects 90 % of the lowest bus voltage, which keeps the duty cycle near one half.
constexpr double kAutoMirrorShare = 0.9;
// Skin depth of copper, mm x sqrt(kHz): sqrt(rho / (pi f mu0)) with rho = 1.72e-8 Ohm m (20 °C).
constexpr double kSkinDepthCopper = 2.0871;
// A pass whose requirement keeps moving must not hang the window.
constexpr int kMaxCorrectionPasses = 1000;
// Bound on the turn steps of the reflected-voltage match in one pass.
constexpr long kMaxTurnSteps = 1000000;

class FlybackRun {
public:
    FlybackRun(const FlybackInput& in, const CoreRecord& core, const CMaterial& material, CWireTable& wires);
    FlybackOutcome Run();

private:
    // Steps of the run, in order.
    bool ReadNumbers();
    bool CheckInputs();
    bool Supply();
    bool Power();
    bool FluxLimit();
    bool ReflectedVoltage();
    bool Pass();

    // Primary side (primary.cpp).
    bool InductanceFactor();
    bool TurnLimits();
    bool WholeTurns();
    bool MatchReflectedVoltage();
    void OperatingPointAt(int column, double U);
    void OperatingPointAtUmin();
    // Core operating point (coreop.cpp).
    void CoreFlux();
    bool Correction(bool& repeat);
    // Windings (windings.cpp).
    bool PrimaryWire();
    bool Secondaries();
    void WindowFill();

    bool AllFinite() const;
    bool Stop(std::string text);
    void ShowSetText(int id, std::string text) { m_out.results[id] = std::move(text); }
    void FinishTexts();
    void Blank();

    const CoreRecord& m_core;
    const CMaterial& m_mat;
    CWireTable& m_wires;
    FlybackOutcome m_out;
    FlybackInput& m_in;  // the outcome's input record, rewritten in place
    FlybackResult& m_r;  // the outcome's numbers
    const bool m_al;     // zazor holds an AL (any non-zero yes_al, as the labels read it)
    std::optional<std::string> m_stop;
    Messages m_wireMessages;
    size_t m_earlierNotices = 0;  // wire notices given by the passes before this one
    FlybackInput m_afterCommas;   // the inputs a guard hands back

    // Inputs as numbers.
    double Fconv = 0, Umin = 0, Unom = 0, Umax = 0, Umirror = 0, Utrmax = 0, Rds = 0, Unas = 0, j = 0, Iccm = 0,
           Usense = 0, zazor = 0;
    double U2[5] = {}, I2[5] = {}, Ud[5] = {};
    // Working values.
    double dUin = 0, Us = 0, Pout = 0, Wcyc = 0, Ur = 0, Ktr = 0, Dmax = 0, NpMin = 0, LpMax = 0, Np = 0, Ns1 = 0,
           Lp = 0, dI = 0, Kc = 0, Ipk = 0, Iin = 0, Irms = 0;
    double Ffr = 1, leq = 0, ALuH = 0, mue = 0, delta = 0, dBlim = 0;
    double copper[6] = {};  // primary, secondaries 1…5
};

// The secondaries' input and result fields, by index 0…4.
extern std::string FlybackInput::*const kU2[5];
extern std::string FlybackInput::*const kI2[5];
extern std::string FlybackInput::*const kUd[5];
extern std::string FlybackInput::*const kD2[5];
extern std::string FlybackInput::*const kW2[5];
extern std::string FlybackInput::*const kN2[5];

// The shared gap model's view of a core and material.
GapCore GapCoreOf(const CoreRecord& core, const CMaterial& material);

// GapForAL without the clean-up of unusable answers; Ffr is the fringing factor it leaves.
double GapForALRaw(double ALnH, double& Ffr, const CoreRecord& core, const CMaterial& material);

// The last resort when data no guard foresaw give an infinite or undefined value.
inline const char* const kNotFiniteText =
    "Расчет невозможен: при этих данных получаются бесконечные или неопределенные величины.\nПроверьте исходные "
    "данные, данные сердечника и материала.";

// The tooltip of result `id` before any value is known (the catalogue's), which the design
// extends by the value.
std::string StartTooltip(int id);

// Truncation plus one when below the value.
double RoundUpTurns(double x);

}  // namespace fb
