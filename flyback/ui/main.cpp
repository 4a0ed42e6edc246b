// The flyback program: one window; it reads no command line.
#include "common/ui/windowmain.h"
#include "flyback/ui/flybackdlg.h"

int main(int argc, char* argv[]) { return fb::ui::RunWindowProgram<fb::CFlybackDlg>(argc, argv, "Flyback"); }
