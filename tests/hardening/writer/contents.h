#pragma once
// The two versions of each file the kill tests write, shared by the writing helper and the
// test that checks what a killed helper left behind. The versions differ in length and in
// their last bytes, so a cut-off or mixed file can never pass for either of them.
#include <string>

#include "boostcoil/design/pfc.h"
#include "common/data/addcore.h"
#include "flyback/design/flyback.h"

namespace fbtest {

// Flyback.ini: the start-up defaults, then a design with Cyrillic and longer texts.
inline fb::FlybackInput SettingsVersion(int k) {
    fb::FlybackInput in;
    if (k % 2 == 0) return in;
    in.core = "Ш 12x15 (пользовательский)";
    in.mater = "2000НМ";
    in.zazor = "0.437";
    in.Fconv = "65";
    in.U23 = "5";
    in.I23 = "1.5";
    in.Ud3 = "0.45";
    in.w1 = "48";
    in.n1 = "2";
    in.yes_d = 1;
    in.yes_al = 1;
    return in;
}

// A saved Boostcoil design ("*.sav"): the defaults, then another choke.
inline fb::PfcInput DesignVersion(int k) {
    fb::PfcInput in;
    if (k % 2 == 0) return in;
    in.core = "ETD 49/25/16";
    in.zazor = "2.35";
    in.P2 = "1200";
    in.Umin = "176";
    in.d11 = "0.8";
    in.yes_d = 1;
    return in;
}

// The user core file before the helper starts, and the records it appends in turn.
inline std::string UserCoresBefore() { return fb::CoreRecordText("E Старый", "51,84", "95,32", "57,76", "1616"); }
inline std::string UserCoreRecord(int k) {
    return k % 2 == 0 ? fb::CoreRecordText("E Первый", "60", "80", "67", "1700")
                      : fb::CoreRecordText("ETD Второй сердечник", "125", "171", "92,2", "1800");
}

}  // namespace fbtest
