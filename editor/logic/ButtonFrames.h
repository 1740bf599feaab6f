// The picture frames of a button's states and the rules of the Button
// Properties dialog that need no window: the run of frames of one state and
// the operations on it (step, insert, move, delete), the AutoFill file-naming
// rule with its plan and report, the fitting of a picked picture and of a
// state preview, and the size check of OK.
//
// A state's frames are the slots 0..100 of one row of TAQButton::Pics; they
// run contiguously from slot 0 and the first missing or empty picture ends
// the run. Slot 101 is never written.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "shared/MenuType.h"

namespace editor {

using FrameRow = PicRef[kFrameSlots];

// Number of frames in the run from slot 0 (0..101).
int FrameRunLength(const FrameRow& frames);
// True when slot f holds a picture with pixels.
bool HasFrame(const FrameRow& frames, int f);
// Index of the last frame of the run; 0 when the state is empty.
int LastFrame(const FrameRow& frames);

// Outcome of a frame step or list operation.
enum class FrameMove { Moved, Refused, FrameLimit };
// Next Frame from cur: Moved (cur + 1) when that frame exists; FrameLimit at
// index 99 (the 100-frame message); Refused (a beep) when there is none.
FrameMove NextFrame(const FrameRow& frames, int& cur);
// Makes room for a new frame after cur: frames cur..99 move up one slot
// (frame 100 is lost) and cur becomes cur + 1; an empty state keeps cur 0.
// FrameLimit, nothing moved, when cur is already the last slot (100).
FrameMove MakeRoomAfter(FrameRow& frames, int& cur);
// The current frame and the one before it exchange places (Refused at 0).
FrameMove MoveFrameBack(FrameRow& frames, int& cur);
// The current frame and the next one exchange places (Refused without one).
FrameMove MoveFrameForward(FrameRow& frames, int& cur);
// Removes the current frame: the following frames move down one slot; the
// last one removed steps cur back (not below 0).
void DeleteFrame(FrameRow& frames, int& cur);

// The AutoFill naming rule: for a picked file name N, Stem is the part
// before its first "." without its last character and Ext the part from the
// first "." on ("btnu.bmp" gives "btn" and ".bmp"; "my.btn.bmp" gives "m"
// and ".btn.bmp"; a name without "." has no Ext).
struct AutoFillName {
    std::string Stem;
    std::string Ext;
};
AutoFillName SplitAutoFillName(const std::string& picked);
// Stem + letter + Ext, and Stem + letter + n + Ext (n in decimal).
std::string AutoFillDefault(const AutoFillName& name, char letter);
std::string AutoFillFrame(const AutoFillName& name, char letter, int n);

// One file AutoFill reads: its state (Up, Active, Down), frame and name
// without folder; Selected marks the picked file standing in for the
// missing default Up picture.
struct AutoFillItem {
    int State = Up;
    int Frame = 0;
    std::string Name;
    bool Selected = false;
};
// The files to read, in reading order: the default Up, Active and Down
// pictures, then each state's animation frames 1..100 up to the first
// missing number. exists tells whether a name (without folder) is a file
// of the picked file's folder.
std::vector<AutoFillItem> PlanAutoFill(const std::string& picked,
                                       const std::function<bool(const std::string& name)>& exists);
// The report shown after AutoFill, with each line ended by "\r", for the
// first `loaded` items of plan (a read error ends the fill early: the items
// after it are left out).
std::string AutoFillReport(const std::string& picked, const std::vector<AutoFillItem>& plan, size_t loaded);

// Size of a picked picture: a longer side above 800 pixels is brought to
// 800 keeping the aspect ratio (halves rounded to even), never below 1
// pixel a side. False when the picture keeps its size.
bool FitPickedPicture(int width, int height, int& outWidth, int& outHeight);

// Where a state preview draws a picture on a panel: unscaled and centred
// when it is narrower and lower than the panel, else fitted keeping its
// aspect ratio and centred.
struct PreviewPlace {
    int Left = 0, Top = 0, Width = 0, Height = 0;
};
PreviewPlace PlacePreview(int width, int height, int panelWidth, int panelHeight);

// Width and height of an object accepted by OK: whole numbers 1..kMaxObjectSide,
// read as IsNumeric reads numbers, spaces around them allowed.
constexpr int kMaxObjectSide = 2000;
bool ValidObjectSide(const std::string& text, int& value);

}  // namespace editor
