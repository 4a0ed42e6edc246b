#!/usr/bin/env python3
"""Write the shipped data files (wire table, core catalogue, ferrite materials)
from the CSV sources next to this script, then read every file back with the
programs' substring lookup rules and check that each value comes back intact.

Python 3 standard library only; the output depends on the inputs alone.
Run: python3 data/sources/generate.py
"""

import csv
import math
import os
import re
import sys
from decimal import Decimal, ROUND_FLOOR

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
# Where the data root is written: the shipped one, or the folder given with --out.
OUT = ROOT

sys.path.insert(0, HERE)
sys.dont_write_bytecode = True  # the source folder stays as checked in
import catalogue  # noqa: E402
from lookup import atof, get_key_value, get_section_value, list_for_shape  # noqa: E402

# ---------------------------------------------------------------------------
# Output helpers
# ---------------------------------------------------------------------------

PLAIN_NUMBER = re.compile(r"^-?\d+(\.\d+)?$")


def write_text(path, lines):
    """Windows-1251, CR LF line ends, regardless of the host platform."""
    data = "".join(line + "\r\n" for line in lines)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as fh:
        fh.write(data.encode("cp1251"))
    return data


def read_text(path):
    with open(path, "rb") as fh:
        return fh.read().decode("cp1251")


def plain(text):
    """A number text as the files hold it: '.' decimals, no exponent."""
    text = text.strip()
    if not PLAIN_NUMBER.match(text):
        raise ValueError("not a plain decimal number: %r" % text)
    return text


def sig(value, digits=4):
    """value rounded to `digits` significant digits, written without exponent."""
    if value <= 0:
        raise ValueError("non-positive value %r" % value)
    d = Decimal(repr(value))
    q = Decimal(1).scaleb(d.adjusted() - digits + 1)
    d = d.quantize(q)
    text = format(d, "f")
    if "." in text:
        text = text.rstrip("0").rstrip(".")
    return text


def csv_rows(name):
    with open(os.path.join(HERE, name), newline="", encoding="utf-8") as fh:
        return list(csv.DictReader(fh))


class Material:
    """The material reader and its two loss lookups."""

    def __init__(self, text):
        self.B = [0.0]
        self.F = [0.0]
        self.P = [[0.0] * 10 for _ in range(20)]
        j = 1
        while True:
            v = get_section_value(text, "Flux density", "B%d" % j)
            if not v:
                break
            self.B.append(atof(v) / 1000.0)
            j += 1
        self.nB = len(self.B) - 1
        i = 1
        while True:
            v = get_section_value(text, "Frequencies", "F%d" % i)
            if not v:
                break
            self.F.append(atof(v))
            section = "F_" + v.replace(",", ".")
            for j in range(1, self.nB + 1):
                b = get_section_value(text, "Flux density", "B%d" % j)
                self.P[i][j] = atof(get_section_value(text, section, "B_" + b))
            i += 1
        self.nF = len(self.F) - 1
        self.Bmax = atof(get_key_value(text, "Bmax"))
        self.Bmmax = atof(get_key_value(text, "Bmmax"))
        self.mu = atof(get_key_value(text, "mu"))

    def _row(self, f):
        if f < self.F[1]:
            return 1
        for i in range(2, self.nF + 1):
            if f < self.F[i]:
                return i - 1
        return self.nF - 1

    def _col(self, b):
        if b < self.B[1]:
            return 1
        for j in range(2, self.nB + 1):
            if b < self.B[j]:
                return j - 1
        return self.nB - 1

    def _pf(self, r, k, f):
        a = math.log(self.P[r + 1][k] / self.P[r][k]) / math.log(self.F[r + 1] / self.F[r])
        return self.P[r][k] * (f / self.F[r]) ** a

    def loss_density(self, f, b):
        r, c = self._row(f), self._col(b)
        p1, p2 = self._pf(r, c, f), self._pf(r, c + 1, f)
        beta = math.log(p2 / p1) / math.log(self.B[c + 1] / self.B[c])
        return p1 * (b / self.B[c]) ** beta

    def max_flux_for_loss(self, f, pallow):
        r = self._row(f)
        if pallow < self.P[r][1]:
            k = 1
        else:
            k = self.nB
            for j in range(2, self.nB + 1):
                if pallow < self.P[r][j]:
                    k = j
                    break
        c = k - 1
        if self.P[r + 1][c + 1] == 0:
            c -= 1
        c = max(c, 1)

        def solve(c):
            p1, p2 = self._pf(r, c, f), self._pf(r, c + 1, f)
            beta = math.log(p2 / p1) / math.log(self.B[c + 1] / self.B[c])
            return self.B[c] * (pallow / p1) ** (1.0 / beta)

        bres = solve(c)
        while bres < self.B[c] and c > 1:
            c -= 1
            bres = solve(c)
        return min(bres, self.Bmmax)


