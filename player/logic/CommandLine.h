// Choosing the first menu from the player's command line.
#pragma once
#include <string>

#include "player/logic/PackReader.h"

namespace player {

// What follows the last "\" or ":" of the argument: D:\menus\Main.mnu and
// D:Main.mnu both give Main.mnu (pack names are compared in lower case later).
std::string CutMenuArgument(const std::string& argument);

// The menu to load at start-up: the cut first argument when it is non-empty,
// else the first packed name (empty when the pack holds none, which the pack
// look-up then refuses).
std::string ChooseStartMenu(const std::string& firstArgument, const PackDirectory& directory);

}  // namespace player
