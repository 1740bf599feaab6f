#include "player/logic/Sounds.h"

namespace player {

const char* BuiltInSoundName(int event) {
    switch (event) {
        case SndStart: return "start_wav";
        case SndClick: return "click_wav";
        case SndChange: return "change_wav";
        case SndExit: return "exit_wav";
        default: return "select_wav";
    }
}

std::string MenuBaseName(const std::string& menuName) {
    const size_t dot = menuName.find('.');
    return dot == std::string::npos ? std::string() : menuName.substr(0, dot);
}

std::vector<std::string> SoundFileNames(int event, const std::string& menuName, int object) {
    const std::string base = MenuBaseName(menuName);
    const std::string n = std::to_string(object);
    switch (event) {
        case SndStart: return {"start.wav"};
        case SndSelect: return {base + "s" + n + ".wav", "select" + n + ".wav", "select.wav"};
        case SndClick: return {base + "c" + n + ".wav", "click" + n + ".wav", "click.wav"};
        case SndChange: return {base + ".wav", "change.wav"};
        case SndExit: return {"exit.wav"};
        case SndNoAction: return {"noaction.wav"};
        default: return {};
    }
}

SoundChoice ChooseSound(int event, const std::string& sourcePath, const std::string& menuName, int object,
                        bool soundsOn, bool clickSynchronous,
                        const std::function<bool(const std::string& path)>& fileExists) {
    SoundChoice choice;
    if (event == SndClick && !soundsOn) return choice;
    for (const std::string& name : SoundFileNames(event, menuName, object)) {
        const std::string path = sourcePath + name;
        if (fileExists(path)) {
            choice.kind = SoundChoice::File;
            choice.path = path;
            choice.synchronous = event == SndClick ? clickSynchronous
                                                   : (event == SndChange || event == SndExit || event == SndNoAction);
            return choice;
        }
    }
    if (soundsOn && event >= SndStart && event <= SndExit) {
        choice.kind = SoundChoice::BuiltIn;
        choice.builtIn = event;
    }
    return choice;
}

}  // namespace player