# ---------------------------------------------------------------------------
# Wire table
# ---------------------------------------------------------------------------

# The diameters of the first release (mm): designs saved with them must find them again.
RELEASE1_WIRES = (
    "0.05 0.053 0.056 0.06 0.063 0.067 0.07 0.071 0.075 0.08 0.085 0.09 0.095 0.1 0.106 0.11 0.112 0.118 "
    "0.12 0.125 0.13 0.132 0.14 0.15 0.16 0.17 0.18 0.19 0.2 0.212 0.224 0.236 0.25 0.265 0.28 0.3 0.315 "
    "0.335 0.355 0.375 0.4 0.425 0.45 0.475 0.5 0.56 0.63 0.71 0.8 0.9 1 1.12 1.25 1.4 1.6 1.8 2 2.24 2.5").split()
# The wire table holds at most 100 wires; Boostcoil reads Wire.txt into 10,000 bytes.
WIRE_LIMIT = 100
SMALL_BUFFER_CONTENT = 9999


def build_wires():
    rows = csv_rows("wires.csv")
    wires = [(plain(r["d_mm"]), plain(r["diz_grade1_mm"])) for r in rows]
    wires.sort(key=lambda w: float(w[0]))
    lines = []
    for i, (d, diz) in enumerate(wires, 1):
        lines.append("d%d = %s" % (i, d))
        lines.append("diz%d = %s" % (i, diz))
    path = os.path.join(OUT, "Wire.txt")
    write_text(path, lines)

    text = read_text(path)
    assert len(wires) <= WIRE_LIMIT, "more wires than the table holds"
    assert len(text.encode("cp1251")) < SMALL_BUFFER_CONTENT, "Wire.txt too long for the smaller reading buffer"
    ds = [float(d) for d, _ in wires]
    assert ds == sorted(ds) and len(set(ds)) == len(ds), "diameters must strictly ascend"
    assert ds[0] == 0.05 and ds[-1] == 5.0
    missing = set(float(d) for d in RELEASE1_WIRES) - set(ds)
    assert not missing, "diameters shipped before are missing: %s" % sorted(missing)
    for i, (d, diz) in enumerate(wires, 1):
        # the first occurrence of each key must be its own line
        for key in ("d%d" % i, "diz%d" % i):
            assert text.find(key) == ("\n" + text).find("\n%s = " % key), key
        assert get_key_value(text, "d%d" % i) == d, i
        assert get_key_value(text, "diz%d" % i) == diz, i
        assert float(diz) > float(d), i
    n = len(wires) + 1
    assert get_key_value(text, "d%d" % n) == "", "a key beyond the table would be read"
    return len(wires)


# ---------------------------------------------------------------------------
# Core catalogue and its geometry
# ---------------------------------------------------------------------------

# The catalogue is read whole by both programs (100,000 and 99,996-byte buffers); keep it
# well inside, so that it never comes near the bound.
CATALOGUE_LIMIT = 60000


