#include "player/logic/CommandLine.h"

#include "player/logic/TextUtils.h"

namespace player {

std::string CutMenuArgument(const std::string& argument) { return FileNamePart(argument); }

std::string ChooseStartMenu(const std::string& firstArgument, const PackDirectory& directory) {
    if (!firstArgument.empty()) return CutMenuArgument(firstArgument);
    return directory.entries.empty() ? std::string() : directory.entries.front().name;
}

}  // namespace player
