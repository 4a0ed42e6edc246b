#pragma once
// A small data root for the choke design tests: invented figures in the file formats the
// programs read (ASCII only, so the bytes are the same in Windows-1251).
#include <string>

#include "tests/support/tempdir.h"

namespace pfctest {

inline const char* const kWireTxt =
    "d1 = 0,1\r\ndiz1 = 0,12\r\nd2 = 0,2\r\ndiz2 = 0,23\r\nd3 = 0,315\r\ndiz3 = 0,35\r\n"
    "d4 = 0,4\r\ndiz4 = 0,44\r\nd5 = 0,51\r\ndiz5 = 0,56\r\nd6 = 0,63\r\ndiz6 = 0,68\r\n"
    "d7 = 0,8\r\ndiz7 = 0,86\r\nd8 = 1,0\r\ndiz8 = 1,07\r\n";

inline const char* const kMaterialTxt =
    "Bmax = 0,39\r\nBmmax = 0,2\r\nmu = 2200\r\n"
    "[Flux density]\r\nB1 = 50\r\nB2 = 100\r\nB3 = 200\r\nB4 = 300\r\n"
    "[Frequencies]\r\nF1 = 25\r\nF2 = 100\r\nF3 = 200\r\n"
    "[F_25]\r\nB_50 = 2\r\nB_100 = 10\r\nB_200 = 50\r\nB_300 = 140\r\n"
    "[F_100]\r\nB_50 = 10\r\nB_100 = 60\r\nB_200 = 340\r\nB_300 = 900\r\n"
    "[F_200]\r\nB_50 = 25\r\nB_100 = 150\r\nB_200 = 800\r\nB_300 = 2200\r\n";

// E cores without an AL law (one of low permeability), one with it, one of the "other" shape.
inline const char* const kCoresTxt =
    "[E 36/18/11]\r\nAe = 131\r\nAn = 152\r\nle = 78\r\nmu = 1800\r\n\r\n"
    "[E 20/10/6]\r\nAe = 32\r\nAn = 47,5\r\nle = 42,8\r\nmu = 1500\r\n\r\n"
    "[E 42/21/15]\r\nAe = 178\r\nAn = 256\r\nle = 97\r\nmu = 1900\r\nk1 = 95,2\r\nk2 = -0,72\r\n\r\n"
    "[E 25/13/7]\r\nAe = 52\r\nAn = 61\r\nle = 57,5\r\nmu = 60\r\n\r\n"
    "[PQ 32/20]\r\nAe = 170\r\nAn = 100\r\nle = 55,5\r\nmu = 2200\r\n\r\n";

// Writes Wire.txt, Ferrites_Materials/N87 Epcos.txt and Bases_Cores/FerritesCores.txt.
inline void WriteDataRoot(const fbtest::TempDir& dir) {
    dir.write("Wire.txt", kWireTxt);
    dir.write("Ferrites_Materials/N87 Epcos.txt", kMaterialTxt);
    dir.write("Bases_Cores/FerritesCores.txt", kCoresTxt);
}

}  // namespace pfctest