def build_cores(rows=None, release1=None, out=None):
    """Writes FerritesCores.txt and CoreGeometry.txt under `out` (the data root) and reads
    both back; raises CatalogueError, before writing, on a catalogue read wrongly."""
    rows = csv_rows("cores.csv") if rows is None else rows
    release1 = csv_rows("cores_release1.csv") if release1 is None else release1
    out = OUT if out is None else out
    for r in rows:
        for col in ("Ae_mm2", "An_mm2", "le_mm", "mu_e", "AL_fit_k1", "AL_fit_k2", "bobbin_width_mm",
                    "bobbin_height_mm", "MLT_mm", "surface_cm2", "mass_g"):
            if r[col]:
                plain(r[col])
        assert "." not in r["mu_e"], "mu is written as a whole number"
    cores, left_out, mended = catalogue.select_cores(rows, release1)
    names = [c[2] for c in cores]
    core_lines, geo_lines = [], []
    for _, _, name, _, fig, geo in cores:
        core_lines += catalogue.section_lines(name, [(k, fig[k]) for k in catalogue.CORE_KEYS])
        geo_lines += catalogue.section_lines(name, [(k, geo[k]) for k in catalogue.GEOMETRY_KEYS])
    core_text = "".join(line + "\r\n" for line in core_lines)
    geo_text = "".join(line + "\r\n" for line in geo_lines)
    by_shape = catalogue.check_catalogue(core_text, names)
    catalogue.check_catalogue(geo_text, names, catalogue.GEOMETRY_KEYS)
    if len(core_text.encode("cp1251")) >= CATALOGUE_LIMIT:
        raise catalogue.CatalogueError("the catalogue outgrows %d bytes" % CATALOGUE_LIMIT)
    if "E 25/13/7" not in names:
        raise catalogue.CatalogueError("the programs' default core E 25/13/7 is missing")

    folder = os.path.join(out, "Bases_Cores")
    write_text(os.path.join(folder, "FerritesCores.txt"), core_lines)
    write_text(os.path.join(folder, "CoreGeometry.txt"), geo_lines)
    core_text = read_text(os.path.join(folder, "FerritesCores.txt"))
    geo_text = read_text(os.path.join(folder, "CoreGeometry.txt"))
    for _, _, name, _, fig, geo in cores:
        catalogue.read_back(core_text, name, [(k, fig[k]) for k in catalogue.CORE_KEYS])
        catalogue.read_back(geo_text, name, [(k, geo[k]) for k in catalogue.GEOMETRY_KEYS])
    return {s: len(by_shape[s]) for s in range(5)}, names, left_out, mended


# ---------------------------------------------------------------------------
# Ferrite materials
# ---------------------------------------------------------------------------

# Reading a curve this close past its end counts as reading it (the accuracy
# of hand digitising); a Pv(B) curve is then preferred to a Pv(f) curve.
READING_TOLERANCE = 1.03
# Largest distance, as a ratio of the abscissa, by which a digitised curve may
# be continued past its first or last point.
EXTRAPOLATION_LIMIT = 1.15
# The continuation follows the power law through the end point and the
# digitised point farthest from it within this ratio (steadier than the very
# last segment of a hand-digitised curve).
SLOPE_SPAN = 1.25
# A Pv(f) curve must agree with a Pv(B) curve where they cross.
CROSS_CHECK_LIMIT = 0.25
# Design margins on the saturation flux density at 100 degC.
BMAX_FACTOR = Decimal("0.8")
BMMAX_FACTOR = Decimal("0.5")

# name, manufacturer as written in the file name, frequency points (kHz), flux points (mT)
MATERIALS = [
    ("N87", "Epcos", [25, 50, 75, 100, 150, 200, 300], [50, 100, 200]),
    ("N95", "Epcos", [25, 50, 75, 100, 150, 200, 300], [50, 100, 200]),
    ("N27", "Epcos", [25, 50, 75, 100, 150, 200], [25, 50, 100, 200]),
    ("N49", "Epcos", [100, 150, 200, 300, 400, 500], [25, 50, 100]),
    ("3C90", "Ferroxcube", [25, 50, 100, 200], [100, 150, 200]),
    ("3C92", "Ferroxcube", [25, 50, 100, 200], [50, 100, 150, 200]),
    ("3C94", "Ferroxcube", [25, 100, 200], [120, 150, 200]),
    ("3C95", "Ferroxcube", [100, 200], [75, 100, 150, 200]),
    ("3F4", "Ferroxcube", [100, 200, 400, 1000], [50, 75]),
    ("77", "Fair-Rite", [10, 25, 50, 100, 200], [50, 75, 100, 125]),
    ("78", "Fair-Rite", [25, 50, 100, 200], [50, 75, 100, 150]),
    ("79", "Fair-Rite", [100, 300, 500], [25, 50, 75, 100]),
]


