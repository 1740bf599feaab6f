// The folders where the editor keeps its own files, found on this machine:
// whether the editor's folder can be written (a file is created and removed
// there), the user's application-data folder and temporary folder, and the
// chosen folders created when they do not exist yet.
#pragma once
#include <string>

#include "editor/logic/DataFolders.h"

// True when a new file can be created in folder (with its trailing "\").
bool FolderIsWritable(const std::string& folder);
// True when folder + "*.*" finds any entry.
bool FolderHasEntries(const std::string& folder);
// The folders for the editor at editorFolder (see ChooseDataFolders), each
// created if missing.
editor::DataFolders LocateDataFolders(const std::string& editorFolder);
