#include "shared/ButtonCommand.h"

#include "shared/TextParts.h"

const char* const kNoProcPrefix = "%NOPROC%";

bool IsSubMenuCommand(const std::string& command) {
    if (command.compare(0, 8, kNoProcPrefix) == 0 || command == "*" || (!command.empty() && command[0] == '$'))
        return false;
    return command.size() >= 4 && LowerAscii(command.substr(command.size() - 4)) == ".mnu" &&
           command.find_first_of("/\\") == std::string::npos;
}