def load_curves():
    """{(material, 'B', f_kHz) or (material, 'f', B_mT): [(x, Pv_kW_m3)]}, x in mT or kHz."""
    curves = {}
    for r in csv_rows("loss_curves_100C.csv"):
        if float(r["T_C"]) != 100.0:
            continue
        if r["curve"] == "Pv_vs_B":
            key = (r["material"], "B", round(float(r["f_Hz"]) / 1000.0, 6))
            x = float(r["B_T"]) * 1000.0
        else:
            key = (r["material"], "f", round(float(r["B_T_fixed"]) * 1000.0, 6))
            x = float(r["f_Hz"]) / 1000.0
        curves.setdefault(key, []).append((x, float(r["Pv_W_m3"]) / 1000.0))
    for key in curves:
        clean = []
        for x, y in sorted(set(curves[key])):
            if y > 0 and (not clean or x > clean[-1][0]):
                clean.append((x, y))
        curves[key] = clean
    return curves


def _line(p, q, x):
    (x0, y0), (x1, y1) = p, q
    t = (math.log(x) - math.log(x0)) / (math.log(x1) - math.log(x0))
    return math.exp(math.log(y0) + t * (math.log(y1) - math.log(y0)))


def curve_at(pts, x):
    """(value, extrapolation ratio, side) of a curve at x, log-log; None beyond the limit."""
    lo, hi = pts[0][0], pts[-1][0]
    if lo <= x <= hi:
        for p, q in zip(pts, pts[1:]):
            if p[0] <= x <= q[0]:
                return _line(p, q, x), 1.0, ""
    if x > hi:
        if x > hi * EXTRAPOLATION_LIMIT:
            return None
        end = pts[-1]
        other = min((p for p in pts[:-1] if p[0] >= hi / SLOPE_SPAN), key=lambda p: p[0], default=pts[-2])
        return _line(other, end, x), x / hi, "past its last point"
    if x < lo / EXTRAPOLATION_LIMIT:
        return None
    end = pts[0]
    other = max((p for p in pts[1:] if p[0] <= lo * SLOPE_SPAN), key=lambda p: p[0], default=pts[1])
    return _line(end, other, x), lo / x, "before its first point"


def screen_curves(curves):
    """Drop curves that cannot be right: not rising, or a Pv(f) curve that
    disagrees with a Pv(B) curve of the same material where they cross."""
    kept, rejected = {}, []
    for key, pts in sorted(curves.items()):
        if len(pts) < 2 or any(q[1] <= p[1] for p, q in zip(pts, pts[1:])):
            rejected.append((key, "loss does not rise along the curve"))
        else:
            kept[key] = pts
    for key in [k for k in sorted(kept) if k[1] == "f"]:
        for other in [k for k in sorted(kept) if k[0] == key[0] and k[1] == "B"]:
            pts_f, pts_b = kept[key], kept[other]
            f, b = other[2], key[2]
            if pts_f[0][0] <= f <= pts_f[-1][0] and pts_b[0][0] <= b <= pts_b[-1][0]:
                ratio = curve_at(pts_f, f)[0] / curve_at(pts_b, b)[0]
                if abs(ratio - 1) > CROSS_CHECK_LIMIT:
                    rejected.append((key, "disagrees with the Pv(B) curve at %g kHz by %+.0f %%"
                                     % (f, 100 * (ratio - 1))))
                    del kept[key]
                    break
    return kept, rejected


def curve_name(key):
    return "Pv(B) curve at %g kHz" % key[2] if key[1] == "B" else "Pv(f) curve at %g mT" % key[2]


