// Finding a file that is not where a button's command says: the medium may be
// mounted under another drive letter or folder than when the menu was made.
#pragma once
#include <string>
#include <vector>

#include "player/logic/PlayerHost.h"

namespace player {

// The folders (each ending in "\") tried for path's file name before any tree
// search, in order: the source folder; the source drive followed by each tail
// of path's folder that starts at a "\" (longest first); each folder prefix of
// path ending at a "\" (longest first).
std::vector<std::string> TargetCandidates(const std::string& path, const std::string& sourcePath);

// Breadth-first search of the tree under start (ending in "\") for a file or
// folder whose lower-case name equals lowerName. Returns folder + entry when
// found, lowerName itself when the user cancelled, "-1" when the tree holds
// no match. Paths holding "\\" or "\." are never entered or returned.
std::string SearchTree(const std::string& lowerName, bool showWindow, const std::string& start, PlayerHost& host);

// A location of path's file: the first candidate folder where the file exists,
// else a search of the source folder's tree, else (with the search window) a
// search of the whole source drive. Returns path unchanged when nothing is
// found, or the bare file name when the user cancelled the drive search.
std::string FindTarget(const std::string& path, const std::string& sourcePath, PlayerHost& host);

}  // namespace player
