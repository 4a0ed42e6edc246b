"""The data root's generator: it stays the one way to make data/, and it refuses catalogues
the programs would read wrongly or figures no core of the family can have.

Run: python3 tests/data/test_generator.py (ctest runs it as data_generator).
"""

import copy
import filecmp
import os
import subprocess
import sys
import tempfile
import unittest

SOURCES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "data", "sources")
DATA = os.path.dirname(os.path.abspath(SOURCES))
sys.path.insert(0, SOURCES)
sys.dont_write_bytecode = True
import catalogue  # noqa: E402
import generate  # noqa: E402


class Rebuild(unittest.TestCase):
    def test_rebuilding_from_the_sources_gives_the_shipped_bytes(self):
        with tempfile.TemporaryDirectory() as out:
            run = subprocess.run([sys.executable, os.path.join(SOURCES, "generate.py"), "--out", out],
                                 capture_output=True, text=True)
            self.assertEqual(run.returncode, 0, run.stderr)
            made = [os.path.relpath(os.path.join(folder, f), out) for folder, _, files in os.walk(out) for f in files]
            # every generated file of the shipped root, none left over from an older run
            for folder in ("Bases_Cores", "Ferrites_Materials"):
                self.assertEqual(sorted(os.listdir(os.path.join(DATA, folder))),
                                 sorted(os.listdir(os.path.join(out, folder))), folder)
            for rel in sorted(made):
                self.assertTrue(filecmp.cmp(os.path.join(out, rel), os.path.join(DATA, rel), shallow=False),
                                "%s differs from what the sources give" % rel)


def figures(ae="100", an="120", le="60", mu="1600", k1="", k2=""):
    return {"Ae": ae, "An": an, "le": le, "mu": mu, "k1": k1, "k2": k2}


# E 25/13/7 (A 25.05, C 7.2, D 8.95, E 17.9, F 7.25 mm): Ae 51.84, An 95.32, le 57.76 mm; the IEC
# former E25/7 (15.8 x 4.2 mm), turn 2(7.25 + 7.2) + pi 5.325 = 45.63 mm, box 25.05 x 7.2 x 25.1 mm
# = 19.8 cm², 2994 mm³ x 4.8 g/cm³ = 14.4 g.
E25 = (figures("51.84", "95.32", "57.76", "1601"),
       {"width": "15.8", "height": "4.2", "mlt": "45.63", "surface": "19.8", "mass": "14.4"})


class Plausibility(unittest.TestCase):
    def test_a_real_core_passes(self):
        self.assertEqual(catalogue.core_problems("E", *E25), [])

    def test_a_figure_in_the_wrong_unit_is_outside_the_family_range(self):
        fig, geo = copy.deepcopy(E25)
        fig["Ae"] = "0.525"  # cm² written as mm²
        self.assertTrue(any("le/sqrt(Ae)" in p for p in catalogue.core_problems("E", fig, geo)))
        fig, geo = copy.deepcopy(E25)
        fig["le"] = "5.75"  # cm
        self.assertTrue(any("le/sqrt(Ae)" in p for p in catalogue.core_problems("E", fig, geo)))
        fig, geo = copy.deepcopy(E25)
        fig["mu"] = "22000"
        self.assertTrue(any("mu" in p for p in catalogue.core_problems("E", fig, geo)))

    def test_geometry_that_no_body_can_have(self):
        for key, value in (("mlt", "20"), ("surface", "3"), ("mass", "2"), ("width", "40")):
            fig, geo = copy.deepcopy(E25)
            geo[key] = value
            self.assertNotEqual(catalogue.core_problems("E", fig, geo), [], key)

    def test_a_new_core_outside_its_range_is_left_out_and_a_shipped_one_refuses_the_catalogue(self):
        rows = generate.csv_rows("cores.csv")
        release1 = generate.csv_rows("cores_release1.csv")
        bad_new = next(r for r in rows if r["family"] == "PQ" and r["name"] not in {o["name"] for o in release1})
        bad_new["le_mm"] = str(float(bad_new["le_mm"]) * 10)
        cores, left_out, _ = catalogue.select_cores(rows, release1)
        self.assertEqual([n for n, _ in left_out], [bad_new["name"]])
        self.assertEqual(len(cores), len(rows) - 1)
        old = next(r for r in release1 if r["name"] == "E 25/13/7")
        old["An_mm2"] = "8750"
        with self.assertRaisesRegex(catalogue.CatalogueError, "E 25/13/7"):
            catalogue.select_cores(rows, release1)


def text_of(names):
    return "".join("[%s]\r\nAe = 1\r\nAn = 1\r\nle = 1\r\nmu = 1\r\n\r\n" % n for n in names)


class SubstringHazards(unittest.TestCase):
    def refused(self, names, why):
        with self.assertRaisesRegex(catalogue.CatalogueError, why):
            catalogue.check_catalogue(text_of(names), names)

    def test_a_name_inside_an_earlier_header_is_refused(self):
        self.refused(["RM 10LP", "RM 10"], "RM 10 would be read from the earlier section RM 10LP")
        self.refused(["My E 30", "E 30"], "E 30 would be read from the earlier section My E 30")

    def test_a_name_that_selects_a_longer_one_is_refused(self):
        # Both sections are found, but selecting "ER 28" takes the first entry that begins with it.
        self.refused(["ETD 29", "ETD 2"], "earlier section")
        # Not a substring, but selection ignores case: "RM 10" would select "rm 10x".
        self.refused(["rm 10x", "RM 10"], "selecting RM 10 would pick rm 10x")

    def test_names_the_shape_lists_would_miss_or_split(self):
        self.refused(["EFD 20"], "shape")          # begins with E but has no shape pattern
        self.refused(["R 25/15/10"], "shape")      # begins with R but not RM
        self.refused(["E Ae 5"], "keys would be read")

    def test_the_shorter_name_first_is_accepted(self):
        names = ["RM 10", "RM 10LP", "ER 28", "ER 28L", "T 2.5/1.5/1", "T 2.5/1.5/1.3"]
        shapes = catalogue.check_catalogue(text_of(names), names)
        self.assertEqual(shapes[4], ["RM 10", "RM 10LP", "T 2.5/1.5/1", "T 2.5/1.5/1.3"])


if __name__ == "__main__":
    unittest.main()
