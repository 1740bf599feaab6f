// Which sound the player plays at an event. Sound files are looked up in the
// source folder from the most specific name to the most general; when none
// exists, one of the five built-in wave resources plays instead. Everything
// here is decided over a "file exists" test; the caller plays the result.
#pragma once
#include <functional>
#include <string>
#include <vector>

namespace player {

enum SoundEvent {
    SndStart = 1,
    SndSelect = 2,
    SndClick = 3,
    SndChange = 4,
    SndExit = 5,
    SndNoAction = 6,  // the "*" command: "noaction.wav" only, no built-in sound
};

// Resource name of an event's built-in sound ("start_wav" ... "exit_wav");
// any event without one of its own gives the select sound's.
const char* BuiltInSoundName(int event);

// The menu's pack name up to its first "." ("" when it has none).
std::string MenuBaseName(const std::string& menuName);

// File names tried for an event, most specific first. menuName is the current
// menu (for SndChange: the menu just loaded); object is the button number.
//   start:  start.wav
//   select: <base>s<n>.wav, select<n>.wav, select.wav
//   click:  <base>c<n>.wav, click<n>.wav, click.wav
//   change: <base>.wav, change.wav
//   exit:   exit.wav
//   none:   noaction.wav
std::vector<std::string> SoundFileNames(int event, const std::string& menuName, int object);

struct SoundChoice {
    enum Kind { Nothing, File, BuiltIn } kind = Nothing;
    std::string path;    // File: source folder + file name
    int builtIn = 0;     // BuiltIn: the event whose resource plays
    // File: wait until the sound has played (the built-in sounds always play
    // asynchronously).
    bool synchronous = false;
};

// The sound for an event. soundsOn is the menu's sounds flag: it governs the
// built-in sounds, and for the click sound the files as well. clickSynchronous
// is the launcher's choice for the click sound (the other events have fixed
// modes: start and select asynchronous, change, exit and no-action synchronous).
SoundChoice ChooseSound(int event, const std::string& sourcePath, const std::string& menuName, int object,
                        bool soundsOn, bool clickSynchronous,
                        const std::function<bool(const std::string& path)>& fileExists);

}  // namespace player
