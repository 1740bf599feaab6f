// The player's sounds: the five built-in wave resources and the sound files
// of the medium's folder, chosen by the player's sound rules and played with
// PlaySoundA (through PlaySoundRequest).
#pragma once
#include <windows.h>

#include <string>

#include "player/logic/Sounds.h"

// Finds, loads and locks one resource of the player's own module. Throws
// std::runtime_error with the system's text for the failing call.
const void* LoadResData(const char* name, const char* type, DWORD& size);

// Loads the five built-in sounds once (start, select, click, change, exit).
void LoadSounds();

// Plays the built-in sound of an event from memory, always asynchronously.
void PlayResSound(int event);

// Plays the sound of an event (start, select, exit, no action) for the
// current menu and object.
void PlayEventSound(int event, const std::string& menuName, int object, bool soundsOn);

// The click sound of object n: synchronous (flags 0) or asynchronous (1). It
// plays at most once per launch (ResetClickSound starts a launch). Afterwards
// pending messages are handled.
void ResetClickSound();
void PlayClickSound(const std::string& menuName, int n, int flags, bool soundsOn);

// The change sound after menuName has been loaded; synchronous.
void PlayChangeSound(const std::string& menuName, bool soundsOn);
