// programfiles.h - where the program's own files are.
//
// Run from its build folder (or a copied folder), the program keeps its manual and settings file
// next to itself. Installed (cmake --install, the Debian package), the executable lies in
// <prefix>/bin and its files in <prefix>/share/velto-q7; the settings then live only in the user's
// configuration folder, as an installed program's must.
#ifndef PROGRAMFILES_H
#define PROGRAMFILES_H

#include <QString>

namespace ProgramFiles {

// The desktop's name for the program (launcher entry, icons, metadata).
inline const char *const appId = "example.nordvane.VeltoQ7";

// True when <program folder>/../share/velto-q7 exists.
bool installed();
// The manual "Velto Q7 Manual.pdf": beside the program, or in the installed data folder.
QString manualPath();

} // namespace ProgramFiles

#endif // PROGRAMFILES_H
