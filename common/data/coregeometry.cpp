#include "common/data/coregeometry.h"

#include <sys/stat.h>

#include <cmath>

#include "common/data/addcore.h"
#include "common/data/corebase.h"
#include "common/data/lookup.h"
#include "common/data/numbers.h"
#include "common/data/textcodec.h"
#include "common/data/textfile.h"

namespace fb {
namespace {

// The geometry files are read whole; this only stops a runaway file from exhausting memory.
constexpr std::size_t kGeometryLimit = 16u << 20;
constexpr double kFerriteDensity = 4.8;  // g/cm³, MnZn ferrite
constexpr double kWindowAspect = 2.9;    // coil-former window height along the leg / width
constexpr double kSurfaceFactor = 9.71;  // cm² per (cm³)^(2/3)

// Coil-former winding width and height inside a window Hw along the leg by Ww, mm.
void FormerInWindow(double Hw, double Ww, CoreGeometry& g) {
    g.bobbinWidth = std::fmax(0.0, Hw - 0.449 * std::pow(Hw, 0.562));
    g.bobbinHeight = std::fmax(0.0, Ww - 0.517 * std::pow(Ww, 0.559));
}

// Whole, up to the limit. The writers replace the file by a rename, so its size stays as found.
ReadResult ReadWhole(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return ReadResult{};
    const auto size = static_cast<std::size_t>(st.st_size);
    return ReadTextFile(path, size < kGeometryLimit ? size + 1 : kGeometryLimit);
}

bool AllFinite(const CoreGeometry& g) {
    return std::isfinite(g.bobbinWidth) && std::isfinite(g.bobbinHeight) && std::isfinite(g.mlt) &&
           std::isfinite(g.surface) && std::isfinite(g.mass);
}

}  // namespace

bool ReadCoreGeometry(std::string_view text, const std::string& name, CoreGeometry& out) {
    // The exact header, not the first occurrence of the name: a user core "E 25" must not take
    // the geometry of a catalogue "E 25.4/6". Within the section the usual key lookup applies.
    const size_t header = text.find("[" + name + "]");
    if (name.empty() || header == std::string_view::npos) return false;
    const std::string_view section = text.substr(header + 1);
    auto value = [&](const char* key) { return TextToDouble(GetSectionValue(section, name, key)); };
    CoreGeometry g;
    g.bobbinWidth = value("width");
    g.bobbinHeight = value("height");
    g.mlt = value("mlt");
    g.surface = value("surface");
    g.mass = value("mass");
    if (!(g.mlt > 0) || !AllFinite(g)) return false;
    out = g;
    return true;
}

CoreGeometry EstimateCoreGeometry(double Ae, double An, double le) {
    CoreGeometry g;
    g.estimated = true;
    if (!(Ae > 0) || !(An > 0) || !(le > 0)) return g;
    const double Hw = std::sqrt(kWindowAspect * An), Ww = std::sqrt(An / kWindowAspect);
    FormerInWindow(Hw, Ww, g);
    g.mlt = 4 * std::sqrt(Ae) + M_PI * Ww;
    const double Ve = Ae * le / 1000;  // cm³
    g.surface = kSurfaceFactor * std::pow(Ve, 2.0 / 3.0);
    g.mass = kFerriteDensity * Ve;
    if (AllFinite(g)) return g;
    CoreGeometry none;
    none.estimated = true;
    return none;
}

CoreGeometry GeometryFromDims(int shape, double A, double B, double C, double D, double H, double h, double I,
                              double Ae, double le) {
    CoreGeometry g;
    const double Ww = (B - D) / 2;
    const double Hw = shape == 1 ? h : 2 * h;
    const double height = shape == 1 ? H + I : 2 * H;  // the assembled set
    if (!(Ww > 0) || !(Hw > 0) || !(A > 0) || !(C > 0) || !(D > 0) || !(height > 0) || !(Ae > 0) || !(le > 0))
        return CoreGeometry{};
    FormerInWindow(Hw, Ww, g);
    g.mlt = shape <= 1 ? 2 * (C + D) + M_PI * Ww : M_PI * (D + Ww);
    g.surface = 2 * (A * C + A * height + C * height) / 100;
    g.mass = kFerriteDensity * Ae * le / 1000;
    return AllFinite(g) ? g : CoreGeometry{};
}

std::string GeometryRecordText(const std::string& name, const CoreGeometry& g) {
    return "[" + name + "]\r\nwidth = " + TidyNumber(g.bobbinWidth) + "\r\nheight = " + TidyNumber(g.bobbinHeight) +
           "\r\nmlt = " + TidyNumber(g.mlt) + "\r\nsurface = " + TidyNumber(g.surface) +
           "\r\nmass = " + TidyNumber(g.mass) + "\r\n\r\n";
}

std::string UserGeometryRecord(const AddCoreRequest& request, const AddCoreResult& prepared) {
    if (!request.byDims || !prepared.ok) return {};
    auto dim = [](const std::string& t) { return TextToDouble(CommaToPoint(t)); };
    const CoreDims& d = request.dims;
    const CoreGeometry g = GeometryFromDims(request.shape, dim(d.A), dim(d.B), dim(d.C), dim(d.D), dim(d.H), dim(d.h),
                                            dim(d.I), dim(prepared.AeText), dim(prepared.leText));
    return g.mlt > 0 ? GeometryRecordText(prepared.name, g) : std::string();
}

bool AppendUserGeometry(const std::string& coresFolder, const std::string& record) {
    const std::string path = JoinPath(coresFolder, kUserGeometryName);
    std::string bytes, recordBytes;
    if (!Utf8ToCp1251(record, recordBytes, nullptr)) return false;
    if (FileExists(path) && !ReadAllBytes(path, bytes)) return false;
    return WriteBytesAtomic(path, bytes + recordBytes).ok;
}

bool CCoreGeometry::Load(const std::string& dataRoot) {
    const std::string folder = JoinPath(dataRoot, kCoresFolder);
    const ReadResult shipped = ReadWhole(JoinPath(folder, kGeometryName));
    const ReadResult user = ReadWhole(JoinPath(folder, kUserGeometryName));
    m_text = shipped.text + user.text;
    return shipped.ok;
}

CoreGeometry CCoreGeometry::For(const std::string& name, double Ae, double An, double le) const {
    CoreGeometry g;
    if (ReadCoreGeometry(m_text, name, g)) return g;
    return EstimateCoreGeometry(Ae, An, le);
}

}  // namespace fb
