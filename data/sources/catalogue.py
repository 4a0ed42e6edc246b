"""The core catalogue (Bases_Cores/FerritesCores.txt) and its geometry file
(Bases_Cores/CoreGeometry.txt): which core sets are shipped with which figures,
the plausibility checks per family, and the refusal of a catalogue that the
programs' substring lookups would read wrongly.

Python 3 standard library only; used by generate.py.
"""

import math
import re

from lookup import get_section_value, list_for_shape, shape_from_name


class CatalogueError(Exception):
    """The catalogue would be read wrongly by the programs; nothing is written."""


# Display name of a family's cores. The programs list names starting with "E"
# only through the patterns "E ", "EI", "ER", "ETD", and never list a name
# starting with "R" unless it starts with "RM"; these prefixes keep every core
# selectable (see SOURCES.md).
FAMILY_ORDER = ["E", "EFD", "EC", "EP", "EI", "ER", "ER planar", "ETD", "RM", "PQ", "toroid"]

CORE_KEYS = ("Ae", "An", "le", "mu", "k1", "k2")
GEOMETRY_KEYS = ("width", "height", "mlt", "surface", "mass")

# Plausible range per family of two ratios that fix a core's proportions:
# le/sqrt(Ae) (slenderness of the magnetic path) and An/Ae (window against leg).
# The ranges span the standard sizes of each family (IEC 63093 series, the makers'
# catalogues) with about 20 % to spare; a figure written in the wrong unit (cm for
# mm, cm² for mm²) moves a ratio by a factor of 3 to 100 and falls outside.
FAMILY_RANGES = {
    "E": ((2.8, 14), (0.3, 4.7)),
    "EFD": ((6, 10.5), (0.9, 2.5)),
    "EC": ((6, 10.5), (1.4, 3.5)),
    "EP": ((3.6, 7.5), (0.5, 2.4)),
    "EI": ((4.2, 9.7), (0.55, 2.7)),
    "ER": ((3.2, 10.8), (0.4, 2.8)),
    "ER planar": ((3.2, 10.8), (0.4, 2.8)),
    "ETD": ((5.9, 10), (1.1, 2.5)),
    "RM": ((2.6, 7.6), (0.3, 1.7)),
    "PQ": ((2.4, 8.6), (0.18, 1.9)),
    "toroid": ((3.3, 27), (0.45, 36)),
}
# Effective permeability of an ungapped set: below the material's (power ferrites
# 1500 ... 3000) for a pair with its residual mating gap, the material's own for a ring.
MU_RANGE = {"toroid": (1000, 15000)}
MU_RANGE_PAIR = (800, 3000)
# Mass per effective volume, g/cm³: MnZn ferrite is 4.7 ... 4.9 g/cm³ and a set holds more
# material than Ve (corners, centre holes), up to about 40 % more.
DENSITY_RANGE = (4.5, 7.0)

# Release-1 figures that were wrong and are replaced by the reference's figures
# (besides the rows whose maker figures fall outside the old stated margin, below).
DIMENSION_FIXES = {
    "ER 40": "the dimensions of a second MAS entry (EER block, round pole and core depth interchanged) "
             "had overwritten the ER 40 shape",
    "RM 5": "An came from a misread centre-pole diameter (F = 4.07 mm for 4.70 ... 4.90 mm)",
}
MAKER_METHODS = ("datasheet", "datasheet_secondary")


def display_name(row):
    name, family = row["name"], row["family"]
    if family in ("EFD", "EC", "EP"):
        base = row["designation_mas"] if family == "EFD" else name
        return "E " + base
    if family == "toroid":
        assert name.startswith("R ")
        return "T " + name[2:]
    return name


def size_key(name):
    return [float(x) for x in re.findall(r"\d+(?:\.\d+)?", name)]


def stated_margin(method):
    m = re.search(r"\+-(\d+(?:\.\d+)?)%", method)
    return float(m.group(1)) / 100 if m else 0.0


def mend_reason(old, new):
    """Why a release-1 row must take the reference's figures, or None to keep it."""
    if old["name"] in DIMENSION_FIXES:
        return DIMENSION_FIXES[old["name"]]
    margin = stated_margin(old["method"])
    if not margin or new["method"] not in MAKER_METHODS:
        return None
    ae_o, le_o = float(old["Ae_mm2"]), float(old["le_mm"])
    ae_n, le_n = float(new["Ae_mm2"]), float(new["le_mm"])
    for what, o, n in (("Ae", ae_o, ae_n), ("le", le_o, le_n), ("Ve", ae_o * le_o, ae_n * le_n)):
        if abs(o / n - 1) > margin:
            return "%s %.4g against the maker's %.4g, outside the stated +-%g %%" % (what, o, n, margin * 100)
    if old["mu_e_min"] and not float(old["mu_e_min"]) <= float(new["mu_e"]) <= float(old["mu_e_max"]):
        return "mu %s outside its stated spread %s ... %s of the maker's %s" % (
            old["mu_e"], old["mu_e_min"], old["mu_e_max"], new["mu_e"])
    return None


