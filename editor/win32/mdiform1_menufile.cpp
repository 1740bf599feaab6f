// Reading and writing menu files from the main window. The menu file's
// writer and reader of the editor are not part of this version yet: both
// operations say so to the user and report failure, so that callers treat
// them as a save or load that did not happen.
#include "editor/win32/EditorGlobals.h"
#include "editor/win32/mdiform1.h"

bool TMDIForm1Cls::SaveMenu(const std::string& /*folder*/, const std::string& /*fileName*/, bool /*withImages*/,
                            bool quiet) {
    if (!quiet)
        EditorMsg("Saving menu files is not available in this version of the editor yet.",
                  TMsgDlgType::mtInformation, TMsgDlgButtons::mbOK);
    return false;
}

bool TMDIForm1Cls::LoadMenu(const std::string& fileName, const std::string& /*folder*/, bool /*reload*/) {
    EditorMsg("Opening menu files is not available in this version of the editor yet, so \"" + fileName +
                  "\" was not opened.",
              TMsgDlgType::mtInformation, TMsgDlgButtons::mbOK);
    return false;
}
