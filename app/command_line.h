#pragma once

#include <optional>

// Reads the command line before the application object exists, so that it needs no display:
// prints the help or the version on standard output, or names a wrong argument, or the display
// that is missing, on standard error. Returns the exit status when the program should end there,
// nothing when it should go on to open the window. Qt's standard options (-platform, -style, ...)
// pass; the application object takes them out of argv afterwards.
std::optional<int> HandleCommandLine(int argc, const char* const argv[]);