def cell_value(curves, material, f, b):
    """Loss at (f kHz, b mT) from the datasheet curves -> (value, method, detail)."""
    direct = []
    for key, x in (((material, "B", f), b), ((material, "f", b), f)):
        if key in curves:
            got = curve_at(curves[key], x)
            if got is not None:
                direct.append((got[1], got[0], key, got[2]))
    inside = [d for d in direct if d[0] <= READING_TOLERANCE]
    if inside:
        _, v, key, _ = inside[0]
        return v, "curve", curve_name(key)
    # between the two neighbouring curves of the same kind, log-log
    between = []
    for kind, fixed, x in (("B", f, b), ("f", b, f)):
        levels = sorted(k[2] for k in curves if k[0] == material and k[1] == kind)
        below = [v for v in levels if v < fixed]
        above = [v for v in levels if v > fixed]
        if not below or not above:
            continue
        k0, k1 = (material, kind, below[-1]), (material, kind, above[0])
        v0, v1 = curve_at(curves[k0], x), curve_at(curves[k1], x)
        if v0 and v1:
            v = _line((below[-1], v0[0]), (above[0], v1[0]), fixed)
            between.append((max(v0[1], v1[1]), v, "%s and %s" % (curve_name(k0), curve_name(k1))))
    between.sort(key=lambda t: t[0])
    if between and between[0][0] <= READING_TOLERANCE:
        _, v, names = between[0]
        return v, "between_curves", names + ", log-log between them"
    if direct:
        ratio, v, key, side = min(direct, key=lambda d: d[0])
        return v, "curve_extended", "%s continued %.1f %% %s" % (curve_name(key), 100 * (ratio - 1), side)
    if between:
        ratio, v, names = between[0]
        return v, "between_curves_extended", "%s, log-log between them, one continued %.1f %% past its end" % (
            names, 100 * (ratio - 1))
    raise ValueError("%s: no datasheet curve reaches %g kHz, %g mT" % (material, f, b))


def floor_to(value, step="0.01"):
    return value.quantize(Decimal(step), rounding=ROUND_FLOOR)


def build_materials():
    curves, rejected = screen_curves(load_curves())
    props = {}
    grid = {}
    for r in csv_rows("materials.csv"):
        props.setdefault(r["material"], (r["mu_i"], r["Bsat_100C_T"]))
        if r["method"].startswith("datasheet_curve"):
            grid[(r["material"], float(r["f_kHz"]), float(r["B_mT"]))] = float(r["Pv_kW_m3"])

    folder = os.path.join(OUT, "Ferrites_Materials")
    os.makedirs(folder, exist_ok=True)
    cell_rows = []
    loaded = {}
    for material, maker, freqs, fluxes in MATERIALS:
        assert 2 <= len(fluxes) <= 9 and 2 <= len(freqs) <= 19
        assert freqs == sorted(freqs) and fluxes == sorted(fluxes)
        mu_i, bsat = props[material]
        bsat = Decimal(bsat)
        bmax, bmmax = floor_to(bsat * BMAX_FACTOR), floor_to(bsat * BMMAX_FACTOR)
        table = {}
        for f in freqs:
            for b in fluxes:
                v, method, detail = cell_value(curves, material, f, b)
                text = sig(v)
                table[(f, b)] = text
                ref = grid.get((material, float(f), float(b)))
                if ref is not None:
                    # same curves, same interpolation: only rounding may differ
                    assert abs(float(text) / ref - 1) < 0.01, (material, f, b, text, ref)
                cell_rows.append([material, maker, f, b, text, method, detail])
        lines = ["Bmax = %s" % bmax, "Bmmax = %s" % bmmax, "mu = %s" % plain(mu_i), "", "[Flux density]"]
        lines += ["B%d = %d" % (j, b) for j, b in enumerate(fluxes, 1)]
        lines += ["", "[Frequencies]"]
        lines += ["F%d = %d" % (i, f) for i, f in enumerate(freqs, 1)]
        for f in freqs:
            lines += ["", "[F_%d]" % f]
            lines += ["B_%d = %s" % (b, table[(f, b)]) for b in fluxes]
        fname = "%s %s.txt" % (material, maker)
        path = os.path.join(folder, fname)
        write_text(path, lines)
        loaded[fname[:-4]] = check_material(path, freqs, fluxes, table, bmax, bmmax, mu_i)

    cells = os.path.join(OUT, "sources", "material_cells.csv")
    os.makedirs(os.path.dirname(cells), exist_ok=True)
    with open(cells, "w", newline="", encoding="utf-8") as fh:
        w = csv.writer(fh, lineterminator="\r\n")
        w.writerow(["material", "manufacturer", "f_kHz", "B_mT", "Pv_kW_m3", "method", "detail"])
        w.writerows(cell_rows)
    return loaded, rejected


