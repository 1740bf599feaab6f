// The button command form that names another menu, as the player reads
// commands (both programs ask): a command that ends in ".mnu" (any case) and
// holds neither "/" nor "\" switches to the packed menu of that name, unless
// an earlier form claims it first: "%NOPROC%..." (case-sensitive), "*" or
// "$...". The player looks the name up in its pack in lower case.
#pragma once
#include <string>

// "%NOPROC%": the rest of the command is opened as it is.
extern const char* const kNoProcPrefix;

bool IsSubMenuCommand(const std::string& command);
