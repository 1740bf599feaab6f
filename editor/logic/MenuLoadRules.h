// Rules the editor applies around saving and loading a menu, kept apart from
// the windows so they can be checked natively:
//  - the values read from a file that the editor uses as indexes or codes
//    are brought into range before anything uses them;
//  - whether a menu has a button that closes it (an exit button);
//  - the hint an object's picture control wears for its kind.
#pragma once
#include <string>

#include "shared/MenuType.h"

namespace editor {

// Highest window placement code.
constexpr int kMaxScreenPos = 10;

// Brings the values of a freshly read menu into the ranges the editor uses
// them in: ScreenPos 0..10 (else 0), TransColor 1..15 or -1 for none,
// DefaultBtn 0..BtnCount (else 0), and each object's ObjectKind one of the
// six kinds (an unknown kind is shown as a graphical button). BtnCount
// itself is checked by the reader.
void BringLoadedValuesInRange(TAQMenu& menu);

// An exit button: no command and ExitOnClick set.
bool IsExitButton(const TAQButton& object);
// True when any of objects 1..BtnCount is an exit button.
bool HasExitButton(const TAQMenu& menu);
// The warning shown after saving a menu without an exit button.
extern const char* const kNoExitButtonWarning;

// The hint of an object's picture control for its kind.
std::string ObjectHintForKind(int kind);

}  // namespace editor
