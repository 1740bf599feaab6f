// The folder browsers, which need a window handle and the shell; the message
// dialog is declared in shared/TarvikUtils.h.
#pragma once
#include <windows.h>

#include <string>

// Lets the user pick a folder under My Computer, starting at path. On success
// stores the chosen folder in path and returns true; otherwise leaves path as
// it was. owner is the window against which the My Computer folder is resolved;
// the browser itself is owned by the active window.
bool BrowseForFolder(HWND owner, const std::string& title, std::string& path);

// Lets the user pick a folder anywhere under the desktop, with an edit box and
// the resizable browser, owned by the application's main form (none before
// there is one). On success stores the chosen folder in path.
bool SelectFolder(std::string& path, const std::string& title);

// The browser callback of BrowseForFolder: once the browser is up, selects the
// path passed as data (a NUL-terminated 8-bit text). Always returns 0.
int CALLBACK BrowseCallbackProc(HWND window, UINT message, LPARAM param, LPARAM data);