def core_problems(family, fig, geo):
    """Reasons a core's figures cannot be right; an empty list when they pass."""
    problems = []
    values = {k: float(v) for k, v in fig.items() if v}
    for key in ("Ae", "An", "le", "mu"):
        if values.get(key, 0) <= 0:
            problems.append("%s missing or not positive" % key)
    if problems:
        return problems
    ae, an, le, mu = values["Ae"], values["An"], values["le"], values["mu"]
    (s_lo, s_hi), (w_lo, w_hi) = FAMILY_RANGES[family]
    if not s_lo <= le / math.sqrt(ae) <= s_hi:
        problems.append("le/sqrt(Ae) = %.3g outside %g ... %g for %s" % (le / math.sqrt(ae), s_lo, s_hi, family))
    if not w_lo <= an / ae <= w_hi:
        problems.append("An/Ae = %.3g outside %g ... %g for %s" % (an / ae, w_lo, w_hi, family))
    mu_lo, mu_hi = MU_RANGE.get(family, MU_RANGE_PAIR)
    if not mu_lo <= mu <= mu_hi:
        problems.append("mu = %g outside %g ... %g for %s" % (mu, mu_lo, mu_hi, family))
    if ("k1" in values) != ("k2" in values) or values.get("k2", -1) >= 0 or values.get("k1", 1) <= 0:
        problems.append("the AL law needs k1 > 0 and k2 < 0 together")
    g = {k: float(v) for k, v in geo.items() if v}
    ve = ae * le / 1000.0
    # A turn encloses at least the leg's section: no shorter than a circle of area Ae.
    if g.get("mlt", 0) < 2 * math.sqrt(math.pi * ae):
        problems.append("mean turn %s mm shorter than a circle around Ae" % geo.get("mlt"))
    # No body has less surface than the sphere of its volume.
    if g.get("surface", 0) < (36 * math.pi * ve ** 2) ** (1 / 3.0):
        problems.append("surface %s cm2 below that of a sphere of the core's volume" % geo.get("surface"))
    if not DENSITY_RANGE[0] <= g.get("mass", 0) / ve <= DENSITY_RANGE[1]:
        problems.append("mass %s g for Ve %.3g cm3 is not ferrite" % (geo.get("mass"), ve))
    if family != "toroid" and not 0 < g.get("width", 0) * g.get("height", 0) <= an:
        problems.append("coil-former window missing or larger than the core window")
    return problems


def select_cores(rows, release1):
    """(rank, size, name, family, figures, geometry) of every core that passes, the rows
    left out with their reasons, and the release-1 rows that took new figures."""
    old_by_name = {r["name"]: r for r in release1}
    cores, left_out, mended = [], [], []
    for r in rows:
        family = r["family"]
        figures_row = r
        old = old_by_name.get(r["name"])
        if old is not None:
            reason = mend_reason(old, r)
            if reason:
                mended.append((r["name"], reason))
            else:
                figures_row = old
        fig = {"Ae": figures_row["Ae_mm2"], "An": figures_row["An_mm2"], "le": figures_row["le_mm"],
               "mu": figures_row["mu_e"], "k1": figures_row["AL_fit_k1"], "k2": figures_row["AL_fit_k2"]}
        geo = {"width": r["bobbin_width_mm"], "height": r["bobbin_height_mm"], "mlt": r["MLT_mm"],
               "surface": r["surface_cm2"], "mass": r["mass_g"]}
        problems = core_problems(family, fig, geo)
        name = display_name(r)
        if problems:
            if old is not None:
                raise CatalogueError("%s (shipped before) fails its checks: %s" % (name, "; ".join(problems)))
            left_out.append((name, problems))
            continue
        rank = FAMILY_ORDER.index("ER" if family == "ER planar" else family)
        cores.append((rank, size_key(name), name, family, fig, geo))
    missing = set(old_by_name) - {r["name"] for r in rows}
    if missing:
        raise CatalogueError("cores shipped before are missing from the table: %s" % ", ".join(sorted(missing)))
    cores.sort(key=lambda c: (c[0], c[1]))  # stable: a shorter name the table writes first stays first
    return cores, left_out, mended


def check_catalogue(text, names, keys=CORE_KEYS):
    """Refuses a catalogue that the programs would read wrongly: a section is found by the
    first occurrence of its name anywhere in the text and a key by its first occurrence
    from the name on, the shape lists are built from pattern occurrences, and selection by
    name takes the first list entry that begins with the name, ignoring case."""
    if len(set(names)) != len(names):
        raise CatalogueError("a name occurs twice")
    for name in names:
        inside = [k for k in tuple(keys) + ("=", "[", "]") if k in name]
        if inside or any(ord(c) < 0x20 for c in name) or not name.strip():
            raise CatalogueError("%r holds %r: its keys would be read from the name" % (name, inside))
        first, own = text.find(name), text.find("[%s]" % name) + 1
        if first != own:
            header = text.rfind("[", 0, first)
            where = text[header + 1:text.find("]", header)] if header >= 0 else "the text"
            raise CatalogueError("%s would be read from the earlier section %s" % (name, where))
    by_shape = {s: [n for n in names if shape_from_name(n) == s] for s in range(5)}
    for s in range(5):
        got = list_for_shape(text, s)
        if got != by_shape[s]:
            extra = [g for g in got if g not in by_shape[s]] + [n for n in by_shape[s] if n not in got]
            raise CatalogueError("shape %d would list %r wrongly" % (s, extra[:3]))
        for name in by_shape[s]:
            chosen = next(e for e in by_shape[s] if e.lower().startswith(name.lower()))
            if chosen != name:
                raise CatalogueError("selecting %s would pick %s, which begins with it" % (name, chosen))
    return by_shape


def section_lines(name, pairs):
    return ["[%s]" % name] + ["%s = %s" % kv for kv in pairs if kv[1]] + [""]


def read_back(text, name, pairs):
    for key, value in pairs:
        got = get_section_value(text, name, key)
        if got != value:
            raise CatalogueError("%s: %s reads %r, written %r" % (name, key, got, value))
