// Program entry of install.exe.
#include "wizard/Startup.h"

int main() { return wizard::RunInstaller(); }
