// Windows path pieces for the editor's portable code: "\" and ":" end the
// folder part of a path. Paths are 8-bit text; nothing here touches a disk.
#pragma once
#include <string>

namespace editor {

// The folder part of path, up to and including its last "\" or ":" ("" when
// there is none).
std::string FolderPart(const std::string& path);
// What follows the last "\" or ":".
std::string FileNamePart(const std::string& path);
// folder with a "\" appended unless it already ends in one; "" stays "".
std::string WithTrailingBackslash(const std::string& folder);
// ASCII lower case; other bytes stay as they are.
std::string LowerAscii(std::string text);

}  // namespace editor
