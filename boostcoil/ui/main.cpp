// The Boostcoil program: one window; it reads no command line.
#include "boostcoil/ui/boostcoildlg.h"
#include "common/ui/windowmain.h"

int main(int argc, char* argv[]) { return fb::ui::RunWindowProgram<fb::CBoostcoilDlg>(argc, argv, "Boostcoil"); }
