#include "player/logic/RemoteLaunch.h"

#include "player/logic/TextUtils.h"

namespace player {

const char* const kRemoteLaunchFileName = "remoteaqlaunch.txt";
const char* const kDrivePromptCaption = "Source Drive Letter";
const char* const kDrivePromptText = "Please enter the drive letter the target disc is in:";

bool RemoteLaunchAsks(const std::string& fileText) {
    const size_t end = fileText.find('\n');
    return Trim(fileText.substr(0, end)) == "?";
}

std::string SourcePathAfterPrompt(const std::string& current, bool accepted, const std::string& typed) {
    const std::string chosen = (accepted && !typed.empty()) ? typed : current;
    return WithTrailingBackslash(chosen);
}

}  // namespace player
