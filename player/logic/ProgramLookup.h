// Finding the program that opens web pages and the program associated with a
// document's type.
#pragma once
#include <string>

#include "player/logic/PlayerHost.h"

namespace player {

// The default web browser, as the program that opens ".htm" files. When name
// is an existing file, the program for it; else the program for the first
// "*.htm" file found in the Windows folder ("C:\Windows" when it cannot be
// read), the source folder, the shared stationery folder of the Windows drive,
// and the Windows folder's "system", "help" and "web" folders. When none has
// one, a one-line "C:\autquobk.htm" is written for the look-up (or, when the
// root of C: cannot be written, "autquobk.htm" in the temporary folder) and
// deleted afterwards. "" when no browser is found.
std::string FindBrowser(const std::string& name, const std::string& sourcePath, PlayerHost& host);

// The program associated with file's type, else the program the shell finds
// for its bare file name; "" when none.
std::string FindAssocExe(const std::string& file, PlayerHost& host);

}  // namespace player
