// The interactive workbench, started by main when no batch option is given. The
// widgets application defines it; without one a stand-in reports that no window
// is available.
#pragma once

namespace veldra {
int runInteractive(int argc, char** argv);
}
