#include "player/win32/sounds.h"

#include <mmsystem.h>

#include <stdexcept>

#include "forms/portable/FileSystem.h"
#include "forms/win32/Application.h"
#include "player/win32/PlayerGlobals.h"

namespace {

// The built-in sounds by event number (1..5); valid for the whole run.
const void* BuiltInSounds[6] = {};
bool ClickSoundPlayed = false;

std::string LastErrorText() {
    const DWORD code = GetLastError();
    char* text = nullptr;
    FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message = text ? text : ("System error " + std::to_string(code));
    if (text) LocalFree(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r')) message.pop_back();
    return message;
}

void Play(const player::SoundChoice& choice) {
    switch (choice.kind) {
        case player::SoundChoice::File:
            PlaySoundRequest(choice.path.c_str(), nullptr,
                             SND_FILENAME | SND_NODEFAULT | (choice.synchronous ? SND_SYNC : SND_ASYNC));
            break;
        case player::SoundChoice::BuiltIn:
            PlayResSound(choice.builtIn);
            break;
        case player::SoundChoice::Nothing:
            break;
    }
}

player::SoundChoice Choose(int event, const std::string& menuName, int object, bool soundsOn, bool clickSync) {
    return player::ChooseSound(event, SourcePath, menuName, object, soundsOn, clickSync,
                               [](const std::string& path) { return forms::FileExists(path); });
}

}  // namespace

const void* LoadResData(const char* name, const char* type, DWORD& size) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC info = FindResourceA(module, name, type);
    if (!info) throw std::runtime_error(LastErrorText());
    size = SizeofResource(module, info);
    if (size == 0) throw std::runtime_error(LastErrorText());
    HGLOBAL data = LoadResource(module, info);
    if (!data) throw std::runtime_error(LastErrorText());
    const void* bytes = LockResource(data);
    if (!bytes) throw std::runtime_error(LastErrorText());
    return bytes;
}

void LoadSounds() {
    for (int event = player::SndStart; event <= player::SndExit; ++event) {
        DWORD size = 0;
        BuiltInSounds[event] = LoadResData(player::BuiltInSoundName(event), "wave", size);
    }
}

void PlayResSound(int event) {
    if (event < player::SndStart || event > player::SndExit) event = player::SndSelect;
    if (!BuiltInSounds[event]) return;
    PlaySoundRequest(static_cast<LPCSTR>(BuiltInSounds[event]), nullptr, SND_ASYNC | SND_NODEFAULT | SND_MEMORY);
}

void PlayEventSound(int event, const std::string& menuName, int object, bool soundsOn) {
    Play(Choose(event, menuName, object, soundsOn, false));
}

void ResetClickSound() { ClickSoundPlayed = false; }

void PlayClickSound(const std::string& menuName, int n, int flags, bool soundsOn) {
    if (ClickSoundPlayed) return;
    ClickSoundPlayed = true;
    Play(Choose(player::SndClick, menuName, n, soundsOn, flags == 0));
    for (int i = 0; i < 100; ++i) forms::Application().ProcessMessages();
}

void PlayChangeSound(const std::string& menuName, bool soundsOn) {
    Play(Choose(player::SndChange, menuName, 0, soundsOn, true));
}
