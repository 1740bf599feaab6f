// The filter of the file dialogs: pairs of a description and its patterns,
// written as "Menus (*.mnu)|*.mnu|All files|*.*", turned into the list of
// NUL-separated strings that the system's file dialogs read, which ends in
// two NULs. A pair with an empty half, and a description without patterns
// (an odd last entry), are dropped: either would end the list early or
// leave it unpaired. The result is always terminated.
#pragma once
#include <string>

namespace forms {

std::string FileFilterList(const std::string& filter);

}  // namespace forms
