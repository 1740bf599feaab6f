// The shared path pieces and ASCII lower case (shared/TextParts.h) under the
// editor's namespace, for the editor's window code that names them as
// editor::FolderPart and the like.
#pragma once
#include "shared/TextParts.h"

namespace editor {

using ::FileNamePart;
using ::FolderPart;
using ::LowerAscii;
using ::WithTrailingBackslash;

}  // namespace editor
