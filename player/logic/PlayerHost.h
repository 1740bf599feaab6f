// What the player's launch logic needs from the system: file look-ups, folder
// listings for the target search and its progress window, and the look-ups of
// programs that open documents and web pages. The player program implements
// it over Win32; tests use a fake.
#pragma once
#include <string>
#include <vector>

namespace player {

struct FolderEntry {
    std::string name;        // file or folder name, no path
    bool isFolder = false;
};

class PlayerHost {
public:
    virtual ~PlayerHost() = default;

    // ---- files ----
    // An ordinary file exists at path (folders do not count).
    virtual bool FileExists(const std::string& path) = 0;
    // The entries of folder (which ends in "\"), "." and ".." included or not.
    // Folders reached through links or junctions should not be reported as
    // folders, so that a search of a whole drive cannot loop.
    virtual std::vector<FolderEntry> ListFolder(const std::string& folder) = 0;
    // Name of the first file matching pattern (like "*.htm") in folder (which
    // ends in "\"), "" when none.
    virtual std::string FirstFileMatching(const std::string& folder, const std::string& pattern) = 0;
    virtual bool WriteTextFile(const std::string& path, const std::string& text) = 0;
    virtual void RemoveFile(const std::string& path) = 0;
    // The Windows folder without a trailing "\" ("" when it cannot be read)
    // and the temporary folder with one.
    virtual std::string WindowsFolder() = 0;
    virtual std::string TempFolder() = 0;

    // ---- the target search window ----
    // Called before each folder of a search. windowDue: the search is one that
    // shows its window and has reached its 21st folder; the window is then
    // created (once) and shows folder. Pending messages are processed here,
    // which keeps the Cancel button and the menu's timers alive.
    virtual void SearchingFolder(const std::string& folder, bool windowDue) = 0;
    // The search window's Cancel button was pressed since the search started.
    virtual bool SearchCancelled() = 0;
    // Called once when a search starts (clear the cancel flag) and once when it
    // ends (close the window if it was shown).
    virtual void SearchStarted() = 0;
    virtual void SearchEnded() = 0;

    // ---- programs ----
    // The program the shell would open file with (FindExecutableA, results above
    // 32); "" when none.
    virtual std::string ExecutableFor(const std::string& file) = 0;
    // The program associated with file's type for "open" (AssocQueryString);
    // "" when the query fails.
    virtual std::string AssocExecutable(const std::string& file) = 0;
    // A program's version as "major.minor" and its product name, from its
    // version resource; "" when it has none.
    virtual std::string ProgramVersion(const std::string& program) = 0;
    virtual std::string ProgramProductName(const std::string& program) = 0;

    // ---- sound ----
    // Plays the button's click sound now and waits for it (once per launch:
    // later requests in the same launch play nothing). Used before a target
    // search, so the user hears the press before a long search.
    virtual void PlayClickSoundNow() = 0;
};

}  // namespace player
