// The optional "remoteaqlaunch.txt" beside the player: when its first line is
// "?" the player asks for the drive that holds the medium's content, and the
// answer becomes the source folder.
#pragma once
#include <string>

namespace player {

extern const char* const kRemoteLaunchFileName;  // "remoteaqlaunch.txt"
extern const char* const kDrivePromptCaption;     // "Source Drive Letter"
extern const char* const kDrivePromptText;        // "Please enter the drive letter the target disc is in:"

// True when the file's first line, trimmed, is "?".
bool RemoteLaunchAsks(const std::string& fileText);

// The source folder after the prompt, which offered current (the player's
// folder) as its value: the typed text with a "\" ensured at its end (D: gives
// D:\). Cancel, or an empty answer, keeps current.
std::string SourcePathAfterPrompt(const std::string& current, bool accepted, const std::string& typed);

}  // namespace player
