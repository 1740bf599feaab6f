// The current time and date as the user's locale writes them: the long time
// format and the short date format (the editor's live time and date labels).
#pragma once
#include <string>

std::string LocaleTimeText();
std::string LocaleDateText();