def check_material(path, freqs, fluxes, table, bmax, bmmax, mu_i):
    text = read_text(path)
    assert len(text.encode("cp1251")) < 9999, "material file too long for the smaller reading buffer"
    m = Material(text)
    assert m.nB == len(fluxes) and m.nF == len(freqs), path
    assert (m.Bmax, m.Bmmax, m.mu) == (float(bmax), float(bmmax), float(mu_i)), path
    assert 0 < m.Bmmax < m.Bmax, path
    for i, f in enumerate(freqs, 1):
        assert m.F[i] == f
        for j, b in enumerate(fluxes, 1):
            assert m.B[j] == b / 1000.0
            assert m.P[i][j] == float(table[(f, b)]) > 0, (path, f, b)
            if i > 1:
                assert m.P[i][j] > m.P[i - 1][j], ("loss must rise with f", path, f, b)
            if j > 1:
                assert m.P[i][j] > m.P[i][j - 1], ("loss must rise with B", path, f, b)
            # the lookup passes through every table point
            assert abs(m.loss_density(f, b / 1000.0) / m.P[i][j] - 1) < 1e-9, (path, f, b)
    # the loss-limited flux falls as the frequency rises, within the table's span
    last = None
    f = freqs[0]
    while f <= freqs[-1]:
        bl = m.max_flux_for_loss(f, 200.0)
        assert 0.01 < bl <= m.Bmmax, (path, f, bl)
        assert last is None or bl <= last + 1e-12, (path, f, bl)
        last = bl
        f += 5
    return m


def self_test():
    """The re-implemented lookups against hand-checked figures of a small table."""
    text = "\r\n".join([
        "Bmax = 0.32", "Bmmax = 0.2", "mu = 2200", "[Flux density]", "B1 = 50", "B2 = 100", "B3 = 200",
        "[Frequencies]", "F1 = 25", "F2 = 100", "[F_25]", "B_50 = 2", "B_100 = 10", "B_200 = 50",
        "[F_100]", "B_50 = 10", "B_100 = 60", "B_200 = 340", ""])
    m = Material(text)
    for got, want in ((m.loss_density(100, 0.1), 60.0), (m.loss_density(50, 0.1), 24.495),
                      (m.loss_density(200, 0.1), 146.97), (m.loss_density(100, 0.15), 165.51),
                      (m.max_flux_for_loss(100, 200), 0.16179), (m.max_flux_for_loss(25, 200), 0.2),
                      (m.max_flux_for_loss(100, 50), 0.09319)):
        assert abs(got / want - 1) < 1e-4, (got, want)
    cores = "[My core E 30]\r\nAe = 52\t\r\n[RM 10]\r\n[R 20]\r\n[EFD 20]\r\n"
    assert list_for_shape(cores, 0) == ["E 30"] and list_for_shape(cores, 4) == ["My core E 30", "RM 10"]
    assert get_section_value(cores, "E 30", "Ae") == "52" and get_section_value(cores, "RM 10", "Ae") == ""


def main(argv):
    global OUT
    if len(argv) == 3 and argv[1] == "--out":
        OUT = os.path.abspath(argv[2])
    elif len(argv) != 1:
        print("usage: generate.py [--out DATA_ROOT]", file=sys.stderr)
        return 2
    self_test()
    n_wires = build_wires()
    try:
        per_shape, names, left_out, mended = build_cores()
    except catalogue.CatalogueError as e:
        print("catalogue refused: %s" % e, file=sys.stderr)
        return 1
    materials, rejected = build_materials()

    # the default material against its datasheet figure (about 375 kW/m3 at 100 kHz, 200 mT, 100 degC)
    n87 = materials["N87 Epcos"]
    ld = n87.loss_density(100, 0.2)
    assert abs(ld / 375.0 - 1) < 0.10, ld

    print("Wire.txt: %d wires" % n_wires)
    print("FerritesCores.txt, CoreGeometry.txt: %d cores; per shape E, EI, ER, ETD, other: %s"
          % (len(names), ", ".join(str(per_shape[s]) for s in range(5))))
    for name, why in mended:
        print("  figures of %s replaced: %s" % (name, why))
    for name, problems in left_out:
        print("  core left out: %s: %s" % (name, "; ".join(problems)))
    print("Ferrites_Materials: %d files" % len(materials))
    for key, why in rejected:
        print("  curve not used: %s %s: %s" % (key[0], curve_name(key), why))
    print("N87: LossDensity(100 kHz, 0.2 T) = %.1f mW/cm3" % ld)
    print("N87: MaxFluxForLoss(f, 200) = " + ", ".join(
        "%g kHz %.3f T" % (f, n87.max_flux_for_loss(f, 200.0)) for f in (25, 50, 100, 150, 200, 300)))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
